#pragma once
// What the programs' small data forms share: the start of their numeric fields, the colours of
// those fields, the field texts read back, the warning of a refused entry, and the one- to
// five-row forms over a table window (a heading, label and field rows, Ok 55 and Cancel 56).
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/colours.h"
#include "win/dialogs.h"

// At a data dialog's opening: Enter moves through fields first..first+count-1 and presses Ok (55)
// in the last; the first field has the focus with its text selected, so typing replaces it.
void StartFields(HWND dialog, int first, int count);

// The rules of a dialog whose fields first..last are drawn the common way, the focused one black
// on white and the others blue on light yellow, ahead of the dialog's own rules.
std::vector<ColourRule> WithFieldColours(int first, int last, const std::vector<ColourRule>& own);

// The trimmed text of a field; the trimmed texts of fields first..first+count-1 at [1..count].
std::string FieldText(HWND dialog, int id);
std::vector<std::string> TrimmedFields(HWND dialog, int first, int count);

// The four warning tones, then the text in a "WARNING!" box (its answer into the profile's).
void WarnBox(HWND dialog, const std::string& text);

// One row of a small form: a label on the right of its column and the field after it.
struct FormRow {
  int labelId, fieldId;
  std::string label, text;
  bool digits;  // the field takes digits only
};

// A small form: the caption, a heading, the rows, Ok (55) and Cancel (56). Enter moves through
// the fields and presses Ok in the last; the first field has the focus and the mouse pointer
// stands on Ok.
DialogTemplate SmallForm(const std::string& caption, int headingId, const std::string& heading,
                         const std::vector<FormRow>& rows);
// Ok and Cancel of a small form: Ok ends it with 1 when `valid` passes (which has warned
// otherwise); Cancel sets the status to "ZZZ" and ends it with 0.
INT_PTR SmallFormCommand(HWND dialog, WPARAM wParam, std::string& status, const std::function<bool(HWND)>& valid);
