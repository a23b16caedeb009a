// Palvore's profiles of the shared job and load-case dialogs.
#include "app.h"
#include "palvore/entry/ids.h"
#include "win/jobdialog.h"
#include "win/loaddialog.h"

namespace palvore {

namespace {

JobDialogProfile JobProfile() {
  JobDialogProfile p;
  // The caption is taken before the title is set: the first job dialog of a run has none.
  p.caption = "  " + StructureTitle + " Job Name Specification/Selection";
  StructureTitle = "PILE/SHEET-PILE";
  StructureKind = "PILE";
  p.structureTitle = StructureTitle;
  p.list = {"FJOB$.INF", "\\PILES\\", "PILE1"};
  p.shownEntries = 12;
  p.comboId = kInProcessNameBoxId;
  p.deleteId = kInProcessDeleteId;
  p.frameId = kInProcessFrameId;
  p.mainWindow = MainWindow;
  p.afterOk = UpdateAnalysisMenu;
  return p;
}

LoadCaseDialogProfile LoadCaseProfile() {
  LoadCaseDialogProfile p = InProcessSolverLoadCases();
  p.structureTitle = StructureTitle.empty() ? "PILE/SHEET-PILE" : StructureTitle;
  p.listExtension = ".COX";
  p.maxCases = kMaxLoadCases;
  p.mainWindow = MainWindow;
  p.currentCase = &LoadCaseName;
  return p;
}

}  // namespace

int ShowJobDialog() {
  JobDialogProfile p = JobProfile();
  DialogAnswer = ShowJobNameDialog(MainWindow, p);
  return DialogAnswer;
}

int ShowLoadCases(int mode) {
  LoadCaseDialogProfile p = LoadCaseProfile();
  DialogAnswer = ShowLoadCaseDialog(MainWindow, p, mode);
  return DialogAnswer;
}

}  // namespace palvore
