// The elastic-plastic analyses end in a state that obeys the soil's law: a table of beams and
// strips on Winkler soil and on a half-space whose motion changes sign while the soil yields
// (loads at an edge that lift the other, end moments, loads up and down, a fixed edge). Each case
// is analysed as the program does, its state checked from what the report prints (on the
// half-space also against the soil surface under its yielded nodes), and its Winkler results
// compared with a second method (densewinkler.h).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "../../common/tests/densewinkler.h"
#include "solvetool.h"
#include "testsupport.h"
#include "trabix/core/analysis.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/resultsreport.h"

namespace trabix {
namespace {

using testing::CopyJob;
using testing::EditFile;
using testing::ReadReport;
using testing::Report;

class SoundStateTest : public ::testing::Test {
 protected:
  void SetUp() override { SetReportClock([] { return std::tm{}; }); }
  void TearDown() override { SetReportClock(nullptr); }
  TestDirectory dir_;
};

struct NodalLoad {
  int node;
  double force, moment;  // downward, clockwise
};

struct Case {
  std::string name, fixture;
  std::vector<NodalLoad> loads;
  bool leftFixed = false, rightFixed = false;
  std::string geometryFrom;  // another fixture's geometry in place of the job's own (empty: none)
  std::string thickness;     // WINKYLD's element thickness in place of 0.4000 (empty: kept)
  std::string soilRow;       // every Winkler row's values after its element number (empty: kept)
};

std::string Padded(const std::string& text, size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// The fixture job with the case's fixities and a load case "S" of its nodal loads, as the load
// dialog lists them.
void WriteCase(const Case& c) {
  CopyJob(c.fixture);
  const std::string job = c.fixture;
  if (!c.geometryFrom.empty()) {
    int count = 0;
    TextLineArray geo = testing::LoadFixture(c.geometryFrom + ".GEO", count);
    geo[1] = "Job: " + job + " // GEOMETRY & MAT. PROPERTIES";
    ASSERT_TRUE(SaveTextLines(job + ".GEO", geo, count));
  }
  if (!c.thickness.empty() && c.thickness != "0.4000") EditFile(job + ".GEO", "           0.4000  ", "           " + c.thickness + "  ");
  if (!c.soilRow.empty()) {
    TextLineArray lines;
    int count = 0;
    LoadTextLines(job + ".SUP", lines, 5000, count);
    for (int i = 1; i <= count; ++i)
      if (lines[i].find("E+") != std::string::npos) lines[i] = lines[i].substr(0, 7) + c.soilRow;
    ASSERT_TRUE(SaveTextLines(job + ".SUP", lines, count));
  }
  if (c.leftFixed) EditFile(job + ".SUP", "Left Edge Fixed against Rotation (?):  N", "Left Edge Fixed against Rotation (?):  Y");
  if (c.rightFixed)
    EditFile(job + ".SUP", "Right Edge Fixed against Rotation (?):  N", "Right Edge Fixed against Rotation (?):  Y");
  TextLineArray load{"",
                     "Job: " + job + " // LOADS (S)",
                     "LOAD DATA:",
                     "Uniform Load [kN/m]: 0.0",
                     "Self Weight (Mass Density) [kg/m^3]: 0.0",
                     "",
                     "NODAL LOADING:",
                     " Node 'i'      Downward Force Pi      Clockwise Moment Mi",
                     "                     [kN]                   [kN*m]"};
  for (const NodalLoad& l : c.loads)
    load.push_back(Padded(std::to_string(l.node), 5) + Padded(FormatNumber(l.force, "###0.0000"), 22) +
                   Padded(FormatNumber(l.moment, "###0.0000"), 24));
  for (const char* line : {"**REMARK: - NODE NUMBERING STARTS AT BEAM/STRIP LEFT EDGE",
                           "          - DOWNWARD FORCES ARE CONSIDERED TO BE POSITIVE",
                           "          - CLOCKWISE MOMENTS ARE CONSIDERED TO BE POSITIVE", "",
                           "------------------------- END OF LOAD DATA -------------------------"})
    load.push_back(line);
  ASSERT_TRUE(SaveTextLines(job + ".LDS", load, static_cast<int>(load.size()) - 1));
  ASSERT_TRUE(SaveTextLines(job + ".CAS", {"", "S"}, 1));
}

struct Outcome {
  int code = 0;
  std::unique_ptr<BeamModel> model = std::make_unique<BeamModel>();
  Report report;
};

Outcome AnalysePlastic(const Case& c) {
  Outcome o;
  WriteCase(c);
  JobSpec = c.fixture;
  LoadCaseName = "S";
  YieldAnalysis = 1;
  o.code = AnalyseLoadCase(*o.model);
  if (o.code == kSolverDone) o.report = ReadReport(ResultsFileName(JobSpec, LoadCaseName));
  return o;
}

constexpr double kPrinted = 0.0005 + 1e-9;  // half a unit of the third decimal

// The printed state against the Winkler soil's law, end by end (see Palvore's table): the number
// of printed ends that break it.
int UnsoundWinklerEnds(const BeamModel& m, const Report& r, std::string& first) {
  int unsound = 0;
  for (const auto& row : r.displacements) {
    int i = 1;
    while (i < m.nodes && std::fabs(m.x[i] - row.distance) > 1e-6) ++i;
    const int e = i <= m.elements ? i : i - 1;
    const int end = i <= m.elements ? 0 : 1;
    const double k = SoilTable(e, 1 + end), f = SoilTable(e, 3 + end);
    const double trial = k * row.translation / 1000, slack = k * kPrinted / 1000 + kPrinted;
    bool sound;
    if (f > 0 && std::fabs(std::fabs(row.pressure) - f) <= kPrinted)
      sound = (row.pressure > 0 ? trial : -trial) >= f * (1 - 0.001) - slack;
    else
      sound = (!(f > 0) || std::fabs(row.pressure) < f) && std::fabs(row.pressure - trial) <= slack;
    if (!sound && unsound++ == 0)
      first = "at " + std::to_string(row.distance) + " m: u " + std::to_string(row.translation) + " mm, p " +
              std::to_string(row.pressure) + " kPa";
  }
  return unsound;
}

// The half-space state of the model against the law (see Palvore's table).
int UnsoundHalfSpaceNodes(const BeamModel& m, std::string& first) {
  int unsound = 0;
  double largest = 0;
  for (int i = 1; i <= m.nodes; ++i) largest = std::max(largest, std::fabs(m.u[2 * i - 1]));
  for (int i = 1; i <= m.nodes; ++i) {
    const double p = m.pressures[i], y = m.yieldStress;
    const bool yielded = m.yieldPasses > 0 && m.yieldStatus[i] == 1;
    bool sound = std::fabs(p) - y < 0.001;
    if (yielded)
      sound = std::fabs(std::fabs(p) - y) < 1e-6 * y && (p > 0 ? 1 : -1) * (m.u[2 * i - 1] - m.surface[i]) >= -1e-12 * largest;
    if (!sound && unsound++ == 0)
      first = "node " + std::to_string(i) + (yielded ? " yielded" : " elastic") + ": p " + std::to_string(p);
  }
  return unsound;
}

densewinkler::Solution DenseSolution(const BeamModel& m) {
  densewinkler::Beam b;
  for (int e = 1; e <= m.elements; ++e) {
    densewinkler::Element el;
    el.length = m.length[e];
    el.stiffness = m.modulus * m.inertia[e];
    el.soil = true;
    el.width = m.strip ? 1.0 : m.width[e];
    el.ki = SoilTable(e, 1), el.kj = SoilTable(e, 2), el.fi = SoilTable(e, 3), el.fj = SoilTable(e, 4);
    b.elements.push_back(el);
  }
  b.force.assign(m.nodes, 0.0);
  b.moment = b.force;
  for (int i = 1; i <= m.nodes; ++i) {
    b.force[i - 1] = NodalLoadTable(i, 1);
    b.moment[i - 1] = NodalLoadTable(i, 2);
  }
  for (int r : m.fixedFreedoms) b.held.push_back(r - 1);
  for (int k : m.supportNodes) b.held.push_back(2 * (k - 1));
  return densewinkler::SolveBeam(b);
}

void CheckWinklerCase(const Case& c) {
  SCOPED_TRACE(c.name);
  Outcome o = AnalysePlastic(c);
  ASSERT_EQ(o.code, kSolverDone);
  ASSERT_FALSE(o.report.displacements.empty());
  EXPECT_GE(o.model->yieldPasses, 1);
  std::string first;
  EXPECT_EQ(UnsoundWinklerEnds(*o.model, o.report, first), 0) << first;
  const densewinkler::Solution dense = DenseSolution(*o.model);
  ASSERT_TRUE(dense.settled);
  double largest = 0, off = 0;
  for (int i = 1; i <= o.model->nodes; ++i) {
    largest = std::max(largest, std::fabs(dense.u[2 * (i - 1)]));
    off = std::max(off, std::fabs(o.model->u[2 * i - 1] - dense.u[2 * (i - 1)]));
  }
  EXPECT_LE(off, 2e-3 * largest) << "largest " << largest;
}

// WINKYLD: a beam 10 m long in 20 elements (0.4 m thick, or 0.25 m) on k 2E4 kPa/m, yield stress
// 100 kPa. The strip takes HSYIELD's geometry (2 m in 20 elements, per metre) on the same soil.
TEST_F(SoundStateTest, WinklerCasesEndInAStateTheSoilCanBeIn) {
  const Case cases[] = {
      {"beam, load at its edge", "WINKYLD", {{1, 290, 0}}},
      {"beam, end moments and a load", "WINKYLD", {{1, 0, -450}, {11, 750, 0}, {21, 0, 450}}},
      {"beam, loads up and down", "WINKYLD", {{6, 500, 0}, {16, -260, 0}}},
      {"beam, fixed edge, load at the other", "WINKYLD", {{21, 380, 0}}, true},
      {"beam, both edges fixed, a moment", "WINKYLD", {{8, 900, 750}}, true, true},
      {"thin beam, loads at both edges", "WINKYLD", {{1, 300, 0}, {21, -90, 0}}, false, false, "", "0.2500"},
      {"thin beam, end moment, a load lifting the other end", "WINKYLD", {{1, 0, 300}, {11, 300, 0}, {21, -180, 0}},
       false, false, "", "0.2500"},
      {"strip, load at its edge", "WINKYLD", {{1, 60, 0}}, false, false, "HSYIELD"},
      {"strip, end moment", "WINKYLD", {{1, 90, 37.5}}, false, false, "HSYIELD"},
  };
  for (const Case& c : cases) CheckWinklerCase(c);
}

void CheckHalfSpaceCase(const Case& c) {
  SCOPED_TRACE(c.name);
  Outcome o = AnalysePlastic(c);
  ASSERT_EQ(o.code, kSolverDone);
  EXPECT_GE(o.model->yieldPasses, 1);
  std::string first;
  EXPECT_EQ(UnsoundHalfSpaceNodes(*o.model, first), 0) << first;
}

// HSYIELD: a strip 2 m wide in 20 elements on a half-space of E 2E4 kPa, nu 0.3, yield stress
// 130 kPa; HSBEAM: a beam on one of E 3E4 kPa, nu 0.25, yield stress 300 kPa.
TEST_F(SoundStateTest, HalfSpaceCasesEndInAStateTheSoilCanBeIn) {
  const Case cases[] = {
      {"strip, load at its edge", "HSYIELD", {{1, 77, 0}}},
      {"strip, end moment and a load", "HSYIELD", {{1, 0, 45}, {11, 180, 0}}},
      {"strip, loads up and down", "HSYIELD", {{5, 120, 0}, {17, -40, 0}}},
      {"strip, fixed edge", "HSYIELD", {{21, 200, 0}}, true},
      {"beam, load at its edge", "HSBEAM", {{1, 420, 0}}},
      {"beam, end moments", "HSBEAM", {{1, 0, 600}, {6, 1050, 0}}},
  };
  for (const Case& c : cases) CheckHalfSpaceCase(c);
}

// WINKSTEP: a beam 4 m long in 4 elements, 0.5 m wide, here on k 1E4 kPa/m with a yield stress
// of 40 kPa, 20 kN down at one end and 10 kN up at the other. The two states that the soil's law
// leaves (the lifted end's soil yielded or not) send each other round: no state carries the
// loads, and the iteration says so with its own warning instead of reporting either.
TEST_F(SoundStateTest, ShortBeamWhoseStatesGoRoundStopsWithTheIterationWarning) {
  Case c{"", "WINKSTEP", {{1, 20, 0}, {5, -10, 0}}};
  c.soilRow = "        1.0000E+4        1.0000E+4          40.000         40.000";
  CopyJob("WINKSTEP");
  WriteBytes("WINKSTEP.RBS", "the report of an earlier run\r\n");
  Outcome o = AnalysePlastic(c);
  EXPECT_EQ(o.code, kStopIterationUnstable);
  EXPECT_FALSE(FileExists("WINKSTEP.RBS"));
  EXPECT_NE(SolverStopMessage(o.code).find("The ITERARTION PROCESS is Unstable!"), std::string::npos);
  EXPECT_LE(o.model->yieldPasses, 8);  // one pass per contact half at most
}

}  // namespace
}  // namespace trabix
