// Murelo's load data command under Wine: the substructure and load-type dialogs, the types
// visited in turn, the uniform load dialog with its refused negative density, the nodal tables of
// both substructures and the linear load between nodes, and the load file written at "&CLOSE".
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "../../tests/testsupport.h"
#include "app.h"
#include "core/numbers.h"
#include "murelo/core/loadedit.h"
#include "win/ids.h"
#include "win/messages.h"
#include "win/testing/wintest.h"
#include "murelo/entry/ids.h"

using wintest::Click;
using wintest::PostClick;
using wintest::RunScript;
using wintest::WhenDialog;

namespace {

const char* const kSubstructure = "   Retaining Wall ANALYSIS.   JOB: WALL9";
const char* const kTypes = "   Retaining Wall ANALYSIS.   JOB: WALL9     Load Case: A";
const char* const kOnePage = " LOAD DATA GENERATION - Load Case: A";

std::vector<std::string> FileLines(const std::string& file) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(file, lines, 100, count);
  return std::vector<std::string>(lines.begin() + 1, lines.begin() + 1 + count);
}

bool Has(const std::vector<std::string>& lines, const std::string& text) {
  for (const auto& l : lines)
    if (l == text) return true;
  return false;
}

std::string ValueAfter(const std::vector<std::string>& lines, const std::string& label) {
  for (const auto& l : lines)
    if (l.compare(0, label.size(), label) == 0) return Trim(l.substr(label.size()));
  return std::string();
}

int Checked(HWND d) { return FirstCheckedButton(d, murelo::kLoadTypeFirstOptionId, murelo::kLoadTypeLastOptionId); }

class MureloLoads : public ::testing::Test {
 protected:
  void SetUp() override {
    murelo::DimensionGlobals();
    ProgramMessages.pauseMs = 0;
    murelo::StructureTitle = "Retaining Wall";
    murelo::CreateMainWindow(GetModuleHandleA(nullptr), SW_SHOWNOACTIVATE);
    murelo::testing::WriteGeometry("WALL9", murelo::testing::StandardWall());  // plate 4, stem 3 elements
    JobSpec = "WALL9";
    murelo::LoadCaseName = "A";
  }
  void TearDown() override {
    JobSpec.clear();
    if (murelo::MainWindow) DestroyWindow(murelo::MainWindow);
    wintest::DiscardMessages();
  }
  // The command with the substructure (its option) chosen and the steps inside the
  // load-type dialog, which is closed, and the substructure dialog cancelled, at the end.
  bool Run(int option, std::vector<wintest::Step> inside) {
    std::vector<wintest::Step> steps = {WhenDialog(kSubstructure, [option](HWND d) {
      CheckRadioButton(d, murelo::kBasePlateOptionId, murelo::kWallStemOptionId, option);
      PostClick(d, murelo::kLoadActionId);
    })};
    for (auto& s : inside) steps.push_back(std::move(s));
    steps.push_back(WhenDialog(kTypes, [](HWND d) { PostClick(d, kCancelId); }));
    steps.push_back(WhenDialog(kSubstructure, [](HWND d) { PostClick(d, kCancelId); }));
    return RunScript(std::move(steps), [] { murelo::LoadDataCommand(); }, 40000).finished;
  }
  TestDirectory dir_;
};

TEST_F(MureloLoads, TheTypesOfEachSubstructureAreVisitedInTurn) {
  int plateTypes = 0, stemTypes = 0;
  std::string heading, stemHeading;
  std::vector<int> ticked;
  std::vector<std::string> opened;
  auto cancelTable = [&](const std::string& title) {
    return WhenDialog(title, [&, title](HWND t) {
      opened.push_back(title);
      PostClick(t, kTableCancelId);
    });
  };
  EXPECT_TRUE(Run(murelo::kBasePlateOptionId, {WhenDialog(kTypes,
                                   [&](HWND d) {
                                     while (GetDlgItem(d, murelo::kLoadTypeFirstOptionId + plateTypes)) ++plateTypes;
                                     heading = wintest::GetText(d, kHeadingId);
                                     ticked.push_back(Checked(d));
                                     PostClick(d, kLoadTypeEnterButton);
                                   }),
                        WhenDialog(kOnePage,
                                   [&](HWND f) {
                                     opened.push_back("uniform");
                                     PostClick(f, kFormCancelId);
                                   }),
                        WhenDialog(kTypes,
                                   [&](HWND d) {
                                     ticked.push_back(Checked(d));
                                     PostClick(d, kLoadTypeEnterButton);
                                   }),
                        cancelTable(" BASE PLATE: NODAL LOAD DATA. Load Case: A"),
                        WhenDialog(kTypes,
                                   [&](HWND d) {
                                     ticked.push_back(Checked(d));
                                     PostClick(d, kLoadTypeEnterButton);
                                   }),
                        cancelTable(" BASE PLATE: TRAPEZOIDAL LOAD DATA. Load Case: A"),
                        WhenDialog(kTypes, [&](HWND d) { ticked.push_back(Checked(d)); })}));
  EXPECT_EQ(plateTypes, 3);
  EXPECT_EQ(heading, "BASE PLATE: SELECTION OF LOAD TYPE");
  EXPECT_EQ(ticked, (std::vector<int>{murelo::kLoadTypeFirstOptionId, murelo::kLoadTypeFirstOptionId + 1,
                                      murelo::kLoadTypeFirstOptionId + 2, murelo::kLoadTypeFirstOptionId}));
  EXPECT_EQ(opened, (std::vector<std::string>{"uniform", " BASE PLATE: NODAL LOAD DATA. Load Case: A",
                                              " BASE PLATE: TRAPEZOIDAL LOAD DATA. Load Case: A"}));
  EXPECT_TRUE(Run(murelo::kWallStemOptionId, {WhenDialog(kTypes, [&](HWND d) {
                    while (GetDlgItem(d, murelo::kLoadTypeFirstOptionId + stemTypes)) ++stemTypes;
                    stemHeading = wintest::GetText(d, kHeadingId);
                    EXPECT_EQ(wintest::GetText(d, murelo::kLoadTypeLastOptionId), "Vertical (on Surface) &Trapezoidal Load");
                  })}));
  EXPECT_EQ(stemTypes, 4);
  EXPECT_EQ(stemHeading, "WALL STEM: SELECTION OF LOAD TYPE");
}

