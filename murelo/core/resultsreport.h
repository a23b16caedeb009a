#pragma once
// The results report of one load case, <job>.RB<c>: first the base-plate section (which creates
// the file), then the wall-stem section (appended). The results document prints it and the
// response graphs find each section by its name line and read the rows below it.
#include <string>

#include "core/beamkernel.h"
#include "core/globals.h"
#include "core/textfiles.h"

namespace murelo {

using beamkernel::EndForceTable;
using beamkernel::Vector;

// The lines of one section.
//  soilKind       0 no soil columns, 1 elastic half-space, 2 Winkler soil (the stem always 0)
//  forces         per element: shear i, moment i, shear j, moment j, axial i, axial j; a row at an
//                 element's end i prints columns 1, 5, 2, at its end j columns 3, 6 and -4
//  displacements  per node: 1 rotation [rad], 2 and 3 translations [m] (base plate vertical and
//                 horizontal, stem horizontal), printed in mm
//  pressures      per base-plate node [kPa] (soil kinds 1 and 2)
//  total          total soil reaction [kN/m]
//  widths         element widths 1..nodes-1, for the node distances
//  name           "BASE PLATE" (the section that begins the file) or "WALL STEM"
TextLineArray SubstructureResultLines(int soilKind, const EndForceTable& forces, const Table2D<double>& displacements,
                                      const Vector& pressures, double total, const Vector& widths, int nodes,
                                      const std::string& header, const std::string& name);
// Writes the section: "BASE PLATE" replaces the file, any other section is appended to it.
// False when the file cannot be written.
bool WriteSubstructureResults(int soilKind, const EndForceTable& forces, const Table2D<double>& displacements,
                              const Vector& pressures, double total, const Vector& widths, int nodes,
                              const std::string& fileName, const std::string& header, const std::string& name);

}  // namespace murelo
