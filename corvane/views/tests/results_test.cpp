// Corvane's plot command under Wine with hand-written result files: the action dialog of a beam
// (ids, texts, places), its graph in the shared graph window and the next action chosen after
// it, a beam with soil, a tank wall's actions and graph texts, a plate's infinite centre shear,
// a missing and a cut result file, and a cancelled case choice; a cone roof's ten actions from the
// outside solver's own file.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../../core/tests/testsupport.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/globals.h"
#include "corvane/solver/solver.h"
#include "corvane/solver/tests/jobs.h"
#include "corvane/views/views.h"
#include "gfx/gfx.h"
#include "win/ids.h"
#include "win/testing/wintest.h"

namespace corvane {
namespace {

using wintest::PostClick;
using wintest::RunScript;
using wintest::TraceCapture;
using wintest::WhenDialog;

const char* const kMissing = "Results File is Missing! Analyse the Structure!";

int OptionCount(HWND dialog) {
  int n = 0;
  while (GetDlgItem(dialog, kFirstActionOption + n)) ++n;
  return n;
}

class PlotCommandTest : public ::testing::Test {
 protected:
  // A job of `elements` elements with its geometry file and the fixture as the case's results.
  void Job(const char* type, const char* substructure, int elements, const std::string& job,
           const std::string& fixture, const std::string& as) {
    testing::SetJobGeometry(type, substructure, elements, elements, elements, 0, 0);
    for (Table2D<float>& t : WorkTables) t.Redim(elements, 3);
    JobSpec = job;
    ASSERT_TRUE(SaveGeometryFile(job));
    if (!fixture.empty()) testing::CopyFixture(fixture, as);
    SupportFlags.assign(20, "N");
  }
  // The plot command for the case while the steps run.
  bool Run(const std::string& loadCase, std::vector<wintest::Step> steps, int chosen = 1) {
    return RunScript(std::move(steps),
                     [&] {
                       RunPlotCommand(main_, [&] {
                         LoadCaseName = loadCase;
                         return chosen;
                       }, nullptr);
                     },
                     30000)
        .finished;
  }
  int Count(const std::string& prefix) const { return trace_.Count(prefix); }
  TestDirectory dir_;
  TraceCapture trace_;
  wintest::HostWindow main_{"CorvanePlotTestMain", "main", 800, 600};
};

const std::string kBeamActions = "BEAM/STRIP ANALYSIS.   JOB: B3     Load Case: Point";

TEST_F(PlotCommandTest, ABeamsActionDialogItsGraphAndTheNextActionChosen) {
  Job("BEAM/STRIP", "BEAM", 2, "B3", "B3.RBP", "B3.RBP");
  int options = 0, checkedAfter = 0;
  std::string heading, plot, cancel;
  POINT cancelAt{};
  bool graph = false;
  std::string graphCaption;
  EXPECT_TRUE(Run("Point", {WhenDialog(kBeamActions,
                                       [&](HWND d) {
                                         options = OptionCount(d);
                                         heading = wintest::GetText(d, kActionHeading);
                                         plot = wintest::GetText(d, kPlotActionButton);
                                         cancel = wintest::GetText(d, kActionCancel);
                                         cancelAt = wintest::ControlPlace(d, kActionCancel);
                                         EXPECT_EQ(IsDlgButtonChecked(d, kFirstActionOption), BST_CHECKED);
                                         EXPECT_EQ(wintest::GetText(d, kFirstActionOption), "Bending &Moments");
                                         EXPECT_EQ(GetFocus(), GetDlgItem(d, kPlotActionButton));
                                         PostClick(d, kPlotActionButton);
                                       }),
                            WhenDialog(" GRAPH - Load Case: Point",
                                       [&](HWND g) {
                                         graph = GetDlgItem(g, kGraphFileButton) && GetDlgItem(g, kOkId) && GetDlgItem(g, kFormCancelId) &&
                                                 GetDlgItem(g, kGraphPrintButton) && GetDlgItem(g, kGraphTabs);
                                         graph = graph && SendMessageA(GetDlgItem(g, kGraphTabs), TCM_GETITEMCOUNT,
                                                                       0, 0) == 2;
                                         PostClick(g, kGraphCloseButton);
                                       }),
                            WhenDialog(kBeamActions, [&](HWND d) {
                              checkedAfter = FirstCheckedButton(d, kFirstActionOption, kFirstActionOption + 3);
                              PostClick(d, kActionCancel);
                            })}));
  EXPECT_EQ(wintest::WindowText(main_), "     BEAM/STRIP ANALYSIS.   JOB: B3     Load Case: Point");
  EXPECT_EQ(options, 4);
  EXPECT_EQ(heading, "BEAM: SELECTION OF STRUCTURAL ACTION");
  EXPECT_EQ(plot, "&PLOT the SELECTED ACTION");
  EXPECT_EQ(cancel, "&CANCEL");
  EXPECT_EQ(cancelAt.x, 125);
  EXPECT_EQ(cancelAt.y, 100 + 13 * 4 - 40);
  EXPECT_TRUE(graph);
  EXPECT_EQ(checkedAfter, kFirstActionOption + 1);
  // The moment graph: four points (the moment is doubled at the shear jump), drawn downwards.
  EXPECT_EQ(Count("gfx DrawEllipseEx(1, "), 4);
  EXPECT_EQ(Count("gfx GradientPanel(1, \"BEAM\""), 1);
  EXPECT_EQ(Count("gfx DrawTextRowEx(1, \"Bending Moments [kN*m]\""), 1);
  EXPECT_EQ(Count("BOX"), 0);
  // The command gives the results' room back.
  EXPECT_EQ(ResultLineCount, 0);
}

// ANALYSIS.exe's result file of the beam, then the beam's modulus changed in the geometry: the
// graphs of the old geometry are not drawn as the current case's; the plot says the results are
// missing and the dialog stays.
TEST_F(PlotCommandTest, ResultsOfAChangedGeometryAreNotPlotted) {
  Job("BEAM/STRIP", "BEAM", 2, "B3", "B3.RBP", "B3.RBP");
  JobDataTable(1, 3) = 2.0E+7f;
  ASSERT_TRUE(SaveGeometryFile("B3"));
  std::string text;
  bool stayed = false;
  EXPECT_TRUE(Run("Point", {WhenDialog(kBeamActions, [](HWND d) { PostClick(d, kPlotActionButton); }),
                            WhenDialog("WARNING!",
                                       [&](HWND box) {
                                         text = wintest::BoxText(box);
                                         wintest::AnswerBox(box, IDOK);
                                       }),
                            WhenDialog(kBeamActions, [&](HWND d) {
                              stayed = true;
                              PostClick(d, kActionCancel);
                            })}));
  EXPECT_EQ(text, kMissing);
  EXPECT_TRUE(stayed);
  EXPECT_EQ(Count("gfx OpenGfxEx("), 0);
}

TEST_F(PlotCommandTest, ABeamOnSoilOffersTheContactPressure) {
  Job("BEAM/STRIP", "BEAM", 20, "W21", "W21.RBU", "W21.RBU");
  testing::CopyFixture("BEAM.SUP", "W21.SUP");  // a Winkler foundation and a half-space
  int options = 0;
  std::string fifth;
  EXPECT_TRUE(Run("Uniform", {WhenDialog("BEAM/STRIP ANALYSIS.   JOB: W21     Load Case: Uniform", [&](HWND d) {
                    options = OptionCount(d);
                    fifth = wintest::GetText(d, kFirstActionOption + 4);
                    PostClick(d, kActionCancel);
                  })}));
  EXPECT_EQ(options, 5);
  EXPECT_EQ(fifth, "&Soil - Beam Contact Pressure");
  EXPECT_EQ(GraphState[kSoilKind], 2);
}

TEST_F(PlotCommandTest, ATankWallsActionsAndGraph) {
  Job("TANK", "WALL", 2, "T1", "", "");
  std::filesystem::copy_file(testing::DataFolder() / ".." / ".." / ".." / "reports" / "tests" / "data" / "WALL2.RWW",
                             "T1.RWW");
  LoadCaseName = "Water";
  int options = 0;
  std::string heading;
  const std::string caption = "TANK ANALYSIS.   JOB: T1     Load Case: Water";
  bool finished = RunScript({WhenDialog(caption,
                                        [&](HWND d) {
                                          options = OptionCount(d);
                                          heading = wintest::GetText(d, kActionHeading);
                                          PostClick(d, kPlotActionButton);
                                        }),
                             WhenDialog(" GRAPH - Load Case: Water", [](HWND g) { PostClick(g, kGraphCloseButton); }),
                             WhenDialog(caption, [](HWND d) { PostClick(d, kActionCancel); })},
                            [] { ShowStructuralActions(nullptr); }, 30000)
                      .finished;
  EXPECT_TRUE(finished);
  EXPECT_EQ(options, 9);
  EXPECT_EQ(heading, "WALL: SELECTION OF STRUCTURAL ACTION");
  EXPECT_EQ(Count("gfx GradientPanel(1, \"TANK:  WALL\""), 1);
  EXPECT_EQ(Count("gfx DrawTextBoxEx(1, \"Height Above Base [m]\""), 1);
  EXPECT_EQ(Count("gfx DrawTextRowEx(1, \"Long. Bending Moments [kN*m/m]\""), 1);
}

TEST_F(PlotCommandTest, APlatesInfiniteCentreShearIsNoted) {
  Job("PLATE", "PLATE", 2, "P2", "P2.RPC", "P2.RPC");
  const std::string caption = "PLATE ANALYSIS.   JOB: P2     Load Case: Centre";
  EXPECT_TRUE(Run("Centre", {WhenDialog(caption,
                                        [](HWND d) {
                                          CheckDlgButton(d, kFirstActionOption, BST_UNCHECKED);
                                          CheckDlgButton(d, kFirstActionOption + 2, BST_CHECKED);
                                          PostClick(d, kPlotActionButton);
                                        }),
                             WhenDialog(" GRAPH - Load Case: Centre", [](HWND g) { PostClick(g, kGraphCloseButton); }),
                             WhenDialog(caption, [](HWND d) { PostClick(d, kActionCancel); })}));
  EXPECT_EQ(Count("gfx DrawTextRowEx(1, \"Tends to Infinity\""), 1);
  EXPECT_EQ(Count("gfx DrawTextRowEx(1, \"Shearing Forces [kN/m]\""), 1);
  EXPECT_EQ(Count("gfx DrawTextBoxEx(1, \"Radial Distance [m]\""), 1);
}

// A tank's cone roof analysed by the outside solver under an apex load: its ten actions plotted
// one after the other from the roof's file, the shear tending to infinity at the apex.
TEST_F(PlotCommandTest, AConeRoofsTenActionsFromTheSolversFile) {
  testing::TankJob t;
  t.roofElements = 20;
  t.roofShell = true;
  t.roofWidths.assign(20, 0.5);
  t.roofFalls.assign(20, 0.25);
  t.roofThickness = 0.1;
  t.roofConnection = "H";
  t.roofPoint = 100;
  testing::WriteTankJob(t, "Snow");
  ASSERT_EQ(AnalysisMain("ANALYSIS.exe TANK,T1,Snow", nullptr), 0);
  Substructure = "ROOF STRUCTURE";
  LoadCaseName = "Snow";
  const std::string caption = "TANK ANALYSIS.   JOB: T1     Load Case: Snow";
  std::vector<wintest::Step> steps;
  int options = 0;
  for (int k = 0; k < 10; ++k) {
    steps.push_back(WhenDialog(caption, [k, &options](HWND d) {
      options = OptionCount(d);
      for (int o = 0; o < options; ++o) CheckDlgButton(d, kFirstActionOption + o, o == k ? BST_CHECKED : BST_UNCHECKED);
      PostClick(d, kPlotActionButton);
    }));
    steps.push_back(WhenDialog(" GRAPH - Load Case: Snow", [](HWND g) { PostClick(g, kGraphCloseButton); }));
  }
  steps.push_back(WhenDialog(caption, [](HWND d) { PostClick(d, kActionCancel); }));
  EXPECT_TRUE(RunScript(std::move(steps), [] { ShowStructuralActions(nullptr); }, 60000).finished);
  EXPECT_EQ(options, 10);
  for (const char* title : {"Vertical Translations [mm]", "Horiz. Radial Translations [mm]", "Slopes [rad]",
                            "Meridional Bending Moments [kN*m/m]", "Hoop Bending Moments [kN*m/m]",
                            "Meridional Bending Stresses [MPa]", "Hoop Bending Stresses [MPa]",
                            "Shearing Forces [kN/m]", "Meridional Axial Forces [kN/m]", "Hoop Axial Forces [kN/m]"})
    EXPECT_EQ(Count(std::string("gfx DrawTextRowEx(1, \"") + title + "\""), 1) << title;
  EXPECT_EQ(Count("gfx DrawTextRowEx(1, \"Tends to Infinity\""), 1);
  EXPECT_EQ(Count("gfx GradientPanel(1, \"TANK:  ROOF STRUCTURE\""), 10);
  EXPECT_EQ(Count("BOX"), 0);
}

TEST_F(PlotCommandTest, AMissingOrCutResultFileIsAnnouncedAndTheDialogStays) {
  Job("BEAM/STRIP", "BEAM", 2, "B3", "", "");
  std::vector<std::string> boxes;
  auto answer = [&](HWND box) {
    boxes.push_back(wintest::WindowText(box) + "|" + wintest::BoxText(box));
    wintest::AnswerBox(box, IDOK);
  };
  bool stayed = false;
  EXPECT_TRUE(Run("Point", {WhenDialog(kBeamActions, [](HWND d) { PostClick(d, kPlotActionButton); }),
                            WhenDialog("WARNING!", answer),
                            WhenDialog(kBeamActions, [&](HWND d) {
                              stayed = true;
                              // The next action is chosen, as after a graph.
                              EXPECT_EQ(FirstCheckedButton(d, kFirstActionOption, kFirstActionOption + 3),
                                        kFirstActionOption + 1);
                              PostClick(d, kActionCancel);
                            })}));
  EXPECT_TRUE(stayed);
  // The file cut before the translations' dash line: the moments are shown, the translations not.
  testing::CopyFixture("CUT.RBP", "B3.RBP");
  int graphs = 0;
  EXPECT_TRUE(Run("Point", {WhenDialog(kBeamActions, [](HWND d) { PostClick(d, kPlotActionButton); }),
                            WhenDialog(" GRAPH - Load Case: Point",
                                       [&](HWND g) {
                                         ++graphs;
                                         PostClick(g, kGraphCloseButton);
                                       }),
                            WhenDialog(kBeamActions,
                                       [](HWND d) {
                                         CheckDlgButton(d, kFirstActionOption + 1, BST_UNCHECKED);
                                         CheckDlgButton(d, kFirstActionOption + 2, BST_CHECKED);
                                         PostClick(d, kPlotActionButton);
                                       }),
                            WhenDialog("WARNING!", answer),
                            WhenDialog(kBeamActions, [](HWND d) { PostClick(d, kActionCancel); })}));
  EXPECT_EQ(graphs, 1);
  ASSERT_EQ(boxes.size(), 2u);
  for (const std::string& b : boxes) EXPECT_EQ(b, std::string("WARNING!|") + kMissing);
}

// A press with no action checked does nothing; the last action is followed by the first.
TEST_F(PlotCommandTest, NoActionCheckedDoesNothingAndTheLastIsFollowedByTheFirst) {
  Job("BEAM/STRIP", "BEAM", 2, "B3", "B3.RBP", "B3.RBP");
  int afterNothing = -1, afterLast = -1;
  EXPECT_TRUE(Run("Point", {WhenDialog(kBeamActions,
                                       [&](HWND d) {
                                         CheckDlgButton(d, kFirstActionOption, BST_UNCHECKED);
                                         wintest::Click(d, kPlotActionButton);
                                         afterNothing = FirstCheckedButton(d, kFirstActionOption, kFirstActionOption + 3);
                                         CheckDlgButton(d, kFirstActionOption + 3, BST_CHECKED);
                                         PostClick(d, kPlotActionButton);
                                       }),
                            WhenDialog(" GRAPH - Load Case: Point", [](HWND g) { PostClick(g, kGraphCloseButton); }),
                            WhenDialog(kBeamActions, [&](HWND d) {
                              afterLast = FirstCheckedButton(d, kFirstActionOption, kFirstActionOption + 3);
                              PostClick(d, kActionCancel);
                            })}));
  EXPECT_EQ(afterNothing, 0);
  EXPECT_EQ(afterLast, kFirstActionOption);
  EXPECT_EQ(Count("BOX"), 0);
  EXPECT_EQ(Count("gfx DrawTextRowEx(1, \"Slopes [rad]\""), 1);
}

TEST_F(PlotCommandTest, ACancelledCaseChoiceShowsNothing) {
  Job("BEAM/STRIP", "BEAM", 2, "B3", "B3.RBP", "B3.RBP");
  bool opened = false;
  RunScript({WhenDialog(kBeamActions,
                        [&](HWND d) {
                          opened = true;
                          PostClick(d, kActionCancel);
                        })},
            [&] { RunPlotCommand(main_, [] { return 0; }, nullptr); }, 1500);
  EXPECT_FALSE(opened);
}

}  // namespace
}  // namespace corvane
