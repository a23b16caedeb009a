// Shows one of Palvore's data-entry dialogs on a sample pile job in the current folder, to look
// at (not a test): palvore_entry_demo geometry|details|supports|unyielding|elastic|winkler|halfspace|
// loads|trapezoidal|nodal|graph <action>|results|data [sheet]; graph, results and data analyse the
// sample (Winkler soil, a force at the top) first.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "doc/ddoc.h"
#include "palvore/core/analysis.h"
#include "palvore/core/checks.h"
#include "palvore/core/documents.h"
#include "palvore/entry/tests/samplejob.h"
#include "palvore/views/views.h"

int main(int argc, char** argv) {
  using namespace palvore;
  const std::string what = argc > 1 ? argv[1] : "geometry";
  const bool sheet = argc > 2 && std::string(argv[2]) == "sheet";
  sample::Start();
  sample::Save(sheet);
  if (what == "graph" || what == "results" || what == "data") {
    // Winkler soil under the two elements above the surface, a force and a moment at the top.
    Geometry.modulus = 2.1E7;
    Geometry.poisson = 0.2;
    SaveGeometryCells("DEMO");
    for (int slot : {kTopEdgeFixedSlot, kUnyieldingSlot, kElasticSupportsSlot}) Supports.flags[slot] = "N";
    Supports.soil.Redim(24, 4);
    for (int e = 3; e <= 24; ++e) {
      Supports.soil(e, 0) = e;
      for (int c = 1; c <= 4; ++c) Supports.soil(e, c) = c <= 2 ? 20000 : 200;
    }
    SaveSupportFile("DEMO");
    Loads.nodal.Redim(25, 2);
    Loads.trapezoidal.Redim(24, 2);
    Loads.nodal(1, 0) = 1;
    Loads.nodal(1, 1) = 100;
    Loads.nodal(1, 2) = 20;
    TextLineArray lines(1);
    int count = 0, nodal = 1, trapezoidal = 0;
    ListLoads(lines, count, nodal, trapezoidal, LoadHeader("DEMO", "A"));
    ListLoadRows(lines, Loads.nodal, 1, nodal, 2);
    SaveTextLines(LoadFileName("DEMO", "A"), lines, count);
    AnalyseLoadCase();
    LoadSupportFile();
  }
  if (what == "graph") {
    PlotResponseField(nullptr, argc > 2 ? std::atoi(argv[2]) : 1);
  } else if (what == "results" || what == "data") {
    int doc = dpStartDoc(nullptr, what == "data" ? "Structure Data" : "RESULTS", "", 1, 9, 0, 7, 128);
    if (what == "data") {
      PrintGeometryData(doc);
      PrintSupportData(doc);
      PrintLoadData(doc);
    } else {
      PrintResults(doc);
    }
    dpEndDoc(doc, 4);
  } else if (what == "loads") {
    LoadDataCommand(nullptr);
  } else if (what == "trapezoidal" || what == "nodal") {
    sample::OpenLoadTable(what == "nodal" ? 2 : 1);
  } else if (what == "geometry") GeometryCommand(nullptr);
  else if (what == "details") GeometryDetailsDialog(nullptr);
  else if (what == "supports") ShowModalDialog(SupportTypeDialog(), nullptr, entry::SupportTypeDialogProc);
  else if (what == "unyielding") EditSupportData(nullptr);
  else if (what == "elastic") SupportTableDialog(nullptr, "ELASTIC");
  else if (what == "winkler") SupportTableDialog(nullptr, "WINKLER");
  else if (what == "halfspace") ShowModalDialog(HalfSpaceDialog(), nullptr, entry::HalfSpaceDialogProc);
  return 0;
}
