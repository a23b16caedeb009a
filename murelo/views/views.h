#pragma once
// Murelo's explanatory structure views beside its data tables: a schematic retaining wall (the
// base plate lying, the wall stem standing on it, the backfill behind the stem) with the nodes of
// the substructure being edited and the symbol of the table's kind at one sample element or node.
// They are fixed drawings; the substructure and the table's kind word choose their words
// (StructureViewChoice, murelo/core/dataentry.h).
#include <windows.h>

#include <string>

namespace murelo {

// Opens the view on window at the rectangle (pixels) and draws it: view "Geom" the geometry
// idealisation, "Supp" the supports of table kind "UNYIELD", "ELASTIC" or another (the Winkler
// foundation), "Load" the loads of "TRAPEZOIDAL", "NODAL" or another kind, for CurrentSubstructure.
// The size code (1 or 2) is the screen's class and changes nothing drawn.
void DrawStructureView(HWND window, long left, long top, long width, long height, const std::string& view,
                       int sizeCode, const std::string& kindWord);

}  // namespace murelo
