// The menu bar and the commands it sends.
#include "app.h"
#include "ids.h"
#include "core/archive.h"
#include "core/saveas.h"
#include "core/textfiles.h"
#include "gfx/gfx.h"
#include "trabix/core/checks.h"
#include "trabix/core/slots.h"
#include "win/messages.h"

namespace trabix {

namespace {

bool HasLines(const std::string& file) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(file, lines, kMaxLoadCases, count);
  return count > 0;
}

}  // namespace

// Built at the notice, before the job dialog names the title: the Data Input items begin with
// their blank.
HMENU BuildJobMenu() { return AnalysisProgramMenu(""); }

void InstallMenu(HMENU menu) { InstallMenuBar(FrameProfile(), menu); }

void UpdateAnalysisMenu() {
  if (!MainMenu) return;
  bool ready = !JobSpec.empty() && HasLines(JobSpec + ".CAS") && HasLines(JobSpec + ".SUP");
  EnableMenuItem(MainMenu, kAnalysisMenuPosition, MF_BYPOSITION | (ready ? MF_ENABLED : MF_GRAYED));
  DrawMenuBar(MainWindow);
}

void ParkPointer(int x) { ParkPointerOnMenuBar(MainWindow, x); }

bool NeedJob() { return EnsureJob(ShowJobDialog); }

void NewJobCommand() {
  SupportFlags.assign(kSupportFlagSlots, std::string());
  ::NewJobCommand(ShowJobDialog, UpdateAnalysisMenu);
}

void SaveJobAsCommand() {
  SaveAsProfile p;
  p.rewriteHeaders = [](const std::string& newJob) { RenameJobHeaders(newJob); };
  ::SaveJobAsCommand(ShowJobDialog, p, UpdateAnalysisMenu);
}

void HelpCommand() { RunHelpViewer("Tovask.hlp"); }

void AuthorBox() {
  const std::string text =
      "BEAM/STRIP ANALYSIS\r\nAuthor: the ZOR software authors\r\nContact: the address given with your copy of the software";
  int width = 280, textHeight = 30;
  DialogTemplate d = NewDialog("Pile Analysis", 0, 0, width, textHeight + 45);
  AddLabel(d, kAuthorTextId, text, 10, 10, width - 20, textHeight, SS_CENTER);
  AddButton(d, IDOK, "&Ok", width / 2 - 20, textHeight + 20, 40, 14);
  SetControlCallback(d, IDOK, CloseDialogProc);
  DialogAnswer = static_cast<int>(ShowModalDialog(d, MainWindow, nullptr));
}

void DispatchCommand(int id) {
  static const MenuDispatchProfile menu = [] {
    MenuDispatchProfile p;
    p.mainWindow = &MainWindow;
    p.showJobDialog = ShowJobDialog;
    p.commands = {
        {kGeometryCommand, true, [] { GeometryCommand(); }},
        {kSupportCommand, true,
         [] {
           SupportCommand();
           UpdateAnalysisMenu();
         }},
        // The load entry runs only for a case named and ticked in the dialog, so no load file is
        // ever named after an empty case.
        {kLoadCommand, true,
         [] {
           if (ShowLoadCases(1) == 1 && !LoadCaseName.empty()) LoadDataCommand();
           UpdateAnalysisMenu();
         }},
        {kElasticAnalysisCommand, true, [] { AnalysisCommand(0); }},
        {kPlasticAnalysisCommand, true, [] { AnalysisCommand(1); }},
        {kPresentationCommand, true, [] { PresentationCommand(); }},
        {kPlotCommand, true, [] { PlotCommand(); }},
        {kNewJobCommand, false, NewJobCommand},
        {kSaveJobAsCommand, false, SaveJobAsCommand},
        {kHelpCommand, false, HelpCommand},
        {kAuthorBoxCommand, false, AuthorBox},
    };
    return p;
  }();
  DispatchMenuCommand(menu, id);
}

}  // namespace trabix
