#pragma once
// Keys for controls that act on the release of Return (win/fieldkeys.h). Win32 only.
#include <windows.h>

namespace wintest {

// Return pressed and released on the control, its key-down handed to the control itself (as a
// control that takes its keys gets it), so the dialog manager's own answer to the key (the default
// button) stays out; the release is posted.
void PressReturnOn(HWND control);

}  // namespace wintest
