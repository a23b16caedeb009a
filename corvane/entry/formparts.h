#pragma once
// What Corvane's small data forms (the load data form, the roof shell, generation, uniform value
// and half-space dialogs) share: their callback's frame on the entry module's small form.
#include <windows.h>

#include <vector>

#include "win/colours.h"

namespace corvane {

struct FormBehaviour {
  const std::vector<ColourRule>* colours;
  void (*accept)(HWND dialog);                  // Ok (55): checks, then ends the form or keeps it
  bool (*click)(HWND dialog, int id) = nullptr;  // any other button; true when it was taken
  int firstField, lastField;                    // the subclassed fields, given back on WM_DESTROY
};

// A form's callback: its colours, Ok, Cancel (56 or Escape: "ZZZ" in DialogStatus, the form
// ends with 0), the other buttons and WM_DESTROY.
INT_PTR FormMessage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, const FormBehaviour& form);

}  // namespace corvane
