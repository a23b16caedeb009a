#pragma once
// Palvore's program: its profiles of the shared program frame, job and load-case dialogs,
// save-as and analysis dialog, and the commands of its menus.
#include <windows.h>

#include <string>

#include "palvore/core/globals.h"
#include "win/outputchooser.h"
#include "win/programframe.h"

namespace palvore {

// ----- the program's interface globals (guiglobals.cpp) -----
extern HWND MainWindow;             // the full-screen main window
extern HMENU MainMenu;              // its menu bar, built when the notice is accepted
extern std::string StructureTitle;  // "PILE/SHEET-PILE" once the job dialog has been built
extern std::string StructureKind;   // "PILE" or "SHEET-PILE"
extern std::string SignedNumberChars, NumberChars, DigitChars;
// The load-case list holds at most this many names.
constexpr int kMaxLoadCases = 50;

// ----- start-up and main window (startup.cpp) -----
const ProgramFrameProfile& FrameProfile();
void DimensionGlobals();
HWND CreateMainWindow(HINSTANCE instance, int show);
int RunPalvore(HINSTANCE instance, int show);
extern "C" LRESULT CALLBACK PalvoreWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// ----- menus and commands (menus.cpp) -----
HMENU BuildJobMenu();
void InstallMenu(HMENU menu);
// Enables "&Analysis" (by position; it stays enabled).
void EnableAnalysisMenu();
// Enables "&Analysis" when the job's load-case list and support file both have lines.
void UpdateAnalysisMenu();
void DispatchCommand(int id);
void ParkPointer(int x);
void NewJobCommand();
void SaveJobAsCommand();
void HelpCommand();
void AuthorBox();

// ----- profiles of the shared dialogs (profiles.cpp) -----
// The job dialog; its end value also goes to DialogAnswer.
int ShowJobDialog();
// The load-case dialog in mode 1 (entry) or 2 (choice); its end value also goes to DialogAnswer.
int ShowLoadCases(int mode);

// ----- the analysis (analysis.cpp) -----
// The analysis dialog of the mode over the main window; its end value.
int ShowAnalysisDialog(int mode);
// The job check with its correction offers; 1 when the analysis may start.
int CheckJobForAnalysis();
// "&Elastic Analysis" (mode 0) and "Elastic-&Plastic Analysis" (mode 1).
void AnalysisCommand(int mode);

// ----- the commands over the main window (commands.cpp): 306 the geometry (the entry's
// GeometryCommand), 307 the supports (SupportDataCommand), 308 the loads of the case chosen
// (LoadDataCommand), 666 the response graphs (the views' PlotCommand) -----
void GeometryCommand();
void SupportCommand();
void LoadDataCommand();
void PlotCommand();

// ----- 777 the documents (documents.cpp) -----
extern short OutputPreview;  // the chooser's "Pre&view" (1) or "&Print" (0)
// The data and results documents of the current job and case in output mode 0, 1, 4 or 5.
void OutputData(int mode, HWND parent);
void OutputResults(int mode, HWND parent);
OutputChooserProfile ChooserProfile();
void PresentationCommand();

}  // namespace palvore
