#include "palvore/core/reportreader.h"

#include <utility>

#include "core/jobdata.h"
#include "core/numbers.h"

namespace palvore {

namespace {

int ZeroFrom(const TextLineArray& lines, int count, int from) {
  int index = 0;
  if (from >= 1) FirstZeroEntry(lines, from, count, index);
  return index;
}

void Swap(ResultRows& t, int row, int a, int b) {
  float v = t.Get(row, a);
  t(row, a) = t.Get(row, b);
  t(row, b) = v;
}

// Point k doubled: inserted again right after itself.
void DoublePoint(GraphPoints& points, int& count, int k) {
  if (k < 1 || k > count) return;
  points.Reserve(count + 1);
  for (int j = count; j > k; --j) points.Set(j + 1, points.x[static_cast<size_t>(j)], points.y[static_cast<size_t>(j)]);
  points.Set(k + 1, points.x[static_cast<size_t>(k)], points.y[static_cast<size_t>(k)]);
  ++count;
}

}  // namespace

ReportTablePlaces FindReportTables(const TextLineArray& lines, int count) {
  ReportTablePlaces t;
  count = std::min<int>(count, static_cast<int>(lines.size()) - 1);
  t.p = ZeroFrom(lines, count, 12);
  if (t.p == 0) return t;
  for (int i = t.p; i <= count; ++i)
    if (!lines[static_cast<size_t>(i)].empty() && lines[static_cast<size_t>(i)][0] == '-') {
      t.r = i;
      break;
    }
  if (t.r > 0) t.s = ZeroFrom(lines, count, t.r + 6);
  return t;
}

int ReadForceTable(const TextLineArray& lines, int count, ResultRows& table) {
  ReportTablePlaces t = FindReportTables(lines, count);
  const int rows = t.p > 10 ? t.p - 10 : 0;
  table.Redim(std::max(rows, 1), 4);
  if (rows < 1) return 0;
  ParseNumberTable(lines, count, table, rows, 4, 10, t.p - 1);
  // The top node has only the values below it, the last node only those above it.
  Swap(table, 1, 4, 2);
  Swap(table, 1, 2, 1);
  if (rows > 1) Swap(table, rows, 3, 2);
  return rows;
}

int ReadDisplacementTable(const TextLineArray& lines, int count, ResultRows& table) {
  ReportTablePlaces t = FindReportTables(lines, count);
  const int rows = (t.r > 0 && t.s > t.r + 5) ? t.s - t.r - 5 : 0;
  table.Redim(std::max(rows, 1), 3);
  if (rows < 1) return 0;
  ParseNumberTable(lines, count, table, rows, 3, t.r + 5, t.s - 1);
  return rows;
}

const std::vector<PileAction>& PileActions() {
  static const std::vector<PileAction> actions = {
      {"&Bending Moments", "Bending Moments [kN*m]", "Bending Moments [kN*m/m]"},
      {"Shearing &Forces", "Shearing Forces [kN]", "Shearing Forces [kN/m]"},
      {"Horizontal &Translations", "Horizontal Translations [mm]", "Horizontal Translations [mm]"},
      {"Slopes (&Angles of Rotation)", "Slopes [rad]", "Slopes [rad]"},
      {"&Soil - Pile Contact Pressure", "Soil - Pile Contact Pressure [kPa]", "Soil - Pile Contact Pressure [kPa]"},
  };
  return actions;
}

int ActionCount(bool soil) { return soil ? 5 : 4; }

std::string OrdinateTitle(int action, bool sheetPile) {
  if (action < 1 || action > 5) return std::string();
  const PileAction& a = PileActions()[static_cast<size_t>(action - 1)];
  return sheetPile ? a.sheetTitle : a.pileTitle;
}

int ResponseSeries(ResponseGraph& graph, const TextLineArray& lines, int count, int action, int elements, int above) {
  if (action < 1 || action > 5) return 0;
  if (graph.lastAction == action && graph.count > 0) return graph.count;
  const int table = action <= 2 ? 1 : 2;
  if (graph.heldTable != table) {
    graph.rows = table == 1 ? ReadForceTable(lines, count, graph.table) : ReadDisplacementTable(lines, count, graph.table);
    graph.heldTable = table;
  }
  // A table of fewer than 2 rows draws no graph: the report is missing or damaged.
  if (graph.rows < 2) {
    graph = ResponseGraph();
    return 0;
  }
  graph.points = GraphPoints();
  int n = 0;
  if (action == 1) {
    n = AddJumpPoints(graph.points, graph.table, graph.rows, 3);
  } else if (action == 2) {
    n = ElementEndPoints(graph.points, graph.table, graph.rows, 1);
    n = CompactGraphPoints(graph.points, std::min(n, 2 * elements));
  } else {
    n = CopySeriesColumn(graph.points, graph.table, graph.rows, action - 2);
    n = CompactGraphPoints(graph.points, n);
  }
  // The soil surface: the curve breaks there.
  if ((action == 1 || action == 2 || action == 5) && above > 0) DoublePoint(graph.points, n, above + 1);
  graph.count = n;
  graph.lastAction = action;
  return n;
}

}  // namespace palvore
