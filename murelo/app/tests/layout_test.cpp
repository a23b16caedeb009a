// Every window of Murelo's own commands shows its texts whole: the author box, the
// load-case dialog with Murelo's profile, the analysis dialog, for the base plate and the wall
// stem the load type dialog, the uniform load dialog and each load table with the dialogs of its
// buttons, the action dialog and the graph of each action, and the output chooser with the boxes
// and preview of both documents, on the standard wall of the tests, analysed.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "../../tests/solvetool.h"
#include "../../tests/testsupport.h"
#include "app.h"
#include "core/fieldcheck.h"
#include "core/globals.h"
#include "graph/actiondialog.h"
#include "graph/graphwindow.h"
#include "murelo/core/dataentry.h"
#include "murelo/core/jobfiles.h"
#include "murelo/core/loadedit.h"
#include "murelo/entry/entry.h"
#include "win/messages.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"
#include "murelo/entry/ids.h"

namespace {

using wintest::LayoutCase;

const char* const kCasesCaption = "  Retaining Wall: Load Name Specification/Selection";

class MureloLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    using namespace murelo;
    DimensionGlobals();
    ProgramMessages = DialogOwnedMessages(&DialogAnswer);
    StructureTitle = "Retaining Wall";
    CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNOACTIVATE);
    ASSERT_NE(MainWindow, nullptr);
    // The standard wall on Winkler soil, a uniform load on the plate and earth pressure on the
    // stem in case "SERVICE" (a title of the load tables long enough to wrap), analysed.
    using namespace murelo::testing;
    WallSupports supports;
    supports.winkler = 10000;
    WallLoads loads;
    loads.plateUniform = 50;
    loads.stemHorizontal = {{1, 20, 10}, {2, 10, 5}, {3, 5, 0}};
    WriteGeometry("WALL9", StandardWall());
    WriteSupports("WALL9", supports, 4);
    WriteLoads("WALL9", "SERVICE", loads);
    JobSpec = "WALL9";
    LoadCaseName = "SERVICE";
    std::string output;
    ASSERT_EQ(RunSolveTool({"WALL9", "SERVICE", "elastic"}, output), 0) << output;
  }
  void TearDown() override {
    JobSpec.clear();
    if (murelo::MainWindow) DestroyWindow(murelo::MainWindow);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  TestDirectory dir;
};

TEST_F(MureloLayout, EveryCommandWindowShowsItsTextsWhole) {
  using namespace murelo;
  std::vector<LayoutCase> cases = {
      {"author box", [] { DispatchCommand(kAuthorBoxCommand); }, {{"", 0, IDOK}}},
      {"load cases", [] { ShowLoadCases(1); }, {{kCasesCaption}}},
      {"load case deletion", [] { ShowLoadCases(1); },
       {{kCasesCaption, kInProcessDeleteId, IDCANCEL, [](HWND d) { SendDlgItemMessageA(d, kInProcessNameBoxId, CB_SETCURSEL, 0, 0); }},
        {"Current Selection DELETION Enquiry", 0, IDNO, nullptr,
         "Do you really want to DELETE the CURRENT SELECTION?"}}},
      {"load case choice", [] { ShowLoadCases(2); }, {{kCasesCaption}}},
      {"analysis", [] { ShowAnalysisDialog(0); }, {{"", 0, kExitId}}},
      {"output chooser", [] { PresentationCommand(); }, {{kCasesCaption, IDOK, 0}, {"", 0, kExitId}}},
      wintest::DocumentCase([] { murelo::PresentationCommand(); }, kCasesCaption, 1, "WALL9", "DATA",
                            "\r\n\r\n", "\r\n"),
      wintest::DocumentCase([] { murelo::PresentationCommand(); }, kCasesCaption, 1, "WALL9", "RESULTS",
                            "\r\n\r\n", "\r\n"),
  };
  for (const char* sub : {"BASE PLATE", "WALL"}) {
    const std::string name = sub;
    auto in = [sub](std::function<void()> open) {
      return [sub, open] {
        CurrentSubstructure = sub;
        open();
      };
    };
    auto loads = [in](int type) { return in([type] { EditLoadData([type] { LoadDataDialogs(nullptr, type); }); }); };
    cases.push_back({name + " load types", in([] { EditLoadData([] { ShowLoadTypeDialog(nullptr); }); }), {{""}}});
    cases.push_back({name + " uniform load", loads(1), {{"", 0, kFormCancelId}}});
    const int types = name == "WALL" ? 4 : 3;
    for (int type = 2; type <= types; ++type) {
      wintest::LayoutHop table("", 0, kTableCancelId);
      for (int b : {kFirstButtonId, GenerateButtonId(1), GenerateButtonId(2)}) table.sides.push_back({b, kFormCancelId});
      cases.push_back({name + " load table " + std::to_string(type), loads(type), {table}});
    }
    // Each action plotted: the graph window, then the action dialog again.
    for (int action = 1; action <= 5; ++action)
      cases.push_back({name + " action " + std::to_string(action), in([] { ShowStructuralActions(nullptr); }),
                       {{"", kPlotActionButton, IDCANCEL,
                         [action](HWND d) {
                           if (!GetDlgItem(d, kFirstActionOption + action - 1)) return;
                           for (int k = 1; GetDlgItem(d, kFirstActionOption + k - 1); ++k)
                             CheckDlgButton(d, kFirstActionOption + k - 1, k == action ? BST_CHECKED : BST_UNCHECKED);
                         }},
                        {"", 0, kGraphCloseButton, nullptr, "",
                         // the file type dialog, captioned by the program, over the first graph
                         action == 1 ? std::vector<wintest::LayoutSide>{{kGraphFileButton, kGraphTypeCancel}}
                                     : std::vector<wintest::LayoutSide>{}}}});
  }
  const std::vector<std::string> faults = wintest::LayoutFaultsOfCases(cases, 60000);
  EXPECT_TRUE(faults.empty()) << wintest::Lines(faults);
}

}  // namespace
