#pragma once
// Table-driven layout checks for the GUI tests: each window of a case is waited for by its
// caption, checked with LayoutFaults (a message box: what the program sets, see BoxFaults) and
// closed, the faults gathered into one list. Link the library suite_wintest.
#include <windows.h>

#include <string>
#include <vector>

#include "win/testing/wintest.h"

namespace wintest {

// One window of a layout case.
struct LayoutWindow {
  std::string caption;
  // How it is closed: the buttons clicked (posted, in order), or none to end the dialog with 0
  // (a message box: the answer, OK when none).
  std::vector<int> clicks;
  // A message box of the system: Wine lays it out, so only its owner and its place are checked.
  bool box = false;
  // A window of its own class (a document's preview), found by the class and closed with
  // WM_CLOSE; the caption is then not looked at.
  std::string windowClass;
};

// A step per window, in order: waits for it (an empty caption: for the next dialog or box of the
// thread not checked before), adds its faults to faults and closes it.
std::vector<Step> LayoutSteps(const std::vector<LayoutWindow>& windows, std::vector<std::string>& faults);

// What the program decides of a message box: its owner (none, as the running program's message
// profile gives it none, or else the visible window that raised it) and its text, whose box must
// lie whole on the screen (a long line would reach past its edges). One line a fault.
std::vector<std::string> BoxFaults(HWND box);

// The faults one a line, for a failure message.
std::string FaultList(const std::vector<std::string>& faults);

}  // namespace wintest
