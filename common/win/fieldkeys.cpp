#include "win/fieldkeys.h"
#include "win/ids.h"

#include "core/globals.h"

namespace {

const char* const PreviousProp = "SuitePreviousProc";

// Kept per control, so buttons and fields (different classes) and nested dialogs can share one
// procedure.
LRESULT PassOn(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto previous = reinterpret_cast<WNDPROC>(GetPropA(control, PreviousProp));
  if (msg == WM_NCDESTROY && previous) {
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(control, PreviousProp);
  }
  if (!previous) return DefWindowProcA(control, msg, wParam, lParam);
  return CallWindowProcA(previous, control, msg, wParam, lParam);
}

// The controls of the Enter navigation act on the release of Return, so its key-down is theirs:
// the dialog manager must not press the default button with it, nor an edit field move the focus
// to that button (as Wine's does).
LRESULT PassOnTakingReturn(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_GETDLGCODE) {
    LRESULT code = PassOn(control, msg, wParam, lParam);
    auto* m = reinterpret_cast<const MSG*>(lParam);
    if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN) code |= DLGC_WANTALLKEYS;
    return code;
  }
  if ((msg == WM_KEYDOWN && wParam == VK_RETURN) || (msg == WM_CHAR && wParam == '\r')) return 0;
  return PassOn(control, msg, wParam, lParam);
}

void Press(HWND dialog, int id) {
  if (HWND button = GetDlgItem(dialog, id)) SendMessageA(button, BM_CLICK, 0, 0);
}

void Focus(HWND dialog, int id) {
  if (HWND field = GetDlgItem(dialog, id)) FocusField(field);
}

void PressAsProc2(HWND dialog, int id) {
  if (id == kFormCancelId || id == kCheckButtonId || (id >= kFirstActionId && id <= kLastActionId)) {
    Press(dialog, id);
  } else {
    Press(dialog, kOkId);
  }
}

}  // namespace

bool ReturnReleasedHere(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  static const char* const DownProp = "SuiteReturnDown";
  switch (msg) {
    case WM_GETDLGCODE: {
      // The dialog manager asks the focused control before it acts on a key-down.
      auto* m = reinterpret_cast<const MSG*>(lParam);
      if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN) SetPropA(control, DownProp, reinterpret_cast<HANDLE>(1));
      return false;
    }
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) SetPropA(control, DownProp, reinterpret_cast<HANDLE>(1));
      return false;
    case WM_KILLFOCUS:
    case WM_NCDESTROY:
      // A press whose key-down went to another window (a box it opened) ends there.
      RemovePropA(control, DownProp);
      return false;
    case WM_KEYUP:
      if (wParam != VK_RETURN) return false;
      return RemovePropA(control, DownProp) != nullptr;
  }
  return false;
}

LRESULT CALLBACK EditSubclassProc(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND dialog = GetParent(control);
  int id = GetDlgCtrlID(control);
  int n = SharedIntegers(kFieldCountSlot), first = SharedIntegers(kFirstFieldIdSlot), last = first + n - 1;
  if (ReturnReleasedHere(control, msg, wParam, lParam)) {
    if (id < last) {
      Focus(dialog, id + 1);
    } else {
      Press(dialog, kOkId);
    }
  } else if (msg == WM_KEYDOWN && wParam == VK_UP && id > first && id <= last) {
    Focus(dialog, id - 1);
  } else if (msg == WM_KEYDOWN && wParam == VK_DOWN && id >= first && id < last) {
    Focus(dialog, id + 1);
  }
  return PassOnTakingReturn(control, msg, wParam, lParam);
}

LRESULT CALLBACK EditSubclassProc2(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (ReturnReleasedHere(control, msg, wParam, lParam)) PressAsProc2(GetParent(control), GetDlgCtrlID(control));
  return PassOnTakingReturn(control, msg, wParam, lParam);
}

LRESULT CALLBACK EditSubclassProc3(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (ReturnReleasedHere(control, msg, wParam, lParam)) {
    HWND dialog = GetParent(control);
    int id = GetDlgCtrlID(control);
    if (id >= kFirstOptionId && id <= kLastOptionId) {
      bool any = false;
      for (int b = kFirstActionId; b <= kLastActionId; ++b) {
        if (GetDlgItem(dialog, b)) {
          Press(dialog, b);
          any = true;
        }
      }
      if (!any) Press(dialog, kContinueId);
    }
    PressAsProc2(dialog, id);
  }
  return PassOnTakingReturn(control, msg, wParam, lParam);
}

LRESULT CALLBACK EditSubclassProc4(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (ReturnReleasedHere(control, msg, wParam, lParam)) {
    HWND dialog = GetParent(control);
    Press(dialog, GetDlgItem(dialog, kCheckButtonId) ? kCheckButtonId : kContinueId);
  }
  return PassOnTakingReturn(control, msg, wParam, lParam);
}

LRESULT CallPreviousProc(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  return PassOn(control, msg, wParam, lParam);
}

void FocusField(HWND field) {
  SetFocus(field);
  if (SendMessageA(field, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(field, EM_SETSEL, 0, -1);
}

void SubclassControl(HWND dialog, int id, WNDPROC proc) {
  HWND control = GetDlgItem(dialog, id);
  if (!control || GetPropA(control, PreviousProp)) return;
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
