#include "corvane/core/roofshell.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "corvane/core/globals.h"

namespace corvane {

namespace {

double Square(double v) { return v * v; }
double Root(double v) { return std::sqrt(v > 0 ? v : 0.0); }

// Height of the centre of a dome's circle above the wall top.
double DomeCentre(const RoofShellShape& s) {
  if (s.radius > 0) return -Root(Square(s.radius) - Square(s.rw));
  return (Square(s.x1) + Square(s.z1) - Square(s.rw)) / (2 * s.z1);
}

double DomeRadius(const RoofShellShape& s) {
  if (s.radius > 0) return s.radius;
  return std::sqrt(Square(s.rw) + Square(DomeCentre(s)));
}

}  // namespace

bool RoofShellPointsValid(double x1, double z1, double rw, double ro) {
  if (x1 < 0 || x1 > ro) return false;
  if (rw <= 0 || rw - ro > 0.001) return false;
  if (std::fabs(rw - x1) < 0.0001) return false;
  if (x1 < rw && z1 < 0) return false;
  if (x1 > rw && z1 > 0) return false;
  if (z1 < 0 && x1 - rw > 0.001) return false;
  return true;
}

bool RoofShellShapeValid(const RoofShellShape& s, double ro) {
  if (s.kind == ConeRoof) return s.rw != s.x1;
  if (s.radius <= 0) {
    if (s.z1 == 0) return false;
    if (DomeCentre(s) > 0) return false;
  }
  double r = DomeRadius(s);
  return r >= ro && r >= s.rw;
}

double MeridianHeight(const RoofShellShape& s, double r) {
  if (s.kind == ConeRoof) return s.z1 * (s.rw - r) / (s.rw - s.x1);
  if (s.radius > 0) return Root(Square(s.radius) - Square(r)) - Root(Square(s.radius) - Square(s.rw));
  return DomeCentre(s) + Root(Square(DomeRadius(s)) - Square(r));
}

std::vector<double> RoofShellZComponents(const RoofShellShape& shape, double ri, const std::vector<double>& x) {
  std::vector<double> z;
  z.reserve(x.size());
  double r = ri, height = MeridianHeight(shape, ri);
  for (double xk : x) {
    r += xk;
    double next = MeridianHeight(shape, r);
    // Rounding must not turn a level element into a rising one: the table refuses "-".
    z.push_back(std::max(0.0, height - next));
    height = next;
  }
  return z;
}

std::string ApplyRoofShell(int rows) {
  double ri = JobDataTable.Get(3, 2), ro = JobDataTable.Get(3, 3);
  int nr = ElementCount(3);
  if (rows > nr) rows = nr;
  if (rows < 1) return std::string();
  auto field = [](int i) { return AnswerAt(FieldTexts, i); };
  std::vector<double> x(static_cast<size_t>(rows));
  if (Trim(field(7)) == "UNIFORM") {
    std::fill(x.begin(), x.end(), (ro - ri) / nr);
  } else {
    double sum = 0;
    for (int k = 1; k <= rows; ++k) sum += x[static_cast<size_t>(k - 1)] = ParseNumber(CellTexts.Get(2, k));
    double d = ro - ri;
    if (!(d > 0) || std::fabs(d - sum) / d > 0.001) return "CORRECT Element Width Data SHOULD be Entered at First";
  }
  RoofShellShape shape;
  shape.kind = Trim(field(5)) == "2" ? ConeRoof : DomeRoof;
  shape.x1 = ParseNumber(field(1));
  shape.z1 = ParseNumber(field(2));
  shape.rw = JobDataTable.Get(2, 2);
  shape.radius = shape.kind == DomeRoof ? ParseNumber(field(6)) : 0;
  // The form refuses these shapes; a shape that reaches here by another road changes nothing.
  if (!RoofShellShapeValid(shape, ro)) return "Incorrect SHELL Data!";
  std::vector<double> z = RoofShellZComponents(shape, ri, x);
  for (int k = 1; k <= rows; ++k) {
    if (Trim(field(7)) == "UNIFORM") CellTexts(2, k) = FormatNumber(x[static_cast<size_t>(k - 1)], "0.0000E+#");
    CellTexts(3, k) = FormatNumber(z[static_cast<size_t>(k - 1)], "0.0000E+#");
  }
  return std::string();
}

}  // namespace corvane
