#include "core/fieldcheck.h"
#include "core/numbers.h"
#include "corvane/core/globals.h"
#include "corvane/core/roofshell.h"
#include "corvane/entry/formparts.h"
#include "corvane/entry/entry.h"
#include "corvane/entry/ids.h"
#include "win/dataform.h"
#include "win/fieldkeys.h"
#include "win/ids.h"
#include "win/messages.h"

namespace corvane {

namespace {


const char* const kShellMessage = "Incorrect SHELL Data!\r\n\r\n      Correct the Data!         ";

// The dialog light blue; the focused field dark blue on light yellow, the others on white; the
// remarks black on cream, the roof type choice white on navy, the second point's fixed texts black
// on pale blue; the heading and "SELECT ROOF TYPE" dark red, every other label and button dark blue.
// Statics and buttons share their rules (message 0): the fields have theirs before them.
const std::vector<ColourRule> kRoofShellColours = {
    {WM_CTLCOLORDLG, AllControls, AllControlsEnd, 0, RGB(230, 240, 255)},
    {WM_CTLCOLOREDIT, AllControls, AllControlsEnd, RGB(0, 0, 160), RGB(255, 255, 200), false, ColourFocused},
    {WM_CTLCOLOREDIT, AllControls, AllControlsEnd, RGB(0, 0, 160), RGB(255, 255, 255), false},
    {0, kShellNoteId, kShellNoteId, RGB(0, 0, 0), RGB(255, 250, 230), false},
    {0, kDome, kUniform, RGB(255, 255, 255), RGB(0, 0, 128), false},
    {0, kSecondXId, kSecondZId, RGB(0, 0, 0), RGB(210, 225, 255), false},
    {0, kHeadingId, kHeadingId, RGB(128, 0, 0), RGB(230, 240, 255)},
    {0, kRoofTypeHeadingId, kRoofTypeHeadingId, RGB(128, 0, 0), RGB(230, 240, 255)},
    {0, AllControls, AllControlsEnd, RGB(0, 0, 160), RGB(230, 240, 255)},
};

std::string Text(double value) { return Trim(NumberToText(value)); }

void ShowDomeRadius(HWND dialog, bool show) {
  for (int id : {kOr, kRadiusLabel, kRadius}) ShowWindow(GetDlgItem(dialog, id), show ? SW_SHOW : SW_HIDE);
  // Enter walks the fields of the form as it is: two for a cone, three for a dome.
  SharedIntegers(kFieldCountSlot) = show ? 3 : 2;
  SharedIntegers(kFirstFieldIdSlot) = kX1;
}

void Refuse(HWND dialog) { WarnBox(dialog, kShellMessage); }

void Accept(HWND dialog) {
  std::string x1, z1;
  int code = 7;
  WarnIncorrectData(dialog, kX1, x1, NumberCharsSigned, code);
  if (code > 1) return;
  code = 7;
  WarnIncorrectData(dialog, kZ1, z1, NumberCharsSigned, code);
  if (code > 1) return;
  FieldTexts.assign(8, std::string());
  FieldTexts[1] = x1;
  FieldTexts[2] = z1;
  FieldTexts[3] = Text(JobDataTable.Get(2, 2));
  FieldTexts[4] = "0.0";
  double ro = JobDataTable.Get(3, 3);
  RoofShellShape shape;
  shape.kind = RoofType == 2 ? ConeRoof : DomeRoof;
  shape.x1 = ParseNumber(x1);
  shape.z1 = ParseNumber(z1);
  shape.rw = ParseNumber(FieldTexts[3]);
  if (!RoofShellPointsValid(shape.x1, shape.z1, shape.rw, ro)) {
    Refuse(dialog);
    return;
  }
  if (shape.kind == DomeRoof) {
    std::string radius;
    code = 3;  // a radius is not negative
    WarnIncorrectData(dialog, kRadius, radius, NumberCharsUnsigned, code);
    if (code > 1) return;
    FieldTexts[5] = "1";
    FieldTexts[6] = radius;
    shape.radius = ParseNumber(radius);
  } else {
    FieldTexts[5] = "2";
  }
  // The meridian must fall toward the wall over the whole roof: the z-components come from it.
  if (!RoofShellShapeValid(shape, ro)) {
    Refuse(dialog);
    return;
  }
  FieldTexts[7] = IsDlgButtonChecked(dialog, kUniform) == BST_CHECKED ? "UNIFORM" : "NON-UNIFORM";
  EndDialog(dialog, 1);
}

// The roof type options: a dome shows its radius field and puts the focus there, a cone hides it.
bool ChooseRoofType(HWND dialog, int id) {
  if (id == kDome && IsDlgButtonChecked(dialog, kDome) == BST_CHECKED && RoofType == 2) {
    RoofType = 1;
    ShowDomeRadius(dialog, true);
    SetFocus(GetDlgItem(dialog, kRadius));
    return true;
  }
  if (id == kCone && IsDlgButtonChecked(dialog, kCone) == BST_CHECKED && RoofType == 1) {
    RoofType = 2;
    ShowDomeRadius(dialog, false);
    return true;
  }
  return false;
}

}  // namespace

DialogTemplate RoofShellDialog() {
  DialogTemplate d = NewDialog(DataCaption(), 0, 0, 330, 226);
  AddLabel(d, kHeadingId, " ROOF SHELL GEOMETRY DATA:", 40, 6, 250, 10, SS_CENTER);
  AddLine(d, kRuleId, 40, 17, 250, 2);
  AddFrame(d, kShellRemarksId, " REMARKS:", 8, 22, 314, 76);
  AddLabel(d, kShellNoteId,
           "  The Shell Geometry can be given in terms of Coordinates of a point related to wall top (Point 2 - "
           "default point) and another point (such as Point 1) or, for a dome, Shell Radius.\r\n"
           "  Note that if the 'Uniform Element Width' button is NOT CHECKED Element x-Components MUST be entered at "
           "first (see Previous Screen) whilst z-Components will be calculated by the program.",
           14, 32, 302, 62);
  AddLabel(d, kRoofTypeHeadingId, "SELECT ROOF TYPE", 14, 104, 120, 10);
  AddOption(d, kDome, " DOME Roof", 20, 116, 70, 12, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
  AddOption(d, kCone, " CONICAL Roof", 100, 116, 80, 12);
  AddCheckBox(d, kUniform, " Uniform Element Width", 200, 116, 110, 12, WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX);
  AddLabel(d, kXHeadingId, "x-Coordinate [m]", 110, 136, 80, 10, SS_CENTER);
  AddLabel(d, kZHeadingId, "z-Coordinate [m]", 200, 136, 80, 10, SS_CENTER);
  AddLabel(d, kFirstPointId, "FIRST  Point:", 20, 150, 80, 10, SS_RIGHT);
  AddLabel(d, kSecondPointId, "SECOND Point:", 20, 166, 80, 10, SS_RIGHT);
  AddField(d, kX1, Text(JobDataTable.Get(3, 2)), 110, 148, 80, 12);
  AddField(d, kZ1, "", 200, 148, 80, 12);
  AddLabel(d, kSecondXId, Text(JobDataTable.Get(2, 2)), 110, 164, 80, 12, SS_CENTER | SS_SUNKEN);
  AddLabel(d, kSecondZId, "0.0", 200, 164, 80, 12, SS_CENTER | SS_SUNKEN);
  AddLabel(d, kOr, " or ", 60, 184, 20, 10, SS_CENTER);
  AddLabel(d, kRadiusLabel, " Dome Radius [m] ", 84, 184, 106, 10, SS_RIGHT);
  AddField(d, kRadius, "", 200, 182, 80, 12);
  AddButton(d, kOkId, "&Ok", 110, 204, 40, 14);
  AddButton(d, kFormCancelId, "&Cancel", 180, 204, 40, 14);
  OnOpen(d, [](HWND dialog) {
    RoofType = 1;
    CheckDlgButton(dialog, kDome, BST_CHECKED);
    ShowDomeRadius(dialog, true);
    SubclassControls(dialog, kX1, kRadius, EditSubclassProc);
    SetFocus(GetDlgItem(dialog, kX1));
  });
  return d;
}

INT_PTR CALLBACK RoofShellDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  return FormMessage(dialog, msg, wParam, lParam, {&kRoofShellColours, Accept, ChooseRoofType, kX1, kRadius});
}

}  // namespace corvane
