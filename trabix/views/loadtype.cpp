// Trabix's loads command on screen: the load type dialog, whose "&ENTER / EDIT Load Data" opens
// the entry window of the chosen load kind as often as the user likes, around the file work of
// EditLoadData.
#include <windows.h>

#include <string>

#include "core/globals.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/loadedit.h"
#include "trabix/views/views.h"
#include "win/messages.h"

namespace trabix {

namespace {

std::function<void(int)> loadEntry;  // the entry window of a load kind, while the dialog is shown
HBRUSH typeBrushes[6] = {};
POINT typePointer{};

bool IsLoadKindOption(int id) { return id >= kFirstLoadKind && id <= kFirstLoadKind + 3; }

// The chosen kind's entry window; then the next kind is chosen, the first after the last.
void EnterLoadData(HWND dialog) {
  int id = FirstCheckedButton(dialog, kFirstLoadKind, kFirstLoadKind + 3);
  if (id == 0) return;
  int kind = id - kFirstLoadKind + 1;
  if (IsSymmetricHalf()) {
    if (StructureFlags.size() < 6) StructureFlags.resize(6);
    if (IsDlgButtonChecked(dialog, kSymmetricLoads) == BST_CHECKED) StructureFlags[5] = "S";
    if (IsDlgButtonChecked(dialog, kAntisymmetricLoads) == BST_CHECKED) StructureFlags[5] = "A";
  }
  if (loadEntry) loadEntry(kind);
  int next = kFirstLoadKind + (kind < 4 ? kind : 0);
  CheckDlgButton(dialog, id, BST_UNCHECKED);
  CheckDlgButton(dialog, next, BST_CHECKED);
  SetFocus(GetDlgItem(dialog, next));
  SetCursorPos(typePointer.x, typePointer.y);
}

}  // namespace

DialogTemplate LoadTypeDialog(const std::string& structureTitle) {
  const bool symmetric = IsSymmetricHalf();
  const int W = 280, H = symmetric ? 150 : 124;
  DialogTemplate d = NewDialog("   " + structureTitle + " ANALYSIS.   JOB: " + JobSpec + "     Load Case: " + LoadCaseName,
                               0, 0, W, H);
  AddLabel(d, kLoadTypeHeading, "SELECTION OF LOAD TYPE", 20, 8, W - 40, 10, SS_CENTER);
  AddFrame(d, 99, "", 30, 20, W - 60, symmetric ? 82 : 60);
  const char* options[] = {"&Uniform Load and Self-Weight", IsStrip() ? "&Nodal Line Load" : "&Nodal Load",
                           "Trapezoidal &Load", "&Temperature Change"};
  for (int k = 0; k < 4; ++k)
    AddOption(d, kFirstLoadKind + k, options[k], 40, 28 + 13 * k, W - 80, 12,
              WS_TABSTOP | BS_AUTORADIOBUTTON | (k == 0 ? WS_GROUP : 0));
  if (symmetric) {
    AddOption(d, kSymmetricLoads, " &SYMMETRIC LOADS ", 40, 84, 90, 12, WS_TABSTOP | BS_AUTORADIOBUTTON | WS_GROUP);
    AddOption(d, kAntisymmetricLoads, " &ANTISYMMETRIC LOADS ", 134, 84, 106, 12, WS_TABSTOP | BS_AUTORADIOBUTTON);
  }
  AddButton(d, kEnterLoadData, "&ENTER / EDIT Load Data", 45, H - 44, W - 90, 16, WS_TABSTOP | BS_DEFPUSHBUTTON);
  AddButton(d, 2, "&CLOSE", (W - 50) / 2, H - 22, 50, 14);
  OnOpen(d, [symmetric](HWND dialog) {
    CheckDlgButton(dialog, kFirstLoadKind, BST_CHECKED);
    if (symmetric)
      CheckDlgButton(dialog, HasSymmetricLoads() ? kSymmetricLoads : kAntisymmetricLoads, BST_CHECKED);
    SetFocus(GetDlgItem(dialog, kFirstLoadKind));
  });
  return d;
}

INT_PTR CALLBACK LoadTypeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      typeBrushes[1] = CreateSolidBrush(RGB(255, 255, 200));
      typeBrushes[2] = CreateSolidBrush(RGB(70, 186, 155));
      typeBrushes[4] = CreateSolidBrush(RGB(255, 192, 0));
      typeBrushes[5] = CreateSolidBrush(RGB(0, 128, 128));
      GetCursorPos(&typePointer);
      return FALSE;
    case WM_CTLCOLORBTN:
      if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kEnterLoadData)
        return ColourControl(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0), typeBrushes[2]);
      return FALSE;
    case WM_CTLCOLORSTATIC: {
      int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (IsLoadKindOption(id)) return ColourControl(dc, RGB(255, 255, 0), typeBrushes[5]);
      if (id == kLoadTypeHeading) return ColourControl(dc, RGB(0, 0, 0), typeBrushes[1]);
      return ColourControl(dc, RGB(0, 0, 0), typeBrushes[4]);
    }
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(typeBrushes[1]);
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case 2:
          EndDialog(dialog, 1);
          return TRUE;
        case IDOK:  // Enter: the default button, also on an option
        case kEnterLoadData:
          EnterLoadData(dialog);
          return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      for (HBRUSH& b : typeBrushes) {
        if (b) DeleteObject(b);
        b = nullptr;
      }
      return FALSE;
  }
  return FALSE;
}

int ShowLoadTypeDialog(HWND parent, const std::string& structureTitle, const std::function<void(int)>& entry) {
  loadEntry = entry;
  int result = static_cast<int>(ShowModalDialog(LoadTypeDialog(structureTitle), parent, LoadTypeDialogProc));
  loadEntry = nullptr;
  return result;
}

void LoadCommand(HWND mainWindow, const std::string& structureTitle, const std::function<int()>& chooseLoadCase,
                 const std::function<void(int)>& entry) {
  LoadCommand(chooseLoadCase, [&] { ShowLoadTypeDialog(mainWindow, structureTitle, entry); });
}

}  // namespace trabix
