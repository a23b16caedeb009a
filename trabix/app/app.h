#pragma once
// Trabix's program: start-up, the notice, the main window and its menus, its profiles of the
// shared job and load-case dialogs, the analysis dialog and the commands of the menus.
#include <windows.h>

#include <string>

#include "trabix/core/globals.h"
#include "win/analysiscommand.h"
#include "win/dialogs.h"
#include "win/handles.h"
#include "win/programframe.h"
#include "win/startup.h"
#include "win/jobdialog.h"
#include "win/loaddialog.h"

namespace trabix {

// ----- the program's interface globals (guiglobals.cpp) -----
extern HWND MainWindow;           // the full-screen main window
extern HMENU MainMenu;            // its menu bar
extern HWND DialogHandle;         // the dialog being shown modally
extern OwnedDc MemoryDC;          // kept for the analysis; reset() deletes it once and forgets it
extern HWND AnalysisDialogHandle; // owner of the solver's stop warnings
extern std::string StructureTitle;  // "BEAM/STRIP" once the job dialog has been built
extern std::string StructureKind;   // "STRIP" or "BEAM"
// Upper bound of the load-case list: the list file is read whole up to it.
constexpr int kMaxLoadCases = 5000;

// ----- start-up and main window (startup.cpp) -----
// Trabix's profile of the shared program frame.
const ProgramFrameProfile& FrameProfile();
void DimensionGlobals();
// Registers the class "BEAM/STRIP ANALYSIS" and creates the full-screen main window, shown.
HWND CreateMainWindow(HINSTANCE instance, int show);
// The notice: "I Agree - &Continue" (kContinueId) ends it with 1, "&Exit" (2) posts the quit message
// and ends it with 0.
int RunTrabix(HINSTANCE instance, int show);
extern "C" LRESULT CALLBACK TrabixWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// ----- menus and commands (menus.cpp) -----
HMENU BuildJobMenu();
void InstallMenu(HMENU menu);
// Enables "&Analysis" when the job's load-case list and support file both have lines.
void UpdateAnalysisMenu();
void DispatchCommand(int id);
// A command that needs a job: the job dialog when none is open; true when one is.
bool NeedJob();
void ParkPointer(int x);
void NewJobCommand();
void SaveJobAsCommand();
void HelpCommand();
void AuthorBox();

// ----- profiles of the shared dialogs (profiles.cpp) -----
JobDialogProfile JobProfile();
// The job dialog; its end value also goes to DialogAnswer.
int ShowJobDialog();
LoadCaseDialogProfile LoadCaseProfile();
// The load-case dialog in mode 1 (entry) or 2 (choice); its end value also goes to DialogAnswer.
int ShowLoadCases(int mode);

// ----- the analysis (analysis.cpp) -----
// Trabix's profile of the shared analysis dialog, shown for the mode; its end value.
int ShowAnalysisDialog(int mode);
// The job check with the program's correction box and dialogs; 1 when the analysis may start.
int CheckJobForAnalysis();
// The menu's analysis commands (888 elastic: mode 0; 889 elastic-plastic: mode 1).
void AnalysisCommand(int mode);
// The correction box of the job check: three beeps, the Yes/No question; kAnswerYes or kAnswerNo.
int AskCorrection(const std::string& message);

// ----- commands whose routines come with the data entry and the graphs; until then nothing -----
void GeometryCommand();
void SupportCommand();
void LoadDataCommand();
void PlotCommand();

// ----- the documents (documents.cpp) -----
extern short OutputPreview;  // 1 preview, 0 print
// The presentation command: the case chosen, then the output chooser.
void PresentationCommand();
// The data and results documents in an output mode (0 preview and keep, 1 print and keep,
// 4 preview, 5 print); a kept document lies in the program directory as <name>_DATA.DDC or
// <name>_RESULTS.DDC, with the offer of a text copy.
void OutputData(int mode, HWND parent);
void OutputResults(int mode, HWND parent);

}  // namespace trabix
