// The geometry entry under Wine: the generation and uniform value dialogs, the geometry and
// material dialog with its element table, and the tank substructure choice.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/entry/entry.h"
#include "corvane/entry/ids.h"
#include "win/grid.h"
#include "win/ids.h"
#include "win/messages.h"
#include "formtest.h"
#include "win/testing/wintest.h"
#include "win/tests/colourprobe.h"

namespace corvane {
namespace {

using wintest::Do;
using wintest::RunScript;
using wintest::Step;
using wintest::WhenDialog;


// A table of `rows` rows and three value columns in CellTexts, the grid's generation texts set.
void GridOf(const char* word, int rows, const char* unit = "ELEMENT") {
  StructureType = "BEAM/STRIP";
  Substructure = "BEAM";
  JobSpec = "J";
  GeometryAnswers.assign(8, "N");
  FormTexts.Redim(kGenerationTextRow, 6);
  FormTexts(0, 0) = word;
  FormTexts(kGenerationTextRow, 0) = unit;
  FormTexts(kGenerationTextRow, 1) = " Element Length L[m]=";
  FormTexts(kGenerationTextRow, 2) = " Element Width B[m]=";
  CellTexts.Redim(4, rows);
  for (int r = 1; r <= rows; ++r)
    for (int c = 2; c <= 4; ++c) CellTexts(c, r) = "0.5";
  TableRows = rows;
  SharedIntegers(kFieldCountSlot) = 0;
  SharedIntegers(kFirstFieldIdSlot) = 0;
}

// Fills the fields from the first range field with the texts, then presses Ok.
Step Generate(const std::vector<std::string>& texts) {
  return WhenDialog(JobCaption(), [texts](HWND d) {
    for (size_t i = 0; i < texts.size(); ++i) wintest::SetText(d, entry::kFirstRangeFieldId + static_cast<int>(i), texts[i]);
    wintest::PostClick(d, kOkId);
  });
}
Step Warned(std::vector<std::string>& texts) {
  return WhenDialog("WARNING!", [&texts](HWND box) {
    texts.push_back(wintest::BoxText(box));
    wintest::AnswerBox(box, IDOK);
  });
}

Step Press(int id) {
  return WhenDialog(JobCaption(), [id](HWND d) { wintest::PostClick(d, id); });
}

TEST(GenerationDialog, FieldsLabelsAndDefaults) {
  GridOf("GEOMETRY", 10);
  std::vector<std::string> seen;
  HWND shown = nullptr;
  auto run = RunScript({WhenDialog(JobCaption(), [&](HWND d) {
                          shown = d;
                          for (int id : {kHeadingId, kFormLabelBaseId, kFormLabelBaseId + 1, kFormLabelBaseId + 2, kFormLabelBaseId + 3,
                                         entry::kFirstRangeFieldId, entry::kFirstRangeFieldId + 1, entry::kFirstRangeFieldId + 2,
                                         entry::kLastRangeFieldId}) seen.push_back(wintest::GetText(d, id));
                          seen.push_back(GetDlgItem(d, kShellBox) ? "131" : "no 131");
                          seen.push_back(GetFocus() == GetDlgItem(d, entry::kFirstRangeFieldId) ? "focus 241" : "focus elsewhere");
                          wintest::PostClick(d, kFormCancelId);
                        })},
                       [] { RunGenerationDialog(nullptr, 2); });
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(seen, (std::vector<std::string>{" GEOMETRY DATA GENERATION:", " START ELEMENT No (Nodes i,j):",
                                            " END ELEMENT No:", " STEP:", "     Element Width B[m]=", "1", "10", "1",
                                            "0.5", "no 131", "focus 241"}));
  EXPECT_EQ(DialogStatus, "ZZZ");
  // The grid's Enter group is given back.
  EXPECT_EQ(SharedIntegers(kFieldCountSlot), 0);

  GridOf("ELASTIC", 6, "NODE");
  seen.clear();
  RunScript({WhenDialog(JobCaption(), [&](HWND d) {
              seen.push_back(wintest::GetText(d, kFormLabelBaseId));
              seen.push_back(wintest::GetText(d, kFormLabelBaseId + 1));
              wintest::PostClick(d, kFormCancelId);
            })},
            [] { RunGenerationDialog(nullptr, 1); });
  EXPECT_EQ(seen, (std::vector<std::string>{" START NODE No:", " END NODE No:"}));
}

TEST(GenerationDialog, RangesAndFieldChecks) {
  const std::string range = "Incorrect Unyielding Support Data!\r\n\r\n        Correct the Data!         ";
  const struct {
    const char* word;
    std::vector<std::string> texts;
    std::string warning;  // "" accepted
  } cases[] = {
      {"GEOMETRY", {"1", "10", "9", ".7"}, ""},
      {"GEOMETRY", {"1", "10", "10", "0.7"}, range},
      {"GEOMETRY", {"5", "5", "1", "0.7"}, range},
      {"GEOMETRY", {"0", "10", "1", "0.7"}, "INCORRECT DATA!\r\n\r\nENTER NEW DATA."},
      {"GEOMETRY", {"1", "10", "1", "0"}, "INCORRECT DATA!\r\n\r\nENTER NEW DATA."},
      {"WINKLER", {"1", "10", "1", "-5"}, "INCORRECT DATA!\r\n\r\nENTER NEW DATA."},
      {"WINKLER", {"1", "10", "0", "5"}, range},
      {"UNYIELD", {"0", "10", "1"}, range},
      {"UNYIELD", {"1", "11", "5"}, range},
  };
  for (const auto& c : cases) {
    GridOf(c.word, 10, "NODE");
    std::vector<std::string> warnings;
    wintest::TraceCapture trace;
    int end = -1;
    std::vector<Step> steps = {Generate(c.texts)};
    if (!c.warning.empty()) steps.insert(steps.end(), {Warned(warnings), Press(kFormCancelId)});
    bool checkList = c.texts.size() == 3;
    auto run = RunScript(steps, [&] {
      if (checkList) {
        SharedIntegers(kFieldCountSlot) = 3;
        SharedIntegers(kFirstFieldIdSlot) = entry::kFirstRangeFieldId;
        end = static_cast<int>(ShowModalDialog(GenerationDialog(1), nullptr, GenerationDialogProc));
      } else {
        end = RunGenerationDialog(nullptr, 1);
      }
    });
    EXPECT_TRUE(run.finished) << c.texts[0] << " " << c.texts[2];
    EXPECT_EQ(end, c.warning.empty() ? 1 : 0) << c.word << " " << c.texts[0] << " " << c.texts[2];
    if (c.warning.empty()) {
      EXPECT_EQ(FieldTexts[1], c.texts[0]);
      EXPECT_EQ(FieldTexts[4], c.texts[3]);
    } else {
      EXPECT_EQ(warnings, std::vector<std::string>{c.warning}) << c.word << " " << c.texts[0];
      EXPECT_EQ(TonesAndBoxes(trace), kWarned);
    }
  }
}

TEST(GenerationDialog, EnterMovesThroughTheFieldsAndPressesOkOnce) {
  GridOf("GEOMETRY", 10);
  int presses = 0;
  std::vector<int> focus;
  auto run = RunScript(
      {WhenDialog(JobCaption(),
                  [&](HWND d) {
                    for (int id = entry::kFirstRangeFieldId; id < entry::kLastRangeFieldId; ++id) {
                      wintest::PressKey(GetDlgItem(d, id), VK_RETURN);
                      wintest::Pump();
                      focus.push_back(GetDlgCtrlID(GetFocus()));
                    }
                    wintest::PressKey(GetDlgItem(d, entry::kLastRangeFieldId), VK_RETURN);
                  })},
      [&] { presses = RunGenerationDialog(nullptr, 1); });
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(focus, (std::vector<int>{entry::kFirstRangeFieldId + 1, entry::kFirstRangeFieldId + 2, entry::kLastRangeFieldId}));
  EXPECT_EQ(presses, 1);
}

TEST(GenerationDialog, AShellRoofsWholeRoofInOneStep) {
  GridOf("GEOMETRY", 8);
  StructureType = "TANK";
  Substructure = "ROOF STRUCTURE";
  GeometryAnswers[kShellRoofSlot] = "Y";
  JobDataTable.Redim(8, 6);
  JobDataTable(3, 1) = 8;
  JobDataTable(3, 2) = 2;
  JobDataTable(3, 3) = 6;
  bool box = false, checked = false;
  RunScript({WhenDialog(JobCaption(), [&](HWND d) {
              box = GetDlgItem(d, kShellBox) != nullptr;
              checked = IsDlgButtonChecked(d, kShellBox) == BST_CHECKED;
              wintest::SetText(d, entry::kFirstRangeFieldId, "junk");
              wintest::PostClick(d, kOkId);
            })},
            [] { RunGenerationDialog(nullptr, 1); });
  EXPECT_TRUE(box);
  EXPECT_TRUE(checked);
  EXPECT_EQ(FieldTexts, (std::vector<std::string>{"", "1", "8", "1", "5.0000E-1"}));
  // Not for the other columns.
  RunScript({WhenDialog(JobCaption(), [&](HWND d) {
              box = GetDlgItem(d, kShellBox) != nullptr;
              wintest::PostClick(d, kFormCancelId);
            })},
            [] { RunGenerationDialog(nullptr, 2); });
  EXPECT_FALSE(box);
}

TEST(UniformDialog, ZeroRefusedInAGeometryTableNotInASupportTable) {
  for (const char* word : {"GEOMETRY", "ELASTIC"}) {
    GridOf(word, 5);
    std::vector<std::string> warnings, seen;
    std::vector<Step> steps = {WhenDialog(JobCaption(), [&](HWND d) {
      seen.push_back(wintest::GetText(d, kHeadingId));
      seen.push_back(GetDlgItem(d, entry::kUniformFieldId) ? "231" : "");
      wintest::SetText(d, entry::kUniformFieldId, "0");
      wintest::PressKey(GetDlgItem(d, entry::kUniformFieldId), VK_RETURN);  // Enter in the only field presses Ok
    })};
    bool geometry = std::string(word) == "GEOMETRY";
    if (geometry) steps.insert(steps.end(), {Warned(warnings), Press(kFormCancelId)});
    RunScript(steps, [] { RunUniformDialog(nullptr, 1); });
    EXPECT_EQ(seen, (std::vector<std::string>{" UNIFORM GEOMETRY DATA GENERATION:", "231"}));
    EXPECT_EQ(DialogStatus, geometry ? "ZZZ" : "0") << word;
    EXPECT_EQ(warnings.size(), geometry ? 1u : 0u) << word;
  }
}

// ---- The geometry dialog ----

void NewJob(const char* type, const char* sub) {
  StructureType = type;
  Substructure = sub;
  JobSpec = "J";
  JobDataTable.Redim(8, 6);
  GeometryAnswers.assign(8, std::string());
  UseCorvaneGrid();
  UseGeometryEntry();
}

struct Look {
  std::vector<std::string> labels, units;
  std::string heading;
  bool box130 = false, box131 = false, radios = false;
};

Look LookAt(HWND d) {
  Look l;
  l.heading = wintest::GetText(d, kGeometryHeadingId);
  for (int i = 1; i <= 6; ++i) {
    if (!GetDlgItem(d, entry::kGeometryFieldBaseId + i)) break;
    l.labels.push_back(wintest::GetText(d, entry::kGeometryLabelBaseId + i));
    l.units.push_back(wintest::GetText(d, entry::kGeometryUnitBaseId + i));
  }
  l.box130 = GetDlgItem(d, kInPlane) != nullptr;
  l.box131 = IsDlgButtonChecked(d, entry::kDetailsBoxId) == BST_CHECKED;
  l.radios = GetDlgItem(d, kFirstChoice) != nullptr;
  return l;
}

TEST(GeometryDialog, RowsLabelsAndUnitsOfEachStructure) {
  const struct {
    const char* type;
    const char* sub;
    size_t rows;
    bool box130, radios;
    const char* heading;
  } cases[] = {
      {"BEAM/STRIP", "BEAM", 5, false, true, " GENERAL GEOMETRY and MATERIAL PROPERTIES DATA:"},
      {"PLATE", "PLATE", 6, false, false, " GENERAL GEOMETRY and MATERIAL PROPERTIES DATA:"},
      {"TANK", "BASE PLATE", 5, true, false, " GENERAL GEOMETRY and MATERIAL PROPERTIES DATA:  BASE PLATE"},
      {"TANK", "WALL", 6, true, false, " GENERAL GEOMETRY and MATERIAL PROPERTIES DATA:  WALL"},
      {"TANK", "ROOF STRUCTURE", 6, true, true, " GENERAL GEOMETRY and MATERIAL PROPERTIES DATA:  ROOF STRUCTURE"},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    NewJob(c.type, c.sub);
    Look l;
    int focus = 0;
    INT_PTR end = -1;
    RunScript({WhenDialog(JobCaption(), [&](HWND d) {
                l = LookAt(d);
                focus = GetDlgCtrlID(GetFocus());
                wintest::PostClick(d, kCancelId);
              })},
              [&] { end = ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc); });
    EXPECT_EQ(end, 0);
    EXPECT_EQ(l.heading, c.heading);
    ASSERT_EQ(l.labels.size(), c.rows) << c.sub;
    EXPECT_EQ(l.labels[0], "Number of Elements ");
    EXPECT_EQ(l.units[1], " m");
    EXPECT_EQ(l.units[c.rows - 1], " 1/Degree (Celsius)");
    EXPECT_EQ(l.box130, c.box130) << c.sub;
    EXPECT_EQ(l.radios, c.radios) << c.sub;
    EXPECT_TRUE(l.box131);
    EXPECT_EQ(focus, entry::kGeometryFieldBaseId + 1);
    // Cancel writes nothing.
    EXPECT_FALSE(FileExists("J.geo")) << c.sub;
  }
}

TEST(GeometryDialog, ShellChecksAndDisablesTheInPlaneBoxPlateEnablesIt) {
  TestDirectory dir;
  NewJob("TANK", "ROOF STRUCTURE");
  std::vector<int> state;
  auto look = [&](HWND d) {
    state.push_back(IsDlgButtonChecked(d, kInPlane) == BST_CHECKED ? 1 : 0);
    state.push_back(IsWindowEnabled(GetDlgItem(d, kInPlane)) ? 1 : 0);
  };
  RunScript({WhenDialog(JobCaption(), [&](HWND d) {
              look(d);
              wintest::Click(d, kFirstChoice);
              look(d);
              wintest::Click(d, kSecondChoice);
              look(d);
              wintest::PostClick(d, kCancelId);
            })},
            [] { ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc); });
  EXPECT_EQ(state, (std::vector<int>{0, 1, 1, 0, 1, 1}));
}

