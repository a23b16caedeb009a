#pragma once
// Reading the results report <job>.RB<c> back for the response graphs: its force table and its
// displacement table become a work table, and one structural action of it becomes graph points.
//
// The report's layout is the shared one of core/beamresults.h; the force table's end is searched
// from line 13 on.
#include <string>
#include <vector>

#include "core/beamresults.h"
#include "core/graphpoints.h"
#include "core/textfiles.h"

namespace trabix {

// ParseBeamResultsTable of Trabix's reports (ResultsTableMode `mode`): 0 rows when the report has
// no such table (an empty, cut-off or foreign file).
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
