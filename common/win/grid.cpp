#include "win/grid.h"
#include "win/ids.h"

#include <algorithm>

#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "win/colours.h"
#include "win/dataform.h"
#include "win/fieldkeys.h"
#include "win/handles.h"
#include "win/messages.h"

int TableKind = 0;
int TableRows = 0;
int TableColumns = 0;
int VisibleRows = 0;
int TopRow = 1;
int PreviousTopRow = 1;
int CurrentRow = 0;
int CurrentColumn = 0;
int FocusedCellId = 0;
int RowLabelOffset = 0;
int LabelWidth = 0;
int CellWidth = 0;
int RowHeight = 11;
int TableLeft = 5;
int TableTop = 47;
int TableWidth = 0;
std::vector<std::string> LockedRows;
GridProfile ProgramGrid;

namespace {

constexpr int kOk = kContinueId;
constexpr int kCancel = kTableCancelId;
HWND Container = nullptr;
HWND Page = nullptr;
// The data row the page was last filled from: the page is always stored back there.
int FilledTopRow = 1;
// Pixel height of one row of the page.
int RowPixels = 1;

// The page's brushes: background, focused cell, row labels, locked cells (grey); the table's
// headings have the fifth.

int LastTopRow() { return std::max(1, TableRows - VisibleRows + 1); }

bool Locked(int row, int column) { return ProgramGrid.locked && ProgramGrid.locked(row, column); }

void SetStatus(const std::string& value) {
  if (ProgramGrid.status) *ProgramGrid.status = value;
}

std::string ControlText(HWND control) {
  int n = GetWindowTextLengthA(control);
  std::string text(static_cast<size_t>(n) + 1, '\0');
  GetWindowTextA(control, &text[0], n + 1);
  text.resize(static_cast<size_t>(n));
  return text;
}

void UpdateScrollBar() {
  if (!Container) return;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  si.nMin = 0;
  si.nMax = std::max(0, TableRows * RowPixels - 1);
  si.nPage = static_cast<UINT>(VisibleRows * RowPixels);
  si.nPos = (TopRow - 1) * RowPixels;
  SetScrollInfo(Container, SB_VERT, &si, TRUE);
}

// Scrolls the page so that data row `top` is its first row: the page is stored, refilled and
// the focused cell keeps the focus.
void ScrollTo(int top) {
  top = std::max(1, std::min(top, LastTopRow()));
  if (top == TopRow || !Page) return;
  HWND focus = GetFocus();
  PreviousTopRow = TopRow;
  TopRow = top;
  UpdateScrollBar();
  StoreTablePage(1, TopRow);
  if (focus && GetParent(focus) == Page) {
    EnableWindow(focus, TRUE);
    SetFocus(focus);
    SendMessageA(focus, EM_SETSEL, 0, -1);  // the cell shows another row now
  }
  InvalidateRect(Page, nullptr, TRUE);
}

void FocusCell(int id) {
  if (!Page) return;
  if (HWND cell = GetDlgItem(Page, id)) SetFocus(cell);
}

// Gives the focus back to the page: to the cell that had it, else to the first free cell.
void FocusPage() {
  if (!Page) return;
  HWND cell = FocusedCellId ? GetDlgItem(Page, FocusedCellId) : nullptr;
  if (cell && IsWindowEnabled(cell)) {
    SetFocus(cell);
    SendMessageA(cell, EM_SETSEL, 0, -1);
    return;
  }
  for (int r = 1; r <= VisibleRows; ++r)
    for (int c = 1; c <= TableColumns; ++c) {
      HWND free = GetDlgItem(Page, TableCellId(r, c));
      if (free && IsWindowEnabled(free)) {
        SetFocus(free);
        SendMessageA(free, EM_SETSEL, 0, -1);
        return;
      }
    }
}

void MoveDown(HWND cell) {
  int k = GetDlgCtrlID(cell) - kFirstCellId;
  int r = (k - 1) / TableColumns + 1;
  if (r == VisibleRows && TopRow + VisibleRows - 1 < TableRows) {
    ScrollTo(TopRow + 1);
  } else if (r < VisibleRows) {
    // Disabling and enabling the cell commits what was typed into it.
    EnableWindow(cell, FALSE);
    EnableWindow(cell, TRUE);
    FocusCell(GetDlgCtrlID(cell) + TableColumns);
  }
}

void MoveUp(HWND cell) {
  int k = GetDlgCtrlID(cell) - kFirstCellId;
  int r = (k - 1) / TableColumns + 1;
  if (r == 1 && TopRow > 1) {
    ScrollTo(TopRow - 1);
  } else if (r > 1) {
    FocusCell(GetDlgCtrlID(cell) - TableColumns);
  }
}

// Tab, Backspace and Ctrl+C, Ctrl+X, Ctrl+V edit; the other control characters (Enter, Escape)
// are commands the cell has no use for and leave it unchanged without a sign.
bool EditingKey(WPARAM ch) { return ch == '\t' || ch == '\b' || ch == 3 || ch == 24 || ch == 22; }
bool ControlCharacter(WPARAM ch) { return ch < 32 || ch == 127; }

// The cell's text ahead of its selection (or caret): what a typed character follows.
std::string TextBeforeCaret(HWND cell) {
  DWORD from = 0, to = 0;
  SendMessageA(cell, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  std::string text = ControlText(cell);
  return text.substr(0, std::min<size_t>(from, text.size()));
}

// Scrolls the page to data row `row` when it is not shown and gives its cell the focus.
void ShowCell(int row, int column) {
  if (row < TopRow || row > TopRow + VisibleRows - 1) ScrollTo(row);
  FocusedCellId = TableCellId(row - TopRow + 1, column);
  FocusPage();
}

// The page light yellow; the focused cell black on white, the others blue on the page; the row
// labels navy on pale blue; a locked (disabled) cell white on grey.
const std::vector<ColourRule> kPageColours = {
    {WM_CTLCOLORDLG, AllControls, AllControlsEnd, 0, RGB(255, 255, 225)},
    {WM_CTLCOLOREDIT, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(255, 255, 255), false, ColourFocused},
    {WM_CTLCOLOREDIT, AllControls, AllControlsEnd, RGB(0, 0, 255), RGB(255, 255, 225)},
    {WM_CTLCOLORSTATIC, kFirstRowLabelId + 1, AllControlsEnd, RGB(0, 0, 128), RGB(200, 220, 255), false},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(255, 255, 255), RGB(128, 128, 128), false},
};

// The table's headings (109..116) navy on pale blue; its other controls keep the system's colours.
const std::vector<ColourRule> kTableColours = {
    {WM_CTLCOLORSTATIC, kFirstTableHeadingId, kLastTableHeadingId, RGB(0, 0, 128), RGB(225, 235, 255), false},
};

DialogTemplate PageTemplate() {
  DialogTemplate p = NewDialog("", 0, 0, LabelWidth + TableColumns * CellWidth, VisibleRows * RowHeight,
                               WS_CHILD | DS_CONTROL, WS_EX_CONTROLPARENT, DialogPlain);
  for (int r = 1; r <= VisibleRows; ++r) {
    int y = (r - 1) * RowHeight;
    AddLabel(p, kFirstRowLabelId + r, "", 0, y, LabelWidth, RowHeight, SS_CENTER | SS_SUNKEN | SS_CENTERIMAGE);
    for (int c = 1; c <= TableColumns; ++c)
      AddField(p, TableCellId(r, c), "", LabelWidth + (c - 1) * CellWidth, y, CellWidth, RowHeight,
               WS_TABSTOP | ES_AUTOHSCROLL | ES_MULTILINE, WS_EX_STATICEDGE);
  }
  return p;
}

// The table window widens when the container with its scroll bar and edge reaches past its
// client area, so that it keeps the margin it has on the left on the right too.
void GrowToHold(HWND table, HWND container) {
  RECT placed{}, client{}, frame{};
  GetWindowRect(container, &placed);
  MapWindowPoints(HWND_DESKTOP, table, reinterpret_cast<POINT*>(&placed), 2);
  GetClientRect(table, &client);
  const int lacking = placed.right + placed.left - client.right;
  if (lacking <= 0) return;
  GetWindowRect(table, &frame);
  SetWindowPos(table, nullptr, frame.left - lacking / 2, frame.top, frame.right - frame.left + lacking,
               frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool ColumnTakesNegative(int column) { return ProgramGrid.negative ? ProgramGrid.negative(column) : TableKind != 1; }

bool FirstRefusedCell(int& row, int& column) {
  for (int r = 1; r <= TableRows; ++r)
    for (int c = 1; c <= TableColumns; ++c)
      if (!Locked(r, c) && !IsCellNumber(CellTexts.Get(c + 1, r), ColumnTakesNegative(c))) {
        row = r;
        column = c;
        return true;
      }
  return false;
}

std::string RefusedCellWarning(int row, int column) {
  return "INCORRECT DATA in Row " + Trim(NumberToText(row + RowLabelOffset)) + ", Column " + std::to_string(column) +
         "!\r\n\r\n          Correct the Data!";
}

int TableCellId(int pageRow, int column) { return kFirstCellId + (pageRow - 1) * TableColumns + column; }

HWND TableContainer() { return Container; }
HWND TablePage() { return Page; }

void SetTableLayout(int first, int rows, int columns) {
  TableRows = std::max(0, rows);
  TableColumns = std::max(1, columns);
  RowHeight = 11;
  TableLeft = 5;
  TableTop = 47;
  RowLabelOffset = 0;
  VisibleRows = std::min(20, TableRows);
  CurrentRow = CurrentColumn = 0;
  FocusedCellId = 0;
  if (ProgramGrid.layout) ProgramGrid.layout();
  VisibleRows = std::max(1, std::min(VisibleRows, std::max(1, TableRows)));
  TopRow = PreviousTopRow = std::max(1, std::min(first, LastTopRow()));
  TableWidth = LabelWidth + 5 + TableColumns * CellWidth + 10;
}

DialogTemplate BuildDataTable() {
  int below = TableTop + VisibleRows * RowHeight + 5;
  DialogTemplate d = NewDialog("", 0, 0, TableWidth, below + 15 + 6);
  int ok = (LabelWidth + TableColumns * CellWidth) / 2 - 50;
  AddButton(d, kOk, "&OK", ok, below, 40, 15, WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER);
  AddButton(d, kCancel, "&CANCEL", ok + 50, below, 40, 15, WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER);
  if (ProgramGrid.headings) ProgramGrid.headings(d);
  OnOpen(d, [ok, below](HWND table) { PlacePointer(table, ok + 20, below + 7); });
  return d;
}

void CellFromControlId() {
  int c = std::max(1, TableColumns);
  int k = FocusedCellId - kFirstCellId;
  if (k < 1) {
    CurrentRow = CurrentColumn = 0;
    return;
  }
  CurrentRow = (k - 1) / c + 1;
  CurrentColumn = (k - 1) % c + 1;
}

void StoreTablePage(int mode, int row) {
  if (!Page) return;
  if (mode >= 1) {
    for (int r = 1; r <= VisibleRows; ++r) {
      int data = FilledTopRow + r - 1;
      if (data < 1 || data > TableRows) continue;
      for (int c = 1; c <= TableColumns; ++c)
        CellTexts(c + 1, data) = Trim(ControlText(GetDlgItem(Page, TableCellId(r, c))));
    }
  }
  if (mode <= 1) {
    FilledTopRow = row;
    for (int r = 1; r <= VisibleRows; ++r) {
      int data = row + r - 1;
      bool shown = data >= 1 && data <= TableRows;
      SetDlgItemTextA(Page, kFirstRowLabelId + r, shown ? Trim(NumberToText(data + RowLabelOffset)).c_str() : "");
      for (int c = 1; c <= TableColumns; ++c) {
        HWND cell = GetDlgItem(Page, TableCellId(r, c));
        bool locked = shown && Locked(data, c);
        if (locked) CellTexts(c + 1, data) = "";
        SetWindowTextA(cell, shown ? CellTexts(c + 1, data).c_str() : "");
        EnableWindow(cell, shown && !locked);
      }
    }
  }
}

void ApplyColumnRange(int column, int first, int last, int step, const std::string& text) {
  if (step < 1) return;
  long long r = first;
  if (r < 1) r += (1 - r + step - 1) / step * static_cast<long long>(step);  // the first row of the range inside
  for (; r <= last && r <= TableRows; r += step) CellTexts(column, static_cast<int>(r)) = text;
}

void FillColumn(int column, const std::string& text) {
  for (int r = 1; r <= TableRows; ++r)
    if (!Locked(r, column - 1)) CellTexts(column, r) = text;
}

LRESULT CALLBACK TableCellKeyProc(HWND cell, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (ReturnReleasedHere(cell, msg, wParam, lParam)) {
    MoveDown(cell);
    return 0;
  }
  switch (msg) {
    case WM_GETDLGCODE: {
      LRESULT code = CallWindowProcA(reinterpret_cast<WNDPROC>(GetPropA(cell, "SuiteCellProc")), cell, msg, wParam, lParam);
      // Tab moves between the cells; every other key belongs to the cell.
      auto* m = reinterpret_cast<MSG*>(lParam);
      if (m && m->message == WM_KEYDOWN && m->wParam == VK_TAB) code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
      return code;
    }
    case WM_KEYDOWN:
      switch (wParam) {
        case VK_RETURN:
          return 0;  // Enter acts on its release
        case VK_ESCAPE:
          // The cell takes every key, so the dialog manager never sees Esc: it is the table's CANCEL.
          if (HWND cancel = GetDlgItem(GetAncestor(cell, GA_ROOT), kCancel)) PostMessageA(cancel, BM_CLICK, 0, 0);
          return 0;
        case VK_DOWN:
          MoveDown(cell);
          return 0;
        case VK_UP:
          MoveUp(cell);
          return 0;
        case VK_NEXT:
          if (TopRow + VisibleRows - 1 < TableRows) ScrollTo(std::min(TopRow + VisibleRows, LastTopRow()));
          return 0;
        case VK_PRIOR:
          if (TopRow > 1) ScrollTo(std::max(TopRow - VisibleRows, 1));
          return 0;
      }
      break;
    case WM_KEYUP:
      if (wParam == VK_RETURN) return 0;  // a release whose key-down went elsewhere
      break;
    case WM_CHAR: {
      if (EditingKey(wParam)) break;
      if (ControlCharacter(wParam)) return 0;
      int column = (GetDlgCtrlID(cell) - kFirstCellId - 1) % std::max(1, TableColumns) + 1;
      bool taken = wParam < 128 && CellTakesCharacter(static_cast<char>(wParam), TextBeforeCaret(cell), ColumnTakesNegative(column));
      if (!taken) {
        // A key the cell refuses is never dropped without a sign.
        WarningTones();
        return 0;
      }
      break;
    }
    case WM_NCDESTROY: {
      auto previous = reinterpret_cast<WNDPROC>(GetPropA(cell, "SuiteCellProc"));
      RemovePropA(cell, "SuiteCellProc");
      SetWindowLongPtrA(cell, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
      return CallWindowProcA(previous, cell, msg, wParam, lParam);
    }
  }
  return CallWindowProcA(reinterpret_cast<WNDPROC>(GetPropA(cell, "SuiteCellProc")), cell, msg, wParam, lParam);
}

INT_PTR CALLBACK TablePageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CTLCOLOREDIT && reinterpret_cast<HWND>(lParam) == GetFocus()) {
    FocusedCellId = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
    CellFromControlId();
  }
  INT_PTR colour;
  if (DialogColours(page, msg, wParam, lParam, kPageColours, colour)) return colour;
  switch (msg) {
    case WM_INITDIALOG: {
      Page = page;
      RECT row{0, 0, 0, RowHeight};
      MapDialogRect(page, &row);
      RowPixels = std::max(1, static_cast<int>(row.bottom));
      for (int r = 1; r <= VisibleRows; ++r)
        for (int c = 1; c <= TableColumns; ++c) {
          HWND cell = GetDlgItem(page, TableCellId(r, c));
          LONG_PTR previous = SetWindowLongPtrA(cell, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TableCellKeyProc));
          SetPropA(cell, "SuiteCellProc", reinterpret_cast<HANDLE>(previous));
        }
      FilledTopRow = TopRow;
      StoreTablePage(0, TopRow);
      FocusPage();
      return FALSE;
    }
    case WM_COMMAND:
      // (The colour rules repaint a cell whose focus changes.)
      if (HIWORD(wParam) == EN_SETFOCUS) {
        FocusedCellId = LOWORD(wParam);
        CellFromControlId();
        // A cell arrived at is selected whole: what is typed replaces it.
        SendMessageA(reinterpret_cast<HWND>(lParam), EM_SETSEL, 0, -1);
      }
      return FALSE;
    case WM_DESTROY:
      if (Page == page) Page = nullptr;
      return FALSE;
  }
  return FALSE;
}

INT_PTR CALLBACK FillTablePage(HWND container, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: {
      Container = container;
      LockedRows.clear();
      if (ProgramGrid.prepareLocks) ProgramGrid.prepareLocks();
      HWND page = CreateModelessDialog(PageTemplate(), container, TablePageProc);
      if (!page) return FALSE;
      // The container fits the page exactly, with its scroll bar and edge around it.
      RECT r;
      GetWindowRect(page, &r);
      RECT outer{0, 0, r.right - r.left, r.bottom - r.top};
      AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrA(container, GWL_STYLE)) & ~WS_VSCROLL, FALSE,
                         static_cast<DWORD>(GetWindowLongPtrA(container, GWL_EXSTYLE)));
      // A dialog's template places its client area, so the edge would stand above TableTop, over
      // the bottom rows of the headings laid out down to it: the edge starts at TableTop instead.
      HWND table = GetParent(container);
      RECT placed{}, top{0, TableTop, 0, 0};
      GetWindowRect(container, &placed);
      MapWindowPoints(HWND_DESKTOP, table, reinterpret_cast<POINT*>(&placed), 2);
      MapDialogRect(table, &top);
      SetWindowPos(container, nullptr, placed.left, std::max(placed.top, top.top),
                   outer.right - outer.left + GetSystemMetrics(SM_CXVSCROLL), outer.bottom - outer.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      SetWindowPos(page, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      GrowToHold(table, container);
      ShowWindow(page, SW_SHOW);
      UpdateScrollBar();
      return FALSE;
    }
    case WM_VSCROLL: {
      int top = TopRow;
      switch (LOWORD(wParam)) {
        case SB_LINEUP: top = TopRow - 1; break;
        case SB_LINEDOWN: top = TopRow + 1; break;
        case SB_PAGEUP: top = TopRow - VisibleRows; break;
        case SB_PAGEDOWN: top = TopRow + VisibleRows; break;
        case SB_TOP: top = 1; break;
        case SB_BOTTOM: top = LastTopRow(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
          SCROLLINFO si{};
          si.cbSize = sizeof si;
          si.fMask = SIF_TRACKPOS;
          GetScrollInfo(container, SB_VERT, &si);
          top = si.nTrackPos / RowPixels + 1;
          break;
        }
      }
      ScrollTo(top);
      return TRUE;
    }
    case WM_DESTROY:
      if (Container == container) Container = nullptr;
      return FALSE;
  }
  return FALSE;
}

