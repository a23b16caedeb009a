// Shows one of Murelo's data-entry dialogs on a sample wall job in the current folder, to look at
// (not a test): murelo_entry_demo substructure|geometry|details|supports|unyielding|elastic|
// winkler|halfspace|load|onepage [wall]
#include <windows.h>

#include <string>

#include "murelo/entry/demo/samplejob.h"
#include "murelo/entry/entry.h"

int main(int argc, char** argv) {
  using namespace murelo;
  const std::string what = argc > 1 ? argv[1] : "geometry";
  const bool wall = argc > 2 && std::string(argv[2]) == "wall";
  WriteSampleWall();
  if (wall) CurrentSubstructure = "WALL";
  if (what == "substructure") GeometryCommand(nullptr);
  else if (what == "geometry") ShowModalDialog(GeometryDialog(), nullptr, GeometryDialogProc);
  else if (what == "details") GeometryDetailsDialog(nullptr);
  else if (what == "supports") ShowModalDialog(SupportTypeDialog(), nullptr, SupportTypeDialogProc);
  else if (what == "unyielding") ShowModalDialog(UnyieldingSupportsDialog(), nullptr, entry::NodeListDialogProc);
  else if (what == "elastic") SupportTableDialog(nullptr, "ELASTIC");
  else if (what == "winkler") SupportTableDialog(nullptr, "WINKLER");
  else if (what == "halfspace") ShowModalDialog(HalfSpaceDialog("ISOTROPIC"), nullptr, HalfSpaceDialogProc);
  else if (what == "load" || what == "onepage") {
    // A trapezoidal load table as the load entry describes it.
    Table = TableTexts();
    Table.kind = "TRAPEZOIDAL";
    Table.title = wall ? " WALL STEM: TRAPEZOIDAL LOAD DATA. Load Case: 1" : " BASE PLATE: TRAPEZOIDAL LOAD DATA. Load Case: 1";
    Table.firstButton = "&SET LINEAR LOAD BETWEEN NODES 'i-m'";
    Table.heads = {"Element i", "at i, qi", "at j, qj", "", ""};
    Table.units = {"Nodes i-j", "[kPa]", "[kPa]", "", ""};
    Table.groupHead = " Trapezoidal Load  [kPa] ";
    Table.secondLabels = {" Start Node No (i):", " End Node No (m):", " Intensity of TRAPEZOIDAL LOAD  [kPa]:",
                          " at Start Node i, qi=", " at End Node m, qm=", "", ""};
    const int n = ElementCount(wall ? kWallStem : kBasePlate);
    CellTexts.Redim(3, n);
    for (int e = 1; e <= n; ++e) CellTexts(1, e) = std::to_string(e), CellTexts(2, e) = CellTexts(3, e) = "0";
    if (what == "onepage") {
      TableRows = n;
      ShowModalDialog(LoadGenerationDialog(1), nullptr, LoadDataDialogProc);
    } else {
      ShowTableWindow(nullptr, 2, n, 2);
    }
  }
  return 0;
}
