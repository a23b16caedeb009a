// The results command under Wine: the action dialog of a beam with and without soil, a missing
// report, graphs of a solved simply supported beam shown in the shared graph window, the next
// action chosen after each plot, a displacement action plotted first and a cancelled case choice.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "../../tests/solvetool.h"
#include "../../tests/testsupport.h"
#include "core/globals.h"
#include "trabix/core/globals.h"
#include "trabix/core/loadedit.h"
#include "trabix/core/slots.h"
#include "trabix/views/views.h"
#include "win/ids.h"
#include "win/testing/wintest.h"

namespace trabix {
namespace {

using testing::WriteUniformBeamJob;
using wintest::PostClick;
using wintest::RunScript;
using wintest::TraceCapture;
using wintest::WhenDialog;

std::string ActionCaption(const std::string& job, const std::string& loadCase) {
  return "  BEAM/STRIP ANALYSIS.   JOB: " + job + ": SELECTION OF STRUCTURAL ACTION     Load Case: " + loadCase;
}

int Count(const TraceCapture& trace, const std::string& prefix) {
  std::ifstream in(trace.Path());
  int n = 0;
  for (std::string line; std::getline(in, line);) n += line.rfind(prefix, 0) == 0 ? 1 : 0;
  return n;
}

int OptionCount(HWND dialog) {
  int n = 0;
  while (GetDlgItem(dialog, kFirstActionOption + n)) ++n;
  return n;
}

class ResultsCommandTest : public ::testing::Test {
 protected:
  ResultsCommandTest() { WriteUniformBeamJob(); }
  void Solve(const std::string& job, const std::string& loadCase) {
    std::string output;
    ASSERT_EQ(RunSolveTool({job, loadCase}, output), 0) << output;
  }
  // The command for a job and case while the steps run.
  bool Run(const std::string& job, const std::string& loadCase, std::vector<wintest::Step> steps) {
    JobSpec = job;
    return RunScript(std::move(steps),
                     [&] {
                       ResultsCommand(nullptr, "BEAM/STRIP", [&] {
                         LoadCaseName = loadCase;
                         return 1;
                       });
                     },
                     30000)
        .finished;
  }
  // The first action of UNIF's case Q plotted: the text of the warning shown instead of a graph;
  // stayed: the action dialog was shown again after it.
  std::string PlotWarning(bool& stayed) {
    std::string text;
    EXPECT_TRUE(Run("UNIF", "Q",
                    {WhenDialog(ActionCaption("UNIF", "Q"), [](HWND d) { PostClick(d, kPlotActionButton); }),
                     WhenDialog("WARNING!",
                                [&](HWND box) {
                                  text = wintest::BoxText(box);
                                  wintest::AnswerBox(box, IDOK);
                                }),
                     WhenDialog(ActionCaption("UNIF", "Q"), [&](HWND d) {
                       stayed = true;
                       PostClick(d, kCancelId);
                     })}));
    return text;
  }
  TestDirectory dir_;
  TraceCapture trace_;
};

TEST_F(ResultsCommandTest, ABeamOffersFourActionsAndFiveWithWinklerSoil) {
  int plain = 0, winkler = 0;
  EXPECT_TRUE(Run("UNIF", "Q", {WhenDialog(ActionCaption("UNIF", "Q"), [&](HWND d) {
                    plain = OptionCount(d);
                    EXPECT_EQ(wintest::GetText(d, kActionHeading), "SELECTION OF STRUCTURAL ACTION");
                    EXPECT_EQ(wintest::GetText(d, kFirstActionOption), "Bending &Moments");
                    EXPECT_EQ(IsDlgButtonChecked(d, kFirstActionOption), BST_CHECKED);
                    PostClick(d, kCancelId);
                  })}));
  testing::CopyJob("WINKLER");
  EXPECT_TRUE(Run("WINKLER", "P", {WhenDialog(ActionCaption("WINKLER", "P"), [&](HWND d) {
                    winkler = OptionCount(d);
                    EXPECT_EQ(wintest::GetText(d, kFirstActionOption + 4), "&Soil - Beam Contact Pressure");
                    PostClick(d, kCancelId);
                  })}));
  EXPECT_EQ(plain, 4);
  EXPECT_EQ(winkler, 5);
}

TEST_F(ResultsCommandTest, AMissingReportIsAnnouncedAndTheDialogStays) {
  bool stayed = false;
  EXPECT_EQ(PlotWarning(stayed), "Results File is Missing!");
  EXPECT_TRUE(stayed);
  EXPECT_EQ(Count(trace_, "gfx OpenGfxEx("), 0);
}

// The case analysed, then its uniform load changed from 10 to 12 kN/m in the load command: the
// report of the old load is no result of the case any more; the plot says the results are
// missing instead of drawing the old graph under the current job and case.
TEST_F(ResultsCommandTest, ResultsOfChangedLoadsAreNotPlotted) {
  Solve("UNIF", "Q");
  JobSpec = "UNIF";
  LoadCaseName = "Q";
  ASSERT_EQ(EditLoadData([] { LoadValues[kUniformLoadSlot] = 12; }), 1);
  bool stayed = false;
  EXPECT_EQ(PlotWarning(stayed), "Results File is Missing!");
  EXPECT_EQ(Count(trace_, "gfx OpenGfxEx("), 0);
  // Analysed again, the case's graph is shown.
  Solve("UNIF", "Q");
  bool graph = false;
  EXPECT_TRUE(Run("UNIF", "Q",
                  {WhenDialog(ActionCaption("UNIF", "Q"), [](HWND d) { PostClick(d, kPlotActionButton); }),
                   WhenDialog(" GRAPH - Load Case: Q",
                              [&](HWND g) {
                                graph = true;
                                PostClick(g, kGraphCloseButton);
                              }),
                   WhenDialog(ActionCaption("UNIF", "Q"), [&](HWND d) { PostClick(d, kCancelId); })}));
  EXPECT_TRUE(graph);
}

// Moments then shears of the solved beam: the graph window with its tabs and buttons, the
// moment points (9 nodes, no jump) as markers, and the next action chosen after each graph.
TEST_F(ResultsCommandTest, GraphsOfASolvedBeamInTheGraphWindow) {
  Solve("UNIF", "Q");
  const std::string graph = " GRAPH - Load Case: Q";
  bool buttons = false;
  int checkedAfterFirst = 0, checkedAfterSecond = 0;
  int momentMarkers = -1;
  EXPECT_TRUE(Run("UNIF", "Q",
                  {WhenDialog(ActionCaption("UNIF", "Q"), [](HWND d) { PostClick(d, kPlotActionButton); }),
                   WhenDialog(graph,
                              [&](HWND g) {
                                buttons = GetDlgItem(g, kGraphFileButton) && GetDlgItem(g, kGraphClipboardButton) &&
                                          GetDlgItem(g, kGraphCloseButton) && GetDlgItem(g, kGraphPrintButton) &&
                                          GetDlgItem(g, kGraphTabs);
                                momentMarkers = Count(trace_, "gfx DrawEllipseEx(1, ");
                                PostClick(g, kGraphCloseButton);
                              }),
                   WhenDialog(ActionCaption("UNIF", "Q"),
                              [&](HWND d) {
                                checkedAfterFirst = FirstCheckedButton(d, kFirstActionOption, kFirstActionOption + 3);
                                PostClick(d, kPlotActionButton);
                              }),
                   WhenDialog(graph, [&](HWND g) { PostClick(g, kGraphCloseButton); }),
                   WhenDialog(ActionCaption("UNIF", "Q"), [&](HWND d) {
                     checkedAfterSecond = FirstCheckedButton(d, kFirstActionOption, kFirstActionOption + 3);
                     PostClick(d, kCancelId);
                   })}));
  EXPECT_TRUE(buttons);
  EXPECT_EQ(momentMarkers, 9);
  EXPECT_EQ(checkedAfterFirst, kFirstActionOption + 1);
  EXPECT_EQ(checkedAfterSecond, kFirstActionOption + 2);
  EXPECT_EQ(Count(trace_, "gfx DrawTextRowEx(2, \"Shearing Forces [kN]\""), 1);
}

TEST_F(ResultsCommandTest, ADisplacementActionPlottedFirstIsShown) {
  Solve("UNIF", "Q");
  bool shown = false;
  EXPECT_TRUE(Run("UNIF", "Q",
                  {WhenDialog(ActionCaption("UNIF", "Q"),
                              [](HWND d) {
                                CheckDlgButton(d, kFirstActionOption, BST_UNCHECKED);
                                CheckDlgButton(d, kFirstActionOption + 2, BST_CHECKED);
                                PostClick(d, kPlotActionButton);
                              }),
                   WhenDialog(" GRAPH - Load Case: Q",
                              [&](HWND g) {
                                shown = true;
                                PostClick(g, kGraphCloseButton);
                              }),
                   WhenDialog(ActionCaption("UNIF", "Q"), [](HWND d) { PostClick(d, kCancelId); })}));
  EXPECT_TRUE(shown);
  EXPECT_EQ(Count(trace_, "gfx DrawTextRowEx(2, \"Vertical Translations [mm]\""), 1);
  EXPECT_EQ(Count(trace_, "BOX"), 0);
}

TEST_F(ResultsCommandTest, ACancelledCaseChoiceEndsTheCommand) {
  JobSpec = "UNIF";
  bool opened = false;
  RunScript({WhenDialog(ActionCaption("UNIF", "Q"),
                        [&](HWND d) {
                          opened = true;
                          PostClick(d, kCancelId);
                        })},
            [] { ResultsCommand(nullptr, "BEAM/STRIP", [] { return 0; }); }, 1500);
  EXPECT_FALSE(opened);
}

}  // namespace
}  // namespace trabix
