// The data entry, load, presentation and plot commands: the menus call these; their dialogs come
// with the data entry, the loads and the graphs.
#include "app.h"

namespace murelo {

bool GeometryCommand() { return false; }
void SupportCommand() {}
void LoadDataCommand() {}
void PresentationCommand() { RunPresentationCommand(); }
void PlotCommand() { RunPlotCommand(ShowSubstructureDialog); }

}  // namespace murelo
