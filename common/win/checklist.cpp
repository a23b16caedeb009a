#include "win/checklist.h"
#include "win/ids.h"

#include <cstring>

#include "core/nodemarks.h"
#include "core/numbers.h"
#include "win/messages.h"

namespace {

const char* const PreviousProp = "SuiteCheckListProc";

bool IsCheckList(HWND list) { return list && GetPropA(list, PreviousProp) != nullptr; }

void Repaint(HWND list, int index) {
  RECT r;
  if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) != LB_ERR)
    InvalidateRect(list, &r, TRUE);
  UpdateWindow(list);
}

void Toggle(HWND list, int index) {
  int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  if (index < 0 || index >= count) return;
  int mark = static_cast<int>(SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
  SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(ToggleMark(mark)));
  Repaint(list, index);
}

}  // namespace

LRESULT CALLBACK CheckListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto previous = reinterpret_cast<WNDPROC>(GetPropA(list, PreviousProp));
  if (msg == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN || wParam == VK_SPACE)) {
    int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    int at = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
    if (at < 0) at = 0;
    if (wParam == VK_SPACE) {
      SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
      Toggle(list, at);
      return 0;
    }
    int next = wParam == VK_UP ? at - 1 : at + 1;
    if (next >= 0 && next < count) {
      SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(next), 0);
      Toggle(list, next);
    }
    return 0;
  }
  // Space toggles; as a character it would move the selection to the next row beginning with a
  // blank.
  if (msg == WM_CHAR && wParam == ' ') return 0;
  if (msg == WM_LBUTTONDOWN) {
    LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, lParam);
    if (HIWORD(hit) == 0) {
      SetFocus(list);
      SendMessageA(list, LB_SETCURSEL, LOWORD(hit), 0);
      Toggle(list, LOWORD(hit));
    }
    return 0;
  }
  if (msg == WM_NCDESTROY && previous) {
    SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(list, PreviousProp);
  }
  if (!previous) return DefWindowProcA(list, msg, wParam, lParam);
  return CallWindowProcA(previous, list, msg, wParam, lParam);
}

void InstallCheckList(HWND list) {
  if (!list || IsCheckList(list)) return;
  auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(list, GWLP_WNDPROC));
  SetPropA(list, PreviousProp, reinterpret_cast<HANDLE>(previous));
  SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CheckListProc));
}

bool DrawCheckListItem(LPARAM drawItem) {
  auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(drawItem);
  if (!item || item->CtlType != ODT_LISTBOX || !IsCheckList(item->hwndItem)) return false;
  if (item->itemID == static_cast<UINT>(-1)) return true;
  HDC dc = item->hDC;
  RECT r = item->rcItem;
  FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
  bool marked = item->itemData != 0;
  RECT box = {r.left + 3, r.top + 2, r.left + 3 + (r.bottom - r.top - 4), r.bottom - 2};
  DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | (marked ? DFCS_CHECKED : 0));
  char text[64] = {};
  if (SendMessageA(item->hwndItem, LB_GETTEXTLEN, item->itemID, 0) < static_cast<LRESULT>(sizeof text))
    SendMessageA(item->hwndItem, LB_GETTEXT, item->itemID, reinterpret_cast<LPARAM>(text));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 255));
  TextOutA(dc, r.left + 18, r.top, text, static_cast<int>(strlen(text)));
  if (item->itemState & ODS_SELECTED) InvertRect(dc, &r);
  if (item->itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
  return true;
}

std::vector<int> CheckListMarks(HWND list) {
  int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  std::vector<int> marks(static_cast<size_t>(count < 0 ? 0 : count) + 1, 0);
  for (int i = 0; i < count; ++i)
    marks[static_cast<size_t>(i) + 1] = static_cast<int>(SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0));
  return marks;
}

void SetCheckListMarks(HWND list, const std::vector<int>& marks) {
  int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    size_t k = static_cast<size_t>(i) + 1;
    SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(i), k < marks.size() ? marks[k] : 0);
  }
  InvalidateRect(list, nullptr, TRUE);
}

void FillCheckList(HWND list, int count, const std::vector<int>& marks) {
  for (int i = 1; i <= count; ++i)
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(("  " + NumberToText(i)).c_str()));
  InstallCheckList(list);
  SetCheckListMarks(list, marks);
  SendMessageA(list, LB_SETCURSEL, 0, 0);
}

bool NodeListDialogMessage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, int listId,
                           void (*accept)(const std::vector<int>& marks), INT_PTR okEnd) {
  if (msg == WM_DRAWITEM) return DrawCheckListItem(lParam);
  if (msg != WM_COMMAND) return false;
  // The list's id does not fit LOWORD: only the buttons are matched here.
  const int id = LOWORD(wParam);
  HWND list = GetDlgItem(dialog, listId);
  if (id == kRemoveChecksId) {
    SetCheckListMarks(list, {});
    SetFocus(list);
    PointerOnControl(dialog, kContinueId);
  } else if (id == kContinueId) {
    accept(CheckListMarks(list));
    EndDialog(dialog, okEnd);
  } else if (id == kExitId || id == IDCANCEL) {
    EndDialog(dialog, 0);
  } else {
    return false;
  }
  return true;
}
