#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/globals.h"
#include "core/numbers.h"
#include "win/dialogs.h"
#include "win/grid.h"
#include "win/ids.h"
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

// A program's profile as small as the engine needs: "-" nowhere, exponent letters not in
// column 1, and the first cell of the rows in LockedRows locked.
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
  p.accepts = [](char ch, int column) {
    if (ch == '+') return true;
    if (ch == 'E' || ch == 'e') return column != 1;
    return false;
  };
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
    CellTexts(2, 3) = "gen" + CellTexts(3, 1);  // what the page held is in CellTexts already
  };
  p.accept = [](HWND) { return ++Accepted > 0; };
  p.status = &Status;
  return p;
}

void FillCells(int rows, int columns) {
  CellTexts.Redim(columns + 1, rows);
  for (int r = 1; r <= rows; ++r) {
    CellTexts(1, r) = NumberToText(r);
    for (int c = 2; c <= columns + 1; ++c) CellTexts(c, r) = std::string(1, static_cast<char>('a' + c - 2)) + std::to_string(r);
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
         SetWindowTextA(Cell(1, 1), "r1");
         SetWindowTextA(Cell(20, 2), "r20");
       }),
       Key(20, 2, VK_DOWN),  // top 2
       Do([] { SetWindowTextA(Cell(20, 1), "r21"); }),
       Key(1, 1, VK_NEXT),  // top 22
       Do([] { SetWindowTextA(Cell(1, 1), "r22"); }),
       Key(1, 1, VK_PRIOR),  // top 2
       Do([] { SetWindowTextA(Cell(1, 2), "r2"); }),
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
  EXPECT_EQ(shown, (std::vector<std::string>{"r1", "r20", "r2", "r21", "r22"}));
  for (int r = 1; r <= 45; ++r) {
    std::string a = "a" + std::to_string(r), b = "b" + std::to_string(r);
    if (r == 1) a = "r1";
    if (r == 21) a = "r21";
    if (r == 22) a = "r22";
    if (r == 20) b = "r20";
    if (r == 2) b = "r2";
    EXPECT_EQ(CellTexts(2, r), a) << "row " << r;
    EXPECT_EQ(CellTexts(3, r), b) << "row " << r;
  }
}

TEST(DataGrid, CharacterFilterOfTheProfile) {
  std::vector<std::string> texts;
  auto type = [](int pageRow, int column, const std::string& keys) {
    return Do([=] {
      for (char ch : keys) PostMessageA(Cell(pageRow, column), WM_CHAR, static_cast<unsigned char>(ch), 1);
    });
  };
  RunTable(3,
           {Do([] {
              SetWindowTextA(Cell(1, 1), "");
              SetWindowTextA(Cell(1, 2), "");
            }),
            type(1, 1, "-1E5e+x."), type(1, 2, "-2E3x"), Do([&] {
              texts.push_back(CellText(1, 1));
              texts.push_back(CellText(1, 2));
            })});
  EXPECT_EQ(texts, (std::vector<std::string>{"15+.", "2E3"}));
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
  EXPECT_EQ(CellTexts(3, 2), "b2");
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
                 SetWindowTextA(Cell(1, 2), "typed");
               }),
               Do([&] { wintest::PostClick(table, kFirstColumnButtonId); }), Do([&] { shown = CellText(3, 1); })});
  EXPECT_EQ(Commands, (std::vector<int>{kFirstColumnButtonId, 1}));
  EXPECT_EQ(shown, "gentyped");
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
