#pragma once
// Trabix's global tables: the job data that every command fills from the job files when it
// starts and writes back through the listings. Items and rows are numbered from 1 (0 unused);
// tables are entry-major (row = element or node, column 0 its number, columns 1.. its values
// in the order of the job file).
#include <string>
#include <vector>

#include "core/globals.h"

namespace trabix {

// 1 beam length or strip width [m] (of the modelled half for a symmetric job), 2 number of
// elements, 3 Young's modulus [kPa], 4 Poisson's ratio, 5 coefficient of thermal expansion.
extern std::vector<double> GeometryValues;
// 1 "Y" strip, else beam; 4 "Y" the job is the left half of a symmetric structure; 5 "S"
// symmetric loads, otherwise antisymmetric (only for a symmetric half).
extern std::vector<std::string> StructureFlags;
// Per element: column 1 length [m]; beam: 2 width, 3 thickness [m]; strip: 2 thickness [m].
extern Table2D<double> ElementTable;
// 1 left edge fixed against rotation, 2 unyielding supports, 3 elastic nodal supports,
// 4 Winkler foundation, 5 isotropic half-space, 6 cross-anisotropic half-space, 7 right edge
// fixed against rotation ("Y"/"N"); half-space values as texts: isotropic 8 E, 9 Nu, 10 yield
// stress; cross-anisotropic 8 Ev, 9 Eh, 10 Gv, 11 NUh, 12 NUv, 13 vertical yield stress.
extern std::vector<std::string> SupportFlags;
// Node numbers of the unyielding supports separated by commas.
extern std::string UnyieldingNodes;
// Per node: 1 vertical spring constant, 2 rotational spring constant.
extern Table2D<double> SpringTable;
// Per element: subgrade modulus at node i and at node j [kPa/m], yield stress at i and j [kPa].
extern Table2D<double> SoilTable;
// 1 uniform load [kN/m], 2 mass density for the self weight [kg/m^3].
extern std::vector<double> LoadValues;
// Per node: downward force [kN], clockwise moment [kN*m].
extern Table2D<double> NodalLoadTable;
// Per element: trapezoidal load intensity at node i and at node j [kN/m], downward positive.
extern Table2D<double> LoadTable;
// Per element: temperature change above and below the element [degrees Celsius].
extern Table2D<double> TemperatureTable;
// The current load case (at most 29 characters).
extern std::string LoadCaseName;
// 1 elastic-plastic analysis, 0 elastic.
extern int YieldAnalysis;

}  // namespace trabix
