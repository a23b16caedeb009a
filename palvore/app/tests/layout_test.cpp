// Every window of Palvore's own commands shows its texts whole: the author box, the
// load-case dialog with Palvore's profile, the analysis dialog, the load type dialog, the action
// dialog and the graph of each action, the output chooser and the boxes and preview of both
// documents, on an analysed long pile.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "../../tests/testsupport.h"
#include "app.h"
#include "graph/actiondialog.h"
#include "graph/graphwindow.h"
#include "palvore/entry/ids.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"

namespace {

using wintest::LayoutCase;

const char* const kCasesCaption = "  PILE/SHEET-PILE: Load Name Specification/Selection";
const char* const kActionCaption = "PILE/SHEET-PILE ANALYSIS.   JOB: PILE1     Load Case: A";
const char* const kTypeCaption = "   PILE/SHEET-PILE ANALYSIS.   JOB: PILE1     Load Case: A";

class PalvoreLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    palvore::DimensionGlobals();
    palvore::StructureTitle = "PILE/SHEET-PILE";
    palvore::CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNOACTIVATE);
    ASSERT_NE(palvore::MainWindow, nullptr);
    palvore::InstallMenu(palvore::BuildJobMenu());
    palvore::testing::WriteJob(palvore::testing::LongPile(40, 20, "PILE1"));
    JobSpec = "PILE1";
    palvore::LoadCaseName = "A";
    std::string output;
    ASSERT_EQ(palvore::RunSolveTool({"PILE1", "A", "elastic"}, output), 0) << output;
    palvore::LoadCaseName = "A";
  }
  void TearDown() override {
    JobSpec.clear();
    if (palvore::MainWindow) DestroyWindow(palvore::MainWindow);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  TestDirectory dir;
};

TEST_F(PalvoreLayout, EveryCommandWindowShowsItsTextsWhole) {
  std::vector<LayoutCase> cases = {
      {"author box", [] { palvore::AuthorBox(); }, {{"Pile Analysis", 0, IDOK}}},
      {"load cases", [] { palvore::ShowLoadCases(1); }, {{kCasesCaption}}},
      {"load case deletion", [] { palvore::ShowLoadCases(1); },
       {{kCasesCaption, kInProcessDeleteId, IDCANCEL,
         [](HWND d) { SendDlgItemMessageA(d, kInProcessNameBoxId, CB_SETCURSEL, 0, 0); }},
        {"Current Selection DELETION Enquiry", 0, IDNO, nullptr,
         "Do you really want to DELETE the CURRENT SELECTION?"}}},
      {"load case choice", [] { palvore::ShowLoadCases(2); }, {{kCasesCaption}}},
      {"analysis", [] { palvore::ShowAnalysisDialog(0); }, {{"   PILE/SHEET-PILE ANALYSIS.   JOB: PILE1", 0, kExitId}}},
      {"load type", [] { palvore::LoadDataCommand(); }, {{kTypeCaption}}},
      {"output chooser", [] { palvore::PresentationCommand(); }, {{kCasesCaption, kOkId, 0}, {"", 0, kExitId}}},
      wintest::DocumentCase([] { palvore::PresentationCommand(); }, kCasesCaption, kOkId, "PILE1", "DATA"),
      wintest::DocumentCase([] { palvore::PresentationCommand(); }, kCasesCaption, kOkId, "PILE1", "RESULTS"),
  };
  // Each of the five actions plotted: the graph window, then the action dialog again.
  constexpr int kLastAction = kFirstActionOption + 4;
  for (int action = kFirstActionOption; action <= kLastAction; ++action)
    cases.push_back({"action " + std::to_string(action), [] { palvore::PlotCommand(); },
                     {{kCasesCaption, kOkId, 0},
                      {kActionCaption, kPlotActionButton, IDCANCEL,
                       [action](HWND d) { CheckRadioButton(d, kFirstActionOption, kLastAction, action); }},
                      {" GRAPH - Load Case: A", 0, kGraphCloseButton, nullptr, "",
                       // the file type dialog, captioned by the program, over the first graph
                       action == kFirstActionOption ? std::vector<wintest::LayoutSide>{{kGraphFileButton, kGraphTypeCancel}}
                                     : std::vector<wintest::LayoutSide>{}}}});
  const std::vector<std::string> faults = wintest::LayoutFaultsOfCases(cases, 60000);
  EXPECT_TRUE(faults.empty()) << wintest::Lines(faults);
}

}  // namespace
