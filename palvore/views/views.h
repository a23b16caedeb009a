#pragma once
// Palvore's explanatory structure views beside its data tables: a schematic pile or sheet pile
// standing in the soil with its nodes, and the symbol of the table's kind at node i or element i.
// They are fixed drawings; only the kind of structure changes their words. And the plot command:
// the response graphs of a load case in the shared action dialog and graph window.
#include <windows.h>

#include <functional>
#include <string>

#include "core/correction.h"
#include "graph/actiondialog.h"
#include "graph/graphwindow.h"

namespace palvore {

// Opens the view on window at the rectangle (pixels) and draws it: view "Geom" the geometry
// idealisation, "Supp" the supports of table kind "UNYIELD", "ELASTIC" or another (the Winkler
// soil), "Load" the loads of "TRAPEZOIDAL" or another (nodal loads); any other view only the
// schematic. The size code (1 or 2) is the screen's class and changes nothing drawn.
void DrawStructureView(HWND window, long left, long top, long width, long height, const std::string& view,
                       int sizeCode, const std::string& kindWord);

// "Results File is Missing! Analyse the Structure!"
extern const char* const kMissingResultsText;

// Palvore's graphs for the current job, case and geometry: the heading "Pile" or "Sheet-Pile",
// "Distance from Top [m]", the ordinate titles per pile or per metre, moments drawn reversed.
GraphProfile GraphWindowProfile();
// The action dialog: the four actions, the contact pressure fifth with soil (Supports).
ActionDialogProfile ActionProfile();
// Plots action 1..5 of the current case over owner: the report read at the first plot of the
// dialog, the series built and shown in the graph window. Without a report (or with a table of
// fewer than 2 rows) the four tones and "Results File is Missing! Analyse the Structure!"; no
// graph. Returns the point count shown, 0 for none.
int PlotResponseField(HWND owner, int action);
// Menu command 666: chooseLoadCase (the load-case dialog in its choice mode; 1 when chosen), the
// main window's caption, the job read (geometry through the correction hooks, supports, loads),
// then the action dialog until "&CANCEL".
void PlotCommand(HWND mainWindow, const std::function<int()>& chooseLoadCase, const CorrectionHooks& hooks = {});

}  // namespace palvore
