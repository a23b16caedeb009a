// The generation dialog of the grids' GENERATE buttons and of the unyielding-supports check list,
// and the uniform value dialog of the geometry and support tables.
#include <algorithm>

#include "core/fieldcheck.h"
#include "core/numbers.h"
#include "corvane/core/geometryentry.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/entry/formparts.h"
#include "corvane/entry/entry.h"
#include "corvane/entry/ids.h"
#include "win/dataform.h"
#include "win/fieldkeys.h"
#include "win/grid.h"
#include "win/ids.h"
#include "win/messages.h"

namespace corvane {

namespace {

constexpr int kWidth = 250;

// The value column the generation dialog on screen fills (its mode).
int GenerationColumn = 1;

std::string KindWord() { return FormTexts.Get(0, 0); }

bool ShellRoofGeometry() {
  return KindWord() == "GEOMETRY" && Substructure == "ROOF STRUCTURE" && AnswerAt(GeometryAnswers, kShellRoofSlot) == "Y";
}

// A generation label as the dialogs show it: right-aligned in 24 places (a longer one whole).
std::string RightAligned(const std::string& label) {
  return label.size() >= 24 ? label : std::string(24 - label.size(), ' ') + label;
}

// Labels navy on the pale form, the heading dark red, the focused field on light yellow.
const std::vector<ColourRule> kGenerationColours = {
    {WM_CTLCOLORDLG, AllControls, AllControlsEnd, 0, RGB(235, 245, 255)},
    {WM_CTLCOLOREDIT, AllControls, AllControlsEnd, RGB(0, 0, 160), RGB(255, 255, 200), false, ColourFocused},
    {WM_CTLCOLOREDIT, AllControls, AllControlsEnd, RGB(0, 0, 160), RGB(255, 255, 255), false},
    {WM_CTLCOLORSTATIC, kHeadingId, kHeadingId, RGB(128, 0, 0), RGB(235, 245, 255)},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 128), RGB(235, 245, 255)},
};

void AcceptGeneration(HWND dialog) {
  int n = SharedIntegers(kFieldCountSlot), first = SharedIntegers(kFirstFieldIdSlot);
  bool shell = ShellRoofGeometry();
  if (shell && IsDlgButtonChecked(dialog, kShellBox) == BST_CHECKED) {
    UniformRoofWidthFields(FieldTexts);
    EndDialog(dialog, 1);
    return;
  }
  std::string allowed;
  int kind = 7;
  GenerationFieldRule(KindWord(), shell, allowed, kind);
  FieldTexts.assign(static_cast<size_t>(std::max(n, 4)) + 1, std::string());
  for (int i = 1; i <= n; ++i) {
    std::string text;
    int code = kind;
    WarnIncorrectData(dialog, first + i - 1, text, allowed, code);
    if (code > 1) return;
    FieldTexts[static_cast<size_t>(i)] = text;
  }
  if (!GenerationFieldsValid(FieldTexts, TableRows, shell && n >= 4)) {
    WarnBox(dialog, kGenerationRangeMessage);
    return;
  }
  EndDialog(dialog, 1);
}

void AcceptUniform(HWND dialog) {
  entry::TableTexts table;
  table.kind = KindWord();
  std::string text;
  int kind = entry::ValueRule(table);
  WarnIncorrectData(dialog, entry::kUniformFieldId, text, NumberCharsSigned, kind);
  if (kind > 1) return;
  DialogStatus = text;
  EndDialog(dialog, 0);
}

// Runs a dialog whose Enter group is its own and gives the caller's group back afterwards.
INT_PTR WithFields(int count, int first, const std::function<INT_PTR()>& show) {
  int keptCount = SharedIntegers(kFieldCountSlot), keptFirst = SharedIntegers(kFirstFieldIdSlot);
  SharedIntegers(kFieldCountSlot) = count;
  SharedIntegers(kFirstFieldIdSlot) = first;
  INT_PTR end = show();
  SharedIntegers(kFieldCountSlot) = keptCount;
  SharedIntegers(kFirstFieldIdSlot) = keptFirst;
  return end;
}

}  // namespace

std::string GenerationLabel(int column) { return FormTexts.Get(kGenerationTextRow, column); }

