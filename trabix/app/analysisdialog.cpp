// The analysis: the job check with its correction box, the analysis dialog with its panel, the
// solver's stop warnings and the menu's analysis commands.
#include "app.h"
#include "gfx/gfx.h"
#include "trabix/core/analysis.h"
#include "trabix/core/checks.h"
#include "win/messages.h"

namespace trabix {

namespace {

constexpr long kAnalysisPanel = 7;  // the graphics window of the dialog's panel
constexpr int kAnalyseId = 1, kCancelId = 2;

void PanelRow(long w, double y, const std::string& label, const std::string& value) {
  GfxFontEx(w, "Arial", 11, 16, 700, RGB(255, 255, 0));
  DrawFromEx(w, 40, y);
  DrawTextRowEx(w, label);
  // A long job name is drawn smaller so that it stays inside the panel.
  double size = 16;
  for (; size > 7; size -= 1) {
    GfxFontEx(w, "Arial", size * 11 / 16, size, 700, RGB(255, 255, 255));
    double width = 0, height = 0;
    DrawTextBoxEx(w, value, width, height, kGfxTextMeasure | kGfxTextSingleLine);
    if (width <= 235) break;
  }
  DrawFromEx(w, 150, y + (16 - size) / 2);
  DrawTextRowEx(w, value);
}

void CentredText(long w, double y, const std::string& text, long colour) {
  GfxFontEx(w, "Arial", 11, 16, 700, colour);
  DrawFromEx(w, 200, y);
  DrawTextRowEx(w, text, kGfxTextCentre);
}

}  // namespace

DialogTemplate AnalysisDialog(int mode) {
  (void)mode;  // the mode reaches the callback as the dialog's parameter
  bool wide = GetSystemMetrics(SM_CXSCREEN) >= 1024;
  int width = wide ? 400 : 360, height = wide ? 280 : 220;
  DialogTemplate d = NewDialog("   " + StructureTitle + " ANALYSIS.   JOB: " + JobSpec, 0, 0, width, height);
  AddButton(d, kAnalyseId, "&ANALYSE", width / 2 - 90, height - 28, 80, 14);
  AddButton(d, kCancelId, "&CANCEL", width / 2 + 10, height - 28, 80, 14);
  OnOpen(d, [](HWND dialog) {
    SetFocus(GetDlgItem(dialog, kAnalyseId));
    PointerOnControl(dialog, kAnalyseId);
  });
  return d;
}

void AnalysisReadyScreen(HWND dialog, bool inProgress) {
  RECT client;
  GetClientRect(dialog, &client);
  int bottom = 38, unused = 0;
  UnitsToPixels(dialog, unused, bottom);  // room for the buttons
  int margin = 10, top = 10;
  UnitsToPixels(dialog, margin, top);
  long w = OpenGfxEx(kAnalysisPanel, dialog, margin, top, client.right - 2 * margin, client.bottom - top - bottom);
  GfxWorldEx(w, 0, 0, 400, 200);
  GfxWindowEx(w, kGfxHold);
  GradientBrushEx(w, 9);
  GfxCLSEx(w);
  GfxFontEx(w, "Arial", 18, 26, 800, RGB(128, 0, 0));
  DrawFromEx(w, 0, 12);
  if (inProgress) {
    GradientPanel(w, "ANALYSIS in Progress!", "Arial", 4);
    CentredText(w, 100, "Please Wait...", RGB(255, 255, 0));
  } else {
    GradientPanel(w, "ANALYSIS can Commence Now!", "Arial", 4);
    PanelRow(w, 60, "Structure Type:", "Beam/Strip");
    PanelRow(w, 85, "Job Name:", JobSpec);
    PanelRow(w, 110, "Load Name:", LoadCaseName);
    CentredText(w, 145, "Click ANALYSE if you want to proceed,", RGB(255, 255, 255));
    CentredText(w, 170, "Click CANCEL otherwise.", RGB(255, 255, 255));
  }
  GfxWindowEx(w, kGfxShow);
}

void SolverWarning(HWND owner, int code) {
  SolverWarningData warning = SolverWarningFor(code);
  if (warning.text.empty()) return;
  for (const SolverTone& t : warning.tones) Tone(static_cast<float>(t.frequency), static_cast<short>(t.duration));
  ShowMessage(owner, warning.text, warning.caption, WarningBoxStyle, DialogResult);
}

INT_PTR CALLBACK AnalysisDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);  // the mode
      DialogHandle = dialog;
      if (!MemoryDC) MemoryDC.reset(CreateCompatibleDC(nullptr));
      AnalysisReadyScreen(dialog, false);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == kAnalyseId) {
        EnableWindow(GetDlgItem(dialog, kAnalyseId), FALSE);
        EnableWindow(GetDlgItem(dialog, kCancelId), FALSE);
        AnalysisReadyScreen(dialog, true);
        YieldAnalysis = static_cast<int>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
        AnalysisDialogHandle = dialog;
        int code = AnalyseLoadCase();
        if (code > 0) SolverWarning(dialog, code);
        GfxWindowEx(kAnalysisPanel, kGfxClose);
        EndDialog(dialog, 1);
        return TRUE;
      }
      if (LOWORD(wParam) == kCancelId) {
        GfxWindowEx(kAnalysisPanel, kGfxClose);
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      GfxWindowEx(kAnalysisPanel, kGfxClose);
      MemoryDC.reset();
      if (AnalysisDialogHandle == dialog) AnalysisDialogHandle = nullptr;
      if (DialogHandle == dialog) DialogHandle = nullptr;
      return TRUE;
    default:
      return FALSE;
  }
}

int AskCorrection(const std::string& message) {
  for (int i = 0; i < 3; ++i) MessageBeep(MB_OK);
  ShowMessage(MainWindow, CorrectionQueryText(message), kCorrectionCaption, QuestionBoxStyle, DialogResult);
  return DialogResult == IDYES ? kAnswerYes : kAnswerNo;
}

int CheckJobForAnalysis() {
  CorrectionHooks hooks;
  hooks.askCorrection = AskCorrection;
  hooks.editGeometry = [] {
    GeometryCommand();
    return false;  // the geometry dialog comes with the data entry
  };
  hooks.editSupports = [] { SupportCommand(); };
  hooks.editLoadCases = [] {
    if (ShowLoadCases(1) == 1 && !LoadCaseName.empty()) LoadDataCommand();
  };
  return CheckJobData(hooks);
}

void AnalyseCommand(int mode) {
  AnalysisCommandProfile p;
  p.checkJob = CheckJobForAnalysis;
  p.chooseLoadCase = [] { return ShowLoadCases(2); };
  p.analysisDialog = [](int m) {
    return static_cast<int>(ShowModalDialog(AnalysisDialog(m), MainWindow, AnalysisDialogProc, m));
  };
  p.mainWindow = MainWindow;
  p.structureTitle = StructureTitle;
  p.loadCaseName = &LoadCaseName;
  p.result = &DialogResult;
  AnalysisCommand(p, mode);
  GfxWindowEx(kAnalysisPanel, kGfxClose);
}

}  // namespace trabix
