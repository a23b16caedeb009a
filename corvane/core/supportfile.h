#pragma once
// The support file <job>.SUP: edge fixity answers, unyielding supports, elastic supports,
// Winkler foundation, elastic half-space and, for a tank, the wall and roof constraints.
// ListSupports writes the lines without the table rows, ListSupportRows the rows;
// LoadSupportFile reads the file back (with the geometry) through ReadSupportData.
//
// SupportFlags items:
//   beam/strip and circular plate: 1 left (inner, or the only) edge fixed, 2 unyielding supports,
//     3 elastic supports, 4 Winkler foundation, 5 isotropic half-space, 6 cross-anisotropic
//     half-space, 7 right (outer) edge fixed: "Y"/"N"; half-space values as texts 8 E or Ev,
//     9 Nu or Eh, 10 Gv, 11 NUh, 12 NUv;
//   tank: 1..6 as above for the base plate, 7 Winkler soil around the wall, 8 elastic nodal
//     restraints of the wall, 9 base plate-wall connection "M"/"H"/"S", 10 junction at the plate
//     middle plane, 11 roof-wall connection "M"/"H"/"S" (without a roof: top wall edge fixed
//     "Y"/"N"), 12 junction at the roof middle surface, 13 roof (outer) edge fixed, 14 roof inner
//     edge fixed; base plate half-space values 15..19.
#include <string>

#include "core/jobnames.h"
#include <vector>

#include "core/tablereader.h"
#include "core/textfiles.h"
#include "corvane/core/globals.h"

namespace corvane {

using ::SupportHeader;  // "Job: <job> // SUPPORTS"

// Fills lines 1.. (line 1 the header) except the table rows. The four row counts: in the rows of
// the elastic-support, Winkler, wall restraint and wall Winkler tables, out the line of each
// table's first row (0 when its section is left out). count := the last line (the END line).
// Also reads JobDataTable (element counts, the plate's and the roof's inner radius) and
// Substructure ("BEAM" selects the beam's spring units).
void ListSupports(const std::vector<std::string>& answers, TextLineArray& lines, int& count, int type, int& elasticRows,
                  int& winklerRows, int& wallRestraintRows, int& wallWinklerRows, const std::string& header,
                  const std::string& unyieldingNodes);
// Rows of a support table onto lines first..last (row r = line - first + 1): its number (column
// 0) and one or two values.
void ListSupportRows(TextLineArray& lines, int lineCount, const Table2D<float>& table, int values, int first, int last);

// Reads a loaded support file (lines 1..n) into the answers and the unyielding list and returns
// the first row line of each table (0 when its section is absent) and the lines of "WALL
// CYLINDER CONSTRAINT DATA" and "ROOF CONSTRAINT DATA" (0 when absent). An answer that is
// absent reads "N"; an unyielding list with anything but blanks, commas and digits reads as none.
void ReadSupportData(std::vector<std::string>& answers, const TextLineArray& lines, int n, int type, int& elasticStart,
                     int& winklerStart, int& wallRestraintStart, int& wallWinklerStart, const std::string& job,
                     std::string& unyieldingNodes, int& wallTitle, int& roofTitle);

// Every answer of the type "N", every value text and the unyielding list empty.
void ClearSupportFlags(int type);

// Loads the geometry of JobSpec (no element table); when it is present returns the numbers of
// elements of substructures 1..3, sizes the four support work tables after them (numbered rows,
// all values 0) and reads <job>.SUP into SupportFlags, UnyieldingNodes and the tables (a missing
// file: all answers "N"). success is 0 when the geometry is missing.
void LoadSupportFile(int type, int& elements1, int& elements2, int& elements3, int unused, int& success);

// The form of the support file of structure type `type` (core/tablereader.h) for the geometry
// last read, and the name of its data in the message of a damaged file.
DataFileForm SupportFileForm(int type);
std::string SupportDataName(int type);

// Rewrites JobSpec + ".SUP" whole: the support tables are compacted (a table left without rows
// turns its answer to "N"), then listed with SupportFlags and UnyieldingNodes. Returns false when
// the file could not be written.
bool SaveSupportFile(int type);

}  // namespace corvane
