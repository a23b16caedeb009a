#pragma once
// Reading the results report <job>.RB<c> back for the response graphs: its force table and its
// displacement table become a work table, and one structural action of it becomes graph points.
//
// Report layout as read (lines numbered from 1): the force table's rows start on line 12 and end
// before the first line from line 13 on whose leading number reads as 0; the displacement table's
// rows start 5 lines below the first line after the force table that begins with "-", and end
// before the first line from the second row on that reads as 0. Every row is a node: its
// distance, then its values separated by blanks. The first and the last row of the force table
// leave the values of the missing element blank: the first row's numbers are the right-hand
// values, the last row's the left-hand ones, and the blank columns read 0.
#include <string>
#include <vector>

#include "core/graphpoints.h"
#include "core/textfiles.h"

namespace trabix {

// Work table columns. Force table, beam: 1 left shear, 2 right shear, 3 left moment, 4 right
// moment; strip: 1, 2 shears, 3, 4 width moments, 5, 6 length moments. Displacement table:
// 1 translation [mm], 2 slope [rad], 3 contact pressure [kPa] (with soil).
enum ResultsTableMode { ForceTable = 1, DisplacementTable = 2 };

// Parses table `mode` of the report lines 1..lineCount into table (rows from 1, column 0 the
// distance; every row cleared first) and returns its row count: 0 when the report has no such
// table (an empty, cut-off or foreign file).
int ParseResultsTable(const TextLineArray& lines, int lineCount, int mode, bool strip, ResultRows& table);

// The pair rule of the shearing forces: each row gives (distance, left value of column c) and
// (distance, right value of column c + 1), so a jump at a node, and the rise from 0 and the
// return to 0 at the ends, become two points at one abscissa. Returns 2 x rows.
int CopyOrdinatePairs(GraphPoints& points, const ResultRows& table, int rows, int column);

// One structural action of the results command: its option caption, its ordinate title and
// whether it is drawn with positive values downwards.
struct ResultsAction {
  std::string caption;
  std::string title;
  bool reversed = false;
};
// The actions offered, in the order of the option buttons (action k is element k - 1): beams 4,
// strips 5, one more (the contact pressure) with soil (a Winkler foundation or a half-space).
std::vector<ResultsAction> ResultsActions(bool strip, bool soil);
// Force actions read the force table; the others the displacement table.
bool IsForceAction(int action, bool strip);

// What the results command keeps between two plots of one showing of its action dialog: the
// action shown last, the table parsed last and the points. Clear it whenever the command starts,
// so that a case analysed again is read again.
struct ResultsGraph {
  int lastAction = 0;  // 0: nothing plotted yet (the report is still to be loaded)
  int heldTable = 0;   // the table in `table`: 0 none, else a ResultsTableMode
  ResultRows table;
  int rows = 0;
  GraphPoints points;
  int count = 0;
};
void ClearResultsGraph(ResultsGraph& graph);

// The points of action 1.. of the report lines (loaded by the caller when lastAction is 0):
// moments by the jump rule, shears by the pair rule then compacted, translations, slopes and
// pressures by the node rule then compacted. The other table is parsed only when the action
// needs it; the action shown last keeps its points. Returns the point count (also in
// graph.count); 0 for an action the report has no values for.
int ResultsActionPoints(ResultsGraph& graph, const TextLineArray& lines, int lineCount, int action, bool strip);

}  // namespace trabix
