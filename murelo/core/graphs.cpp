#include "murelo/core/graphs.h"

#include <algorithm>

#include "core/beamresults.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "murelo/core/globals.h"
#include "murelo/core/jobfiles.h"
#include "murelo/core/slots.h"

namespace murelo {

WallGraphState GraphState;

namespace {

// The first zero line of from..count; count + 1 when there is none.
int TableEnd(const TextLineArray& lines, int count, int from) {
  int end = count + 1;
  FirstZeroEntry(lines, from, count, end);
  return end;
}

bool IsWall(const std::string& substructure) { return Trim(substructure).compare(0, 4, "WALL") == 0; }

}  // namespace

WallActionTable WallActions(const std::string& substructure, int soilKind) {
  WallActionTable t;
  if (IsWall(substructure)) {
    t.abscissaCaption = "Height above Base [m]";
    t.actions = {{"Bending &Moments", "Bending Moments [kN*m/m]", 1, 3},
                 {"Shearing &Forces", "Shearing Forces [kN/m]", 1, 1},
                 // Shearing forces keep the F they have in every program; the axial forces take the X.
                 {"A&xial Forces", "Axial Forces [kN/m]", 1, 2},
                 {"Horizontal &Translations", "Horizontal Translations [mm]", 2, 2},
                 {"Slopes (&Angles of Rotation)", "Slopes [rad]", 2, 1}};
    t.lastSecondTable = 0;
    return t;
  }
  t.abscissaCaption = "Distance from Toe [m]";
  t.actions = {{"Bending &Moments", "Bending Moments [kN*m/m]", 1, 3},
               {"&Shearing Forces", "Shearing Forces [kN/m]", 1, 1},
               {"Axial &Forces", "Axial Forces [kN/m]", 1, 2},
               {"Vertical &Translations", "Vertical Translations [mm]", 2, 2},
               {"Slopes (&Angles of Rotation)", "Slopes [rad]", 2, 1},
               {"&Horizontal Translations", "Horizontal Translations [mm]", 2, 3}};
  if (soilKind > 0)
    t.actions.push_back({"S&oil - Plate Contact Pressure", "Soil - Plate Contact Pressure [kPa]", 2, 4});
  t.lastSecondTable = t.Count();
  return t;
}

bool WallActionReversed(int action) { return action == 1; }

std::string WallAbscissaCaption(const std::string& substructure) {
  return IsWall(substructure) ? "Distance from Base [m]" : "Distance from Toe [m]";
}

int GraphSoilKind() {
  if (SupportFlagIsYes(kHalfSpaceSlot)) return 2;
  if (SupportFlagIsYes(kWinklerSlot)) return 1;
  return 0;
}

int ParseWallResultsSection(const TextLineArray& lines, int count, int t, const std::string& substructure,
                            int soilKind, ResultRows& table) {
  count = std::min(count, static_cast<int>(lines.size()) - 1);
  table = ResultRows();
  if (t != 1 && t != 2) return 0;
  int start = 0, end = 0, columns = 3;
  if (!IsWall(substructure)) {
    const int e1 = TableEnd(lines, count, 13);
    start = 12;
    end = e1;
    if (t == 2) {
      start = e1 + 10;
      end = TableEnd(lines, count, e1 + 11);
      columns = soilKind > 0 ? 4 : 3;
    }
  } else {
    int w = 0;
    for (int i = 12; i <= count && w == 0; ++i)
      if (Trim(lines[static_cast<size_t>(i)]) == "WALL STEM") w = i;
    if (w == 0) return 0;
    start = w + 5;
    end = TableEnd(lines, count, w + 6);
    if (t == 2) {
      const int d = FirstDashLine(lines, end, count);
      start = d + 5;
      end = TableEnd(lines, count, d + 6);
      columns = 2;
    }
  }
  if (start > count) return 0;
  const int rows = end - start;
  if (rows < 1) return 0;
  table.Redim(rows, columns);
  ParseNumberTable(lines, count, table, rows, columns, start, end - 1);
  return rows;
}

void ClearActionState() {
  GraphState.offered = GraphState.firstSecondTable = GraphState.lastSecondTable = GraphState.actionRead = 0;
}

int WallActionPoints(const std::string& reportFile, const std::string& substructure, int k) {
  WallGraphState& g = GraphState;
  const WallActionTable offered = WallActions(substructure, g.soilKind);
  g.offered = offered.Count();
  g.firstSecondTable = offered.firstSecondTable;
  g.lastSecondTable = offered.lastSecondTable;
  g.nodes = ElementCount(IsWall(substructure) ? 2 : 1) + 1;
  if (k >= 1 && g.actionRead == k) return g.pointCount;
  if (k < 1 || k > offered.Count()) return 0;
  if (g.actionRead == 0) {
    g.lines.clear();
    g.lineCount = 0;
    g.tableHeld = 0;
    if (FileExists(reportFile)) LoadTextLines(reportFile, g.lines, 5000, g.lineCount);
    if (g.lineCount == 0) return 0;
  }
  const WallAction& action = offered.actions[static_cast<size_t>(k - 1)];
  if (g.tableHeld != action.table) {
    g.tableRows = ParseWallResultsSection(g.lines, g.lineCount, action.table, substructure, g.soilKind, g.table);
    g.tableHeld = action.table;
  }
  if (g.tableRows < 1) {
    g.actionRead = 0;  // read the report again at the next plot
    return 0;
  }
  g.points = GraphPoints();
  int n = CompactGraphPoints(g.points, CopySeriesColumn(g.points, g.table, g.tableRows, action.column));
  if (n < 1) {
    g.actionRead = 0;
    return 0;
  }
  g.pointCount = n;
  g.actionRead = k;
  return n;
}

}  // namespace murelo
