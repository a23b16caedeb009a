#pragma once
// Corvane's frame: start-up, the main window and its background, the notice, the menus and the
// dispatch of their commands, the structure screen, and Corvane's profiles of the shared job and
// load-case dialogs.
#include <windows.h>

#include <string>

#include "corvane/core/globals.h"
#include "win/dialogs.h"
#include "win/programframe.h"
#include "win/startup.h"
#include "win/jobdialog.h"
#include "win/loaddialog.h"

namespace corvane {

extern HWND MainWindow;  // the full-screen main window
extern HMENU MainMenu;   // its menu bar, replaced whenever the bar is rebuilt

// The graphics windows of the structure screen: the picture and its warning panel.
constexpr long kScreenWindow = 1;
constexpr long kPanelWindow = 2;

// ----- start-up and main window -----
// Corvane's profile of the shared program frame.
const ProgramFrameProfile& FrameProfile();
// Dimensions the global arrays.
void DimensionGlobals();
// Registers the class "ZOR" and creates the full-screen main window (MainWindow), shown.
HWND CreateMainWindow(HINSTANCE instance, int show);
// The start-up notice: "I Agree - &Continue" (kContinueId) installs the start menu, "&Exit" (2) posts
// the quit message.
void ShowNotice();
// The whole start-up, as WinMain runs it; runs until the quit message and returns its value.
int RunCorvane(HINSTANCE instance, int show);
// The main window procedure, exported from Corvane.exe as WNDPROC.
extern "C" LRESULT CALLBACK CorvaneWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// ----- menus and commands -----
HMENU BuildStartMenu();
HMENU BuildStructureTypeMenu();
HMENU BuildJobMenu();
// Appends "&Analysis" (888), enabled when the job's load-case list has a line.
void BuildAnalysisMenuItem(HMENU menu);
HMENU BuildPresentationMenu();
// Puts the menu bar on the main window in place of the one it had.
void InstallMenu(HMENU menu);
void EnableAnalysisMenu();
// Runs the command of a menu id.
void DispatchCommand(int id);
// The structure type change of "&Beam/Strip", "&Plate" and "&Tank".
void ChangeStructureType(const std::string& type);
// A command that needs a job: shows the job dialog when none is open; true when one is.
bool NeedJob();
// Puts the mouse pointer on the menu bar above the main window's client point (x, 0).
void ParkPointer(int x);
void HelpCommand();
void SoftwareBox();  // "&About Software"
void AuthorBox();    // "A&bout Author/Contact Address"

// ----- Corvane's profiles of the shared dialogs -----
JobDialogProfile JobProfile();
// The job dialog of the current structure type; its end value also goes to DialogAnswer.
int ShowJobDialog();
LoadCaseDialogProfile LoadCaseProfile();
// The load-case dialog in mode 1 (entry) or 2 (choice); its end value also goes to DialogAnswer.
int ShowLoadCases(int mode);

// ----- the structure screen -----
// Draws the picture of the current structure type over the main window's client area.
void StructureScreen();
void HideScreen();
void ShowScreen();
void CloseScreen();

// The ports of the checks, the grid and the data entry filled with Corvane's dialogs.
void InstallEntryPorts();

// ----- the commands of the data entry, analysis, presentation, plotting and save-as -----
void GeometryCommand();
void SupportCommand();
// Command 7308 after the load-case list has named LoadCaseName: EditLoadData over the main window.
void LoadDataCommand();
void AnalysisCommand();
void PresentationCommand();
// Command 7666: the plot command of corvane/views for the current job; a tank's substructure is
// chosen by TankPlotChoice.
void PlotCommand();
// The tank substructure choice in its plot mode (4): each substructure chosen gets its action
// dialog.
void TankPlotChoice();
void SaveJobAsCommand();

}  // namespace corvane