TEST(GeometryDialog, ARoofOfNoElementsIsSavedAndEndsWithoutTheTable) {
  TestDirectory dir;
  NewJob("TANK", "ROOF STRUCTURE");
  INT_PTR end = -1;
  bool box131 = false;
  RunScript({WhenDialog(JobCaption(), [&](HWND d) {
              box131 = IsDlgButtonChecked(d, entry::kDetailsBoxId) == BST_CHECKED;
              wintest::SetText(d, entry::kGeometryFieldBaseId + 4, "not checked");
              wintest::PostClick(d, kOkId);
            })},
            [&] { end = ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc); });
  EXPECT_TRUE(box131);
  EXPECT_EQ(end, 0);
  ASSERT_TRUE(FileExists("J.geo"));
  EXPECT_NE(ReadBytes("J.geo").find("ROOF GEOMETRY DATA:"), std::string::npos);
}

TEST(GeometryDialog, RefusalsComeAfterTheFourTonesAndKeepTheTexts) {
  TestDirectory dir;
  NewJob("BEAM/STRIP", "BEAM");
  std::vector<std::string> warnings;
  std::string kept;
  wintest::TraceCapture trace;
  auto run = RunScript(
      {WhenDialog(JobCaption(),
                  [](HWND d) {
                    const char* texts[] = {"4", "10", "3E7", "0.5", "1E-5"};
                    for (int i = 0; i < 5; ++i) wintest::SetText(d, entry::kGeometryFieldBaseId + 1 + i, texts[i]);
                    wintest::PostClick(d, kOkId);
                  }),
       Warned(warnings), WhenDialog(JobCaption(), [&](HWND d) {
         kept = wintest::GetText(d, entry::kGeometryFieldBaseId + 4);
         wintest::PostClick(d, kCancelId);
       })},
      [] { ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc); });
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(warnings, std::vector<std::string>{"INCORRECT DATA of Item  4!\r\n\r\nENTER NEW DATA."});
  EXPECT_EQ(kept, "0.5");
  EXPECT_EQ(TonesAndBoxes(trace), kWarned);
  EXPECT_FALSE(FileExists("J.geo"));
}

