// Start-up, the notice and the main window.
#include <cmath>

#include "app.h"
#include "core/archive.h"
#include "core/fieldcheck.h"
#include "gfx/gfx.h"
#include "win/files_win.h"
#include "win/messages.h"

namespace trabix {

namespace {

constexpr int kNoticeHeadingId = 101;
constexpr int kNoticeTextId = 102;
constexpr int kAgreeId = 9876;

// The notice is the package's: the same for all its programs.
const char* const kNoticeHeading =
    "ZOR SOFTWARE\r\n"
    "Analysis of Beams, Strips, Circular Plates and Cylindrical Tanks\r\n"
    "Author: the ZOR software authors";

const char* const kNoticeText =
    "RIGHTS OF USE\r\n\r\n"
    "This software and the book it accompanies may be used by the person or the office that obtained "
    "them, for their own design work. Copies of the software may be made only to keep a backup.\r\n\r\n"
    "LIMITED WARRANTY\r\n\r\n"
    "The software is supplied as it is. Its results are only as good as the data entered: check every "
    "result before it is used in a design. The authors accept no liability for loss or damage that "
    "arises from the use of the software or of its results.\r\n\r\n"
    "Choose \"I Agree - Continue\" to accept these terms, or \"Exit\" to end the program.";

HBRUSH NoticeBrushes[2] = {nullptr, nullptr};

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

DialogTemplate NoticeDialog() {
  DialogTemplate d = NewDialog("  ZOR SOFTWARE", 80, 30, 364, 250);
  AddLabel(d, kNoticeHeadingId, kNoticeHeading, 50, 0, 250, 40, SS_CENTER);
  AddField(d, kNoticeTextId, kNoticeText, 10, 40, 338, 162,
           ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
  AddButton(d, kAgreeId, "I Agree - &Continue", 120, 215, 80, 14);
  AddButton(d, IDCANCEL, "&Exit", 210, 215, 40, 14);
  OnOpen(d, [](HWND dialog) {
    SetFixedFont(dialog, kNoticeTextId);
    SetFocus(GetDlgItem(dialog, kAgreeId));
    PlacePointer(dialog, 160, 222);
  });
  return d;
}

INT_PTR CALLBACK NoticeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      NoticeBrushes[0] = CreateSolidBrush(RGB(128, 0, 0));
      NoticeBrushes[1] = CreateSolidBrush(RGB(110, 92, 10));
      return TRUE;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kNoticeHeadingId)
        return ColourControl(dc, RGB(0, 255, 0), NoticeBrushes[0]);
      SetBkColor(dc, RGB(110, 92, 10));
      return ColourControl(dc, RGB(255, 255, 255), NoticeBrushes[1], false);
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kAgreeId) {
        EndDialog(dialog, 1);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        PostQuitMessage(0);
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      for (HBRUSH& b : NoticeBrushes) {
        DeleteObject(b);
        b = nullptr;
      }
      return TRUE;
    default:
      return FALSE;
  }
}

void PaintBackground(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  HDC dc = GetDC(window);
  double band = client.bottom / 200.0;
  for (int i = 0; i < 200; ++i) {
    RECT r{0, static_cast<LONG>(std::lround(i * band)), client.right + 1, static_cast<LONG>(std::lround((i + 1) * band))};
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255 - i));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
  ReleaseDC(window, dc);
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
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
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(255, 255, 255));
      EndPaint(window, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      PaintBackground(window);
      return 1;
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
