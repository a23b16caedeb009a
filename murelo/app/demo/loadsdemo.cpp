// Shows one of Murelo's load, graph or document windows on a sample wall job analysed in the
// current folder, to look at (not a test): murelo_loads_demo types|uniform|nodal|trapezoid|
// actions|graph|chooser|data|results [wall] [action]
#include <windows.h>

#include <cstdlib>
#include <string>

#include "app.h"
#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/jobnames.h"
#include "graph/actiondialog.h"
#include "graph/graphwindow.h"
#include "murelo/core/analysis.h"
#include "murelo/core/dataentry.h"
#include "murelo/core/graphs.h"
#include "murelo/core/jobfiles.h"
#include "murelo/core/loadedit.h"
#include "murelo/core/slots.h"
#include "murelo/entry/entry.h"
#include "win/messages.h"
#include "win/outputchooser.h"

namespace {

// A base plate of 8 elements (toe restrained, Winkler soil), a stem of 6; case "A" with a uniform
// load on the plate and earth pressure on the stem, analysed.
void SampleJob() {
  using namespace murelo;
  JobSpec = "WALL9";
  LoadCaseName = "A";
  GeneralData.Redim(2, 5);
  CurrentSubstructure = "WALL";
  SaveGeometryDialogData(JobSpec, {"", "3", "6", "3.0E7", "0.2"});
  FillGeometryCells();
  UniformWidthCells();
  for (int e = 1; e <= 6; ++e) CellTexts(3, e) = "0.3";
  SaveGeometryCells(JobSpec);
  CurrentSubstructure = "BASE PLATE";
  SaveGeometryDialogData(JobSpec, {"", "4", "1", "8", "3.0E7", "0.2"});
  FillGeometryCells();
  UniformWidthCells();
  for (int e = 1; e <= 8; ++e) CellTexts(3, e) = "0.5";
  SaveGeometryCells(JobSpec);
  SupportFlags = {"Y", "N", "N", "Y", "N", "N", "", "", "", "", ""};
  WinklerTable.Redim(8, 4);
  for (int e = 1; e <= 8; ++e) WinklerTable(e, 0) = e, WinklerTable(e, 1) = WinklerTable(e, 2) = 20000;
  SaveSupportFile(JobSpec);
  TextLineArray cases{"", "A"};
  SaveTextLines(LoadCaseListFileName(JobSpec), cases, 1);
  EditLoadData([] {
    LoadTable(kBasePlate, kUniformLoadItem) = 20;
    LoadTable(kBasePlate, kMassDensityItem) = 2400;
    for (int e = 1; e <= 6; ++e) StemHorizontalLoads(e, 1) = 10.0 * (7 - e), StemHorizontalLoads(e, 2) = 10.0 * (6 - e);
  });
  AnalyseLoadCase(0);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace murelo;
  const std::string what = argc > 1 ? argv[1] : "types";
  const bool wall = argc > 2 && std::string(argv[2]) == "wall";
  const int action = argc > 3 ? std::atoi(argv[3]) : 1;
  DimensionGlobals();
  ProgramMessages.ownerIsDialog = true;
  ProgramMessages.pauseMs = 0;
  StructureTitle = "Retaining Wall";
  SampleJob();
  CurrentSubstructure = wall ? "WALL" : "BASE PLATE";
  if (what == "types" || what == "uniform" || what == "nodal" || what == "trapezoid") {
    EditLoadData([&] {
      if (what == "types") ShowLoadTypeDialog(nullptr);
      else LoadDataDialogs(nullptr, what == "uniform" ? 1 : what == "nodal" ? 2 : 3);
    });
  } else if (what == "actions") {
    ShowStructuralActions(nullptr);
  } else if (what == "graph") {
    GraphState = WallGraphState();
    GraphState.soilKind = GraphSoilKind();
    int n = WallActionPoints(ResultsFileName(JobSpec, LoadCaseName), CurrentSubstructure, action);
    if (n > 0) ShowGraphWindow(nullptr, GraphWindowProfile(), action, GraphState.points, n);
  } else if (what == "chooser") {
    static OutputChooserProfile p = ChooserProfile();
    ShowOutputChooser(nullptr, p);
  } else if (what == "data") {
    OutputData(4, nullptr);
  } else if (what == "results") {
    OutputResults(4, nullptr);
  }
  return 0;
}
