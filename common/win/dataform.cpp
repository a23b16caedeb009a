// The programs' small data forms (see dataform.h).
#include "win/dataform.h"
#include "win/ids.h"

#include <algorithm>

#include "core/globals.h"
#include "core/numbers.h"
#include "win/fieldkeys.h"
#include "win/messages.h"

void StartFields(HWND dialog, int first, int count) {
  SharedIntegers(kFieldCountSlot) = count;
  SharedIntegers(kFirstFieldIdSlot) = first;
  SubclassControls(dialog, first, first + count - 1, EditSubclassProc);
  if (HWND field = GetDlgItem(dialog, first)) FocusField(field);
}

std::vector<ColourRule> WithFieldColours(int first, int last, const std::vector<ColourRule>& own) {
  std::vector<ColourRule> rules = {
      {WM_CTLCOLOREDIT, first, last, RGB(0, 0, 0), StockColour(WHITE_BRUSH), false, ColourFocused},
      {WM_CTLCOLOREDIT, first, last, RGB(0, 0, 255), RGB(255, 255, 200), false},
  };
  rules.insert(rules.end(), own.begin(), own.end());
  return rules;
}

std::string FieldText(HWND dialog, int id) {
  char buffer[256] = {};
  GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
  return Trim(buffer);
}

std::vector<std::string> TrimmedFields(HWND dialog, int first, int count) {
  std::vector<std::string> texts(static_cast<size_t>(count) + 1);
  for (int i = 1; i <= count; ++i) texts[i] = FieldText(dialog, first + i - 1);
  return texts;
}

void WarnBox(HWND dialog, const std::string& text) {
  WarningTones();
  ShowMessage(dialog, text, "WARNING!", WarningBoxStyle, *ProgramMessages.answer);
}

DialogTemplate SmallForm(const std::string& caption, int headingId, const std::string& heading,
                         const std::vector<FormRow>& rows) {
  DialogTemplate d = NewDialog(caption, 0, 0, 230, 0);
  int widest = 60, h = 0;
  for (const FormRow& r : rows) widest = std::max(widest, DialogTextWidth(d, r.label, h));
  d.width = std::max(230, widest + 100);
  AddLabel(d, headingId, heading, 5, 5, d.width - 10, 10);
  int y = 20;
  for (const FormRow& r : rows) {
    // The width measured in dialog units may round a pixel or two short of the text: the label
    // takes two units more on its left, its right edge stays beside the field.
    AddLabel(d, r.labelId, r.label, 3, y + 1, widest + 2, 10, SS_RIGHT);
    AddField(d, r.fieldId, r.text, widest + 8, y, 80, 12,
             WS_TABSTOP | ES_AUTOHSCROLL | ES_MULTILINE | (r.digits ? ES_NUMBER : 0));
    y += 14;
  }
  y += 6;
  AddButton(d, kOkId, "&Ok", d.width / 2 - 45, y, 40, 14);
  AddButton(d, kFormCancelId, "&Cancel", d.width / 2 + 5, y, 40, 14);
  d.height = y + 20;
  int first = rows.front().fieldId, count = static_cast<int>(rows.size());
  OnOpen(d, [first, count, y](HWND dialog) {
    StartFields(dialog, first, count);
    PlacePointer(dialog, 20, y + 7);
  });
  return d;
}

INT_PTR SmallFormCommand(HWND dialog, WPARAM wParam, std::string& status, const std::function<bool(HWND)>& valid) {
  int id = LOWORD(wParam);
  if (id == kOkId) {
    if (valid(dialog)) EndDialog(dialog, 1);
    return TRUE;
  }
  if (id == kFormCancelId || id == kCancelId) {
    status = "ZZZ";
    EndDialog(dialog, 0);
    return TRUE;
  }
  return FALSE;
}
