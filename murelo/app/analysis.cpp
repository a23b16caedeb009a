// The analysis command: the job check with its correction offers, the choice of the load case
// and Murelo's profile of the shared analysis dialog.
#include "app.h"
#include "murelo/core/analysis.h"
#include "murelo/core/checks.h"
#include "win/analysiscommand.h"
#include "win/analysisdialog.h"

namespace murelo {

int ShowAnalysisDialog(int mode) {
  AnalysisDialogProfile p;
  p.caption = "   " + StructureTitle + " ANALYSIS.   JOB: " + JobSpec;
  p.structureText = "Retaining Wall";
  p.job = JobSpec;
  p.loadCase = LoadCaseName;
  p.analyse = [](HWND, int m) { return AnalyseLoadCase(m); };
  p.warningFor = [](int code) { return SolverWarningFor(code); };
  p.answer = &DialogAnswer;
  p.widthMetric = SM_CXFULLSCREEN;
  p.title = {60, 60, 500};
  p.titleY = 40;
  p.label = {30, 30, 600};
  p.value = {40, 30, 600};
  p.click = {40, 30, 600};
  p.progressTitle = {70, 60, 500};
  p.progressValue = {30, 30, 600};
  p.pointerOnOrigin = true;
  return ::ShowAnalysisDialog(MainWindow, p, mode);
}

int CheckJobForAnalysis() {
  CorrectionHooks hooks;
  hooks.askCorrection = [](const std::string& message) { return AskCorrectionBox(MainWindow, message, DialogAnswer); };
  hooks.editGeometry = [] { return GeometryCommand(); };
  hooks.editSupports = [] {
    SupportCommand();
    UpdateAnalysisMenu();
  };
  hooks.editLoadCases = [] {
    if (ShowLoadCases(1) == 1 && !LoadCaseName.empty()) LoadDataCommand();
    UpdateAnalysisMenu();
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

}  // namespace murelo
