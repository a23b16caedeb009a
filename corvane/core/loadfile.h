#pragma once
// The load file <job>.LD<c> of one load case (<c> the first character of the trimmed case name):
// the labelled values of LoadTable and the load tables. ListLoads writes the lines without the
// table rows, ListLoadRows the rows; ReadLoadData reads the labelled values back and finds where
// each table's rows begin.
//
// LoadTable (group, item): 1 beam/strip, circular plate or base plate: 1 uniform load, 2 mass
// density; 2 wall and 3 roof: the same; 4 hydrostatic: 1 liquid density, 2 depth of liquid;
// 5 central point load: 1 plate or base plate, 2 roof; 6 plate or base plate strains: 1 top,
// 2 bottom fibres; 7 wall strains: bottom inner, bottom outer, top inner, top outer fibres; 8 roof
// strains: top, bottom; 9 plate or base plate temperature changes: above, below; 10 wall
// temperature changes: bottom inside, bottom outside, top inside, top outside; 12 roof
// temperature changes: above, below.
#include <string>

#include "core/jobnames.h"

#include "core/tablereader.h"
#include "core/textfiles.h"
#include "corvane/core/globals.h"

namespace corvane {

using ::LoadHeader;  // "Job: <job> // LOADS (<case>)"
using ::LoadFileName;  // <job>.LD<c>

// Fills lines 1.. (line 1 the header) except the table rows. The six row counts: in the rows of
// the nodal and trapezoidal tables of substructure 1, the wall's nodal table, the wall's
// trapezoidal table (for a beam/strip: the temperature table), the roof's nodal table and the
// roof's element loads (0 = the table is left out); out the line of each table's first row (0 when
// left out). A shell roof lists its element loads by the five kinds of RoofKindStarts (in: rows of
// each kind, out: first row lines; the roof element argument is then ignored on entry and returns
// the first row line of the first kind listed). count := the last line (the END line). Also reads
// JobDataTable (elements of substructures 1 and 3) and GeometryAnswers 4 (shell roof).
void ListLoads(TextLineArray& lines, int& count, int& nodalRows, int& trapezoidalRows, int& wallNodalRows,
               int& wallTrapezoidalRows, int& roofNodalRows, int& roofElementRows, int type, const std::string& header);
// Rows 1..rows of a load table onto lines first.., its number (column 0) and 2 or 3 values.
void ListLoadRows(TextLineArray& lines, int lineCount, const Table2D<float>& table, int rows, int first, int values);

// Reads the labelled values of a loaded load file (lines 1..n) into LoadTable and returns the
// first row line of each table (0 when absent); for a shell roof also RoofKindStarts. The tank's
// wall and roof title lines are returned too (0 when absent).
void ReadLoadData(const TextLineArray& lines, int n, int& trapezoidalStart, int& nodalStart,
                  int& wallTrapezoidalStart, int& wallNodalStart, int& roofElementStart, int& roofNodalStart,
                  int type, int roofElements, int& wallTitle, int& roofTitle);

// Fills the trapezoidal load table's cells (CellTexts columns 2 and 3) of the elements between
// nodes FieldTexts 1 and 2 with a load varying linearly from FieldTexts 3 to FieldTexts 4 along
// the element widths of the current substructure (read from the geometry file). An invalid node
// range, missing geometry or element widths that add up to 0 or less fill nothing.
void LinearLoadBetweenNodes();

// The load command's work on the files (the dialogs come between them):
// Dimensions the load work tables of structure type s for NB, NW and NR elements, rows numbered.
void SizeLoadTables(int s, int nb, int nw, int nr);
// Empties LoadTable and the load work tables: what a case holds is read from its own file, never
// kept from the case or job before.
void ClearLoadWork();
// Reads JobSpec's load file of LoadCaseName into LoadTable and the work tables (a missing file or
// one of at most 2 lines reads nothing) and moves the axis point loads into row 1 of the nodal
// tables (circular plate with inner radius below 0.0001, the tank's base plate always, its roof
// when its inner radius is below 0.0001).
void ReadLoadFile(int s);
// The form of a load file of structure type s (core/tablereader.h) for the geometry last read.
DataFileForm LoadFileForm(int s);
// Moves the axis point loads back, compacts every table and rewrites the load file whole.
// Returns false when the file could not be written.
bool SaveLoadFile(int s);

}  // namespace corvane
