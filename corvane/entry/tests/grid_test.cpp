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
#include "corvane/entry/tests/formsamples.h"
#include "win/grid.h"
#include "win/ids.h"
#include "win/testing/keys.h"
#include "win/testing/wintest.h"
#include "win/tests/colourprobe.h"

namespace corvane {
namespace {

using wintest::Do;
using wintest::RunScript;
using wintest::WhenDialog;

HWND Cell(int pageRow, int column) { return GetDlgItem(TablePage(), TableCellId(pageRow, column)); }
std::string CellText(int pageRow, int column) {
  char text[64] = {0};
  GetWindowTextA(Cell(pageRow, column), text, sizeof text);
  return text;
}
HWND Table() { return GetParent(TableContainer()); }

// A beam of `n` elements, `length` m long, with its element table in CellTexts.
void Beam(int n, double length) {
  StructureType = "BEAM/STRIP";
  Substructure = "BEAM";
  JobSpec = "BEAMJOB";
  GeometryAnswers.assign(8, "N");
  JobDataTable.Redim(8, 6);
  JobDataTable(1, 1) = n;
  JobDataTable(1, 2) = length;
  JobDataTable(1, 3) = 3e7;
  JobDataTable(1, 4) = 0.2;
  JobDataTable(1, 5) = 1e-5;
  FormTexts.Redim(6, 6);
  FormTexts(0, 0) = "GEOMETRY";
  CellTexts.Redim(4, n);
  for (int r = 1; r <= n; ++r) {
    CellTexts(1, r) = NumberToText(r);
    CellTexts(2, r) = Trim(NumberToText(length / n));
    CellTexts(3, r) = "0.5";
    CellTexts(4, r) = "0.6";
  }
  WorkTables[1].Redim(0, 0);
  TableKind = 0;
  SetTableLayout(1, n, 3);
}

// A load or support table of `rows` rows and two value columns.
void TemplateTable(int kind, const char* word, int rows) {
  StructureType = "BEAM/STRIP";
  Substructure = "BEAM";
  JobSpec = "BEAMJOB";
  LoadCaseName = "Dead";
  FormTexts.Redim(6, 6);
  FormTexts(0, 0) = word;
  FormTexts(0, 1) = std::string(" ") + word + " DATA";
  FormTexts(1, 0) = "&SAME";
  FormTexts(1, 1) = "&GENERATE";
  NodalGenerationTexts();
  CellTexts.Redim(3, rows);
  for (int r = 1; r <= rows; ++r) {
    CellTexts(1, r) = "   " + Trim(NumberToText(r));
    CellTexts(2, r) = "0";
    CellTexts(3, r) = "0";
  }
  TableKind = kind;
  SetTableLayout(1, rows, 2);
}

std::string Caption() {
  if (TableKind == 2) return FormTexts(0, 1);
  std::string c = "   " + StructureType + " ANALYSIS.   JOB: " + JobSpec;
  if (StructureType == "TANK" && TableKind == 0) c += "  " + Substructure;
  return c;
}

// Shows the table with the script's steps and returns its end value.
INT_PTR Show(std::vector<wintest::Step> steps, int timeout = 20000) {
  UseCorvaneGrid();
  INT_PTR end = -1;
  steps.insert(steps.begin(), WhenDialog(Caption(), [](HWND) {}));
  auto run = RunScript(steps, [&] { end = ShowModalDialog(BuildDataTable(), nullptr, DataTableProc); }, timeout);
  EXPECT_TRUE(run.finished);
  return end;
}

wintest::Step Key(int pageRow, int column, UINT vk) {
  return Do([=] { wintest::PressKey(Cell(pageRow, column), vk); });
}
wintest::Step Press(int id) {
  return Do([=] { wintest::PostClick(Table(), id); });
}
// When the load data form shows: its fields from 241 filled with texts, then Ok.
wintest::Step FillLoadForm(const std::vector<std::string>& texts) {
  return WhenDialog(" LOAD DATA GENERATION - Load Case: Dead", [texts](HWND d) {
    for (size_t i = 0; i < texts.size(); ++i) wintest::SetText(d, kFirstFormFieldId + static_cast<int>(i), texts[i]);
    wintest::Click(d, kOkId);
  });
}
wintest::Step Answer() {
  return WhenDialog("WARNING!", [](HWND box) { wintest::AnswerBox(box, IDOK); });
}

TEST(CorvaneGrid, LayoutOfTheTables) {
  UseCorvaneGrid();
  const struct {
    int kind, rows, columns;
    const char* sub;
    const char* shell;
    int label, cell, visible;
  } cases[] = {{0, 10, 3, "BEAM", "N", 33, 72, 10},  {0, 30, 2, "STRIP", "N", 33, 85, 20},
               {0, 30, 3, "ROOF STRUCTURE", "Y", 33, 72, 17}, {0, 12, 3, "ROOF STRUCTURE", "Y", 33, 72, 12},
               {1, 5, 2, "BEAM", "N", 60, 70, 5},    {2, 21, 2, "BEAM", "N", 58, 78, 20},
               {2, 21, 3, "WALL", "N", 40, 68, 20}};
  for (const auto& c : cases) {
    Substructure = c.sub;
    GeometryAnswers.assign(8, "N");
    GeometryAnswers[kShellRoofSlot] = c.shell;
    TableKind = c.kind;
    SetTableLayout(1, c.rows, c.columns);
    EXPECT_EQ(LabelWidth, c.label) << c.kind << " " << c.sub;
    EXPECT_EQ(CellWidth, c.cell) << c.kind << " " << c.sub;
    EXPECT_EQ(VisibleRows, c.visible) << c.kind << " " << c.sub;
    EXPECT_EQ(TableWidth, c.label + 5 + c.columns * c.cell + 10);
  }
}

TEST(CorvaneGrid, ColoursTheHeadingsPageCellsAndRowLabels) {
  Beam(5, 10);
  const COLORREF navy = RGB(0, 0, 128), page = RGB(255, 255, 225);
  Show({Do([] {
          SetFocus(Cell(1, 2));
          ExpectColours(Table(), {{WM_CTLCOLORSTATIC, kFirstTableHeadingId, RGB(225, 235, 255), navy},
                                  {WM_CTLCOLORSTATIC, kTableUnitHeadingId, RGB(225, 235, 255), navy}});
          // The title keeps the system's colours.
          ExpectColours(Table(), {{WM_CTLCOLORSTATIC, kHeadingId, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_WINDOWTEXT)}});
          ExpectColours(TablePage(), {{WM_CTLCOLORDLG, 0, page, RGB(1, 2, 3)},
                                      {WM_CTLCOLOREDIT, kFirstCellId + 2, RGB(255, 255, 255), RGB(0, 0, 0)},  // focused
                                      {WM_CTLCOLOREDIT, kFirstCellId + 1, page, RGB(0, 0, 255)},
                                      {WM_CTLCOLORSTATIC, kFirstRowLabelId + 1, RGB(200, 220, 255), navy}});
        }),
        Press(kTableCancelId)});
}

TEST(CorvaneGrid, ScrollsByRowsAndPages) {
  std::vector<int> tops;
  auto top = Do([&] { tops.push_back(TopRow); });
  Beam(5, 10);
  Show({Key(5, 1, VK_RETURN), top, Key(1, 1, VK_NEXT), top, Press(kTableCancelId)});
  Beam(21, 21);
  Show({Key(20, 2, VK_RETURN), top, Key(20, 2, VK_RETURN), top, Key(1, 2, VK_NEXT), top, Key(1, 2, VK_PRIOR), top,
        Press(kTableCancelId)});
  EXPECT_EQ(tops, (std::vector<int>{1, 1, 2, 2, 2, 1}));
}

// Keys typed into the cells: every character a number of the column may hold is taken (lengths,
// widths and support values are never negative: "-" only as an exponent's sign there); each one
// refused sounds the warning tones.
TEST(CorvaneGrid, TypedKeysByTable) {
  const struct {
    int kind;
    const char* word;
    std::vector<std::string> typed;  // per page column
    std::vector<std::string> kept;
    int refused;
  } cases[] = {
      {0, "GEOMETRY", {"-5e-1", "2,5", "-0.5"}, {"5e-1", "25", "-0.5"}, 2},
      {1, "ELASTIC", {"-1e+2", "3e-4x"}, {"1e+2", "3e-4"}, 2},
      {2, "NODAL", {"-1.5e3", "2,0e-4"}, {"-1.5e3", "20e-4"}, 1},
  };
  for (const auto& c : cases) {
    if (c.kind == 0) {
      Beam(3, 3);
    } else {
      TemplateTable(c.kind, c.word, 3);
    }
    wintest::TraceCapture trace;
    std::vector<std::string> kept;
    std::vector<wintest::Step> steps;
    for (size_t k = 0; k < c.typed.size(); ++k) {
      int column = static_cast<int>(k) + 1;
      std::string keys = c.typed[k];
      steps.push_back(Do([=] {
        SetFocus(Cell(1, column));
        SendMessageA(Cell(1, column), EM_SETSEL, 0, -1);
        EXPECT_TRUE(wintest::TypeKeys(Cell(1, column), keys));
      }));
    }
    steps.push_back(Do([&] {
      for (size_t k = 0; k < c.typed.size(); ++k) kept.push_back(CellText(1, static_cast<int>(k) + 1));
    }));
    steps.push_back(Press(kTableCancelId));
    Show(steps);
    EXPECT_EQ(kept, c.kept) << c.word;
    EXPECT_EQ(trace.Records("TONE").size(), static_cast<size_t>(4 * c.refused)) << c.word;
  }
}

TEST(CorvaneGrid, UnyieldingNodesLockTheirFirstCellInNodalAndElasticTables) {
  const struct {
    int kind;
    const char* word;
    const char* sub;
    const char* answer;  // SupportFlags 2: the unyielding supports ticked
    bool locks;
  } cases[] = {{2, "NODAL", "BEAM", "Y", true},        {1, "ELASTIC", "BEAM", "Y", true},
               {1, "WINKLER", "BEAM", "Y", false},     {2, "TRAPEZOIDAL", "BEAM", "Y", false},
               {2, "NODAL", "WALL", "Y", false},       {1, "ELASTIC", "BEAM", "N", false},
               {2, "NODAL", "BEAM", " N ", false}};
  for (const auto& c : cases) {
    TemplateTable(c.kind, c.word, 25);
    Substructure = c.sub;
    SupportFlags.assign(20, "N");
    SupportFlags[kUnyieldingSlot] = c.answer;
    UnyieldingNodes = " ,2, 23,";
    CellTexts(2, 2) = "5";
    CellTexts(2, 23) = "6";
    std::vector<int> state;
    auto look = [&](int pageRow) {
      return Do([&, pageRow] {
        state.push_back(IsWindowEnabled(Cell(pageRow, 1)) ? 1 : 0);
        state.push_back(CellText(pageRow, 1).empty() ? 1 : 0);
        state.push_back(IsWindowEnabled(Cell(pageRow, 2)) ? 1 : 0);
      });
    };
    EXPECT_EQ(Show({look(2), Key(1, 2, VK_NEXT), look(23 - 6 + 1), Key(1, 2, VK_PRIOR), look(2), Press(kContinueId)}), 1);
    std::vector<int> locked = {0, 1, 1, 0, 1, 1, 0, 1, 1}, free = {1, 0, 1, 1, 0, 1, 1, 0, 1};
    EXPECT_EQ(state, c.locks ? locked : free) << c.word << " " << c.sub << " " << c.answer;
    EXPECT_EQ(CellTexts(2, 2), c.locks ? "" : "5") << c.word;
    EXPECT_EQ(CellTexts(2, 23), c.locks ? "" : "6") << c.word;
  }
  UnyieldingNodes.clear();
  SupportFlags.assign(20, "N");
}

TEST(CorvaneGrid, ElementLengthsWithinATenthOfAPercent) {
  TestDirectory dir;
  const struct {
    const char* last;
    bool accepted;
  } cases[] = {{"2.505", true}, {"2.52", false}};  // 10.005 m and 10.02 m on a 10 m beam
  for (const auto& c : cases) {
    Beam(4, 10);
    CellTexts(2, 4) = c.last;
    wintest::TraceCapture trace;
    std::vector<wintest::Step> steps = {Press(kContinueId)};
    if (!c.accepted) steps.insert(steps.end(), {Answer(), Press(kTableCancelId)});
    INT_PTR end = Show(steps);
    EXPECT_EQ(end, c.accepted ? 1 : 0) << c.last;
    auto boxes = trace.Records("BOX");
    if (c.accepted) {
      EXPECT_TRUE(boxes.empty());
    } else {
      ASSERT_EQ(boxes.size(), 1u);
      EXPECT_EQ(boxes[0][1], "WARNING!");
      EXPECT_EQ(boxes[0][2], "Incorrect Element Length Data\r\n\r\n          Correct the Data!");
      EXPECT_EQ(boxes[0][3], "0x2030");
      auto tones = trace.Records("TONE");
      ASSERT_EQ(tones.size(), 4u);
      EXPECT_EQ(tones[0][1], "330");
      EXPECT_EQ(tones[1][1], "294");
    }
  }
}

TEST(CorvaneGrid, OkOfAGeometryTableWritesTheGeometryFile) {
  TestDirectory dir;
  Beam(4, 10);
  EXPECT_EQ(Show({Do([] { SetWindowTextA(Cell(2, 3), "0.75"); }), Press(kContinueId)}), 1);
  TextLineArray lines;
  int count = 0;
  LoadTextLines("BEAMJOB.geo", lines, 100, count);
  ASSERT_EQ(count, 6 + 4 + 2);
  EXPECT_EQ(lines[1], "Job: BEAMJOB // GEOMETRY & MAT. PROPERTIES");
  EXPECT_EQ(lines[2], "BEAM/STRIP DATA:  beam");
  EXPECT_EQ(lines[7], "    1              2.5000           0.5000           0.6000  ");
  EXPECT_EQ(lines[8], "    2              2.5000           0.5000           0.7500  ");
  EXPECT_EQ(lines[12], "--------------------- END OF GEOMETRY DATA ---------------------");
  EXPECT_FLOAT_EQ(WorkTables[1](2, 3), 0.75f);
}

TEST(CorvaneGrid, GeometryFileThatCannotBeWrittenKeepsTheTableOpen) {
  TestDirectory dir;
  Beam(4, 10);
  JobSpec = "NOFOLDER\\BEAMJOB";
  wintest::TraceCapture trace;
  EXPECT_EQ(Show({Press(kContinueId), Answer(), Press(kTableCancelId)}), 0);
  auto boxes = trace.Records("BOX");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0][2], "The GEOMETRY File NOFOLDER\\BEAMJOB.geo cannot be Written!");
}

