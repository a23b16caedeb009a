#include "win/loadtype.h"

#include "core/globals.h"
#include "win/dialogs.h"
#include "win/ids.h"
#include "win/messages.h"

namespace {

POINT typePointer{};  // where the pointer was when the choice opened

void EnterLoadData(HWND dialog, const LoadTypeProfile& profile) {
  int last = kLoadTypeFirstOption + profile.options - 1;
  int id = FirstCheckedButton(dialog, kLoadTypeFirstOption, last);
  if (id == 0) return;
  int option = id - kLoadTypeFirstOption + 1;
  if (profile.enter) profile.enter(dialog, option);
  int next = id < last && !profile.backToFirst ? id + 1 : kLoadTypeFirstOption;
  CheckDlgButton(dialog, id, BST_UNCHECKED);
  CheckDlgButton(dialog, next, BST_CHECKED);
  SetFocus(GetDlgItem(dialog, profile.backToFirst ? profile.enterButton : next));
  SetCursorPos(typePointer.x, typePointer.y);
}

}  // namespace

std::string LoadTypeCaption(const std::string& structure, const std::string& loadCase) {
  return "   " + structure + " ANALYSIS.   JOB: " + JobSpec + "     Load Case: " + loadCase;
}

INT_PTR LoadTypeMessage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, const LoadTypeProfile& profile) {
  INT_PTR colour;
  if (profile.colours && DialogColours(dialog, msg, wParam, lParam, *profile.colours, colour)) return colour;
  switch (msg) {
    case WM_INITDIALOG:
      GetCursorPos(&typePointer);
      return FALSE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kCancelId:
          EndDialog(dialog, 1);
          return TRUE;
        case IDOK:  // Enter: the default button, also on an option
          if (!profile.enterIsOk) return TRUE;
          EnterLoadData(dialog, profile);
          return TRUE;
      }
      if (LOWORD(wParam) == profile.enterButton) {
        EnterLoadData(dialog, profile);
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}
