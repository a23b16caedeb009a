// The menu bars and the commands they send.
#include "core/archive.h"
#include "core/textfiles.h"
#include "corvane/frame/frame.h"
#include "win/messages.h"

namespace corvane {

namespace {

HMENU BuildHelpMenu() {
  HMENU m = CreatePopupMenu();
  AppendMenuA(m, MF_STRING, 7204, "&Help/Information");
  AppendMenuA(m, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(m, MF_STRING, 7205, "&About Software");
  AppendMenuA(m, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(m, MF_STRING, 6699, "A&bout Author/Contact Address");
  return m;
}

// An inform-only box: a caption, centred lines and "&Ok".
void InformBox(const std::string& text, int lines) {
  int width = 280, textHeight = 10 * lines;
  DialogTemplate d = NewDialog("zor", 0, 0, width, textHeight + 45);
  AddLabel(d, 101, text, 10, 10, width - 20, textHeight, SS_CENTER);
  AddButton(d, IDOK, "&Ok", width / 2 - 20, textHeight + 20, 40, 14);
  SetControlCallback(d, IDOK, CloseDialogProc);
  OnOpen(d, [](HWND) { MessageBeep(MB_OK); });
  DialogAnswer = static_cast<int>(ShowModalDialog(d, MainWindow, nullptr));
}

}  // namespace

HMENU BuildStructureTypeMenu() {
  HMENU m = CreatePopupMenu();
  AppendMenuA(m, MF_STRING, 7206, "&Beam/Strip");
  AppendMenuA(m, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(m, MF_STRING, 7207, "&Plate");
  AppendMenuA(m, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(m, MF_STRING, 7208, "&Tank");
  return m;
}

HMENU BuildStartMenu() {
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_STRING, 2, "&Close");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildStructureTypeMenu()), "&Structure Type");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildHelpMenu()), "&Help");
  return bar;
}

void BuildAnalysisMenuItem(HMENU menu) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(JobSpec + ".CAS", lines, 50, count);
  AppendMenuA(menu, MF_STRING | (count > 0 ? MF_ENABLED : MF_GRAYED), 888, "&Analysis");
}

HMENU BuildPresentationMenu() {
  HMENU m = CreatePopupMenu();
  AppendMenuA(m, MF_STRING, 7777, "&Preview/Print/Save Data/Results");
  AppendMenuA(m, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(m, MF_STRING, 7666, "P&lot Structural Response Fields");
  return m;
}

HMENU BuildJobMenu() {
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_STRING, 2, "&Close");
  HMENU data = CreatePopupMenu();
  AppendMenuA(data, MF_STRING, 7306, " &Geometry and Material Properties Data");
  AppendMenuA(data, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(data, MF_STRING, 7307, " &Support Data");
  AppendMenuA(data, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(data, MF_STRING, 7308, " &Load Data");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(data), "&Data Input");
  BuildAnalysisMenuItem(bar);
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildPresentationMenu()), "Data/Results &Presentation");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildStructureTypeMenu()), "&New Structure/Job");
  AppendMenuA(bar, MF_STRING, 878, "&Save Job As");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildHelpMenu()), "&Help");
  return bar;
}

void InstallMenu(HMENU menu) {
  HMENU old = MainMenu;
  SetMenu(MainWindow, menu);
  MainMenu = menu;
  if (old && old != menu) DestroyMenu(old);
  DrawMenuBar(MainWindow);
}

void EnableAnalysis() {
  EnableMenuItem(MainMenu, 888, MF_BYCOMMAND | MF_ENABLED);
  DrawMenuBar(MainWindow);
}

void ParkPointer(int x) {
  POINT p{x, 0};
  ClientToScreen(MainWindow, &p);
  MovePointer(p.x, p.y - GetSystemMetrics(SM_CYMENU) / 2);
}

bool NeedJob() {
  if (JobSpec.empty()) ShowJobDialog();
  return !JobSpec.empty();
}

void ChangeStructureType(const std::string& type) {
  std::string job = JobSpec;
  if (!StructureType.empty() && StructureType != type) {
    ShowMessage(nullptr, "Do you realy want to consider another Type of Structure?", "StructureType Change Enquiry",
                QuestionBoxStyle, DialogAnswer);
    if (DialogAnswer != IDYES) return;
    JobSpec.clear();
  }
  if (!job.empty()) {
    ArchiveJob(job);
    SupportFlags.assign(21, std::string());
  }
  std::string oldType = StructureType, oldSubstructure = Substructure;
  StructureType = type;
  Substructure = type == "BEAM/STRIP" ? "BEAM" : type == "TANK" ? "BASE PLATE" : "PLATE";
  SetWindowTextA(MainWindow, ("     " + StructureType + " ANALYSIS ").c_str());
  if (ShowJobDialog() == 1) {
    InstallMenu(BuildJobMenu());
    StructureScreen();
    return;
  }
  StructureType = oldType;
  Substructure = oldSubstructure;
  // The same type chosen again keeps the job open: it was packed on leaving, so it is unpacked
  // again, or the next data written would be packed alone and the old archive dropped.
  if (!job.empty() && JobSpec == job) {
    OpenJobFromZip(JobSpec);
    SetWindowTextA(MainWindow, ("     " + StructureType + " ANALYSIS.   JOB: " + JobSpec).c_str());
  }
}

void HelpCommand() {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi = {};
  char commandLine[] = "winhlp32.exe ZORhelp.hlp";
  if (CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
}

void AboutBox() {
  InformBox("ZOR SOFTWARE\r\nfor Analysis of Beams, Circular Plates and Cylindrical Tanks\r\non Elastic Foundations",
            3);
}

void AuthorBox() {
  InformBox(
      "ZOR SOFTWARE\r\nAuthor: the ZOR software authors\r\nContact: the address given with your copy of the software",
      3);
}

void DispatchCommand(int id) {
  if (id == 2) {
    DestroyWindow(MainWindow);  // archives the open job and ends the program
    return;
  }
  int parkX = 60;
  HideScreen();
  switch (id) {
    case 7206:
      ChangeStructureType("BEAM/STRIP");
      break;
    case 7207:
      ChangeStructureType("PLATE");
      break;
    case 7208:
      ChangeStructureType("TANK");
      break;
    case 7306:
      if (NeedJob()) GeometryCommand();
      break;
    case 7307:
      if (NeedJob()) {
        SupportCommand();
        EnableAnalysis();
      }
      break;
    case 7308:
      if (NeedJob()) {
        if (ShowLoadCases(1) == 1) LoadDataCommand();
        EnableAnalysis();
      }
      parkX = 100;
      break;
    case 888:
      AnalysisCommand();
      break;
    case 7777:
      PresentationCommand();
      break;
    case 7666:
      PlotCommand();
      break;
    case 878:
      SaveJobAsCommand();
      break;
    case 7204:
      HelpCommand();
      break;
    case 7205:
      AboutBox();
      break;
    case 6699:
      AuthorBox();
      break;
    default:
      break;
  }
  ShowScreen();
  if (MainWindow) ParkPointer(parkX);
}

}  // namespace corvane
