#pragma once
// Run-time dialogs. Every dialog of the programs is a builder routine and a callback routine:
//
//   DialogTemplate LoadCaseDialog() {                       // the builder
//     DialogTemplate d = NewDialog(" LOAD CASES", 10, 10, 200, 120);
//     AddLabel(d, 120, "LOAD CASE DIALOG:", 20, 6, 160, 10, SS_CENTER);
//     AddLine(d, 99, 20, 17, 160, 2);
//     AddField(d, 101, "", 20, 30, 80, 12);
//     AddButton(d, kOkId, "&Ok", 40, 95, 40, 14);
//     AddButton(d, kCancelId, "&Cancel", 100, 95, 40, 14);
//     OnOpen(d, [](HWND dlg) { PlacePointer(dlg, 60, 102); });
//     return d;
//   }
//   INT_PTR CALLBACK LoadCaseDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {  // the callback
//     if (msg == WM_COMMAND && LOWORD(wp) == 55) { EndDialog(dlg, 1); return TRUE; }
//     return FALSE;
//   }
//   DialogAnswer = ShowModalDialog(LoadCaseDialog(), owner, LoadCaseDialogProc);
//
// Positions and sizes are dialog units of the dialog's font ("MS Sans Serif" 8 unless changed).
// A callback is an ordinary dialog procedure: it gets WM_INITDIALOG (lParam = the param given to
// ShowModalDialog), the colour messages (best handed to a table of colour rules, win/colours.h;
// or answered with ColourControl and brushes of its own), WM_COMMAND, WM_NOTIFY, WM_DESTROY and
// the rest; it returns TRUE for what it handled. It ends a modal dialog with EndDialog(dialog,
// value) (1 for OK); a callback may open further dialogs and boxes and gets control back when they
// end.
//
// What the layer does besides the plain Win32 dialog:
// - at opening, before the callback's WM_INITDIALOG: centres the dialog with CenterWindow and
//   removes Move and Size from its system menu (unless the flags leave that out), then runs the
//   OnOpen actions in the order they were added;
// - when the builder (an OnOpen action) or the callback has put the focus on a control, that focus
//   stays; otherwise the first tab stop gets it;
// - WM_COMMAND and WM_NOTIFY of a control with a control callback go to that callback first; when it
//   returns FALSE the dialog callback gets them too;
// - a modal dialog whose callbacks leave IDCANCEL (Esc, the close box, a button with id 2)
//   unhandled ends with 0.
// Control ids may exceed 65535 (the check list's 77777777): WM_COMMAND carries only the low 16 bits
// in LOWORD(wParam), so callbacks take such an id from GetDlgCtrlID((HWND)lParam); control
// callbacks are matched on the whole id.
// The programs are built without a visual-styles manifest, so colours set on check boxes and
// option buttons through WM_CTLCOLORSTATIC apply on Windows as under Wine.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/ids.h"


// Style of the data and choice dialogs (DS_SETFONT is always added).
constexpr DWORD DataDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK;

// What the layer does at opening.
enum DialogFlags : unsigned {
  DialogPlain = 0,
  DialogCentred = 1,      // CenterWindow
  DialogNoMoveSize = 2,   // Move and Size removed from the system menu
  DialogConventional = DialogCentred | DialogNoMoveSize,
};

struct DialogControl {
  std::string windowClass;
  int id;
  std::string text;
  int x, y, width, height;
  DWORD style, exStyle;
};

// A dialog under construction. Build it with the functions below; the fields are readable.
struct DialogTemplate {
  std::string caption;
  int x = 0, y = 0, width = 0, height = 0;
  DWORD style = DataDialogStyle, exStyle = 0;
  unsigned flags = DialogConventional;
  std::string fontName = "MS Sans Serif";
  int fontSize = 8;
  std::vector<DialogControl> controls;
  std::vector<std::pair<int, DLGPROC>> controlCallbacks;
  std::vector<std::function<void(HWND)>> openActions;
};

// A dialog at (x, y) on its owner's client area, width x height, in dialog units.
DialogTemplate NewDialog(const std::string& caption, int x, int y, int width, int height,
                         DWORD style = DataDialogStyle, DWORD exStyle = 0, unsigned flags = DialogConventional);

// Adds a control of any window class. WS_CHILD | WS_VISIBLE are always added to style.
void AddControl(DialogTemplate& d, const std::string& windowClass, int id, const std::string& text,
                int x, int y, int width, int height, DWORD style, DWORD exStyle = 0);

// The kinds the dialogs use; style is the control's own style (the default shown) and replaces it.
// Labels: SS_CENTER, SS_RIGHT, SS_SUNKEN, SS_NOTIFY ...
void AddLabel(DialogTemplate& d, int id, const std::string& text, int x, int y, int width, int height,
              DWORD style = SS_LEFT, DWORD exStyle = 0);
// Edit fields: ES_MULTILINE (Enter reaches the field; with ES_WANTRETURN | WS_VSCROLL a text box),
// ES_READONLY.
void AddField(DialogTemplate& d, int id, const std::string& text, int x, int y, int width, int height,
              DWORD style = WS_TABSTOP | ES_AUTOHSCROLL, DWORD exStyle = WS_EX_CLIENTEDGE);
// Push buttons: BS_DEFPUSHBUTTON for a default button, BS_OWNERDRAW for an owner-drawn one.
void AddButton(DialogTemplate& d, int id, const std::string& text, int x, int y, int width, int height,
               DWORD style = WS_TABSTOP | BS_PUSHBUTTON, DWORD exStyle = 0);
