// Corvane's plot command: the structural action of a load case chosen in a dialog and shown as a
// response graph of the outside solver's results.
#include <windows.h>

#include <string>

#include "core/numbers.h"
#include "core/textfiles.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/globals.h"
#include "corvane/core/loadfile.h"
#include "corvane/core/supportfile.h"
#include "corvane/views/views.h"

namespace corvane {

namespace {

// Gives back the room of the results read for one command.
void ReleaseResults() {
  ResultLines = TextLineArray();
  ResultLineCount = 0;
  ResultTable = ResultRows();
  GraphPointList = GraphPoints();
}

// The case's loads, read for their flags; a missing load file is not reported here.
void ReadCaseLoads(int type) {
  TextLines.assign(2, std::string());
  int n = 0;
  LoadTextLines(JobSpec + ".LD" + Trim(LoadCaseName).substr(0, 1), TextLines, 10000, n);
  if (n > 2) {
    int starts[6] = {0, 0, 0, 0, 0, 0}, wallTitle = 0, roofTitle = 0;
    ReadLoadData(TextLines, n, starts[0], starts[1], starts[2], starts[3], starts[4], starts[5], type, ElementCount(3),
                 wallTitle, roofTitle);
  }
  TextLines.assign(2, std::string());
}

// The graph title: the structure type and the job.
std::string GraphTitle() { return Trim("  " + StructureType + " ANALYSIS.   JOB: " + JobSpec); }

}  // namespace

ActionDialogProfile ActionProfile(const ActionTable& actions) {
  ActionDialogProfile p;
  p.caption = Trim(GraphTitle() + "     Load Case: " + LoadCaseName);
  p.heading = Trim(Substructure) + ": SELECTION OF STRUCTURAL ACTION";
  for (const StructuralAction& a : actions.actions) p.options.push_back(a.caption);
  p.plot = [](HWND dialog, int action) { PlotResponseField(dialog, action); };
  return p;
}

GraphProfile GraphWindowProfile(const ActionTable& actions) {
  GraphProfile p;
  p.heading = StructureType == "TANK" ? StructureType + ":  " + Trim(Substructure) : Trim(Substructure);
  p.jobName = JobSpec;
  p.loadCase = LoadCaseName;
  p.abscissaCaption = actions.abscissaCaption;
  for (int k = 1; k <= actions.Count(); ++k) {
    const StructuralAction& a = actions.actions[static_cast<size_t>(k - 1)];
    p.ordinateTitles.push_back(a.title);
    if (a.reversed) p.reversedActions.push_back(k);
  }
  p.fileTypeCaption = " CYLINDRICAL SHELL ANALYSIS.   JOB: " + JobSpec + "     Load Case: " + LoadCaseName;
  p.missingResultsText = "Results File is Missing! Analyse the Structure!";
  p.printGraph = PrintGraph;
  return p;
}

void PrintGraph(HWND owner, const std::string& bitmap) { PrintGraphDocument(owner, 1, bitmap); }

int PlotResponseField(HWND owner, int action) {
  ActionTable actions = CurrentActions();
  GraphProfile profile = GraphWindowProfile(actions);
  int count = ResponseFieldPoints(action);
  if (count < 1) {
    WarnMissingResults(owner, profile);
    return 0;
  }
  ShowGraphWindow(owner, profile, action, GraphPointList, count);
  return count;
}

int ShowStructuralActions(HWND parent) {
  ClearActionState();
  ActionTable actions = CurrentActions();
  OfferActions(actions, SoilKind(SupportFlags));
  ActionDialogProfile profile = ActionProfile(actions);
  DialogAnswer = ShowActionSelectionDialog(parent, profile);
  return DialogAnswer;
}

void RunPlotCommand(HWND mainWindow, const std::function<int()>& chooseLoadCase,
                    const std::function<void()>& chooseSubstructure) {
  const int type = StructureCode();
  int chosen = chooseLoadCase ? chooseLoadCase() : 0;
  if (mainWindow) {
    std::string caption = "     " + StructureType + " ANALYSIS.   JOB: " + JobSpec + "     Load Case: " + LoadCaseName;
    SetWindowTextA(mainWindow, caption.c_str());
  }
  if (chosen != 1) return;
  // The geometry (a missing one is reported and offered for correction by its reader) and the
  // supports; a missing support file leaves every answer "N".
  int e1 = 0, e2 = 0, e3 = 0, success = 0;
  LoadSupportFile(type, e1, e2, e3, 0, success);
  if (success != 1) return;
  ReadCaseLoads(type);
  if (type == 3) {
    if (chooseSubstructure) chooseSubstructure();
  } else {
    ShowStructuralActions(mainWindow);
  }
  ReleaseResults();
}

}  // namespace corvane
