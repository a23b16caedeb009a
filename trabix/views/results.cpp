// Trabix's results command: the structural action of a load case chosen in a dialog and shown
// as a response graph along the beam or strip, read back from the case's results report.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/globals.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "trabix/core/checks.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/slots.h"
#include "trabix/views/views.h"
#include "win/messages.h"

namespace trabix {

namespace {

// What one showing of the action dialog keeps: the report's lines, the table parsed last and
// the points of the action shown last.
struct ResultsState {
  TextLineArray lines;
  int lineCount = 0;
  ResultsGraph graph;
  bool strip = false;
  bool soil = false;
};
ResultsState state;

bool HasSoil() {
  auto yes = [](size_t i) { return SupportFlags.size() > i && IsYesAnswer(SupportFlags[i]); };
  return yes(kWinklerSlot) || yes(kIsotropicHalfSpaceSlot) || yes(kAnisotropicHalfSpaceSlot);
}

}  // namespace

void ClearResultsMemory() {
  ClearResultsGraph(state.graph);
  state.lines.clear();
  state.lineCount = 0;
}

GraphProfile GraphWindowProfile() {
  GraphProfile p;
  p.heading = IsStrip() ? "STRIP" : "BEAM";
  p.jobName = JobSpec;
  p.loadCase = LoadCaseName;
  p.abscissaCaption = "Distance from Left [m]";
  std::vector<ResultsAction> actions = ResultsActions(IsStrip(), true);
  for (size_t k = 0; k < actions.size(); ++k) {
    p.ordinateTitles.push_back(actions[k].title);
    if (actions[k].reversed) p.reversedActions.push_back(static_cast<int>(k) + 1);
  }
  p.fileTypeCaption = " BEAM and STRIP ANALYSIS.   JOB: " + JobSpec + "     Load Case: " + LoadCaseName;
  p.missingResultsText = "Results File is Missing!";
  p.printGraph = PrintGraph;
  return p;
}

void PrintGraph(HWND owner, const std::string& bitmap) { PrintGraphDocument(owner, 5, bitmap); }

int PlotResponseField(HWND owner, int action) {
  GraphProfile profile = GraphWindowProfile();
  if (state.graph.lastAction == 0) {
    state.lines.clear();
    state.lineCount = 0;
    std::string name = ResultsFileName(JobSpec, LoadCaseName);
    if (FileExists(name)) LoadTextLines(name, state.lines, 5000, state.lineCount);
    if (state.lineCount == 0) {
      WarnMissingResults(owner, profile);
      return 0;
    }
  }
  int count = ResultsActionPoints(state.graph, state.lines, state.lineCount, action, state.strip);
  if (count <= 0) {
    ClearResultsGraph(state.graph);  // a damaged report is read again at the next plot
    WarnMissingResults(owner, profile);
    return 0;
  }
  state.graph.lastAction = action;
  ShowGraphWindow(owner, profile, action, state.graph.points, count);
  return count;
}

ActionDialogProfile ActionProfile(const std::string& structureTitle) {
  ActionDialogProfile p;
  p.caption = "  " + structureTitle + " ANALYSIS.   JOB: " + JobSpec + ": SELECTION OF STRUCTURAL ACTION" +
              "     Load Case: " + LoadCaseName;
  p.heading = "SELECTION OF STRUCTURAL ACTION";
  for (const ResultsAction& a : ResultsActions(state.strip, state.soil)) p.options.push_back(a.caption);
  p.plot = [](HWND dialog, int action) { PlotResponseField(dialog, action); };
  return p;
}

void ResultsCommand(HWND mainWindow, const std::string& structureTitle, const std::function<int()>& chooseLoadCase) {
  ClearResultsMemory();
  if (!chooseLoadCase || chooseLoadCase() != 1) return;
  if (LoadSupportFile() != 1) return;
  if (mainWindow) {
    std::string caption = "     " + structureTitle + " ANALYSIS.   JOB: " + JobSpec + "     Load Case: " + LoadCaseName;
    SetWindowTextA(mainWindow, caption.c_str());
  }
  // The case's loads, for the flags; a missing load file is not reported here.
  TextLineArray lines;
  int count = 0;
  LoadTextLines(LoadFileName(JobSpec, LoadCaseName), lines, 10000, count);
  if (count > 2) {
    int nodal = 0, trapezoidal = 0, temperature = 0;
    ReadLoadData(lines, count, nodal, trapezoidal, temperature);
  }
  state.strip = IsStrip();
  state.soil = HasSoil();
  ShowActionSelectionDialog(mainWindow, ActionProfile(structureTitle));
  ClearResultsMemory();
}

}  // namespace trabix
