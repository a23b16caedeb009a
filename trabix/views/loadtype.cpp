// Trabix's loads command on screen: the load type dialog, whose "&ENTER / EDIT Load Data" opens
// the entry window of the chosen load kind as often as the user likes, around the file work of
// EditLoadData.
#include <windows.h>

#include <string>

#include "core/globals.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/loadedit.h"
#include "trabix/core/slots.h"
#include "trabix/views/views.h"
#include "win/colours.h"
#include "win/ids.h"
#include "win/loadtype.h"
#include "win/messages.h"

namespace trabix {

namespace {

std::function<void(int)> loadEntry;  // the entry window of a load kind, while the dialog is shown

// The chosen kind's entry window, with the symmetry of a half structure's loads taken first.
void EnterLoadKind(HWND dialog, int kind) {
  if (IsSymmetricHalf()) {
    if (StructureFlags.size() < 6) StructureFlags.resize(6);
    if (IsDlgButtonChecked(dialog, kSymmetricLoads) == BST_CHECKED) StructureFlags[kSymmetricLoadsSlot] = "S";
    if (IsDlgButtonChecked(dialog, kAntisymmetricLoads) == BST_CHECKED) StructureFlags[kSymmetricLoadsSlot] = "A";
  }
  if (loadEntry) loadEntry(kind);
}

}  // namespace

DialogTemplate LoadTypeDialog(const std::string& structureTitle) {
  const bool symmetric = IsSymmetricHalf();
  const int W = 280, H = symmetric ? 150 : 124;
  DialogTemplate d = NewDialog(LoadTypeCaption(structureTitle, LoadCaseName), 0, 0, W, H);
  AddLabel(d, kLoadTypeHeading, "SELECTION OF LOAD TYPE", 20, 8, W - 40, 10, SS_CENTER);
  AddFrame(d, kLoadTypeFrame, "", 30, 20, W - 60, symmetric ? 82 : 60);
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
  AddButton(d, kCancelId, "&CLOSE", (W - 50) / 2, H - 22, 50, 14);
  OnOpen(d, [symmetric](HWND dialog) {
    CheckDlgButton(dialog, kFirstLoadKind, BST_CHECKED);
    if (symmetric)
      CheckDlgButton(dialog, HasSymmetricLoads() ? kSymmetricLoads : kAntisymmetricLoads, BST_CHECKED);
    SetFocus(GetDlgItem(dialog, kFirstLoadKind));
  });
  return d;
}

namespace {
// The ENTER / EDIT button black on green, the load kinds yellow on teal, the heading black on
// light yellow, every other static control (the frame, the symmetry options) on orange.
const std::vector<ColourRule> kLoadTypeColours = {
    {WM_CTLCOLORBTN, kEnterLoadData, kEnterLoadData, RGB(0, 0, 0), RGB(70, 186, 155)},
    {WM_CTLCOLORSTATIC, kFirstLoadKind, kFirstLoadKind + 3, RGB(255, 255, 0), RGB(0, 128, 128)},
    {WM_CTLCOLORSTATIC, kLoadTypeHeading, kLoadTypeHeading, RGB(0, 0, 0), RGB(255, 255, 200)},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(255, 192, 0)},
};
}  // namespace

INT_PTR CALLBACK LoadTypeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  static const LoadTypeProfile profile = {4, &kLoadTypeColours, EnterLoadKind};
  return LoadTypeMessage(dialog, msg, wParam, lParam, profile);
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
