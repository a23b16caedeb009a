#pragma once
// Helpers of Palvore's tests: a pile job written through Palvore's own listings, a reader of
// results reports and a job analysed through the solver tool.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../../common/tests/testdir.h"
#include "../../common/tests/textlines.h"
#include "core/globals.h"
#include "core/jobdata.h"
#include "core/loadcases.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "palvore/core/globals.h"
#include "palvore/core/jobfiles.h"
#include "palvore/core/slots.h"
#include "solvetool.h"

namespace palvore {
namespace testing {

// A pile job of equal elements: the geometry, the supports and one load case.
struct PileJob {
  std::string name = "PILE";
  bool sheetPile = false;
  int elements = 4, above = 0;
  double elementLength = 1.0, width = 0.5, inertia = 0.002, modulus = 2.0E7, poisson = 0.3;
  bool topFixed = false;
  std::string unyielding;                      // node list; empty: none
  std::vector<std::vector<double>> springs;    // node, horizontal, rotational
  double subgrade = 0, yieldStress = 0;        // Winkler soil of every embedded element (0: none)
  std::vector<std::vector<double>> soilRows;     // element, k_i, k_j, f_i, f_j: in place of subgrade and yieldStress
  bool halfSpace = false;                      // a half-space of soilModulus, soilPoisson and yieldStress
  double soilModulus = 0, soilPoisson = 0;
  std::vector<std::vector<double>> trapezoidal;  // element, pi, pj
  std::vector<std::vector<double>> nodal;        // node, force, moment
  std::string loadCase = "A";
};

inline Table2D<double> Rows(const std::vector<std::vector<double>>& rows, int columns) {
  Table2D<double> t;
  t.Redim(static_cast<int>(rows.size()), columns);
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size() && static_cast<int>(c) <= columns; ++c) t(static_cast<int>(r) + 1, static_cast<int>(c)) = rows[r][c];
  return t;
}

inline void Save(const std::string& file, const TextLineArray& lines, int count) {
  ASSERT_TRUE(SaveTextLines(file, lines, count)) << file;
}

// Hetenyi's long pile: E I = 4E4 kN*m^2, k B = 1E4 kN/m^2, lambda = (k B / 4 E I)^(1/4) = 0.5 /m.
inline PileJob LongPile(int elements, double length, const std::string& name = "LONG") {
  PileJob j;
  j.name = name;
  j.elements = elements;
  j.elementLength = length / elements;
  j.subgrade = 20000;
  j.nodal = {{1, 100, 0}};
  return j;
}

// 10 m of 40 elements, B 1, k 1E5, fy 100 kPa at every end, rigid against the soil.
inline PileJob StiffPile(double force, const std::string& name = "STIFF") {
  PileJob j;
  j.name = name;
  j.elements = 40;
  j.elementLength = 0.25;
  j.width = 1;
  j.inertia = 1;
  j.modulus = 2.0E10;
  j.subgrade = 1.0E5;
  j.yieldStress = 100;
  j.nodal = {{1, force, 0}};
  return j;
}

// Writes the job's files into the current directory as the data dialogs do: the globals filled,
// the listings built and saved.
inline void WriteJob(const PileJob& j) {
  const std::string flag = j.sheetPile ? "Y" : "N";
  Geometry = PileGeometry();
  Geometry.elements = j.elements;
  Geometry.length = j.elements * j.elementLength;
  Geometry.modulus = j.modulus;
  Geometry.poisson = j.poisson;
  Geometry.above = j.above;
  Geometry.sheetPile = j.sheetPile;
  Table2D<double> elements;
  elements.Redim(j.elements, 3);
  for (int e = 1; e <= j.elements; ++e) {
    elements(e, 1) = j.elementLength;
    if (j.sheetPile) {
      elements(e, 2) = j.inertia;
    } else {
      elements(e, 2) = j.width;
      elements(e, 3) = j.inertia;
    }
  }
  TextLineArray lines;
  int count = 0, first = 0;
  ListGeometry(lines, count, first, GeometryHeader(j.name), flag, j.elements);
  ListGeometryRows(lines, elements, j.elements, first, j.sheetPile ? 2 : 1);
  Save(GeometryFileName(j.name), lines, count);

  Supports = PileSupports();
  Supports.flags = {"", j.topFixed ? "Y" : "N", j.unyielding.empty() ? "N" : "Y", j.springs.empty() ? "N" : "Y",
                    j.subgrade > 0 || !j.soilRows.empty() ? "Y" : "N", j.halfSpace ? "Y" : "N", "", "", "", "", ""};
  if (j.halfSpace) {
    Supports.flags[kHalfSpaceModulusSlot] = NumberToText(j.soilModulus);
    Supports.flags[kHalfSpacePoissonSlot] = NumberToText(j.soilPoisson);
    Supports.flags[kHalfSpaceYieldSlot] = NumberToText(j.yieldStress);
  }
  std::vector<std::vector<double>> soil;
  for (int e = j.above + 1; e <= j.elements && j.subgrade > 0; ++e)
    soil.push_back({double(e), j.subgrade, j.subgrade, j.yieldStress, j.yieldStress});
  if (!j.soilRows.empty()) soil = j.soilRows;
  int elasticRows = static_cast<int>(j.springs.size()), winklerRows = static_cast<int>(soil.size());
  lines.clear();
  ListSupports(lines, count, elasticRows, winklerRows, SupportHeader(j.name), j.unyielding);
  if (elasticRows > 0) ListSupportRows(lines, Rows(j.springs, 2), 3, elasticRows, elasticRows + static_cast<int>(j.springs.size()) - 1);
  if (winklerRows > 0) ListSupportRows(lines, Rows(soil, 4), 4, winklerRows, winklerRows + static_cast<int>(soil.size()) - 1);
  Save(SupportFileName(j.name), lines, count);

  int nodalRows = static_cast<int>(j.nodal.size()), trapezoidalRows = static_cast<int>(j.trapezoidal.size());
  lines.clear();
  ListLoads(lines, count, nodalRows, trapezoidalRows, LoadHeader(j.name, j.loadCase));
  ListLoadRows(lines, Rows(j.trapezoidal, 2), static_cast<int>(j.trapezoidal.size()), trapezoidalRows, 2);
  ListLoadRows(lines, Rows(j.nodal, 2), static_cast<int>(j.nodal.size()), nodalRows, 3);
  Save(LoadFileName(j.name, j.loadCase), lines, count);
  ASSERT_TRUE(WriteLoadCaseList(LoadCaseListFileName(j.name), {j.loadCase}));
}

// The lines of a text file at [1..count] ([0] empty).
using ::FileLines;

// One row of a parsed results report; a blank force cell reads as NaN.
struct ForceRow {
  double depth = 0;
  double values[4] = {};  // shear above, shear below, moment above, moment below
};
struct DisplacementRow {
  double depth = 0, translation = 0, slope = 0, pressure = NAN;
};
struct Report {
  TextLineArray lines;  // [1..count]
  std::vector<ForceRow> forces;
  std::vector<DisplacementRow> displacements;
  double total = NAN;
};

inline double Cell(const std::string& line, size_t from, size_t width) {
  if (from >= line.size()) return NAN;
  std::string field = line.substr(from, width);
  return Trim(field).empty() ? NAN : ParseNumber(field);
}

// Reads a report the way the graphs do: the force table by its cells (a blank cell has no value),
// the displacement table by its blank-separated numbers.
inline Report ReadReport(const std::string& file) {
  Report r;
  r.lines = FileLines(file);
  const int count = static_cast<int>(r.lines.size()) - 1;
  int i = 10;
  for (; i <= count && !Trim(r.lines[i]).empty(); ++i) {
    ForceRow row;
    row.depth = ParseNumber(r.lines[i].substr(0, 11));
    for (int c = 0; c < 4; ++c) row.values[c] = Cell(r.lines[i], 11 + 16 * c, 16);
    r.forces.push_back(row);
  }
  while (i <= count && r.lines[i] != std::string(75, '-')) ++i;
  for (i += 5; i <= count && !Trim(r.lines[i]).empty(); ++i) {
    std::vector<std::string> f = SplitFields(r.lines[i]);
    if (f.size() < 3) break;
    DisplacementRow row;
    row.depth = ParseNumber(f[0]);
    row.translation = ParseNumber(f[1]);
    row.slope = ParseNumber(f[2]);
    if (f.size() > 3) row.pressure = ParseNumber(f[3]);
    r.displacements.push_back(row);
  }
  for (; i <= count; ++i)
    if (r.lines[i].rfind("ESTIMATE OF TOTAL SOIL-PILE INTERACTION FORCE:", 0) == 0)
      r.total = ParseNumber(r.lines[i].substr(r.lines[i].find(':') + 1));
  return r;
}

// A job analysed by the solver tool: its code and output and the report read back.
struct SolverRun {
  int status = 0;
  std::string output;
  Report report;
};

inline SolverRun Analyse(const PileJob& job, const std::string& mode = "elastic") {
  SolverRun r;
  r.status = RunSolveTool({job.name, job.loadCase, mode}, r.output);
  r.report = ReadReport(ResultsFileName(job.name, job.loadCase));
  return r;
}

}  // namespace testing
}  // namespace palvore
