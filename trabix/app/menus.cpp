// The menu bar and the commands it sends.
#include "app.h"
#include "core/archive.h"
#include "core/saveas.h"
#include "core/textfiles.h"
#include "gfx/gfx.h"
#include "trabix/core/checks.h"
#include "win/messages.h"

namespace trabix {

namespace {

// Positions on the bar: "&Close", "&Data Input", "&Analysis", ...
constexpr UINT kAnalysisPosition = 2;

bool HasLines(const std::string& file) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(file, lines, kMaxLoadCases, count);
  return count > 0;
}

}  // namespace

HMENU BuildMainMenu() {
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_STRING, 2, "&Close");
  AppendMenuA(bar, MF_POPUP,
              reinterpret_cast<UINT_PTR>(SeparatedPopupMenu({{306, " &Geometry and Material Properties Data"},
                                                {307, " &Support Data"},
                                                {308, " &Load Data"}})),
              "&Data Input");
  AppendMenuA(bar, MF_POPUP | MF_GRAYED,
              reinterpret_cast<UINT_PTR>(SeparatedPopupMenu({{888, "&Elastic Analysis"}, {889, "Elastic-&Plastic Analysis"}})),
              "&Analysis");
  AppendMenuA(bar, MF_POPUP,
              reinterpret_cast<UINT_PTR>(
                  SeparatedPopupMenu({{777, "&Preview/Print/Save Data/Results"}, {666, "P&lot Structural Response Fields"}})),
              "Data/Results &Presentation");
  AppendMenuA(bar, MF_STRING, 206, "&New Job");
  AppendMenuA(bar, MF_STRING, 878, "&Save Job As");
  AppendMenuA(bar, MF_POPUP,
              reinterpret_cast<UINT_PTR>(SeparatedPopupMenu({{204, "&Help/Info"}, {205, "&About Author/Contact Address"}})), "&Help");
  return bar;
}

void InstallMenu(HMENU menu) { InstallMenuBar(TrabixFrame(), menu); }

void UpdateAnalysisMenu() {
  if (!MainMenu) return;
  bool ready = !JobSpec.empty() && HasLines(JobSpec + ".CAS") && HasLines(JobSpec + ".SUP");
  EnableMenuItem(MainMenu, kAnalysisPosition, MF_BYPOSITION | (ready ? MF_ENABLED : MF_GRAYED));
  DrawMenuBar(MainWindow);
}

void ParkPointer(int x) { ParkPointerOnMenuBar(MainWindow, x); }

bool NeedJob() { return EnsureJob(ShowJobDialog); }

void NewJobCommand() {
  SupportFlags.assign(14, std::string());
  std::string job = JobSpec;
  if (!job.empty()) {
    Sleep(0);
    ArchiveJob(job);
  }
  if (ShowJobDialog() != 1 && !job.empty() && JobSpec == job) {
    // The job stays open: it was packed before the dialog, so its files are unpacked again, or
    // the next save would be packed alone and the archive's other files lost.
    OpenJobFromZip(JobSpec);
    UpdateAnalysisMenu();
  }
}

void SaveJobAsCommand() {
  std::string job = JobSpec;
  if (ShowJobDialog() <= 0) return;
  // Without an open job there is nothing to copy.
  if (job.empty()) return;
  Sleep(0);
  SaveAsProfile p;
  p.rewriteHeaders = [](const std::string& newJob) { RenameJobHeaders(newJob); };
  SaveJobAsAndArchive(job, JobSpec, p);
  UpdateAnalysisMenu();
}

void HelpCommand() { RunHelpViewer("Tovask.hlp"); }

void AuthorBox() {
  const std::string text =
      "BEAM/STRIP ANALYSIS\r\nAuthor: the ZOR software authors\r\nContact: the address given with your copy of the software";
  int width = 280, textHeight = 30;
  DialogTemplate d = NewDialog("Pile Analysis", 0, 0, width, textHeight + 45);
  AddLabel(d, 101, text, 10, 10, width - 20, textHeight, SS_CENTER);
  AddButton(d, IDOK, "&Ok", width / 2 - 20, textHeight + 20, 40, 14);
  SetControlCallback(d, IDOK, CloseDialogProc);
  DialogResult = static_cast<int>(ShowModalDialog(d, MainWindow, nullptr));
}

void DispatchCommand(int id) {
  static const MenuDispatchProfile menu = [] {
    MenuDispatchProfile p;
    p.mainWindow = &MainWindow;
    p.showJobDialog = ShowJobDialog;
    p.commands = {
        {306, true, [] { GeometryCommand(); }},
        {307, true,
         [] {
           SupportCommand();
           UpdateAnalysisMenu();
         }},
        // The load entry runs only for a case named and ticked in the dialog, so no load file is
        // ever named after an empty case.
        {308, true,
         [] {
           if (ShowLoadCases(1) == 1 && !LoadCaseName.empty()) LoadDataCommand();
           UpdateAnalysisMenu();
         }},
        {888, true, [] { AnalyseCommand(0); }},
        {889, true, [] { AnalyseCommand(1); }},
        {777, true, [] { PresentationCommand(); }},
        {666, true, [] { PlotCommand(); }},
        {206, false, NewJobCommand},
        {878, false, SaveJobAsCommand},
        {204, false, HelpCommand},
        {205, false, AuthorBox},
    };
    return p;
  }();
  DispatchMenuCommand(menu, id);
}

}  // namespace trabix
