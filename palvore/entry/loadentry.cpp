// Palvore's loads command on screen: the load type dialog, the trapezoidal and nodal load tables
// on the shared grid with the load structure view beside them, and their generation dialogs.
#include <algorithm>
#include <cmath>

#include "core/globals.h"
#include "core/numbers.h"
#include "palvore/core/dataentry.h"
#include "palvore/core/documents.h"
#include "palvore/core/globals.h"
#include "palvore/core/jobfiles.h"
#include "palvore/core/loadedit.h"
#include "palvore/core/slots.h"
#include "palvore/entry/entry.h"
#include "palvore/entry/ids.h"
#include "win/colours.h"
#include "win/dataform.h"
#include "win/fieldkeys.h"
#include "win/ids.h"
#include "win/loadtype.h"
#include "win/messages.h"

namespace palvore {

namespace {

const char* const kLoadTypeTitle = "SELECTION OF LOAD TYPE";
const char* const kTrapezoidalOption = "Trapezoidal &Load";
const char* const kNodalOption = "&Nodal Load";
const char* const kEnterText = "&ENTER / EDIT Load Data";

// What the generation dialogs of the open load table say: (5,0..5) the range dialog's captions,
// (6,0..4) those of its function dialog.
std::string RangeLabels[6], FunctionLabels[5];

std::string TrapezoidalUnit() { return IsSheetPile() ? "[kN/m^2]" : "[kN/m]"; }
std::string ForceUnit() { return IsSheetPile() ? " [kN/m]" : " [kN]"; }
std::string MomentUnit() { return IsSheetPile() ? " [kN*m/m]" : " [kN*m]"; }

void FillLoadTexts(int type) {
  Table = entry::TableTexts();
  if (type == 1) {
    const std::string unit = TrapezoidalUnit();
    Table.kind = "TRAPEZOIDAL";
    Table.title = "TRAPEZOIDAL LOAD DATA. Load Case: " + LoadCaseName;
    Table.groupHead = " Trapezoidal Load ";
    Table.heads = {"Element i", "at i, qi", "at j, qj", "", ""};
    Table.units = {"Nodes i-j", unit, unit, "", ""};
    Table.firstButton = "&SET LINEAR LOAD BETWEEN NODES 'i-m'";
    const std::string range[6] = {" Start Element No :", " End Element No :", " Step :",
                                  " Intensity of TRAPEZOIDAL LOADING " + unit + ":", " at Node i, qi=",
                                  " at Node j, qj="};
    const std::string function[5] = {" Start Node No (i):", " End Node No (m):",
                                     " Intensity of TRAPEZOIDAL LOAD " + unit + ":", " at Start Node i, qi=",
                                     " at End Node m, qm="};
    std::copy(range, range + 6, RangeLabels);
    std::copy(function, function + 5, FunctionLabels);
  } else {
    Table.kind = "NODAL";
    Table.title = "NODAL LOAD DATA. Load Case: " + LoadCaseName;
    Table.groupHead = " Nodal Loads ";
    Table.heads = {"Node", "Pi", "Mi", "", ""};
    Table.units = {"i", ForceUnit(), MomentUnit(), "", ""};
    Table.firstButton = "&INPUT SAME LOADS AT ALL NODES";
    const std::string range[6] = {" Start Node No :", " End Node No :", " Step :", " NODAL LOAD: ",
                                  " Force Phi" + ForceUnit() + "=", " Moment Mi" + MomentUnit() + "="};
    const std::string function[5] = {" NODAL LOADS: ", " Force Phi" + ForceUnit() + "=",
                                     " Moment Mi" + MomentUnit() + "=", "", ""};
    std::copy(range, range + 6, RangeLabels);
    std::copy(function, function + 5, FunctionLabels);
  }
}

// The field checks of a load generation dialog: node or row fields first (positive whole
// numbers), then the value fields (any number); then the range.
bool LoadGenerationValid(HWND dialog, int kind) {
  const size_t fields = kind == 2 ? 2 : 4;
  const size_t nodeFields = kind == 1 ? 2 : kind == 2 ? 0 : 3;
  std::vector<int> codes(fields, 0);
  std::fill(codes.begin(), codes.begin() + static_cast<std::ptrdiff_t>(nodeFields), 7);
  if (!GenerationFieldsValid(dialog, codes)) return false;
  std::vector<double> values(fields + 1, 0.0);
  for (size_t k = 1; k <= fields; ++k) values[k] = ParseNumber(FieldTexts[k]);
  if (!LoadRangeValid(kind, values)) {
    WarnBox(dialog, LoadRangeWarning());
    return false;
  }
  return true;
}

int GenerationKind = 0;  // of the generation dialog on screen

const std::vector<ColourRule> kLoadTypeColours = {
    {WM_CTLCOLORSTATIC, kTrapezoidalOptionId, kNodalOptionId, RGB(255, 255, 0), RGB(0, 128, 128)},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(255, 255, 200)},
};

}  // namespace

bool IsLoadTable(const std::string& kind) { return kind == "TRAPEZOIDAL" || kind == "NODAL"; }

