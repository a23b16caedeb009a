#include "win/programframe.h"

#include "core/archive.h"
#include "core/globals.h"
#include "core/hostfs.h"
#include "core/textfiles.h"
#include "win/colours.h"
#include "win/dialogs.h"
#include "win/files_win.h"
#include "win/messages.h"
#include "win/process.h"
#include "win/startup.h"

HWND CreateProgramWindow(HINSTANCE instance, int show, const ProgramFrameProfile& p) {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = p.windowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, p.icon);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = p.className;
  RegisterClassA(&wc);  // a second window of the same run finds the class registered
  // The background is painted around the child windows (Corvane's structure picture), never over them.
  HWND window = CreateWindowExA(0, p.className, p.caption,
                                WS_POPUP | WS_MAXIMIZE | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                instance, nullptr);
  *p.mainWindow = window;
  if (!window) return nullptr;
  RemoveMenu(GetSystemMenu(window, FALSE), SC_SIZE, MF_BYCOMMAND);
  SetWindowLongA(window, GWL_EXSTYLE, WS_EX_TOPMOST);
  ShowWindow(window, show);
  UpdateWindow(window);
  return window;
}

bool ShowProgramNotice(const ProgramFrameProfile& p) {
  bool agreed = ShowModalDialog(NoticeDialog(p.look), *p.mainWindow, NoticeDialogProc, reinterpret_cast<LPARAM>(&p.look)) > 0;
  if (p.afterNotice) p.afterNotice(agreed);
  return agreed;
}

int RunProgram(HINSTANCE instance, int show, const ProgramFrameProfile& p) {
  if (p.dimensionGlobals) p.dimensionGlobals();
  WarnOnFailedWrites();
  if (!CreateProgramWindow(instance, show, p)) return 0;
  SetCurrentDirectoryA(ProgramDirectory().c_str());
  ShowProgramNotice(p);
  return RunMessageLoop();
}

LRESULT ProgramWindowMessage(const ProgramFrameProfile& p, HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT painted = 0;
  if (MainWindowPaintMessage(window, msg, painted, p.look)) return painted;
  switch (msg) {
    case WM_DESTROY:
      if (p.releaseGlobals) p.releaseGlobals();
      // Leaving the program leaves the job: its files go into its archive.
      ArchiveJob(JobSpec);
      if (window == *p.mainWindow) {
        *p.mainWindow = nullptr;
        *p.mainMenu = nullptr;  // destroyed with the window
      }
      PostQuitMessage(0);
      return 0;
    case WM_COMMAND:
      if (p.dispatch) p.dispatch(LOWORD(wParam));
      return 0;
    default:
      return DefWindowProcA(window, msg, wParam, lParam);
  }
}

HMENU SeparatedPopupMenu(std::initializer_list<std::pair<int, const char*>> items) {
  HMENU m = CreatePopupMenu();
  bool first = true;
  for (const auto& item : items) {
    if (!first) AppendMenuA(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(m, MF_STRING, item.first, item.second);
    first = false;
  }
  return m;
}

HMENU AnalysisProgramMenu(const std::string& structureTitle) {
  const std::string geometry = structureTitle + " &Geometry and Material Properties Data",
                    supports = structureTitle + " &Support Data", loads = structureTitle + " &Load Data";
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_STRING, kCloseCommand, "&Close");
  AppendMenuA(bar, MF_POPUP,
              reinterpret_cast<UINT_PTR>(
                  SeparatedPopupMenu({{kGeometryCommand, geometry.c_str()}, {kSupportCommand, supports.c_str()}, {kLoadCommand, loads.c_str()}})),
              "&Data Input");
  AppendMenuA(bar, MF_POPUP | MF_GRAYED,
              reinterpret_cast<UINT_PTR>(SeparatedPopupMenu({{kElasticAnalysisCommand, "&Elastic Analysis"}, {kPlasticAnalysisCommand, "Elastic-&Plastic Analysis"}})),
              "&Analysis");
  AppendMenuA(bar, MF_POPUP,
              reinterpret_cast<UINT_PTR>(
                  SeparatedPopupMenu({{kPresentationCommand, "&Preview/Print/Save Data/Results"}, {kPlotCommand, "P&lot Structural Response Fields"}})),
              "Data/Results &Presentation");
  AppendMenuA(bar, MF_STRING, kNewJobCommand, "&New Job");
  AppendMenuA(bar, MF_STRING, kSaveJobAsCommand, "&Save Job As");
  AppendMenuA(bar, MF_POPUP,
              reinterpret_cast<UINT_PTR>(SeparatedPopupMenu({{kHelpCommand, "&Help/Info"}, {kAuthorBoxCommand, "&About Author/Contact Address"}})),
              "&Help");
  return bar;
}

