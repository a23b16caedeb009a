#pragma once
// Layout check for the GUI tests: finds the controls of a live window that a user would see cut
// off or hidden. Link the library suite_wintest.
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace wintest {

// The faults of the visible child controls of window (its direct children), one readable line
// each ("caption | id 121 "text": what is wrong"); empty when the layout is sound:
// - a control reaches outside the window's client area;
// - a static's or a button's text needs more room than its rectangle gives, measured with the
//   control's own font (a word-wrapping static or multi-line button may wrap, within its height);
// - two visible controls with text overlap (a group box and the controls inside it excepted; of a
//   label only the lines its text takes count, not its blank lines nor the room under its text);
// - a control with text is covered by a window without text that paints its whole rectangle (a
//   list, an empty field, a child dialog whose edge reaches out of its template's place);
// - two visible controls have the same Alt letter ("&Inner", "&Isotropic");
// - a top-level window leaves the screen (a maximised one: its client area).
std::vector<std::string> LayoutFaults(HWND window);

// A button of a window that opens a dialog over it, checked and then ended with the button close;
// or, with boxText set, that raises a message box of that caption, checked as LayoutHop checks a
// box (its owner the window) and answered with close.
struct LayoutSide {
  int button;
  int close;
  std::string boxCaption = "";
  std::string boxText = "";
};
// For LayoutHop's next and close: the test ends the dialog itself with 0 (as for a form whose own
// buttons would go on to other windows).
constexpr int kEndWithZero = -1;
// One window on the way to a window checked: the dialog or message box with that caption (with
// none, the dialog the window before has just opened over itself). It is checked, act runs on it
// (fills fields), its side dialogs open and close in turn, then the button `next` opens the
// following window (0 on the last window) and, when the windows after it have closed, the button
// `close` ends it (0: `next` has ended it already). A message box (boxText set) is the system's: what the program gives it is
// checked instead of its layout, that is its text, its owner (the window before it, which stays
// disabled behind it) and its place on the screen; it is answered with `next` (a box that leads
// on to another window) or `close`. A window of a class of its own (windowClass set: a document
// preview) is found by its class and ended with WM_CLOSE.
struct LayoutHop {
  LayoutHop(std::string caption_, int next_ = 0, int close_ = IDCANCEL, std::function<void(HWND)> act_ = nullptr,
            std::string boxText_ = "", std::vector<LayoutSide> sides_ = {})
      : caption(std::move(caption_)), next(next_), close(close_), act(std::move(act_)), boxText(std::move(boxText_)),
        sides(std::move(sides_)) {}
  std::string caption;
  int next;
  int close;
  std::function<void(HWND)> act;
  std::string boxText;
  std::vector<LayoutSide> sides;
  std::string windowClass;
};
LayoutHop WindowOfClass(const std::string& windowClass);
// How a window is reached: the routine that opens the first window, and the windows in turn.
struct LayoutCase {
  std::string name;
  std::function<void()> open;
  std::vector<LayoutHop> hops;
};
// Opens every case's windows one after another, checks each with LayoutFaults (a message box as
// LayoutHop says) and closes them again. The faults of all, each line headed by the case's name,
// and a line for each case whose windows did not all come.
std::vector<std::string> LayoutFaultsOfCases(const std::vector<LayoutCase>& cases, int timeoutMs = 15000);
// Acts for LayoutHop::act: fields set to texts; every check box and option with an id from first
// to last cleared.
std::function<void(HWND)> Typing(std::vector<std::pair<int, std::string>> fields);
std::function<void(HWND)> ClearingChecks(int first, int last);
// A table window of that caption and the dialogs of its buttons, each opened over it and ended with
// formCancel; the table ends with tableCancel.
LayoutCase TableCase(std::string name, std::function<void()> open, std::string caption, int tableCancel,
                     const std::vector<int>& buttons, int formCancel);
// The shared presentation command's way to the document of kind "DATA" or "RESULTS" of job: the
// load case chosen with okId in the case dialog of casesCaption; in the output chooser "&Save"
// and "Pre&view" set and the document's button pressed; its two boxes (the line breaks before
// their last lines as the program has them) and its preview.
LayoutCase DocumentCase(std::function<void()> open, const std::string& casesCaption, int okId, const std::string& job,
                        const std::string& kind, const std::string& firstBreak = "\r\n\r\n\r\n",
                        const std::string& secondBreak = "\r\n\r\n\r\n");

// The lines joined, one a line, for a test's message.
std::string Lines(const std::vector<std::string>& lines);

}  // namespace wintest
