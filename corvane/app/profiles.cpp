// Corvane's profiles of the shared job and load-case dialogs.
#include "core/joblist.h"
#include "corvane/core/loadfile.h"
#include "corvane/app/app.h"

namespace corvane {

JobDialogProfile JobProfile() {
  JobDialogProfile p;
  p.caption = "  " + StructureType + " Job Name Specification/Selection";
  p.structureTitle = StructureType;
  p.list = CorvaneJobList(StructureType);
  p.mainWindow = MainWindow;
  // Another job's loads are not this one's.
  p.afterOk = ClearLoadWork;
  return p;
}

int ShowJobDialog() {
  JobDialogProfile p = JobProfile();
  DialogAnswer = ShowJobNameDialog(MainWindow, p);
  return DialogAnswer;
}

LoadCaseDialogProfile LoadCaseProfile() {
  LoadCaseDialogProfile p;
  p.structureTitle = StructureType;
  // A case's load file, and the results files the solver writes for the structure type.
  if (StructureType == "TANK")
    p.caseFileExtensions = {".LD", ".RP", ".RW", ".RR"};
  else if (StructureType == "PLATE")
    p.caseFileExtensions = {".LD", ".RP"};
  else
    p.caseFileExtensions = {".LD", ".RB"};
  p.mainWindow = MainWindow;
  p.currentCase = &LoadCaseName;
  // The chosen case's loads are read from its own file.
  p.afterOk = ClearLoadWork;
  return p;
}

int ShowLoadCases(int mode) {
  LoadCaseDialogProfile p = LoadCaseProfile();
  DialogAnswer = ShowLoadCaseDialog(MainWindow, p, mode);
  return DialogAnswer;
}

}  // namespace corvane
