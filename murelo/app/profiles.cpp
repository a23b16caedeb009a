// Murelo's profiles of the shared job and load-case dialogs.
#include "app.h"

namespace murelo {

JobDialogProfile JobProfile() {
  JobDialogProfile p;
  p.caption = " Job Name Specification/Selection";
  StructureTitle = "Retaining Wall";
  CurrentSubstructure = "BASE PLATE";
  p.structureTitle = StructureTitle;
  p.list = {"FJOB$.INF", "\\WALLS\\", "WALL1"};
  p.shownEntries = 12;
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
  // The in-process solvers' dialog, but for its list file and its Ok (1), which neither takes the
  // focus nor Enter.
  LoadCaseDialogProfile p = InProcessSolverLoadCases();
  p.structureTitle = StructureTitle.empty() ? "Retaining Wall" : StructureTitle;
  p.listExtension = ".COX";
  p.maxCases = kMaxLoadCases;
  p.okId = IDOK;
  p.focusOnOk = false;
  p.okEnterKey = false;
  p.mainWindow = MainWindow;
  p.currentCase = &LoadCaseName;
  return p;
}

int ShowLoadCases(int mode) {
  LoadCaseDialogProfile p = LoadCaseProfile();
  DialogAnswer = ShowLoadCaseDialog(MainWindow, p, mode);
  return DialogAnswer;
}

}  // namespace murelo
