#include <cmath>
#include <vector>

#include "core/fieldcheck.h"
#include "core/numbers.h"
#include "corvane/core/globals.h"
#include "corvane/core/tablecells.h"
#include "corvane/entry/formparts.h"
#include "corvane/entry/entry.h"
#include "corvane/entry/ids.h"
#include "win/dataform.h"
#include "win/fieldkeys.h"
#include "win/ids.h"
#include "win/messages.h"

namespace corvane {

namespace {

constexpr int kWidth = 260;

struct Line {
  bool heading;
  std::string text;
};

int DefaultFieldCount(int mode) {
  switch (mode) {
    case 0: case 2: case 9: case 10: return 2;
    case 3: return 3;
    case 7: return Substructure == "WALL" ? 8 : 4;
    default: return 4;
  }
}

std::string Template(int row, int position) { return FormTexts.Get(row, position); }

// The form's lines top to bottom: headings and the labels of the fields in field order.
std::vector<Line> FormLines(int mode, int n) {
  std::vector<Line> lines;
  auto field = [&](const std::string& label) { lines.push_back({false, label}); };
  auto heading = [&](const std::string& text) {
    if (!Trim(text).empty()) lines.push_back({true, text});
  };
  switch (mode) {
    case 4: case 5: case 6:
      field(Template(5, 0));
      field(Template(5, 1));
      field(Template(5, 2));
      heading(Template(5, 3));
      field(Template(5, mode));
      break;
    case 11: case 12:
      field(" Start Element No :");
      field(" End Element No :");
      field(" Step :");
      heading(" Temperature Change [Celsius]");
      field(mode == 11 ? " Above Element, Ta=" : " Below Element, Tb=");
      break;
    case 10:
      heading(" UNIFORM Temperature Changes [Celsius]:");
      field(" Above Element, Ta=");
      field(" Below Element, Tb=");
      break;
    case 1:
      field(Template(6, 0));
      field(Template(6, 1));
      heading(Template(6, 2));
      field(Template(6, 3));
      field(Template(6, 4));
      break;
    case 2: case 3:
      heading(Template(6, 0));
      for (int k = 1; k <= n; ++k) field(Template(6, k));
      break;
    case 7:
      if (n >= 8) {
        const char* groups[4] = {" TEMPERATURE CHANGES at WALL BOTTOM:", " TEMPERATURE CHANGES at WALL TOP:",
                                 "SHRINKAGE/SWELLING STRAINS at WALL BOTTOM:", "SHRINKAGE/SWELLING STRAINS at WALL TOP:"};
        for (int g = 0; g < 4; ++g) {
          heading(groups[g]);
          field(g < 2 ? " Change Inside Tank [Celsius] =" : " Strain in Inner Fibres =");
          field(g < 2 ? " Change Outside Tank [Celsius] =" : " Strain in Outer Fibres =");
        }
      } else {
        heading(Template(6, 3));
        field(" Temperature Top [Celsius] =");
        field(" Temperature Bottom [Celsius] =");
        heading("SHRINKAGE/SWELLING EFFECT:");
        field(" Strain in Top Fibres =");
        field(" Strain in Bottom Fibres =");
      }
      break;
    default:  // 0, 9: the scalar forms
      heading(Template(6, 3));
      for (int k = 1; k <= n; ++k) field(Template(6, k));
      break;
  }
  // Only as many fields as the form has.
  std::vector<Line> kept;
  int fields = 0;
  for (const auto& l : lines) {
    if (!l.heading && ++fields > n) continue;
    kept.push_back(l);
  }
  return kept;
}

std::string Shown(float value, const char* mask) {
  if (std::fabs(value) < 0.0001f) return "0";
  return Trim(FormatNumber(value, mask));
}

// What each field shows when the form opens.
std::vector<std::string> Defaults(int mode, int n) {
  std::vector<std::string> d(static_cast<size_t>(n) + 1, "0");
  int rows = SharedIntegers.Get(kTableRowsSlot);
  auto load = [](int g, int k) { return LoadTable.Get(g, k); };
  switch (mode) {
    case 0: {
      int g = Substructure == "WALL" ? 2 : Substructure == "ROOF STRUCTURE" ? 3 : 1;
      if (n == 1) {
        d[1] = Shown(load(3, 2), "###0.000");
      } else {
        d[1] = Shown(load(g, 1), "###0.000");
        d[2] = Shown(load(g, 2), "###0.000");
      }
      break;
    }
    case 1:
      d[1] = "1";
      d[2] = Trim(NumberToText(rows + 1));
      break;
    case 4: case 5: case 6: case 11: case 12:
      d[1] = "1";
      d[2] = Trim(NumberToText(rows));
      d[3] = "1";
      break;
    case 7: {
      bool wall = n >= 8, roof = Substructure == "ROOF STRUCTURE";
      int temperatures = wall ? 10 : roof ? 12 : 9, strains = wall ? 7 : roof ? 8 : 6, each = wall ? 4 : 2;
      for (int k = 1; k <= each && k <= n; ++k) d[static_cast<size_t>(k)] = Shown(load(temperatures, k), "###0.000");
      for (int k = 1; k <= each && each + k <= n; ++k)
        d[static_cast<size_t>(each + k)] = Shown(load(strains, k), "0.000E+##");
      break;
    }
    case 9:
      d[1] = Shown(load(4, 1), "###0.000");
      d[2] = Shown(load(4, 2), "###0.000");
      break;
  }
  return d;
}

// The fields the mode puts through the number check: first..last (1-based).
void CheckedFields(int mode, int n, int& first, int& last) {
  first = 1;
  last = n;
  switch (mode) {
    case 0: last = std::min(2, n); break;
    case 1: first = 3; last = 4; break;
    case 2: last = 2; break;
    case 3: last = 3; break;
    case 4: case 5: case 6: case 11: case 12: first = last = 4; break;
    case 9: case 10: last = 2; break;
  }
  last = std::min(last, n);
}

// The form light blue; the focused field dark blue on light yellow, the others on white; headings
// dark red on pale blue, labels dark blue on the form.
const std::vector<ColourRule> kLoadFormColours = {
    {WM_CTLCOLORDLG, AllControls, AllControlsEnd, 0, RGB(230, 240, 255)},
    {WM_CTLCOLOREDIT, AllControls, AllControlsEnd, RGB(0, 0, 160), RGB(255, 255, 200), false, ColourFocused},
    {WM_CTLCOLOREDIT, AllControls, AllControlsEnd, RGB(0, 0, 160), RGB(255, 255, 255), false},
    {WM_CTLCOLORSTATIC, kLoadHeadingBaseId, kLoadHeadingBaseId + 9, RGB(128, 0, 0), RGB(200, 215, 255), false},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 160), RGB(230, 240, 255)},
};

