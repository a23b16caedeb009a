// The load command: the load type choice of the structure or of a tank's substructure, and the
// table window or form of each load kind.
#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "corvane/core/globals.h"
#include "corvane/core/loadentry.h"
#include "corvane/entry/entry.h"
#include "corvane/entry/ids.h"
#include "win/fieldkeys.h"
#include "win/ids.h"
#include "win/loadtype.h"
#include "win/messages.h"

namespace corvane {

namespace {

constexpr int kWidth = 270;

int OptionCount = 4;

// The height of one character of the system's dialog base font in the dialog's units.
double BaseCharacterHeight(const DialogTemplate& d) {
  DialogTemplate probe = d;
  probe.controls.clear();
  probe.openActions.clear();
  probe.style &= ~static_cast<DWORD>(WS_VISIBLE);
  HWND h = CreateModelessDialog(probe, nullptr, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; });
  if (!h) return 8;
  RECT r = {0, 0, 4, 8};
  MapDialogRect(h, &r);
  DestroyWindow(h);
  double pixels = HIWORD(GetDialogBaseUnits());
  return r.bottom > 0 ? pixels * 8.0 / r.bottom : 8;
}

// Options yellow on dark teal, the roof's heading blue, the title and the frames on light yellow,
// the dialog pale.
const std::vector<ColourRule> kLoadTypeColours = {
    {WM_CTLCOLORDLG, AllControls, AllControlsEnd, 0, RGB(230, 240, 255)},
    {WM_CTLCOLORSTATIC, kFirstOptionId, kLastLoadOptionId, RGB(255, 255, 0), RGB(0, 128, 128)},
    {WM_CTLCOLORSTATIC, kRoofFrame, kRoofFrame, RGB(0, 0, 255), RGB(230, 240, 255)},
    {WM_CTLCOLORBTN, kLoadTypeEnterButton, kLoadTypeEnterButton, RGB(0, 0, 0), RGB(70, 186, 155)},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(255, 255, 200)},
};

// A scalar kind's form; its accepted values into LoadTable.
void RunLoadForm(HWND owner, int mode) {
  DialogStatus.clear();
  int end = static_cast<int>(ShowModalDialog(LoadGenerationDialog(mode), owner, LoadDataDialogProc));
  DialogAnswer = end;
  if (end == 1) StoreLoadForm(mode);
}

// The template set for a kind: its table window or its form.
void RunLoadTemplate(HWND owner, int mode) {
  if (mode == -1) {
    ShowTableWindow(owner, LoadTableDialog());
  } else if (mode >= 0) {
    RunLoadForm(owner, mode);
  }
}

void EnterOption(HWND dialog, int option) {
  if (IsShellRoof()) {
    RoofLoadDialogs(dialog, option);
  } else {
    LoadDataDialogs(dialog, LoadKindCode(option));
  }
}

}  // namespace

DialogTemplate LoadTypeDialog(int mode) {
  const std::vector<std::string> options = LoadTypeOptions();
  const int n = static_cast<int>(options.size());
  const bool shell = n == 8;
  OptionCount = n;
  DialogTemplate d = NewDialog(LoadTypeCaption(StructureType, LoadCaseName), 0, 0, kWidth, 100);
  const double c = BaseCharacterHeight(d);
  d.height = static_cast<int>(std::lround((shell ? 23.9 : n + 11.4) * c));
  int h = 0;
  const std::string title = LoadTypeTitle(mode);
  int tw = std::min(kWidth - 10, DialogTextWidth(d, title, h));
  AddLabel(d, kTitle, title, (kWidth - tw) / 2, 12, tw, 10, SS_CENTER);
  AddLine(d, kTitleLine, (kWidth - tw) / 2, 22, tw, 2);
  int widest = 0;
  for (const auto& o : options) widest = std::max(widest, DialogTextWidth(d, o, h));
  widest = std::min(kWidth - 30, widest + 7);
  const int x = (kWidth - widest) / 2;
  auto y = [shell](int k) { return 13 * k + 14 + (shell && k >= 3 ? (k == 8 ? 36 : 24) : 0); };
  if (shell) {
    AddFrame(d, kRoofFrame, "TRAPEZOIDAL LOADS ACROSS ELEMENT:", x - 8, y(3) - 12, widest + 16, 5 * 13 + 16);
    AddLine(d, kRoofLine, x - 8, y(8) - 5, widest + 16, 2);
  }
  for (int k = 1; k <= n; ++k)
    AddOption(d, kFirstOptionId - 1 + k, options[static_cast<size_t>(k - 1)], x, y(k), widest, 13,
              k == 1 ? WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON : WS_TABSTOP | BS_AUTORADIOBUTTON);
  const std::string enter = "&ENTER / EDIT Load Data";
  int bw = DialogTextWidth(d, enter, h) + 20;
  AddButton(d, kLoadTypeEnterButton, enter, (kWidth - bw) / 2, d.height - 42, bw, 16);
  AddButton(d, kCancelId, "&CLOSE", (kWidth - 50) / 2, d.height - 21, 50, 14);
  const int pointerY = d.height - 34;
  OnOpen(d, [n, pointerY](HWND dialog) {
    CheckRadioButton(dialog, kFirstOptionId, kFirstOptionId - 1 + n, kFirstOptionId);
    SetFocus(GetDlgItem(dialog, kFirstOptionId));
    PlacePointer(dialog, kWidth / 2, pointerY);
    SubclassControls(dialog, kFirstOptionId, kFirstOptionId - 1 + n, EditSubclassProc4);
    SubclassControl(dialog, kLoadTypeEnterButton, EditSubclassProc4);
  });
  return d;
}

INT_PTR CALLBACK LoadTypeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) RestoreControls(dialog, kLoadTypeEnterButton, kLastLoadOptionId);
  LoadTypeProfile profile;
  profile.options = OptionCount;
  profile.colours = &kLoadTypeColours;
  profile.enter = EnterOption;
  profile.enterIsOk = false;  // the options' Enter-key procedure presses the button
  return LoadTypeMessage(dialog, msg, wParam, lParam, profile);
}

int ShowLoadTypeDialog(HWND owner, int mode) {
  DialogAnswer = static_cast<int>(ShowModalDialog(LoadTypeDialog(mode), owner, LoadTypeDialogProc));
  return DialogAnswer;
}

DialogTemplate LoadTableDialog() {
  FillLoadCells();
  TableKind = 2;
  SetTableLayout(1, std::max(0, SharedIntegers.Get(kTableRowsSlot)),
                 std::max(1, SharedIntegers.Get(kCellColumnsSlot) - 1));
  return BuildDataTable();
}

void LoadDataDialogs(HWND owner, int kind) { RunLoadTemplate(owner, SetLoadTemplate(kind)); }

void RoofLoadDialogs(HWND owner, int option) { RunLoadTemplate(owner, SetRoofLoadTemplate(option)); }

bool EditLoadData(HWND owner) {
  return VisitLoadData([owner](int s) {
    if (s == 3) {
      RunTankSubstructureChoice(owner, 3);
    } else {
      ShowLoadTypeDialog(owner, s);
    }
  });
}

void UseLoadEntry() {
  TankActions.loads = [](HWND owner) { ShowLoadTypeDialog(owner, 3); };
}

}  // namespace corvane