TEST(GeometryDialog, EnterMovesThroughTheFieldsAndPressesOkOnce) {
  TestDirectory dir;
  NewJob("PLATE", "PLATE");
  std::vector<int> focus;
  std::vector<std::string> warnings;
  RunScript({WhenDialog(JobCaption(),
                        [&](HWND d) {
                          for (int id = entry::kGeometryFieldBaseId + 1; id <= entry::kGeometryFieldBaseId + 5; ++id) {
                            wintest::PressKey(GetDlgItem(d, id), VK_RETURN);
                            wintest::Pump();
                            focus.push_back(GetDlgCtrlID(GetFocus()));
                          }
                          wintest::PressKey(GetDlgItem(d, entry::kGeometryFieldBaseId + 6), VK_RETURN);
                        }),
             Warned(warnings), Press(kCancelId)},
            [] { ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc); });
  EXPECT_EQ(focus, (std::vector<int>{entry::kGeometryFieldBaseId + 2, entry::kGeometryFieldBaseId + 3, entry::kGeometryFieldBaseId + 4,
                                     entry::kGeometryFieldBaseId + 5, entry::kGeometryFieldBaseId + 6}));
  // Every field still 0: item 1 is refused, once.
  EXPECT_EQ(warnings, std::vector<std::string>{"INCORRECT DATA of Item  1!\r\n(1 to 2489 elements)\r\n\r\nENTER NEW DATA."});
}