// Ok: the fields through their checks, then the mode's rule; the form ends with 1 when both hold.
void Accept(HWND dialog) {
  int mode = SharedIntegers(kLoadFormModeSlot), n = SharedIntegers(kFieldCountSlot),
      first = SharedIntegers(kFirstFieldIdSlot);
  int from = 1, to = n;
  CheckedFields(mode, n, from, to);
  FieldTexts.assign(static_cast<size_t>(n) + 1, std::string());
  for (int i = 1; i <= n; ++i) {
    std::string text;
    int code = 7;  // the number check without a range
    if (i >= from && i <= to) {
      WarnIncorrectData(dialog, first + i - 1, text, NumberCharsSigned, code);
      if (code > 1) return;
    } else {
      code = 55;  // read only: these fields are normalised without a warning
      WarnIncorrectData(dialog, first + i - 1, text, NumberCharsSigned, code);
      NormaliseNumberText(text, NumberCharsSigned, code, 7);
    }
    FieldTexts[static_cast<size_t>(i)] = text;
  }
  if (!LoadFormRuleHolds(mode, FieldTexts, n, JobDataTable.Get(2, 3))) {
    WarnBox(dialog, "Incorrect LOAD Data!\r\n\r\n        Correct the Data!         ");
    return;
  }
  EndDialog(dialog, 1);
}

}  // namespace

DialogTemplate LoadGenerationDialog(int mode) {
  int n = SharedIntegers.Get(kFieldCountSlot), first = SharedIntegers.Get(kFirstFieldIdSlot);
  if (n < 1) n = DefaultFieldCount(mode);
  if (first < 1) first = kFirstFormFieldId;
  SharedIntegers(kFieldCountSlot) = n;
  SharedIntegers(kFirstFieldIdSlot) = first;
  SharedIntegers(kLoadFormModeSlot) = mode;
  std::vector<Line> lines = FormLines(mode, n);
  std::vector<std::string> defaults = Defaults(mode, n);

  DialogTemplate d = NewDialog(" LOAD DATA GENERATION - Load Case: " + LoadCaseName, 0, 0, kWidth, 40);
  int y = 10, field = 0, heading = 0;
  for (const auto& l : lines) {
    if (l.heading) {
      AddLabel(d, kLoadHeadingBaseId + heading++, l.text, 8, y + 2, kWidth - 16, 10, SS_CENTER);
      y += 14;
    } else {
      AddLabel(d, kFormLabelBaseId + field, l.text, 6, y + 2, 158, 10, SS_RIGHT);
      AddField(d, first + field, defaults[static_cast<size_t>(field + 1)], 168, y, 80, 12);
      ++field;
      y += 16;
    }
  }
  // Fields the template had no label for still exist, so that the form has its n fields.
  for (; field < n; ++field, y += 16) AddField(d, first + field, defaults[static_cast<size_t>(field + 1)], 168, y, 80, 12);
  y += 6;
  AddButton(d, kOkId, "&Ok", kWidth / 2 - 50, y, 40, 14);
  AddButton(d, kFormCancelId, "&Cancel", kWidth / 2 + 10, y, 40, 14);
  d.height = y + 22;
  OnOpen(d, [first, n](HWND dialog) {
    SubclassControls(dialog, first, first + n - 1, EditSubclassProc);
    SetFocus(GetDlgItem(dialog, first));
  });
  return d;
}

INT_PTR CALLBACK LoadDataDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  int n = SharedIntegers(kFieldCountSlot), first = SharedIntegers(kFirstFieldIdSlot);
  return FormMessage(dialog, msg, wParam, lParam, {&kLoadFormColours, Accept, nullptr, first, first + n - 1});
}

}  // namespace corvane
