// Start-up, the notice and the main window: Palvore's profile of the shared program frame.
#include "app.h"
#include "palvore/core/slots.h"
#include "win/messages.h"

namespace palvore {

namespace {

// The class name is kept in a fixed text of 80 characters.
char ClassName[80] = "PILE/SHEET-PILE ANALYSIS";

ProgramLook PalvoreLook() {
  ProgramLook look;
  look.noticeTitle = "PILE/SHEET-PILE ANALYSIS\r\nby\r\nthe ZOR software authors";
  look.titleText = RGB(0, 255, 0);
  look.titleBack = RGB(0, 0, 128);
  look.noticeText = RGB(255, 255, 255);
  look.noticeBack = RGB(10, 92, 110);
  look.bandsTop = RGB(255, 0, 0);
  look.bandsBottom = RGB(56, 0, 0);
  return look;
}

// The menu bar is built when the notice is accepted, then the job dialog follows at once.
void AfterNotice(bool agreed) {
  if (!agreed) return;
  InstallMenu(BuildJobMenu());
  ShowJobDialog();
  if (IsWindow(MainWindow)) ParkPointer(60);
}

void ReleaseGlobals() {
  LoadCaseNames.clear();
  Supports.flags.clear();
  TextLines.clear();
}

}  // namespace

const ProgramFrameProfile& FrameProfile() {
  static const ProgramFrameProfile frame = [] {
    ProgramFrameProfile p;
    p.className = ClassName;
    p.icon = "PILES";
    p.caption = "  PILE/SHEET-PILE ANALYSIS Program";
    p.windowProc = PalvoreWindowProc;
    p.mainWindow = &MainWindow;
    p.mainMenu = &MainMenu;
    p.dimensionGlobals = DimensionGlobals;
    p.afterNotice = AfterNotice;
    p.releaseGlobals = ReleaseGlobals;
    p.dispatch = DispatchCommand;
    p.look = PalvoreLook();
    return p;
  }();
  return frame;
}

void DimensionGlobals() {
  LoadCaseNames.assign(149, std::string());
  Supports.flags.assign(kSupportFlagSlots, std::string());
  TextLines.assign(2, std::string());
  SignedNumberChars = "+-.0123456789Ee";
  NumberChars = "+.0123456789Ee";
  DigitChars = "0123456789";
  ProgramMessages = DialogOwnedMessages(&DialogAnswer);
}

HWND CreateMainWindow(HINSTANCE instance, int show) { return CreateProgramWindow(instance, show, FrameProfile()); }

int RunPalvore(HINSTANCE instance, int show) { return RunProgram(instance, show, FrameProfile()); }

extern "C" LRESULT CALLBACK PalvoreWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ProgramWindowMessage(FrameProfile(), window, msg, wParam, lParam);
}

}  // namespace palvore
