// The data entry, load and results commands: the menus call these; the routines live in the
// data-entry and views libraries.
#include "app.h"
#include "trabix/core/loadedit.h"
#include "trabix/entry/entry.h"
#include "trabix/views/views.h"

namespace trabix {

void GeometryCommand() { GeometryCommand(MainWindow); }
void SupportCommand() { SupportCommand(MainWindow); }

// The case is chosen by the menu (entry mode); the load type dialog is shown and the load file
// rewritten. The per-kind load tables are not built yet: choosing a kind opens nothing.
void LoadDataCommand() {
  EditLoadData([] { ShowLoadTypeDialog(MainWindow, StructureTitle, [](int) {}); });
}

void PlotCommand() {
  ResultsCommand(MainWindow, StructureTitle, [] { return ShowLoadCases(2); });
}

}  // namespace trabix