TEST(CorvaneGrid, UniformAndGenerationAcceptedAfterACancelledOne) {
  Beam(6, 6);
  int calls = 0;
  TableDialogHooks.uniform = [&](HWND, int column) {
    EXPECT_EQ(column, 2);
    EXPECT_EQ(DialogStatus, "");
    DialogStatus = ++calls == 1 ? "ZZZ" : "0.45";
  };
  TableDialogHooks.generation = [&](HWND, int column) {
    EXPECT_EQ(column, 3);
    EXPECT_EQ(DialogStatus, "");
    if (++calls == 3) {
      DialogStatus = "ZZZ";
      return 0;
    }
    FieldTexts = {"", "2", "9", "2", "0.8"};  // beyond the last row: rows 2, 4, 6
    return 1;
  };
  std::vector<std::string> shown;
  Show({Press(UniformButtonId(2)), Do([&] { shown.push_back(CellText(1, 2)); }), Press(UniformButtonId(2)), Do([&] { shown.push_back(CellText(1, 2)); }),
        Press(GenerateButtonId(3)), Press(GenerateButtonId(3)), Do([&] {
          for (int r = 1; r <= 6; ++r) shown.push_back(CellText(r, 3));
        }),
        Press(kTableCancelId)});
  EXPECT_EQ(shown, (std::vector<std::string>{"0.5", "0.45", "0.6", "0.8", "0.6", "0.8", "0.6", "0.8"}));
  TableDialogHooks = TableDialogs();
}

