#pragma once
// Corvane's road from entered data to an analysis and to reports, Win32 side: the correction
// question of the checks and the boxes of the reports, the analysis command with its dialog that
// starts the outside solver "ANALYSIS.exe" and waits for it, the presentation command with the
// output chooser, and "Save Job As". The frame calls the commands; what they need of it comes
// in as arguments.
#include <windows.h>

#include <functional>
#include <string>

#include "win/dialogs.h"

namespace corvane {

// Fills the ports of the portable checks and reports with their message boxes and ends
// documents with dpEndDoc. Idempotent.
void InstallRunPorts();

// The correction offer: pointer to (screen width / 2 x 1.05, height / 2 x 1.15), three default
// beeps, task-modal Yes/No box with the question icon, caption " WARNING!", pointer back.
void CorrectDataQueryBox(const std::string& message, int& answer);

// "ANALYSIS.exe " + StructureType + "," + JobSpec + "," + the trimmed case: never cut.
std::string AnalysisCommandLine();
// Deletes the current case's result files of the structure type (".RB"; ".RP"; ".RP", ".RW",
// ".RR"), so that a solver that fails leaves nothing to be taken for its results.
void DeleteCaseResults();

// The analysis dialog: caption "   " + StructureType + " ANALYSIS.   JOB: " + JobSpec; ends
// with 1 after "&ANALYSE" (id 1), 0 after "&CANCEL" (id 1234). Opening it deletes a tank's roof
// result file of the case.
DialogTemplate AnalysisDialog(HWND parent);
INT_PTR CALLBACK AnalysisDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// Paints the dialog's panel: mode 1 ready to start, mode 2 in progress.
void AnalysisReadyScreen(HWND dialog, int x, int y, int width, int height, int mode);

// Command 888: checks, load case (chooseLoadCase: the load-case dialog in choice mode, its end
// value), caption, the analysis dialog, six tones after it ended with 1.
void RunAnalysisCommand(HWND mainWindow, const std::function<int()>& chooseLoadCase);
// Command 7777: the load case, the caption and the output chooser with Corvane's documents.
void RunPresentationCommand(HWND mainWindow, const std::function<int()>& chooseLoadCase);
// Command 878: jobDialog shows the job dialog (it sets JobSpec) and returns its end value; above
// 0 the old job's files are copied to the new job, whose headers are rewritten, and the old job
// is archived. Onto the same job nothing happens.
void RunSaveJobAsCommand(const std::function<int()>& jobDialog);

}  // namespace corvane
