#pragma once
// Colours of a dialog's controls, given as one table of rules per dialog instead of a switch in
// each callback. The callback hands every message to DialogColours first:
//
//   const std::vector<ColourRule> kHalfSpaceColours = {
//       {WM_CTLCOLOREDIT, 241, 246, RGB(0, 0, 0), StockColour(WHITE_BRUSH), false, ColourFocused},
//       {WM_CTLCOLOREDIT, 241, 246, RGB(0, 0, 255), RGB(255, 255, 200), false},
//       {WM_CTLCOLORSTATIC, 301, 305, RGB(0, 0, 0), RGB(0, 255, 255)},
//       {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(255, 255, 0), RGB(200, 11, 36)},
//   };
//   INT_PTR CALLBACK HalfSpaceDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
//     INT_PTR colour;
//     if (DialogColours(dialog, msg, wParam, lParam, kHalfSpaceColours, colour)) return colour;
//     ...
//
// WM_INITDIALOG makes one solid brush for each RGB background of the table (kept with the dialog);
// a colour message (WM_CTLCOLORSTATIC, -EDIT, -BTN, -LISTBOX) gets the first rule that matches the
// message, the control's id and its focus, with the text colour and text background set into the
// device context; WM_DESTROY deletes the brushes. A rule of message WM_CTLCOLORDLG (ids and text
// colour unused) gives the dialog's own background; a rule of message 0 does not. A control whose colours depend on the focus is
// repainted when it gains or loses the focus (EN_SETFOCUS / EN_KILLFOCUS, and BN_SETFOCUS /
// BN_KILLFOCUS of buttons with BS_NOTIFY). A colour message that no rule matches is left to the
// system. Check boxes, option buttons and group frames colour through WM_CTLCOLORSTATIC, push
// buttons through WM_CTLCOLORBTN.
#include <windows.h>

#include <climits>
#include <vector>

// A rule colour that is not an RGB value: one of the system's colours (COLOR_BTNFACE ...), drawn
// with the system's own brush, or a stock brush (WHITE_BRUSH ...). Neither is made nor deleted.
constexpr COLORREF SystemColour(int index) { return 0x80000000u | static_cast<COLORREF>(index); }
constexpr COLORREF StockColour(int stockObject) { return 0x40000000u | static_cast<COLORREF>(stockObject); }
// The RGB value of a rule colour.
COLORREF ResolveColour(COLORREF colour);

// The id range of a rule that applies to every control of its message.
constexpr int AllControls = INT_MIN;
constexpr int AllControlsEnd = INT_MAX;

enum ColourWhen { ColourAlways, ColourFocused, ColourUnfocused };

struct ColourRule {
  UINT message;     // WM_CTLCOLORSTATIC, -EDIT, -BTN, -LISTBOX; 0 = any of these four; WM_CTLCOLORDLG
  int first, last;  // control ids first..last
  COLORREF text;
  COLORREF back;    // the background brush
  bool transparent = true;  // text drawn on a transparent background, else on the brush's colour
  ColourWhen when = ColourAlways;
};

// Hands one message of a dialog callback to the colour rules. True when the message is a colour
// message that a rule answered; result is then what the callback returns. False for every other
// message (WM_INITDIALOG, WM_COMMAND and WM_DESTROY go on to the callback as usual).
bool DialogColours(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, const std::vector<ColourRule>& rules,
                   INT_PTR& result);
