#pragma once
// A program started as a user starts it, for the tests that drive a whole .exe from outside: a
// copy of the program (and the files it needs beside it) in a folder of its own, the program
// directory, started from another folder. The test then finds its windows, types into their
// fields and presses their buttons through messages, as clicks and keys reach them.
//
//   wintest::Program p;
//   ASSERT_TRUE(p.Start(dir.path(), "Trabix.exe", {"ZLIB.DLL"}));
//   HWND notice = p.WaitForWindow("#32770", "  ZOR SOFTWARE");
//   wintest::Press(notice, kCancelId);
//   EXPECT_EQ(p.WaitForExit(), 0);
#include <windows.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "win/handles.h"
#include "win/testing/wintest.h"

namespace wintest {

// The folder of the running test .exe, where the build puts the programs it tests.
std::filesystem::path ExeFolder();

// Looks every 50 ms until the condition holds or timeoutMs have passed; whether it held.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 20000);

// Presses button id of another process's dialog the way a click reaches it (posted).
void Press(HWND dialog, int id);
// Sets the text of field id of another process's dialog.
void SetField(HWND dialog, int id, const std::string& text);
// Clicks a check box or option button of another process's dialog, which sets its state as a
// mouse click does (posted).
void ClickControl(HWND dialog, int id);
// The window below window (at any depth) that holds a control with that id, such as the page of
// cells inside a table dialog; NULL when there is none.
HWND ParentOfControl(HWND window, int id);

// The names of the entries of a folder (not of its subfolders).
std::set<std::string> FilesIn(const std::filesystem::path& folder);
// The files of a folder with their bytes, by name in upper case (as the programs name them,
// whatever case the file system keeps).
std::map<std::string, std::string> FileBytesIn(const std::filesystem::path& folder);

class Program {
 public:
  Program() = default;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  // Ends the program when it still runs.
  ~Program();

  // Copies exe and the companions from ExeFolder() into folder\PROGRAM and starts the copy with
  // folder\ELSEWHERE as its current directory; false when it could not be started. A program
  // that has ended may be started again. commandLine, when given, is the whole command line the
  // program gets (as another program starts it: "ANALYSIS.exe PLATE,..."); else the copy's
  // quoted path.
  bool Start(const std::filesystem::path& folder, const std::string& exe,
             const std::vector<std::string>& companions = {}, const std::string& commandLine = "");
  // A visible top-level window of the program with that class (and caption, when not empty);
  // NULL when none came within 20 s.
  HWND WaitForWindow(const std::string& windowClass, const std::string& caption = "") const;
  // A visible, enabled dialog or message box of the program with that caption other than `other`
  // (the one the program shows now, not one that its new dialog disabled or that is closing);
  // NULL when none came within 20 s.
  HWND WaitForDialog(const std::string& caption, HWND other = nullptr) const;
  // Waits for the program to end; its exit code, or -1 when it still runs after timeoutMs.
  int WaitForExit(int timeoutMs = 20000) const;
  // True when the program's window answers messages within timeoutMs (not busy or waiting).
  bool Answers(HWND window, int timeoutMs = 1000) const;
  // Waits until the thread of window takes messages again: what the program was doing when it
  // showed the last sign the test saw (a caption, a closed dialog) has ended, files written
  // included. Call it once that sign is seen: before, the message could be taken by a dialog
  // still open. False when the program is still busy after timeoutMs.
  bool WaitUntilIdle(HWND window, int timeoutMs = 20000) const;

  // Kills the program by its handle, as a crash or the task manager ends it: no leave sequence
  // runs. Returns once it has ended.
  void Kill() { End(); }

  DWORD Id() const { return process_.id(); }
  const std::filesystem::path& Folder() const { return program_; }

 private:
  void End();
  OwnedProcess process_;
  std::filesystem::path program_;
};

}  // namespace wintest
