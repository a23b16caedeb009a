#include "trabix/core/reportreader.h"

#include <sstream>

#include "core/numbers.h"

namespace trabix {
namespace {

// A line whose leading number reads as 0 ends a table (a blank line, a text line).
bool ZeroLine(const TextLineArray& lines, int i) { return ParseNumber(lines[static_cast<size_t>(i)]) == 0; }

// The first zero line from line `from` on; lineCount + 1 when there is none.
int FirstZeroLine(const TextLineArray& lines, int lineCount, int from) {
  int i = from < 1 ? 1 : from;
  while (i <= lineCount && !ZeroLine(lines, i)) ++i;
  return i;
}

std::vector<float> Numbers(const std::string& line) {
  std::vector<float> values;
  std::istringstream in(line);
  std::string word;
  while (in >> word) values.push_back(static_cast<float>(ParseNumber(word)));
  return values;
}

}  // namespace

int ParseResultsTable(const TextLineArray& lines, int lineCount, int mode, bool strip, ResultRows& table) {
  if (lineCount > static_cast<int>(lines.size()) - 1) lineCount = static_cast<int>(lines.size()) - 1;
  const int forceValues = strip ? 6 : 4;
  const int kFirstRow = 12;
  if (lineCount < kFirstRow) return 0;
  int forceEnd = FirstZeroLine(lines, lineCount, kFirstRow + 1);
  int start = kFirstRow, end = forceEnd, columns = forceValues;
  if (mode == DisplacementTable) {
    int dash = forceEnd;
    while (dash <= lineCount && lines[static_cast<size_t>(dash)].compare(0, 1, "-") != 0) ++dash;
    start = dash + 5;
    if (start > lineCount) return 0;
    end = FirstZeroLine(lines, lineCount, start + 1);
    columns = 3;
  } else if (mode != ForceTable) {
    return 0;
  }
  int rows = end - start;
  if (rows < 1) return 0;
  table.Redim(rows, columns);  // every row cleared
  for (int r = 1; r <= rows; ++r) {
    std::vector<float> v = Numbers(lines[static_cast<size_t>(start + r - 1)]);
    if (!v.empty()) table(r, 0) = v[0];
    int values = static_cast<int>(v.size()) - 1;
    for (int k = 1; k <= values && k <= columns; ++k) {
      int column = k;
      // The end rows carry the values of their one element only.
      if (mode == ForceTable && r == 1 && rows > 1) column = 2 * k;
      if (mode == ForceTable && r == rows && rows > 1) column = 2 * k - 1;
      if (column <= columns) table(r, column) = v[static_cast<size_t>(k)];
    }
  }
  return rows;
}

int CopyOrdinatePairs(GraphPoints& points, const ResultRows& table, int rows, int column) {
  if (rows < 1) return 0;
  points.Reserve(2 * rows);
  for (int r = 1; r <= rows; ++r) {
    points.Set(2 * r - 1, table.Get(r, 0), table.Get(r, column));
    points.Set(2 * r, table.Get(r, 0), table.Get(r, column + 1));
  }
  return 2 * rows;
}

std::vector<ResultsAction> ResultsActions(bool strip, bool soil) {
  std::vector<ResultsAction> actions;
  if (strip) {
    actions = {{"Width Bending &Moments", "Width Bending Moments [kN*m/m]", true},
               {"&Length Bending Moments", "Length Bending Moments [kN*m/m]", true},
               {"Shearing &Forces", "Shearing Forces [kN/m]", false},
               {"Vertical &Translations", "Vertical Translations [mm]", true},
               {"Slopes (&Angles of Rotation)", "Slopes [rad]", false}};
    if (soil) actions.push_back({"&Soil - Strip Contact Pressure", "Soil - Strip Contact Pressure [kPa]", true});
  } else {
    actions = {{"Bending &Moments", "Bending Moments [kN*m]", true},
               {"Shearing &Forces", "Shearing Forces [kN]", false},
               {"Vertical &Translations", "Vertical Translations [mm]", true},
               {"Slopes (&Angles of Rotation)", "Slopes [rad]", false}};
    if (soil) actions.push_back({"&Soil - Beam Contact Pressure", "Soil - Beam Contact Pressure [kPa]", true});
  }
  return actions;
}

bool IsForceAction(int action, bool strip) { return action >= 1 && action <= (strip ? 3 : 2); }

void ClearResultsGraph(ResultsGraph& graph) { graph = ResultsGraph(); }

int ResultsActionPoints(ResultsGraph& graph, const TextLineArray& lines, int lineCount, int action, bool strip) {
  if (action >= 1 && action == graph.lastAction) return graph.count;  // shown last: the kept points
  int maxAction = strip ? 6 : 5;
  if (action < 1 || action > maxAction) return graph.count = 0;
  int mode = IsForceAction(action, strip) ? ForceTable : DisplacementTable;
  if (graph.heldTable != mode) {
    graph.table = ResultRows();
    graph.rows = ParseResultsTable(lines, lineCount, mode, strip, graph.table);
    graph.heldTable = mode;
  }
  graph.points = GraphPoints();
  int n = 0;
  int shearAction = strip ? 3 : 2;
  if (action == shearAction) {
    n = CompactGraphPoints(graph.points, CopyOrdinatePairs(graph.points, graph.table, graph.rows, 1));
  } else if (mode == ForceTable) {
    int column = action == 2 ? 5 : 3;  // the strip's length moments, else the (width) moments
    n = AddJumpPoints(graph.points, graph.table, graph.rows, column);
  } else {
    int column = action - shearAction;
    n = CompactGraphPoints(graph.points, CopySeriesColumn(graph.points, graph.table, graph.rows, column));
  }
  graph.lastAction = action;
  graph.count = n;
  return n;
}

}  // namespace trabix
