// Start-up, the notice and the main window: Trabix's profile of the shared program frame.
#include "app.h"
#include "trabix/core/slots.h"
#include "win/messages.h"

namespace trabix {

namespace {

// The class name is kept in a fixed text of 80 characters.
char ClassName[80] = "BEAM/STRIP ANALYSIS";

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
  SharedIntegers.Redim(0, 0);
  CellTexts.Redim(0, 0);
  TextLines.clear();
  MemoryDC.reset();
}

}  // namespace

const ProgramFrameProfile& FrameProfile() {
  static const ProgramFrameProfile frame{ClassName,      "BEAMS",         "  BEAM/STRIP ANALYSIS Program",
                                         TrabixWindowProc, &MainWindow,   &MainMenu,
                                         DimensionGlobals, AfterNotice,   ReleaseGlobals,
                                         DispatchCommand,  ProgramLook()};
  return frame;
}

void DimensionGlobals() {
  LoadCaseNames.assign(kMaxLoadCases + 1, std::string());
  SupportFlags.assign(kSupportFlagSlots, std::string());
  SharedIntegers.Redim(8, 5);
  CellTexts.Redim(1, 1);
  TextLines.assign(2, std::string());
  ProgramMessages = DialogOwnedMessages(&DialogAnswer);
}

HWND CreateMainWindow(HINSTANCE instance, int show) { return CreateProgramWindow(instance, show, FrameProfile()); }

int RunTrabix(HINSTANCE instance, int show) { return RunProgram(instance, show, FrameProfile()); }

extern "C" LRESULT CALLBACK TrabixWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ProgramWindowMessage(FrameProfile(), window, msg, wParam, lParam);
}

}  // namespace trabix
