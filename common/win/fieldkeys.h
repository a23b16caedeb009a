#pragma once
// Enter-key field navigation of the data dialogs: Enter (the key-up of Return) does not end a data
// dialog; it moves through the numeric fields and presses the dialog's action button. A dialog
// installs one of the four procedures on its fields or buttons at initialisation with
// SubclassControl; each control keeps its own previous procedure, gets it back with
// RestoreControl (or by itself when it is destroyed), and receives every message after the
// procedure has acted, but for the key-down of Return: that key is the procedure's, so neither
// the dialog manager (the default button) nor the control acts on it. "Press" sends BM_CLICK to the button of that id in the same dialog; a
// missing button is not pressed. A release acts only on the control that had the key-down of the same
// press: the release of a Return whose key-down went elsewhere (the Enter that chose the menu item
// or pressed the button that opened the dialog, the Enter that closed a message box over it) is
// passed on without acting. A field that the navigation moves to has its
// whole text selected, as the dialog manager does on Tab, so typing replaces it.
#include <windows.h>

// Fields f .. f+n-1, n and f from SharedIntegers kFieldCountSlot and kFirstFieldIdSlot: Enter moves to the next
// field, and in the last presses kOkId; Up (key-down) moves to the previous field from f+1
// on, Down to the next up to f+n-2.
LRESULT CALLBACK EditSubclassProc(HWND control, UINT msg, WPARAM wParam, LPARAM lParam);
// Enter on kFormCancelId, kCheckButtonId or an action button (win/ids.h) presses that control; on
// any other, kOkId.
LRESULT CALLBACK EditSubclassProc2(HWND control, UINT msg, WPARAM wParam, LPARAM lParam);
// Enter on an option first presses each of the action buttons that exists (kContinueId when none
// does); then, on every control, as EditSubclassProc2.
LRESULT CALLBACK EditSubclassProc3(HWND control, UINT msg, WPARAM wParam, LPARAM lParam);
// Enter presses kCheckButtonId when the dialog has one, else kContinueId.
LRESULT CALLBACK EditSubclassProc4(HWND control, UINT msg, WPARAM wParam, LPARAM lParam);

// Called with every message of a control that acts on Enter: true on the release of Return when
// the key-down of that press reached the control (as a key or as the dialog manager's question),
// and the control has kept the focus since.
bool ReturnReleasedHere(HWND control, UINT msg, WPARAM wParam, LPARAM lParam);

// Hands the message to the procedure the control had before SubclassControl, as the procedures
// above do after acting (for a program's own procedure that leaves a key to the dialog manager).
LRESULT CallPreviousProc(HWND control, UINT msg, WPARAM wParam, LPARAM lParam);

// Gives the field the focus with its whole text selected (edit fields; other controls just take
// the focus).
void FocusField(HWND field);

// Installs proc on the control id of the dialog (on each id from first to last).
void SubclassControl(HWND dialog, int id, WNDPROC proc);
void SubclassControls(HWND dialog, int first, int last, WNDPROC proc);
// Gives the control its previous procedure back.
void RestoreControl(HWND dialog, int id);
void RestoreControls(HWND dialog, int first, int last);