INT_PTR CALLBACK DataTableProc(HWND table, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR colour;
  if (DialogColours(table, msg, wParam, lParam, kTableColours, colour)) return colour;
  switch (msg) {
    case WM_INITDIALOG: {
      DialogTemplate c = NewDialog("", TableLeft, TableTop, LabelWidth + TableColumns * CellWidth, VisibleRows * RowHeight,
                                   WS_CHILD | WS_VSCROLL | DS_CONTROL, WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT, DialogPlain);
      HWND container = CreateModelessDialog(c, table, FillTablePage);
      if (container) {
        ShowWindow(container, SW_SHOW);
        OwnedHandle pump(CreateThread(nullptr, 0, MessagePumpThread, container, 0, nullptr));  // runs on without its handle
      }
      if (ProgramGrid.initialise) ProgramGrid.initialise(table);
      FocusPage();
      return FALSE;
    }
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      if (id == kOk) {
        StoreTablePage(2, TopRow);
        // A cell read as another number than the one it shows ("2,0E-4" as 2) is never kept.
        int row = 0, column = 0;
        if (FirstRefusedCell(row, column)) {
          WarnBox(table, RefusedCellWarning(row, column));
          ShowCell(row, column);
          return TRUE;
        }
        if (!ProgramGrid.accept || ProgramGrid.accept(table)) {
          EndDialog(table, 1);
        } else {
          FocusPage();
        }
        return TRUE;
      }
      if (id == kCancel || id == IDCANCEL) {
        SetStatus("ZZZ");
        EndDialog(table, 0);
        return TRUE;
      }
      if (id >= kFirstColumnButtonId && id <= kLastColumnButtonId) {
        StoreTablePage(2, TopRow);
        // A dialog left without accepting marks the status; the next one must start clean.
        SetStatus("");
        if (ProgramGrid.command) ProgramGrid.command(table, id);
        StoreTablePage(0, TopRow);
        SetStatus("");
        FocusPage();
        return TRUE;
      }
      return FALSE;
    }
  }
  return FALSE;
}
