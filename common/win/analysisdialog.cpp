#include "win/analysisdialog.h"

#include "gfx/gfx.h"
#include "win/messages.h"

namespace {

constexpr long kBannerWindow = 7;  // the graphics window of the dialog's banner
constexpr long kBlue = 0xFF0000, kRed = 0x0000FF, kGrey = RGB(96, 96, 96), kBlack = RGB(0, 0, 0);
constexpr int kButtonsFromBottom = 35;

void Row(long w, double x, double y, const std::string& text, const char* face, const BannerFont& f, long colour) {
  GfxFontEx(w, face, f.sizeX, f.sizeY, f.weight, colour);
  DrawFromEx(w, x, y);
  DrawTextRowEx(w, text);
}

// The dialog's profile and mode, by dialog, while it is shown (modal dialogs nest at most once).
const AnalysisDialogRun* RunOf(HWND dialog) {
  return reinterpret_cast<const AnalysisDialogRun*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
}

void CloseBanner() { GfxWindowEx(kBannerWindow, kGfxClose); }

}  // namespace

void AnalysisDialogSize(const AnalysisDialogProfile& p, int screenWidth, int& width, int& height) {
  bool wide = screenWidth >= p.wideFrom;
  width = wide ? p.wideWidth : p.narrowWidth;
  height = wide ? p.wideHeight : p.narrowHeight;
}

DialogTemplate AnalysisDialog(const AnalysisDialogProfile& p, int screenWidth) {
  int width = 0, height = 0;
  AnalysisDialogSize(p, screenWidth > 0 ? screenWidth : GetSystemMetrics(p.widthMetric), width, height);
  DialogTemplate d = NewDialog(p.caption, 0, 0, width, height);
  int x = width / 2 - 50, y = height - kButtonsFromBottom;
  AddButton(d, kAnalyseId, "&ANALYSE", x, y, 50, 14);
  AddButton(d, p.cancelId, "&CANCEL", x + 60, y, 40, 14);
  const bool origin = p.pointerOnOrigin;
  OnOpen(d, [x, y, origin](HWND dialog) {
    SetFocus(GetDlgItem(dialog, kAnalyseId));
    if (origin) PlacePointer(dialog, 0, 0);
    else PlacePointer(dialog, x + 25, y + 7);
  });
  return d;
}

void AnalysisReadyScreen(HWND dialog, const AnalysisDialogProfile& p, int left, int top, int width, int height,
                         int kind) {
  long w = OpenGfxEx(kBannerWindow, dialog, left, top, width, height);
  GfxWindowEx(w, kGfxHold);
  GfxWindowEx(w, kGfxSelect);
  GfxWorldEx(w, 0, 0, 1023, 511);
  bool ready = kind == 1;
  BrushColorEx(w, ready ? Hsw(40, 240, 180) : Hsw(28, 150, 0));
  GfxCLSEx(w);
  double labelX = ready ? 150 : 100, valueX = ready ? 400 : 350;
  if (ready) {
    GradientBrushEx(w, 4);
    GfxFontEx(w, "Arial", p.title.sizeX, p.title.sizeY, p.title.weight, kBlue);
    DrawFromEx(w, 0, p.titleY);
    GradientPanel(w, "ANALYSIS can Commence Now!", "Arial", 4);
  } else {
    GfxFontEx(w, "Arial", p.progressTitle.sizeX, p.progressTitle.sizeY, p.progressTitle.weight, kBlue);
    GfxFontEffectsEx(w, 11);
    DrawFromEx(w, 0, 60);
    double boxWidth = 1023, boxHeight = 60;
    DrawTextBoxEx(w, "ANALYSIS in Progress!", boxWidth, boxHeight, kGfxTextCentre | kGfxTextSingleLine);
    GfxFontEffectsEx(w, 0);
  }
  const std::string labels[] = {"Structure Type:", "Job Name:", "Load Name:"};
  const std::string values[] = {p.structureText, p.job, p.loadCase};
  for (int i = 0; i < 3; ++i) {
    Row(w, labelX, 180 + 40 * i, labels[i], "Arial", p.label, kGrey);
    Row(w, valueX, 180 + 40 * i, values[i], "Times New Roman", ready ? p.value : p.progressValue, kBlack);
  }
  if (ready) {
    GfxFontEffectsEx(w, 1);
    Row(w, 150, 350, "Click ANALYSE if you want to proceed,", "Arial", p.click, kRed);
    Row(w, 150, 400, "Click CANCEL otherwise.", "Arial", p.click, kRed);
    GfxFontEffectsEx(w, 0);
  } else {
    GfxFontEx(w, "Arial", 28, 26, 700, kRed);
    DrawFromEx(w, 511, 350);
    DrawTextRowEx(w, "Please Wait...", kGfxTextCentre);
  }
  GfxWindowEx(w, kGfxShow);
}

void ShowSolverStop(HWND owner, const SolverWarningData& warning, int* answer) {
  if (warning.text.empty()) return;
  for (const SolverTone& t : warning.tones) Tone(static_cast<float>(t.frequency), static_cast<short>(t.duration));
  int local = 0;
  ShowMessage(owner, warning.text, warning.caption, WarningBoxStyle, answer ? *answer : local);
}

INT_PTR CALLBACK AnalysisDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
      const AnalysisDialogRun* run = RunOf(dialog);
      RECT client;
      GetClientRect(dialog, &client);
      int W = client.right, H = client.bottom;
      AnalysisReadyScreen(dialog, *run->profile, W / 10, H / 12, W * 8 / 10, H * 9 / 12, 1);
      return TRUE;
    }
    case WM_COMMAND: {
      const AnalysisDialogRun* run = RunOf(dialog);
      if (!run) return FALSE;
      const AnalysisDialogProfile& p = *run->profile;
      if (LOWORD(wParam) == kAnalyseId) {
        ShowWindow(GetDlgItem(dialog, kAnalyseId), SW_HIDE);
        ShowWindow(GetDlgItem(dialog, p.cancelId), SW_HIDE);
        RECT client;
        GetClientRect(dialog, &client);
        AnalysisReadyScreen(dialog, p, 0, 0, client.right, client.bottom, 2);
        int code = p.analyse ? p.analyse(dialog, run->mode) : 0;
        if (code > 0 && p.warningFor) ShowSolverStop(dialog, p.warningFor(code), p.answer);
        CloseBanner();
        EndDialog(dialog, 1);
        return TRUE;
      }
      if (LOWORD(wParam) == p.cancelId) {
        CloseBanner();
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    }
    case WM_DESTROY:
      CloseBanner();
      return FALSE;
    default:
      return FALSE;
  }
}

int ShowAnalysisDialog(HWND owner, const AnalysisDialogProfile& p, int mode) {
  AnalysisDialogRun run{&p, mode};
  return static_cast<int>(ShowModalDialog(AnalysisDialog(p), owner, AnalysisDialogProc, reinterpret_cast<LPARAM>(&run)));
}
