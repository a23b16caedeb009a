// The plot command: a structural action of the base plate or the wall stem, for a chosen load
// case, shown as a response graph read back from the case's results report.
#include <string>

#include "app.h"
#include "core/jobnames.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "graph/actiondialog.h"
#include "graph/graphwindow.h"
#include "murelo/core/graphs.h"
#include "murelo/core/jobfiles.h"
#include "murelo/entry/entry.h"

namespace murelo {

GraphProfile GraphWindowProfile() {
  GraphProfile p;
  p.heading = CurrentSubstructure;
  p.jobName = JobSpec;
  p.loadCase = LoadCaseName;
  p.abscissaCaption = WallAbscissaCaption(CurrentSubstructure);
  const WallActionTable actions = WallActions(CurrentSubstructure, GraphState.soilKind);
  for (int k = 1; k <= actions.Count(); ++k) {
    p.ordinateTitles.push_back(actions.actions[static_cast<size_t>(k - 1)].title);
    if (WallActionReversed(k)) p.reversedActions.push_back(k);
  }
  p.fileTypeCaption = " Retaining Wall ANALYSIS.   JOB: " + JobSpec + "     Load Case: " + LoadCaseName;
  p.missingResultsText = "Results File is Missing! Analyse the Structure!";
  p.infinityNote = false;
  p.printDefaults = true;
  p.printGraph = [](HWND owner, const std::string& bitmap) { PrintGraphDocument(owner, 1, bitmap); };
  return p;
}

ActionDialogProfile ActionProfile() {
  ActionDialogProfile p;
  p.caption = Trim("  " + StructureTitle + " ANALYSIS.   JOB: " + JobSpec + "     Load Case: " + LoadCaseName);
  p.heading = Trim(CurrentSubstructure) + ": SELECTION OF STRUCTURAL ACTION";
  for (const WallAction& a : WallActions(CurrentSubstructure, GraphState.soilKind).actions) p.options.push_back(a.caption);
  p.plot = [](HWND dialog, int action) { PlotResponseField(dialog, action); };
  return p;
}

int PlotResponseField(HWND owner, int action) {
  GraphProfile profile = GraphWindowProfile();
  int count = WallActionPoints(ResultsFileName(JobSpec, LoadCaseName), CurrentSubstructure, action);
  if (count < 1) {
    // No report of this case (or a damaged one): no graph, never another case's numbers.
    WarnMissingResults(owner, profile);
    return 0;
  }
  ShowGraphWindow(owner, profile, action, GraphState.points, count);
  return count;
}

int ShowStructuralActions(HWND parent) {
  ClearActionState();
  GraphState.soilKind = GraphSoilKind();
  ActionDialogProfile profile = ActionProfile();
  DialogAnswer = ShowActionSelectionDialog(parent, profile);
  GraphState = WallGraphState();  // the report and the points are read again by the next showing
  return DialogAnswer;
}

void RunPlotCommand(const std::function<void(int action)>& substructureDialog) {
  int chosen = ShowLoadCases(2);
  if (chosen != 1) return;
  if (MainWindow) {
    std::string caption = "     " + StructureTitle + " ANALYSIS.   JOB: " + JobSpec + "     Load Case: " + LoadCaseName;
    SetWindowTextA(MainWindow, caption.c_str());
  }
  // The geometry (a missing one is offered for correction by its reader), the supports and the
  // case's loads.
  int n = 0, m = 0;
  if (!LoadSupportFile(n, m)) return;
  TextLineArray lines;
  int count = 0;
  LoadTextLines(LoadFileName(JobSpec, LoadCaseName), lines, 5000, count);
  ReadLoadTables(lines, count, n, m);
  if (substructureDialog) substructureDialog(4);
  TextLines.clear();
}

void ShowSubstructureDialog(int action) {
  GraphAction = [](HWND owner) { ShowStructuralActions(owner); };
  ShowModalDialog(SubstructureDialog(action), MainWindow, SubstructureDialogProc);
}

}  // namespace murelo
