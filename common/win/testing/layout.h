#pragma once
// Layout check for the GUI tests: finds the controls of a live window that a user would see cut
// off or hidden. Link the library suite_wintest.
#include <windows.h>

#include <string>
#include <vector>

namespace wintest {

// The faults of the visible child controls of window (its direct children), one readable line
// each ("caption | id 121 "text": what is wrong"); empty when the layout is sound:
// - a control reaches outside the window's client area;
// - a static's or a button's text needs more room than its rectangle gives, measured with the
//   control's own font (a word-wrapping static or multi-line button may wrap, within its height);
// - two visible controls with text overlap (a group box and the controls inside it excepted; of a
//   label only the lines its text takes count, not its blank lines nor the room under its text).
std::vector<std::string> LayoutFaults(HWND window);

}  // namespace wintest
