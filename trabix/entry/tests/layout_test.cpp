// Every window of Trabix's data entry shows its texts whole: each dialog, table window and the
// dialogs their buttons open, and the warnings they give, on a sample beam of 24 elements.
#include <gtest/gtest.h>
#include <windows.h>

#include "../../../common/tests/testdir.h"
#include "core/globals.h"
#include "trabix/core/dataentry.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/entry/entry.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"
#include "entrytest.h"
#include "win/ids.h"

namespace trabix {
namespace {

using wintest::LayoutCase;
using wintest::LayoutHop;

const char* const kCaption = "   BEAM/STRIP ANALYSIS.   JOB: JOB";
constexpr int kTableCancel = 12121;
constexpr int kFormCancel = 56;

class EntryLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    entrytest::QuietMessages();
    JobSpec = "JOB";
    LoadCaseName = "DEAD";
  }
  // A beam (or strip) of 10 m in 24 elements on supports of every kind, as the demo has it.
  static void SaveSample(bool strip) {
    ClearEntryTables();
    SaveGeometryDialogData("JOB", {"", "10", "24", "2E7", "0.2", "1E-5"}, strip, false);
    FillGeometryCells();
    for (int e = 1; e <= 24; ++e) CellTexts(3, e) = CellTexts(4, e) = "0.5";
    SaveGeometryCells("JOB");
    SupportFlags[1] = SupportFlags[2] = SupportFlags[4] = "Y";
    UnyieldingNodes = "1,25";
  }
  static void OpenLoads(int kind) {
    int nodal = 0, trapezoidal = 0, temperature = 0;
    ReadLoadData(TextLines, 0, nodal, trapezoidal, temperature);
    LoadEntryWindow(nullptr, kind);
  }
  TestDirectory dir_;
  wintest::TraceCapture trace_;
};

const char* const kNotSupported = "The STRUCTURE is NOT SUPPORTED!\r\n\r\nCORRECT the SUPPORT Specification!";
const char* const kBadRange = "Incorrect Unyielding Support Data!\r\n\r\n        Correct the Data!         ";

TEST_F(EntryLayout, EveryEntryWindowShowsItsTextsWhole) {
  const std::string details = " GEOMETRY DETAILS DATA:";
  const std::string gen = " LOAD DATA GENERATION - Load Case: DEAD";
  const std::string nodal = "NODAL LOAD DATA. Load Case: DEAD";
  const std::string trapezoidal = "TRAPEZOIDAL LOAD DATA. Load Case: DEAD";
  const std::string temperature = "TEMPERATURE LOAD (Change): ";
  auto geometry = [] { GeometryDetailsDialog(nullptr); };
  auto supports = [](const char* kind) { return [kind] { SupportTableDialog(nullptr, kind); }; };
  // A table and the dialogs of its buttons, each opened over it and cancelled.
  auto table = [](const char* name, std::function<void()> open, const std::string& caption, std::vector<int> buttons) {
    return wintest::TableCase(name, std::move(open), caption, kTableCancel, buttons, kFormCancel);
  };
  const std::vector<int> twoButtons = {121, 122};
  std::vector<LayoutCase> cases = {
      {"geometry", [] { GeometryCommand(nullptr); }, {{kCaption}}},
      {"geometry warning", [] { GeometryCommand(nullptr); },
       {{kCaption, 55, IDCANCEL, wintest::Typing({{101, "-1"}})},
        {"WARNING!", 0, IDOK, nullptr, "INCORRECT DATA of Item  1!\r\n\r\nENTER NEW DATA."}}},
      {"support types", [] { ShowModalDialog(SupportTypeDialog(), nullptr, SupportTypeDialogProc); }, {{kCaption}}},
      {"no support", [] { ShowModalDialog(SupportTypeDialog(), nullptr, SupportTypeDialogProc); },
       {{kCaption, kContinueId, IDCANCEL, wintest::ClearingChecks(100, 199)}, {"WARNING!", 0, IDOK, nullptr, kNotSupported}}},
      {"range refused", supports("ELASTIC"),
       {{kCaption, 122, kTableCancel},
        {kCaption, 55, kFormCancel, wintest::Typing({{241, "20"}, {242, "3"}})},  // a start after its end
        {"WARNING!", 0, IDOK, nullptr, kBadRange}}},
      {"unyielding", [] { ShowModalDialog(UnyieldingSupportsDialog(), nullptr, UnyieldingSupportsDialogProc); },
       {{kCaption, 0, 1234}}},
      table("elastic", supports("ELASTIC"), kCaption, twoButtons),
      table("winkler", supports("WINKLER"), kCaption,
            {121, 122, 123, 127}),
      {"isotropic", [] { ShowModalDialog(HalfSpaceDialog("ISOTROPIC"), nullptr, HalfSpaceDialogProc); }, {{kCaption}}},
      {"cross-anisotropic",
       [] { ShowModalDialog(HalfSpaceDialog("CROSS-ANISOTROPIC"), nullptr, HalfSpaceDialogProc); }, {{kCaption}}},
      {"uniform load", [] { OpenLoads(1); }, {{gen, 0, kFormCancel}}},
      table("nodal", [] { OpenLoads(2); }, nodal, twoButtons),
      table("trapezoidal", [] { OpenLoads(3); }, trapezoidal, twoButtons),
      table("temperature", [] { OpenLoads(4); }, temperature, twoButtons),
  };
  for (bool strip : {false, true}) {
    SaveSample(strip);
    // The geometry table's UNIFORM and GENERATE of each column: a strip has two columns.
    std::vector<int> columns;
    for (int id = 121; id <= (strip ? 124 : 126); ++id) columns.push_back(id);
    cases.push_back(table("details", geometry, details, columns));
    const std::vector<std::string> faults = wintest::LayoutFaultsOfCases(cases);
    cases.pop_back();
    EXPECT_TRUE(faults.empty()) << (strip ? "strip" : "beam") << ":\n" << wintest::Lines(faults);
  }
}

}  // namespace
}  // namespace trabix
