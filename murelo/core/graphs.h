#pragma once
// Murelo's response graphs as the results report gives them: the structural actions of the base
// plate and the wall stem, the two tables of each substructure's section of <job>.RB<c> and the
// graph points of one action. The machinery (points, axis, window) is the shared one of
// core/graphpoints.h, core/graphscale.h and graph/.
//
// The report (murelo/core/resultsreport.h), lines numbered from 1; a zero line is one whose
// leading number reads as 0 (an empty or text line):
//   base plate: table 1 (distance, shear, axial force, moment) from line 12 to before the first
//     zero line E1 from line 13 on; table 2 (distance, rotation, vertical and horizontal
//     translation [, contact pressure]) from E1 + 10 to before the first zero line from E1 + 11;
//   wall stem: W the line "WALL STEM" from line 12 on; table 1 from W + 5 to before the first zero
//     line from W + 6; table 2 (distance, rotation, horizontal translation) from 5 lines below the
//     first dash line D from the end of table 1 on, to before the first zero line from D + 6.
#include <string>
#include <vector>

#include "core/graphpoints.h"
#include "core/textfiles.h"

namespace murelo {

struct WallAction {
  std::string caption;  // of its option button
  std::string title;    // the ordinate title of its graph
  int table = 1;        // 1 forces, 2 displacements
  int column = 1;
};

struct WallActionTable {
  std::string abscissaCaption;     // as the action list names it
  std::vector<WallAction> actions;  // action k is element k - 1
  int firstSecondTable = 4;        // the first action of table 2
  int lastSecondTable = 0;         // the last action of table 2 (0 for the wall stem)
  int Count() const { return static_cast<int>(actions.size()); }
};

// The actions of "BASE PLATE" (6, and 7 with the soil pressure when soilKind is above 0) or
// "WALL" (5).
WallActionTable WallActions(const std::string& substructure, int soilKind);
// Only the bending moments (action 1) are drawn with positive values downwards.
bool WallActionReversed(int action);
// The abscissa caption of the graph: "Distance from Base [m]" on the wall stem, "Distance from
// Toe [m]" on the base plate.
std::string WallAbscissaCaption(const std::string& substructure);
// The soil kind of the graphs from SupportFlags: 2 with an elastic half-space (item 4), else 1 on
// a Winkler foundation (item 3), else 0.
int GraphSoilKind();

// Table t (1, 2) of the substructure's section of report lines 1..count into table (cleared
// first; rows from 1, column 0 the distance). Returns the row count: 0 when the report has no
// such table.
int ParseWallResultsSection(const TextLineArray& lines, int count, int t, const std::string& substructure,
                            int soilKind, ResultRows& table);

// What one showing of the action dialog keeps (GraphState of the graphs): the report, the table
// read last and the points of the action read last.
struct WallGraphState {
  int offered = 0, firstSecondTable = 0, lastSecondTable = 0;
  int actionRead = 0;  // 0: the report is still to be read
  int soilKind = 0, pointCount = 0, tableRows = 0, nodes = 0;
  int tableHeld = 0;
  TextLineArray lines;
  int lineCount = 0;
  ResultRows table;
  GraphPoints points;
};
extern WallGraphState GraphState;
// Clears the entries of the action choice (0 to 3): the next plot reads the report again.
void ClearActionState();

// The points of action k of the substructure from the report file (read at the first plot after
// ClearActionState; a table parsed only when the action lies in another table than the one held;
// the action read last keeps its points). Each curve is the table column compacted. Returns the
// point count: 0 when the report or its table is missing (nothing is then held).
int WallActionPoints(const std::string& reportFile, const std::string& substructure, int k);

}  // namespace murelo
