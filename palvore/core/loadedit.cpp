#include "palvore/core/loadedit.h"

#include <cmath>

#include "core/globals.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/tableentry.h"
#include "core/textfiles.h"
#include "palvore/core/checks.h"
#include "palvore/core/globals.h"
#include "palvore/core/jobfiles.h"

namespace palvore {

namespace {

Table2D<double>& TableOf(int kind) { return kind == 2 ? Loads.nodal : Loads.trapezoidal; }

// The loads read from the case's file, or none: every row numbered, every value 0.
void ReadCaseLoads(const std::string& file) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(file, lines, 5000, count);
  int trapezoidal = 0, nodal = 0;
  // A file of at most 2 lines holds no loads: the tables start from zero.
  ReadLoadData(lines, count > 2 ? count : 0, trapezoidal, nodal);
}

}  // namespace

int EditLoadData(const std::function<void()>& loadTypeDialog, const CorrectionHooks& hooks) {
  if (LoadGeometryFile(hooks) != 1) return 0;
  const int elements = ElementCount();
  const std::string file = LoadFileName(JobSpec, LoadCaseName);
  ReadCaseLoads(file);

  if (loadTypeDialog) loadTypeDialog();

  int nodalKept = 0, trapezoidalKept = 0;
  CompactZeroRows(Loads.nodal, elements + 1, 2, nodalKept);
  CompactZeroRows(Loads.trapezoidal, elements, 2, trapezoidalKept);

  TextLineArray lines(1);
  int count = 0, nodalFirst = nodalKept, trapezoidalFirst = trapezoidalKept;
  ListLoads(lines, count, nodalFirst, trapezoidalFirst, LoadHeader(JobSpec, LoadCaseName));
  if (nodalKept > 0) ListLoadRows(lines, Loads.nodal, nodalKept, nodalFirst, 2);
  if (trapezoidalKept > 0) ListLoadRows(lines, Loads.trapezoidal, trapezoidalKept, trapezoidalFirst, 1);
  const bool written = SaveJobDataFile(JobResults(), JobSpec, file, lines, count);

  Loads.nodal.Redim(2, 1);
  Loads.trapezoidal.Redim(2, 1);
  Geometry.rows.Redim(2, 1);
  return written ? 1 : 0;
}

int FillLoadCells(int kind) {
  const int rows = ElementCount() + (kind == 2 ? 1 : 0);
  const Table2D<double>& loads = TableOf(kind);
  CellTexts.Redim(3, rows);
  for (int r = 1; r <= rows; ++r) {
    CellTexts(1, r) = " " + Trim(NumberToText(r));
    CellTexts(2, r) = TableCellText(loads.Get(r, 1));
    CellTexts(3, r) = TableCellText(loads.Get(r, 2));
  }
  return rows;
}

void StoreLoadCells(int kind) {
  const int rows = ElementCount() + (kind == 2 ? 1 : 0);
  Table2D<double>& loads = TableOf(kind);
  for (int r = 1; r <= rows; ++r) {
    loads(r, 0) = r;
    loads(r, 1) = ParseNumber(CellTexts.Get(2, r));
    loads(r, 2) = ParseNumber(CellTexts.Get(3, r));
  }
}

void ApplyNodeFunction(const std::vector<std::string>& fields) {
  // The lengths come from the job's file, whatever the tables on screen hold.
  if (LoadGeometryFile() != 1) return;
  const int elements = ElementCount();
  std::vector<double> lengths(static_cast<size_t>(elements) + 1, 0.0);
  for (int e = 1; e <= elements; ++e) lengths[static_cast<size_t>(e)] = Geometry.rows.Get(e, 1);
  LinearLoadBetweenNodes(fields, lengths);
}

bool LoadRangeValid(int kind, const std::vector<double>& f) {
  auto at = [&f](size_t i) { return i < f.size() ? f[i] : 0.0; };
  const double f1 = at(1), f2 = at(2), f3 = at(3);
  if (kind == 1) return !(f1 == 0 || f1 > f2);
  // The second column's range gets the first's checks; a step below 1 would never end.
  if (kind == 4 || kind == 5) return !(f1 == 0 || !(f1 < f2) || f3 < 1 || f3 > f2 - f1);
  return true;
}

std::string LoadRangeWarning() { return "Incorrect LOAD Data!\r\n\r\n        Correct the Data!         "; }

}  // namespace palvore
