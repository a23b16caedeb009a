// The data entry, graph and document commands: the menus call these; their dialogs come with
// the data entry and the graphs. Until then they do nothing.
#include "app.h"

namespace palvore {

void GeometryCommand() {}
void SupportCommand() {}
void LoadDataCommand() {}
void PlotCommand() {}
void PresentationCommand() {}

}  // namespace palvore
