// Start-up, the main window and the notice: Corvane's profile of the shared program frame.
#include "corvane/app/app.h"
#include "win/messages.h"

namespace corvane {

HWND MainWindow = nullptr;
HMENU MainMenu = nullptr;

namespace {

// After "I Agree - &Continue" the start menu; the pointer goes onto the window's top edge.
void AfterNotice(bool agreed) {
  if (agreed) InstallMenu(BuildStartMenu());
  POINT p{60, 0};
  if (IsWindow(MainWindow)) {
    ClientToScreen(MainWindow, &p);
    MovePointer(p.x, p.y);
  }
}

void ReleaseGlobals() {
  CloseScreen();
  LoadCaseNames.clear();
  JobDataTable.Redim(0, 0);
  SupportFlags.clear();
  SharedIntegers.Redim(0, 0);
  CellTexts.Redim(0, 0);
  TextLines.clear();
}

}  // namespace

const ProgramFrameProfile& FrameProfile() {
  static const ProgramFrameProfile frame{"ZOR",             "ZOR",         "      ZOR Program",
                                         CorvaneWindowProc, &MainWindow,   &MainMenu,
                                         DimensionGlobals,  AfterNotice,   ReleaseGlobals,
                                         DispatchCommand,   ProgramLook()};
  return frame;
}

void DimensionGlobals() {
  LoadCaseNames.assign(149, std::string());
  JobDataTable.Redim(8, 6);
  SupportFlags.assign(21, std::string());
  SharedIntegers.Redim(8, 5);
  CellTexts.Redim(1, 1);
  TextLines.assign(2, std::string());
  InstallEntryPorts();
}

HWND CreateMainWindow(HINSTANCE instance, int show) { return CreateProgramWindow(instance, show, FrameProfile()); }

void ShowNotice() { ShowProgramNotice(FrameProfile()); }

int RunCorvane(HINSTANCE instance, int show) { return RunProgram(instance, show, FrameProfile()); }

extern "C" LRESULT CALLBACK CorvaneWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ProgramWindowMessage(FrameProfile(), window, msg, wParam, lParam);
}

}  // namespace corvane
