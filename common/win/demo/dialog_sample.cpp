// A sample data dialog built with the run-time dialog layer, to look at:
//   dialog_sample.exe          the data dialog alone
// Layout (dialog units): heading 120 over line 99, two framed field groups with Enter-key
// navigation, option buttons that toggle, a check box, a list, and "&Ok" (55) / "&Cancel" (2).
#include <windows.h>

#include "core/globals.h"
#include "win/colours.h"
#include "win/dialogs.h"
#include "win/fieldkeys.h"
#include "win/ids.h"
#include "win/messages.h"

namespace {

// The sample's own controls.
constexpr int kModuliFrameId = 130, kRatiosFrameId = 1131;
constexpr int kFirstLabelId = 110;                         // label of field i at 110 + i
constexpr int kFirstFieldId = 240, kLastFieldId = 244;     // the five fields
constexpr int kFirstRatioFieldId = 243;                    // the Poisson's ratios take a sign
constexpr int kIsotropicId = 201, kAnisotropicId = 202;
constexpr int kSupportBoxId = 131, kSoilListId = 300;

// Navy labels on light yellow; the focused field black on white, the others blue on the yellow.
const std::vector<ColourRule> kSampleColours = {
    {WM_CTLCOLORDLG, AllControls, AllControlsEnd, 0, RGB(255, 255, 200)},
    {WM_CTLCOLOREDIT, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(255, 255, 255), false, ColourFocused},
    {WM_CTLCOLOREDIT, AllControls, AllControlsEnd, RGB(0, 0, 255), RGB(255, 255, 200), false},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 128), RGB(255, 255, 200)},
};

DialogTemplate SampleDialog() {
  DialogTemplate d = NewDialog("   BEAM/STRIP ANALYSIS.   JOB: D:\\BEAMS\\BEAM1", 0, 0, 300, 200);
  AddLabel(d, kHeadingId, " HALF SPACE DATA:", 60, 6, 180, 10, SS_CENTER);
  AddLine(d, kRuleId, 60, 17, 180, 2);
  AddFrame(d, kModuliFrameId, " MODULI OF ELASTICITY OF HALF-SPACE: ", 10, 24, 280, 56);
  const char* labels[] = {"for Vertical Direction, E[kPa]= ", "for Horizontal Direction, E[kPa]= ",
                          "Quasi Shear Modulus, G[kPa]= ", "Complementary Horizontal Strain, Nu= ",
                          "Vertical Strain, Nu= "};
  for (int i = 0; i < 5; ++i) {
    int y = i < 3 ? 36 + 14 * i : 100 + 14 * (i - 3);
    AddLabel(d, kFirstLabelId + i, labels[i], 16, y + 2, 150, 10, SS_RIGHT);
    AddField(d, kFirstFieldId + i, i < 3 ? "30000.0" : "0.3", 170, y, 80, 12);
  }
  AddFrame(d, kRatiosFrameId, " POISSON's RATIOS FOR EFFECT OF HORIZONTAL STRESS ON:", 10, 88, 280, 42);
  AddOption(d, kIsotropicId, "&Isotropic", 16, 138, 70, 12, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
  AddOption(d, kAnisotropicId, "C&ross-anisotropic", 90, 138, 90, 12);
  AddCheckBox(d, kSupportBoxId, " &ENTER / EDIT Support DATA ", 16, 154, 150, 12);
  AddListBox(d, kSoilListId, 190, 136, 100, 32);
  AddButton(d, kOkId, "&Ok", 95, 178, 40, 14);
  AddButton(d, kCancelId, "&Cancel", 165, 178, 40, 14);
  SetControlCallback(d, kIsotropicId, ToggleCheckProc);
  SetControlCallback(d, kAnisotropicId, ToggleCheckProc);
  OnOpen(d, [](HWND dialog) {
    for (const char* item : {"Winkler soil", "Isotropic half-space", "Cross-anisotropic half-space"})
      SendDlgItemMessageA(dialog, kSoilListId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    CheckDlgButton(dialog, kAnisotropicId, BST_CHECKED);
    SetFixedFont(dialog, kHeadingId);
    SetFocus(GetDlgItem(dialog, kFirstFieldId));
    PlacePointer(dialog, 115, 185);
  });
  return d;
}

INT_PTR CALLBACK SampleDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, kSampleColours, colour)) return colour;
  switch (msg) {
    case WM_INITDIALOG:
      SharedIntegers(kFieldCountSlot) = 5;
      SharedIntegers(kFirstFieldIdSlot) = kFirstFieldId;
      SubclassControls(dialog, kFirstFieldId, kLastFieldId, EditSubclassProc);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wParam) != EN_SETFOCUS && HIWORD(wParam) != EN_KILLFOCUS && LOWORD(wParam) == kOkId) {
        for (int id = kFirstFieldId; id <= kLastFieldId; ++id) {
          std::string text;
          int code = id < kFirstRatioFieldId ? 2 : 6;
          WarnIncorrectData(dialog, id, text, id < kFirstRatioFieldId ? "+.0123456789Ee" : "+-.0123456789Ee", code);
          if (code) return TRUE;
        }
        EndDialog(dialog, 1);
      }
      return TRUE;
    case WM_DESTROY:
      RestoreControls(dialog, kFirstFieldId, kLastFieldId);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return static_cast<int>(ShowModalDialog(SampleDialog(), nullptr, SampleDialogProc));
}
