// ANALYSIS.exe: Corvane's outside solver. No window of its own: a stop sounds its tones and
// shows its task-modal warning box; the exit code is the solver's.
#include <windows.h>

#include "corvane/solver/solver.h"
#include "win/messages.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return corvane::AnalysisMain(GetCommandLineA(), [](const SolverWarningData& w) {
    for (const SolverTone& t : w.tones) Tone(static_cast<float>(t.frequency), static_cast<short>(t.duration));
    ShowMessageBox(w.text, WarningBoxStyle, w.caption);
  });
}
