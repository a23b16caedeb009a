// Trabix's results command: the structural action of a load case chosen in a dialog and shown
// as a response graph along the beam or strip, read back from the case's results report.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/globals.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "trabix/core/checks.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
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
  int actions = 0;
};
ResultsState state;

HBRUSH brushes[5] = {};
POINT savedPointer{};

bool HasSoil() {
  auto yes = [](size_t i) { return SupportFlags.size() > i && SupportFlags[i] == "Y"; };
  return yes(4) || yes(5) || yes(6);
}

}  // namespace

void ClearResultsMemory() {
  ClearResultsGraph(state.graph);
  state.lines.clear();
  state.lineCount = 0;
}

GraphProfile TrabixGraphProfile() {
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
  GraphProfile profile = TrabixGraphProfile();
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

DialogTemplate ActionSelectionDialog(const std::string& structureTitle) {
  std::vector<ResultsAction> actions = ResultsActions(state.strip, state.soil);
  int n = static_cast<int>(actions.size());
  const int W = 300, H = 100 + 13 * n;
  std::string caption = "  " + structureTitle + " ANALYSIS.   JOB: " + JobSpec +
                        ": SELECTION OF STRUCTURAL ACTION" + "     Load Case: " + LoadCaseName;
  DialogTemplate d = NewDialog(caption, 0, 0, W, H, DataDialogStyle, WS_EX_CLIENTEDGE);
  const std::string heading = "SELECTION OF STRUCTURAL ACTION";
  int hh = 0;
  int headingWidth = DialogTextWidth(d, heading, hh) + 8;
  AddLabel(d, kActionHeading, heading, (W - headingWidth) / 2, 12, headingWidth, 10, SS_CENTER);
  AddLine(d, kActionRule, (W - headingWidth) / 2, 22, headingWidth, 2);
  int optionWidth = 0;
  for (const ResultsAction& a : actions) optionWidth = std::max(optionWidth, DialogTextWidth(d, a.caption, hh));
  optionWidth += 20;
  for (int k = 1; k <= n; ++k) {
    DWORD style = WS_TABSTOP | BS_AUTORADIOBUTTON | WS_BORDER | (k == 1 ? WS_GROUP : 0);
    AddOption(d, kFirstActionOption + k - 1, actions[k - 1].caption, (W - optionWidth) / 2, 14 + 13 * k,
              optionWidth, 13, style);
  }
  const std::string plot = "&PLOT the SELECTED ACTION";
  int plotWidth = DialogTextWidth(d, plot, hh) + 16;
  AddButton(d, kPlotActionButton, plot, (W - plotWidth) / 2, H - 65, plotWidth, 16,
            WS_TABSTOP | BS_DEFPUSHBUTTON);
  AddButton(d, 2, "&CANCEL", 125, H - 40, 50, 14);
  OnOpen(d, [](HWND dialog) {
    CheckDlgButton(dialog, kFirstActionOption, BST_CHECKED);
    SetFocus(GetDlgItem(dialog, kPlotActionButton));
    PointerOnControl(dialog, kPlotActionButton);
  });
  return d;
}

INT_PTR CALLBACK ActionSelectionDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      brushes[0] = CreateSolidBrush(RGB(255, 255, 200));
      brushes[1] = CreateSolidBrush(RGB(70, 186, 155));
      brushes[2] = CreateSolidBrush(RGB(0, 128, 128));
      brushes[3] = CreateSolidBrush(RGB(192, 192, 192));
      brushes[4] = CreateSolidBrush(RGB(255, 255, 255));
      GetCursorPos(&savedPointer);
      return FALSE;
    case WM_CTLCOLORBTN:
      if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kPlotActionButton)
        return ColourControl(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0), brushes[1]);
      return FALSE;
    case WM_CTLCOLORSTATIC: {
      int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      if (id >= kFirstActionOption && id <= kFirstActionOption + 10)
        return ColourControl(reinterpret_cast<HDC>(wParam), RGB(255, 255, 0), brushes[2]);
      return ColourControl(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0), brushes[0]);
    }
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(brushes[0]);
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      if (id == 2) {
        EndDialog(dialog, 1);
        return TRUE;
      }
      if (id == kPlotActionButton) {
        int k = FirstCheckedButton(dialog, kFirstActionOption, kFirstActionOption + state.actions - 1);
        if (k <= 0) return TRUE;
        k = k - kFirstActionOption + 1;
        PlotResponseField(dialog, k);
        SetCursorPos(savedPointer.x, savedPointer.y);
        CheckDlgButton(dialog, kFirstActionOption + k - 1, BST_UNCHECKED);
        CheckDlgButton(dialog, kFirstActionOption + (k < state.actions ? k : 0), BST_CHECKED);
        SetFocus(GetDlgItem(dialog, kPlotActionButton));
        return TRUE;
      }
      return FALSE;
    }
    case WM_DESTROY:
      for (HBRUSH& b : brushes) {
        if (b) DeleteObject(b);
        b = nullptr;
      }
      return FALSE;
  }
  return FALSE;
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
  state.actions = static_cast<int>(ResultsActions(state.strip, state.soil).size());
  ShowModalDialog(ActionSelectionDialog(structureTitle), mainWindow, ActionSelectionDialogProc);
  ClearResultsMemory();
}

}  // namespace trabix
