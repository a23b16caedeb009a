#pragma once
// Palvore's explanatory structure views beside its data tables: a schematic pile or sheet pile
// standing in the soil with its nodes, and the symbol of the table's kind at node i or element i.
// They are fixed drawings; only the kind of structure changes their words.
#include <windows.h>

#include <string>

namespace palvore {

// Opens the view on window at the rectangle (pixels) and draws it: view "Geom" the geometry
// idealisation, "Supp" the supports of table kind "UNYIELD", "ELASTIC" or another (the Winkler
// soil), "Load" the loads of "TRAPEZOIDAL" or another (nodal loads); any other view only the
// schematic. The size code (1 or 2) is the screen's class and changes nothing drawn.
void DrawStructureView(HWND window, long left, long top, long width, long height, const std::string& view,
                       int sizeCode, const std::string& kindWord);

}  // namespace palvore
