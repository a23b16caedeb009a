#pragma once
// Keys for controls that act on the release of Return (win/fieldkeys.h). Win32 only.
#include <windows.h>

namespace wintest {

// Return pressed and released on the control, both posted through the message loop as the
// keyboard's are; the procedures take the key-down for themselves, so the dialog manager's own
// answer to it (the default button) stays out.
void PressReturnOn(HWND control);

}  // namespace wintest