DialogTemplate GenerationDialog(int mode) {
  GenerationColumn = std::max(1, std::min(3, mode));
  int n = SharedIntegers(kFieldCountSlot), first = SharedIntegers(kFirstFieldIdSlot);
  bool checkList = n == 3;
  bool node = FormTexts.Get(kGenerationTextRow, 0) == "NODE";
  DialogTemplate d = NewDialog(DataCaption(), 0, 0, kWidth, 60);
  AddLabel(d, kHeadingId, checkList ? " UNYIELDING SUPPORTS DATA GENERATION:" : " GEOMETRY DATA GENERATION:", 8, 7,
           kWidth - 16, 10, SS_CENTER);
  AddLine(d, kRuleId, 8, 18, kWidth - 16, 2);
  const std::string labels[3] = {node ? " START NODE No:" : " START ELEMENT No (Nodes i,j):",
                                 node ? " END NODE No:" : " END ELEMENT No:", " STEP:"};
  const std::string defaults[3] = {"1", Trim(NumberToText(TableRows)), "1"};
  int y = 26;
  for (int i = 0; i < n; ++i, y += 16) {
    std::string label = i < 3 ? labels[i] : RightAligned(GenerationLabel(GenerationColumn));
    std::string value = i < 3 ? defaults[i] : Trim(CellTexts.Get(GenerationColumn + 1, 1));
    if (i == 3) y += 4;
    AddLabel(d, kFormLabelBaseId + i, label, 6, y + 2, 166, 10, SS_RIGHT);
    AddField(d, first + i, value, 176, y, 64, 12);
  }
  bool shellBox = ShellRoofGeometry() && GenerationColumn == 1;
  if (shellBox) {
    AddCheckBox(d, kShellBox, " Uniform x-Component of Element Width ", 30, y + 2, kWidth - 60, 12);
    y += 18;
  }
  y += 6;
  AddButton(d, kOkId, "&Ok", kWidth / 2 - 50, y, 40, 14);
  AddButton(d, kFormCancelId, "&Cancel", kWidth / 2 + 10, y, 40, 14);
  d.height = y + 22;
  OnOpen(d, [first, n, shellBox](HWND dialog) {
    for (int id = kFormLabelBaseId; id < kFormLabelBaseId + n; ++id) SetFixedFont(dialog, id);
    SubclassControls(dialog, first, first + n - 1, EditSubclassProc);
    if (shellBox) {
      CheckDlgButton(dialog, kShellBox, BST_CHECKED);
      SubclassControl(dialog, kShellBox, EditSubclassProc2);
    }
    SetFocus(GetDlgItem(dialog, first));
    PointerOnControl(dialog, kOkId);
  });
  return d;
}

INT_PTR CALLBACK GenerationDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  int n = SharedIntegers(kFieldCountSlot), first = SharedIntegers(kFirstFieldIdSlot);
  return FormMessage(dialog, msg, wParam, lParam, {&kGenerationColours, AcceptGeneration, nullptr, first, first + n - 1});
}

DialogTemplate UniformGeometryDialog(int column, int fourth) {
  SharedIntegers(kUniformColumnSlot) = column;
  SharedIntegers(kUniformOffsetSlot) = fourth;
  DialogTemplate d = NewDialog(DataCaption(), 0, 0, kWidth, 78);
  AddLabel(d, kHeadingId, " UNIFORM GEOMETRY DATA GENERATION:", 8, 7, kWidth - 16, 10, SS_CENTER);
  AddLine(d, kRuleId, 8, 18, kWidth - 16, 2);
  AddLabel(d, kFormLabelBaseId, RightAligned(GenerationLabel(column)), 6, 30, 166, 10, SS_RIGHT);
  AddField(d, entry::kUniformFieldId, Trim(CellTexts.Get(column + 1, 1)), 176, 28, 64, 12);
  AddButton(d, kOkId, "&Ok", kWidth / 2 - 50, 54, 40, 14);
  AddButton(d, kFormCancelId, "&Cancel", kWidth / 2 + 10, 54, 40, 14);
  OnOpen(d, [](HWND dialog) {
    SetFixedFont(dialog, kFormLabelBaseId);
    SubclassControl(dialog, entry::kUniformFieldId, EditSubclassProc);
    SetFocus(GetDlgItem(dialog, entry::kUniformFieldId));
    PointerOnControl(dialog, kOkId);
  });
  return d;
}

INT_PTR CALLBACK UniformGeometryDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  return FormMessage(dialog, msg, wParam, lParam, {&kGenerationColours, AcceptUniform, nullptr, entry::kUniformFieldId, entry::kUniformFieldId});
}

int RunGenerationDialog(HWND owner, int column) {
  // The grids generate a range and one value; the check list sets its own three fields.
  return static_cast<int>(WithFields(4, entry::kFirstRangeFieldId, [&] {
    return ShowModalDialog(GenerationDialog(column), owner, GenerationDialogProc);
  }));
}

void RunUniformDialog(HWND owner, int column) {
  WithFields(1, entry::kUniformFieldId, [&] { return ShowModalDialog(UniformGeometryDialog(column, 1), owner, UniformGeometryDialogProc); });
}

}  // namespace corvane
