#pragma once
// Reading a pile's results report <job>.RB<c> back for the response graphs: the force table and
// the displacement table become a work table, and one structural action becomes the points of a
// graph along the pile (distance from the top against the value).
#include <string>
#include <vector>

#include "core/graphpoints.h"
#include "core/textfiles.h"

namespace palvore {

// Where the tables of a report end (lines from 1): p the line after the force rows (the first
// line from 12 on that reads as 0), r the rule of dashes before the displacement table (the first
// line from p on that starts with "-"), s the line after the displacement rows (the first line
// from r + 6 on that reads as 0). 0 where there is no such line.
struct ReportTablePlaces {
  int p = 0, r = 0, s = 0;
};
ReportTablePlaces FindReportTables(const TextLineArray& lines, int count);

// The force rows (lines 10..p-1) into table rows 1..: column 0 the depth, 1 the shear above the
// node, 2 the shear below, 3 the moment above, 4 the moment below (the top and the last node,
// which carry only the values of their one element, moved into place). Returns the rows.
int ReadForceTable(const TextLineArray& lines, int count, ResultRows& table);
// The displacement rows (lines r+5..s-1): depth, translation [mm], slope [rad], contact pressure
// [kPa]. Returns the rows.
int ReadDisplacementTable(const TextLineArray& lines, int count, ResultRows& table);

// The five actions: 1 bending moments, 2 shearing forces (the force table), 3 translations,
// 4 slopes, 5 contact pressures (the displacement table).
struct PileAction {
  std::string caption, pileTitle, sheetTitle;
};
const std::vector<PileAction>& PileActions();
// Action 5 is offered only with soil (Winkler or half-space).
int ActionCount(bool soil);
std::string OrdinateTitle(int action, bool sheetPile);

// What the plot command keeps between two plots of one showing of its action dialog: the action
// shown last, the table read last (1 forces, 2 displacements, 0 none) and the points.
struct ResponseGraph {
  int lastAction = 0;
  int heldTable = 0;
  ResultRows table;
  int rows = 0;
  GraphPoints points;
  int count = 0;
};

// The points of `action` from the report lines: moments by the jump rule, shears at the element
// ends then compacted, the displacement columns node by node then compacted; for actions 1, 2 and
// 5 the point nA + 1 (the soil surface) doubled when nA > 0. The other table is read only when
// the action needs it; the action shown last keeps its points. Returns the point count; 0 (and
// nothing kept) when the table has fewer than 2 rows: the report is missing or damaged.
int ResponseSeries(ResponseGraph& graph, const TextLineArray& lines, int count, int action, int elements, int above);

}  // namespace palvore
