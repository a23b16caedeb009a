// The windows of Trabix's views show their texts whole: the load type dialog of a whole beam and
// of a strip's symmetric half, and of the results command the action dialog, the graph window of
// each action of a solved beam on Winkler soil and the box of a missing report.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "../../tests/solvetool.h"
#include "../../tests/testsupport.h"
#include "core/globals.h"
#include "graph/actiondialog.h"
#include "graph/graphwindow.h"
#include "trabix/core/globals.h"
#include "trabix/core/slots.h"
#include "trabix/views/views.h"
#include "win/messages.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"

namespace trabix {
namespace {

using wintest::LayoutCase;

std::string ActionCaption(const std::string& job, const std::string& loadCase) {
  return "  BEAM/STRIP ANALYSIS.   JOB: " + job + ": SELECTION OF STRUCTURAL ACTION     Load Case: " + loadCase;
}

// The graph window's file type dialog (captioned by the program) over the first graph.
std::vector<wintest::LayoutSide> FileType(int action) {
  if (action != 1) return {};
  return {{kGraphFileButton, kGraphTypeCancel}};
}

class ResultsLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    ProgramMessages.ownerIsDialog = true;
    ProgramMessages.pauseMs = 0;
  }
  static std::function<void()> Results(const std::string& job, const std::string& loadCase) {
    return [job, loadCase] {
      JobSpec = job;
      ResultsCommand(nullptr, "BEAM/STRIP", [loadCase] {
        LoadCaseName = loadCase;
        return 1;
      });
    };
  }
  TestDirectory dir_;
  wintest::TraceCapture trace_;
};

TEST_F(ResultsLayout, EveryGraphWindowAndTheActionDialogShowTheirTextsWhole) {
  testing::CopyJob("WINKLER");
  std::string output;
  ASSERT_EQ(RunSolveTool({"WINKLER", "P"}, output), 0) << output;
  testing::WriteUniformBeamJob();  // not solved: its report is missing
  const std::string actions = ActionCaption("WINKLER", "P");
  std::vector<LayoutCase> cases = {
      {"missing report", Results("UNIF", "Q"),
       {{ActionCaption("UNIF", "Q"), kPlotActionButton, IDCANCEL}, {"WARNING!", 0, IDOK, nullptr, "Results File is Missing!"}}},
  };
  // Each of the five actions plotted: the graph window, then the action dialog again.
  for (int action = 1; action <= 5; ++action)
    cases.push_back({"action " + std::to_string(action), Results("WINKLER", "P"),
                     {{actions, kPlotActionButton, IDCANCEL,
                       [action](HWND d) {
                         for (int k = 1; k <= 5; ++k)
                           CheckDlgButton(d, kFirstActionOption + k - 1, k == action ? BST_CHECKED : BST_UNCHECKED);
                       }},
                      {" GRAPH - Load Case: P", 0, kGraphCloseButton, nullptr, "", FileType(action)}}});
  // The load type dialog (its entry windows are the entry library's); a strip's symmetric half
  // has the load symmetry options too.
  for (bool half : {false, true})
    cases.push_back({half ? "load types of a symmetric half" : "load types",
                     [half] {
                       JobSpec = "WINKLER";
                       LoadCaseName = "P";
                       StructureFlags.assign(6, "N");
                       if (half) {
                         StructureFlags[kStripSlot] = StructureFlags[kSymmetricHalfSlot] = "Y";  // a strip's half
                         StructureFlags[kSymmetricLoadsSlot] = "S";
                       }
                       ShowLoadTypeDialog(nullptr, "BEAM/STRIP", [](int) {});
                     },
                     {{"   BEAM/STRIP ANALYSIS.   JOB: WINKLER     Load Case: P"}}});
  const std::vector<std::string> faults = wintest::LayoutFaultsOfCases(cases, 30000);
  EXPECT_TRUE(faults.empty()) << wintest::Lines(faults);
}

}  // namespace
}  // namespace trabix
