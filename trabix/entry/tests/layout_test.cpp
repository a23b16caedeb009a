// Every window of Trabix's data entry shows its texts whole: each dialog, table window and the
// dialogs their buttons open, and the warnings they give, on a sample beam of 24 elements. The
// program shows one of them alone to look at: trabix_entry_tests --show <case> [strip].
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "core/globals.h"
#include "trabix/core/dataentry.h"
#include "trabix/core/globals.h"
#include "trabix/core/slots.h"
#include "trabix/core/jobfiles.h"
#include "trabix/entry/entry.h"
#include "trabix/entry/ids.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"
#include "entrytest.h"
#include "win/ids.h"

namespace trabix {
namespace {

using wintest::LayoutCase;
using wintest::LayoutHop;

const char* const kCaption = "   BEAM/STRIP ANALYSIS.   JOB: JOB";

// A beam (or strip) of 10 m in 24 elements on supports of every kind.
void SaveSample(bool strip) {
  ClearEntryTables();
  SaveGeometryDialogData("JOB", {"", "10", "24", "2E7", "0.2", "1E-5"}, strip, false);
  FillGeometryCells();
  for (int e = 1; e <= 24; ++e) CellTexts(3, e) = CellTexts(4, e) = "0.5";
  SaveGeometryCells("JOB");
  SupportFlags[kLeftEdgeFixedSlot] = SupportFlags[kUnyieldingSlot] = SupportFlags[kWinklerSlot] = "Y";
  UnyieldingNodes = "1,25";
}

void OpenLoads(int kind) {
  int nodal = 0, trapezoidal = 0, temperature = 0;
  ReadLoadData(TextLines, 0, nodal, trapezoidal, temperature);
  LoadDataDialogs(nullptr, kind);
}

const char* const kNotSupported = "The STRUCTURE is NOT SUPPORTED!\r\n\r\nCORRECT the SUPPORT Specification!";
const char* const kBadRange = "Incorrect Unyielding Support Data!\r\n\r\n        Correct the Data!         ";

// Every entry window of the sample beam or strip, with the dialogs of its buttons.
std::vector<LayoutCase> EntryCases(bool strip) {
  const std::string details = " GEOMETRY DETAILS DATA:";
  const std::string gen = " LOAD DATA GENERATION - Load Case: DEAD";
  const std::string nodal = "NODAL LOAD DATA. Load Case: DEAD";
  const std::string trapezoidal = "TRAPEZOIDAL LOAD DATA. Load Case: DEAD";
  const std::string temperature = "TEMPERATURE LOAD (Change): ";
  auto geometry = [] { GeometryDetailsDialog(nullptr); };
  auto supports = [](const char* kind) { return [kind] { SupportTableDialog(nullptr, kind); }; };
  // A table and the dialogs of its buttons, each opened over it and cancelled.
  auto table = [](const char* name, std::function<void()> open, const std::string& caption, std::vector<int> buttons) {
    return wintest::TableCase(name, std::move(open), caption, kTableCancelId, buttons, kFormCancelId);
  };
  const std::vector<int> twoButtons = {kFirstButtonId, kGenerateButtonId};
  std::vector<LayoutCase> cases = {
      {"geometry", [] { GeometryCommand(nullptr); }, {{kCaption}}},
      {"geometry warning",
       [] { GeometryCommand(nullptr); },
       {{kCaption, kOkId, IDCANCEL, wintest::Typing({{entry::kGeometryFieldBaseId + 1, "-1"}})},
        {"WARNING!", 0, IDOK, nullptr, "INCORRECT DATA of Item  1!\r\n\r\nENTER NEW DATA."}}},
      {"support types", [] { ShowModalDialog(SupportTypeDialog(), nullptr, SupportTypeDialogProc); }, {{kCaption}}},
      {"no support",
       [] { ShowModalDialog(SupportTypeDialog(), nullptr, SupportTypeDialogProc); },
       {{kCaption, kContinueId, IDCANCEL,
         wintest::ClearingChecks(entry::kFirstSupportBoxId, entry::kAnisotropicOptionId)},
        {"WARNING!", 0, IDOK, nullptr, kNotSupported}}},
      {"range refused",
       supports("ELASTIC"),
       {{kCaption, kGenerateButtonId, kTableCancelId},
        {kCaption, kOkId, kFormCancelId,
         wintest::Typing(
             {{entry::kFirstRangeFieldId, "20"}, {entry::kFirstRangeFieldId + 1, "3"}})},  // a start after its end
        {"WARNING!", 0, IDOK, nullptr, kBadRange}}},
      {"unyielding",
       [] { ShowModalDialog(UnyieldingSupportsDialog(), nullptr, UnyieldingSupportsDialogProc); },
       {{kCaption, 0, kExitId}}},
      table("elastic", supports("ELASTIC"), kCaption, twoButtons),
      table("winkler", supports("WINKLER"), kCaption,
            {kFirstButtonId, kGenerateButtonId, kModulusFunctionId, entry::kYieldFunctionId}),
      {"isotropic", [] { ShowModalDialog(HalfSpaceDialog("ISOTROPIC"), nullptr, HalfSpaceDialogProc); }, {{kCaption}}},
      {"cross-anisotropic",
       [] { ShowModalDialog(HalfSpaceDialog("CROSS-ANISOTROPIC"), nullptr, HalfSpaceDialogProc); },
       {{kCaption}}},
      {"uniform load", [] { OpenLoads(1); }, {{gen, 0, kFormCancelId}}},
      table("nodal", [] { OpenLoads(2); }, nodal, twoButtons),
      table("trapezoidal", [] { OpenLoads(3); }, trapezoidal, twoButtons),
      table("temperature", [] { OpenLoads(4); }, temperature, twoButtons),
  };
  // The geometry table's UNIFORM and GENERATE of each column: a strip has two columns.
  std::vector<int> columns;
  for (int id = kFirstColumnButtonId; id <= kFirstColumnButtonId + (strip ? 3 : 5); ++id) columns.push_back(id);
  cases.push_back(table("details", geometry, details, columns));
  return cases;
}

// The job and load case the sample's windows name, with quiet messages.
void SampleSession() {
  ProgramMessages = DialogOwnedMessages(&DialogAnswer);
  JobSpec = "JOB";
  LoadCaseName = "DEAD";
}

class EntryLayout : public ::testing::Test {
 protected:
  void SetUp() override { SampleSession(); }
  TestDirectory dir_;
  wintest::TraceCapture trace_;
};

TEST_F(EntryLayout, EveryEntryWindowShowsItsTextsWhole) {
  for (bool strip : {false, true}) {
    SaveSample(strip);
    const std::vector<std::string> faults = wintest::LayoutFaultsOfCases(EntryCases(strip));
    EXPECT_TRUE(faults.empty()) << (strip ? "strip" : "beam") << ":\n" << wintest::Lines(faults);
  }
}

// The dialogs a table's buttons open, alone: the Winkler modulus function and the UNIFORM and
// GENERATE of the first geometry column.
std::vector<LayoutCase> ButtonDialogs() {
  return {{"function",
           [] {
             FillSupportCells("WINKLER");
             TableRows = 24;
             ShowModalDialog(NodeFunctionDialog(false), nullptr, LoadDataDialogProc);
           },
           {}},
          {"column",
           [] {
             TableRows = 24;
             ShowModalDialog(entry::UniformDialog(EntryProfile(), 1), nullptr, entry::UniformDialogProc);
           },
           {}},
          {"range",
           [] {
             TableRows = 24;
             ShowModalDialog(entry::GenerationDialog(EntryProfile(), 1), nullptr, entry::GenerationDialogProc);
           },
           {}}};
}

}  // namespace

// The window of one case on the sample, in a folder of its own, until it is closed; 2 and the
// case names when there is no such case.
int ShowEntryWindow(const std::string& name, bool strip) {
  SampleSession();
  TestDirectory dir;
  SaveSample(strip);
  std::vector<LayoutCase> cases = EntryCases(strip), buttons = ButtonDialogs();
  cases.insert(cases.end(), buttons.begin(), buttons.end());
  for (const LayoutCase& c : cases)
    if (c.name == name) {
      c.open();
      return 0;
    }
  for (const LayoutCase& c : cases) std::fprintf(stderr, "%s\n", c.name.c_str());
  return 2;
}

}  // namespace trabix

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc >= 3 && std::string(argv[1]) == "--show")
    return trabix::ShowEntryWindow(argv[2], argc > 3 && std::string(argv[3]) == "strip");
  return RUN_ALL_TESTS();
}
