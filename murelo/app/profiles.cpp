// Murelo's profiles of the shared job and load-case dialogs.
#include "app.h"

namespace murelo {

JobDialogProfile JobDialogOfMurelo() {
  JobDialogProfile p;
  p.caption = " Job Name Specification/Selection";
  StructureTitle = "Retaining Wall";
  CurrentSubstructure = "BASE PLATE";
  p.structureTitle = StructureTitle;
  p.list = {"FJOB$.INF", "\\WALLS\\", "WALL1"};
  p.shownEntries = 12;
  p.mainWindow = MainWindow;
  p.answer = &DialogResult;
  p.afterOk = [] { UpdateAnalysisMenu(); };
  return p;
}

int ShowJobDialog() {
  JobDialogProfile p = JobDialogOfMurelo();
  DialogResult = ShowJobNameDialog(MainWindow, p);
  return DialogResult;
}

LoadCaseDialogProfile LoadCaseProfile() {
  LoadCaseDialogProfile p;
  p.structureTitle = StructureTitle.empty() ? "Retaining Wall" : StructureTitle;
  p.listExtension = ".COX";
  p.maxCases = kMaxLoadCases;
  p.nameBoxId = 555;
  p.okId = 1;
  p.deleteId = 209;
  p.frameId = 210;
  p.checkText = " Is LOAD DATA to be ENTERED/EDITED?";
  p.checkX = 10;
  p.checkY = 184;
  p.checkWidth = 188;
  p.checkHeight = 12;
  p.caseFileExtensions = {".LD", ".RB"};
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

}  // namespace murelo
