// The tank substructure choice: every tank command walks base plate, wall and roof through it.
#include <algorithm>

#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "corvane/core/geometryentry.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/globals.h"
#include "corvane/entry/entry.h"
#include "corvane/entry/ids.h"
#include "win/colours.h"
#include "win/fieldkeys.h"
#include "win/ids.h"
#include "win/messages.h"

namespace corvane {

TankSubstructureActions TankActions;

namespace {

constexpr int kWidth = 260;

// The choice on screen: its mode, the number of options and the pointer's place at opening.
int ChoiceMode = 1;
int OptionCount = 3;
POINT Remembered = {0, 0};

const char* const kOptions[3] = {"TANK &BASE PLATE", "TANK &WALL CYLINDER", "TANK &ROOF STRUCTURE"};

// The action button of a mode (199 - mode) and its text.
const char* ActionText(int mode) {
  switch (mode) {
    case 1: return "&ENTER / EDIT Geometry and Material Properties Data";
    case 2: return "&ENTER / EDIT Support General Data";
    default: return "&ENTER / EDIT Load / Temperature / Shrinkage Data";
  }
}

// Options white on dark cyan, everything else black on pale yellow; labels and options on a
// transparent background.
const std::vector<ColourRule> kTankColours = {
    {WM_CTLCOLORDLG, AllControls, AllControlsEnd, 0, RGB(255, 255, 200)},
    {WM_CTLCOLORSTATIC, kTankOptionBaseId + 1, kTankOptionBaseId + 9, RGB(255, 255, 255), RGB(0, 128, 128)},
    {0, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(255, 255, 200)},
};

int CheckedOption(HWND dialog) {
  int id = FirstCheckedButton(dialog, kTankOptionBaseId + 1, kTankOptionBaseId + OptionCount);
  return id == 0 ? 1 : id - kTankOptionBaseId;
}

void Select(HWND dialog, int option, bool focus) {
  CheckRadioButton(dialog, kTankOptionBaseId + 1, kTankOptionBaseId + OptionCount, kTankOptionBaseId + option);
  if (focus) SetFocus(GetDlgItem(dialog, kTankOptionBaseId + option));
}

// Runs the data dialog of the action for the checked substructure, then selects the next one.
void Act(HWND dialog, int id) {
  int option = CheckedOption(dialog);
  Substructure = Trim(TankSubstructureName(option));
  ShowWindow(dialog, SW_HIDE);
  if (id == kTankGeometryActionId) {
    RunGeometryDialogs(dialog);
  } else if (id == kTankSupportActionId) {
    if (TankActions.supports) TankActions.supports(dialog);
  } else if (id == kTankLoadActionId) {
    if (TankActions.loads) TankActions.loads(dialog);
  } else if (id == kContinueId) {
    if (TankActions.plots) TankActions.plots(dialog);
    TextLines.assign(2, std::string());
  }
  MovePointer(Remembered.x, Remembered.y);
  // After a graph the next substructure is checked; the focus stays where it was.
  Select(dialog, NextTankOption(option, OptionCount), id != kContinueId);
  ShowWindow(dialog, SW_SHOW);
}

}  // namespace

DialogTemplate TankSubstructureDialog(int mode) {
  ChoiceMode = mode;
  TextLines.assign(2, std::string());
  int n = 0;
  LoadTextLines(JobSpec + ".GEO", TextLines, 5000, n);
  // The file is the only truth: without one no roof of another job is offered.
  JobDataTable.Redim(8, 6);
  ClearFileAnswers();
  int a = 0, b = 0, c = 0;
  if (n > 0) ReadGeometrySections(TextLines, n, 3, JobDataTable, GeometryAnswers, a, b, c);
  OptionCount = TankOptionCount(mode, JobDataTable.Get(3, 1), JobDataTable.Get(3, 2), JobDataTable.Get(3, 3));

  DialogTemplate d = NewDialog(DataCaption(), 0, 0, kWidth, 130);
  int h = 0;
  const std::string title = "SELECTION OF TANK SUBSTRUCTURE";
  int w = DialogTextWidth(d, title, h);
  AddLabel(d, kTankTitleId, title, (kWidth - w) / 2, 12, w, 10, SS_CENTER);
  AddLine(d, kTankRuleId, (kWidth - w) / 2, 22, w, 2);
  int widest = 0;
  for (int i = 0; i < OptionCount; ++i) widest = std::max(widest, DialogTextWidth(d, kOptions[i], h));
  widest += 7;
  for (int i = 1; i <= OptionCount; ++i)
    AddOption(d, kTankOptionBaseId + i, kOptions[i - 1], (kWidth - widest) / 2, 13 * i + 14, widest, 13,
              i == 1 ? WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON : WS_TABSTOP | BS_AUTORADIOBUTTON);
  if (mode >= 1 && mode <= 3) {
    int bw = DialogTextWidth(d, ActionText(mode), h) + 10;
    AddButton(d, kTankActionBaseId - mode, ActionText(mode), (kWidth - bw) / 2, 70, bw, 16);
    AddButton(d, kCancelId, "&CANCEL", 105, 95, 50, 14);
  } else {
    AddButton(d, kContinueId, "&OK", 85, 95, 40, 14);
    AddButton(d, kCancelId, "&CANCEL", 135, 95, 40, 14);
  }
  OnOpen(d, [mode](HWND dialog) {
    CheckRadioButton(dialog, kTankOptionBaseId + 1, kTankOptionBaseId + OptionCount, kTankOptionBaseId + 1);
    SetFocus(GetDlgItem(dialog, kTankOptionBaseId + 1));
    if (mode >= 1 && mode <= 3) {
      PlacePointer(dialog, 130, 78);
    } else {
      PlacePointer(dialog, 105, 100);
    }
    GetCursorPos(&Remembered);
    SubclassControls(dialog, kTankOptionBaseId + 1, kTankOptionBaseId + OptionCount, EditSubclassProc3);
    if (GetDlgItem(dialog, kTankActionBaseId - mode)) SubclassControl(dialog, kTankActionBaseId - mode, EditSubclassProc3);
  });
  return d;
}

INT_PTR CALLBACK TankSubstructureDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, kTankColours, colour)) return colour;
  switch (msg) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      if ((id >= kFirstActionId && id <= kLastActionId) || (id == kContinueId && ChoiceMode >= 4)) {
        Act(dialog, id);
        return TRUE;
      }
      if (id == IDCANCEL) {
        EndDialog(dialog, 1);
        return TRUE;
      }
      return FALSE;
    }
    case WM_DESTROY:
      RestoreControls(dialog, kFirstActionId, kLastOptionId);
      return FALSE;
  }
  return FALSE;
}

int RunTankSubstructureChoice(HWND owner, int mode) {
  DialogAnswer = static_cast<int>(ShowModalDialog(TankSubstructureDialog(mode), owner, TankSubstructureDialogProc));
  return DialogAnswer;
}

}  // namespace corvane
