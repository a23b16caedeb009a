#pragma once
// The frame every analysis program runs alike: its full-screen main window, the start-up with the
// notice, the main window's messages, the menu bar, the dispatch of menu commands with the job
// check in front of the commands that need a job, and the help viewer. A program passes what it
// differs in as a profile.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/saveas.h"
#include "win/ids.h"
#include "win/startup.h"

struct ProgramFrameProfile {
  // The main window: class (and class icon), caption, window procedure; where the program keeps
  // the window and its menu bar.
  const char* className = "";
  const char* icon = "";
  const char* caption = "";
  WNDPROC windowProc = nullptr;
  HWND* mainWindow = nullptr;
  HMENU* mainMenu = nullptr;
  // Dimensions the program's global arrays before the window is made.
  std::function<void()> dimensionGlobals;
  // What follows the notice: agreed is true for "I Agree - &Continue".
  std::function<void(bool agreed)> afterNotice;
  // Erases the global arrays (and whatever else the program holds) when the window is destroyed,
  // before the open job is packed into its archive.
  std::function<void()> releaseGlobals;
  // Runs the command of a menu id.
  std::function<void(int id)> dispatch;
  // The notice's title and colours and the main window's bands.
  ProgramLook look;
};

// Registers the class and creates the main window over the whole screen, topmost, without the
// size item in its system menu, shown; NULL when it could not be made.
HWND CreateProgramWindow(HINSTANCE instance, int show, const ProgramFrameProfile& p);

// The notice, then what the program does after it (the profile's afterNotice); true when agreed.
bool ShowProgramNotice(const ProgramFrameProfile& p);

// The whole start-up as WinMain runs it: globals, main window, the program directory as current
// directory, the notice, then the message loop; returns the quit message's value.
int RunProgram(HINSTANCE instance, int show, const ProgramFrameProfile& p);

// The main window's messages: paint and background, commands to the dispatch, and on destroy the
// globals released, the open job packed into its archive and the quit message posted.
LRESULT ProgramWindowMessage(const ProgramFrameProfile& p, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// A popup menu of the items (id, text), a separator between each two.
HMENU SeparatedPopupMenu(std::initializer_list<std::pair<int, const char*>> items);

// The menu bar of the analysis programs (the commands of win/ids.h): "&Close", "&Data Input" (the
// title + " &Geometry and Material Properties Data", " &Support Data", " &Load Data"), "&Analysis"
// added greyed, "Data/Results &Presentation", "&New Job", "&Save Job As", "&Help".
HMENU AnalysisProgramMenu(const std::string& structureTitle);
// The position of "&Analysis" on that bar.
constexpr UINT kAnalysisMenuPosition = 2;
// Enables "&Analysis" by position (the bar is redrawn when it is next drawn); nothing without a bar.
void EnableAnalysisMenuItem(HMENU bar);
// True when the text file exists and has at least one line.
bool FileHasLines(const std::string& file);

// Puts the menu bar on the main window in place of the one it had (destroyed).
void InstallMenuBar(const ProgramFrameProfile& p, HMENU menu);

// Puts the mouse pointer on the menu bar above the window's client point (x, 0).
void ParkPointerOnMenuBar(HWND window, int x);

// A command that needs a job: the job dialog when none is open; true when one is.
bool EnsureJob(const std::function<int()>& showJobDialog);

// "&New Job": the open job is packed into its archive, then the job dialog; when the dialog is
// left without another job, the open job's files are unpacked again (else the next packing would
// hold them no more) and `reopened` runs.
void NewJobCommand(const std::function<int()>& showJobDialog, const std::function<void()>& reopened);

// "&Save Job As": the job dialog names the new job; the open job's files are copied to it, their
// headers rewritten through the profile, and the old job is packed. Nothing without an open job
// or when the dialog is left. `saved` runs after a copy.
void SaveJobAsCommand(const std::function<int()>& showJobDialog, const SaveAsProfile& profile,
                      const std::function<void()>& saved);

// The author box of the analysis programs ("&About Author/Contact Address"): caption "Pile
// Analysis", the text (six lines) centred in blue on white in the fixed font, "&Ok" with the
// pointer on it and a beep, modal over owner (the main window). Its end value.
int ShowAuthorBox(HWND owner, const char* text);

// Starts the help viewer on the file with show state 1 and waits until it is closed. A viewer that
// cannot be started is told in a "WARNING!" box with the system's reason.
void RunHelpViewer(const std::string& helpFile);

// One command of a menu: what it runs, whether it needs a job first, and where the pointer goes
// on the menu bar afterwards.
struct MenuCommand {
  int id = 0;
  bool needsJob = false;
  std::function<void()> run;
  int parkX = 60;
};

struct MenuDispatchProfile {
  HWND* mainWindow = nullptr;
  std::function<int()> showJobDialog;
  // Run around every command but "&Close" (Corvane hides and shows its structure screen).
  std::function<void()> before, after;
  std::vector<MenuCommand> commands;
};

// "&Close" (kCloseCommand) destroys the main window (the job is packed and the program ends); any other id
// runs its command (after the job dialog when it needs a job and none is open) and puts the
// pointer back on the menu bar. An unknown id runs nothing.
void DispatchMenuCommand(const MenuDispatchProfile& p, int id);
