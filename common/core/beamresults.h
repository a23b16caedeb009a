#pragma once
// The two tables of a beam or strip results report (<job>.RB<c>), as both programs' solvers
// write it and their graph readers read it back.
//
// Layout as read (lines numbered from 1): the force table's rows start on line 12 and end before
// the first line, from a given line on, whose leading number reads as 0 (Trabix's reports search
// from line 13, Corvane's from line 14), or at the end of the file; the displacement table's
// rows start 5 lines below the first line after the force table that begins with "-", and end
// before the first zero line after its first row. Every row is a node: its distance, then its
// values separated by blanks. The first and the last row of the force table carry the values of
// their one element only: the first row's numbers are the right-hand values, the last row's the
// left-hand ones, and the other columns read 0.
#include "core/graphpoints.h"
#include "core/textfiles.h"

// Work table columns. Force table, beam: 1 left shear, 2 right shear, 3 left moment, 4 right
// moment; strip: 1, 2 shears, 3, 4 width moments, 5, 6 length moments. Displacement table:
// 1 translation [mm], 2 slope [rad], 3 contact pressure [kPa] (with soil).
enum ResultsTableMode { ForceTable = 1, DisplacementTable = 2 };

// Parses table `mode` of the report lines 1..lineCount into table (rows from 1, column 0 the
// distance; the table is cleared first) and returns its row count: 0 when the report has no such
// table (an empty or cut-off file, a force table without rows, no dash line before the
// displacement table). forceEndFrom is the first line the search for the force table's end
// looks at.
int ParseBeamResultsTable(const TextLineArray& lines, int lineCount, int mode, bool strip, int forceEndFrom,
                          ResultRows& table);

// The first line of from..last that begins with "-"; last + 1 when there is none.
int FirstDashLine(const TextLineArray& lines, int from, int last);
