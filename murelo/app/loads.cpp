// The load data command on screen: the substructure selection in its load mode, the load-type
// dialog of the substructure, whose "&ENTER / EDIT Load Data" opens the uniform load dialog or
// the load table of the ticked type, around the file work of EditLoadData.
#include <algorithm>
#include <string>

#include "app.h"
#include "core/numbers.h"
#include "murelo/core/dataentry.h"
#include "murelo/core/jobfiles.h"
#include "murelo/core/loadedit.h"
#include "murelo/core/slots.h"
#include "murelo/entry/entry.h"
#include "murelo/entry/ids.h"
#include "win/colours.h"
#include "win/ids.h"
#include "win/loadtype.h"

namespace murelo {

namespace {

int LoadTypeCount() { return SubstructureNumber(CurrentSubstructure) == kBasePlate ? 3 : 4; }

// The load table's texts from the table description.
void SetTableTexts(const Table2D<std::string>& h, int columns) {
  Table = TableTexts();
  Table.kind = h.Get(kTableWordSlot, kKindRow);
  Table.title = h.Get(kTableWordSlot, kTitleRow);
  Table.firstButton = h.Get(kTableButtonSlot, 0);
  Table.heads[0] = h.Get(kTableHeadSlot, kLabelColumnRow);
  Table.groupHead = h.Get(kTableHeadSlot, kGroupHeadRow);
  Table.units[0] = h.Get(kTableUnitSlot, kLabelColumnRow);
  for (int c = 1; c <= columns && c <= 4; ++c) {
    Table.units[static_cast<size_t>(c)] = h.Get(kTableUnitSlot, c);
    Table.labels[static_cast<size_t>(c)] = h.Get(kRangeLabelSlot, kRangeValueRow - 1 + c);
  }
  for (int r = 0; r <= kLastLabelRow; ++r) {
    Table.rangeLabels[static_cast<size_t>(r)] = h.Get(kRangeLabelSlot, r);
    Table.secondLabels[static_cast<size_t>(r)] = h.Get(kSecondLabelSlot, r);
  }
  Table.rowKind = Table.kind == "NODAL" ? "NODE" : "ELEMENT";
}

// A button of the load table: the first the same loads at all nodes or the linear load between
// nodes, the others GENERATE on value column 1, 2 or 3.
void LoadTableButton(HWND table, int id, int k, int rows, int columns) {
  const bool nodal = k == 1 || k == 3;
  if (id == kFirstButtonId) {
    const int kind = nodal ? (columns == 3 ? 3 : 2) : 1;
    if (ShowModalDialog(LoadGenerationDialog(kind), table, LoadDataDialogProc) != 1) return;
    if (!nodal) {
      FillGeneratedCells(FieldTexts);
      return;
    }
    for (int r = 1; r <= rows; ++r)
      for (int c = 1; c <= columns && static_cast<size_t>(c) < FieldTexts.size(); ++c)
        CellTexts(c + 1, r) = FieldTexts[static_cast<size_t>(c)];
    return;
  }
  const int column = ButtonColumn(id);
  if (id != GenerateButtonId(column) || column > 3) return;
  if (column > columns) return;
  // The range dialog of this column: its value label, its first cell.
  const auto saved = Table.rangeLabels;
  Table.rangeLabels[kRangeValueRow] = Table.labels[static_cast<size_t>(column)];
  const INT_PTR end = ShowModalDialog(LoadGenerationDialog(4, column), table, LoadDataDialogProc);
  Table.rangeLabels = saved;
  if (end != 1 || FieldTexts.size() < 5) return;
  std::vector<int> generated;
  GenerationRows(FieldTexts[1], FieldTexts[2], FieldTexts[3], rows, generated);
  for (int r : generated) CellTexts(column + 1, r) = FieldTexts[4];
}

// The colours of the load-type dialog: the options white on teal, the heading black on light
// yellow, the rest on grey.
const std::vector<ColourRule> kLoadTypeColours = {
    {WM_CTLCOLORSTATIC, kLoadTypeFirstOptionId, kLoadTypeLastOptionId, RGB(255, 255, 255), RGB(0, 128, 128)},
    {WM_CTLCOLORSTATIC, kHeadingId, kHeadingId, RGB(0, 0, 0), RGB(255, 255, 200)},
    {WM_CTLCOLORBTN, kLoadTypeEnterButton, kLoadTypeEnterButton, RGB(0, 0, 0), RGB(0, 255, 150)},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(128, 128, 128)},
};

}  // namespace

