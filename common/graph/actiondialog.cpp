#include "graph/actiondialog.h"

#include <algorithm>

#include "win/colours.h"
#include "win/fieldkeys.h"
#include "win/messages.h"

namespace {

// The plot button black on green, the options yellow on teal, everything else black on light
// yellow.
const std::vector<ColourRule> kActionColours = {
    {WM_CTLCOLORBTN, kPlotActionButton, kPlotActionButton, RGB(0, 0, 0), RGB(70, 186, 155)},
    {WM_CTLCOLORSTATIC, kFirstActionOption, kFirstActionOption + 10, RGB(255, 255, 0), RGB(0, 128, 128)},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(255, 255, 200)},
    {WM_CTLCOLORDLG, 0, 0, 0, RGB(255, 255, 200)},
};

// Where the pointer goes back to after a graph: where it was when the dialog opened (one action
// dialog is open at a time).
POINT savedPointer{};

const ActionDialogProfile* ProfileOf(HWND dialog) {
  return reinterpret_cast<const ActionDialogProfile*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void Plot(HWND dialog, const ActionDialogProfile& profile) {
  const int n = static_cast<int>(profile.options.size());
  int checked = FirstCheckedButton(dialog, kFirstActionOption, kFirstActionOption + n - 1);
  if (checked <= 0) return;
  int k = checked - kFirstActionOption + 1;
  if (profile.plot) profile.plot(dialog, k);
  SetCursorPos(savedPointer.x, savedPointer.y);
  CheckDlgButton(dialog, kFirstActionOption + k - 1, BST_UNCHECKED);
  CheckDlgButton(dialog, kFirstActionOption + (k < n ? k : 0), BST_CHECKED);
  SetFocus(GetDlgItem(dialog, kPlotActionButton));
}

}  // namespace

DialogTemplate ActionSelectionDialog(const ActionDialogProfile& profile) {
  const int n = static_cast<int>(profile.options.size());
  const int W = 300, H = 100 + 13 * n;
  DialogTemplate d = NewDialog(profile.caption, 0, 0, W, H, DataDialogStyle, WS_EX_CLIENTEDGE);
  int hh = 0;
  int headingWidth = DialogTextWidth(d, profile.heading, hh) + 8;
  AddLabel(d, kActionHeading, profile.heading, (W - headingWidth) / 2, 12, headingWidth, 10, SS_CENTER);
  AddLine(d, kActionRule, (W - headingWidth) / 2, 22, headingWidth, 2);
  int optionWidth = 0;
  for (const std::string& caption : profile.options) optionWidth = std::max(optionWidth, DialogTextWidth(d, caption, hh));
  optionWidth += 20;
  for (int k = 1; k <= n; ++k) {
    DWORD style = WS_TABSTOP | BS_AUTORADIOBUTTON | WS_BORDER | (k == 1 ? WS_GROUP : 0);
    AddOption(d, kFirstActionOption + k - 1, profile.options[static_cast<size_t>(k - 1)], (W - optionWidth) / 2,
              14 + 13 * k, optionWidth, 13, style);
  }
  const std::string plot = "&PLOT the SELECTED ACTION";
  int plotWidth = DialogTextWidth(d, plot, hh) + 16;
  AddButton(d, kPlotActionButton, plot, (W - plotWidth) / 2, H - 65, plotWidth, 16, WS_TABSTOP | BS_DEFPUSHBUTTON);
  AddButton(d, kActionCancel, "&CANCEL", 125, H - 40, 50, 14);
  OnOpen(d, [](HWND dialog) {
    CheckDlgButton(dialog, kFirstActionOption, BST_CHECKED);
    SetFocus(GetDlgItem(dialog, kPlotActionButton));
    PointerOnControl(dialog, kPlotActionButton);
  });
  return d;
}

INT_PTR CALLBACK ActionSelectionDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, kActionColours, colour)) return colour;
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      GetCursorPos(&savedPointer);
      SubclassControl(dialog, kPlotActionButton, EditSubclassProc2);
      return FALSE;
    case WM_COMMAND: {
      const ActionDialogProfile* profile = ProfileOf(dialog);
      int id = LOWORD(wParam), code = HIWORD(wParam);
      if ((code == 256 || code == 512) && lParam) {
        InvalidateRect(reinterpret_cast<HWND>(lParam), nullptr, TRUE);
        UpdateWindow(dialog);
        return TRUE;
      }
      if (id == kActionCancel) {
        EndDialog(dialog, 1);
        return TRUE;
      }
      if (id == kPlotActionButton && code == BN_CLICKED && profile) {
        Plot(dialog, *profile);
        return TRUE;
      }
      return FALSE;
    }
    case WM_DESTROY:
      RestoreControl(dialog, kPlotActionButton);
      return FALSE;
  }
  return FALSE;
}

int ShowActionSelectionDialog(HWND parent, const ActionDialogProfile& profile) {
  return static_cast<int>(
      ShowModalDialog(ActionSelectionDialog(profile), parent, ActionSelectionDialogProc, reinterpret_cast<LPARAM>(&profile)));
}
