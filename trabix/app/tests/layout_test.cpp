// Every window of Trabix's own commands shows its texts whole: the author box, the
// load-case dialog with Trabix's profile, the analysis dialog, the output chooser and the boxes
// and preview of both documents, on a solved beam on Winkler soil.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "../../tests/solvetool.h"
#include "../../tests/testsupport.h"
#include "app.h"
#include "win/testing/layout.h"
#include "trabix/app/ids.h"
#include "win/testing/wintest.h"

namespace {

using wintest::LayoutCase;
using wintest::LayoutHop;

const char* const kCasesCaption = "  BEAM/STRIP: Load Name Specification/Selection";

class TrabixLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    trabix::DimensionGlobals();
    trabix::testing::CopyJob("WINKYLD");
    JobSpec = "WINKYLD";
    trabix::LoadCaseName = "P";
    trabix::StructureTitle = "BEAM/STRIP";
    std::string output;
    ASSERT_EQ(trabix::RunSolveTool({"WINKYLD", "P", "elastic"}, output), 0) << output;
    trabix::CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNOACTIVATE);
    ASSERT_NE(trabix::MainWindow, nullptr);
    trabix::InstallMenu(trabix::BuildJobMenu());
  }
  void TearDown() override {
    JobSpec.clear();  // nothing to archive
    if (trabix::MainWindow) DestroyWindow(trabix::MainWindow);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  TestDirectory dir;
};

TEST_F(TrabixLayout, EveryCommandWindowShowsItsTextsWhole) {
  const std::vector<LayoutCase> cases = {
      {"author box", [] { trabix::DispatchCommand(kAuthorBoxCommand); }, {{"Pile Analysis", 0, IDOK}}},
      {"load cases", [] { trabix::ShowLoadCases(1); }, {{kCasesCaption}}},
      {"load case deletion",
       [] { trabix::ShowLoadCases(1); },
       {{kCasesCaption, kInProcessDeleteId, IDCANCEL,
         [](HWND d) { SendDlgItemMessageA(d, kInProcessNameBoxId, CB_SETCURSEL, 0, 0); }},
        {"Current Selection DELETION Enquiry", 0, IDNO, nullptr,
         "Do you really want to DELETE the CURRENT SELECTION?"}}},
      {"load case choice", [] { trabix::ShowLoadCases(2); }, {{kCasesCaption}}},
      {"analysis", [] { trabix::ShowAnalysisDialog(0); }, {{"   BEAM/STRIP ANALYSIS.   JOB: WINKYLD"}}},
      {"output chooser", [] { trabix::PresentationCommand(); }, {{kCasesCaption, kOkId, 0}, {"", 0, kExitId}}},
      wintest::DocumentCase([] { trabix::PresentationCommand(); }, kCasesCaption, kOkId, "WINKYLD", "DATA"),
      wintest::DocumentCase([] { trabix::PresentationCommand(); }, kCasesCaption, kOkId, "WINKYLD", "RESULTS"),
  };
  const std::vector<std::string> faults = wintest::LayoutFaultsOfCases(cases, 30000);
  EXPECT_TRUE(faults.empty()) << wintest::Lines(faults);
}

}  // namespace
