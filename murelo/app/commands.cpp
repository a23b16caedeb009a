// The data entry, load, presentation and plot commands: the menus call these. The load entry,
// the presentation and the plots come with the loads and the graphs.
#include "app.h"
#include "murelo/core/jobfiles.h"
#include "murelo/entry/entry.h"
#include "core/correction.h"
#include "win/analysiscommand.h"

namespace murelo {

bool GeometryCommand() { return GeometryDataCommand(MainWindow); }
void SupportCommand() { SupportDataCommand(MainWindow); }
void LoadDataCommand() { RunLoadDataCommand(); }
void PresentationCommand() { RunPresentationCommand(); }
void PlotCommand() { RunPlotCommand(ShowSubstructureDialog); }

bool CorrectMissingGeometry(const std::string& message) {
  if (AskCorrectionBox(MainWindow, message, DialogResult) != kAnswerYes) return false;
  GeometryCommand();
  return true;
}

}  // namespace murelo
