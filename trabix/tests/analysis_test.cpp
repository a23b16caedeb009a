// Analyses of job-file fixtures through the solver tool, with the reports parsed back and
// checked against closed forms of beam theory, of a beam on a Winkler foundation and of a
// flexible load on an elastic half-space.
#include <gtest/gtest.h>

#include <cmath>

#include "solvetool.h"
#include "testsupport.h"
#include "trabix/core/analysis.h"
#include "trabix/core/globals.h"
#include "trabix/core/resultsreport.h"

namespace trabix {
namespace {

using testing::Analyse;
using testing::CopyJob;
using testing::EditFile;
using testing::ReadReport;
using testing::Report;
using testing::SolverRun;

std::tm FixedDay() {
  std::tm t{};
  t.tm_year = 2025 - 1900;
  t.tm_mon = 2;
  t.tm_mday = 7;
  return t;
}

// Half a unit of the last printed place, and a little for the binary value behind it.
constexpr double kMm = 0.0005 + 1e-9;    // translations [mm], three decimals
constexpr double kForce = 0.005 + 1e-9;  // shears and moments, two decimals

double SlopeTolerance(double slope) { return std::fabs(slope) * 5.1e-5 + 1e-12; }

class SolverTest : public ::testing::Test {
 protected:
  void SetUp() override { SetReportClock(FixedDay); }
  void TearDown() override { SetReportClock(nullptr); }
  TestDirectory dir_;
};

TEST_F(SolverTest, CantileverMatchesBeamTheoryAtTheNodes) {
  SolverRun r = Analyse("CANTI", "P");
  ASSERT_EQ(r.status, 0) << r.output;
  const double L = 4, P = 10, q = 5, EI = 3.0e7 * 0.3 * 0.125 / 12;
  ASSERT_EQ(r.report.displacements.size(), 5u);
  ASSERT_EQ(r.report.forces.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    double x = i * 1.0;
    double w = P * x * x * (3 * L - x) / (6 * EI) + q * x * x * (6 * L * L - 4 * L * x + x * x) / (24 * EI);
    double slope = P * x * (2 * L - x) / (2 * EI) + q * x * (3 * L * L - 3 * L * x + x * x) / (6 * EI);
    double moment = -P * (L - x) - q * (L - x) * (L - x) / 2;  // hogging
    double shear = P + q * (L - x);
    const auto& d = r.report.displacements[i];
    EXPECT_NEAR(d.distance, x, 1e-9);
    EXPECT_NEAR(d.translation, w * 1000, kMm) << "node " << i + 1;
    EXPECT_NEAR(d.slope, slope, SlopeTolerance(slope)) << "node " << i + 1;
    const auto& f = r.report.forces[i].values;
    if (i > 0) {
      EXPECT_NEAR(f[0], shear, kForce) << "node " << i + 1;
      EXPECT_NEAR(f[2], moment, kForce) << "node " << i + 1;
    }
    if (i < 4) {
      EXPECT_NEAR(f[1], shear, kForce) << "node " << i + 1;
      EXPECT_NEAR(f[3], moment, kForce) << "node " << i + 1;
    }
  }
  EXPECT_TRUE(std::isnan(r.report.forces[0].values[0]));  // nothing left of the first node
  EXPECT_TRUE(std::isnan(r.report.forces[4].values[1]));  // nor right of the last
}

TEST_F(SolverTest, SimplySupportedBeamMatchesBeamTheoryAtTheNodes) {
  SolverRun r = Analyse("SIMPLE", "Q");
  ASSERT_EQ(r.status, 0) << r.output;
  const double L = 8, P = 40, EI = 2.5e7 * 0.4 * 0.216 / 12;
  const double q = 10 + 2500 * 9.81 / 1000 * 0.4 * 0.6;  // uniform load and self weight
  ASSERT_EQ(r.report.displacements.size(), 9u);
  for (int i = 0; i < 9; ++i) {
    double x = i * 1.0, a = std::min(x, L - x), side = x <= L / 2 ? 1 : -1;
    double w = q * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * EI) + P * a * (3 * L * L - 4 * a * a) / (48 * EI);
    double slope = q * (L * L * L - 6 * L * x * x + 4 * x * x * x) / (24 * EI) + side * P * (L * L - 4 * a * a) / (16 * EI);
    double moment = q * x * (L - x) / 2 + P * a / 2;
    const auto& d = r.report.displacements[i];
    EXPECT_NEAR(d.translation, w * 1000, kMm) << "node " << i + 1;
    if (i != 4) {
      EXPECT_NEAR(d.slope, slope, SlopeTolerance(slope)) << "node " << i + 1;
    } else {
      EXPECT_EQ(d.slope, 0.0);
    }
    const auto& f = r.report.forces[i].values;
    double shearLeft = q * (L / 2 - x) + (x <= L / 2 ? P / 2 : -P / 2);
    double shearRight = q * (L / 2 - x) + (x < L / 2 ? P / 2 : -P / 2);
    if (i > 0) {
      EXPECT_NEAR(f[0], shearLeft, kForce) << "node " << i + 1;
      EXPECT_NEAR(f[2], moment, kForce) << "node " << i + 1;
    }
    if (i < 8) {
      EXPECT_NEAR(f[1], shearRight, kForce) << "node " << i + 1;
      EXPECT_NEAR(f[3], moment, kForce) << "node " << i + 1;
    }
  }
  EXPECT_NEAR(r.report.forces[0].values[1], q * L / 2 + P / 2, kForce);  // the reaction
}

TEST_F(SolverTest, BeamWarmerBelowSags) {
  // Simply supported: no moments, deflection alpha dT x (L - x) / (2 h) downward.
  SolverRun r = Analyse("TEMPSS", "H");
  ASSERT_EQ(r.status, 0) << r.output;
  const double L = 6, h = 0.5, alphaDT = 1e-5 * 30;
  for (int i = 0; i < 7; ++i) {
    double x = i;
    EXPECT_NEAR(r.report.displacements[i].translation, alphaDT * x * (L - x) / (2 * h) * 1000, kMm) << i + 1;
    double slope = alphaDT * (L - 2 * x) / (2 * h);
    if (i != 3) {
      EXPECT_NEAR(r.report.displacements[i].slope, slope, SlopeTolerance(slope)) << i + 1;
    }
    for (double v : r.report.forces[i].values) {
      if (!std::isnan(v)) {
        EXPECT_EQ(v, 0.0) << i + 1;
      }
    }
  }
  EXPECT_NEAR(r.report.displacements[3].translation, alphaDT * L * L / (8 * h) * 1000, kMm);
}

TEST_F(SolverTest, FixedBeamWarmerBelowHogsByTheThermalMoment) {
  SolverRun r = Analyse("TEMPFF", "H");
  ASSERT_EQ(r.status, 0) << r.output;
  const double mt = 3.0e7 * 0.3 * 0.125 / 12 * 1e-5 * 30 / 0.5;  // E I alpha dT / h
  ASSERT_EQ(r.report.forces.size(), 7u);
  for (int i = 0; i < 7; ++i) {
    const auto& f = r.report.forces[i].values;
    if (i > 0) {
      EXPECT_NEAR(f[2], -mt, kForce) << i + 1;
      EXPECT_NEAR(f[0], 0.0, kForce);
    }
    if (i < 6) {
      EXPECT_NEAR(f[3], -mt, kForce) << i + 1;
      EXPECT_NEAR(f[1], 0.0, kForce);
    }
    EXPECT_NEAR(r.report.displacements[i].translation, 0.0, kMm);
  }
}

TEST_F(SolverTest, StripWarmerBelow) {
  // M_T of a strip: E h^3 / (12 (1 - nu^2)) (1 + nu) alpha dT / h = 100 kNm/m here.
  const double mt = 2.5e7 * 0.4 * 0.4 / (12 * (1 - 0.2)) * 1.2e-5 * 20;
  ASSERT_NEAR(mt, 100.0, 1e-9);
  SolverRun fixed = Analyse("TSTRIPFF", "T");
  ASSERT_EQ(fixed.status, 0) << fixed.output;
  for (int i = 0; i < 4; ++i) {
    const auto& f = fixed.report.forces[i].values;
    ASSERT_EQ(f.size(), 6u);
    if (i > 0) {
      EXPECT_NEAR(f[2], -mt, kForce);  // width direction
      EXPECT_NEAR(f[4], -mt, kForce);  // length direction
    }
    if (i < 3) {
      EXPECT_NEAR(f[3], -mt, kForce);
      EXPECT_NEAR(f[5], -mt, kForce);
    }
  }
  // Free to rotate across its width, held along its length: it sags by (1 + nu) alpha dT
  // x (L - x) / (2 h); across no moment, along -(1 - nu) M_T.
  SolverRun simple = Analyse("TSTRIPSS", "T");
  ASSERT_EQ(simple.status, 0) << simple.output;
  for (int i = 0; i < 4; ++i) {
    double x = i;
    EXPECT_NEAR(simple.report.displacements[i].translation, 1.2 * 1.2e-5 * 20 * x * (3 - x) / 0.8 * 1000, kMm);
    const auto& f = simple.report.forces[i].values;
    if (i > 0) {
      EXPECT_NEAR(f[2], 0.0, kForce);
      EXPECT_NEAR(f[4], -(1 - 0.2) * mt, kForce);
    }
    if (i < 3) {
      EXPECT_NEAR(f[3], 0.0, kForce);
      EXPECT_NEAR(f[5], -(1 - 0.2) * mt, kForce);
    }
  }
}

// Held along its length, a strip bends there by nu times its whole width moment, the element
// load's fixed-end part included: 0 at the supports, nu q L^2 / 8 at midspan.
TEST_F(SolverTest, StripLengthMomentIsNuTimesItsWidthMoment) {
  SolverRun r = Analyse("QSTRIPSS", "Q");
  ASSERT_EQ(r.status, 0) << r.output;
  const double L = 4, q = 12, nu = 0.25;
  ASSERT_EQ(r.report.forces.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    double x = i, moment = q * x * (L - x) / 2;
    const auto& f = r.report.forces[i].values;
    ASSERT_EQ(f.size(), 6u);
    if (i > 0) {
      EXPECT_NEAR(f[2], moment, kForce) << "node " << i + 1;
      EXPECT_NEAR(f[4], nu * moment, kForce) << "node " << i + 1;
    }
    if (i < 4) {
      EXPECT_NEAR(f[3], moment, kForce) << "node " << i + 1;
      EXPECT_NEAR(f[5], nu * moment, kForce) << "node " << i + 1;
    }
  }
  EXPECT_NEAR(r.report.forces[2].values[4], nu * q * L * L / 8, kForce);
  EXPECT_EQ(r.report.forces[0].values[5], 0.0);
  EXPECT_EQ(r.report.forces[4].values[4], 0.0);
}

// An infinite beam on a Winkler foundation under a point load P (Hetenyi): w = P lambda / (2 k b),
// M = P / (4 lambda), lambda = (k b / (4 E I))^(1/4). The fixture is 9.8 / lambda long.
TEST_F(SolverTest, LongBeamOnWinklerFoundationMatchesHetenyi) {
  SolverRun r = Analyse("WINKLER", "P");
  ASSERT_EQ(r.status, 0) << r.output;
  const double P = 1000, kb = 2.5e4, EI = 3.0e7 * 0.35 * 0.35 * 0.35 / 12;
  const double lambda = std::pow(kb / (4 * EI), 0.25);
  ASSERT_EQ(r.report.displacements.size(), 81u);  // constant modulus: no pressure jumps
  const auto& centre = r.report.displacements[40];
  EXPECT_NEAR(centre.distance, 10.0, 1e-9);
  double w = P * lambda / (2 * kb) * 1000, m = P / (4 * lambda);
  EXPECT_NEAR(centre.translation, w, 0.005 * w);
  EXPECT_NEAR(r.report.forces[40].values[2], m, 0.005 * m);
  EXPECT_NEAR(r.report.forces[40].values[3], m, 0.005 * m);
  EXPECT_NEAR(centre.pressure, 2.5e4 * centre.translation / 1000, 2.5e4 * kMm / 1000 + 0.0005);
  EXPECT_NEAR(r.report.total, P, 0.0005);  // the soil carries the whole load
  // The load splits into equal shears on both sides; the free ends carry none.
  EXPECT_NEAR(r.report.forces[40].values[0], P / 2, kForce);
  EXPECT_NEAR(r.report.forces[40].values[1], -P / 2, kForce);
  EXPECT_NEAR(r.report.forces[0].values[1], 0.0, 0.05);
  EXPECT_NEAR(r.report.forces[80].values[0], 0.0, 0.05);
}

TEST_F(SolverTest, SymmetricHalfGivesTheNumbersOfTheWholeBeam) {
  SolverRun whole = Analyse("WINKLER", "P");
  SolverRun half = Analyse("WINKSYM", "P");
  ASSERT_EQ(whole.status, 0) << whole.output;
  ASSERT_EQ(half.status, 0) << half.output;
  ASSERT_EQ(half.report.displacements.size(), 41u);
  for (int i = 0; i < 41; ++i) {
    const auto& a = whole.report.displacements[i];
    const auto& b = half.report.displacements[i];
    EXPECT_EQ(a.distance, b.distance);
    EXPECT_NEAR(a.translation, b.translation, 2 * kMm) << i + 1;
    EXPECT_NEAR(a.slope, b.slope, 2 * SlopeTolerance(a.slope) + 1e-9) << i + 1;
    EXPECT_NEAR(a.pressure, b.pressure, 0.002) << i + 1;
    for (int c = 0; c < 4; ++c) {
      double x = whole.report.forces[i].values[c], y = half.report.forces[i].values[c];
      if (i == 40 && (c == 1 || c == 3)) {
        EXPECT_TRUE(std::isnan(y));  // the axis: its right columns stay blank
      } else if (std::isnan(x)) {
        EXPECT_TRUE(std::isnan(y)) << i + 1 << " column " << c;
      } else {
        EXPECT_NEAR(x, y, 2 * kForce) << i + 1 << " column " << c;
      }
    }
  }
  EXPECT_NEAR(half.report.total, 500, 0.0005);
}

// On the half-space the mirror image of the half enters by its exact own-area terms where the
// whole strip uses line loads: the two agree closely, not to the last digit.
TEST_F(SolverTest, SymmetricHalfOnTheHalfSpaceAgreesWithTheWholeStrip) {
  SolverRun whole = Analyse("HSSTRIP", "Q");
  SolverRun half = Analyse("HSSYM", "Q");
  ASSERT_EQ(whole.status, 0) << whole.output;
  ASSERT_EQ(half.status, 0) << half.output;
  ASSERT_EQ(half.report.displacements.size(), 11u);
  for (int i = 0; i < 11; ++i) {
    const auto& a = whole.report.displacements[i];
    const auto& b = half.report.displacements[i];
    EXPECT_NEAR(a.translation, b.translation, 0.001 * a.translation) << i + 1;
    EXPECT_NEAR(a.pressure, b.pressure, 0.01 * a.pressure) << i + 1;
    EXPECT_NEAR(whole.report.forces[i].values[2 + (i == 0)], half.report.forces[i].values[2 + (i == 0)], 0.05) << i + 1;
  }
  EXPECT_NEAR(half.report.total, whole.report.total / 2, 0.0005);
}

TEST_F(SolverTest, SteppedModulusShowsThePressureJumpAsTwoRows) {
  SolverRun r = Analyse("WINKSTEP", "U");
  ASSERT_EQ(r.status, 0) << r.output;
  // Node 3 joins the soft (1E4) and the stiff (3E4) soil: two rows, the same settlement.
  ASSERT_EQ(r.report.displacements.size(), 6u);
  const auto& left = r.report.displacements[2];
  const auto& right = r.report.displacements[3];
  EXPECT_EQ(left.distance, right.distance);
  EXPECT_EQ(left.translation, right.translation);
  // The pressures are k u of the unrounded settlement: within k x the translation's last place.
  EXPECT_NEAR(left.pressure, 1e4 * left.translation / 1000, 1e4 * kMm / 1000 + 0.0005);
  EXPECT_NEAR(right.pressure, 3e4 * right.translation / 1000, 3e4 * kMm / 1000 + 0.0005);
  EXPECT_NEAR(r.report.total, 20 * 4, 0.0005);
  // The soil reaction inside the shears: each element's shears differ by its load less its soil.
  for (int i = 1; i < 5; ++i) EXPECT_FALSE(std::isnan(r.report.forces[i].values[0]));
  EXPECT_NEAR(r.report.forces[0].values[1], 0.0, 0.01);  // free ends
  EXPECT_NEAR(r.report.forces[4].values[0], 0.0, 0.01);
}

// Settlement of the corner of a uniformly loaded flexible rectangle B x L on an elastic
// half-space (Steinbrenner): q B (1 - nu^2) / (pi E) x [m ln((1 + sqrt(1 + m^2)) / m) +
// ln(m + sqrt(1 + m^2))], m = L / B. A point inside is the corner of four such rectangles.
double FlexibleRectangleCorner(double q, double b, double l, double e, double nu) {
  double m = l / b;
  double f = m * std::log((1 + std::sqrt(1 + m * m)) / m) + std::log(m + std::sqrt(1 + m * m));
  return q * b * (1 - nu * nu) / (4 * std::atan(1.0) * e) * f;
}

TEST_F(SolverTest, FlexibleStripOnHalfSpaceSettlesAsTheFlexibleRectangle) {
  SolverRun r = Analyse("HSZERO", "Q");
  ASSERT_EQ(r.status, 0) << r.output;
  ASSERT_EQ(r.report.displacements.size(), 41u);
  // The strip 2 m wide is taken 20 times as long: its centre is the corner of four rectangles
  // 1 m x 20 m, the middle of its edges the corner of two rectangles 2 m x 20 m.
  double centre = 4 * FlexibleRectangleCorner(100, 1, 20, 1e4, 0.3) * 1000;
  double edge = 2 * FlexibleRectangleCorner(100, 2, 20, 1e4, 0.3) * 1000;
  EXPECT_NEAR(r.report.displacements[20].translation, centre, 0.02 * centre);
  EXPECT_NEAR(r.report.displacements[0].translation, edge, 0.02 * edge);
  EXPECT_NEAR(r.report.displacements[40].translation, edge, 0.02 * edge);
  EXPECT_NEAR(r.report.total, 200, 0.0005);
  // A flexible load: the pressure is the load itself, and there are no moments.
  for (const auto& row : r.report.displacements) EXPECT_NEAR(row.pressure, 100, 0.0005);
  for (const auto& row : r.report.forces)
    for (int c : {2, 3, 4, 5}) {
      if (!std::isnan(row.values[c])) {
        EXPECT_EQ(row.values[c], 0.0);
      }
    }
  EXPECT_NEAR(r.report.displacements[20].slope, 0.0, 1e-9);
}

TEST_F(SolverTest, CrossAnisotropicHalfSpaceWithIsotropicConstantsIsTheIsotropicOne) {
  SolverRun iso = Analyse("HSZERO", "Q");
  SolverRun cross = Analyse("HSXISO", "Q");
  ASSERT_EQ(iso.status, 0) << iso.output;
  ASSERT_EQ(cross.status, 0) << cross.output;
  ASSERT_EQ(cross.report.displacements.size(), iso.report.displacements.size());
  for (size_t i = 0; i < iso.report.displacements.size(); ++i) {
    double a = iso.report.displacements[i].translation, b = cross.report.displacements[i].translation;
    EXPECT_NEAR(a, b, 1e-5 * a + kMm) << i + 1;
  }
}

TEST_F(SolverTest, SoilReactionsEqualTheLoads) {
  const struct {
    const char* job;
    const char* loadCase;
    double load;
  } cases[] = {
      {"HSSTRIP", "Q", 80 * 2 + 50},                // kN per metre of strip
      {"HSBEAM", "L", 30 * 6 + 15 * 0.5 + 100},     // uniform, one trapezoid, a point load
      {"WINKSTEP", "U", 20 * 4},
  };
  for (const auto& c : cases) {
    SolverRun r = Analyse(c.job, c.loadCase);
    ASSERT_EQ(r.status, 0) << c.job << r.output;
    EXPECT_NEAR(r.report.total, c.load, 0.0005 + 1e-6 * c.load) << c.job;
    // The shears close: what the soil takes between the ends equals the loads.
    EXPECT_NEAR(r.report.forces.front().values[1], 0.0, 0.01) << c.job;
    EXPECT_NEAR(r.report.forces.back().values[0], 0.0, 0.01) << c.job;
  }
}

TEST_F(SolverTest, LoadBeyondTheSoilCapacityStopsWithoutAReport) {
  CopyJob("HSSTRIP");
  // 2 m x 90 kPa carry 180 kN/m, less than 1.1 x 210.
  EditFile("HSSTRIP.SUP", "ISOTROPIC YIELD STRESS: 600.00", "ISOTROPIC YIELD STRESS: 90.00");
  WriteBytes("HSSTRIP.RBQ", "an old report\r\n");
  std::string output;
  EXPECT_EQ(RunSolveTool({"HSSTRIP", "Q", "plastic"}, output), kStopLoadTooLarge);
  EXPECT_NE(output.find("The LOAD is too LARGE to be CARRIED OUT"), std::string::npos) << output;
  EXPECT_FALSE(FileExists("HSSTRIP.RBQ"));
  // The elastic analysis knows no capacity.
  EXPECT_EQ(RunSolveTool({"HSSTRIP", "Q", "elastic"}, output), kSolverDone);
  EXPECT_TRUE(FileExists("HSSTRIP.RBQ"));
  // A yield stress of 0.01 kPa or less means none: the analysis is elastic.
  EditFile("HSSTRIP.SUP", "ISOTROPIC YIELD STRESS: 90.00", "ISOTROPIC YIELD STRESS: 0.01");
  EXPECT_EQ(RunSolveTool({"HSSTRIP", "Q", "plastic"}, output), kSolverDone) << output;
}

TEST_F(SolverTest, MechanismsStopAsAnUnstableSystemWithoutAReport) {
  for (const char* job : {"NOSUP", "MECH"}) {
    CopyJob(job);
    std::string report = std::string(job) + ".RBP";
    WriteBytes(report, "an old report\r\n");
    std::string output;
    EXPECT_EQ(RunSolveTool({job, "P"}, output), kStopSystemUnstable) << job;
    EXPECT_NE(output.find("The SYSTEM is Unstable!"), std::string::npos) << output;
    EXPECT_FALSE(FileExists(report)) << job;  // no report, and none of an earlier run
  }
}

TEST_F(SolverTest, InadmissibleHalfSpaceIsRefused) {
  SolverRun r = Analyse("HSBAD", "Q");
  EXPECT_EQ(r.status, kStopBadHalfSpace);
  EXPECT_NE(r.output.find(kHalfSpaceDataMessage), std::string::npos) << r.output;
  EXPECT_FALSE(FileExists("HSBAD.RBQ"));
}

TEST_F(SolverTest, MissingOrDamagedJobsEndWithoutAReport) {
  std::string output;
  EXPECT_EQ(RunSolveTool({"NOJOB", "A"}, output), 100);  // no geometry file: ends silently
  EXPECT_EQ(output, "code -1\n");
  CopyJob("CANTI");
  EXPECT_EQ(RunSolveTool({"CANTI", "  "}, output), 100);  // no load case
  EXPECT_EQ(RunSolveTool({"CANTI"}, output), 64);
  // The geometry cut after its second element row: the table is incomplete.
  TextLineArray lines;
  int count = 0;
  LoadTextLines("CANTI.GEO", lines, 100, count);
  ASSERT_TRUE(SaveTextLines("CANTI.GEO", lines, 8));
  EXPECT_EQ(RunSolveTool({"CANTI", "P"}, output), kStopBadJobData);
  EXPECT_FALSE(FileExists("CANTI.RBP"));
  // An element of no length cannot be analysed.
  lines[8] = "    2              0.0000           0.3000           0.5000  ";
  ASSERT_TRUE(SaveTextLines("CANTI.GEO", lines, count));
  EXPECT_EQ(RunSolveTool({"CANTI", "P"}, output), kStopBadJobData);
  // Without bending stiffness only a half-space can carry the beam.
  CopyJob("CANTI");
  EXPECT_EQ(RunSolveTool({"CANTI", "P"}, output), kSolverDone);
  LoadTextLines("CANTI.GEO", lines, 100, count);
  lines[4] = "     4          4             .0000E+0            0.000";
  ASSERT_TRUE(SaveTextLines("CANTI.GEO", lines, count));
  EXPECT_EQ(RunSolveTool({"CANTI", "P"}, output), kStopBadJobData);
  // Without its DATA line the file is no geometry.
  lines[2] = "BEAM!";
  ASSERT_TRUE(SaveTextLines("CANTI.GEO", lines, count));
  EXPECT_EQ(RunSolveTool({"CANTI", "P"}, output), 100);
}

// The report of the simply supported beam of two elements, line by line: every value follows
// from statics (reactions 5 kN, midspan moment P L / 4 = 10 kNm) and from P L^3 / (48 E I) =
// 0.133 mm and P L^2 / (16 E I) = 1E-4 rad.
TEST_F(SolverTest, ReportLayoutLineByLine) {
  SolverRun r = Analyse("SIMPLE2", "Point");
  ASSERT_EQ(r.status, 0) << r.output;
  const std::string blank16(16, ' ');
  const std::vector<std::string> expected = {
      "",
      std::string(57, ' ') + "DATE:   03-07-2025",
      "",
      "Job: SIMPLE2 //  Load Case: 'Point'",
      "",
      "--** R E S U L T S  OF  A N A L Y S I S **--",
      "",
      "BEAM",
      "^^^^",
      "                 S H E A R   F O R C E S  and  B E N D I N G   M O M E N T S ",
      "Distance from      Left Shear     Right Shear    Left Moment    Right Moment",
      "   Left [m]           [kN]            [kN]          [kN.m]          [kN.m]",
      "     0.000 " + blank16 + "            5.00" + blank16 + "            0.00",
      "     2.000 " + std::string("            5.00") + "           -5.00" + "           10.00" + "           10.00",
      "     4.000 " + std::string("           -5.00") + blank16 + "            0.00" + blank16,
      "",
      "**REMARK: POSITIVE MOMENTS PRODUCE TENSION IN BOTTOM FIBRES",
      std::string(75, '-'),
      "",
      "                        D I S P L A C E M E N T S ",
      "Distance from     Vert. Translation        Slope",
      "  Left [m]              [mm]              [rad] ",
      "     0.000       " + std::string("            0.000       ") + "   1.0000E-4  ",
      "     2.000       " + std::string("            0.133       ") + "   .0000E+0   ",
      "     4.000       " + std::string("            0.000       ") + "  -1.0000E-4  ",
      "",
      "**REMARKS:",
      "         - Vertical Translation is POSITIVE if DOWNWARD",
      "         - Angle of Rotation is POSITIVE if CLOCKWISE",
  };
  ASSERT_EQ(r.report.count, static_cast<int>(expected.size()) - 1);
  for (int i = 1; i <= r.report.count; ++i) EXPECT_EQ(r.report.lines[i], expected[i]) << "line " << i;
  EXPECT_EQ(ReadBytes("SIMPLE2.RBP").find("\r\n"), r.report.lines[1].size());  // CR LF line ends
}

TEST_F(SolverTest, ReportTotalLines) {
  SolverRun winkler = Analyse("WINKSTEP", "U");
  ASSERT_EQ(winkler.status, 0);
  int last = winkler.report.count;
  EXPECT_EQ(winkler.report.lines[last - 4], "ESTIMATE OF TOTAL REACTION FROM ELASTIC FOUNDATION: 80.000  [kN]");
  EXPECT_EQ(winkler.report.lines[last - 3], "");
  EXPECT_EQ(winkler.report.lines[21], "                            DISPLACEMENTS                BEAM - SOIL");
  SolverRun half = Analyse("HSSTRIP", "Q");
  ASSERT_EQ(half.status, 0);
  last = half.report.count;
  EXPECT_EQ(half.report.lines[last - 4], "TOTAL REACTION FROM ELASTIC FOUNDATION:  210.000  [kN]");
  EXPECT_EQ(half.report.lines[7], "STRIP");
  EXPECT_EQ(half.report.lines[8], "^^^^^");
}

// A model on the half-space over all its nodes: per element L and b, a beam or a strip, and a
// soil stiffness whose reaction at node i is i times the unit settlement of every node.
BeamModel HalfSpaceModel(const Vector& length, const Vector& width, bool strip) {
  BeamModel m;
  m.elements = static_cast<int>(length.size()) - 1;
  m.nodes = m.elements + 1;
  m.length = length;
  m.width = width;
  m.strip = strip;
  m.soilKind = HalfSpaceSoil;
  m.soil.Resize(m.nodes, m.nodes);
  for (int i = 1; i <= m.nodes; ++i) m.soil(i, i) = i;
  m.u.assign(2 * m.nodes + 1, 0.0);
  for (int i = 1; i <= m.nodes; ++i) m.u[2 * i - 1] = 1.0;
  return m;
}

// Each node's pressure is its soil force over half of each element beside it, a beam's by its
// widths, a strip's per metre of its length whatever its elements' widths.
TEST(SoilReactions, HalfSpaceNodesCarryHalfOfEachNeighbouringElement) {
  const Vector length = {0, 1.0, 2.0, 1.0};
  const struct {
    Vector width;
    bool strip;
    double area[5];
  } cases[] = {
      {{0, 0.4, 0.8, 0.4}, false, {0, 0.2, 0.2 + 0.8, 0.8 + 0.2, 0.2}},  // a width change at node 2
      {{0, 40.0, 40.0, 40.0}, true, {0, 0.5, 1.5, 1.5, 0.5}},
  };
  for (const auto& c : cases) {
    BeamModel m = HalfSpaceModel(length, c.width, c.strip);
    SoilReactions(m);
    for (int i = 1; i <= 4; ++i) EXPECT_DOUBLE_EQ(m.pressures[i], i / c.area[i]) << c.strip << " node " << i;
    EXPECT_DOUBLE_EQ(m.pressures[5], 1 + 2 + 3 + 4);
  }
  // The soil end forces of a strip: each end's pressure on its metre-wide half. R = (8, 19, 30).
  BeamModel strip = HalfSpaceModel({0, 2.0, 1.0}, {0, 40.0, 40.0}, true);
  for (int i = 1; i <= 3; ++i) strip.soil(i, i) = 100;
  strip.soil(1, 2) = strip.soil(2, 1) = -10;
  strip.u = {0, 0.1, 0, 0.2, 0, 0.3, 0};
  SoilReactions(strip);
  EXPECT_NEAR(strip.pressures[1], 8 / 1.0, 1e-12);
  EXPECT_NEAR(strip.pressures[2], 19 / 1.5, 1e-12);
  EXPECT_NEAR(strip.pressures[3], 30 / 0.5, 1e-12);
  EXPECT_NEAR(strip.soilEnd.atJ[1], strip.pressures[2] * 1.0, 1e-12);
  EXPECT_NEAR(strip.soilEnd.atI[2] + strip.soilEnd.atJ[2], (strip.pressures[2] + strip.pressures[3]) * 0.5, 1e-12);
}

}  // namespace
}  // namespace trabix
