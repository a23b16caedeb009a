// Murelo's plot command under Wine: the case, the substructure, the structural action dialog of
// the base plate and of the wall stem, the graph window, and a case without a results report.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "../../tests/testsupport.h"
#include "app.h"
#include "graph/actiondialog.h"
#include "graph/graphwindow.h"
#include "win/ids.h"
#include "win/testing/wintest.h"
#include "murelo/core/globals.h"
#include "murelo/core/loadedit.h"
#include "murelo/entry/ids.h"

using wintest::PostClick;
using wintest::RunScript;
using wintest::TraceCapture;
using wintest::WhenDialog;

namespace {

const char* const kCases = "  Retaining Wall: Load Name Specification/Selection";
const char* const kSubstructure = "   Retaining Wall ANALYSIS.   JOB: WALL9";
const char* const kActions = "Retaining Wall ANALYSIS.   JOB: WALL9     Load Case: A";
const char* const kGraph = " GRAPH - Load Case: A";

int Count(const TraceCapture& trace, const std::string& part) {
  std::ifstream in(trace.Path());
  int n = 0;
  for (std::string line; std::getline(in, line);) n += line.find(part) != std::string::npos ? 1 : 0;
  return n;
}

int OptionCount(HWND dialog) {
  int n = 0;
  while (GetDlgItem(dialog, kFirstActionOption + n)) ++n;
  return n;
}

class MureloPlot : public ::testing::Test {
 protected:
  void SetUp() override {
    murelo::DimensionGlobals();
    murelo::StructureTitle = "Retaining Wall";
    murelo::CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNOACTIVATE);
    murelo::testing::WriteWinklerJob("WALL9", 50, {{1, 20, 10}, {2, 10, 5}, {3, 5, 0}});
    JobSpec = "WALL9";
  }
  void TearDown() override {
    JobSpec.clear();
    if (murelo::MainWindow) DestroyWindow(murelo::MainWindow);
    // The main window's end posts the quit message: it must not end the next test's dialogs.
    wintest::DiscardMessages();
  }
  void Solve() {
    std::string output;
    ASSERT_EQ(murelo::RunSolveTool({"WALL9", "A", "elastic"}, output), 0) << output;
  }
  // The plot command with the case chosen, the substructure (its option) and then the
  // steps inside the action dialog; the substructure dialog is cancelled at the end.
  bool Run(int option, std::vector<wintest::Step> inside) {
    std::vector<wintest::Step> steps = {
        WhenDialog(kCases, [](HWND d) { PostClick(d, IDOK); }),
        WhenDialog(kSubstructure,
                   [option](HWND d) {
                     CheckRadioButton(d, murelo::kBasePlateOptionId, murelo::kWallStemOptionId, option);
                     PostClick(d, kContinueId);
                   }),
    };
    for (auto& s : inside) steps.push_back(std::move(s));
    steps.push_back(WhenDialog(kSubstructure, [](HWND d) { PostClick(d, kCancelId); }));
    return RunScript(std::move(steps), [] { murelo::PlotCommand(); }, 40000).finished;
  }
  // The base plate's first action plotted: the text of the warning shown instead of a graph.
  std::string PlotWarning() {
    std::string text;
    EXPECT_TRUE(Run(murelo::kBasePlateOptionId, {WhenDialog(kActions, [](HWND d) { PostClick(d, kPlotActionButton); }),
                          WhenDialog("WARNING!",
                                     [&](HWND box) {
                                       text = wintest::BoxText(box);
                                       wintest::AnswerBox(box, IDOK);
                                     }),
                          WhenDialog(kActions, [](HWND d) { PostClick(d, kActionCancel); })}));
    return text;
  }
  TestDirectory dir_;
  TraceCapture trace_;
};

TEST_F(MureloPlot, TheBasePlateOnWinklerSoilOffersSevenActionsAndShowsItsGraph) {
  Solve();
  int options = 0;
  std::string heading, first, last;
  bool graph = false;
  EXPECT_TRUE(Run(murelo::kBasePlateOptionId, {WhenDialog(kActions,
                                   [&](HWND d) {
                                     options = OptionCount(d);
                                     heading = wintest::GetText(d, kActionHeading);
                                     first = wintest::GetText(d, kFirstActionOption);
                                     last = wintest::GetText(d, kFirstActionOption + 6);
                                     PostClick(d, kPlotActionButton);
                                   }),
                        WhenDialog(kGraph,
                                   [&](HWND g) {
                                     graph = true;
                                     PostClick(g, kGraphCloseButton);
                                   }),
                        WhenDialog(kActions, [](HWND d) { PostClick(d, kActionCancel); })}));
  EXPECT_EQ(options, 7);
  EXPECT_EQ(heading, "BASE PLATE: SELECTION OF STRUCTURAL ACTION");
  EXPECT_EQ(first, "Bending &Moments");
  EXPECT_EQ(last, "S&oil - Plate Contact Pressure");
  EXPECT_TRUE(graph);
  EXPECT_GE(Count(trace_, "\"BASE PLATE\""), 1);
  EXPECT_GE(Count(trace_, "\"Distance from Toe [m]\""), 1);
  EXPECT_GE(Count(trace_, "\"Bending Moments [kN*m/m]\""), 1);
  EXPECT_EQ(Count(trace_, "Tends to Infinity"), 0);
  EXPECT_EQ(wintest::WindowText(murelo::MainWindow),
            "     Retaining Wall ANALYSIS.   JOB: WALL9     Load Case: A");
}

TEST_F(MureloPlot, TheWallStemOffersFiveActionsAlongItsBase) {
  Solve();
  int options = 0;
  EXPECT_TRUE(Run(murelo::kWallStemOptionId, {WhenDialog(kActions,
                                   [&](HWND d) {
                                     options = OptionCount(d);
                                     EXPECT_EQ(wintest::GetText(d, kActionHeading),
                                               "WALL: SELECTION OF STRUCTURAL ACTION");
                                     CheckDlgButton(d, kFirstActionOption, BST_UNCHECKED);
                                     CheckDlgButton(d, kFirstActionOption + 3, BST_CHECKED);
                                     PostClick(d, kPlotActionButton);
                                   }),
                        WhenDialog(kGraph, [](HWND g) { PostClick(g, kGraphCloseButton); }),
                        WhenDialog(kActions, [](HWND d) { PostClick(d, kActionCancel); })}));
  EXPECT_EQ(options, 5);
  EXPECT_GE(Count(trace_, "\"Distance from Base [m]\""), 1);
  EXPECT_GE(Count(trace_, "\"Horizontal Translations [mm]\""), 1);
}

TEST_F(MureloPlot, ACaseWithoutReportIsAnnouncedAndNoGraphIsShown) {
  EXPECT_EQ(PlotWarning(), "Results File is Missing! Analyse the Structure!");
  EXPECT_EQ(Count(trace_, "gfx OpenGfxEx("), 0);
}

// The case analysed, then a nodal load added to it in the load data command: the report of the
// old loads is no result of the case any more; the plot says the results are missing instead of
// drawing the old graph under the current job and case.
TEST_F(MureloPlot, ResultsOfChangedLoadsAreNotPlotted) {
  Solve();
  murelo::LoadCaseName = "A";
  ASSERT_EQ(murelo::EditLoadData([] { murelo::PlateNodalLoads(2, 1) = 350; }), 1);
  EXPECT_EQ(PlotWarning(), "Results File is Missing! Analyse the Structure!");
  EXPECT_EQ(Count(trace_, "gfx OpenGfxEx("), 0);
}

}  // namespace
