// The analysis command: the job check with its correction offers, the choice of the load case
// and Palvore's profile of the shared analysis dialog.
#include "app.h"
#include "palvore/entry/entry.h"
#include "palvore/core/analysis.h"
#include "palvore/core/checks.h"
#include "win/analysiscommand.h"
#include "win/analysisdialog.h"

namespace palvore {

int ShowAnalysisDialog(int mode) {
  AnalysisDialogProfile p;
  p.caption = "   " + StructureTitle + " ANALYSIS.   JOB: " + JobSpec;
  p.structureText = "Pile/Sheet-Pile";
  p.job = JobSpec;
  p.loadCase = LoadCaseName;
  p.analyse = [](HWND, int m) {
    YieldAnalysis = m;
    return AnalyseLoadCase();
  };
  p.warningFor = [](int code) { return SolverWarningFor(code); };
  p.answer = &DialogAnswer;
  return ::ShowAnalysisDialog(MainWindow, p, mode);
}

int CheckJobForAnalysis() {
  CorrectionHooks hooks;
  hooks.askCorrection = [](const std::string& message) { return AskCorrectionBox(MainWindow, message, DialogAnswer); };
  hooks.editGeometry = [] { return GeometryCommand(MainWindow); };
  hooks.editSupports = [] {
    SupportCommand();
    EnableAnalysisMenu();
  };
  hooks.editLoadCases = [] {
    if (ShowLoadCases(1) == 1 && !LoadCaseName.empty()) LoadDataCommand();
    EnableAnalysisMenu();
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

}  // namespace palvore
