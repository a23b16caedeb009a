// The load value and generation dialog: a small form whose heading, fields and first texts come
// from the mode and the table template; it only collects and checks texts, the caller applies them.
#include <algorithm>
#include <cmath>

#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "trabix/core/dataentry.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/slots.h"
#include "trabix/entry/entry.h"
#include "trabix/entry/ids.h"
#include "trabix/entry/tablewindow.h"
#include "win/colours.h"
#include "win/fieldkeys.h"
#include "win/ids.h"
#include "win/messages.h"

namespace trabix {

Table2D<std::string> FormTexts;
std::vector<std::string> FieldTexts(7);

namespace {

int ValueMode = 0;

struct FormField {
  std::string label, text;
};

// Number of integer fields (node or element numbers and the step) of a mode.
int IntegerFields(int mode) {
  if (mode == 1) return 2;
  if (mode == 4 || mode == 5 || mode == 11 || mode == 12) return 3;
  return 0;
}

std::string Cell(int row, int column) { return LTrim(CellTexts.Get(column, row)); }

std::string ShownValue(double value) {
  if (std::fabs(value) < 1.0E-4) return "0";
  return Trim(NumberToText(static_cast<float>(value)));
}

void Fields(int mode, std::string& heading, std::vector<FormField>& fields) {
  int rows = SharedIntegers.Get(kTableRowsSlot);
  std::string r = std::to_string(rows), r1 = std::to_string(rows + 1);
  bool winkler = FormTexts.Get(0, 0) == "WINKLER";
  auto value = [](int i) { return i < static_cast<int>(LoadValues.size()) ? LoadValues[i] : 0.0; };
  switch (mode) {
    case 0:
      heading = FormTexts.Get(6, 3);
      fields = {{FormTexts.Get(6, 1), ShownValue(value(kUniformLoadSlot))},
                {FormTexts.Get(6, 2), ShownValue(value(kMassDensitySlot))}};
      break;
    case 1: {
      heading = FormTexts.Get(6, 2);
      bool yield = heading == " Yield Stress Function [kPa]: f=A+Bz^n ";
      fields = {{FormTexts.Get(6, 0), "1"}, {FormTexts.Get(6, 1), r1},
                {FormTexts.Get(6, 3), winkler && yield ? Cell(1, 4) : Cell(1, 2)},
                {FormTexts.Get(6, 4), winkler ? std::string() : Cell(rows, 3)}};
      if (winkler) fields.push_back({FormTexts.Get(6, 5), ""});
      break;
    }
    case 2:
      heading = FormTexts.Get(6, 0);
      fields = {{FormTexts.Get(6, 1), Cell(1, 2)}, {FormTexts.Get(6, 2), Cell(1, 3)}};
      break;
    case 4:
    case 5:
      heading = FormTexts.Get(5, 3);
      fields = {{FormTexts.Get(5, 0), "1"}, {FormTexts.Get(5, 1), r}, {FormTexts.Get(5, 2), "1"},
                {mode == 4 ? FormTexts.Get(5, 4) : FormTexts.Get(5, 5), mode == 4 ? Cell(1, 2) : Cell(1, 3)}};
      break;
    case 10:
      heading = " UNIFORM Temperature Changes [Celsius]:";
      fields = {{" Above Element, Ta=", Cell(1, 2)}, {" Below Element, Tb=", Cell(1, 3)}};
      break;
    default:  // 11, 12
      heading = " Temperature Change [Celsius]";
      fields = {{" Start Element No :", "1"}, {" End Element No :", r}, {" Step :", "1"},
                {mode == 11 ? " Above Element, Ta=" : " Below Element, Tb=", mode == 11 ? Cell(1, 2) : Cell(1, 3)}};
      break;
  }
}

// The first field id and the count of the dialog on screen.
int ValueFirst = kValueFieldId, ValueCount = 0;

// The field with the focus on the light yellow brush; the labels in the system's colours.
const std::vector<ColourRule> ValueDialogColours = {
    {WM_CTLCOLOREDIT, AllControls, AllControlsEnd, SystemColour(COLOR_WINDOWTEXT), RGB(255, 255, 200), false,
     ColourFocused},
    {WM_CTLCOLORSTATIC, kLoadGenerationLabelBaseId + 1, kLoadGenerationLabelBaseId + 10, SystemColour(COLOR_WINDOWTEXT),
     SystemColour(COLOR_BTNFACE)},
};

}  // namespace

DialogTemplate LoadGenerationDialog(int mode) {
  ValueMode = mode;
  SharedIntegers(kLoadGenerationModeSlot) = mode;
  std::string heading;
  std::vector<FormField> fields;
  Fields(mode, heading, fields);
  std::string caption = FormTexts.Get(0, 0) == "WINKLER" ? std::string(" WINKLER SOIL DATA GENERATION:")
                                                         : " LOAD DATA GENERATION - Load Case: " + LoadCaseName;
  int first = SharedIntegers.Get(kFirstFieldIdSlot) > 0 ? SharedIntegers.Get(kFirstFieldIdSlot) : kValueFieldId;
  DialogTemplate d = NewDialog(caption, 0, 0, 205, 0, DataDialogStyle, 0,
                               mode == 0 ? DialogConventional : DialogNoMoveSize);
  int h = 0, widest = 60;
  for (const FormField& f : fields) widest = std::max(widest, DialogTextWidth(d, f.label, h));
  if (mode != 0) d.width = std::max(205, widest + 100);
  AddLabel(d, kLoadGenerationHeadingId, heading, 5, 5, d.width - 10, 10);
  int n = static_cast<int>(fields.size()), integers = IntegerFields(mode);
  ValueFirst = first;
  ValueCount = n;
  for (int k = 1; k <= n; ++k) {
    int y = 7 + 13 * k;
    AddLabel(d, kLoadGenerationLabelBaseId + k, fields[k - 1].label, 5, y + 1, widest, 10, SS_RIGHT);
    AddField(d, first + k - 1, fields[k - 1].text, widest + 8, y, 80, 12,
             WS_TABSTOP | ES_AUTOHSCROLL | ES_MULTILINE | (k <= integers ? ES_NUMBER : 0));
  }
  int y = 7 + 13 * (n + 1) + 6;
  AddButton(d, kOkId, "&Ok", d.width / 2 - 45, y, 40, 14);
  AddButton(d, kFormCancelId, "&Cancel", d.width / 2 + 5, y, 40, 14);
  d.height = y + 20;
  OnOpen(d, [first, n](HWND dialog) {
    StartFields(dialog, first, n);
    PointerOnControl(dialog, kOkId);
  });
  return d;
}

namespace {
// The integer fields are only read; the values are checked, then the node range or the range.
bool ValuesValid(HWND dialog) {
  int mode = ValueMode;
  bool winkler = FormTexts.Get(0, 0) == "WINKLER";
  int integers = IntegerFields(mode);
  int values = mode == 1 && winkler ? 3 : (integers == 3 ? 1 : 2);
  int first = SharedIntegers.Get(kFirstFieldIdSlot);
  for (int k = 1; k <= integers + values; ++k) {
    int code = k <= integers ? 55 : 7;
    WarnIncorrectData(dialog, first + k - 1, FieldTexts[k], NumberCharsSigned, code);
    if (k > integers && code != 0) return false;
  }
  bool valid = true;
  std::vector<int> rows;
  if (mode == 1)
    valid = NodeRangeValid(WholeNumber(FieldTexts[1]), WholeNumber(FieldTexts[2]), ElementCount() + 1, winkler,
                           ParseNumber(FieldTexts[3]), ParseNumber(FieldTexts[4]), ParseNumber(FieldTexts[5]));
  else if (integers == 3)
    valid = RangeRows(FieldTexts, SharedIntegers.Get(kTableRowsSlot), rows);
  if (!valid) WarnBox(dialog, "Incorrect LOAD Data!\r\n\r\n        Correct the Data!         ");
  return valid;
}
}  // namespace

INT_PTR CALLBACK LoadDataDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  return entry::SmallFormMessage(dialog, msg, wParam, lParam, ValueDialogColours, ValueFirst,
                                 ValueFirst + ValueCount - 1, DialogStatus, ValuesValid);
}

}  // namespace trabix
