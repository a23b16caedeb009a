#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/globals.h"
#include "core/numbers.h"
#include "win/dialogs.h"
#include "win/grid.h"
#include "win/ids.h"
#include "win/testing/keys.h"
#include "win/testing/wintest.h"
#include "win/tests/colourprobe.h"

namespace {

using wintest::Do;
using wintest::RunScript;
using wintest::WhenDialog;

const char* const kCaption = "GRID TEST";
std::string Status;
int Accepted = 0;
std::vector<int> Commands;
std::vector<std::string> Locks;  // the rows the next table locks

// A program's profile as small as the engine needs: numbers below 0 in every column but the
// first, and the first cell of the rows in LockedRows locked.
GridProfile TestProfile() {
  GridProfile p;
  p.layout = [] {
    LabelWidth = 33;
    CellWidth = 72;
  };
  p.headings = [](DialogTemplate& d) {
    d.caption = kCaption;
    AddButton(d, kFirstColumnButtonId, "&UNIFORM", TableLeft + LabelWidth, d.height - 4, 60, 14);
    d.height += 16;
  };
  p.negative = [](int column) { return column != 1; };
  p.prepareLocks = [] { LockedRows = Locks; };
  p.locked = [](int row, int column) {
    if (column != 1) return false;
    for (const auto& r : LockedRows)
      if (ParseNumber(r) == row) return true;
    return false;
  };
  p.command = [](HWND, int id) {
    Commands.push_back(id);
    Commands.push_back(Status.empty() ? 1 : 0);
    CellTexts(2, 3) = "9" + CellTexts(3, 1);  // what the page held is in CellTexts already
  };
  p.accept = [](HWND) { return ++Accepted > 0; };
  p.status = &Status;
  return p;
}

// The number CellTexts column c (2..) of row r starts with: 1001, 1002, ... in column 2, 2001, ...
// in column 3.
std::string Value(int c, int r) { return std::to_string((c - 1) * 1000 + r); }

void FillCells(int rows, int columns) {
  CellTexts.Redim(columns + 1, rows);
  for (int r = 1; r <= rows; ++r) {
    CellTexts(1, r) = NumberToText(r);
    for (int c = 2; c <= columns + 1; ++c) CellTexts(c, r) = Value(c, r);
  }
}

HWND Cell(int pageRow, int column) { return GetDlgItem(TablePage(), TableCellId(pageRow, column)); }
std::string CellText(int pageRow, int column) {
  char text[64] = {0};
  GetWindowTextA(Cell(pageRow, column), text, sizeof text);
  return text;
}

// Opens a table of `rows` rows and two value columns, runs the steps in it and ends it with
// button `end`; returns the dialog's end value.
INT_PTR RunTable(int rows, std::vector<wintest::Step> steps, int end = kTableCancelId, int columns = 2) {
  ProgramGrid = TestProfile();
  TableKind = 1;
  FillCells(rows, columns);
  SetTableLayout(1, rows, columns);
  INT_PTR result = -1;
  HWND table = nullptr;
  steps.insert(steps.begin(), WhenDialog(kCaption, [&](HWND h) { table = h; }));
  steps.push_back(Do([&] { wintest::PostClick(table, end); }));
  auto run = RunScript(steps, [&] { result = ShowModalDialog(BuildDataTable(), nullptr, DataTableProc); }, 20000);
  EXPECT_TRUE(run.finished);
  return result;
}

wintest::Step Key(int pageRow, int column, UINT vk) {
  return Do([=] { wintest::PressKey(Cell(pageRow, column), vk); });
}

TEST(DataGrid, CellFromControlIdForOneToFiveColumns) {
  for (int columns = 1; columns <= 5; ++columns) {
    TableColumns = columns;
    for (int r = 1; r <= 20; ++r)
      for (int c = 1; c <= columns; ++c) {
        FocusedCellId = kFirstCellId + (r - 1) * columns + c;
        CellFromControlId();
        EXPECT_EQ(CurrentRow, r) << columns << " columns, id " << FocusedCellId;
        EXPECT_EQ(CurrentColumn, c) << columns << " columns, id " << FocusedCellId;
      }
  }
}

TEST(DataGrid, ColumnRangeStaysInsideTheTable) {
  const struct {
    int first, last, step;
    std::vector<int> rows;
  } cases[] = {{1, 10, 3, {1, 4, 7, 10}}, {2, 25, 5, {2, 7}},  {8, 20, 1, {8, 9, 10}},
               {-5, 4, 4, {3}},           {1, 10, 0, {}},      {1, 10, -2, {}},
               {11, 14, 1, {}}};
  TableRows = 10;
  for (const auto& c : cases) {
    CellTexts.Redim(3, 12);
    ApplyColumnRange(3, c.first, c.last, c.step, "v");
    std::vector<int> got;
    for (int r = 0; r <= 12; ++r)
      if (CellTexts(3, r) == "v") got.push_back(r);
    EXPECT_EQ(got, c.rows) << c.first << ".." << c.last << " step " << c.step;
  }
}

TEST(DataGrid, ScrollingByKeys) {
  const struct {
    const char* name;
    int rows;
    std::vector<std::vector<int>> keys;  // page row, key
    std::vector<int> tops;               // TopRow after each key
    int visible;
  } cases[] = {
      {"5 rows never scroll", 5, {{5, VK_RETURN}, {5, VK_DOWN}, {1, VK_NEXT}, {1, VK_UP}}, {1, 1, 1, 1}, 5},
      {"21 rows", 21, {{20, VK_RETURN}, {20, VK_RETURN}, {1, VK_UP}, {1, VK_UP}, {20, VK_DOWN}, {1, VK_PRIOR}}, {2, 2, 1, 1, 2, 1}, 20},
      {"45 rows by pages", 45, {{1, VK_NEXT}, {1, VK_NEXT}, {1, VK_NEXT}, {1, VK_PRIOR}, {1, VK_PRIOR}, {1, VK_PRIOR}},
       {21, 26, 26, 6, 1, 1}, 20},
  };
  for (const auto& c : cases) {
    std::vector<int> tops;
    std::vector<wintest::Step> steps;
    for (const auto& k : c.keys) {
      steps.push_back(Key(k[0], 2, static_cast<UINT>(k[1])));
      steps.push_back(Do([&] { tops.push_back(TopRow); }));
    }
    RunTable(c.rows, steps);
    EXPECT_EQ(VisibleRows, c.visible) << c.name;
    EXPECT_EQ(tops, c.tops) << c.name;
  }
}

TEST(DataGrid, EnterAboveTheLastPageRowMovesToTheCellBelow) {
  std::vector<int> focus;
  RunTable(8, {Do([] { SetFocus(Cell(3, 2)); }), Key(3, 2, VK_RETURN), Do([&] { focus.push_back(GetDlgCtrlID(GetFocus())); }),
               Key(4, 2, VK_DOWN), Do([&] { focus.push_back(GetDlgCtrlID(GetFocus())); }), Key(5, 2, VK_UP),
               Do([&] { focus.push_back(GetDlgCtrlID(GetFocus())); }), Do([&] { focus.push_back(CurrentRow * 10 + CurrentColumn); })});
  EXPECT_EQ(focus, (std::vector<int>{TableCellId(4, 2), TableCellId(5, 2), TableCellId(4, 2), 42}));
}

TEST(DataGrid, TypedTextSurvivesScrollingAwayAndBack) {
  Locks.clear();
  std::vector<std::string> shown;
  INT_PTR end = RunTable(
      45,
      {Do([] {
         SetWindowTextA(Cell(1, 1), "901");
         SetWindowTextA(Cell(20, 2), "920");
       }),
       Key(20, 2, VK_DOWN),  // top 2
       Do([] { SetWindowTextA(Cell(20, 1), "921"); }),
       Key(1, 1, VK_NEXT),  // top 22
       Do([] { SetWindowTextA(Cell(1, 1), "922"); }),
       Key(1, 1, VK_PRIOR),  // top 2
       Do([] { SetWindowTextA(Cell(1, 2), "902"); }),
       Key(1, 1, VK_UP),  // top 1
       Do([&] {
         shown.push_back(CellText(1, 1));
         shown.push_back(CellText(20, 2));
         shown.push_back(CellText(2, 2));
       }),
       Key(1, 1, VK_NEXT),  // top 21
       Do([&] {
         shown.push_back(CellText(1, 1));
         shown.push_back(CellText(2, 1));
       })},
      kContinueId);
  EXPECT_EQ(end, 1);
  EXPECT_EQ(shown, (std::vector<std::string>{"901", "920", "902", "921", "922"}));
  for (int r = 1; r <= 45; ++r) {
    std::string a = Value(2, r), b = Value(3, r);
    if (r == 1) a = "901";
    if (r == 21) a = "921";
    if (r == 22) a = "922";
    if (r == 20) b = "920";
    if (r == 2) b = "902";
    EXPECT_EQ(CellTexts(2, r), a) << "row " << r;
    EXPECT_EQ(CellTexts(3, r), b) << "row " << r;
  }
}

// Keys typed into a cell: every character a number of its column may hold is taken ("-" in the
// unsigned first column only as the exponent's sign); each one refused sounds the warning tones.
TEST(DataGrid, TypedKeysAreTakenOrRefusedWithTheTones) {
  const struct {
    int column;
    const char* typed;
    const char* kept;
    int refused;
  } cases[] = {
      {1, "1.5e3", "1.5e3", 0},   {1, "5e-1", "5e-1", 0},     {1, "+2", "+2", 0},
      {1, "-4", "4", 1},          {2, "-2,0e-4", "-20e-4", 1}, {2, "1x,y5", "15", 3},
  };
  for (const auto& c : cases) {
    wintest::TraceCapture trace;
    std::string kept;
    RunTable(3, {Do([&] {
                   SetFocus(Cell(1, c.column));
                   EXPECT_TRUE(wintest::TypeKeys(Cell(1, c.column), c.typed));
                 }),
                 Do([&] { kept = CellText(1, c.column); })});
    EXPECT_EQ(kept, c.kept) << c.typed;
    EXPECT_EQ(trace.Records("TONE").size(), static_cast<size_t>(4 * c.refused)) << c.typed;
  }
}

// A cell holding anything but one number of its column (pasted, say) is refused at OK with the
// table's warning naming its row and column; the table stays open on that cell.
TEST(DataGrid, OkRefusesACellThatIsNotOneNumberNamingItsRowAndColumn) {
  Locks.clear();
  const struct {
    const char* text;
    int row, column;
    const char* warning;
  } cases[] = {
      {"2,0E-4", 25, 2, "INCORRECT DATA in Row 25, Column 2!\r\n\r\n          Correct the Data!"},
      {"-3", 2, 1, "INCORRECT DATA in Row 2, Column 1!\r\n\r\n          Correct the Data!"},
      {"1e", 1, 2, "INCORRECT DATA in Row 1, Column 2!\r\n\r\n          Correct the Data!"},
  };
  for (const auto& c : cases) {
    Accepted = 0;
    std::vector<std::string> warnings;
    int focused = 0, top = 0;
    HWND table = nullptr;
    INT_PTR end = RunTable(
        30,
        {Do([&] {
           table = GetParent(TableContainer());
           // What Ctrl+V pastes: the clipboard's text, whatever the keys would take.
           if (c.row > VisibleRows) wintest::PressKey(Cell(1, c.column), VK_NEXT);
         }),
         Do([&] {
           HWND cell = Cell(c.row - TopRow + 1, c.column);
           SetFocus(cell);
           SendMessageA(cell, EM_SETSEL, 0, -1);
           SendMessageA(cell, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(c.text));
           wintest::PressKey(Cell(1, c.column), VK_PRIOR);
         }),
         Do([&] { wintest::PostClick(table, kContinueId); }),
         WhenDialog("WARNING!", [&](HWND box) {
           warnings.push_back(wintest::BoxText(box));
           wintest::AnswerBox(box, IDOK);
         }),
         Do([&] {
           focused = GetDlgCtrlID(GetFocus());
           top = TopRow;
         })},
        kTableCancelId);
    EXPECT_EQ(end, 0) << c.text;  // still open after the warning: ended by CANCEL
    EXPECT_EQ(Accepted, 0) << c.text;
    EXPECT_EQ(warnings, std::vector<std::string>{c.warning}) << c.text;
    EXPECT_EQ(focused, TableCellId(c.row - top + 1, c.column)) << c.text;
  }
}

TEST(DataGrid, LockedRowStaysDisabledAndEmptyAfterScrolling) {
  Locks = {"2", "21"};
  std::vector<int> state;  // enabled, text empty: row 2 column 1, row 2 column 2, row 21 column 1
  auto look = [&](int pageRow2, int pageRow21) {
    return Do([&, pageRow2, pageRow21] {
      if (pageRow2) {
        state.push_back(IsWindowEnabled(Cell(pageRow2, 1)) ? 1 : 0);
        state.push_back(CellText(pageRow2, 1).empty() ? 1 : 0);
        state.push_back(IsWindowEnabled(Cell(pageRow2, 2)) ? 1 : 0);
      }
      if (pageRow21) {
        state.push_back(IsWindowEnabled(Cell(pageRow21, 1)) ? 1 : 0);
        state.push_back(IsWindowEnabled(Cell(pageRow21 - 1, 1)) ? 1 : 0);
      }
    });
  };
  // A locked cell is drawn white on grey.
  auto grey = Do([] { ExpectColours(TablePage(), {{WM_CTLCOLORSTATIC, TableCellId(2, 1), RGB(128, 128, 128), RGB(255, 255, 255)}}); });
  RunTable(25, {look(2, 0), grey, Key(1, 2, VK_NEXT), look(0, 16), Key(1, 2, VK_PRIOR), look(2, 0)}, kContinueId);
  EXPECT_EQ(state, (std::vector<int>{0, 1, 1, 0, 1, 0, 1, 1}));
  EXPECT_EQ(CellTexts(2, 2), "");
  EXPECT_EQ(CellTexts(3, 2), Value(3, 2));
  EXPECT_EQ(CellTexts(2, 21), "");
}

TEST(DataGrid, OkCancelAndColumnButtons) {
  Accepted = 0;
  Commands.clear();
  EXPECT_EQ(RunTable(4, {}, kContinueId), 1);
  EXPECT_EQ(Accepted, 1);
  Status = "";
  EXPECT_EQ(RunTable(4, {}, kTableCancelId), 0);
  EXPECT_EQ(Status, "ZZZ");

  // A column button finds the page stored and the status empty, and the page shows what it did.
  std::string shown;
  HWND table = nullptr;
  RunTable(4, {Do([&] {
                 table = GetParent(TableContainer());
                 SetWindowTextA(Cell(1, 2), "77");
               }),
               Do([&] { wintest::PostClick(table, kFirstColumnButtonId); }), Do([&] { shown = CellText(3, 1); })});
  EXPECT_EQ(Commands, (std::vector<int>{kFirstColumnButtonId, 1}));
  EXPECT_EQ(shown, "977");
  EXPECT_EQ(Status, "ZZZ");  // the run ended with CANCEL
}

// Esc ends the table as its CANCEL does, wherever the focus is: in a cell or on a button.
TEST(DataGrid, EscEndsTheTableAsItsCancel) {
  for (bool onButton : {false, true}) {
    ProgramGrid = TestProfile();
    TableKind = 1;
    FillCells(4, 2);
    SetTableLayout(1, 4, 2);
    Status = "";
    HWND table = nullptr;
    INT_PTR result = -1;
    auto run = RunScript({WhenDialog(kCaption,
                                     [&](HWND h) {
                                       table = h;
                                       if (onButton) SetFocus(GetDlgItem(h, kFirstColumnButtonId));
                                       else SetFocus(Cell(2, 1));
                                       wintest::PressKey(GetFocus(), VK_ESCAPE);
                                     }),
                          [] { return false; }},  // runs only when Esc left the table open
                         [&] { result = ShowModalDialog(BuildDataTable(), nullptr, DataTableProc); }, 5000);
    EXPECT_FALSE(run.timedOut) << onButton;
    EXPECT_EQ(result, 0) << onButton;
    EXPECT_EQ(Status, "ZZZ") << onButton;
  }
}

}  // namespace
