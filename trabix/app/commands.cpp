// The data entry, load and results commands: the menus call these; the routines live in the
// data-entry and views libraries.
#include "app.h"
#include "trabix/core/loadedit.h"
#include "trabix/entry/entry.h"
#include "trabix/views/views.h"

namespace trabix {

void GeometryCommand() { GeometryCommand(MainWindow); }
void SupportCommand() { SupportDataCommand(MainWindow); }

// The case is chosen by the menu (entry mode); the load type dialog opens the load entry of the
// chosen kind, and the load file is rewritten.
void LoadDataCommand() {
  EditLoadData([] {
    ShowLoadTypeDialog(MainWindow, StructureTitle, [](int kind) { LoadDataDialogs(MainWindow, kind); });
  });
}

void PlotCommand() {
  ResultsCommand(MainWindow, StructureTitle, [] { return ShowLoadCases(2); });
}

}  // namespace trabix
