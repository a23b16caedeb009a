// Start-up, the main window and the notice.
#include <cmath>

#include "win/startup.h"

#include "core/archive.h"
#include "corvane/frame/frame.h"
#include "win/files_win.h"
#include "win/messages.h"

namespace corvane {

HWND MainWindow = nullptr;
HMENU MainMenu = nullptr;

namespace {


}  // namespace

void DimensionGlobals() {
  LoadCaseNames.assign(149, std::string());
  JobDataTable.Redim(8, 6);
  SupportFlags.assign(21, std::string());
  SharedIntegers.Redim(8, 5);
  CellTexts.Redim(1, 1);
  TextLines.assign(2, std::string());
}

HWND CreateMainWindow(HINSTANCE instance, int show) {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = CorvaneWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, "ZOR");
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = "ZOR";
  RegisterClassA(&wc);  // a second window of the same run finds the class registered
  MainWindow = CreateWindowExA(0, "ZOR", "      ZOR Program", WS_POPUP | WS_MAXIMIZE | WS_OVERLAPPEDWINDOW, 0, 0,
                               GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance,
                               nullptr);
  if (!MainWindow) return nullptr;
  RemoveMenu(GetSystemMenu(MainWindow, FALSE), SC_SIZE, MF_BYCOMMAND);
  SetWindowLongA(MainWindow, GWL_EXSTYLE, WS_EX_TOPMOST);
  ShowWindow(MainWindow, show);
  UpdateWindow(MainWindow);
  return MainWindow;
}

void ShowNotice() {
  if (ShowModalDialog(NoticeDialog(), MainWindow, NoticeDialogProc) > 0) InstallMenu(BuildStartMenu());
}

int RunCorvane(HINSTANCE instance, int show) {
  DimensionGlobals();
  if (!CreateMainWindow(instance, show)) return 0;
  SetCurrentDirectoryA(ProgramDirectory().c_str());
  ShowNotice();
  POINT p{60, 0};
  if (IsWindow(MainWindow)) {
    ClientToScreen(MainWindow, &p);
    MovePointer(p.x, p.y);
  }
  return RunMessageLoop();
}

extern "C" LRESULT CALLBACK CorvaneWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT painted = 0;
  if (MainWindowPaintMessage(window, msg, painted)) return painted;
  switch (msg) {
    case WM_DESTROY:
      CloseScreen();
      LoadCaseNames.clear();
      JobDataTable.Redim(0, 0);
      SupportFlags.clear();
      SharedIntegers.Redim(0, 0);
      CellTexts.Redim(0, 0);
      TextLines.clear();
      // Leaving the program leaves the job: its files go into its archive.
      ArchiveJob(JobSpec);
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

}  // namespace corvane
