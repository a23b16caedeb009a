// Trabix's profiles of the shared job and load-case dialogs.
#include "app.h"
#include "trabix/core/slots.h"

namespace trabix {

JobDialogProfile JobDialogOfTrabix() {
  JobDialogProfile p;
  // The caption is taken before the title is set: the first job dialog of a run has none.
  p.caption = "  " + StructureTitle + " Job Name Specification/Selection";
  StructureTitle = "BEAM/STRIP";
  StructureKind = StructureFlags.size() > 1 && StructureFlags[kStripSlot] == "Y" ? "STRIP" : "BEAM";
  p.structureTitle = StructureTitle;
  p.list = {"FJOB$.INF", "\\BEAMS\\", "BEAM1"};
  p.mainWindow = MainWindow;
  p.answer = &DialogResult;
  p.afterOk = [] { UpdateAnalysisMenu(); };
  return p;
}

int ShowJobDialog() {
  JobDialogProfile p = JobDialogOfTrabix();
  DialogResult = ShowJobNameDialog(MainWindow, p);
  return DialogResult;
}

LoadCaseDialogProfile LoadCaseProfile() {
  LoadCaseDialogProfile p = InProcessSolverLoadCases();
  p.structureTitle = StructureTitle.empty() ? "BEAM/STRIP" : StructureTitle;
  p.maxCases = kMaxLoadCases;
  p.mainWindow = MainWindow;
  p.currentCase = &LoadCaseName;
  p.answer = &DialogResult;
  return p;
}

int ShowLoadCases(int mode) {
  LoadCaseDialogProfile p = LoadCaseProfile();
  DialogResult = ShowLoadCaseDialog(MainWindow, p, mode);
  return DialogResult;
}

}  // namespace trabix
