// The data entry, load, graph and document commands over the main window: the menus call these.
#include "app.h"
#include "palvore/entry/entry.h"
#include "palvore/views/views.h"
#include "win/analysiscommand.h"

namespace palvore {

namespace {

// A missing geometry found by the graphs is offered for correction as the job check offers it.
CorrectionHooks GeometryHooks() {
  CorrectionHooks hooks;
  hooks.askCorrection = [](const std::string& message) { return AskCorrectionBox(MainWindow, message, DialogAnswer); };
  hooks.editGeometry = [] { return GeometryCommand(MainWindow); };
  return hooks;
}

}  // namespace

void GeometryCommand() { GeometryCommand(MainWindow); }
void SupportCommand() { SupportDataCommand(MainWindow); }
void LoadDataCommand() { LoadDataCommand(MainWindow); }
void PlotCommand() { PlotCommand(MainWindow, [] { return ShowLoadCases(2); }, GeometryHooks()); }

}  // namespace palvore
