#pragma once
// The results of the outside solver as the response graphs read them: the structural actions
// that each structure and substructure offers, the result file of a load case and its numeric
// tables, and the graph points of one action.
//
// Result files, c the first character of the trimmed load case: <job>.RB<c> beam or strip,
// <job>.RP<c> circular plate and a tank's base plate, <job>.RW<c> the wall, <job>.RR<c> the roof.
// Lines are numbered from 1. A zero line is one whose leading number reads as 0 (a blank line, a
// text line, a line that begins with 0); a dash line one that begins with "-". Every row of a
// table is a node: its abscissa, then its values separated by blanks. A table ends before its
// first zero line or at the end of the file:
//   ".RB": core/beamresults.h, the force table's end searched from line 14 on;
//   ".RP", ".RW", ".RR": table 1 from line 11, its end E1 searched from line 12 on; table 2 from
//     E1 + 13 (plate, wall), E1 + 12 (base plate, flat roof) or E1 + 9 (shell roof), its end
//     searched from E1 + 14 (E1 + 11 for a shell roof); table 3 (base plate and roof) 4 lines
//     below the first dash line from the end of table 2 on, its end searched one line lower.
// Infinity marks on the first row's line: "***INFINITY***" or "**INFINITY**" exactly once in
// table 1 of ".RP" and of a flat roof's ".RR" makes the first shearing force (column 3)
// +9.9E21 when the second row's is above 0, else -9.9E21; "*INFINITY*" in a shell roof's
// table 3 does the same to its column 1.
#include <string>
#include <vector>

#include "core/graphpoints.h"
#include "core/textfiles.h"

namespace corvane {

// Entries of GraphState (corvane/core/globals.h).
enum GraphStateEntry {
  kActionsOffered = 0,     // n, the actions of the action dialog
  kFirstSecondTable = 1,   // the first action read from table 2
  kLastSecondTable = 2,    // the last action read from table 2 (0: the file has two tables)
  kActionRead = 3,         // the action whose points are held (0: the result file is still to be read)
  kSoilKind = 4,           // 0 none, 1 Winkler foundation, 2 elastic half-space
  kPointCount = 5,         // points of the action held
  kTableRows = 6,          // rows of the table held in ResultTable
  kNodeCount = 7,          // elements of the substructure + 1
  kInfinityFlag = 8,       // 2 while the graph on show has an infinite first value
};

// How a table column becomes graph points (core/graphpoints.h).
enum PointRule {
  NodeRule,        // CopySeriesColumn
  JumpRule,        // AddJumpPoints: moments, from the left/right pair of columns c, c + 1
  ElementEndRule,  // ElementEndPoints: beam and strip shears, from columns c, c + 1
};

struct StructuralAction {
  std::string caption;  // of its option button
  std::string title;    // the ordinate title of its graph
  int table = 1;        // 1..3 of the result file
  int column = 1;
  PointRule rule = NodeRule;
  bool compact = false;   // CompactGraphPoints afterwards
  bool reversed = false;  // drawn with positive values downwards
};

struct ActionTable {
  std::string abscissaCaption;
  std::vector<StructuralAction> actions;  // action k is element k - 1
  int firstSecondTable = 0;               // GraphState entry 1
  int lastSecondTable = 0;                // GraphState entry 2
  int Count() const { return static_cast<int>(actions.size()); }
};

// The actions of a structure (1 beam/strip, 2 plate, 3 tank) and substructure ("BEAM" or
// "STRIP"; "BASE PLATE", "WALL" or "ROOF STRUCTURE"): plateInPlane and roofInPlane are
// GeometryAnswers 1 and 3 ("Y": the in-plane actions of the base plate, of a flat roof), shellRoof
// answer 4; the soil pressure is offered when soilKind is above 0.
ActionTable StructuralActions(int structure, const std::string& substructure, bool plateInPlane, bool roofInPlane,
                              bool shellRoof, int soilKind);
// The actions of the current job (StructureType, Substructure, GeometryAnswers, SupportFlags).
ActionTable CurrentActions();
// Soil kind of support answers: 2 with a half-space (items 5 or 6 "Y"), else 1 with a Winkler
// foundation (item 4), else 0.
int SoilKind(const std::vector<std::string>& supportFlags);

// The result file of the current structure, substructure and load case ("" without a case).
std::string ResultsFileName();

// Table t (1..3) of result lines 1..lineCount, for the structure and substructure, into table
// (cleared first, rows from 1, column 0 the abscissa). Returns its row count: 0 when the file
// has no such table (too short, no dash line before it, no rows).
int ParseResultsSection(const TextLineArray& lines, int lineCount, int t, int structure, const std::string& substructure,
                        bool shellRoof, int soilKind, ResultRows& table);
// The same from ResultLines into ResultTable for the current job; rows := the row count.
int ReadResultsSection(int t, int structure, int& rows);

// Clears GraphState entries 0 to 3: the next plot reads the result file again.
void ClearActionState();
// Sets GraphState entries 0, 1, 2 and 4 for the actions offered.
void OfferActions(const ActionTable& actions, int soilKind);
// The table of action k of the actions offered (GraphState entries 1 and 2).
int TableOfAction(int k);
// The points of action k of the current case into GraphPointList, as the graph of it needs
// them: the result file is loaded into ResultLines at the first plot after ClearActionState,
// a table parsed into ResultTable only when the action held is of another table, and the points
// of the action held kept. Sets GraphState entries 3, 5, 6 and 7 and returns the point count;
// 0 when the file or its table is missing (nothing is then held).
int ResponseFieldPoints(int k);

}  // namespace corvane
