#pragma once
// Palvore's global tables: the job data that every command fills from the job files when it
// starts and writes back through the listings. Rows are numbered from 1 (0 unused); tables are
// entry-major (row = element or node, column 0 its number, columns 1.. its values in the order
// of the job file).
#include <string>
#include <vector>

#include "core/globals.h"

namespace palvore {

// The geometry and material file.
struct PileGeometry {
  double elements = 0;   // number of elements nE as written
  double length = 0;     // total length [m]
  double modulus = 0;    // Young's modulus E [kPa]
  double above = 0;      // number of elements above the soil surface nA
  double poisson = 0;    // Poisson's ratio
  bool sheetPile = false;
  std::string kind;      // "Sheet-Pile" or "Pile" as read; the dialogs set "SHEET-PILE" or "PILE"
  // Per element: pile 1 length L [m], 2 width B [m], 3 inertia I [m^4]; sheet pile 1 length,
  // 2 inertia [m^4/m].
  Table2D<double> rows;
};

// The support file.
struct PileSupports {
  // 1 top edge fixed against rotation, 2 unyielding nodal supports, 3 elastic nodal supports,
  // 4 Winkler soil, 5 isotropic elastic half-space ("Y"/"N"); half-space values as texts:
  // 8 modulus E, 9 Poisson's ratio, 10 yield stress.
  std::vector<std::string> flags = std::vector<std::string>(11);
  std::string unyieldingNodes;  // node numbers separated by commas
  Table2D<double> springs;      // per node: 1 horizontal [kN/m], 2 rotational [kN*m/rad]
  Table2D<double> soil;         // per element: k at i and j [kPa/m], yield stress at i and j [kPa]
};

// The load file of one case.
struct PileLoads {
  Table2D<double> trapezoidal;  // per element: intensity at node i and at node j, rightward
  Table2D<double> nodal;        // per node: rightward force, clockwise moment
};

extern PileGeometry Geometry;
extern PileSupports Supports;
extern PileLoads Loads;
// The current load case (at most 29 characters).
extern std::string LoadCaseName;
// 1 elastic-plastic analysis, 0 elastic.
extern int YieldAnalysis;

}  // namespace palvore
