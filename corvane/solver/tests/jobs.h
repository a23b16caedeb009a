#pragma once
// Fixtures of the solver's tests: Corvane jobs written with corvane/core's own writers into the
// current directory, and the tables of a result file read back.
#include <cstdlib>
#include <string>
#include <vector>

#include "../../../common/tests/textlines.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/globals.h"
#include "corvane/core/loadfile.h"
#include "corvane/core/slots.h"
#include "corvane/core/supportfile.h"

namespace corvane {
namespace testing {

// A table of `rows` numbered rows (column 0) and `cols` values of 0.
inline void NumberRows(Table2D<float>& table, int rows, int cols) {
  table.Redim(rows, cols);
  for (int r = 1; r <= rows; ++r) table(r, 0) = static_cast<float>(r);
}

// A circular plate of equal elements between the inner and outer radius.
struct PlateJob {
  std::string job = "P1";
  int elements = 10;
  double inner = 0, outer = 5, modulus = 3e7, poisson = 0.2, thickness = 0.3;
  std::string edge1 = "N", edge7 = "N";  // support answers 1 and 7 (edge fixities)
  std::string unyielding;                // node list; empty: none
  double winkler = 0;                    // subgrade modulus of every element; 0: no foundation
  std::vector<std::pair<int, double>> springs;  // node, vertical spring constant
  double uniform = 0, density = 0, point = 0;   // loads of the case
  std::vector<std::pair<int, std::pair<double, double>>> rings;  // node, (force, moment)
  bool halfSpace = false, crossAnisotropic = false;  // support answer 5, or 6
  std::vector<std::string> halfSpaceValues = {"20000", "0.3"};  // SupportFlags items 8 and on
  double temperatureBelow = 0, alpha = 0;  // [Celsius], coefficient of thermal expansion
};

inline void WriteGeometry(const PlateJob& p) {
  StructureType = "PLATE";
  Substructure = "";
  JobDataTable.Redim(8, 6);
  GeometryAnswers.assign(8, "N");
  JobDataTable(1, 1) = p.elements;
  JobDataTable(1, 2) = p.inner;
  JobDataTable(1, 3) = p.outer;
  JobDataTable(1, 4) = p.modulus;
  JobDataTable(1, 5) = p.poisson;
  JobDataTable(1, 6) = p.alpha;
  WorkTables[1].Redim(p.elements, 2);
  for (int e = 1; e <= p.elements; ++e) {
    WorkTables[1](e, 1) = static_cast<float>((p.outer - p.inner) / p.elements);
    WorkTables[1](e, 2) = static_cast<float>(p.thickness);
  }
  SaveGeometryFile(p.job);
}

// Writes <job>.GEO, <job>.SUP and, for the case, <job>.LD<c>.
inline void WritePlateJob(const PlateJob& p, const std::string& caseName = "A") {
  JobSpec = p.job;
  WriteGeometry(p);
  const int n = p.elements;
  ClearSupportFlags(2);
  NumberRows(ElasticSupportTable, n + 1, 2);
  NumberRows(WinklerTable, n, 2);
  NumberRows(WallRestraintTable, 0, 2);
  NumberRows(WallWinklerTable, 0, 1);
  SupportFlags[kEdgeFixedSlot] = p.edge1;
  SupportFlags[kOuterEdgeFixedSlot] = p.edge7;
  if (!p.unyielding.empty()) {
    SupportFlags[kUnyieldingSlot] = "Y";
    UnyieldingNodes = p.unyielding;
  }
  if (!p.springs.empty()) SupportFlags[kElasticSupportsSlot] = "Y";
  for (const auto& s : p.springs) ElasticSupportTable(s.first, 1) = static_cast<float>(s.second);
  if (p.winkler > 0) {
    SupportFlags[kWinklerSlot] = "Y";
    for (int e = 1; e <= n; ++e) WinklerTable(e, 1) = WinklerTable(e, 2) = static_cast<float>(p.winkler);
  }
  if (p.halfSpace || p.crossAnisotropic) {
    SupportFlags[p.halfSpace ? 5 : 6] = "Y";
    for (size_t k = 0; k < p.halfSpaceValues.size(); ++k) SupportFlags[kHalfSpaceModulusSlot + k] = p.halfSpaceValues[k];
  }
  SaveSupportFile(2);
  LoadCaseName = caseName;
  SizeLoadTables(2, n, 0, 0);
  LoadTable.Redim(12, 4);
  LoadTable(1, 1) = static_cast<float>(p.uniform);
  LoadTable(1, 2) = static_cast<float>(p.density);
  LoadTable(9, 2) = static_cast<float>(p.temperatureBelow);
  NodalLoadTable(1, 1) = static_cast<float>(p.point);  // the central point load of a solid plate
  for (const auto& r : p.rings) {
    NodalLoadTable(r.first, 1) = static_cast<float>(r.second.first);
    NodalLoadTable(r.first, 2) = static_cast<float>(r.second.second);
  }
  SaveLoadFile(2);
}

// A beam (or strip) of equal elements.
struct BeamJob {
  std::string job = "B1";
  int elements = 4;
  double length = 10, modulus = 3e7, poisson = 0, width = 0.3, depth = 0.6;
  bool strip = false;
  std::string unyielding;
  double winkler = 0;
  double uniform = 0;
};

inline void WriteBeamJob(const BeamJob& b, const std::string& caseName = "A") {
  JobSpec = b.job;
  StructureType = "BEAM/STRIP";
  Substructure = b.strip ? "STRIP" : "BEAM";
  JobDataTable.Redim(8, 6);
  GeometryAnswers.assign(8, "N");
  GeometryAnswers[kStripSlot] = b.strip ? "Y" : "N";
  JobDataTable(1, 1) = b.elements;
  JobDataTable(1, 2) = b.length;
  JobDataTable(1, 3) = b.modulus;
  JobDataTable(1, 4) = b.poisson;
  WorkTables[1].Redim(b.elements, 3);
  for (int e = 1; e <= b.elements; ++e) {
    WorkTables[1](e, 1) = static_cast<float>(b.length / b.elements);
    WorkTables[1](e, 2) = static_cast<float>(b.strip ? b.depth : b.width);
    if (!b.strip) WorkTables[1](e, 3) = static_cast<float>(b.depth);
  }
  SaveGeometryFile(b.job);
  const int n = b.elements;
  ClearSupportFlags(1);
  NumberRows(ElasticSupportTable, n + 1, 2);
  NumberRows(WinklerTable, n, 1);
  if (!b.unyielding.empty()) {
    SupportFlags[kUnyieldingSlot] = "Y";
    UnyieldingNodes = b.unyielding;
  }
  if (b.winkler > 0) {
    SupportFlags[kWinklerSlot] = "Y";
    for (int e = 1; e <= n; ++e) WinklerTable(e, 1) = static_cast<float>(b.winkler);
  }
  SaveSupportFile(1);
  LoadCaseName = caseName;
  SizeLoadTables(1, n, 0, 0);
  LoadTable.Redim(12, 4);
  LoadTable(1, 1) = static_cast<float>(b.uniform);
  SaveLoadFile(1);
}

// A tank: base plate of equal rings from the centre, wall of equal rings, and a roof when it has
// elements (flat, or a shell whose elements fall by their z-components).
struct TankJob {
  std::string job = "T1";
  int baseElements = 10, wallElements = 16, roofElements = 0;
  double radius = 10, baseThickness = 0.5, wallRadius = 10, height = 8, wallThickness = 0.3;
  double modulus = 3e7, poisson = 0.2;
  std::string inPlane = "N", wallInPlane = "Y";  // geometry answers 1 and 2
  std::string connection = "M", middlePlane = "Y", topFixed = "N";  // support answers 9, 10, 11
  std::string unyielding = "11";
  double winkler = 0, wallWinkler = 0, restraint = 0;  // base soil, wall soil, wall kh at every node
  double liquidDensity = 1000, liquidDepth = 8, wallDensity = 0, baseDensity = 0;
  double wallUniform = 0;
  std::vector<std::pair<int, std::vector<double>>> wallNodal;  // node, (Phi, Qv, M)
  double wallStrain = 0;
  double wallAlpha = 0;
  std::vector<double> wallTemperatures = {0, 0, 0, 0};  // bottom inside, outside; top inside, outside
  bool halfSpace = false, crossAnisotropic = false;       // the base plate's soil: support answer 5, or 6
  std::vector<std::string> halfSpaceValues = {"50000", "0.3"};  // SupportFlags items 15 and on
  // The roof: widths (x-components) from the inner radius, equal up to the wall radius when none
  // are given; a shell's z-components; answers 3 (in-plane) and 4 (shell); support answers 11 to
  // 14; its loads: the kinds 3 to 7 of element loads alike on every element (a flat roof's
  // trapezoidal load is kind 3), nodal rows (node, values) and the centre's point load.
  bool roofShell = false;
  std::string roofInPlane = "N";
  double roofInner = 0, roofThickness = 0.2, roofModulus = 3e7, roofPoisson = 0.2, roofAlpha = 0;
  std::vector<double> roofWidths, roofFalls;
  std::string roofConnection = "M", roofMiddle = "Y", roofEdgeFixed = "N", roofInnerFixed = "N";
  double roofUniform = 0, roofDensity = 0, roofPoint = 0;
  double roofKinds[8] = {0, 0, 0, 0, 0, 0, 0, 0};
  std::vector<std::pair<int, std::vector<double>>> roofNodal;
  double roofTemperatureAbove = 0, roofTemperatureBelow = 0, roofStrainTop = 0, roofStrainBottom = 0;
};

inline void WriteTankJob(const TankJob& t, const std::string& caseName = "A") {
  JobSpec = t.job;
  StructureType = "TANK";
  Substructure = "BASE PLATE";
  JobDataTable.Redim(8, 6);
  GeometryAnswers.assign(8, "N");
  GeometryAnswers[kStripSlot] = t.inPlane;
  GeometryAnswers[kWallInPlaneSlot] = t.wallInPlane;
  JobDataTable(1, 1) = t.baseElements;
  JobDataTable(1, 2) = t.radius;
  JobDataTable(1, 3) = t.modulus;
  JobDataTable(1, 4) = t.poisson;
  JobDataTable(2, 1) = t.wallElements;
  JobDataTable(2, 2) = t.wallRadius;
  JobDataTable(2, 3) = t.height;
  JobDataTable(2, 4) = t.modulus;
  JobDataTable(2, 5) = t.poisson;
  JobDataTable(2, 6) = t.wallAlpha;
  const int nr = t.roofElements;
  GeometryAnswers[kRoofInPlaneSlot] = t.roofInPlane;
  GeometryAnswers[kShellRoofSlot] = t.roofShell ? "Y" : "N";
  JobDataTable(3, 1) = nr;
  JobDataTable(3, 2) = t.roofInner;
  JobDataTable(3, 4) = t.roofModulus;
  JobDataTable(3, 5) = t.roofPoisson;
  JobDataTable(3, 6) = t.roofAlpha;
  WorkTables[3].Redim(nr, t.roofShell ? 3 : 2);
  double outer = t.roofInner;
  for (int e = 1; e <= nr; ++e) {
    const size_t k = static_cast<size_t>(e - 1);
    const double x = k < t.roofWidths.size() ? t.roofWidths[k] : (t.wallRadius - t.roofInner) / nr;
    outer += x;
    WorkTables[3](e, 1) = static_cast<float>(x);
    if (t.roofShell) WorkTables[3](e, 2) = static_cast<float>(k < t.roofFalls.size() ? t.roofFalls[k] : 0.0);
    WorkTables[3](e, t.roofShell ? 3 : 2) = static_cast<float>(t.roofThickness);
  }
  if (nr > 0) JobDataTable(3, 3) = outer;
  WorkTables[1].Redim(t.baseElements, 2);
  for (int e = 1; e <= t.baseElements; ++e) {
    WorkTables[1](e, 1) = static_cast<float>(t.radius / t.baseElements);
    WorkTables[1](e, 2) = static_cast<float>(t.baseThickness);
  }
  WorkTables[2].Redim(t.wallElements, 2);
  for (int e = 1; e <= t.wallElements; ++e) {
    WorkTables[2](e, 1) = static_cast<float>(t.height / t.wallElements);
    WorkTables[2](e, 2) = static_cast<float>(t.wallThickness);
  }
  SaveGeometryFile(t.job);
  const int nb = t.baseElements, nw = t.wallElements;
  ClearSupportFlags(3);
  NumberRows(ElasticSupportTable, nb + 1, 2);
  NumberRows(WinklerTable, nb, 2);
  NumberRows(WallRestraintTable, nw + 1, 2);
  NumberRows(WallWinklerTable, nw, 1);
  if (!t.unyielding.empty()) {
    SupportFlags[kUnyieldingSlot] = "Y";
    UnyieldingNodes = t.unyielding;
  }
  if (t.winkler > 0) {
    SupportFlags[kWinklerSlot] = "Y";
    for (int e = 1; e <= nb; ++e) WinklerTable(e, 1) = WinklerTable(e, 2) = static_cast<float>(t.winkler);
  }
  if (t.wallWinkler > 0) {
    SupportFlags[kWallWinklerSlot] = "Y";
    for (int e = 1; e <= nw; ++e) WallWinklerTable(e, 1) = static_cast<float>(t.wallWinkler);
  }
  if (t.restraint > 0) {
    SupportFlags[kWallRestraintsSlot] = "Y";
    for (int k = 1; k <= nw + 1; ++k) WallRestraintTable(k, 1) = static_cast<float>(t.restraint);
  }
  if (t.halfSpace || t.crossAnisotropic) {
    SupportFlags[t.halfSpace ? 5 : 6] = "Y";
    for (size_t k = 0; k < t.halfSpaceValues.size(); ++k) SupportFlags[kBaseModulusSlot + k] = t.halfSpaceValues[k];
  }
  SupportFlags[kPlateWallJointSlot] = t.connection;
  SupportFlags[kPlateJointMiddleSlot] = t.middlePlane;
  SupportFlags[kRoofWallJointSlot] = nr > 0 ? t.roofConnection : t.topFixed;
  SupportFlags[kRoofJointMiddleSlot] = t.roofMiddle;
  SupportFlags[kRoofEdgeFixedSlot] = t.roofEdgeFixed;
  SupportFlags[kRoofInnerEdgeFixedSlot] = t.roofInnerFixed;
  SaveSupportFile(3);
  LoadCaseName = caseName;
  SizeLoadTables(3, nb, nw, t.roofElements);
  LoadTable.Redim(12, 4);
  LoadTable(1, 2) = static_cast<float>(t.baseDensity);
  LoadTable(2, 1) = static_cast<float>(t.wallUniform);
  LoadTable(2, 2) = static_cast<float>(t.wallDensity);
  LoadTable(4, 1) = static_cast<float>(t.liquidDensity);
  LoadTable(4, 2) = static_cast<float>(t.liquidDepth);
  LoadTable(7, 1) = static_cast<float>(t.wallStrain);
  for (int k = 1; k <= 4; ++k) LoadTable(10, k) = static_cast<float>(t.wallTemperatures[k - 1]);
  for (const auto& n : t.wallNodal)
    for (int c = 1; c <= 3; ++c) WallNodalLoadTable(n.first, c) = static_cast<float>(n.second[c - 1]);
  if (nr > 0) {
    LoadTable(3, 1) = static_cast<float>(t.roofUniform);
    LoadTable(3, 2) = static_cast<float>(t.roofDensity);
    LoadTable(8, 1) = static_cast<float>(t.roofStrainTop);
    LoadTable(8, 2) = static_cast<float>(t.roofStrainBottom);
    LoadTable(12, 1) = static_cast<float>(t.roofTemperatureAbove);
    LoadTable(12, 2) = static_cast<float>(t.roofTemperatureBelow);
    for (int k = 3; k <= 7; ++k)
      for (int e = 1; e <= nr; ++e) RoofLoadTables[k](e, 1) = RoofLoadTables[k](e, 2) = static_cast<float>(t.roofKinds[k]);
    for (const auto& n : t.roofNodal)
      for (size_t c = 1; c <= n.second.size(); ++c) RoofNodalLoadTable(n.first, static_cast<int>(c)) = static_cast<float>(n.second[c - 1]);
    // The centre's point load goes where the load command keeps it.
    if (t.roofInner < 0.0001) RoofNodalLoadTable(1, 1) = static_cast<float>(t.roofPoint);
    else LoadTable(5, 2) = static_cast<float>(t.roofPoint);
  }
  SaveLoadFile(3);
}

// The lines of a file, [1..count].
inline std::vector<std::string> Lines(const std::string& file) { return ::FileLines(file, 100000); }

// The blank-separated fields of a line.
inline std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    size_t j = i;
    while (j < line.size() && line[j] != ' ') ++j;
    if (j > i) out.push_back(line.substr(i, j - i));
    i = j;
  }
  return out;
}

// The numbers of a table's rows: lines from `first` to the line before the next one that reads
// as no number (the file's own end rule); each row the numbers of its fields.
inline std::vector<std::vector<double>> TableRows(const std::vector<std::string>& lines, int first) {
  std::vector<std::vector<double>> rows;
  for (int i = first; i < static_cast<int>(lines.size()); ++i) {
    if (i > first && ParseNumber(lines[i]) == 0) break;
    std::vector<double> row;
    for (const std::string& f : Fields(lines[i])) row.push_back(ParseNumber(f));
    rows.push_back(row);
  }
  return rows;
}

}  // namespace testing
}  // namespace corvane
