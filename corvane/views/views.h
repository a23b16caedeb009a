#pragma once
// Corvane's pictures and graphs: the schematic structure views beside the data table windows,
// and the plot command with its structural action choice and response graphs of the outside
// solver's results (the reading of the results is portable: corvane/core/results.h). Win32 only
// (library corvane_views).
#include <windows.h>

#include <functional>
#include <string>

#include "corvane/core/results.h"
#include "graph/actiondialog.h"
#include "graph/graphwindow.h"

namespace corvane {

// ----- structure views (structureview.cpp) -----
// Opens graphics window 0 over `window` at left, top (pixels of its client area), width x height
// pixels and draws once the schematic picture `view` ("Geom", "Supp" or "Load"; any other name
// leaves the structure line alone) of the current StructureType and Substructure, for the kind of
// the table being edited (TableViewKind: "GEOMETRY", "UNYIELD", "ELASTIC", "WINKLER",
// "TRAPEZOIDAL", "NODAL" or "TEMPERATURE"; a shell roof's element loads of type "3".."7" have
// their type as the kind, or "TRAPEZOIDAL" with the type in GeometryAnswers 6). The picture is
// fixed: it shows no data values. The table window closes it with GfxWindowEx(0, 1) after its
// dialog ends. sizeMode 1 on a wide screen, 2 on a narrow one.
void DrawStructureView(HWND& window, long left, long top, long width, long height, const std::string& view,
                       int sizeMode);
// The view beside a table window (the forms' StructureViewHooks): the window grows to make room
// for it right of the table; closed when the window has ended.
void OpenStructureView(HWND table, const std::string& view);
void CloseStructureView();
// The size of the view beside a table window whose right edge is at `left` (screen pixels):
// 610 x 305 on a screen at least 1024 pixels wide (size mode 1), else 470 x 235 (mode 2), the
// width narrowed to end at the screen's right edge, as high as wide for a tank.
void StructureViewSize(long left, long& width, long& height, int& sizeMode);
// The parts of the picture, drawn into the current graphics window: the structure line with its
// nodes (and for all but a beam or strip the axis of symmetry); the heading and node labels
// (position "TOP" or "BOTTOM" puts the numbers above or below the base line at y baseLine);
// the three views.
void DrawCentreMarks();
void DrawLegend(const std::string& heading, const std::string& position, double baseLine);
void DrawGeometryIdealization(int sizeMode);
void DrawSupports(int sizeMode);
void DrawLoads(int sizeMode);

// ----- plot command and response graphs (results.cpp) -----
// Command 7666: the load case chosen by chooseLoadCase (the load-case dialog in its choice mode,
// LoadCaseName set; 1 when a case was chosen), the main window's caption, the job's geometry,
// supports and loads read again (a missing geometry is reported by its reader and ends the
// command); then for a tank chooseSubstructure (the tank substructure choice in its plot mode,
// which shows ShowStructuralActions for each substructure chosen), else the action dialog.
void RunPlotCommand(HWND mainWindow, const std::function<int()>& chooseLoadCase,
                    const std::function<void()>& chooseSubstructure);
// The action dialog of the current structure, substructure and case over parent, GraphState
// entries 0 to 3 cleared first; the result file is read at its first plot. Returns its end value.
int ShowStructuralActions(HWND parent);
// Corvane's texts of the shared action dialog and graph window for the current job and case.
ActionDialogProfile ActionProfile(const ActionTable& actions);
GraphProfile GraphWindowProfile(const ActionTable& actions);
// The graph of action k over owner: "Results File is Missing! Analyse the Structure!" when the
// case's result file, or the table the action needs, is missing. Returns the points shown (0
// when nothing was shown).
int PlotResponseField(HWND owner, int action);
// Prints the graph picture (mode 1, no document file).
void PrintGraph(HWND owner, const std::string& bitmap);

}  // namespace corvane