// A negative density is refused with the dialog kept open; the corrected values are stored and
// "&CLOSE" writes the load file.
TEST_F(MureloLoads, UniformLoadWithARefusedDensityThenTheFileAtClose) {
  std::vector<std::string> warnings;
  bool stayed = false;
  EXPECT_TRUE(Run(murelo::kBasePlateOptionId, {WhenDialog(kTypes, [](HWND d) { PostClick(d, kLoadTypeEnterButton); }),
                        WhenDialog(kOnePage,
                                   [](HWND f) {
                                     wintest::SetText(f, murelo::kOnePageFieldBaseId + 1, "12.3456");
                                     wintest::SetText(f, murelo::kOnePageFieldBaseId + 2, "-2400");
                                     PostClick(f, kOkId);
                                   }),
                        WhenDialog("WARNING!",
                                   [&](HWND box) {
                                     warnings.push_back(wintest::BoxText(box));
                                     wintest::AnswerBox(box, IDOK);
                                   }),
                        WhenDialog(kOnePage,
                                   [&](HWND f) {
                                     stayed = wintest::GetText(f, murelo::kOnePageFieldBaseId + 2) == "-2400";
                                     wintest::SetText(f, murelo::kOnePageFieldBaseId + 2, "2400");
                                     PostClick(f, kOkId);
                                   })}));
  EXPECT_EQ(warnings, (std::vector<std::string>{"Incorrect LOAD Data!\r\n\r\n        Correct the Data!         "}));
  EXPECT_TRUE(stayed);
  std::vector<std::string> lines = FileLines("WALL9.LDA");
  ASSERT_GT(lines.size(), 5u);
  EXPECT_EQ(lines[0], "Job: WALL9 // LOADS (A)");
  EXPECT_EQ(ValueAfter(lines, "Uniform Vert. Load [kPa]:"), "12.35");
  EXPECT_EQ(ValueAfter(lines, "Self Weight (Mass Density) [kg/m^3]:"), "2400.00");
}

// The plate's nodal table has two value columns, the stem's three; the same loads at all nodes
// fill every row.
TEST_F(MureloLoads, NodalTablesOfBothSubstructures) {
  bool plateThird = true, stemThird = false;
  const std::string plateTitle = " BASE PLATE: NODAL LOAD DATA. Load Case: A";
  std::vector<wintest::Step> plate = {WhenDialog(kTypes,
                                                 [](HWND d) {
                                                   CheckRadioButton(d, murelo::kLoadTypeFirstOptionId, murelo::kLoadTypeLastOptionId, murelo::kLoadTypeFirstOptionId + 1);
                                                   PostClick(d, kLoadTypeEnterButton);
                                                 }),
                                      WhenDialog(plateTitle,
                                                 [&](HWND t) {
                                                   plateThird = GetDlgItem(t, murelo::kColumnUnitBaseId + 3) != nullptr;
                                                   PostClick(t, murelo::kFirstButtonId);
                                                 }),
                                      WhenDialog(kOnePage,
                                                 [](HWND f) {
                                                   wintest::SetText(f, murelo::kOnePageFieldBaseId + 1, "10");
                                                   wintest::SetText(f, murelo::kOnePageFieldBaseId + 2, "-2");
                                                   PostClick(f, kOkId);
                                                 }),
                                      WhenDialog(plateTitle, [](HWND t) { PostClick(t, kContinueId); })};
  EXPECT_TRUE(Run(murelo::kBasePlateOptionId, std::move(plate)));
  EXPECT_FALSE(plateThird);
  std::vector<std::string> lines = FileLines("WALL9.LDA");
  ASSERT_TRUE(Has(lines, "NODAL LOADING:"));
  int rows = 0;
  for (const auto& l : lines) {
    std::vector<std::string> f = SplitFields(l);
    if (f.size() == 3 && ParseNumber(f[1]) == 10 && ParseNumber(f[2]) == -2) ++rows;
  }
  EXPECT_EQ(rows, 5);  // every node of the plate
  std::vector<wintest::Step> stem = {WhenDialog(kTypes,
                                                [](HWND d) {
                                                  CheckRadioButton(d, murelo::kLoadTypeFirstOptionId, murelo::kLoadTypeLastOptionId, murelo::kLoadTypeFirstOptionId + 1);
                                                  PostClick(d, kLoadTypeEnterButton);
                                                }),
                                     WhenDialog(" WALL STEM: NODAL LOAD DATA. Load Case: A", [&](HWND t) {
                                       stemThird = GetDlgItem(t, murelo::kColumnUnitBaseId + 3) != nullptr;
                                       PostClick(t, kTableCancelId);
                                     })};
  EXPECT_TRUE(Run(murelo::kWallStemOptionId, std::move(stem)));
  EXPECT_TRUE(stemThird);
}

