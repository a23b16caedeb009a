// The menu bar, the commands it sends and the About box.
#include "app.h"
#include "core/saveas.h"
#include "core/textfiles.h"
#include "gfx/gfx.h"
#include "palvore/core/jobfiles.h"
#include "win/colours.h"
#include "win/dialogs.h"
#include "win/messages.h"

namespace palvore {

namespace {

bool HasLines(const std::string& file) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(file, lines, kMaxLoadCases, count);
  return count > 0;
}

constexpr int kAboutTextId = -1;

const char* const kAboutText =
    "The ZOR software authors\r\n\r\n"
    "ZOR Software\r\n"
    "The address given with your copy of the software\r\n\r\n"
    "Phone: as given with your copy\r\n"
    "Fax: as given with your copy\r\n"
    "E-mail: as given with your copy";

const std::vector<ColourRule> kAboutColours = {
    {WM_CTLCOLORSTATIC, kAboutTextId, kAboutTextId, 0xFF0000, RGB(255, 255, 255), false},
};

INT_PTR CALLBACK AboutProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, kAboutColours, colour)) return colour;
  return msg == WM_INITDIALOG;
}

}  // namespace

HMENU BuildJobMenu() { return AnalysisProgramMenu(StructureTitle); }

void InstallMenu(HMENU menu) { InstallMenuBar(PalvoreFrame(), menu); }

void EnableAnalysisMenu() {
  if (!MainMenu) return;
  MENUITEMINFOA item = {};
  item.cbSize = sizeof item;
  item.fMask = MIIM_STATE;
  item.fState = MFS_ENABLED;
  SetMenuItemInfoA(MainMenu, kAnalysisMenuPosition, TRUE, &item);
}

void EnableAnalysisWhenReady() {
  if (!JobSpec.empty() && HasLines(LoadCaseListFileName(JobSpec)) && HasLines(SupportFileName(JobSpec)))
    EnableAnalysisMenu();
}

void ParkPointer(int x) { ParkPointerOnMenuBar(MainWindow, x); }

void NewJobCommand() {
  Supports.flags.assign(11, std::string());
  ::NewJobCommand(ShowJobDialog, EnableAnalysisWhenReady);
}

void SaveJobAsCommand() {
  SaveAsProfile p;
  p.rewriteHeaders = [](const std::string& newJob) { RenameJobHeaders(newJob); };
  ::SaveJobAsCommand(ShowJobDialog, p, nullptr);
}

void HelpCommand() { RunHelpViewer("Garnol.hlp"); }

void AboutBox() {
  DialogTemplate d = NewDialog("Pile Analysis", 0, 0, 280, 123, WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER);
  AddLabel(d, kAboutTextId, kAboutText, 10, 10, 260, 77, SS_CENTER);
  AddButton(d, IDOK, "&Ok", 120, 98, 40, 14, WS_TABSTOP | BS_DEFPUSHBUTTON);
  SetControlCallback(d, IDOK, CloseDialogProc);
  OnOpen(d, [](HWND dialog) {
    SendDlgItemMessageA(dialog, kAboutTextId, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FIXED_FONT)), TRUE);
    PlacePointer(dialog, 140, 105);
    MessageBeep(0);
  });
  DialogResult = static_cast<int>(ShowModalDialog(d, nullptr, AboutProc));
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
           EnableAnalysisMenu();
         }},
        // The load entry runs only for a case named and ticked in the dialog.
        {308, true,
         [] {
           if (ShowLoadCases(1) == 1 && !LoadCaseName.empty()) LoadDataCommand();
           EnableAnalysisMenu();
         },
         100},
        {888, true,
         [] {
           RunAnalysisCommand(0);
           GfxWindow(kGfxClose);
         },
         160},
        {889, true,
         [] {
           RunAnalysisCommand(1);
           GfxWindow(kGfxClose);
         },
         160},
        {777, true, [] { PresentationCommand(); }, 160},
        {666, true, [] { PlotCommand(); }, 160},
        {206, false, NewJobCommand},
        {878, false, SaveJobAsCommand},
        {204, false, HelpCommand},
        {205, false, AboutBox},
    };
    return p;
  }();
  DispatchMenuCommand(menu, id);
}

}  // namespace palvore
