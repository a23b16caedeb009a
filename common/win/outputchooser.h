#pragma once
// The output chooser of the presentation command: the job's input data or the results of the
// chosen load case as a document, previewed or printed, and kept in the program directory when
// "&Save" is checked. It stays open after each output until "&EXIT". The documents and the
// load-case choice are the program's own; they come in through the profile.
//
//   OutputChooserProfile p;  p.structureTitle = StructureType;  p.loadCaseName = &LoadCaseName;
//   p.chooseLoadCase = [] { return ShowLoadCaseDialog(MainWindow, caseProfile, 2); };
//   p.outputData = OutputData;  p.outputResults = OutputResults;  p.preview = &OutputPreview;
//   PresentationCommand(MainWindow, p);
#include <windows.h>

#include <functional>
#include <string>

#include "win/colours.h"
#include "win/dialogs.h"
#include "win/ids.h"

// The chooser's own controls: the outputs are its OK and Cancel buttons, the modes its options;
// its heading and rule are the shared ones, "&EXIT" is kExitId.
constexpr int kChooserPromptId = 111;  // "Select one of the following Options"
constexpr int kChooserDataId = kOkId, kChooserResultsId = kFormCancelId;
constexpr int kChooserSaveId = kFirstOptionId, kChooserPrintId = kFirstOptionId + 1, kChooserPreviewId = kLastOptionId;

struct OutputChooserProfile {
  std::string structureTitle;                  // "BEAM/STRIP", "PLATE", "TANK", Trabix's title
  std::string* loadCaseName = nullptr;         // the program's current case (trimmed in place)
  std::function<int()> chooseLoadCase;         // the load-case dialog in its choice mode: end value
  std::function<void(int mode, HWND parent)> outputData;     // "&DATA"
  std::function<void(int mode, HWND parent)> outputResults;  // "&RESULTS"
  short* preview = nullptr;                    // the program's OutputPreview: 1 preview, 0 print
  int* answer = nullptr;                       // where the load-case dialog's end value goes
  // Where the programs' choosers differ: the blanks between the title and "Job:", the place
  // (centred on the screen, else at (10, 10) of the owner), and whether Enter on a focused
  // "&DATA" or "&RESULTS" presses it (their key procedure subclassed).
  std::string captionGap = "  ";
  bool centred = false;
  bool subclassButtons = true;
  // The colours of the controls; NULL gives the shared navy-on-pale table.
  const std::vector<ColourRule>* colours = nullptr;
};

// Output modes: 0 preview and keep the file, 1 print and keep, 4 preview only, 5 print only.
int OutputMode(bool preview, bool save);

// " " + title + ";" + gap + "Job: " + job + "; Load: " + case.
std::string OutputChooserCaption(const std::string& structureTitle, const std::string& job, const std::string& loadCase,
                                 const std::string& gap = "  ");
// "     " + title + " ANALYSIS.   JOB: " + job + "     Load Case: " + case.
std::string PresentationCaption(const std::string& structureTitle, const std::string& job, const std::string& loadCase);

// The chooser (ids: 120 heading, 99 line, 111 prompt, 55 "&DATA", 56 "&RESULTS", 1234 "&EXIT",
// 201 "&Save", 202 "&Print", 203 "Pre&view"), 288 x 133 units at (10, 10) of its owner or centred.
DialogTemplate OutputChoiceDialog(const OutputChooserProfile& profile);
// Its callback; the profile comes as the dialog's parameter.
INT_PTR CALLBACK OutputChoiceDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// Shows the chooser modally (the preview switch set to 1 first); returns its end value.
INT_PTR ShowOutputChooser(HWND owner, const OutputChooserProfile& profile);

// The command: the load case is chosen; only when that ends with 1 the owner's caption names the
// job and the case, the case is trimmed and the chooser is shown.
void PresentationCommand(HWND owner, const OutputChooserProfile& profile);