HWND Cell(int pageRow, int column) { return GetDlgItem(TablePage(), TableCellId(pageRow, column)); }

TEST(GeometryEntry, ANewBeamJobThroughTheDialogAndItsTable) {
  TestDirectory dir;
  NewJob("BEAM/STRIP", "BEAM");
  int columns = 0;
  bool box131 = false;
  std::vector<std::string> cells;
  auto table = [](std::function<void(HWND)> act) {
    return WhenDialog(JobCaption(), [act](HWND d) {
      if (TablePage() && GetParent(TableContainer()) == d) act(d);
    });
  };
  std::vector<Step> steps = {
      WhenDialog(JobCaption(),
                 [&](HWND d) {
                   box131 = IsDlgButtonChecked(d, entry::kDetailsBoxId) == BST_CHECKED;
                   const char* texts[] = {"4", "10", "3E7", "0.2", "1E-5"};
                   for (int i = 0; i < 5; ++i) wintest::SetText(d, entry::kGeometryFieldBaseId + 1 + i, texts[i]);
                   wintest::PostClick(d, kOkId);
                 }),
      table([&](HWND d) {
        columns = TableColumns;
        wintest::PostClick(d, UniformButtonId(1));  // UNIFORM of the lengths
      }),
      WhenDialog(JobCaption(), [](HWND d) {
        if (!GetDlgItem(d, entry::kUniformFieldId)) return;
        wintest::SetText(d, entry::kUniformFieldId, "2.5");
        wintest::PostClick(d, kOkId);
      }),
      table([](HWND d) { wintest::PostClick(d, GenerateButtonId(2)); }),  // GENERATE the widths
      Generate({"1", "4", "1", "0.3"}),
      table([](HWND d) { wintest::PostClick(d, GenerateButtonId(3)); }),  // and the depths
      Generate({"1", "4", "1", "0.6"}),
      table([&](HWND d) {
        for (int c = 1; c <= 3; ++c) {
          char text[32] = {0};
          GetWindowTextA(Cell(4, c), text, sizeof text);
          cells.push_back(text);
        }
        wintest::PostClick(d, kContinueId);
      }),
  };
  std::vector<std::string> views;
  StructureViewHooks.draw = [&](HWND, const std::string& view) { views.push_back(TableViewKind + " " + view); };
  StructureViewHooks.close = [&] { views.push_back("closed"); };
  auto run = RunScript(steps, [] { EnterGeometry(nullptr); }, 30000);
  StructureViewHooks = StructureViewPort();
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(views, (std::vector<std::string>{"GEOMETRY Geom", "closed"}));
  EXPECT_TRUE(box131);
  EXPECT_EQ(columns, 3);
  EXPECT_EQ(cells, (std::vector<std::string>{"2.5", ".3", ".6"}));
  ASSERT_TRUE(FileExists("J.geo"));

  // The job opens again with the values typed.
  std::vector<std::string> texts;
  RunScript({WhenDialog(JobCaption(), [&](HWND d) {
              for (int id = entry::kGeometryFieldBaseId + 1; id <= entry::kGeometryFieldBaseId + 5; ++id) texts.push_back(wintest::GetText(d, id));
              wintest::PostClick(d, kCancelId);
            })},
            [] { ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc); });
  EXPECT_EQ(texts, (std::vector<std::string>{"4", "10", "3.0000E+7", ".2", "1.000E-5"}));
  Table2D<float> rows;
  int ok = 0;
  LoadGeometryFile("J", rows, 1, 1, ok);
  EXPECT_EQ(ok, 1);
  EXPECT_FLOAT_EQ(rows(4, 1), 2.5f);
  EXPECT_FLOAT_EQ(rows(4, 2), 0.3f);
  EXPECT_FLOAT_EQ(rows(4, 3), 0.6f);
}

