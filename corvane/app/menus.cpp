// The menu bars and the commands they send.
#include "core/archive.h"
#include "core/textfiles.h"
#include "corvane/app/app.h"
#include "corvane/app/ids.h"
#include "win/files_win.h"
#include "win/messages.h"

namespace corvane {

namespace {

constexpr int kInformTextId = 101;

HMENU BuildHelpMenu() {
  return SeparatedPopupMenu({{kCorvaneHelpCommand, "&Help/Information"},
                             {kSoftwareBoxCommand, "&About Software"},
                             {kCorvaneAuthorBoxCommand, "A&bout Author/Contact Address"}});
}

// An inform-only box: a caption, centred lines and "&Ok".
void InformBox(const std::string& text, int lines) {
  int width = 280, textHeight = 10 * lines;
  DialogTemplate d = NewDialog("zor", 0, 0, width, textHeight + 45);
  AddLabel(d, kInformTextId, text, 10, 10, width - 20, textHeight, SS_CENTER);
  AddButton(d, IDOK, "&Ok", width / 2 - 20, textHeight + 20, 40, 14);
  SetControlCallback(d, IDOK, CloseDialogProc);
  OnOpen(d, [](HWND) { MessageBeep(MB_OK); });
  DialogAnswer = static_cast<int>(ShowModalDialog(d, MainWindow, nullptr));
}

}  // namespace

HMENU BuildStructureTypeMenu() {
  return SeparatedPopupMenu({{kBeamStripCommand, "&Beam/Strip"}, {kPlateCommand, "&Plate"}, {kTankCommand, "&Tank"}});
}

HMENU BuildStartMenu() {
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_STRING, kCloseCommand, "&Close");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildStructureTypeMenu()), "&Structure Type");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildHelpMenu()), "&Help");
  return bar;
}

void BuildAnalysisMenuItem(HMENU menu) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(JobSpec + ".CAS", lines, 50, count);
  AppendMenuA(menu, MF_STRING | (count > 0 ? MF_ENABLED : MF_GRAYED), kElasticAnalysisCommand, "&Analysis");
}

HMENU BuildPresentationMenu() {
  return SeparatedPopupMenu({{kCorvanePresentationCommand, "&Preview/Print/Save Data/Results"}, {kCorvanePlotCommand, "P&lot Structural Response Fields"}});
}

HMENU BuildJobMenu() {
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_STRING, kCloseCommand, "&Close");
  HMENU data = SeparatedPopupMenu(
      {{kCorvaneGeometryCommand, " &Geometry and Material Properties Data"}, {kCorvaneSupportCommand, " &Support Data"}, {kCorvaneLoadCommand, " &Load Data"}});
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(data), "&Data Input");
  BuildAnalysisMenuItem(bar);
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildPresentationMenu()), "Data/Results &Presentation");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildStructureTypeMenu()), "&New Structure/Job");
  AppendMenuA(bar, MF_STRING, kSaveJobAsCommand, "&Save Job As");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildHelpMenu()), "&Help");
  return bar;
}

void InstallMenu(HMENU menu) { InstallMenuBar(FrameProfile(), menu); }

void EnableAnalysisMenu() {
  EnableMenuItem(MainMenu, kElasticAnalysisCommand, MF_BYCOMMAND | MF_ENABLED);
  DrawMenuBar(MainWindow);
}

void ParkPointer(int x) { ParkPointerOnMenuBar(MainWindow, x); }

bool NeedJob() { return EnsureJob(ShowJobDialog); }

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
    OpenJobArchive(JobSpec);
    SetWindowTextA(MainWindow, ("     " + StructureType + " ANALYSIS.   JOB: " + JobSpec).c_str());
  }
}

void HelpCommand() { RunHelpViewer("ZORhelp.hlp"); }

void SoftwareBox() {
  InformBox("ZOR SOFTWARE\r\nfor Analysis of Beams, Circular Plates and Cylindrical Tanks\r\non Elastic Foundations",
            3);
}

void AuthorBox() {
  InformBox(
      "ZOR SOFTWARE\r\nAuthor: the ZOR software authors\r\nContact: the address given with your copy of the software",
      3);
}

void DispatchCommand(int id) {
  static const MenuDispatchProfile menu = [] {
    MenuDispatchProfile p;
    p.mainWindow = &MainWindow;
    p.showJobDialog = ShowJobDialog;
    // The structure screen is hidden while a command's dialogs are shown.
    p.before = HideScreen;
    p.after = ShowScreen;
    p.commands = {
        {kBeamStripCommand, false, [] { ChangeStructureType("BEAM/STRIP"); }},
        {kPlateCommand, false, [] { ChangeStructureType("PLATE"); }},
        {kTankCommand, false, [] { ChangeStructureType("TANK"); }},
        {kCorvaneGeometryCommand, true, GeometryCommand},
        {kCorvaneSupportCommand, true,
         [] {
           SupportCommand();
           EnableAnalysisMenu();
         }},
        {kCorvaneLoadCommand, true,
         [] {
           if (ShowLoadCases(1) == 1) LoadDataCommand();
           EnableAnalysisMenu();
         },
         100},
        {kElasticAnalysisCommand, false, AnalysisCommand},
        {kCorvanePresentationCommand, false, PresentationCommand},
        {kCorvanePlotCommand, false, PlotCommand, 160},
        {kSaveJobAsCommand, false, SaveJobAsCommand},
        {kCorvaneHelpCommand, false, HelpCommand},
        {kSoftwareBoxCommand, false, SoftwareBox},
        {kCorvaneAuthorBoxCommand, false, AuthorBox},
    };
    return p;
  }();
  DispatchMenuCommand(menu, id);
}

}  // namespace corvane
