// Quillet.dll: the window class "CheckListBox" (see quillet.h for its messages).
//
// Ownership: each control's state record lives in the window property "#LSTBOXPRP" from WM_CREATE
// to WM_NCDESTROY, where it is taken back and freed. The state owns everything else the control
// makes: the back-colour brush (made once per colour change) and every item record. A list item
// holds its record's address as its item data, and the record is freed when the list deletes the
// item (WM_DELETEITEM), or with the state at the latest. An item data value that is not one of the
// state's records reads as no record: unchecked, enabled, user value 0.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

#include "quillet/quillet.h"
#include "win/handles.h"

namespace quillet {

struct CheckListItem {
  int checked = 0;
  int enabled = 1;
  LONG_PTR value = 0;  // pointer-wide, so a program can keep an address in it
};

constexpr COLORREF SystemColours = static_cast<COLORREF>(-1);

struct CheckListState {
  HFONT font = nullptr;
  COLORREF back = SystemColours;  // -1: COLOR_WINDOW
  COLORREF text = SystemColours;  // -1: COLOR_WINDOWTEXT
  int textGap = 4;
  WNDPROC previous = nullptr;  // the list box's own procedure
  HWND list = nullptr;
  OwnedBrush backBrush;
  std::unordered_map<const CheckListItem*, std::unique_ptr<CheckListItem>> records;
};

// The library's globals.
HINSTANCE Module = nullptr;
bool Registered = false;
const char* const StateProperty = "#LSTBOXPRP";

LRESULT CALLBACK CheckListBoxProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK CheckListSubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

HINSTANCE RegisterCheckListBox(HINSTANCE module) {
  if (!Registered) {
    WNDCLASSA wc = {};
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = CheckListBoxProc;
    wc.hInstance = module;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = CheckListBoxClass;
    if (!RegisterClassA(&wc)) return nullptr;
    Registered = true;
  }
  Module = module;
  return module;
}

namespace {

CheckListState* StateOf(HWND window) { return static_cast<CheckListState*>(GetPropA(window, StateProperty)); }

LRESULT ToList(const CheckListState& s, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageA(s.list, msg, wParam, lParam);
}

bool ValidIndex(const CheckListState& s, WPARAM index) {
  LRESULT count = ToList(s, LB_GETCOUNT);
  return count > 0 && index < static_cast<WPARAM>(count);
}

// The record of a valid item, null when it has none.
CheckListItem* RecordOf(CheckListState& s, WPARAM index) {
  auto data = reinterpret_cast<const CheckListItem*>(ToList(s, LB_GETITEMDATA, index));
  auto found = s.records.find(data);
  return found == s.records.end() ? nullptr : found->second.get();
}

// The record of a valid item, given one (unchecked, enabled, value 0) when it had none.
CheckListItem* EnsureRecord(CheckListState& s, WPARAM index) {
  if (CheckListItem* item = RecordOf(s, index)) return item;
  std::unique_ptr<CheckListItem> item(new (std::nothrow) CheckListItem);
  if (!item || ToList(s, LB_SETITEMDATA, index, reinterpret_cast<LPARAM>(item.get())) == LB_ERR) return nullptr;
  CheckListItem* raw = item.get();
  s.records.emplace(raw, std::move(item));
  return raw;
}

const CheckListItem& ReadRecord(CheckListState& s, WPARAM index) {
  static const CheckListItem none;
  const CheckListItem* item = RecordOf(s, index);
  return item ? *item : none;
}

bool ItemRect(const CheckListState& s, WPARAM index, RECT& r) {
  return ToList(s, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)) != LB_ERR;
}

RECT CheckBoxRect(const RECT& item) {
  int top = item.top + (item.bottom - item.top - 16) / 2;
  return RECT{item.left + 4, top, item.left + 20, top + 16};
}

HBRUSH BackBrush(const CheckListState& s) {
  return s.backBrush ? s.backBrush.get() : GetSysColorBrush(COLOR_WINDOW);
}

POINT CursorInList(const CheckListState& s) {
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(s.list, &p);
  return p;
}

LRESULT HitTest(const CheckListState& s) {
  LRESULT count = ToList(s, LB_GETCOUNT);
  LRESULT height = ToList(s, LB_GETITEMHEIGHT);
  if (count <= 0 || height <= 0) return -1;
  LRESULT row = ToList(s, LB_GETTOPINDEX) + CursorInList(s).y / height;
  return std::clamp<LRESULT>(row, 0, count - 1);
}

void Toggle(HWND window, WPARAM index) {
  LRESULT checked = SendMessageA(window, CLB_GETCHECK, index, 0);
  SendMessageA(window, CLB_SETCHECK, index, checked ? 0 : 1);
}

LRESULT Create(HWND window, const CREATESTRUCTA& cs) {
  std::unique_ptr<CheckListState> state(new (std::nothrow) CheckListState);
  if (!state || !SetPropA(window, StateProperty, state.get())) return -1;
  CheckListState& s = *state.release();  // the property holds it until WM_NCDESTROY
  const DWORD passed = LBS_SORT | LBS_MULTIPLESEL | LBS_USETABSTOPS | LBS_WANTKEYBOARDINPUT | LBS_EXTENDEDSEL |
                       LBS_MULTICOLUMN | LBS_NODATA | LBS_NOSEL;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                LBS_NOINTEGRALHEIGHT | (static_cast<DWORD>(cs.style) & passed);
  RECT client{};
  GetClientRect(window, &client);
  s.list = CreateWindowExA(0, "LISTBOX", "", style, 0, 0, client.right, client.bottom, window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(CheckListBoxListId)), Module, nullptr);
  if (!s.list) return -1;
  SendMessageA(window, WM_SETFONT, 0, TRUE);
  s.previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(s.list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CheckListSubclassProc)));
  return 0;
}

