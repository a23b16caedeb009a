#include "win/fieldkeys.h"

#include "core/globals.h"

namespace {

const char* const PreviousProp = "SuitePreviousProc";
// On a dialog opened while Return was down (chosen from a menu or by a button with Enter): 1 +
// the key's toggle bit of that press.
const char* const HeldEnterProp = "SuiteHeldEnter";

// Kept per control, so buttons and fields (different classes) and nested dialogs can share one
// procedure.
LRESULT PassOn(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto previous = reinterpret_cast<WNDPROC>(GetPropA(control, PreviousProp));
  if (msg == WM_NCDESTROY && previous) {
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(control, PreviousProp);
    RemovePropA(GetParent(control), HeldEnterProp);
  }
  if (!previous) return DefWindowProcA(control, msg, wParam, lParam);
  return CallWindowProcA(previous, control, msg, wParam, lParam);
}

// The release of Return on a control, unless it ends the press that opened the control's dialog
// (the toggle bit changes with every press, so a later press is told apart).
bool EnterReleased(HWND control, UINT msg, WPARAM wParam) {
  if (msg != WM_KEYUP || wParam != VK_RETURN) return false;
  HWND dialog = GetParent(control);
  auto held = reinterpret_cast<INT_PTR>(GetPropA(dialog, HeldEnterProp));
  if (held == 0) return true;
  RemovePropA(dialog, HeldEnterProp);
  return held != 1 + (GetKeyState(VK_RETURN) & 1);
}

void Press(HWND dialog, int id) {
  if (HWND button = GetDlgItem(dialog, id)) SendMessageA(button, BM_CLICK, 0, 0);
}

void Focus(HWND dialog, int id) {
  if (HWND field = GetDlgItem(dialog, id)) FocusField(field);
}

void PressAsProc2(HWND dialog, int id) {
  if (id == 56 || id == 131 || id == 196 || id == 197 || id == 198) {
    Press(dialog, id);
  } else {
    Press(dialog, 55);
  }
}

}  // namespace

LRESULT CALLBACK EditSubclassProc(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND dialog = GetParent(control);
  int id = GetDlgCtrlID(control);
  int n = SharedIntegers(4, 0), first = SharedIntegers(4, 1), last = first + n - 1;
  if (EnterReleased(control, msg, wParam)) {
    if (id < last) {
      Focus(dialog, id + 1);
    } else {
      Press(dialog, 55);
    }
  } else if (msg == WM_KEYDOWN && wParam == VK_UP && id > first && id <= last) {
    Focus(dialog, id - 1);
  } else if (msg == WM_KEYDOWN && wParam == VK_DOWN && id >= first && id < last) {
    Focus(dialog, id + 1);
  }
  return PassOn(control, msg, wParam, lParam);
}

LRESULT CALLBACK EditSubclassProc2(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (EnterReleased(control, msg, wParam)) PressAsProc2(GetParent(control), GetDlgCtrlID(control));
  return PassOn(control, msg, wParam, lParam);
}

LRESULT CALLBACK EditSubclassProc3(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (EnterReleased(control, msg, wParam)) {
    HWND dialog = GetParent(control);
    int id = GetDlgCtrlID(control);
    if (id >= 201 && id <= 203) {
      bool any = false;
      for (int b = 196; b <= 198; ++b) {
        if (GetDlgItem(dialog, b)) {
          Press(dialog, b);
          any = true;
        }
      }
      if (!any) Press(dialog, 9876);
    }
    PressAsProc2(dialog, id);
  }
  return PassOn(control, msg, wParam, lParam);
}

LRESULT CALLBACK EditSubclassProc4(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (EnterReleased(control, msg, wParam)) {
    HWND dialog = GetParent(control);
    Press(dialog, GetDlgItem(dialog, 131) ? 131 : 9876);
  }
  return PassOn(control, msg, wParam, lParam);
}

void FocusField(HWND field) {
  SetFocus(field);
  if (SendMessageA(field, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(field, EM_SETSEL, 0, -1);
}

void SubclassControl(HWND dialog, int id, WNDPROC proc) {
  HWND control = GetDlgItem(dialog, id);
  if (!control || GetPropA(control, PreviousProp)) return;
  // The dialog is being opened: a Return still down belongs to whatever opened it.
  SHORT enter = GetKeyState(VK_RETURN);
  if (enter < 0 && !GetPropA(dialog, HeldEnterProp))
    SetPropA(dialog, HeldEnterProp, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(1 + (enter & 1))));
  auto previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
  SetPropA(control, PreviousProp, reinterpret_cast<HANDLE>(previous));
}

void SubclassControls(HWND dialog, int first, int last, WNDPROC proc) {
  for (int id = first; id <= last; ++id) SubclassControl(dialog, id, proc);
}

void RestoreControl(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) return;
  if (auto previous = reinterpret_cast<WNDPROC>(GetPropA(control, PreviousProp))) {
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(control, PreviousProp);
  }
}

void RestoreControls(HWND dialog, int first, int last) {
  for (int id = first; id <= last; ++id) RestoreControl(dialog, id);
}