void InstallMenuBar(const ProgramFrameProfile& p, HMENU menu) {
  HMENU old = *p.mainMenu;
  SetMenu(*p.mainWindow, menu);
  *p.mainMenu = menu;
  if (old && old != menu) DestroyMenu(old);
  DrawMenuBar(*p.mainWindow);
}

void ParkPointerOnMenuBar(HWND window, int x) {
  POINT pt{x, 0};
  ClientToScreen(window, &pt);
  MovePointer(pt.x, pt.y - GetSystemMetrics(SM_CYMENU) / 2);
}

bool EnsureJob(const std::function<int()>& showJobDialog) {
  if (JobSpec.empty()) showJobDialog();
  return !JobSpec.empty();
}

void NewJobCommand(const std::function<int()>& showJobDialog, const std::function<void()>& reopened) {
  std::string job = JobSpec;
  if (!job.empty()) ArchiveJob(job);
  if (showJobDialog() != 1 && !job.empty() && JobSpec == job) {
    OpenJobArchive(JobSpec);
    if (reopened) reopened();
  }
}

void SaveJobAsCommand(const std::function<int()>& showJobDialog, const SaveAsProfile& profile,
                      const std::function<void()>& saved) {
  std::string job = JobSpec;
  if (showJobDialog() <= 0 || job.empty()) return;
  SaveJobAsAndArchive(job, JobSpec, profile);
  if (saved) saved();
}

void RunHelpViewer(const std::string& helpFile) {
  if (RunProgramAndWait("", "winhlp32.exe " + helpFile)) return;
  const std::string reason = hostfs::SystemReason(GetLastError());
  ShowMessageBox("The HELP Viewer 'winhlp32.exe' cannot be Started: " + reason + "!", WarningBoxStyle, "WARNING!");
}

void DispatchMenuCommand(const MenuDispatchProfile& p, int id) {
  if (id == kCloseCommand) {
    DestroyWindow(*p.mainWindow);  // packs the open job and ends the program
    return;
  }
  const MenuCommand* command = nullptr;
  for (const MenuCommand& c : p.commands)
    if (c.id == id) command = &c;
  if (p.before) p.before();
  if (command && (!command->needsJob || EnsureJob(p.showJobDialog)) && command->run) command->run();
  if (p.after) p.after();
  if (*p.mainWindow) ParkPointerOnMenuBar(*p.mainWindow, command ? command->parkX : 60);
}

namespace {

constexpr int kAuthorTextId = -1;

const std::vector<ColourRule> kAuthorBoxColours = {
    {WM_CTLCOLORSTATIC, kAuthorTextId, kAuthorTextId, 0xFF0000, RGB(255, 255, 255), false},
};

INT_PTR CALLBACK AuthorBoxProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, kAuthorBoxColours, colour)) return colour;
  return msg == WM_INITDIALOG;
}

}  // namespace

int ShowAuthorBox(HWND owner, const char* text) {
  // The label holds eight lines of the system's fixed font, which is taller than the dialog's.
  DialogTemplate d = NewDialog("Pile Analysis", 0, 0, 280, 129, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER);
  AddLabel(d, kAuthorTextId, text, 10, 10, 260, 83, SS_CENTER);
  AddButton(d, IDOK, "&Ok", 120, 104, 40, 14, WS_TABSTOP | BS_DEFPUSHBUTTON);
  SetControlCallback(d, IDOK, CloseDialogProc);
  OnOpen(d, [](HWND dialog) {
    SendDlgItemMessageA(dialog, kAuthorTextId, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FIXED_FONT)), TRUE);
    PlacePointer(dialog, 140, 111);
    MessageBeep(0);
  });
  return static_cast<int>(ShowModalDialog(d, owner, AuthorBoxProc));
}

void EnableAnalysisMenuItem(HMENU bar) {
  if (!bar) return;
  MENUITEMINFOA item = {};
  item.cbSize = sizeof item;
  item.fMask = MIIM_STATE;
  item.fState = MFS_ENABLED;
  SetMenuItemInfoA(bar, kAnalysisMenuPosition, TRUE, &item);
}

bool FileHasLines(const std::string& file) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(file, lines, 5000, count);
  return count > 0;
}
