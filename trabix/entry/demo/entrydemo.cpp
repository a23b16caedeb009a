// Shows one of the data-entry dialogs on a sample beam job in the current folder, to look at
// (not a test): entrydemo geometry|details|supports|unyielding|elastic|winkler|isotropic|cross|function|
// uniform|nodal|trapezoidal|temperature|column|range (column: the UNIFORM dialog of a geometry column)
#include <windows.h>

#include <string>

#include "core/fieldcheck.h"
#include "core/globals.h"
#include "trabix/core/dataentry.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/entry/entry.h"
#include "win/messages.h"

int main(int argc, char** argv) {
  using namespace trabix;
  std::string what = argc > 1 ? argv[1] : "geometry";
  ProgramMessages.ownerIsDialog = true;
  ProgramMessages.pauseMs = 0;
  ProgramMessages.numberCheck = IsNumberText;
  JobSpec = "DEMO";
  ClearEntryTables();
  SaveGeometryDialogData("DEMO", {"", "10", "24", "2E7", "0.2", "1E-5"}, false, false);
  FillGeometryCells();
  for (int e = 1; e <= 24; ++e) CellTexts(3, e) = CellTexts(4, e) = "0.5";
  SaveGeometryCells("DEMO");
  SupportFlags[1] = "Y";
  SupportFlags[2] = "Y";
  UnyieldingNodes = "1,25";
  SupportFlags[4] = "Y";
  if (what == "geometry") GeometryCommand(nullptr);
  else if (what == "details") GeometryDetailsDialog(nullptr);
  else if (what == "supports") ShowModalDialog(SupportTypeDialog(), nullptr, SupportTypeDialogProc);
  else if (what == "unyielding") ShowModalDialog(UnyieldingSupportsDialog(), nullptr, UnyieldingSupportsDialogProc);
  else if (what == "elastic") SupportTableDialog(nullptr, "ELASTIC");
  else if (what == "winkler") SupportTableDialog(nullptr, "WINKLER");
  else if (what == "isotropic") ShowModalDialog(HalfSpaceDialog("ISOTROPIC"), nullptr, HalfSpaceDialogProc);
  else if (what == "cross") ShowModalDialog(HalfSpaceDialog("CROSS-ANISOTROPIC"), nullptr, HalfSpaceDialogProc);
  else if (what == "uniform" || what == "nodal" || what == "trapezoidal" || what == "temperature") {
    LoadCaseName = "DEAD";
    int nodal = 0, trapezoidal = 0, temperature = 0;
    ReadLoadData(TextLines, 0, nodal, trapezoidal, temperature);
    NodalLoadTable(3, 1) = 12.5;
    LoadTable(2, 1) = LoadTable(2, 2) = 4;
    TemperatureTable(1, 1) = 20;
    LoadValues[1] = 10;
    const char* kinds[] = {"uniform", "nodal", "trapezoidal", "temperature"};
    for (int k = 0; k < 4; ++k)
      if (what == kinds[k]) LoadEntryWindow(nullptr, k + 1);
  } else if (what == "function") {
    FillSupportCells("WINKLER");
    TableRows = 24;
    ShowModalDialog(NodeFunctionDialog(false), nullptr, LoadGenerationDialogProc);
  } else if (what == "column" || what == "range") {
    TableRows = 24;
    if (what == "column") ShowModalDialog(entry::UniformDialog(EntryProfile(), 1), nullptr, entry::UniformDialogProc);
    else ShowModalDialog(entry::GenerationDialog(EntryProfile(), 1), nullptr, entry::GenerationDialogProc);
  }
  return 0;
}