void LoadDataDialogs(HWND owner, int type) {
  const int sub = SubstructureNumber(CurrentSubstructure);
  if (type == 1) {
    Table = TableTexts();
    const Table2D<std::string> h = UniformLoadHeadings(CurrentSubstructure);
    Table.kind = h.Get(kTableWordSlot, kKindRow);
    Table.title = h.Get(kTableWordSlot, kTitleRow);
    for (int r = 0; r <= 3; ++r) Table.secondLabels[static_cast<size_t>(r)] = h.Get(kSecondLabelSlot, r);
    if (ShowModalDialog(LoadGenerationDialog(0), owner, LoadDataDialogProc) == 1) StoreUniformLoad(sub, FieldTexts);
    return;
  }
  const int k = WorkTableOf(sub, type);
  if (k == 0) return;
  const int rows = WorkTableRows(k, ElementCount(kBasePlate), ElementCount(kWallStem)), columns = WorkTableColumns(k);
  if (rows < 1) return;
  CellTexts.Redim(columns + 1, rows);
  FillLoadCells(k, rows);
  SetTableTexts(LoadTableHeadings(CurrentSubstructure, type, LoadCaseName), columns);
  LoadTableCommand = [k, rows, columns](HWND table, int id) { LoadTableButton(table, id, k, rows, columns); };
  LoadTableAccept = [k, rows](HWND) {
    StoreLoadCells(k, rows);
    return true;
  };
  ShowTableWindow(owner, 2, rows, columns);
  LoadTableCommand = nullptr;
  LoadTableAccept = nullptr;
}

DialogTemplate LoadTypeDialog() {
  const bool wall = SubstructureNumber(CurrentSubstructure) == kWallStem;
  const int n = LoadTypeCount();
  const int W = 270, H = 14 + 13 * (n + 1) + 52;
  DialogTemplate d = NewDialog(LoadTypeCaption(StructureTitle, LoadCaseName), 0, 0, W, H);
  AddLabel(d, kHeadingId, (wall ? std::string("WALL STEM") : Trim(CurrentSubstructure)) + ": SELECTION OF LOAD TYPE",
           20, 8, W - 40, 10, SS_CENTER);
  AddLine(d, kRuleId, 20, 20, W - 40, 2);
  const char* plate[] = {"&Uniform Load and Self-Weight", "&Nodal Line Load", "Vertical Trapezoidal &Load"};
  const char* stem[] = {"&Uniform Load and Self-Weight", "&Nodal Line Load", "Horizontal Trapezoidal &Load",
                        "Vertical (on Surface) &Trapezoidal Load"};
  const int optionWidth = 190;
  for (int i = 1; i <= n; ++i)
    AddOption(d, kLoadTypeFirstOptionId - 1 + i, wall ? stem[i - 1] : plate[i - 1], (W - optionWidth) / 2, 14 + 13 * i, optionWidth, 13,
              WS_TABSTOP | BS_AUTORADIOBUTTON | WS_BORDER | (i == 1 ? WS_GROUP : 0));
  AddButton(d, kLoadTypeEnterButton, "&ENTER / EDIT Load Data", (W - optionWidth) / 2, H - 44, optionWidth, 15,
            WS_TABSTOP | BS_DEFPUSHBUTTON);
  AddButton(d, kCancelId, "&CLOSE", (W - 50) / 2, H - 22, 50, 14);
  OnOpen(d, [](HWND dialog) {
    CheckDlgButton(dialog, kLoadTypeFirstOptionId, BST_CHECKED);
    SetFocus(GetDlgItem(dialog, kLoadTypeFirstOptionId));
  });
  return d;
}

INT_PTR CALLBACK LoadTypeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  static LoadTypeProfile profile;
  profile.options = LoadTypeCount();
  profile.colours = &kLoadTypeColours;
  profile.enter = [](HWND d, int type) { LoadDataDialogs(d, type); };
  return LoadTypeMessage(dialog, msg, wParam, lParam, profile);
}

int ShowLoadTypeDialog(HWND owner) {
  return static_cast<int>(ShowModalDialog(LoadTypeDialog(), owner, LoadTypeDialogProc));
}

void LoadDataCommand() {
  EditLoadData([] {
    LoadTypeAction = [](HWND owner) { ShowLoadTypeDialog(owner); };
    ShowModalDialog(SubstructureDialog(3), MainWindow, SubstructureDialogProc);
    LoadTypeAction = nullptr;
  });
}

}  // namespace murelo
