// The analysis: the job check with its correction box, Trabix's profile of the shared analysis
// dialog and the menu's analysis commands.
#include "app.h"
#include "trabix/core/analysis.h"
#include "trabix/core/checks.h"
#include "win/analysisdialog.h"
#include "win/messages.h"

namespace trabix {

namespace {

int RunSolver(HWND dialog, int mode) {
  YieldAnalysis = mode;
  AnalysisDialogHandle = dialog;
  if (!MemoryDC) MemoryDC.reset(CreateCompatibleDC(nullptr));
  int code = AnalyseLoadCase();
  MemoryDC.reset();
  AnalysisDialogHandle = nullptr;
  return code;
}

}  // namespace

int ShowAnalysisDialog(int mode) {
  AnalysisDialogProfile p;
  p.caption = "   " + StructureTitle + " ANALYSIS.   JOB: " + JobSpec;
  p.structureText = "Beam/Strip";
  p.job = JobSpec;
  p.loadCase = LoadCaseName;
  p.cancelId = 2;
  p.analyse = RunSolver;
  p.warningFor = [](int code) { return SolverWarningFor(code); };
  p.answer = &DialogAnswer;
  return ::ShowAnalysisDialog(MainWindow, p, mode);
}

int AskCorrection(const std::string& message) { return AskCorrectionBox(MainWindow, message, DialogAnswer); }

int CheckJobForAnalysis() {
  CorrectionHooks hooks;
  hooks.askCorrection = AskCorrection;
  hooks.editGeometry = [] {
    GeometryCommand();
    return false;  // the geometry dialog comes with the data entry
  };
  hooks.editSupports = [] { SupportCommand(); };
  hooks.editLoadCases = [] {
    if (ShowLoadCases(1) == 1 && !LoadCaseName.empty()) LoadDataCommand();
  };
  return CheckJobData(hooks);
}

void AnalysisCommand(int mode) {
  AnalysisCommandProfile p;
  p.checkJob = CheckJobForAnalysis;
  p.chooseLoadCase = [] { return ShowLoadCases(2); };
  p.analysisDialog = ShowAnalysisDialog;
  p.mainWindow = MainWindow;
  p.structureTitle = StructureTitle;
  p.loadCaseName = &LoadCaseName;
  p.result = &DialogAnswer;
  ::AnalysisCommand(p, mode);
}

}  // namespace trabix
