#pragma once
// Keys for controls that act on the release of Return (win/fieldkeys.h). Win32 only.
#include <windows.h>

#include <string>

namespace wintest {

// Return pressed and released on the control, both posted through the message loop as the
// keyboard's are; the procedures take the key-down for themselves, so the dialog manager's own
// answer to it (the default button) stays out.
void PressReturnOn(HWND control);

// Types the text into the control as the keyboard would: the key-down and key-up of each
// character's key are posted to it, and the message loop's translation makes the character. Digits,
// small letters, "+" (the number pad's), "-", "." and "," (keys that need no Shift); false, typing
// nothing, for any other character.
bool TypeKeys(HWND control, const std::string& text);

}  // namespace wintest
