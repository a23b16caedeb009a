// Start-up, the notice and the main window: Trabix's profile of the shared program frame.
#include "app.h"
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

const ProgramFrameProfile& TrabixFrame() {
  static const ProgramFrameProfile frame{ClassName,      "BEAMS",         "  BEAM/STRIP ANALYSIS Program",
                                         TrabixWindowProc, &MainWindow,   &MainMenu,
                                         DimensionGlobals, AfterNotice,   ReleaseGlobals,
                                         DispatchCommand,  ProgramLook()};
  return frame;
}

void DimensionGlobals() {
  LoadCaseNames.assign(kMaxLoadCases + 1, std::string());
  SupportFlags.assign(14, std::string());
  SharedIntegers.Redim(8, 5);
  CellTexts.Redim(1, 1);
  TextLines.assign(2, std::string());
  ProgramMessages = DialogOwnedMessages(&DialogResult);
}

HWND CreateMainWindow(HINSTANCE instance, int show) { return CreateProgramWindow(instance, show, TrabixFrame()); }

int RunTrabix(HINSTANCE instance, int show) { return RunProgram(instance, show, TrabixFrame()); }

extern "C" LRESULT CALLBACK TrabixWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ProgramWindowMessage(TrabixFrame(), window, msg, wParam, lParam);
}

}  // namespace trabix