TEST(GeometryEntry, ACancelledUniformValueLeavesTheColumn) {
  NewJob("BEAM/STRIP", "BEAM");
  JobDataTable(1, 1) = 3;
  JobDataTable(1, 2) = 3;
  WorkTables[1].Redim(3, 3);
  for (int r = 1; r <= 3; ++r) WorkTables[1](r, 1) = 1, WorkTables[1](r, 2) = 0.5f, WorkTables[1](r, 3) = 0.25f * r;
  std::vector<std::string> column;
  const std::string table = JobCaption();
  RunScript({WhenDialog(table, [](HWND d) { wintest::PostClick(d, UniformButtonId(3)); }),
             WhenDialog(JobCaption(), [](HWND d) {
               if (!GetDlgItem(d, entry::kUniformFieldId)) return;
               wintest::SetText(d, entry::kUniformFieldId, "9");
               wintest::PostClick(d, kFormCancelId);
             }),
             WhenDialog(table, [&](HWND d) {
               for (int r = 1; r <= 3; ++r) {
                 char text[32] = {0};
                 GetWindowTextA(Cell(r, 3), text, sizeof text);
                 column.push_back(text);
               }
               wintest::PostClick(d, kTableCancelId);
             })},
            [] { ShowTableWindow(nullptr, GeometryDetailsDialog()); });
  EXPECT_EQ(column, (std::vector<std::string>{".25", ".5", ".75"}));
  EXPECT_EQ(CellTexts(4, 2), ".5");
}

