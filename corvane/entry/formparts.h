#pragma once
// What Corvane's two data forms (the load data form and the roof shell dialog) share: their
// callback's frame and their refusal of data that breaks a rule.
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

// The warning tones, then message in a "WARNING!" box; the form stays open.
void RefuseFormData(HWND dialog, const char* message);

}  // namespace corvane
