#pragma once
// Murelo's program: start-up, the notice, the main window and its menus, its profiles of the
// shared job and load-case dialogs, the job check before an analysis and the menu's commands.
#include <windows.h>

#include <string>

#include "murelo/core/globals.h"
#include "win/dialogs.h"
#include "win/jobdialog.h"
#include "win/loaddialog.h"
#include "win/programframe.h"

namespace murelo {

// ----- the program's interface globals (guiglobals.cpp) -----
extern HWND MainWindow;             // the full-screen main window
extern HMENU MainMenu;              // its menu bar
extern int DialogResult;            // the end value of the last modal dialog or message box
extern std::string StructureTitle;  // "Retaining Wall" once the job dialog has been built
// The number character sets of the data dialogs: signed, unsigned, digits.
extern std::string SignedNumberChars, NumberChars, DigitChars;
constexpr int kMaxLoadCases = 50;   // the load-case list holds at most this many names

// ----- start-up and main window (startup.cpp) -----
const ProgramFrameProfile& MureloFrame();
void DimensionGlobals();
// Registers the class "RETAINING WALL ANALYSIS" and creates the full-screen main window, shown.
HWND CreateMainWindow(HINSTANCE instance, int show);
int RunMurelo(HINSTANCE instance, int show);
extern "C" LRESULT CALLBACK MureloWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// ----- menus and commands (menus.cpp) -----
HMENU BuildMainMenu();
void InstallMenu(HMENU menu);
// Enables "&Analysis" when the job's load-case list and support file both have lines.
void UpdateAnalysisMenu();
void DispatchCommand(int id);
void ParkPointer(int x);
void NewJobCommand();
void SaveJobAsCommand();
void HelpCommand();
void AuthorBox();

// ----- profiles of the shared dialogs (profiles.cpp) -----
JobDialogProfile JobDialogOfMurelo();
// The job dialog; its end value also goes to DialogResult.
int ShowJobDialog();
LoadCaseDialogProfile LoadCaseProfile();
// The load-case dialog in mode 1 (entry) or 2 (choice); its end value also goes to DialogResult.
int ShowLoadCases(int mode);

// ----- the analysis (analysis.cpp) -----
// The job check with the shared correction box and the program's dialogs; 1 when the analysis
// may start.
int CheckJobForAnalysis();
// The analysis dialog of the mode (0 elastic, 1 elastic-plastic); its end value.
int ShowMureloAnalysisDialog(int mode);
// The menu's analysis commands: the check, the case, the dialog, the end tones.
void RunAnalysisCommand(int mode);

// ----- commands whose routines come with the data entry, the loads and the graphs; until then
// nothing (commands.cpp) -----
// The substructure dialog; true when it saved data.
bool GeometryCommand();
// The geometry loader's offer when a substructure is missing: the correction question and, on
// Yes, the substructure dialog; true when the file is to be read again.
bool CorrectMissingGeometry(const std::string& message);
void SupportCommand();
void LoadDataCommand();
void PresentationCommand();
void PlotCommand();

}  // namespace murelo
