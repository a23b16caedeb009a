#pragma once
// Murelo's global tables: the retaining-wall job that a command or the solver reads from the job
// files and the data dialogs write back through the listings. A wall has two substructures, the
// base plate (1, nodes numbered from its toe) and the wall stem (2, nodes numbered from its
// bottom). Items, rows and columns are numbered from 1 (0 unused); tables are entry-major (row =
// element or node, column 0 its number, columns 1.. its values in the order of the job file).
#include <string>
#include <vector>

#include "core/globals.h"

namespace murelo {

// (substructure, item): 1 number of elements, 2 base-plate width or wall-stem height [m],
// 3 Young's modulus [kPa], 4 Poisson's ratio, 5 toe length [m] (base plate: from the toe to the
// stem's axis).
extern Table2D<double> GeneralData;
// Per element: column 1 width (extent along the substructure) [m], column 2 thickness [m].
extern Table2D<double> BasePlateElements;
extern Table2D<double> WallStemElements;
// 0 toe horizontally restrained, 1 unyielding supports, 2 elastic supports, 3 Winkler soil,
// 4 isotropic elastic half-space, 5 elastic nodal restraints of the stem ("Y"/"N"); 6 kept for
// the support check; half-space texts 7 Young's modulus, 8 Poisson's ratio, 10 yield stress.
extern std::vector<std::string> SupportFlags;
// Base-plate node numbers of the unyielding supports, separated by commas.
extern std::string UnyieldingNodes;
// Per base-plate node: 1 vertical spring constant [kN/m/m], 2 rotational [kN*m/rad/m].
extern Table2D<double> ElasticSupportTable;
// Per base-plate element: 1, 2 subgrade modulus at i and j [kPa/m], 3, 4 yield stress at i and j [kPa].
extern Table2D<double> WinklerTable;
// Per stem node: 1 horizontal spring constant [kN/m/m], 2 rotational [kN*m/rad/m].
extern Table2D<double> StemRestraintTable;
// (substructure, item): 1 uniform load [kPa] (base plate vertical, stem horizontal), 2 mass
// density for the self weight [kg/m^3].
extern Table2D<double> LoadTable;
// Base plate: per element intensities at i and j [kPa] (down); per node downward force
// [kN/m] and clockwise moment [kN*m/m].
extern Table2D<double> PlateTrapezoidalLoads;
extern Table2D<double> PlateNodalLoads;
// Wall stem: per element horizontal intensities at i and j [kPa] (toward the toe) and vertical
// ones on its backfill surface [kPa] (down); per node outward (toward the toe) force, downward
// force [kN/m] and clockwise moment [kN*m/m].
extern Table2D<double> StemHorizontalLoads;
extern Table2D<double> StemVerticalLoads;
extern Table2D<double> StemNodalLoads;
// The current load case (at most 29 characters) and substructure ("BASE PLATE" or "WALL").
extern std::string LoadCaseName;
extern std::string CurrentSubstructure;

}  // namespace murelo
