// Shows one of Palvore's data-entry dialogs on a sample pile job in the current folder, to look
// at (not a test): palvore_entry_demo geometry|details|supports|unyielding|elastic|winkler|halfspace [sheet]
#include <windows.h>

#include <string>

#include "core/fieldcheck.h"
#include "core/globals.h"
#include "palvore/core/dataentry.h"
#include "palvore/core/globals.h"
#include "palvore/core/jobfiles.h"
#include "palvore/entry/entry.h"
#include "win/messages.h"

int main(int argc, char** argv) {
  using namespace palvore;
  const std::string what = argc > 1 ? argv[1] : "geometry";
  const bool sheet = argc > 2 && std::string(argv[2]) == "sheet";
  ProgramMessages.ownerIsDialog = true;
  ProgramMessages.pauseMs = 0;
  ProgramMessages.numberCheck = IsNumberText;
  JobSpec = "DEMO";
  Geometry = PileGeometry();
  SaveGeometryDialogData("DEMO", {"", "12", "24", "2.1E8", "0.3", "0.2"}, sheet);
  FillGeometryCells();
  for (int e = 1; e <= 24; ++e) CellTexts(3, e) = CellTexts(4, e) = "0.5";
  SaveGeometryCells("DEMO");
  Supports = PileSupports();
  Supports.flags = {"", "Y", "Y", "Y", "Y", "N", "", "", "", "", ""};
  Supports.unyieldingNodes = "1,25";
  if (what == "geometry") GeometryCommand(nullptr);
  else if (what == "details") GeometryDetailsDialog(nullptr);
  else if (what == "supports") ShowModalDialog(SupportTypeDialog(), nullptr, SupportTypeDialogProc);
  else if (what == "unyielding") EditSupportData(nullptr);
  else if (what == "elastic") SupportTableDialog(nullptr, "ELASTIC");
  else if (what == "winkler") SupportTableDialog(nullptr, "WINKLER");
  else if (what == "halfspace") ShowModalDialog(HalfSpaceDialog(), nullptr, HalfSpaceDialogProc);
  return 0;
}
