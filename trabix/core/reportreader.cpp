#include "trabix/core/reportreader.h"

namespace trabix {

int ParseResultsTable(const TextLineArray& lines, int lineCount, int mode, bool strip, ResultRows& table) {
  return ParseBeamResultsTable(lines, lineCount, mode, strip, 13, table);
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
