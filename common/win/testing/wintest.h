#pragma once
// GUI test harness for the cross build: drives real dialogs and message boxes under Wine + Xvfb
// (or on Windows) and reads the trace. Link the library suite_wintest; it needs no test framework.
//
// A modal dialog or box runs its own message loop, which still dispatches thread timers. RunScript
// starts such a timer, runs the code that opens the dialog, and on each tick runs the next step of
// a script. A step returns true when it is done and false to be tried again on the next tick (for
// instance while the window it waits for is not there yet). A step done, the next one comes as
// soon as the messages it caused have been handled; only a waiting step ticks at the interval. Steps may open further modal windows;
// the following steps then run inside those windows' loops.
//
//   bool ok = wintest::RunScript({
//       wintest::WhenDialog("WARNING!", [&](HWND box) { text = wintest::BoxText(box);
//                                                     wintest::AnswerBox(box, IDOK); }),
//     }, [&] { WarnIncorrectData(dialog, 101, field, NumberCharsUnsigned, code); }).finished;
//
// Rules that keep scripts from hanging:
// - click with PostClick (not Click) where the click opens another modal dialog or box, so the
//   step returns and the next steps run inside the new window's loop;
// - a script that is not done by its time limit closes every dialog and box of the thread (they end
//   with 0), and so does every one the body opens after that: the test fails instead of hanging.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace wintest {

using Step = std::function<bool()>;

struct ScriptResult {
  bool finished = false;   // every step ran to its end
  size_t stepsDone = 0;
  bool timedOut = false;
};

// Runs body while the steps run; a step that waits is tried again every intervalMs. The script
// stops when the last step is done or when timeoutMs have passed.
ScriptResult RunScript(std::vector<Step> steps, const std::function<void()>& body, int timeoutMs = 10000,
                       int intervalMs = 50);

// A step that waits for an enabled dialog or message box of this thread with that caption, then
// runs act on it.
Step WhenDialog(const std::string& caption, std::function<void(HWND)> act);
// A step that waits for a top-level window of that class (any caption), then runs act on it.
Step WhenWindow(const std::string& windowClass, std::function<void(HWND)> act);
// A step that runs act once.
Step Do(std::function<void()> act);

// The steps that, in the output chooser of that caption, save the data and then the results
// document ("&Save"), answer the information box and the text copy's question (yes), close each
// preview and leave the chooser ("&EXIT").
std::vector<Step> SaveBothDocuments(const std::string& chooserCaption);

// The enabled, visible dialog or message box ("#32770") of this thread with that caption
// (the newest when several are), NULL when there is none.
HWND FindDialog(const std::string& caption);
// The text of a message box: its static of that id.
constexpr int kBoxTextId = 0xFFFF;
std::string BoxText(HWND box);
// Ends a message box with the answer (IDOK, IDYES, IDNO).
void AnswerBox(HWND box, int answer);
// Clicks button id of the dialog: sent (returns after the click's handling) or posted.
void Click(HWND dialog, int id);
void PostClick(HWND dialog, int id);
// Posts the key-down and key-up of a virtual key to a control, as the keyboard would.
void PressKey(HWND control, UINT virtualKey);
void SetText(HWND dialog, int id, const std::string& text);
std::string GetText(HWND dialog, int id);
// The text (caption) of a window of this or any other process; the call gives up after 5 s on a
// window that hangs.
std::string WindowText(HWND window);
// The top left corner of control id of a live dialog, in the dialog's units.
POINT ControlPlace(HWND dialog, int id);
// Processes the thread's pending messages (posted keys and clicks) outside a modal loop.
void Pump();
// Removes the thread's pending messages unhandled, such as the quit message a main window's end
// posts, which would end the next test's dialogs.
void DiscardMessages();
// Takes the quit messages the program posted off the queue, so that later dialogs run; true when
// there was one.
bool DrainQuit();

// The pixels of a window's client area as they are on the screen now (top-down rows, 0x00RRGGBB).
std::vector<DWORD> ClientPixels(HWND window);
// How many more GDI objects this process can make now, exactly: objects are made until one fails
// (about 65,000 under Wine; under Windows up to the quota of 10,000 a process), then deleted again.
// Measured before and after a loop, the difference is what the loop kept, to the object.
int GdiRoom();

// Catches the trace: sets SUITE_TRACE to a fresh file for its lifetime and removes both afterwards.
class TraceCapture {
 public:
  TraceCapture();
  ~TraceCapture();
  TraceCapture(const TraceCapture&) = delete;
  TraceCapture& operator=(const TraceCapture&) = delete;
  // The records written so far, each split into its fields (escapes undone).
  std::vector<std::vector<std::string>> Records() const;
  // The records of one kind ("TONE", "BOX", "POINTER").
  std::vector<std::vector<std::string>> Records(const std::string& kind) const;
  // The lines written so far as they stand ("gfx DrawLineEx(0, ..."), escapes kept.
  std::vector<std::string> Lines() const;
  // How many lines begin with prefix; whether one does.
  int Count(const std::string& prefix) const;
  bool Has(const std::string& prefix) const { return Count(prefix) > 0; }
  void Clear();
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// A visible top-level window of a class of its own (DefWindowProc) at the screen's top left, for
// the tests that draw into a window or need an owner; destroyed with its holder.
class HostWindow {
 public:
  HostWindow(const char* windowClass, const char* caption, int width, int height);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  HWND get() const { return window_; }
  operator HWND() const { return window_; }

 private:
  HWND window_ = nullptr;
};

// Splits one trace line into its fields and undoes the escapes.
std::vector<std::string> SplitTraceLine(const std::string& line);

}  // namespace wintest
