#pragma once
// The analysis command of the beam/strip and retaining-wall programs: the job check, the choice
// of the load case, the analysis dialog, and six tones when the analysis has run. The routines
// it calls are the program's own and come in through the profile.
//
//   AnalysisCommandProfile p;  p.checkJob = ...;  p.chooseLoadCase = ...;  p.analysisDialog = ...;
//   AnalysisCommand(p, 0);   // 0 elastic, 1 elastic-plastic
#include <windows.h>

#include <functional>
#include <string>

struct AnalysisCommandProfile {
  // The job check: 1 when the analysis may start (it offers its own corrections), else 0.
  std::function<int()> checkJob;
  // The load-case dialog in its choice mode, a child of the main window; its end value
  // (1 when a case was chosen).
  std::function<int()> chooseLoadCase;
  // The analysis dialog of the mode; its end value (1 when the analysis ran).
  std::function<int(int mode)> analysisDialog;
  HWND mainWindow = nullptr;          // its caption names the job and the chosen case
  std::string structureTitle;         // "BEAM/STRIP"
  const std::string* loadCaseName = nullptr;  // the program's current case
  int* result = nullptr;              // where the end values go (DialogAnswer)
};

// The caption of the main window once a case is chosen:
// "     " + title + " ANALYSIS.   JOB: " + job + "     Load Case: " + case.
std::string AnalysisCaption(const std::string& structureTitle, const std::string& job, const std::string& loadCase);

// Runs the command; nothing is reported when the user cancels a dialog or declines a correction.
void AnalysisCommand(const AnalysisCommandProfile& profile, int mode);

// The job check's offer of a correction: three default beeps, then the task-modal Yes/No box
// " WARNING!" with the message and its question, owned by owner; kAnswerYes or kAnswerNo (the
// pressed button also goes to answer).
int AskCorrectionBox(HWND owner, const std::string& message, int& answer);

// The six tones that tell the user the analysis has run (who may have looked away).
void AnalysisDoneTones();