TEST_F(MureloLoads, LinearLoadBetweenNodesFillsTheTrapezoidalRows) {
  const std::string title = " BASE PLATE: TRAPEZOIDAL LOAD DATA. Load Case: A";
  EXPECT_TRUE(Run(murelo::kBasePlateOptionId, {WhenDialog(kTypes,
                                   [](HWND d) {
                                     CheckRadioButton(d, murelo::kLoadTypeFirstOptionId, murelo::kLoadTypeLastOptionId, murelo::kLoadTypeFirstOptionId + 2);
                                     PostClick(d, kLoadTypeEnterButton);
                                   }),
                        WhenDialog(title, [](HWND t) { PostClick(t, murelo::kFirstButtonId); }),
                        WhenDialog(kOnePage,
                                   [](HWND f) {
                                     wintest::SetText(f, murelo::kOnePageFieldBaseId + 1, "2");
                                     wintest::SetText(f, murelo::kOnePageFieldBaseId + 2, "5");
                                     wintest::SetText(f, murelo::kOnePageFieldBaseId + 3, "0");
                                     wintest::SetText(f, murelo::kOnePageFieldBaseId + 4, "3");
                                     PostClick(f, kOkId);
                                   }),
                        WhenDialog(title, [](HWND t) { PostClick(t, kContinueId); })}));
  std::vector<std::string> lines = FileLines("WALL9.LDA");
  std::vector<std::vector<double>> rows;
  bool in = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == "TRAPEZOIDAL LOADING:") {
      in = true;
      i += 2;
      continue;
    }
    if (!in) continue;
    std::vector<std::string> f = SplitFields(lines[i]);
    if (f.size() != 3) break;
    rows.push_back({ParseNumber(f[0]), ParseNumber(f[1]), ParseNumber(f[2])});
  }
  EXPECT_EQ(rows, (std::vector<std::vector<double>>{{2, 0, 1}, {3, 1, 2}, {4, 2, 3}}));
}

}  // namespace

namespace {

// The job check's offer for a job without load cases runs the load data command: the case named
// in the load-case dialog gets its load file.
TEST_F(MureloLoads, TheChecksOfferOfALoadCaseRunsTheLoadDataCommand) {
  murelo::testing::WallSupports s;
  s.winkler = 10000;
  murelo::testing::WriteSupports("WALL9", s, 4);
  murelo::LoadCaseName.clear();
  std::vector<std::string> boxes;
  bool loadMode = false;
  EXPECT_TRUE(RunScript({WhenDialog(" WARNING!",
                                    [&](HWND box) {
                                      boxes.push_back(wintest::BoxText(box));
                                      wintest::AnswerBox(box, IDYES);
                                    }),
                         WhenDialog("  Retaining Wall: Load Name Specification/Selection",
                                    [](HWND d) {
                                      wintest::SetText(d, kInProcessNameBoxId, "A");
                                      PostClick(d, IDOK);
                                    }),
                         WhenDialog(kSubstructure,
                                    [&](HWND d) {
                                      loadMode = GetDlgItem(d, murelo::kLoadActionId) != nullptr;
                                      PostClick(d, kCancelId);
                                    })},
                        [] { murelo::CheckJobForAnalysis(); }, 30000)
                  .finished);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("NO LOAD CASE IS SPECIFIED FOR THIS JOB"), std::string::npos) << boxes[0];
  EXPECT_TRUE(loadMode);
  std::vector<std::string> lines = FileLines("WALL9.LDA");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "Job: WALL9 // LOADS (A)");
}

}  // namespace
