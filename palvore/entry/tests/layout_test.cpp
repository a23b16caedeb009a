// Every window of Palvore's data entry shows its texts whole: each dialog, table window and the
// dialogs their buttons open, and the warnings they give, on a sample pile and sheet pile of 24
// elements.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "../../../common/tests/testdir.h"
#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/textfiles.h"
#include "palvore/core/dataentry.h"
#include "palvore/core/documents.h"
#include "palvore/core/globals.h"
#include "palvore/core/jobfiles.h"
#include "palvore/entry/entry.h"
#include "win/loadtype.h"
#include "win/messages.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"
#include "win/ids.h"

namespace palvore {
namespace {

using wintest::LayoutCase;

const char* const kCaption = "   PILE/SHEET-PILE ANALYSIS.   JOB: DEMO";
constexpr int kTableCancel = 12121;
constexpr int kFormCancel = 56;

class PalvoreEntryLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    ProgramMessages.ownerIsDialog = true;
    ProgramMessages.pauseMs = 0;
    ProgramMessages.numberCheck = IsNumberText;
    JobSpec = "DEMO";
    LoadCaseName = "A";
  }
  // A pile (or sheet pile) of 12 m in 24 elements, 2 of them above the soil, on supports of every
  // kind.
  static void SaveSample(bool sheet) {
    Geometry = PileGeometry();
    SaveGeometryDialogData("DEMO", {"", "12", "24", "2.1E8", "0.3", "0.2"}, sheet);
    FillGeometryCells();
    for (int e = 1; e <= 24; ++e) CellTexts(3, e) = CellTexts(4, e) = "0.5";
    Geometry.above = 2;
    SaveGeometryCells("DEMO");
    Supports = PileSupports();
    Supports.flags = {"", "Y", "Y", "Y", "Y", "N", "", "", "", "", ""};
    Supports.unyieldingNodes = "1,25";
  }
  static void OpenLoads(int type) {
    int t = 0, n = 0;
    ReadLoadData(TextLineArray(1), 0, t, n);
    LoadDataDialogs(nullptr, type);
  }
  TestDirectory dir_;
  wintest::TraceCapture trace_;
};

const char* const kNotSupported = "The STRUCTURE is NOT SUPPORTED!\r\n\r\nCORRECT the SUPPORT Specification!";
const char* const kBadRange = "Incorrect Unyielding Support Data!\r\n\r\n        Correct the Data!         ";

TEST_F(PalvoreEntryLayout, EveryEntryWindowShowsItsTextsWhole) {
  const std::string details = " GEOMETRY DETAILS DATA:";
  const std::string loadType = LoadTypeCaption(kStructureTitle, "A");
  auto geometry = [] { GeometryDetailsDialog(nullptr); };
  auto supports = [](const char* kind) { return [kind] { SupportTableDialog(nullptr, kind); }; };
  // A table and the dialogs of its buttons, each opened over it and cancelled.
  auto table = [](const char* name, std::function<void()> open, const std::string& caption, std::vector<int> buttons) {
    return wintest::TableCase(name, std::move(open), caption, kTableCancel, buttons, kFormCancel);
  };
  std::vector<LayoutCase> cases = {
      {"geometry", [] { GeometryCommand(nullptr); }, {{kCaption}}},
      {"geometry warning", [] { GeometryCommand(nullptr); },
       {{kCaption, 55, IDCANCEL, wintest::Typing({{101, "-1"}})},
        {"WARNING!", 0, IDOK, nullptr, "INCORRECT DATA of Item  1!\r\n\r\nENTER NEW DATA."}}},
      {"support types", [] { ShowModalDialog(SupportTypeDialog(), nullptr, entry::SupportTypeDialogProc); }, {{kCaption}}},
      {"no support", [] { ShowModalDialog(SupportTypeDialog(), nullptr, entry::SupportTypeDialogProc); },
       {{kCaption, kContinueId, IDCANCEL, wintest::ClearingChecks(100, 199)}, {"WARNING!", 0, IDOK, nullptr, kNotSupported}}},
      {"range refused", supports("ELASTIC"),
       {{kCaption, 124, kTableCancel},
        {kCaption, 55, kFormCancel, wintest::Typing({{241, "20"}, {242, "3"}})},  // a start after its end
        {"WARNING!", 0, IDOK, nullptr, kBadRange}}},
      {"unyielding", [] { ShowModalDialog(UnyieldingSupportsDialog(), nullptr, entry::NodeListDialogProc); },
       {{kCaption, 0, 1234}}},
      table("elastic", supports("ELASTIC"), kCaption, {121, 123, 124}),
      table("winkler", supports("WINKLER"), kCaption, {121, 124, 126, 128, 127}),
      {"half-space", [] { ShowModalDialog(HalfSpaceDialog(), nullptr, entry::HalfSpaceDialogProc); }, {{kCaption}}},
      {"load type", [] { ShowModalDialog(LoadTypeDialog(), nullptr, LoadTypeDialogProc); }, {{loadType}}},
      table("trapezoidal", [] { OpenLoads(1); }, kCaption, {121, 122}),
      table("nodal", [] { OpenLoads(2); }, kCaption, {121, 122}),
  };
  for (bool sheet : {false, true}) {
    SaveSample(sheet);
    // The geometry table's buttons (121 fills the lengths itself); a sheet pile has two columns.
    cases.push_back(table("details", geometry, details,
                          sheet ? std::vector<int>{122, 123, 124} : std::vector<int>{122, 123, 124, 125, 126}));
    const std::vector<std::string> faults = wintest::LayoutFaultsOfCases(cases);
    cases.pop_back();
    EXPECT_TRUE(faults.empty()) << (sheet ? "sheet pile" : "pile") << ":\n" << wintest::Lines(faults);
  }
}

}  // namespace
}  // namespace palvore