TEST(CorvaneGrid, LoadGenerationAcceptedAfterACancelledOne) {
  TemplateTable(2, "NODAL", 9);
  const char* form = " LOAD DATA GENERATION - Load Case: Dead";
  std::vector<std::string> shown;
  EXPECT_EQ(Show({Do([] { SetFocus(Cell(1, 2)); }), Press(kGenerateButtonId), WhenDialog(form, [](HWND d) { wintest::Click(d, kFormCancelId); }),
                  Press(kGenerateButtonId), FillLoadForm({"2", "8", "3", "-7.5"}),
                  Do([&] {
                    for (int r = 1; r <= 9; ++r) shown.push_back(CellText(r, 2));
                  }),
                  Press(kFirstButtonId), FillLoadForm({"1.5", "0"}),
                  Press(kContinueId)}),
            1);
  EXPECT_EQ(shown, (std::vector<std::string>{"0", "-7.5", "0", "0", "-7.5", "0", "0", "-7.5", "0"}));
  // "Same loads at all nodes" then filled both columns; OK stored them into the nodal table.
  for (int r = 1; r <= 9; ++r) {
    EXPECT_FLOAT_EQ(NodalLoadTable(r, 1), 1.5f) << r;
    EXPECT_FLOAT_EQ(NodalLoadTable(r, 2), 0.0f) << r;
  }
}