void AddCheckBox(DialogTemplate& d, int id, const std::string& text, int x, int y, int width, int height,
                 DWORD style = WS_TABSTOP | BS_AUTOCHECKBOX, DWORD exStyle = 0);
// Option (radio) buttons: WS_GROUP on the first of each group.
void AddOption(DialogTemplate& d, int id, const std::string& text, int x, int y, int width, int height,
               DWORD style = WS_TABSTOP | BS_AUTORADIOBUTTON, DWORD exStyle = 0);
// Group frame with its title.
void AddFrame(DialogTemplate& d, int id, const std::string& text, int x, int y, int width, int height,
              DWORD style = BS_GROUPBOX, DWORD exStyle = 0);
// Etched horizontal line (the line 99 under a heading).
void AddLine(DialogTemplate& d, int id, int x, int y, int width, int height, DWORD style = SS_ETCHEDHORZ);
void AddListBox(DialogTemplate& d, int id, int x, int y, int width, int height,
                DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, DWORD exStyle = WS_EX_CLIENTEDGE);
// A check list: an owner-drawn list box with strings whose window procedure the program installs.
void AddCheckList(DialogTemplate& d, int id, int x, int y, int width, int height,
                  DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                  DWORD exStyle = WS_EX_CLIENTEDGE);
// Combo boxes: height includes the drop-down list; CBS_SIMPLE for a list that is always shown.
void AddComboBox(DialogTemplate& d, int id, int x, int y, int width, int height,
                 DWORD style = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, DWORD exStyle = 0);
// The tab control ("SysTabControl32"); the layer loads the common controls for it.
void AddTabControl(DialogTemplate& d, int id, int x, int y, int width, int height,
                   DWORD style = WS_TABSTOP, DWORD exStyle = 0);

// A control callback (such as CloseDialogProc or ToggleCheckProc) for control id.
void SetControlCallback(DialogTemplate& d, int id, DLGPROC callback);
// An action run on the live dialog at opening, before the callback's WM_INITDIALOG: fill lists,
// set fonts and checks, put the focus and the pointer.
void OnOpen(DialogTemplate& d, std::function<void(HWND dialog)> action);

// The owner a modal window gets when its caller names `named`: while a modal dialog of this
// thread is open, a window opened over anything but that dialog (or a window it owns) belongs to
// the innermost one, so that ending it enables that dialog and never the main window under it.
HWND ModalOwner(HWND named);

// Shows the dialog modally over owner (may be NULL; see ModalOwner) and returns the value it
// ended with (-1 when it could not be created).
INT_PTR ShowModalDialog(const DialogTemplate& d, HWND owner, DLGPROC callback, LPARAM param = 0);
// Creates the dialog modeless (a child dialog when its style has WS_CHILD); DestroyWindow ends it.
HWND CreateModelessDialog(const DialogTemplate& d, HWND parent, DLGPROC callback, LPARAM param = 0);
// Creates a control on a live dialog, position and size in dialog units, in the dialog's font.
HWND CreateDialogControl(HWND dialog, const std::string& windowClass, int id, const std::string& text,
                         int x, int y, int width, int height, DWORD style, DWORD exStyle = 0);

// Dialog units and pixels of a live dialog.
void UnitsToPixels(HWND dialog, int& x, int& y);
void PixelsToUnits(HWND dialog, int& x, int& y);

// Moves the window, size and z-order kept, to x = (screen width - window width) \ 2,
// y = (screen height - (window height + caption height)) \ 2 + 7.
void CenterWindow(HWND window);
// Makes room for a picture of width x height pixels right of what a window holds (its client
// area or its widest control, whichever reaches further): the window grows by the picture's
// width, and to its height, and is centred on the screen again. Returns the picture's left edge
// in the window's client pixels (its top is 0).
long MakeRoomForView(HWND window, long width, long height);
// The width of a picture to stand beside a window: `wanted` pixels, less where the window and it
// would not both fit on the screen, but never less than `least`.
long ViewWidthOnScreen(HWND window, long wanted, long least);
void RemoveMoveAndSize(HWND window);
// Puts the system fixed font on a control.
void SetFixedFont(HWND dialog, int id);

// Colour-message reply: sets the text colour and a transparent text background (or, when
// transparent is false, the brush's own colour) and returns the brush for the callback to return.
INT_PTR ColourControl(HDC dc, COLORREF text, HBRUSH brush, bool transparent = true);

// Width of text in the device context's font, in dialog units of the dialog; height out likewise.
// The measured text is as many characters as the trimmed text plus 2, padded with blanks.
int TextWidth(HWND dialog, HDC dc, const std::string& text, int& height);
// The same in the font of a dialog not yet shown (builders centre their controls with it).
int DialogTextWidth(const DialogTemplate& d, const std::string& text, int& height);

// Callback of inform-only dialogs: as the dialog callback (or the control callback of the dialog's
// button) it ends the dialog with 1 when the button is pressed, and on the close box or Esc.
INT_PTR CALLBACK CloseDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// Control callback of option buttons and check boxes: a second click on the option that was set
// on by the last click clears it; any other click sets the clicked one. The clicked control's state
// goes to the profile's answer (DialogAnswer); the last clicked id and whether it was set on are kept
// in SharedIntegers kToggleLastIdSlot and kToggleOnSlot.
INT_PTR CALLBACK ToggleCheckProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// The id of the first button from first to last that is checked, 0 when none is.
int FirstCheckedButton(HWND dialog, int first, int last);

// Thread routine: keeps this thread's own message queue moving while window exists (checks about
// every 50 ms, sleeping in between), then returns 1. Start it with CreateThread(..., window, ...).
DWORD WINAPI MessagePumpThread(LPVOID window);
