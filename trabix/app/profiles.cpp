// Trabix's profiles of the shared job and load-case dialogs.
#include "app.h"
#include "trabix/core/slots.h"

namespace trabix {

JobDialogProfile JobProfile() {
  JobDialogProfile p;
  // The caption is taken before the title is set: the first job dialog of a run has none.
  p.caption = "  " + StructureTitle + " Job Name Specification/Selection";
  StructureTitle = "BEAM/STRIP";
  StructureKind = StructureFlags.size() > 1 && StructureFlags[kStripSlot] == "Y" ? "STRIP" : "BEAM";
  p.structureTitle = StructureTitle;
  p.list = {"FJOB$.INF", "\\BEAMS\\", "BEAM1"};
  p.mainWindow = MainWindow;
  p.afterOk = [] { UpdateAnalysisMenu(); };
  return p;
}

int ShowJobDialog() {
  JobDialogProfile p = JobProfile();
  DialogAnswer = ShowJobNameDialog(MainWindow, p);
  return DialogAnswer;
}

LoadCaseDialogProfile LoadCaseProfile() {
  LoadCaseDialogProfile p = InProcessSolverLoadCases();
  p.structureTitle = StructureTitle.empty() ? "BEAM/STRIP" : StructureTitle;
  p.maxCases = kMaxLoadCases;
  p.mainWindow = MainWindow;
  p.currentCase = &LoadCaseName;
  return p;
}

int ShowLoadCases(int mode) {
  LoadCaseDialogProfile p = LoadCaseProfile();
  DialogAnswer = ShowLoadCaseDialog(MainWindow, p, mode);
  return DialogAnswer;
}

}  // namespace trabix
