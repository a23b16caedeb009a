#pragma once
// Corvane's global tables: the job data that every command fills from the job files when it
// starts and writes back through the listings. The shared ones (JobDataTable, CellTexts,
// SharedIntegers, TextLines, StructureType, Substructure, JobSpec, DialogAnswer, LoadCaseNames)
// are in core/globals.h. Items and rows are numbered from 1 (0 unused); tables are entry-major:
// row = element or node, column 0 its number, columns 1.. its values in the order of the file.
#include <string>
#include <vector>

#include "core/globals.h"
#include "core/graphpoints.h"
#include "core/textfiles.h"

namespace corvane {

// The current load case: at most 29 characters.
extern std::string LoadCaseName;
// "ZZZ" after a data or generation dialog was left without accepting; the value text of the
// uniform-value dialog otherwise.
extern std::string DialogStatus;

// "Y"/"N" answers of the geometry, items 1..7: 1 strip (beam/strip) or the base plate's in-plane
// deformation (tank); 2 the wall's and 3 the roof's in-plane deformation; 4 the roof is a shell;
// 7 the shell's radial section is a curve. 0, 5 and 6 are work items of the dialogs (6: the roof
// load kind "3".."7" whose table is open).
extern std::vector<std::string> GeometryAnswers;
// Element tables of substructures 1..3 (WorkTables[1] the beam/strip, circular plate or base
// plate, [2] the wall, [3] the roof): per element the values of the file's element table.
extern Table2D<float> WorkTables[4];

// Support answers and half-space values as texts, items 1..19 (see supportfile.h).
extern std::vector<std::string> SupportFlags;
// Node numbers of the unyielding supports separated by commas.
extern std::string UnyieldingNodes;
// Support work tables, column 0 the node or element number: elastic supports of substructure 1
// (per node; kv, kr for a beam/strip, kv otherwise), its Winkler foundation (per element; k for a
// beam/strip, ki, kj otherwise), the wall's elastic restraints (per node; kh, kr) and the wall's
// Winkler soil (per element; k).
extern Table2D<float> ElasticSupportTable;
extern Table2D<float> WinklerTable;
extern Table2D<float> WallRestraintTable;
extern Table2D<float> WallWinklerTable;

// Labelled load values of the current load case, (group, item) (see loadfile.h).
extern Table2D<float> LoadTable;
// Load work tables, column 0 the node or element number: nodal loads (two values; three for the
// wall and a shell roof), trapezoidal loads (intensity at node i and at node j), the beam/strip's
// temperature changes (above and below the element), and the roof's element loads of kinds 3..7
// (RoofLoadTables[3] is the only one of a roof that is no shell).
extern Table2D<float> NodalLoadTable;
extern Table2D<float> TrapezoidalLoadTable;
extern Table2D<float> TemperatureLoadTable;
extern Table2D<float> WallNodalLoadTable;
extern Table2D<float> WallTrapezoidalLoadTable;
extern Table2D<float> RoofNodalLoadTable;
extern Table2D<float> RoofLoadTables[8];
// The five roof load kinds varying linearly across an element (1..5 = kinds 3..7): row counts in,
// first row lines out of the load listing; first row lines of the load reader.
extern int RoofKindStarts[6];

// Template of the next table window or form: texts (row, position) 0..6 x 0..6 and the accepted
// texts of the last form, items 1.. in field order.
extern Table2D<std::string> FormTexts;
extern std::vector<std::string> FieldTexts;
// The kind word of the data table window on screen, kept for its structure view.
extern std::string TableViewKind;
// Roof shell type of the roof shell dialog: 1 dome, 2 cone.
extern int RoofType;

// The response graphs (corvane/core/results.h): their state, entries 0..8 (GraphStateEntry); the
// result file of the case being plotted, lines 1..ResultLineCount, kept from the first plot of a
// showing of the action dialog on; the table parsed last; the points of the action shown last.
extern std::vector<int> GraphState;
extern TextLineArray ResultLines;
extern int ResultLineCount;
extern ResultRows ResultTable;
extern GraphPoints GraphPointList;

// Structure type as a number: 1 "BEAM/STRIP" (and any other text), 2 "PLATE", 3 "TANK".
int StructureCode();
// Substructure as a number: 2 "WALL", 3 "ROOF STRUCTURE", 1 any other.
int SubstructureNumber();
// The largest number of elements of one substructure: a job file holds at most 5000 lines.
constexpr int kMaxElements = 5000;
// Number of elements of substructure s: item 1 of JobDataTable cut to a whole number, within
// 0..kMaxElements.
int ElementCount(int s);
// True when the text, blanks trimmed, is "Y".
bool IsYes(const std::string& answer);
// Item i of an answer list, "" when the list is shorter.
std::string AnswerAt(const std::vector<std::string>& answers, int i);
// Item i of an answer list to write, the list grown when it is shorter.
std::string& AnswerSlot(std::vector<std::string>& answers, int i);

}  // namespace corvane
