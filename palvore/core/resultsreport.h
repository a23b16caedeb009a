#pragma once
// The results report of one load case of a pile or sheet pile, <job>.RB<c>: the user's report
// (the results document prints it) and the source of the response graphs, which parse its
// tables back.
#include <string>

#include "core/reporttext.h"
#include "core/textfiles.h"
#include "palvore/core/model.h"

namespace palvore {

// Builds the report's lines (1..count) and writes them to the file, replacing an older report.
//  kind           soil status (SoilKind)
//  displacements  freedom 2i-1 the translation of node i [m], 2i its rotation [rad]
//  pressures      half-space: one per node 1..nN and the total at nN + 1; Winkler: entry 2e-1
//                 at node i and 2e at node j of element e, the total at 2 nN
//  count          nN + 1
//  depths         node distances from the top [m]
//  endForces      per element: shear i, moment i, shear j, moment j
//  soilEndForces  the soil's shares of the element end shears (used when kind is not NoSoil)
//  sheetPile      values per metre of wall
//  above          nA, the elements above the soil surface (a half-space's pressures then start
//                 from zero at node nA + 1)
// Returns false when the file cannot be written.
bool WriteResultsReport(int kind, const Vector& displacements, const Vector& pressures, int count, const Vector& depths,
                        const EndForceTable& endForces, const SoilEndForces& soilEndForces, bool sheetPile,
                        int above, const std::string& fileName, const std::string& header);
// The same lines without writing them; lineCount := their number.
TextLineArray ResultsReportLines(int kind, const Vector& displacements, const Vector& pressures, int count,
                                 const Vector& depths, const EndForceTable& endForces,
                                 const SoilEndForces& soilEndForces, bool sheetPile, int above,
                                 const std::string& header, int& lineCount);

}  // namespace palvore