TEST(GeometryEntry, AStripTableHasTwoValueColumns) {
  TestDirectory dir;
  NewJob("BEAM/STRIP", "BEAM");
  int columns = 0;
  RunScript({WhenDialog(JobCaption(),
                        [](HWND d) {
                          const char* texts[] = {"3", "6", "3E7", "0.2", "1E-5"};
                          for (int i = 0; i < 5; ++i) wintest::SetText(d, entry::kGeometryFieldBaseId + 1 + i, texts[i]);
                          wintest::Click(d, kFirstChoice);
                          wintest::PostClick(d, kOkId);
                        }),
             WhenDialog(JobCaption(), [&](HWND d) {
               if (!TablePage()) return;
               columns = TableColumns;
               wintest::PostClick(d, kTableCancelId);
             })},
            [] { EnterGeometry(nullptr); });
  EXPECT_EQ(columns, 2);
  EXPECT_EQ(Substructure, "STRIP");
}

// ---- The tank substructure choice ----

std::string Checked(HWND d) {
  for (int id = kFirstOptionId; id <= kLastOptionId; ++id)
    if (IsDlgButtonChecked(d, id) == BST_CHECKED) return wintest::GetText(d, id);
  return "";
}

TEST(TankChoice, GeometryWalksTheSubstructuresAndCancelEnds) {
  TestDirectory dir;
  NewJob("TANK", "BASE PLATE");
  std::vector<std::string> seen, opened;
  auto choice = [&](int action) {
    return WhenDialog(JobCaption(), [&, action](HWND d) {
      if (!GetDlgItem(d, kTankTitleId)) return;
      seen.push_back(Checked(d));
      wintest::PostClick(d, action);
    });
  };
  auto geometry = WhenDialog(JobCaption(), [&](HWND d) {
    if (!GetDlgItem(d, kGeometryHeadingId)) return;
    opened.push_back(wintest::GetText(d, kGeometryHeadingId));
    wintest::PostClick(d, kCancelId);  // the data dialog's own Cancel
  });
  int count = 0;
  std::string title, button;
  auto look = WhenDialog(JobCaption(), [&](HWND d) {
    title = wintest::GetText(d, kTankTitleId);
    button = wintest::GetText(d, kTankGeometryActionId);
    for (int id = kFirstOptionId; id <= kLastOptionId; ++id) count += GetDlgItem(d, id) ? 1 : 0;
  });
  int end = -1;
  auto run = RunScript({look, choice(kTankGeometryActionId), geometry, choice(kTankGeometryActionId), geometry, choice(kTankGeometryActionId), geometry, choice(kCancelId)},
                       [&] { end = RunTankSubstructureChoice(nullptr, 1); });
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(end, 1);
  EXPECT_EQ(title, "SELECTION OF TANK SUBSTRUCTURE");
  EXPECT_EQ(button, "&ENTER / EDIT Geometry and Material Properties Data");
  EXPECT_EQ(count, 3);
  EXPECT_EQ(seen, (std::vector<std::string>{"TANK &BASE PLATE", "TANK &WALL CYLINDER", "TANK &ROOF STRUCTURE",
                                            "TANK &BASE PLATE"}));
  EXPECT_EQ(opened, (std::vector<std::string>{" GENERAL GEOMETRY and MATERIAL PROPERTIES DATA:  BASE PLATE",
                                              " GENERAL GEOMETRY and MATERIAL PROPERTIES DATA:  WALL",
                                              " GENERAL GEOMETRY and MATERIAL PROPERTIES DATA:  ROOF STRUCTURE"}));
}

