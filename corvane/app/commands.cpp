// The commands of the data entry, the analysis, the presentation, the plotting and save-as.
#include "corvane/app/app.h"

#include "corvane/core/checks.h"
#include "corvane/core/geometryfile.h"
#include "corvane/entry/entry.h"
#include "corvane/run/run.h"
#include "corvane/views/views.h"

namespace corvane {

void InstallEntryPorts() {
  InstallRunPorts();
  UseCorvaneGrid();
  UseGeometryEntry();
  UseSupportEntry();
  UseLoadEntry();
  // A Yes to a geometry correction runs the geometry command; its data are read again when it
  // saved any.
  GeometryCorrectionHooks.edit = [] { return EnterGeometry(MainWindow); };
  // The schematic view beside every table window.
  StructureViewHooks.draw = OpenStructureView;
  StructureViewHooks.close = CloseStructureView;
  // The graphs of the substructure chosen, over the main window.
  TankActions.plots = [](HWND) { ShowStructuralActions(MainWindow); };
  CheckHooks.editGeometry = GeometryCorrectionHooks.edit;
}

void GeometryCommand() { EnterGeometry(MainWindow); }
void SupportCommand() { SupportDataCommand(MainWindow); }
// The case is chosen by the menu or the check's offer (the load-case list in its entry mode);
// the load type choice (a tank's through its substructure choice) and the load file rewritten.
void LoadDataCommand() { EditLoadData(MainWindow); }
void AnalysisCommand() {
  if (!NeedJob()) return;
  // What a Yes to a correction offer opens; the geometry dialogs come with the data entry.
  CheckHooks.editSupports = SupportCommand;
  CheckHooks.editLoadCases = [] {
    if (ShowLoadCases(1) == 1) LoadDataCommand();
  };
  RunAnalysisCommand(MainWindow, [] { return ShowLoadCases(2); });
}
void PresentationCommand() {
  if (NeedJob()) RunPresentationCommand(MainWindow, [] { return ShowLoadCases(2); });
}
void TankPlotChoice() { RunTankSubstructureChoice(MainWindow, 4); }
void PlotCommand() {
  if (!NeedJob()) return;
  RunPlotCommand(MainWindow, [] { return ShowLoadCases(2); }, TankPlotChoice);
}
void SaveJobAsCommand() {
  if (NeedJob()) RunSaveJobAsCommand(ShowJobDialog);
}

}  // namespace corvane
