// Start-up, the notice and the main window: Murelo's profile of the shared program frame.
#include "app.h"
#include "core/globals.h"
#include "murelo/core/jobfiles.h"
#include "murelo/core/slots.h"
#include "win/messages.h"

namespace murelo {

namespace {

// The class name is kept in a fixed text of 80 characters.
char ClassName[80] = "RETAINING WALL ANALYSIS";

ProgramLook MureloLook() {
  ProgramLook look;
  look.noticeTitle = "RETAINING WALL ANALYSIS\r\nby\r\nthe ZOR software authors";
  look.titleText = RGB(0, 255, 0);
  look.titleBack = RGB(0, 0, 128);
  look.noticeText = RGB(255, 255, 255);
  look.noticeBack = RGB(10, 92, 110);
  look.bandsTop = RGB(255, 0, 0);
  look.bandsBottom = RGB(56, 0, 0);
  return look;
}

// After "I Agree - &Continue" the menu and at once the job dialog.
void AfterNotice(bool agreed) {
  if (!agreed) return;
  InstallMenu(BuildJobMenu());
  ShowJobDialog();
  if (IsWindow(MainWindow)) ParkPointer(60);
}

void ReleaseGlobals() {
  LoadCaseNames.clear();
  SupportFlags.clear();
  GeneralData.Redim(0, 0);
  BasePlateElements.Redim(0, 0);
  WallStemElements.Redim(0, 0);
  TextLines.clear();
}

}  // namespace

const ProgramFrameProfile& FrameProfile() {
  static const ProgramFrameProfile frame = [] {
    ProgramFrameProfile p;
    p.className = ClassName;
    p.icon = "WALLS";
    p.caption = "  RETAINING WALL ANALYSIS Program";
    p.windowProc = MureloWindowProc;
    p.mainWindow = &MainWindow;
    p.mainMenu = &MainMenu;
    p.dimensionGlobals = DimensionGlobals;
    p.afterNotice = AfterNotice;
    p.releaseGlobals = ReleaseGlobals;
    p.dispatch = DispatchCommand;
    p.look = MureloLook();
    return p;
  }();
  return frame;
}

void DimensionGlobals() {
  LoadCaseNames.assign(149, std::string());
  GeneralData.Redim(2, 5);
  BasePlateElements.Redim(1, 1);
  WallStemElements.Redim(1, 1);
  TextLines.assign(2, std::string());
  SupportFlags.assign(kSupportFlagSlots, std::string());
  LoadTable.Redim(2, 2);
  SignedNumberChars = "+-.0123456789Ee";
  NumberChars = "+.0123456789Ee";
  DigitChars = "0123456789";
  ProgramMessages = DialogOwnedMessages(&DialogAnswer);
  SetGeometryCorrectionHook(CorrectMissingGeometry);
}

HWND CreateMainWindow(HINSTANCE instance, int show) { return CreateProgramWindow(instance, show, FrameProfile()); }

int RunMurelo(HINSTANCE instance, int show) { return RunProgram(instance, show, FrameProfile()); }

extern "C" LRESULT CALLBACK MureloWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ProgramWindowMessage(FrameProfile(), window, msg, wParam, lParam);
}

}  // namespace murelo