TEST(TankChoice, ARooflessTankOffersTwoSubstructuresForSupportsAndLoads) {
  TestDirectory dir;
  NewJob("TANK", "BASE PLATE");
  for (int mode : {2, 3}) {
    std::vector<std::string> subs, seen;
    int count = 0;
    TankActions.supports = TankActions.loads = [&](HWND) { subs.push_back(Substructure); };
    auto choice = [&](int action) {
      return WhenDialog(JobCaption(), [&, action](HWND d) {
        seen.push_back(Checked(d));
        wintest::PostClick(d, action);
      });
    };
    auto look = WhenDialog(JobCaption(), [&](HWND d) {
      for (int id = kFirstOptionId; id <= kLastOptionId; ++id) count += GetDlgItem(d, id) ? 1 : 0;
    });
    RunScript({look, choice(kTankActionBaseId - mode), choice(kTankActionBaseId - mode), choice(kCancelId)},
              [&] { RunTankSubstructureChoice(nullptr, mode); });
    EXPECT_EQ(count, 2) << mode;
    EXPECT_EQ(subs, (std::vector<std::string>{"BASE PLATE", "WALL"})) << mode;
    EXPECT_EQ(seen, (std::vector<std::string>{"TANK &BASE PLATE", "TANK &WALL CYLINDER", "TANK &BASE PLATE"})) << mode;
  }
  TankActions = TankSubstructureActions();
}

TEST(TankChoice, EnterOnAnOptionPressesTheActionButton) {
  TestDirectory dir;
  NewJob("TANK", "BASE PLATE");
  std::vector<std::string> subs;
  TankActions.loads = [&](HWND) { subs.push_back(Substructure); };
  RunScript({WhenDialog(JobCaption(),
                        [](HWND d) {
                          wintest::PressKey(GetDlgItem(d, kTankOptionBaseId + 1), VK_RETURN);
                        }),
             WhenDialog(JobCaption(), [](HWND d) { wintest::PostClick(d, kCancelId); })},
            [] { RunTankSubstructureChoice(nullptr, 3); });
  EXPECT_EQ(subs, std::vector<std::string>{"BASE PLATE"});
  TankActions = TankSubstructureActions();
}

TEST(GeometryEntryColours, GeometryDialogGenerationDialogAndTankChoice) {
  TestDirectory dir;
  NewJob("TANK", "ROOF STRUCTURE");
  const COLORREF form = RGB(225, 232, 245), teal = RGB(0, 128, 128), white = RGB(255, 255, 255);
  RunScript({WhenDialog(JobCaption(), [&](HWND d) {
              ExpectColours(d, {{WM_CTLCOLORDLG, 0, form, RGB(1, 2, 3)},
                                {WM_CTLCOLOREDIT, entry::kGeometryFieldBaseId + 1, RGB(255, 255, 200), RGB(0, 0, 0)},  // focused
                                {WM_CTLCOLOREDIT, entry::kGeometryFieldBaseId + 2, white, RGB(0, 0, 0)},
                                {WM_CTLCOLORSTATIC, entry::kGeometryLabelBaseId + 1, form, RGB(0, 0, 255)},
                                {WM_CTLCOLORSTATIC, entry::kGeometryUnitBaseId + 2, form, RGB(0, 128, 0)},
                                {WM_CTLCOLORSTATIC, kInPlane, teal, white},
                                {WM_CTLCOLORSTATIC, kFirstChoice, teal, white}});
              wintest::PostClick(d, kCancelId);
            })},
            [] { ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc); });
  GridOf("GEOMETRY", 4);
  RunScript({WhenDialog(JobCaption(), [&](HWND d) {
              ExpectColours(d, {{WM_CTLCOLORDLG, 0, RGB(235, 245, 255), RGB(1, 2, 3)},
                                {WM_CTLCOLOREDIT, entry::kFirstRangeFieldId, RGB(255, 255, 200), RGB(0, 0, 160)},
                                {WM_CTLCOLOREDIT, entry::kFirstRangeFieldId + 1, white, RGB(0, 0, 160)},
                                {WM_CTLCOLORSTATIC, kHeadingId, RGB(235, 245, 255), RGB(128, 0, 0)},
                                {WM_CTLCOLORSTATIC, kFormLabelBaseId, RGB(235, 245, 255), RGB(0, 0, 128)}});
              wintest::PostClick(d, kFormCancelId);
            })},
            [] { RunGenerationDialog(nullptr, 1); });
  NewJob("TANK", "BASE PLATE");
  const COLORREF pale = RGB(255, 255, 200);
  RunScript({WhenDialog(JobCaption(), [&](HWND d) {
              ExpectColours(d, {{WM_CTLCOLORDLG, 0, pale, RGB(1, 2, 3)},
                                {WM_CTLCOLORSTATIC, kTankOptionBaseId + 1, teal, white},
                                {WM_CTLCOLORSTATIC, kTankTitleId, pale, RGB(0, 0, 0)},
                                {WM_CTLCOLORBTN, kTankGeometryActionId, pale, RGB(0, 0, 0)}});
              wintest::PostClick(d, kCancelId);
            })},
            [] { RunTankSubstructureChoice(nullptr, 1); });
}

