// Start-up, the notice and the main window.
#include <cmath>

#include "win/startup.h"

#include "app.h"
#include "core/archive.h"
#include "core/fieldcheck.h"
#include "gfx/gfx.h"
#include "win/files_win.h"
#include "win/messages.h"

namespace trabix {

namespace {


// The class name is kept in a fixed text of 80 characters.
char ClassName[80] = "BEAM/STRIP ANALYSIS";

}  // namespace

void DimensionGlobals() {
  LoadCaseNames.assign(kMaxLoadCases + 1, std::string());
  SupportFlags.assign(14, std::string());
  SharedIntegers.Redim(8, 5);
  CellTexts.Redim(1, 1);
  TextLines.assign(2, std::string());
  // Trabix's boxes are owned by the dialog that raised them and come at once; its fields are
  // checked with IsNumberText; answers go to DialogResult.
  ProgramMessages.ownerIsDialog = true;
  ProgramMessages.pauseMs = 0;
  ProgramMessages.numberCheck = IsNumberText;
  ProgramMessages.answer = &DialogResult;
}

HWND CreateMainWindow(HINSTANCE instance, int show) {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = TrabixWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, "BEAMS");
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = ClassName;
  RegisterClassA(&wc);  // a second window of the same run finds the class registered
  MainWindow = CreateWindowExA(0, ClassName, "  BEAM/STRIP ANALYSIS Program", WS_POPUP | WS_MAXIMIZE | WS_OVERLAPPEDWINDOW,
                               0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                               instance, nullptr);
  if (!MainWindow) return nullptr;
  RemoveMenu(GetSystemMenu(MainWindow, FALSE), SC_SIZE, MF_BYCOMMAND);
  SetWindowLongA(MainWindow, GWL_EXSTYLE, WS_EX_TOPMOST);
  ShowWindow(MainWindow, show);
  UpdateWindow(MainWindow);
  return MainWindow;
}

int RunTrabix(HINSTANCE instance, int show) {
  DimensionGlobals();
  if (!CreateMainWindow(instance, show)) return 0;
  SetCurrentDirectoryA(ProgramDirectory().c_str());
  INT_PTR agreed = ShowModalDialog(NoticeDialog(), MainWindow, NoticeDialogProc);
  if (agreed > 0) {
    InstallMenu(BuildMainMenu());
    ShowJobDialog();
    if (IsWindow(MainWindow)) ParkPointer(60);
  }
  return RunMessageLoop();
}

extern "C" LRESULT CALLBACK TrabixWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT painted = 0;
  if (MainWindowPaintMessage(window, msg, painted)) return painted;
  switch (msg) {
    case WM_DESTROY:
      LoadCaseNames.clear();
      SupportFlags.clear();
      SharedIntegers.Redim(0, 0);
      CellTexts.Redim(0, 0);
      TextLines.clear();
      // Leaving the program leaves the job: its files go into its archive.
      ArchiveJob(JobSpec);
      ReleaseMemoryDC();
      if (window == MainWindow) {
        MainWindow = nullptr;
        MainMenu = nullptr;  // destroyed with the window
      }
      PostQuitMessage(0);
      return 0;
    case WM_COMMAND:
      DispatchCommand(LOWORD(wParam));
      return 0;
    default:
      return DefWindowProcA(window, msg, wParam, lParam);
  }
}

}  // namespace trabix
