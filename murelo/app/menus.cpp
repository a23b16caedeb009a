// The menu bar and the commands it sends.
#include "app.h"
#include "core/archive.h"
#include "core/saveas.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "murelo/core/jobfiles.h"
#include "murelo/core/slots.h"
#include "gfx/gfx.h"
#include "win/messages.h"

namespace murelo {

namespace {

// "&Analysis" may be used from now on.
void EnableAnalysisMenu() { EnableAnalysisMenuItem(MainMenu); }

const char* const kAuthorText =
    "The ZOR software authors\r\n\r\n"
    "ZOR Software\r\n"
    "The address given with your copy of the software\r\n\r\n"
    "Phone: as given with your copy\r\n"
    "Fax: as given with your copy\r\n"
    "E-mail: as given with your copy";

}  // namespace

HMENU BuildJobMenu() { return AnalysisProgramMenu(StructureTitle); }

void InstallMenu(HMENU menu) { InstallMenuBar(FrameProfile(), menu); }

void UpdateAnalysisMenu() {
  // Once enabled it stays so, also across "&New Job".
  if (!JobSpec.empty() && FileHasLines(LoadCaseListFileName(JobSpec)) && FileHasLines(SupportFileName(JobSpec)))
    EnableAnalysisMenu();
}

void ParkPointer(int x) { ParkPointerOnMenuBar(MainWindow, x); }

void NewJobCommand() {
  SupportFlags.assign(kSupportFlagSlots, std::string());
  ::NewJobCommand(ShowJobDialog, UpdateAnalysisMenu);
}

void SaveJobAsCommand() {
  SaveAsProfile p;
  p.rewriteHeaders = RenameJobHeaders;
  ::SaveJobAsCommand(ShowJobDialog, p, UpdateAnalysisMenu);
}

void HelpCommand() { RunHelpViewer("Nimbrel.hlp"); }

void AuthorBox() { DialogAnswer = ShowAuthorBox(MainWindow, kAuthorText); }

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
           EnableAnalysisMenu();
         }},
        // The load entry runs only for a case named and ticked in the dialog, so no load file is
        // ever named after an empty case.
        {kLoadCommand, true,
         [] {
           if (ShowLoadCases(1) == 1 && !LoadCaseName.empty()) LoadDataCommand();
           EnableAnalysisMenu();
         },
         100},
        {kElasticAnalysisCommand, true,
         [] {
           AnalysisCommand(0);
           GfxWindow(kGfxClose);
         },
         160},
        {kPlasticAnalysisCommand, true,
         [] {
           AnalysisCommand(1);
           GfxWindow(kGfxClose);
         },
         160},
        {kPresentationCommand, true, [] { PresentationCommand(); }, 160},
        {kPlotCommand, true, [] { PlotCommand(); }, 160},
        {kNewJobCommand, false, NewJobCommand},
        {kSaveJobAsCommand, false, SaveJobAsCommand},
        {kHelpCommand, false, HelpCommand},
        {kAuthorBoxCommand, false, AuthorBox},
    };
    return p;
  }();
  DispatchMenuCommand(menu, id);
}

}  // namespace murelo
