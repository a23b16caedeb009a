// The elastic-plastic analyses end in a state that obeys the soil's law: a table of piles and
// sheet piles, in Winkler soil and in a half-space, whose motion changes sign along the pile
// while the soil yields (fixed heads, moments against the load, deep piles in soil that stiffens
// with depth). Each case is analysed as the program does, its state checked from what the report
// prints (and, on the half-space, from the soil surface under the yielded nodes), and its Winkler
// results compared with a second method (densewinkler.h).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "../../common/tests/densewinkler.h"
#include "palvore/core/analysis.h"
#include "testsupport.h"

namespace palvore {
namespace {

using testing::PileJob;
using testing::ReadReport;
using testing::Report;
using testing::WriteJob;

class SoundStateTest : public ::testing::Test {
 protected:
  void SetUp() override { SetReportClock([] { return std::tm{}; }); }
  void TearDown() override { SetReportClock(nullptr); }
  TestDirectory dir;
};

struct Outcome {
  int code = 0;
  std::unique_ptr<PileModel> model = std::make_unique<PileModel>();
  Report report;
};

// The job written through Palvore's own listings and analysed elastic-plastic as the analysis
// command does.
Outcome AnalysePlastic(const PileJob& j) {
  WriteJob(j);
  JobSpec = j.name;
  LoadCaseName = j.loadCase;
  YieldAnalysis = 1;
  Outcome o;
  o.code = AnalyseLoadCase(*o.model);
  if (o.code == kSolverDone) o.report = ReadReport(ResultsFileName(j.name, j.loadCase));
  return o;
}

// Soil that stiffens with depth z below the surface: k = k0 + k1 z, yield stress f everywhere.
void DeepSoil(PileJob& j, double k0, double k1, double f) {
  j.soilRows.clear();
  for (int e = j.above + 1; e <= j.elements; ++e) {
    const double zi = (e - 1 - j.above) * j.elementLength, zj = zi + j.elementLength;
    j.soilRows.push_back({double(e), k0 + k1 * zi, k0 + k1 * zj, f, f});
  }
}

// The pile: 37.2 m of 186 elements, B 1.01 m, k = 1107.1 + 8014.2 z, f 30.54 kPa, 287.6 kN
// at its fixed head.
PileJob FixedHeadPile(double bendingStiffness, const std::string& name = "FIXHEAD") {
  PileJob j;
  j.name = name;
  j.elements = 186;
  j.elementLength = 0.2;
  j.width = 1.01;
  j.modulus = 2.0E7;
  j.inertia = bendingStiffness / j.modulus;
  j.topFixed = true;
  j.nodal = {{1, 287.6, 0}};
  DeepSoil(j, 1107.1, 8014.2, 30.54);
  return j;
}

// The subgrade modulus and yield stress at node i (continuous along the pile); 0 off the soil.
void SoilAt(const PileJob& j, int i, double& k, double& f) {
  k = f = 0;
  for (const auto& row : j.soilRows) {
    const int e = static_cast<int>(row[0]);
    if (e == i) k = row[1], f = row[3];
    else if (e == i - 1) k = row[2], f = row[4];
  }
}

constexpr double kPrinted = 0.0005 + 1e-9;  // half a unit of the third decimal

// The printed state against the Winkler soil's law, end by end: an elastic end prints k u below
// the yield stress; a yielded one prints the yield stress with the sign of k u, which reaches it.
// The number of printed ends that break it.
int UnsoundWinklerEnds(const PileJob& j, const Report& r, std::string& first) {
  int unsound = 0;
  for (const auto& row : r.displacements) {
    const int i = static_cast<int>(std::lround(row.depth / j.elementLength)) + 1;
    double k, f;
    SoilAt(j, i, k, f);
    // The surface node prints the free length's end first, without soil.
    if (k == 0 || (i == j.above + 1 && j.above > 0 && row.pressure == 0)) continue;
    const double trial = k * row.translation / 1000, slack = k * kPrinted / 1000 + kPrinted;
    bool sound;
    if (std::fabs(std::fabs(row.pressure) - f) <= kPrinted)
      sound = (row.pressure > 0 ? trial : -trial) >= f * (1 - 0.001) - slack;
    else
      sound = std::fabs(row.pressure) < f && std::fabs(row.pressure - trial) <= slack;
    if (!sound && unsound++ == 0)
      first = "at " + std::to_string(row.depth) + " m: u " + std::to_string(row.translation) + " mm, p " +
              std::to_string(row.pressure) + " kPa";
  }
  return unsound;
}

// The half-space state of the model against the law: elastic nodes below the yield stress,
// yielded ones at it and slipping past the soil surface the way their pressure resists.
int UnsoundHalfSpaceNodes(const PileModel& m, std::string& first) {
  int unsound = 0;
  double largest = 0;
  for (int i = m.above + 1; i <= m.nodes; ++i) largest = std::max(largest, std::fabs(m.u[2 * i - 1]));
  for (int i = m.above + 1; i <= m.nodes; ++i) {
    const double p = m.pressures[i], y = m.yieldStress;
    const bool yielded = m.yieldPasses > 0 && m.yieldStatus[i] == 1;
    bool sound = std::fabs(p) - y < 0.001;
    if (yielded) sound = std::fabs(std::fabs(p) - y) < 1e-9 * y && (p > 0 ? 1 : -1) * (m.u[2 * i - 1] - m.surface[i]) >= -1e-12 * largest;
    if (!sound && unsound++ == 0)
      first = "node " + std::to_string(i) + (yielded ? " yielded" : " elastic") + ": p " + std::to_string(p);
  }
  return unsound;
}

// The second method on the same pile (translations, du/dx rotations: Palvore's moments turn the
// other way).
densewinkler::Solution DenseSolution(const PileJob& j) {
  densewinkler::Beam b;
  const double plate = j.sheetPile ? 1 - j.poisson * j.poisson : 1.0;
  for (int e = 1; e <= j.elements; ++e) {
    densewinkler::Element el;
    el.length = j.elementLength;
    el.stiffness = j.modulus * j.inertia / plate;
    for (const auto& row : j.soilRows)
      if (static_cast<int>(row[0]) == e) {
        el.soil = true;
        el.width = j.sheetPile ? 1.0 : j.width;
        el.ki = row[1], el.kj = row[2], el.fi = row[3], el.fj = row[4];
      }
    b.elements.push_back(el);
  }
  b.force.assign(j.elements + 1, 0.0);
  b.moment = b.force;
  for (const auto& row : j.nodal) {
    b.force[static_cast<int>(row[0]) - 1] += row[1];
    b.moment[static_cast<int>(row[0]) - 1] -= row[2];
  }
  if (j.topFixed) b.held.push_back(1);
  return densewinkler::SolveBeam(b);
}

struct Case {
  std::string name;
  PileJob job;
};

std::vector<Case> WinklerCases() {
  std::vector<Case> cases;
  // The pile, and stiffnesses at which the yield zone reaches deeper.
  cases.push_back({"fixed head EI 8.45E5", FixedHeadPile(8.45E5)});
  // At 3.0E5 the yield zone reaches so deep that halves which never returned to elastic left
  // too few in contact to carry the pile.
  for (double ei : {3.0E5, 4.0E5, 4.5E5, 5.0E5}) cases.push_back({"fixed head EI " + std::to_string(ei), FixedHeadPile(ei)});
  // A free head turned back by a moment against the load: the top moves against the load.
  {
    PileJob j = FixedHeadPile(4.0E5, "BACKMOM");
    j.topFixed = false;
    j.nodal = {{1, 200, -900}};
    cases.push_back({"free head, moment against the load", j});
  }
  // A long free-head pile: below the rotation point the soil holds it the other way.
  {
    PileJob j = FixedHeadPile(3.0E5, "FREEHEAD");
    j.topFixed = false;
    j.nodal = {{1, 120, 0}};
    cases.push_back({"free head, deep", j});
  }
  // Sheet piles a metre wide with a free length above the soil, free and fixed at the top.
  for (bool fixed : {false, true}) {
    PileJob j;
    j.name = fixed ? "SHEETFIX" : "SHEETFREE";
    j.sheetPile = true;
    j.elements = 60;
    j.above = 10;
    j.elementLength = 0.25;
    j.inertia = 2.0E-4;
    j.modulus = 2.1E8;
    j.topFixed = fixed;
    j.nodal = {{1, fixed ? 120.0 : 60.0, 0}};
    DeepSoil(j, 2000, 9000, 40);
    cases.push_back({fixed ? "sheet pile, fixed top" : "sheet pile, free top", j});
  }
  return cases;
}

void CheckWinklerCase(const Case& c) {
  SCOPED_TRACE(c.name);
  {
    Outcome o = AnalysePlastic(c.job);
    ASSERT_EQ(o.code, kSolverDone);
    ASSERT_FALSE(o.report.displacements.empty());
    std::string first;
    EXPECT_EQ(UnsoundWinklerEnds(c.job, o.report, first), 0) << first;
    EXPECT_GE(o.model->yieldPasses, 1);
    // The second method: the same translations.
    const densewinkler::Solution dense = DenseSolution(c.job);
    ASSERT_TRUE(dense.settled);
    double largest = 0, off = 0;
    for (int i = 1; i <= c.job.elements + 1; ++i) {
      largest = std::max(largest, std::fabs(dense.u[2 * (i - 1)]));
      off = std::max(off, std::fabs(o.model->u[2 * i - 1] - dense.u[2 * (i - 1)]));
    }
    EXPECT_LE(off, 2e-3 * largest) << "largest " << largest;
  }
}

TEST_F(SoundStateTest, WinklerCasesEndInAStateTheSoilCanBeIn) {
  for (const Case& c : WinklerCases()) CheckWinklerCase(c);
}

TEST_F(SoundStateTest, FixedHeadPileInDeepYieldingSoil) {
  const PileJob j = FixedHeadPile(8.45E5);
  Outcome o = AnalysePlastic(j);
  ASSERT_EQ(o.code, kSolverDone);
  const double head = o.report.displacements.at(0).translation;
  EXPECT_GE(head, 19.5);
  EXPECT_LE(head, 20.3);
  // No element end prints a pressure that pulls the pile the way it moves.
  for (const auto& row : o.report.displacements)
    EXPECT_FALSE(row.pressure * row.translation < 0 && std::fabs(row.translation) > kPrinted)
        << row.depth << " m: " << row.translation << " mm, " << row.pressure << " kPa";
  // The translation changes sign within the upper third.
  double zero = 0;
  for (const auto& row : o.report.displacements)
    if (row.translation <= 0) {
      zero = row.depth;
      break;
    }
  EXPECT_GT(zero, 10.0);
  EXPECT_LT(zero, 14.0);
}

// A 10 m pile of 20 elements, B 0.5, E I 4E4, in a half-space of Es 1E4, nu 0.3; fy a fraction of
// the elastic surface pressure.
std::vector<Case> HalfSpaceCases() {
  std::vector<Case> cases;
  auto pile = [](const std::string& name, bool fixed, double force, double moment) {
    PileJob j;
    j.name = name;
    j.elements = 20;
    j.elementLength = 0.5;
    j.halfSpace = true;
    j.soilModulus = 1.0E4;
    j.soilPoisson = 0.3;
    j.topFixed = fixed;
    j.nodal = {{1, force, moment}};
    return j;
  };
  for (double f : {70.0, 110.0}) {
    cases.push_back({"free head fy " + std::to_string(f), pile("HSFREE", false, 100, 0)});
    cases.back().job.yieldStress = f;
    cases.push_back({"fixed head fy " + std::to_string(f), pile("HSFIX", true, 100, 0)});
    cases.back().job.yieldStress = f;
  }
  cases.push_back({"moment against the load", pile("HSBACK", false, 100, -150)});
  cases.back().job.yieldStress = 52.5;
  PileJob sheet = pile("HSSHEET", false, 40, 0);
  sheet.sheetPile = true;
  sheet.above = 4;
  sheet.elements = 24;
  sheet.yieldStress = 16.0;
  cases.push_back({"sheet pile with a free length", sheet});
  return cases;
}

void CheckHalfSpaceCase(const Case& c) {
  SCOPED_TRACE(c.name);
  Outcome o = AnalysePlastic(c.job);
  ASSERT_EQ(o.code, kSolverDone);
  EXPECT_GE(o.model->yieldPasses, 1);
  std::string first;
  EXPECT_EQ(UnsoundHalfSpaceNodes(*o.model, first), 0) << first;
}

TEST_F(SoundStateTest, HalfSpaceCasesEndInAStateTheSoilCanBeIn) {
  for (const Case& c : HalfSpaceCases()) CheckHalfSpaceCase(c);
}

}  // namespace
}  // namespace palvore
