#include "corvane/entry/formparts.h"

#include "core/globals.h"
#include "corvane/core/globals.h"
#include "entry/entry.h"
#include "win/ids.h"

namespace corvane {

INT_PTR FormMessage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, const FormBehaviour& form) {
  if (msg == WM_COMMAND) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) != BN_CLICKED) return FALSE;
    if (id != kOkId && id != kFormCancelId && id != kCancelId && form.click) return form.click(dialog, id) ? TRUE : FALSE;
  }
  // The form's Ok ends it itself, with 1 or (the uniform value) 0.
  const INT_PTR answer = entry::SmallFormMessage(dialog, msg, wParam, lParam, *form.colours, form.firstField,
                                                 form.lastField, DialogStatus, [&form](HWND d) {
                                                   form.accept(d);
                                                   return false;
                                                 });
  return msg == WM_INITDIALOG ? TRUE : answer;
}

}  // namespace corvane
