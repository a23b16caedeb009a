#pragma once
// The points of one response graph and the rules that build them from a parsed results table.
// The results readers of the programs parse a table of the results report into a work table whose
// row r is one node (or one printed row) and whose column 0 is the abscissa (distance from the
// left end, from the pile top, height above the base, ...), columns 1.. the values in report
// order; these routines turn one column, or a left/right pair of columns, into graph points.
#include "core/globals.h"

// Graph points 1..count: x the abscissa, y the ordinate; index 0 is not used. Values are kept in
// single precision, as the reports print them.
struct GraphPoints {
  std::vector<float> x{0.0f};
  std::vector<float> y{0.0f};
  // Sets point i, growing the list when needed.
  void Set(int i, float px, float py);
  // Room for points 1..count (new points are 0).
  void Reserve(int count);
};

// A parsed results table: Get(row, column), rows from 1, column 0 the abscissa.
using ResultRows = Table2D<float>;

// The node rule: point r = (column 0, column c) of row r, for rows 1..rows. Returns rows (0 when
// there are none).
int CopySeriesColumn(GraphPoints& points, const ResultRows& table, int rows, int column);

// The moment rule, from the left value in column c and the right value in column c + 1 of each
// row, the shears on both sides of the node being columns 1 and 2:
//   point 1 is (0, right value of row 1);
//   each inner row gives (distance, left value), followed by (distance, right value) when the
//   two values, or the row's two shears, differ by more than 1.0E-5 (a jump at the node);
//   the last point is (distance, left value) of the last row.
// Returns the point count (0 without rows).
int AddJumpPoints(GraphPoints& points, const ResultRows& table, int rows, int column);

// The element rule, from the value at the element's left end in column c + 1 of its first node
// and at its right end in column c of its second node: element e (rows e, e + 1) gives the points
// 2e - 1 = (distance of row e, column c + 1) and 2e = (distance of row e + 1, column c), two
// points per element, so a step at a node stands at one abscissa. Returns 2 (rows - 1) (0 with
// fewer than two rows).
int ElementEndPoints(GraphPoints& points, const ResultRows& table, int rows, int column);

// Removes redundant points: walking the pairs of neighbours j, j + 1 from the first point, a pair
// standing at one abscissa (equal, or apart by less than 1/1000 of the larger magnitude) whose
// ordinates are both below 1.0E-5 in magnitude, or differ by less than 1/1000 of the larger
// magnitude, loses point j; the later points move down and the freed places become 0. Of three
// such points in a row only the last stays. Returns the new count.
int CompactGraphPoints(GraphPoints& points, int count);
