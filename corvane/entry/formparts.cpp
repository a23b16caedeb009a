#include "corvane/entry/formparts.h"

#include "core/globals.h"
#include "corvane/core/globals.h"
#include "win/fieldkeys.h"
#include "win/ids.h"
#include "win/messages.h"

namespace corvane {

INT_PTR FormMessage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, const FormBehaviour& form) {
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, *form.colours, colour)) return colour;
  switch (msg) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      if (id == kOkId) {
        form.accept(dialog);
        return TRUE;
      }
      if (id == kFormCancelId || id == IDCANCEL) {
        DialogStatus = "ZZZ";
        EndDialog(dialog, 0);
        return TRUE;
      }
      return form.click && form.click(dialog, id) ? TRUE : FALSE;
    }
    case WM_DESTROY:
      RestoreControls(dialog, form.firstField, form.lastField);
      return FALSE;
  }
  return FALSE;
}

void RefuseFormData(HWND dialog, const char* message) {
  WarningTones();
  ShowMessage(dialog, message, "WARNING!", WarningBoxStyle, DialogAnswer);
}

}  // namespace corvane
