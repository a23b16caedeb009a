#pragma once
// Murelo's program: start-up, the notice, the main window and its menus, its profiles of the
// shared job and load-case dialogs, the job check before an analysis and the menu's commands.
#include <windows.h>

#include <functional>
#include <string>

#include "murelo/core/globals.h"
#include "win/dialogs.h"
#include "win/jobdialog.h"
#include "win/loaddialog.h"
#include "win/programframe.h"

struct GraphProfile;
struct ActionDialogProfile;
struct OutputChooserProfile;

namespace murelo {

// ----- the program's interface globals (guiglobals.cpp) -----
extern HWND MainWindow;             // the full-screen main window
extern HMENU MainMenu;              // its menu bar
extern std::string StructureTitle;  // "Retaining Wall" once the job dialog has been built
// The number character sets of the data dialogs: signed, unsigned, digits.
extern std::string SignedNumberChars, NumberChars, DigitChars;
constexpr int kMaxLoadCases = 50;   // the load-case list holds at most this many names

// ----- start-up and main window (startup.cpp) -----
const ProgramFrameProfile& FrameProfile();
void DimensionGlobals();
// Registers the class "RETAINING WALL ANALYSIS" and creates the full-screen main window, shown.
HWND CreateMainWindow(HINSTANCE instance, int show);
int RunMurelo(HINSTANCE instance, int show);
extern "C" LRESULT CALLBACK MureloWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// ----- menus and commands (menus.cpp) -----
HMENU BuildJobMenu();
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
JobDialogProfile JobProfile();
// The job dialog; its end value also goes to DialogAnswer.
int ShowJobDialog();
LoadCaseDialogProfile LoadCaseProfile();
// The load-case dialog in mode 1 (entry) or 2 (choice); its end value also goes to DialogAnswer.
int ShowLoadCases(int mode);

// ----- the analysis (analysis.cpp) -----
// The job check with the shared correction box and the program's dialogs; 1 when the analysis
// may start.
int CheckJobForAnalysis();
// The analysis dialog of the mode (0 elastic, 1 elastic-plastic); its end value.
int ShowAnalysisDialog(int mode);
// The menu's analysis commands: the check, the case, the dialog, the end tones.
void AnalysisCommand(int mode);

// ----- commands whose routines come with the data entry and the graphs; until then
// nothing (commands.cpp) -----
// The substructure dialog; true when it saved data.
bool GeometryCommand();
// The geometry loader's offer when a substructure is missing: the correction question and, on
// Yes, the substructure dialog; true when the file is to be read again.
bool CorrectMissingGeometry(const std::string& message);
void SupportCommand();
void PlotCommand();

// ----- the plot command (graphs.cpp) -----
// The graph texts of the current job, case and substructure.
GraphProfile GraphWindowProfile();
// The "SELECTION OF STRUCTURAL ACTION" dialog of CurrentSubstructure; its plot button runs
// PlotResponseField.
ActionDialogProfile ActionProfile();
// The graph of action k of the current case and substructure over owner; without a results
// report "Results File is Missing! Analyse the Structure!" and no graph. The point count shown.
int PlotResponseField(HWND owner, int action);
// The action dialog of CurrentSubstructure (its soil kind from SupportFlags) over parent, until
// "&CANCEL".
int ShowStructuralActions(HWND parent);
// Menu command 666: the case (load-case dialog in mode 2), the main window's caption, the job's
// geometry, supports and loads read again, then substructureDialog(4), whose plot action shows
// ShowStructuralActions.
void RunPlotCommand(const std::function<void(int action)>& substructureDialog);
// The substructure selection dialog of action 3 (loads) or 4 (graphs) over the main window,
// its action running the load types or the action dialog.
void ShowSubstructureDialog(int action);

// ----- the load data command (loads.cpp) -----
// The load data of load type 1 (uniform load and self weight), 2 (nodal), 3 (trapezoidal) or 4
// (the stem's vertical trapezoidal load) of CurrentSubstructure, over owner.
void LoadDataDialogs(HWND owner, int type);
// The "SELECTION OF LOAD TYPE" dialog of CurrentSubstructure; "&ENTER / EDIT Load Data" opens
// the ticked type and ticks the next; "&CLOSE" ends it with 1.
DialogTemplate LoadTypeDialog();
INT_PTR CALLBACK LoadTypeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
int ShowLoadTypeDialog(HWND owner);
// Menu command 308 after the case: EditLoadData around the substructure selection of the loads.
void LoadDataCommand();

// ----- the presentation command (documents.cpp) -----
extern short OutputPreview;  // 1 preview, 0 print
// The data and results documents of the job and case: modes 0 and 1 save them (with their
// boxes), 4 and 5 only preview or print.
void OutputData(int mode, HWND parent);
void OutputResults(int mode, HWND parent);
OutputChooserProfile ChooserProfile();
// Menu command 777: the case, then the chooser until "&EXIT".
void PresentationCommand();

}  // namespace murelo
