#pragma once
// The results report of one load case, <job>.RB<c>: the user's report (the results document
// prints it) and the source of the response graphs, which parse its tables back.
#include <string>

#include "core/reporttext.h"
#include "core/textfiles.h"
#include "trabix/core/elementterms.h"
#include "trabix/core/soilmodels.h"

namespace trabix {

// Builds the report's lines (1..count) and writes them to the file, replacing an older report.
//  kind           soil kind (SoilKind)
//  displacements  freedom 2i-1 the translation of node i [m], 2i its rotation [rad]
//  pressures      contact pressures [kPa]: half-space one per node and the total reaction at
//                 n + 1; Winkler node 1 at 1, node i > 1 at 2i-2 (left) and 2i-1 (right), the
//                 total at 2n
//  nodes          n, the number of nodes
//  abscissae      node distances from the left edge [m]
//  endForces      per element: shear i, moment i, shear j, moment j (strip: length-direction
//                 moments at i and j in columns 5 and 6)
//  soilEndForces  soil forces at the element ends (used when kind is not NoSoil)
//  strip          the job is a strip (else a beam)
// Returns false when the file cannot be written.
bool WriteResultsReport(int kind, const Vector& displacements, const Vector& pressures, int nodes, const Vector& abscissae,
                        const EndForceTable& endForces, const SoilEndForces& soilEndForces, bool strip,
                        const std::string& fileName, const std::string& header);
// The same lines without writing them.
TextLineArray ResultsReportLines(int kind, const Vector& displacements, const Vector& pressures, int nodes,
                                 const Vector& abscissae, const EndForceTable& endForces,
                                 const SoilEndForces& soilEndForces, bool strip, const std::string& header, int& count);

// The suite's report opening (core/reporttext.h); Corvane's plate results open alike.
using ::AddReportOpening;

}  // namespace trabix