TEST(TankChoice, FocusAndPointerOnTheActionButton) {
  TestDirectory dir;
  NewJob("TANK", "BASE PLATE");
  int focus = 0;
  POINT at = {0, 0};
  RECT button = {0, 0, 0, 0};
  RunScript({WhenDialog(JobCaption(), [&](HWND d) {
              focus = GetDlgCtrlID(GetFocus());
              GetCursorPos(&at);
              GetWindowRect(GetDlgItem(d, kTankGeometryActionId), &button);
              wintest::PostClick(d, kCancelId);
            })},
            [] { RunTankSubstructureChoice(nullptr, 1); });
  EXPECT_EQ(focus, kTankOptionBaseId + 1);
  EXPECT_TRUE(PtInRect(&button, at)) << at.x << "," << at.y;
}

}  // namespace
// The graphs' mode: "&OK" and "&CANCEL" in place of the action button, the roof offered when it
// has elements and a ring, each substructure's action choice run in turn with the next one
// checked afterwards, and the focus left where it was.
TEST(TankChoice, ThePlotModeWalksTheSubstructuresThroughOk) {
  TestDirectory dir;
  NewJob("TANK", "BASE PLATE");
  JobDataTable(1, 1) = 4;
  JobDataTable(2, 1) = 4;
  JobDataTable(3, 1) = 2;
  JobDataTable(3, 2) = 0.5;
  JobDataTable(3, 3) = 6;
  for (Table2D<float>& t : WorkTables) t.Redim(4, 3);
  ASSERT_TRUE(SaveGeometryFile("J"));
  std::vector<std::string> subs, seen;
  TankActions.plots = [&](HWND) { subs.push_back(Substructure); };
  int count = 0;
  std::string ok, cancel;
  bool noActionButton = false;
  POINT okAt{}, cancelAt{};
  auto look = WhenDialog(JobCaption(), [&](HWND d) {
    for (int id = kFirstOptionId; id <= kLastOptionId; ++id) count += GetDlgItem(d, id) ? 1 : 0;
    ok = wintest::GetText(d, kContinueId);
    cancel = wintest::GetText(d, kCancelId);
    okAt = wintest::ControlPlace(d, kContinueId);
    cancelAt = wintest::ControlPlace(d, kCancelId);
    noActionButton = !GetDlgItem(d, kTankLoadActionId) && !GetDlgItem(d, kTankSupportActionId) && !GetDlgItem(d, kTankGeometryActionId);
  });
  HWND focusAfter = nullptr, secondOption = nullptr;
  auto choice = [&](int action) {
    return WhenDialog(JobCaption(), [&, action](HWND d) {
      seen.push_back(Checked(d));
      if (seen.size() == 2) {
        focusAfter = GetFocus();
        secondOption = GetDlgItem(d, kTankOptionBaseId + 2);
      }
      wintest::PostClick(d, action);
    });
  };
  int end = -1;
  auto run = RunScript({look, choice(kContinueId), choice(kContinueId), choice(kContinueId), choice(2)},
                       [&] { end = RunTankSubstructureChoice(nullptr, 4); });
  EXPECT_TRUE(run.finished);
  EXPECT_EQ(end, 1);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(ok, "&OK");
  EXPECT_EQ(cancel, "&CANCEL");
  EXPECT_TRUE(noActionButton);
  EXPECT_EQ(okAt.x, 85);
  EXPECT_EQ(okAt.y, 95);
  EXPECT_EQ(cancelAt.x, 135);
  EXPECT_EQ(cancelAt.y, 95);
  EXPECT_EQ(subs, (std::vector<std::string>{"BASE PLATE", "WALL", "ROOF STRUCTURE"}));
  EXPECT_EQ(seen, (std::vector<std::string>{"TANK &BASE PLATE", "TANK &WALL CYLINDER", "TANK &ROOF STRUCTURE",
                                            "TANK &BASE PLATE"}));
  EXPECT_NE(focusAfter, secondOption);  // checked, not focused
  TankActions = TankSubstructureActions();
}

}  // namespace corvane