DialogTemplate LoadTypeDialog() {
  // One character of the dialog font is 4 by 8 dialog units.
  const int c = 4, r = 8, W = 250, H = 12 * r + 8;
  DialogTemplate d = NewDialog(LoadTypeCaption(kStructureTitle, LoadCaseName), 0, 0, W, H, DataDialogStyle,
                               WS_EX_CLIENTEDGE);
  const int titleWidth = c * (static_cast<int>(std::string(kLoadTypeTitle).size()) + 2);
  AddLabel(d, kHeadingId, kLoadTypeTitle, (W - titleWidth) / 2, 12, titleWidth, 10, SS_CENTER);
  AddLine(d, kRuleId, (W - titleWidth) / 2, 22, titleWidth, 2, SS_BLACKRECT);
  const int optionWidth = c * (static_cast<int>(std::string(kTrapezoidalOption).size()) + 1);
  // The options stand one above the other under the rule, the buttons below them.
  AddOption(d, kTrapezoidalOptionId, kTrapezoidalOption, (W - optionWidth) / 2, 26, optionWidth, 12,
            WS_TABSTOP | WS_BORDER | BS_LEFT | BS_AUTORADIOBUTTON | WS_GROUP, 0x1200);
  AddOption(d, kNodalOptionId, kNodalOption, (W - optionWidth) / 2, 38, optionWidth, 12,
            WS_TABSTOP | WS_BORDER | BS_LEFT | BS_AUTORADIOBUTTON, 0x1200);
  const int enterWidth = c * static_cast<int>(std::string(kEnterText).size());
  AddButton(d, kEnterLoadDataId, kEnterText, (W - enterWidth) / 2, 55, enterWidth, 16, WS_TABSTOP | BS_DEFPUSHBUTTON);
  AddButton(d, kCancelId, "&CLOSE", (W - 50) / 2, 78, 50, 14);
  OnOpen(d, [](HWND dialog) {
    CheckDlgButton(dialog, kTrapezoidalOptionId, BST_CHECKED);
    SetFocus(GetDlgItem(dialog, kEnterLoadDataId));
    PointerOnControl(dialog, kEnterLoadDataId);
  });
  return d;
}

INT_PTR CALLBACK LoadTypeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  static const LoadTypeProfile profile = [] {
    LoadTypeProfile p;
    p.options = 2;
    p.colours = &kLoadTypeColours;
    p.enter = [](HWND d, int option) { LoadDataDialogs(d, option); };
    p.enterButton = kEnterLoadDataId;
    p.backToFirst = true;
    return p;
  }();
  if (msg == WM_INITDIALOG) SubclassControl(dialog, kEnterLoadDataId, EditSubclassProc2);
  if (msg == WM_DESTROY) RestoreControl(dialog, kEnterLoadDataId);
  return LoadTypeMessage(dialog, msg, wParam, lParam, profile);
}

int LoadDataDialogs(HWND owner, int type) {
  if (type != 1 && type != 2) return 0;
  FillLoadTexts(type);
  const int rows = FillLoadCells(type);
  if (rows < 1) return 0;
  return entry::ShowTableWindow(EntryProfile(), owner, 2, rows, 2);
}

DialogTemplate LoadGenerationDialog(int kind) {
  GenerationKind = kind;
  const std::string caption = " LOAD DATA GENERATION - Load Case: " + LoadCaseName;
  const int n = ElementCount(), rows = TableRows;
  const int heading = kLoadGenerationHeadingId, label = kLoadGenerationLabelBaseId + 1;
  if (kind == 1)
    return SmallForm(caption, heading, FunctionLabels[2],
                     GenerationFormRows(label, {{FunctionLabels[0], "1", true},
                                            {FunctionLabels[1], std::to_string(n + 1), true},
                                            {FunctionLabels[3], "0", false},
                                            {FunctionLabels[4], "0", false}}));
  if (kind == 2)
    return SmallForm(caption, heading, FunctionLabels[0],
                     GenerationFormRows(label, {{FunctionLabels[1], "0", false}, {FunctionLabels[2], "0", false}}));
  const int column = kind == 5 ? 2 : 1;
  return SmallForm(caption, heading, RangeLabels[3],
                   GenerationFormRows(label, {{RangeLabels[0], "1", true},
                                          {RangeLabels[1], std::to_string(rows), true},
                                          {RangeLabels[2], "1", true},
                                          {RangeLabels[3 + column], Trim(CellTexts.Get(column + 1, 1)), false}}));
}

INT_PTR CALLBACK LoadDataDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  static const std::vector<ColourRule> colours = WithFieldColours(entry::kFirstRangeFieldId, entry::kLastRangeFieldId, {});
  const int kind = GenerationKind;
  return entry::SmallFormMessage(dialog, msg, wParam, lParam, colours, entry::kFirstRangeFieldId, entry::kLastRangeFieldId, DialogStatus,
                                 [kind](HWND d) { return LoadGenerationValid(d, kind); });
}

void LoadTableCommand(HWND table, int id, int column) {
  const bool trapezoidal = Table.kind == "TRAPEZOIDAL";
  if (id == kFirstButtonId) {
    const int kind = trapezoidal ? 1 : 2;
    if (ShowModalDialog(LoadGenerationDialog(kind), table, LoadDataDialogProc) != 1) return;
    if (trapezoidal) {
      ApplyNodeFunction(FieldTexts);
    } else {
      for (int r = 1; r <= TableRows; ++r) {
        CellTexts(2, r) = TableCellText(ParseNumber(FieldTexts[kForceField]));
        CellTexts(3, r) = TableCellText(ParseNumber(FieldTexts[kMomentField]));
      }
    }
  } else if (id == kGenerateButtonId) {
    column = column == 2 ? 2 : 1;
    if (ShowModalDialog(LoadGenerationDialog(column == 2 ? 5 : 4), table, LoadDataDialogProc) != 1) return;
    auto whole = [](int field) { return static_cast<int>(ParseNumber(FieldTexts[field])); };
    ApplyColumnRange(column + 1, whole(kRangeStartField), whole(kRangeEndField), whole(kRangeStepField),
                     TableCellText(ParseNumber(FieldTexts[kRangeValueField])));
  }
}

void LoadDataCommand(HWND owner) {
  if (JobSpec.empty()) return;
  EditLoadData([owner] { ShowModalDialog(LoadTypeDialog(), owner, LoadTypeDialogProc); });
}

}  // namespace palvore
