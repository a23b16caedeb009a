// The data entry, graph and document commands: the menus call these. The loads, graph and
// document commands' dialogs come with the loads and graphs; until then they do nothing.
#include "app.h"
#include "palvore/entry/entry.h"

namespace palvore {

void GeometryCommand() { GeometryCommand(MainWindow); }
void SupportCommand() { SupportDataCommand(MainWindow); }
void LoadDataCommand() {}
void PlotCommand() {}
void PresentationCommand() {}

}  // namespace palvore
