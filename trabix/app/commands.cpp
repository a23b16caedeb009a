// The commands whose routines come with the data entry, the load and structure views and the
// response graphs. The menus already send them; until then they do nothing.
#include "app.h"

namespace trabix {

void GeometryCommand() {}
void SupportCommand() {}
void LoadDataCommand() {}
void PlotCommand() {}

}  // namespace trabix
