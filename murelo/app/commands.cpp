// The data entry and plot commands: the menus call these. The plots come with the graphs; the
// load and presentation commands are in loads.cpp and documents.cpp.
#include "app.h"
#include "murelo/core/jobfiles.h"
#include "murelo/entry/entry.h"
#include "core/correction.h"
#include "win/analysiscommand.h"

namespace murelo {

bool GeometryCommand() { return GeometryCommand(MainWindow); }
void SupportCommand() { SupportDataCommand(MainWindow); }
void PlotCommand() { RunPlotCommand(ShowSubstructureDialog); }

bool CorrectMissingGeometry(const std::string& message) {
  if (AskCorrectionBox(MainWindow, message, DialogAnswer) != kAnswerYes) return false;
  GeometryCommand();
  return true;
}

}  // namespace murelo
