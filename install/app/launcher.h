#pragma once
// Install: the launcher on the distribution medium. One maximised dialog offers the setup of the
// main software and of three further programs; a button starts its setup program from the medium
// and waits for it to end.
#include <windows.h>

#include <string>
#include <vector>

#include "install/core/ids.h"
#include "win/colours.h"

namespace install {

// The launcher's tables (tables.cpp; the setup offers themselves are in core/launcher.h).
enum class ControlKind { Frame, GreyRectangle, BorderedLabel, Label, Button };
struct LauncherControl {
  int id;  // -1: a control no routine asks for
  ControlKind kind;
  int dx;  // x in dialog units from the middle of the client area
  int y, width, height;
  const char* text;
};
extern const std::vector<LauncherControl> LauncherControls;
extern const std::vector<ColourRule> LauncherColours;
extern const char* const LauncherCaption;
// The pointer position when the dialog opened; every command puts the pointer back there.
extern POINT SavedPointer;

// The program's main routine: prepares the common controls and shows the dialog.
int LauncherDialog();
INT_PTR CALLBACK LauncherDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// The warning that a setup program is not on the medium, with the pointer on the box meanwhile.
void ShowMissingSetup(const std::string& path);

}  // namespace install

// The two routines the launcher exports undecorated (exports.cpp): the version of a file of the
// system directory (major + minor / 100; 0 when it has none), and the common controls prepared
// for classFlags (all classes for 0), returning the version of COMCTL32.DLL.
extern "C" float WINAPI GETSYSFILEVER(const char* fileName);
extern "C" float WINAPI INITCOMCTL32(DWORD classFlags);
