// The commands whose routines come with the data entry, the load and structure views, the
// response graphs and the documents. The menus already send them; until then they do nothing.
#include "app.h"

namespace trabix {

void GeometryCommand() {}
void SupportCommand() {}
void LoadDataCommand() {}
void PlotCommand() {}
void PresentationCommand() {}

}  // namespace trabix
