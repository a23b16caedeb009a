// Palvore's plot command: a structural action of a load case chosen in the shared action dialog
// and shown in the shared graph window along the pile, read back from the case's results report.
#include <windows.h>

#include <string>

#include "core/globals.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "palvore/core/checks.h"
#include "palvore/core/documents.h"
#include "palvore/core/globals.h"
#include "palvore/core/jobfiles.h"
#include "palvore/core/reportreader.h"
#include "palvore/core/slots.h"
#include "palvore/views/views.h"
#include "win/messages.h"

namespace palvore {

namespace {

// What one showing of the action dialog keeps: the report's lines and the series shown last.
struct PlotState {
  TextLineArray lines;
  int lineCount = 0;
  bool loaded = false;
  ResponseGraph graph;
};
PlotState state;

void ClearPlotState() { state = PlotState(); }

bool HasSoil() { return SupportFlag(kWinklerSlot) || SupportFlag(kHalfSpaceSlot); }

}  // namespace

const char* const kMissingResultsText = "Results File is Missing! Analyse the Structure!";

GraphProfile GraphWindowProfile() {
  GraphProfile p;
  p.heading = Geometry.kind.empty() ? std::string(IsSheetPile() ? "Sheet-Pile" : "Pile") : Geometry.kind;
  p.headingEffects = 0;
  p.jobName = JobSpec;
  p.loadCase = LoadCaseName;
  p.abscissaCaption = "Distance from Top [m]";
  for (int k = 1; k <= 5; ++k) p.ordinateTitles.push_back(OrdinateTitle(k, IsSheetPile()));
  p.reversedActions = {1};
  p.fileTypeCaption = " SHEET-PILE/PILE ANALYSIS.   JOB: " + JobSpec + "     Load Case: " + LoadCaseName;
  p.missingResultsText = kMissingResultsText;
  p.infinityNote = false;
  p.printDefaults = true;
  p.printGraph = [](HWND owner, const std::string& bitmap) { PrintGraphDocument(owner, 1, bitmap, true); };
  return p;
}

int PlotResponseField(HWND owner, int action) {
  GraphProfile profile = GraphWindowProfile();
  if (!state.loaded) {
    state.lines.assign(1, std::string());
    state.lineCount = 0;
    const std::string name = ResultsFileName(JobSpec, LoadCaseName);
    if (FileExists(name)) LoadTextLines(name, state.lines, 5000, state.lineCount);
    state.loaded = true;
  }
  const int count = ResponseSeries(state.graph, state.lines, state.lineCount, action, ElementCount(), ElementsAboveSoil());
  if (count <= 0) {
    // An analysis may still write it: the report is read again at the next plot.
    state.loaded = false;
    WarningTones();
    WarnMissingResults(owner, profile);
    return 0;
  }
  ShowGraphWindow(owner, profile, action, state.graph.points, count);
  return count;
}

ActionDialogProfile ActionProfile() {
  ActionDialogProfile p;
  p.caption = Trim(std::string(" ") + kStructureTitle + " ANALYSIS.   JOB: " + JobSpec + "     Load Case: " + LoadCaseName);
  p.heading = "SELECTION OF STRUCTURAL ACTION";
  for (int k = 1; k <= ActionCount(HasSoil()); ++k) p.options.push_back(PileActions()[static_cast<size_t>(k - 1)].caption);
  p.plot = [](HWND dialog, int action) { PlotResponseField(dialog, action); };
  return p;
}

void PlotCommand(HWND mainWindow, const std::function<int()>& chooseLoadCase, const CorrectionHooks& hooks) {
  ClearPlotState();
  if (!chooseLoadCase || chooseLoadCase() != 1) return;
  if (mainWindow) {
    const std::string caption =
        std::string("     ") + kStructureTitle + " ANALYSIS.   JOB: " + JobSpec + "     Load Case: " + LoadCaseName;
    SetWindowTextA(mainWindow, caption.c_str());
  }
  if (LoadGeometryFile(hooks) != 1) return;
  TextLineArray lines;
  int count = 0, springs = 0, soil = 0;
  LoadTextLines(SupportFileName(JobSpec), lines, 5000, count);
  if (count > 2) ReadSupportData(lines, count, springs, soil);
  else Supports.flags.assign(kSupportFlagSlots, "N");
  count = 0;
  LoadTextLines(LoadFileName(JobSpec, LoadCaseName), lines, 5000, count);
  int trapezoidal = 0, nodal = 0;
  if (count > 2) ReadLoadData(lines, count, trapezoidal, nodal);
  ShowActionSelectionDialog(mainWindow, ActionProfile());
  ClearPlotState();
  Geometry.rows.Redim(2, 1);
  Loads.trapezoidal.Redim(2, 1);
}

}  // namespace palvore