TEST(CorvaneGrid, LinearLoadBetweenNodesFillsTheTrapezoidalTable) {
  TestDirectory dir;
  Beam(4, 8);
  for (int r = 1; r <= 4; ++r) WorkTables[1](r, 1) = 2;
  ASSERT_TRUE(SaveGeometryFile(JobSpec));
  TemplateTable(2, "TRAPEZOIDAL", 4);
  std::vector<std::string> shown;
  Show({Press(kFirstButtonId), FillLoadForm({"2", "5", "0", "6"}),
        Do([&] {
          for (int r = 1; r <= 4; ++r) {
            shown.push_back(CellText(r, 1));
            shown.push_back(CellText(r, 2));
          }
        }),
        Press(kTableCancelId)});
  EXPECT_EQ(shown, (std::vector<std::string>{"0", "0", "0.000", "2.000", "2.000", "4.000", "4.000", "6.000"}));
}

TEST(CorvaneGrid, RoofShellFillsTheZComponents) {
  TestDirectory dir;
  StructureType = "TANK";
  Substructure = "ROOF STRUCTURE";
  JobSpec = "TANKJOB";
  GeometryAnswers.assign(8, "N");
  GeometryAnswers[kShellRoofSlot] = "Y";
  GeometryAnswers[kCurvedSectionSlot] = "Y";
  JobDataTable.Redim(8, 6);
  JobDataTable(2, 2) = 6;
  JobDataTable(3, 1) = 4;
  JobDataTable(3, 3) = 6;
  FormTexts.Redim(6, 6);
  FormTexts(0, 0) = "GEOMETRY";
  CellTexts.Redim(4, 4);
  for (int r = 1; r <= 4; ++r) {
    CellTexts(1, r) = NumberToText(r);
    CellTexts(2, r) = "1";  // 4 m of a 6 m roof
    CellTexts(3, r) = "0";
    CellTexts(4, r) = "0.1";
  }
  TableKind = 0;
  SetTableLayout(1, 4, 3);
  const char* shell = "   TANK ANALYSIS.   JOB: TANKJOB";
  wintest::TraceCapture trace;
  std::vector<std::string> shown;
  int radial = 0;
  auto cone = [](bool uniform) {
    return [uniform](HWND d) {
      wintest::Click(d, kCone);
      if (uniform) wintest::Click(d, kUniform);
      wintest::SetText(d, kX1, "0");
      wintest::SetText(d, kZ1, "2");
      wintest::PostClick(d, kOkId);
    };
  };
  Show({Do([&] { radial = IsDlgButtonChecked(Table(), kCurve) == BST_CHECKED ? 1 : 0; }), Press(UniformButtonId(1)),
        WhenDialog(shell, cone(false)), Answer(), Do([&] { shown.push_back(CellText(1, 2)); }), Press(UniformButtonId(1)),
        WhenDialog(shell, cone(true)), Do([&] {
          for (int r = 1; r <= 4; ++r) {
            shown.push_back(CellText(r, 1));
            shown.push_back(CellText(r, 2));
          }
        }),
        Press(kTableCancelId)});
  EXPECT_EQ(radial, 1);
  auto boxes = trace.Records("BOX");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0][2], "CORRECT Element Width Data SHOULD be Entered at First\r\n\r\n          Correct the Data!");
  EXPECT_EQ(shown, (std::vector<std::string>{"0", "1.5000E+0", "5.0000E-1", "1.5000E+0", "5.0000E-1", "1.5000E+0",
                                             "5.0000E-1", "1.5000E+0", "5.0000E-1"}));
}

}  // namespace
}  // namespace corvane
