#pragma once
// Trabix's pictures and graphs: the explanatory structure views beside the table windows and the
// results command with its structural action choice and response graphs. Win32 only (library
// trabix_views).
#include <windows.h>

#include <string>

#include "core/graphpoints.h"
#include "trabix/core/reportreader.h"
#include "win/dialogs.h"

namespace trabix {

// ----- structure views (structureview.cpp) -----
// The vertical positions at which a picture goes on below its legend.
struct LegendPlace {
  double numberY = 0;  // the row of the node numbers
  double labelY = 0;   // the row of the symbol's labels
};

// Opens a graphics window over `window` at left, top (pixels of its client area), width x height
// pixels, and draws once the explanatory picture `view` ("Geom", "Supp" or "Load"; any other
// name leaves the background and the beam axis) of the table whose kind word is `kindWord`
// ("UNYIELD", "ELASTIC", "WINKLER", "NODAL", "TRAPEZOIDAL", "TEMPERATURE"). Beam or strip and the
// symmetric half come from StructureFlags. The drawing (x 0..940, y 20..600) is fitted whole into
// the window. The window becomes the current graphics window; the table window closes it with
// GfxWindowEx(0, 1) after its dialog ends.
void DrawStructureView(HWND window, long left, long top, long width, long height, const std::string& view,
                       int scale, const std::string& kindWord);
// The parts of the pictures, drawn into the current graphics window.
void DrawBeamAxis();
void DrawGeometryIdealization(int scale);
void DrawSupports(int scale, const std::string& kindWord);
void DrawLoads(int scale, const std::string& kindWord);
// The heading and the node designations; position "TOP" or "BOTTOM" puts the node numbers above
// or below the axis.
LegendPlace DrawLegend(int scale, const std::string& heading, const std::string& position);

}  // namespace trabix

// ----- results command and response graphs (results.cpp) -----
#include <functional>

#include "graph/actiondialog.h"
#include "graph/graphwindow.h"

namespace trabix {

// The results command (menu command 666): the load case chosen by chooseLoadCase (the load-case
// dialog in its choice mode; 1 when a case was chosen, LoadCaseName set), the job's geometry,
// supports and loads read again, the main window's caption set and the structural action dialog
// shown until it is left. A cancelled case choice ends the command. structureTitle: "BEAM/STRIP".
void ResultsCommand(HWND mainWindow, const std::string& structureTitle, const std::function<int()>& chooseLoadCase);

// Trabix's texts of the shared "SELECTION OF STRUCTURAL ACTION" dialog (graph/actiondialog.h) for
// the current job and case; its plot button runs PlotResponseField.
ActionDialogProfile ActionProfile(const std::string& structureTitle);
// The graph of action k of the current case: its report read at the first plot of a showing
// ("Results File is Missing!" when there is none), its points, the graph window over owner.
// Returns the point count shown (0 when nothing was shown).
int PlotResponseField(HWND owner, int action);
// Forgets the report and the points kept, so the next plot reads the report again.
void ClearResultsMemory();
// The graph texts of the current job, case and structure.
GraphProfile GraphWindowProfile();
// Prints the graph picture as the print document "GraphBMP.DDC" (deleted first).
void PrintGraph(HWND owner, const std::string& bitmap);

}  // namespace trabix

// ----- loads command (loadtype.cpp) -----
namespace trabix {

// Ids of the load type dialog.
enum LoadTypeControl {
  kLoadTypeHeading = 120,
  kLoadTypeFrame = 99,  // around the load kinds
  kFirstLoadKind = 201,  // 201 uniform load and self weight, 202 nodal, 203 trapezoidal, 204 temperature
  kSymmetricLoads = 134,
  kAntisymmetricLoads = 135,
  kEnterLoadData = 131,  // "&ENTER / EDIT Load Data"
};

// The "SELECTION OF LOAD TYPE" dialog of the current job and case; the symmetry options only for
// the half of a symmetric structure.
DialogTemplate LoadTypeDialog(const std::string& structureTitle);
INT_PTR CALLBACK LoadTypeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
// Shows it modally over parent; "&ENTER / EDIT Load Data" (or Enter) runs entry with the chosen
// kind (1 uniform load and self weight, 2 nodal, 3 trapezoidal, 4 temperature) and then chooses
// the next kind.
int ShowLoadTypeDialog(HWND parent, const std::string& structureTitle, const std::function<void(int)>& entry);
// The loads command (menu command 308): the case chosen by chooseLoadCase, the load file read,
// the load type dialog with the program's entry windows, the load file rewritten.
void LoadCommand(HWND mainWindow, const std::string& structureTitle, const std::function<int()>& chooseLoadCase,
                 const std::function<void(int)>& entry);

}  // namespace trabix
