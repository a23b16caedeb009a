#include "core/graphpoints.h"

#include <algorithm>
#include <cmath>

void GraphPoints::Reserve(int count) {
  size_t n = static_cast<size_t>(std::max(count, 0)) + 1;
  if (x.size() < n) x.resize(n, 0.0f);
  if (y.size() < n) y.resize(n, 0.0f);
}

void GraphPoints::Set(int i, float px, float py) {
  if (i < 1) return;
  Reserve(i);
  x[static_cast<size_t>(i)] = px;
  y[static_cast<size_t>(i)] = py;
}

int CopySeriesColumn(GraphPoints& points, const ResultRows& table, int rows, int column) {
  if (rows < 1) return 0;
  points.Reserve(rows);
  for (int r = 1; r <= rows; ++r) points.Set(r, table.Get(r, 0), table.Get(r, column));
  return rows;
}

int AddJumpPoints(GraphPoints& points, const ResultRows& table, int rows, int column) {
  if (rows < 1) return 0;
  const double kJump = 1.0E-5;
  int n = 0;
  points.Set(++n, 0.0f, table.Get(1, column + 1));
  for (int r = 2; r <= rows - 1; ++r) {
    float left = table.Get(r, column), right = table.Get(r, column + 1);
    points.Set(++n, table.Get(r, 0), left);
    bool jump = std::fabs(static_cast<double>(right) - left) > kJump ||
                std::fabs(static_cast<double>(table.Get(r, 1)) - table.Get(r, 2)) > kJump;
    if (jump) points.Set(++n, table.Get(r, 0), right);
  }
  points.Set(++n, table.Get(rows, 0), table.Get(rows, column));
  return n;
}

int ElementEndPoints(GraphPoints& points, const ResultRows& table, int rows, int column) {
  if (rows < 2) return 0;
  points.Reserve(2 * (rows - 1));
  for (int r = 1; r <= rows; ++r) {
    if (r > 1) points.Set(2 * r - 2, table.Get(r, 0), table.Get(r, column));
    if (r < rows) points.Set(2 * r - 1, table.Get(r, 0), table.Get(r, column + 1));
  }
  return 2 * (rows - 1);
}

namespace {

// Two abscissae at one place: equal, or apart by less than 1/1000 of the larger magnitude. Equal
// values (also both 0) need no division.
bool SameAbscissa(double a, double b) {
  if (a == b) return true;
  double larger = std::max(std::fabs(a), std::fabs(b));
  return std::fabs(a - b) / larger < 1.0E-3;
}

bool SameOrdinate(double a, double b) {
  if (std::fabs(a) < 1.0E-5 && std::fabs(b) < 1.0E-5) return true;
  double larger = std::max(std::fabs(a), std::fabs(b));
  return std::fabs(a - b) / larger < 1.0E-3;
}

}  // namespace

int CompactGraphPoints(GraphPoints& points, int count) {
  if (count < 2) return std::max(count, 0);
  points.Reserve(count);
  int removed = 0;
  for (int i = 1; i <= count - 1; ++i) {
    int j = i - removed;
    size_t a = static_cast<size_t>(j), b = a + 1;
    if (!SameAbscissa(points.x[a], points.x[b]) || !SameOrdinate(points.y[a], points.y[b])) continue;
    // Point j goes: the later points move down one place, the freed last place becomes 0.
    size_t last = static_cast<size_t>(count - removed);
    for (size_t k = a; k < last; ++k) {
      points.x[k] = points.x[k + 1];
      points.y[k] = points.y[k + 1];
    }
    points.x[last] = 0.0f;
    points.y[last] = 0.0f;
    ++removed;
  }
  return count - removed;
}