void SetFont(HWND window, CheckListState& s, HFONT font, bool redraw) {
  s.font = font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  int textHeight = 0;
  {
    WindowDc dc(window);
    SelectionGuard useFont(dc.get(), s.font);
    RECT r{};
    textHeight = DrawTextA(dc.get(), "A", 1, &r, DT_CALCRECT | DT_SINGLELINE);
  }
  ToList(s, LB_SETITEMHEIGHT, 0, std::max(textHeight, 20));
  if (redraw) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void DrawItem(CheckListState& s, const DRAWITEMSTRUCT& d) {
  HDC dc = d.hDC;
  RECT item = d.rcItem;
  if (d.itemID == static_cast<UINT>(-1)) {
    DrawFocusRect(dc, &item);
    return;
  }
  const CheckListItem& record = ReadRecord(s, d.itemID);
  bool selected = (d.itemState & ODS_SELECTED) != 0;
  FillRect(dc, &item, selected ? GetSysColorBrush(COLOR_HIGHLIGHT) : BackBrush(s));
  SetTextColor(dc, selected                      ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                   : s.text == SystemColours ? GetSysColor(COLOR_WINDOWTEXT)
                                                 : s.text);
  SetBkMode(dc, TRANSPARENT);
  LRESULT length = ToList(s, LB_GETTEXTLEN, d.itemID);
  if (length > 0) {
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    ToList(s, LB_GETTEXT, d.itemID, reinterpret_cast<LPARAM>(text.data()));
    SelectionGuard useFont(dc, s.font);
    RECT r = item;
    r.left += 20 + s.textGap;
    DrawTextA(dc, text.data(), -1, &r, DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  RECT box = CheckBoxRect(item);
  DrawFrameControl(dc, &box, DFC_BUTTON,
                   DFCS_BUTTONCHECK | (record.checked ? DFCS_CHECKED : 0) | (record.enabled ? 0 : DFCS_INACTIVE));
  if (d.itemState & ODS_FOCUS) DrawFocusRect(dc, &item);
}

// The space below the last item, which the owner-drawn list leaves to its owner.
HBRUSH FillBelowItems(const CheckListState& s, HDC dc) {
  RECT r{};
  GetClientRect(s.list, &r);
  LRESULT rows = ToList(s, LB_GETCOUNT) - ToList(s, LB_GETTOPINDEX);
  r.top = static_cast<LONG>(std::max<LRESULT>(rows, 0) * ToList(s, LB_GETITEMHEIGHT));
  if (r.top < r.bottom) FillRect(dc, &r, BackBrush(s));
  return BackBrush(s);
}

// The control's own messages (2024 to 4024).
LRESULT OwnMessage(CheckListState& s, UINT msg, WPARAM index, LPARAM lParam) {
  switch (msg) {
    case CLB_SETBKCOLOR:
      if (index > 0xFFFFFF) return 0;
      s.back = static_cast<COLORREF>(index);
      s.backBrush.reset(CreateSolidBrush(s.back));
      InvalidateRect(s.list, nullptr, TRUE);
      return 1;
    case CLB_SETTEXTCOLOR:
      if (index > 0xFFFFFF) return 0;
      s.text = static_cast<COLORREF>(index);
      InvalidateRect(s.list, nullptr, TRUE);
      return 1;
    case CLB_SETCHECK:
    case CLB_SETENABLED: {
      CheckListItem* item = ValidIndex(s, index) ? EnsureRecord(s, index) : nullptr;
      if (!item) return 0;
      RECT r{};
      bool shown = ItemRect(s, index, r);
      if (msg == CLB_SETCHECK) {
        item->checked = lParam != 0;
        r = CheckBoxRect(r);
      } else {
        item->enabled = lParam != 0;
      }
      if (shown) InvalidateRect(s.list, &r, TRUE);
      return 1;
    }
    case CLB_GETCHECK: return ValidIndex(s, index) ? ReadRecord(s, index).checked : -1;
    case CLB_GETENABLED: return ValidIndex(s, index) ? ReadRecord(s, index).enabled : -1;
    case CLB_ISVALIDINDEX: return ValidIndex(s, index) ? 1 : 0;
    case CLB_HITTEST: return HitTest(s);
    case CLB_GETROW:
      return ValidIndex(s, index) ? static_cast<LRESULT>(index) - ToList(s, LB_GETTOPINDEX) : -1;
    case CLB_GETITEMRECT: {
      RECT r{}, client{}, shown{};
      if (!lParam || !ValidIndex(s, index) || !ItemRect(s, index, r)) return 0;
      GetClientRect(s.list, &client);
      if (!IntersectRect(&shown, &r, &client)) return 0;
      *reinterpret_cast<RECT*>(lParam) = r;
      return 1;
    }
    case CLB_GETCURSORX: return CursorInList(s).x;
    case CLB_GETCURSORY: return CursorInList(s).y;
  }
  return 0;
}

// The list box messages (384 to 432): to the list, with the item records kept.
LRESULT ListMessage(CheckListState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
      LRESULT index = ToList(s, msg, wParam, lParam);
      if (index >= 0) EnsureRecord(s, static_cast<WPARAM>(index));
      return index;
    }
    case LB_GETITEMDATA: return ValidIndex(s, wParam) ? ReadRecord(s, wParam).value : LB_ERR;
    case LB_SETITEMDATA: {
      CheckListItem* item = ValidIndex(s, wParam) ? EnsureRecord(s, wParam) : nullptr;
      if (!item) return LB_ERR;
      item->value = lParam;
      return 1;
    }
  }
  return ToList(s, msg, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK CheckListBoxProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CREATE) return Create(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
  CheckListState* state = StateOf(window);
  if (!state) return DefWindowProcA(window, msg, wParam, lParam);
  CheckListState& s = *state;
  if (msg >= 2024 && msg <= 4024) return OwnMessage(s, msg, wParam, lParam);
  if (msg >= LB_ADDSTRING && msg <= 432) return ListMessage(s, msg, wParam, lParam);  // LB_ADDSTRING..0x1B0
  switch (msg) {
    case WM_SETFONT: SetFont(window, s, reinterpret_cast<HFONT>(wParam), lParam != 0); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(s.font);
    case WM_SETFOCUS: SetFocus(s.list); return 0;
    case WM_SIZE: MoveWindow(s.list, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE); return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == s.list && GetParent(window))
        return SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), HIWORD(wParam)),
                            reinterpret_cast<LPARAM>(window));
      break;
    case WM_SETCURSOR:
      if (GetParent(window))
        return SendMessageA(GetParent(window), WM_SETCURSOR, reinterpret_cast<WPARAM>(window), lParam);
      break;
    case WM_MOUSEACTIVATE:
      // A press on the selected row toggles it; the press that selects a row does not.
      if (GetFocus() == s.list && HIWORD(lParam) == WM_LBUTTONDOWN && LOWORD(lParam) == HTCLIENT) {
        LRESULT row = HitTest(s);
        if (row >= 0 && row == ToList(s, LB_GETCURSEL) && ReadRecord(s, static_cast<WPARAM>(row)).enabled)
          Toggle(window, static_cast<WPARAM>(row));
      }
      break;
    case WM_DRAWITEM: DrawItem(s, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_CTLCOLORLISTBOX:
      return reinterpret_cast<LRESULT>(FillBelowItems(s, reinterpret_cast<HDC>(wParam)));
    case WM_DELETEITEM:
      s.records.erase(reinterpret_cast<const CheckListItem*>(reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->itemData));
      return TRUE;
    case WM_NCDESTROY: {
      std::unique_ptr<CheckListState> ending(static_cast<CheckListState*>(RemovePropA(window, StateProperty)));
      break;
    }
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

LRESULT CALLBACK CheckListSubclassProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND container = GetParent(list);
  CheckListState* s = StateOf(container);
  if (!s || !s->previous) return DefWindowProcA(list, msg, wParam, lParam);
  if (msg != WM_CHAR) return CallWindowProcA(s->previous, list, msg, wParam, lParam);
  if (wParam == ' ') {
    LRESULT current = ToList(*s, LB_GETCURSEL);
    if (current >= 0 && SendMessageA(container, CLB_ISVALIDINDEX, current, 0) == 1 &&
        SendMessageA(container, CLB_GETENABLED, current, 0) == 1) {
      Toggle(container, static_cast<WPARAM>(current));
      if (HWND parent = GetParent(container))
        SendMessageA(parent, WM_COMMAND, static_cast<WPARAM>(GetDlgCtrlID(container)) + 65536,
                     reinterpret_cast<LPARAM>(list));
    }
  }
  return 0;  // every character is the control's
}

}  // namespace quillet

// The library's entry point (linked as such): registers the class when loaded, unregisters it
// when unloaded, so no window made by name later can call into the code that has gone.
extern "C" BOOL WINAPI LibraryEntry(HINSTANCE module, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) quillet::RegisterCheckListBox(module);
  // A null reserved argument: FreeLibrary, not the end of the process.
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr && quillet::Registered) {
    if (UnregisterClassA(CheckListBoxClass, module)) quillet::Registered = false;
  }
  return reason <= 3 ? TRUE : FALSE;
}

extern "C" __declspec(dllexport) HINSTANCE WINAPI CheckListBox_Init() { return quillet::Module; }
