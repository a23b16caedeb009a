#include "corvane/run/run.h"

#include "core/globals.h"
#include "core/numbers.h"
#include "core/saveas.h"
#include "core/textfiles.h"
#include "corvane/core/checks.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/globals.h"
#include "corvane/core/textexports.h"
#include "corvane/reports/documents.h"
#include "doc/ddoc.h"
#include "win/analysiscommand.h"
#include "win/handles.h"
#include "win/ids.h"
#include "win/messages.h"
#include "win/outputchooser.h"
#include "win/process.h"

namespace corvane {

namespace {

short OutputPreview = 1;
int panelMode = 1;

int Box(const std::string& text, const std::string& caption, UINT style) {
  int answer = 0;
  ShowMessage(nullptr, text, caption, style, answer);
  return answer;
}

std::string CaseLetter() { return Trim(LoadCaseName).substr(0, 1); }

}  // namespace

void CorrectDataQueryBox(const std::string& message, int& answer) {
  POINT back;
  GetCursorPos(&back);
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  MovePointer(static_cast<int>(w / 2 * 1.05), static_cast<int>(h / 2 * 1.15));
  for (int i = 0; i < 3; ++i) {
    TraceRecord({"BEEP", "0"});
    MessageBeep(0);
  }
  answer = ShowMessageBox(CorrectionQueryText(message), MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL, kCorrectionCaption);
  MovePointer(back.x, back.y);
}

void InstallRunPorts() {
  CheckHooks.ask = [](const std::string& message) {
    int answer = kAnswerNo;
    CorrectDataQueryBox(message, answer);
    return answer;
  };
  GeometryCorrectionHooks.ask = [](const std::string& message) {
    int answer = kAnswerNo;
    CorrectDataQueryBox(message, answer);
    return answer == kAnswerYes;
  };
  ReportHooks.warn = [](const std::string& text, const std::string& caption) {
    Box(text, caption, MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
  };
  ReportHooks.inform = [](const std::string& text, const std::string& caption) {
    Box(text, caption, MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
  };
  ReportHooks.ask = [](const std::string& text, const std::string& caption) {
    return Box(text, caption, MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL);
  };
  ReportHooks.error = [](const std::string& text, const std::string& caption) {
    WarningTones();
    Box(text, caption, MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
  };
  DocumentEnd = [](int doc, int mode) { return dpEndDoc(doc, mode); };
}

std::string AnalysisCommandLine() {
  return "ANALYSIS.exe " + StructureType + "," + JobSpec + "," + Trim(LoadCaseName);
}

void DeleteCaseResults() {
  const std::string c = CaseLetter();
  if (c.empty()) return;
  if (StructureType == "BEAM/STRIP") {
    DeleteIfExists(JobSpec + ".RB" + c);
  } else if (StructureType == "PLATE") {
    DeleteIfExists(JobSpec + ".RP" + c);
  } else {
    for (const char* ext : {".RP", ".RW", ".RR"}) DeleteIfExists(JobSpec + ext + c);
  }
}

void AnalysisReadyScreen(HWND dialog, int x, int y, int width, int height, int mode) {
  WindowDc window(dialog);
  HDC dc = window.get();
  RECT r = {x, y, x + width, y + height};
  // A vertical gradient from deep blue to light blue behind the texts.
  for (int i = 0; i < height; ++i) {
    int t = height > 1 ? i * 255 / (height - 1) : 0;
    OwnedBrush b(CreateSolidBrush(RGB(t / 4, t / 3, 128 + t / 2)));
    RECT line = {r.left, r.top + i, r.right, r.top + i + 1};
    FillRect(dc, &line, b.get());
  }
  SetBkMode(dc, TRANSPARENT);
  auto font = [&](const char* face, int size, int weight) {
    return OwnedFont(CreateFontA(-size, 0, 0, 0, weight, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, face));
  };
  OwnedFont heading = font("Arial", height / 13, FW_BOLD), rows = font("Times New Roman", height / 16, FW_NORMAL);
  SelectionGuard useFont(dc, heading.get());
  SetTextColor(dc, RGB(255, 255, 0));
  RECT top = {r.left, r.top + height / 12, r.right, r.top + height / 4};
  DrawTextA(dc, mode == 1 ? "ANALYSIS can Commence Now!" : "ANALYSIS in Progress!", -1, &top, DT_CENTER | DT_SINGLELINE);
  useFont.select(dc, rows.get());
  SetTextColor(dc, RGB(255, 255, 255));
  std::vector<std::string> lines;
  if (mode == 1) {
    lines = {"Structure Type:   " + StructureType, "Job Name:   " + JobSpec, "Load Name:   " + Trim(LoadCaseName), "",
             "Click ANALYSE if you want to proceed,", "Click CANCEL otherwise."};
  } else {
    lines = {"", "Please Wait..."};
  }
  std::vector<std::string> record = {"PANEL", std::to_string(mode), mode == 1 ? "ANALYSIS can Commence Now!" : "ANALYSIS in Progress!"};
  record.insert(record.end(), lines.begin(), lines.end());
  TraceRecord(record);
  int rowY = r.top + height / 4 + height / 20;
  for (const std::string& l : lines) {
    RECT lr = {r.left + width / 12, rowY, r.right - width / 24, rowY + height / 12};
    DrawTextA(dc, l.c_str(), -1, &lr, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
    rowY += height / 12;
  }
}

DialogTemplate AnalysisDialog(HWND) {
  if (StructureType == "TANK" && !CaseLetter().empty()) DeleteIfExists(JobSpec + ".RR" + CaseLetter());
  RECT area;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const bool wide = GetSystemMetrics(SM_CXFULLSCREEN) >= 1024;
  const int w = wide ? 400 : 360, h = wide ? 280 : 220;
  DialogTemplate d = NewDialog("   " + StructureType + " ANALYSIS.   JOB: " + JobSpec, 0, 0, w, h);
  AddButton(d, kAnalyseId, "&ANALYSE", w / 2 - 50, h - 35, 50, 14);
  AddButton(d, kExitId, "&CANCEL", w / 2 + 10, h - 35, 40, 14);
  OnOpen(d, [w, h](HWND dialog) {
    panelMode = 1;
    SetFocus(GetDlgItem(dialog, kAnalyseId));
    PlacePointer(dialog, w / 2 - 25, h - 28);
  });
  return d;
}

INT_PTR CALLBACK AnalysisDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_PAINT: {
      { PaintDc validate(dialog); }  // the panel is drawn below, straight into the window
      RECT c;
      GetClientRect(dialog, &c);
      RECT b = {0, 0, 0, 40};
      MapDialogRect(dialog, &b);
      AnalysisReadyScreen(dialog, 0, 0, c.right, c.bottom - b.bottom, panelMode);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kExitId) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      if (LOWORD(wParam) == kAnalyseId) {
        EnableWindow(GetDlgItem(dialog, kAnalyseId), FALSE);
        EnableWindow(GetDlgItem(dialog, kExitId), FALSE);
        std::string line = AnalysisCommandLine();
        if (FileExists("ANALYSIS.exe")) {
          DeleteCaseResults();
          panelMode = 2;
          InvalidateRect(dialog, nullptr, TRUE);
          UpdateWindow(dialog);
          char program[MAX_PATH] = {0};
          GetFullPathNameA("ANALYSIS.exe", MAX_PATH, program, nullptr);
          ShowCursor(FALSE);
          TraceRecord({"PROCESS", line});
          bool started = RunProgramAndWait(program, line, true);  // the panel stays on the screen
          ShowCursor(TRUE);
          if (!started)
            ShowMessageBox("ANALYSIS.exe could NOT be STARTED\r\n\r\nCheck this File in the Corvane.exe Directory!", 0x2030,
                           "WARNING!");
        } else {
          ShowMessageBox("ANALYSIS.exe File is MISSING\r\n\r\nPut this File into the Corvane.exe Directory!", 0x2030,
                         "WARNING!");
        }
        EndDialog(dialog, 1);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

void RunAnalysisCommand(HWND mainWindow, const std::function<int()>& chooseLoadCase) {
  InstallRunPorts();
  int passed = 1;
  CheckJobData(StructureCode(), passed);
  if (passed <= 0) {
    DialogAnswer = 0;
    return;
  }
  DialogAnswer = chooseLoadCase ? chooseLoadCase() : 0;
  if (mainWindow) SetWindowTextA(mainWindow, PresentationCaption(StructureType, JobSpec, LoadCaseName).c_str());
  if (DialogAnswer != 1) return;
  DialogAnswer = static_cast<int>(ShowModalDialog(AnalysisDialog(mainWindow), mainWindow, AnalysisDialogProc));
  if (DialogAnswer != 1) return;
  AnalysisDoneTones();
}

void RunPresentationCommand(HWND mainWindow, const std::function<int()>& chooseLoadCase) {
  InstallRunPorts();
  OutputChooserProfile p;
  p.structureTitle = StructureType;
  p.loadCaseName = &LoadCaseName;
  p.chooseLoadCase = chooseLoadCase;
  p.outputData = [](int mode, HWND parent) { OutputData(mode, parent); };
  p.outputResults = [](int mode, HWND parent) { OutputResults(mode, parent); };
  p.preview = &OutputPreview;
  p.answer = &DialogAnswer;
  PresentationCommand(mainWindow, p);
}

void RunSaveJobAsCommand(const std::function<int()>& jobDialog) {
  InstallRunPorts();
  const std::string oldJob = JobSpec;
  if (!jobDialog || jobDialog() <= 0) return;
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  SaveAsProfile profile;
  profile.rewriteHeaders = [](const std::string& job) { RenameJobHeaders(job); };
  SaveJobAsAndArchive(oldJob, JobSpec, profile);
}

}  // namespace corvane
