#include "murelo/core/loadedit.h"

#include <cmath>

#include "core/jobdata.h"
#include "core/jobnames.h"
#include "core/numbers.h"
#include "core/tableentry.h"
#include "core/textfiles.h"
#include "murelo/core/checks.h"
#include "murelo/core/globals.h"
#include "murelo/core/jobfiles.h"

namespace murelo {

namespace {

double Field(const std::vector<std::string>& fields, size_t k) {
  return k < fields.size() ? ParseNumber(fields[k]) : 0.0;
}

void Set(Table2D<std::string>& t, int slot, const std::vector<std::string>& rows) {
  for (size_t r = 0; r < rows.size(); ++r) t(slot, static_cast<int>(r)) = rows[r];
}

}  // namespace

Table2D<double>& WorkTable(int k) {
  switch (k) {
    case 1: return PlateNodalLoads;
    case 2: return PlateTrapezoidalLoads;
    case 3: return StemNodalLoads;
    case 4: return StemHorizontalLoads;
    default: return StemVerticalLoads;
  }
}

int WorkTableColumns(int k) { return k == 3 ? 3 : 2; }

int WorkTableRows(int k, int n, int m) {
  switch (k) {
    case 1: return n + 1;
    case 2: return n;
    case 3: return m + 1;
    default: return m;
  }
}

int WorkTableOf(int substructure, int loadType) {
  if (substructure == 1) return loadType == 2 ? 1 : loadType == 3 ? 2 : 0;
  return loadType == 2 ? 3 : loadType == 3 ? 4 : loadType == 4 ? 5 : 0;
}

int SubstructureNumber(const std::string& substructure) {
  return Trim(substructure).compare(0, 4, "WALL") == 0 ? 2 : 1;
}

double StoredLoadValue(double value) {
  if (!(std::fabs(value) >= 1.0E-4)) return 0;  // also a value that is not a number
  return ParseNumber(FormatNumber(value, "* ####.000"));
}

std::string LoadFieldText(double value) {
  if (!(std::fabs(value) >= 1.0E-4)) return "0";
  return TableCellText(value);
}

bool WriteLoadFile(int n, int m) {
  int kept[6] = {0};
  for (int k = 1; k <= 5; ++k) CompactZeroRows(WorkTable(k), WorkTableRows(k, n, m), WorkTableColumns(k), kept[k]);
  TextLineArray lines(1);
  LoadRowLines rows;
  rows.plateNodal = kept[1];
  rows.plateTrapezoidal = kept[2];
  rows.stemNodal = kept[3];
  rows.stemHorizontal = kept[4];
  rows.stemVertical = kept[5];
  ListLoads(lines, LoadHeader(JobSpec, LoadCaseName), rows);
  const int firsts[6] = {0, rows.plateNodal, rows.plateTrapezoidal, rows.stemNodal, rows.stemHorizontal,
                         rows.stemVertical};
  for (int k = 1; k <= 5; ++k)
    if (kept[k] > 0 && firsts[k] > 0)
      ListLoadRows(lines, WorkTable(k), WorkTableColumns(k), firsts[k], firsts[k] + kept[k] - 1);
  return SaveJobDataFile(JobResults(), JobSpec, LoadFileName(JobSpec, LoadCaseName), lines, rows.last);
}

int EditLoadData(const std::function<void()>& dialogs) {
  if (!LoadGeometryFile(JobSpec, BasePlateElements, 1)) return 0;
  const int n = ElementCount(1), m = ElementCount(2);
  TextLineArray lines;
  int count = 0;
  LoadTextLines(LoadFileName(JobSpec, LoadCaseName), lines, 5000, count);
  // A file of at most 2 lines holds no loads: the tables and LoadTable start from zero.
  ReadLoadTables(lines, count, n, m);
  for (int k = 1; k <= 5; ++k)
    for (int r = 1; r <= WorkTableRows(k, n, m); ++r) WorkTable(k)(r, 0) = r;
  if (dialogs) dialogs();
  bool written = WriteLoadFile(n, m);
  for (int k = 1; k <= 5; ++k) WorkTable(k).Redim(0, 0);
  TextLines.clear();
  return written ? 1 : 0;
}

std::string SubstructurePrefix(const std::string& substructure) {
  return SubstructureNumber(substructure) == 1 ? " " + Trim(substructure) + ": " : std::string(" WALL STEM: ");
}

Table2D<std::string> LoadTableHeadings(const std::string& substructure, int loadType, const std::string& loadCase) {
  Table2D<std::string> t;
  t.Redim(6, 6);
  const std::string prefix = SubstructurePrefix(substructure);
  const bool wall = SubstructureNumber(substructure) == 2;
  if (loadType == 2) {
    Set(t, 0, {"NODAL", prefix + "NODAL LOAD DATA. Load Case: " + loadCase});
    Set(t, 1, {"&INPUT SAME LOADS AT ALL NODES", "&GENERATE"});
    Set(t, 2, {"Node", "Nodal Loads"});
    if (wall) {
      Set(t, 3, {"i", "Phi [kN/m] ", "Qvi [kN/m] ", "Mi [kN*m/m]"});
      Set(t, 5, {" Start Node No :", " End Node No :", " Step :", prefix + "NODAL LOAD", " Force Phi [kN/m] =",
                 " Force Qvi [kN/m] =", " Moment Mi [kN*m/m] ="});
      Set(t, 6, {prefix + "NODAL LOADS", " Force Phi [kN/m] =", " Force Qvi [kN/m] =", " Moment Mi [kN*m/m] ="});
    } else {
      Set(t, 3, {"i", "Pvi [kN/m] ", "Mi [kN*m/m] "});
      Set(t, 5, {" Start Node No :", " End Node No :", " Step :", prefix + "NODAL LOAD", " Force Pvi [kN/m] =",
                 " Moment Mi [kN*m/m] ="});
      Set(t, 6, {prefix + "NODAL LOADS", " Force Pvi [kN/m] =", " Moment Mi [kN*m/m] =", ""});
    }
    return t;
  }
  const std::string unit = " [kPa]";
  Set(t, 0, {loadType == 4 ? "TRAPEZOIDAL (Vertical)" : "TRAPEZOIDAL",
             prefix + "TRAPEZOIDAL LOAD DATA. Load Case: " + loadCase});
  Set(t, 1, {"&SET LINEAR LOAD BETWEEN NODES 'i-m'", "&GENERATE"});
  Set(t, 2, {"Element i", " Trapezoidal Load " + unit + " "});
  Set(t, 3, {"Nodes i-j", "at i, qi", "at j, qj"});
  Set(t, 5, {" Start Element No :", " End Element No :", " Step :", " Intensity of TRAPEZOIDAL LOADING " + unit,
             " at Node i, qi=", " at Node j, qj="});
  Set(t, 6, {" Start Node No (i):", " End Node No (m):", " Intensity of TRAPEZOIDAL LOAD " + unit + ":",
             " at Start Node i, qi=", " at End Node m, qm="});
  return t;
}

Table2D<std::string> UniformLoadHeadings(const std::string& substructure) {
  Table2D<std::string> t;
  t.Redim(6, 6);
  const std::string prefix = SubstructurePrefix(substructure);
  Set(t, 0, {"UNIFORM", prefix + "UNIFORM LOAD & MAT. MASS DENSITY"});
  Set(t, 6, {"", " Uniform Load Intensity [kPa] =", " Material Mass Density [kg/m^3] =",
             prefix + "UNIFORM LOAD AND MATERIAL'S MASS DENSITY "});
  return t;
}

bool LoadValuesValid(int kind, const std::vector<std::string>& fields, bool winkler, double plateFourth, int nodes) {
  const double start = Field(fields, 1), end = Field(fields, 2), step = Field(fields, 3);
  switch (kind) {
    case 0: return !(end < 0);  // field 2 is the mass density
    case 1:
    case 11:
      if (start == 0 || start > end) return false;
      if (winkler && (!(start > plateFourth) || end > nodes)) return false;
      return true;
    case 4:
    case 5:
    case 6: return !(step > end - start || start == 0 || !(start < end));
    default: return true;
  }
}

void StoreUniformLoad(int substructure, const std::vector<std::string>& fields) {
  LoadTable(substructure, 1) = StoredLoadValue(Field(fields, 1));
  LoadTable(substructure, 2) = StoredLoadValue(Field(fields, 2));
}

void FillLoadCells(int k, int rows) {
  const Table2D<double>& t = WorkTable(k);
  for (int r = 1; r <= rows; ++r) {
    CellTexts(1, r) = std::to_string(r);
    for (int c = 1; c <= WorkTableColumns(k); ++c) CellTexts(c + 1, r) = TableCellText(t.Get(r, c));
  }
}

void StoreLoadCells(int k, int rows) {
  Table2D<double>& t = WorkTable(k);
  for (int r = 1; r <= rows; ++r) {
    t(r, 0) = r;
    for (int c = 1; c <= WorkTableColumns(k); ++c) t(r, c) = ParseNumber(CellTexts.Get(c + 1, r));
  }
}

void FillGeneratedCells(const std::vector<std::string>& fields) {
  const int sub = SubstructureNumber(CurrentSubstructure);
  Table2D<double> elements;
  if (!LoadGeometryFile(JobSpec, elements, sub)) return;
  const int n = ElementCount(sub);
  std::vector<double> lengths(static_cast<size_t>(n) + 1, 0.0);
  for (int e = 1; e <= n; ++e) lengths[static_cast<size_t>(e)] = elements.Get(e, 1);
  ::LinearLoadBetweenNodes(fields, lengths);
}

}  // namespace murelo
