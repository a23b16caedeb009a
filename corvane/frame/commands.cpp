// The commands whose routines come with the data entry, the analysis, the presentation, the
// plotting and save-as. The menus already send them; until their routines land they do nothing.
#include "corvane/frame/frame.h"

namespace corvane {

void GeometryCommand() {}
void SupportCommand() {}
void LoadDataCommand() {}
void AnalysisCommand() {}
void PresentationCommand() {}
void PlotCommand() {}
void SaveJobAsCommand() {}

}  // namespace corvane
