#pragma once
// The load-case dialog of the analysis programs. A job's load-case names are listed one a line in
// its list file (JobSpec + ".CAS" or ".COX"), the most recently chosen first; the first character
// of a name ends the extensions of the case's load and results files, so first characters must
// differ (regardless of case) and must be able to stand in a file name.
//
// Mode 1, the entry mode: a new name can be typed, a listed one chosen or deleted, and a check box
// says whether the load data are to be entered next. OK ends with 1 when a name was given and the
// box is ticked, else 0. Mode 2 (any other value), the choice mode: OK ends with 1 when a listed
// name was chosen, 0 when the list is empty. Cancel ends with 0 and writes nothing.
//
//   LoadCaseDialogProfile p;  p.structureTitle = StructureType;  p.currentCase = &LoadCaseName; ...
//   DialogAnswer = ShowLoadCaseDialog(MainWindow, p, 1);
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/globals.h"
#include "win/dialogs.h"
#include "win/ids.h"
#include "win/listdialog.h"

struct LoadCaseDialogProfile {
  std::string structureTitle;          // captions: "  " + title + ": Load Name Specification/Selection"
  std::string listExtension = ".CAS";  // the list file is JobSpec + this
  int maxCases = 50;                   // names read from the list and names it may hold
  int nameBoxId = kNameBoxId;
  int okId = kContinueId;
  int deleteId = kDeleteId;
  int frameId = kExamplesFrameId;
  std::string checkText = " ENTER / EDIT LOAD DATA ";  // the entry mode's check box (id 131)
  int checkX = 10, checkY = 185, checkWidth = 160, checkHeight = 14;
  bool focusOnOk = false;   // the focus goes to OK instead of the name box
  bool okEnterKey = false;  // Enter on OK presses it (EditSubclassProc2; OK must then be 55)
  // Deleting a case deletes JobSpec + each of these + the case's first letter, when it exists.
  std::vector<std::string> caseFileExtensions = {".LD"};
  HWND mainWindow = nullptr;           // whose caption names the job and the case after an entry-mode OK
  std::string* currentCase = nullptr;  // the program's current case (LoadCaseName), at most 29 characters
  int* answer = &DialogAnswer;         // where the answers of the dialog's boxes go
  std::function<void()> afterOk;       // runs before an OK ends the dialog (clears the load entry's table)
};

// The dialog of the programs that solve in-process (Trabix, Palvore): list 555, "&Ok" 55 with the
// focus and pressed by Enter, delete 209, frame 210, the check box " Is LOAD DATA to be
// ENTERED/EDITED?" at (10, 184) 188 x 12; deleting a case deletes its ".LD" and ".RB" files.
LoadCaseDialogProfile InProcessSolverLoadCases();

// The control ids every program shares.
constexpr int kCaseHeadingId = kListHeadingId, kCasePanelId = kListPanelId, kCaseNoteId = 118, kCaseCheckId = 131;

// The builder and the callback. The callback needs the profile as the dialog's parameter:
// ShowModalDialog(LoadCaseDialog(p, mode), owner, LoadCaseDialogProc, reinterpret_cast<LPARAM>(&p)).
// The builder fills LoadCaseNames (slot 0 unused) from the list file.
DialogTemplate LoadCaseDialog(const LoadCaseDialogProfile& profile, int mode);
INT_PTR CALLBACK LoadCaseDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Both in one: shows the dialog modally over owner and returns its end value.
int ShowLoadCaseDialog(HWND owner, const LoadCaseDialogProfile& profile, int mode);
