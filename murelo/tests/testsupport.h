#pragma once
// Helpers of Murelo's tests: retaining-wall jobs written through the program's own listings, the
// solver tool run on them, and a reader of the results report that takes its tables back the
// way the graphs do.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "../../common/tests/testdir.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/reporttext.h"
#include "core/textfiles.h"
#include "murelo/core/analysis.h"
#include "murelo/core/globals.h"
#include "murelo/core/jobfiles.h"
#include "murelo/core/slots.h"
#include "solvetool.h"

namespace murelo {
namespace testing {

// A fresh working directory and the report clock on a fixed day, 03-07-2025.
class WallTest : public ::testing::Test {
 protected:
  static std::tm FixedDay() {
    std::tm t{};
    t.tm_year = 2025 - 1900;
    t.tm_mon = 2;
    t.tm_mday = 7;
    return t;
  }
  void SetUp() override { SetReportClock(FixedDay); }
  void TearDown() override { SetReportClock(nullptr); }
  TestDirectory dir_;
};

// One substructure of uniform elements.
struct Part {
  int elements = 0;
  double width = 0;      // element width [m]
  double thickness = 0;  // [m]
};

// A wall job's geometry: the base plate, its toe length, the stem, and both materials.
struct WallGeometry {
  Part plate{4, 1.0, 0.5};
  double toe = 2.0;
  Part stem{3, 1.0, 0.3};
  double modulus = 3.0E7, poisson = 0.2;
  double plateModulus = -1;  // the base plate's own modulus when not below 0
  std::vector<std::pair<int, double>> plateWidths;  // (element, width) rows off the uniform width
};

// The job of the tests: base plate 4 x 1 m, t 0.5, toe 2; stem 3 x 1 m, t 0.3; E 3.0E7, nu 0.2.
inline WallGeometry StandardWall() { return WallGeometry(); }

inline void FillElements(Table2D<double>& table, const Part& p) {
  table.Redim(p.elements, 4);
  for (int i = 1; i <= p.elements; ++i) {
    table(i, 0) = i;
    table(i, 1) = p.width;
    table(i, 2) = p.thickness;
  }
}

// Sets the globals of the geometry and writes <job>.geo through the listing.
inline void WriteGeometry(const std::string& job, const WallGeometry& g) {
  GeneralData.Redim(2, 5);
  GeneralData(1, 1) = g.plate.elements;
  GeneralData(1, 2) = g.plate.elements * g.plate.width;
  GeneralData(1, 3) = g.plateModulus >= 0 ? g.plateModulus : g.modulus;
  GeneralData(1, 4) = g.poisson;
  GeneralData(1, 5) = g.toe;
  GeneralData(2, 1) = g.stem.elements;
  GeneralData(2, 2) = g.stem.elements * g.stem.width;
  GeneralData(2, 3) = g.modulus;
  GeneralData(2, 4) = g.poisson;
  FillElements(BasePlateElements, g.plate);
  for (const auto& row : g.plateWidths) BasePlateElements(row.first, 1) = row.second;
  FillElements(WallStemElements, g.stem);
  TextLineArray lines(1);
  GeometryLines at = ListGeometry(lines, GeometryHeader(job));
  ListGeometryRows(lines, BasePlateElements, g.plate.elements, at.plateRows);
  ListGeometryRows(lines, WallStemElements, g.stem.elements, at.stemRows);
  ASSERT_TRUE(SaveTextLines(GeometryFileName(job), lines, at.last));
}

// Supports of a job: the toe restraint, unyielding nodes ("" none), a uniform Winkler modulus
// (0 none) or a half-space (E 0 none).
struct WallSupports {
  bool toeRestrained = true;
  std::string unyielding;
  double winkler = 0, winklerYield = 0;  // the yield stress at every element end
  double halfSpaceModulus = 0, halfSpacePoisson = 0.3, yieldStress = 0;
  bool halfSpace = false;  // the half-space chosen whatever its modulus
  std::vector<std::vector<double>> elastic, restraints;  // (node, two spring constants) rows
};

inline void FillRows(Table2D<double>& table, const std::vector<std::vector<double>>& rows) {
  table.Redim(static_cast<int>(rows.size()), 3);
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c) table(static_cast<int>(r) + 1, static_cast<int>(c)) = rows[r][c];
}

inline void WriteSupports(const std::string& job, const WallSupports& s, int plateElements) {
  SupportFlags.assign(kSupportFlagSlots, "N");
  SupportFlags[kToeRestrainedSlot] = s.toeRestrained ? "Y" : "N";
  SupportFlags[kUnyieldingSlot] = s.unyielding.empty() ? "N" : "Y";
  UnyieldingNodes = s.unyielding;
  SupportFlags[kElasticSupportsSlot] = s.elastic.empty() ? "N" : "Y";
  SupportFlags[kWinklerSlot] = s.winkler > 0 ? "Y" : "N";
  SupportFlags[kStemRestraintsSlot] = s.restraints.empty() ? "N" : "Y";
  SupportFlags[kHalfSpaceSlot] = s.halfSpaceModulus > 0 || s.halfSpace ? "Y" : "N";
  SupportFlags[kHalfSpaceModulusSlot] = NumberToText(s.halfSpaceModulus);
  SupportFlags[kHalfSpacePoissonSlot] = NumberToText(s.halfSpacePoisson);
  SupportFlags[kHalfSpaceYieldSlot] = NumberToText(s.yieldStress);
  WinklerTable.Redim(plateElements, 4);
  for (int e = 1; e <= plateElements; ++e) {
    WinklerTable(e, 0) = e;
    WinklerTable(e, 1) = WinklerTable(e, 2) = s.winkler;
    WinklerTable(e, 3) = WinklerTable(e, 4) = s.winklerYield;
  }
  FillRows(ElasticSupportTable, s.elastic);
  FillRows(StemRestraintTable, s.restraints);
  TextLineArray lines(1);
  SupportRowLines rows;
  rows.winkler = s.winkler > 0 ? plateElements : 0;
  rows.elastic = static_cast<int>(s.elastic.size());
  rows.restraints = static_cast<int>(s.restraints.size());
  ListSupports(lines, SupportHeader(job), s.unyielding, rows);
  if (rows.winkler > 0) ListSupportRows(lines, WinklerTable, 4, rows.winkler, rows.winkler + plateElements - 1);
  if (rows.elastic > 0)
    ListSupportRows(lines, ElasticSupportTable, 2, rows.elastic, rows.elastic + static_cast<int>(s.elastic.size()) - 1);
  if (rows.restraints > 0)
    ListSupportRows(lines, StemRestraintTable, 2, rows.restraints,
                    rows.restraints + static_cast<int>(s.restraints.size()) - 1);
  ASSERT_TRUE(SaveTextLines(SupportFileName(job), lines, rows.last));
}

// The loads of one case: LoadTable items and the rows of each table (number first).
struct WallLoads {
  double plateUniform = 0, plateDensity = 0, stemUniform = 0, stemDensity = 0;
  std::vector<std::vector<double>> plateNodal, plateTrapezoidal, stemNodal, stemHorizontal, stemVertical;
};

// Writes <job>.LD<c> through the listing and <job>.COX with the one case.
inline void WriteLoads(const std::string& job, const std::string& loadCase, const WallLoads& l) {
  LoadTable.Redim(2, 2);
  LoadTable(1, 1) = l.plateUniform;
  LoadTable(1, 2) = l.plateDensity;
  LoadTable(2, 1) = l.stemUniform;
  LoadTable(2, 2) = l.stemDensity;
  FillRows(PlateNodalLoads, l.plateNodal);
  FillRows(PlateTrapezoidalLoads, l.plateTrapezoidal);
  FillRows(StemNodalLoads, l.stemNodal);
  FillRows(StemHorizontalLoads, l.stemHorizontal);
  FillRows(StemVerticalLoads, l.stemVertical);
  TextLineArray lines(1);
  LoadRowLines rows;
  rows.plateNodal = static_cast<int>(l.plateNodal.size());
  rows.plateTrapezoidal = static_cast<int>(l.plateTrapezoidal.size());
  rows.stemNodal = static_cast<int>(l.stemNodal.size());
  rows.stemHorizontal = static_cast<int>(l.stemHorizontal.size());
  rows.stemVertical = static_cast<int>(l.stemVertical.size());
  ListLoads(lines, LoadHeader(job, loadCase), rows);
  auto list = [&](const Table2D<double>& t, int columns, int first, size_t n) {
    if (first > 0) ListLoadRows(lines, t, columns, first, first + static_cast<int>(n) - 1);
  };
  list(PlateNodalLoads, 2, rows.plateNodal, l.plateNodal.size());
  list(PlateTrapezoidalLoads, 2, rows.plateTrapezoidal, l.plateTrapezoidal.size());
  list(StemNodalLoads, 3, rows.stemNodal, l.stemNodal.size());
  list(StemHorizontalLoads, 2, rows.stemHorizontal, l.stemHorizontal.size());
  list(StemVerticalLoads, 2, rows.stemVertical, l.stemVertical.size());
  ASSERT_TRUE(SaveTextLines(LoadFileName(job, loadCase), lines, rows.last));
  TextLineArray cases{"", loadCase};
  ASSERT_TRUE(SaveTextLines(LoadCaseListFileName(job), cases, 1));
}

// The standard wall on Winkler soil of 10000 kPa/m with its toe restrained, and load case "A":
// a uniform load on the base plate and the stem's horizontal load rows.
inline void WriteWinklerJob(const std::string& job, double plateUniform,
                            const std::vector<std::vector<double>>& stemHorizontal) {
  WallSupports s;
  s.winkler = 10000;
  WallLoads l;
  l.plateUniform = plateUniform;
  l.stemHorizontal = stemHorizontal;
  WriteGeometry(job, StandardWall());
  WriteSupports(job, s, 4);
  WriteLoads(job, "A", l);
}

// One section of a parsed report.
struct ForceRow {
  double distance = 0, shear = 0, axial = 0, moment = 0;
};
struct DisplacementRow {
  double distance = 0, rotation = 0, first = 0, second = NAN, pressure = NAN;  // translations [mm]
  std::string pressureText;  // the pressure field as printed
};
struct Section {
  int nameLine = 0, forceEnd = 0, firstDisplacement = 0;
  std::vector<ForceRow> forces;
  std::vector<DisplacementRow> displacements;
  double total = NAN;
  std::string totalLine;  // as printed, "" when the section has none
};
struct Report {
  TextLineArray lines;
  int count = 0;
  Section plate, stem;
};

inline std::vector<double> Numbers(const std::string& line) {
  std::vector<double> v;
  for (const std::string& f : SplitFields(line)) v.push_back(ParseNumber(f));
  return v;
}

inline Section ReadSection(const TextLineArray& lines, int count, const std::string& name, bool plate) {
  Section s;
  FindTextLine(lines, count, name, s.nameLine);
  if (s.nameLine == 0) return s;
  int i = s.nameLine + 5;
  for (; i <= count && !Trim(lines[i]).empty(); ++i) {
    std::vector<double> v = Numbers(lines[i]);
    if (v.size() >= 4) s.forces.push_back({v[0], v[1], v[2], v[3]});
  }
  s.forceEnd = i;
  s.firstDisplacement = i + 10;
  for (i = s.firstDisplacement; i <= count && !Trim(lines[i]).empty(); ++i) {
    std::vector<double> v = Numbers(lines[i]);
    DisplacementRow r;
    r.distance = v.at(0);
    r.rotation = v.at(1);
    r.first = v.at(2);
    size_t next = 3;
    if (plate) r.second = v.at(next++);
    if (v.size() > next) {
      r.pressure = v[next];
      r.pressureText = SplitFields(lines[i])[next];
    }
    s.displacements.push_back(r);
  }
  if (i + 1 <= count && lines[i + 1].find("[kN]") != std::string::npos) {
    s.totalLine = lines[i + 1];
    s.total = ParseNumber(lines[i + 1].substr(lines[i + 1].find(':') + 1));
  }
  return s;
}

inline Report ReadReport(const std::string& file) {
  Report r;
  LoadTextLines(file, r.lines, 5000, r.count);
  r.plate = ReadSection(r.lines, r.count, "BASE PLATE", true);
  r.stem = ReadSection(r.lines, r.count, "WALL STEM", false);
  return r;
}

// A job analysed by the solver tool: its status, output, model and report.
struct SolverRun {
  int status = 0;
  std::string output;
  WallModel model;
  Report report;
};

inline SolverRun Analyse(const std::string& job, const std::string& loadCase, const std::string& mode = "elastic") {
  SolverRun r;
  r.status = RunSolveTool({job, loadCase, mode}, r.output, &r.model);
  r.report = ReadReport(ResultsFileName(job, loadCase));
  return r;
}

// The whole job: geometry, supports and one load case, analysed.
inline SolverRun AnalyseWall(const WallGeometry& g, const WallSupports& s, const WallLoads& l,
                             const std::string& job = "WALL", const std::string& loadCase = "A",
                             const std::string& mode = "elastic") {
  WriteGeometry(job, g);
  WriteSupports(job, s, g.plate.elements);
  WriteLoads(job, loadCase, l);
  return Analyse(job, loadCase, mode);
}

}  // namespace testing
}  // namespace murelo
