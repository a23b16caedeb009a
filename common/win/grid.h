#pragma once
// The data grid: a modal table dialog whose body is a scrolling page of numeric cells, one row per
// element or node, with row labels on the left, headings above, column buttons and OK/CANCEL.
// Every cell is kept as text in CellTexts (first index the column, second the data row): column 1
// the element or node number, columns 2..C+1 the values that page columns 1..C show. The callers
// fill CellTexts, lay the table out and show it; they read CellTexts back after OK.
//
//   TableKind = 0;                                      // 0 geometry, 1 supports, 2 loads
//   SetTableLayout(1, rows, columns);
//   DialogTemplate t = BuildDataTable();                // the program's headings and buttons
//   DialogAnswer = ShowModalDialog(t, owner, DataTableProc);
//
// One engine serves every program; what differs (layout constants, headings, the characters a
// cell takes, which cells are locked, what the column buttons and OK do) comes from the program's
// GridProfile. While a table dialog exists a second thread keeps the message queue moving.
//
// Ids: cell of page row r (1..V) and page column c (1..C) 3000 + (r - 1) x C + c; row labels
// 5001..5000 + V; heading labels 109..116; column buttons 121..128; OK kContinueId; CANCEL kTableCancelId.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/dialogs.h"
#include "win/ids.h"

// The table's own buttons and labels (its OK is kContinueId, its CANCEL kTableCancelId).
constexpr int kFirstColumnButtonId = 121, kLastColumnButtonId = 128;
constexpr int kFirstTableHeadingId = 109, kLastTableHeadingId = 116;
// The page's cells and row labels.
constexpr int kFirstCellId = 3000, kFirstRowLabelId = 5000;

// Layout of the table on screen (the table dialog is modal, so there is one at a time).
extern int TableKind;        // 0 geometry tables, 1 support tables, 2 load tables
extern int TableRows;        // data rows (elements or nodes)
extern int TableColumns;     // value columns C shown on the page
extern int VisibleRows;      // page rows V
extern int TopRow;           // data row shown in the page's first row, from 1
extern int PreviousTopRow;   // TopRow before the last scroll
extern int CurrentRow;       // page row (1..V) of the focused cell
extern int CurrentColumn;    // page column (1..C) of the focused cell
extern int FocusedCellId;    // control id of the focused cell
extern int RowLabelOffset;   // subtracted from the row number in labels: label = row + offset
extern int LabelWidth;       // dialog units
extern int CellWidth;        // dialog units
extern int RowHeight;        // 11 dialog units
extern int TableLeft;        // 5: the container's position in the table dialog
extern int TableTop;         // 47
extern int TableWidth;       // LabelWidth + 5 + C x CellWidth + 10
// Node numbers (texts) whose rows the program's lock rule uses.
extern std::vector<std::string> LockedRows;

// How a program's tables differ. Every member may be left empty.
struct GridProfile {
  // Sets LabelWidth, CellWidth, VisibleRows and RowLabelOffset for TableKind, TableRows and
  // TableColumns (SetTableLayout has set VisibleRows to min(20, TableRows) before).
  std::function<void()> layout;
  // Adds the caption, title, headings, row-label heading and column buttons to the table dialog
  // (its size is set for the table, the OK/CANCEL row included; the profile may enlarge it).
  std::function<void(DialogTemplate& table)> headings;
  // Whether the numbers of page column `column` (1..C) may be below 0; left empty: in every
  // table but the support tables. A cell takes every character its number may hold (win/grid.cpp);
  // a character it refuses sounds the warning tones, and OK refuses a cell that holds anything
  // but one such number, naming its row and column.
  std::function<bool(int column)> negative;
  // When the table starts: works out which cells are locked.
  std::function<void()> prepareLocks;
  // Whether the cell of data row `row`, page column `column` is locked: disabled and kept empty.
  std::function<bool(int row, int column)> locked;
  // At the table dialog's start, after the page: the program's own controls.
  std::function<void(HWND table)> initialise;
  // A column button (121..128) was pressed. The page has been stored and the status emptied; the
  // page is refilled from CellTexts afterwards.
  std::function<void(HWND table, int id)> command;
  // OK was pressed and the page stored: true ends the dialog with 1; false keeps it open (the
  // profile has said why).
  std::function<bool(HWND table)> accept;
  // The program's cancel mark: "ZZZ" after CANCEL, emptied around the column buttons' dialogs.
  std::string* status = nullptr;
};
// The profile of the running program; a program sets it once at start-up.
extern GridProfile ProgramGrid;

// Stores the counts and sets the layout: TopRow = PreviousTopRow = first, RowHeight 11,
// TableLeft 5, TableTop 47, VisibleRows min(20, rows), then the profile's values and TableWidth.
void SetTableLayout(int first, int rows, int columns);
// The table dialog: its size for the table, OK and CANCEL, and the profile's headings and buttons.
DialogTemplate BuildDataTable();
// Callback of the table dialog; show it modally with this.
INT_PTR CALLBACK DataTableProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// Callback of the scrolling container; callback of the page of cells; subclass procedure of
// every cell (keyboard rules and the character filter).
INT_PTR CALLBACK FillTablePage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK TablePageProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TableCellKeyProc(HWND cell, UINT msg, WPARAM wParam, LPARAM lParam);

// The control id of the cell of page row pageRow (1..V) and column (1..C).
int TableCellId(int pageRow, int column);
// CurrentRow and CurrentColumn of FocusedCellId: k = id - 3000, row (k - 1) div C + 1, column
// (k - 1) mod C + 1.
void CellFromControlId();
// Moves texts between the page and CellTexts. mode 1 stores the page (trimmed) at the data row it
// was last filled from and fills it from data row `row` on; 2 only stores; 0 only fills. Filling
// writes the row labels, clears and disables locked cells and enables the others.
void StoreTablePage(int mode, int row);

// Whether page column `column` takes numbers below 0, by the profile.
bool ColumnTakesNegative(int column);
// The first cell of the table (data row, page column) whose text is not one number of its column
// (locked cells aside); false when every cell holds one.
bool FirstRefusedCell(int& row, int& column);
// The table's warning of that cell: "INCORRECT DATA in Row r, Column c!" with the row's label
// number, CR LF CR LF "          Correct the Data!".
std::string RefusedCellWarning(int row, int column);

// Writes the text into CellTexts column `column` (2..C+1) of rows first, first + step, ... up to
// last; rows outside 1..TableRows and a step below 1 write nothing.
void ApplyColumnRange(int column, int first, int last, int step, const std::string& text);
// Writes the text into CellTexts column `column` of every row whose cell is not locked.
void FillColumn(int column, const std::string& text);

// The live container and page of the table dialog on screen (NULL when none is open).
HWND TableContainer();
HWND TablePage();
