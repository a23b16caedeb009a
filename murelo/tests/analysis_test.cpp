// Analyses of retaining-wall jobs through the solver tool, with the reports parsed back and
// checked by statics and by closed forms (cantilever, beam on a Winkler foundation).
#include <gtest/gtest.h>

#include <cmath>

#include "core/hostfs.h"
#include "testsupport.h"

namespace murelo {
namespace {

using testing::AnalyseWall;
using testing::Report;
using testing::SolverRun;
using testing::StandardWall;
using testing::WallGeometry;
using testing::WallLoads;
using testing::WallSupports;

constexpr double kForce = 0.005 + 1e-9;  // shears and moments print two decimals

using WallSolverTest = testing::WallTest;

WallSupports SimplySupported() {
  WallSupports s;
  s.unyielding = "1,5";
  return s;
}

double PlateRigidity(double t, double e = 3.0E7, double nu = 0.2) { return e * t * t * t / (12 * (1 - nu * nu)); }

TEST_F(WallSolverTest, HorizontalForceAtTheStemTopGoesDownTheStemIntoThePlate) {
  WallLoads l;
  l.stemNodal = {{4, 10, 0, 0}};
  SolverRun r = AnalyseWall(StandardWall(), SimplySupported(), l);
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  const auto& stem = r.report.stem.forces;
  ASSERT_EQ(stem.size(), 4u);
  const double moments[] = {30, 20, 10, 0};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(stem[i].distance, i, 1e-9);
    EXPECT_NEAR(stem[i].moment, moments[i], kForce) << "stem node " << i + 1;  // tension on the backfill side
    EXPECT_NEAR(stem[i].shear, -10, kForce);
    EXPECT_NEAR(stem[i].axial, 0, kForce);
  }
  // The plate carries the stem's base moment of 30 as a couple between its supports: shear 30/4.
  const auto& plate = r.report.plate.forces;
  ASSERT_EQ(plate.size(), 6u);
  const double distances[] = {0, 1, 2, 2, 3, 4};
  const double plateMoments[] = {0, 7.5, 15, -15, -7.5, 0};
  const double axial[] = {-10, -10, -10, 0, 0, 0};
  for (int i = 0; i < 6; ++i) {
    EXPECT_NEAR(plate[i].distance, distances[i], 1e-9);
    EXPECT_NEAR(plate[i].shear, 7.5, kForce) << "row " << i + 1;
    EXPECT_NEAR(plate[i].moment, plateMoments[i], kForce) << "row " << i + 1;
    EXPECT_NEAR(plate[i].axial, axial[i], kForce) << "row " << i + 1;
  }
  // The top moves toward the toe by the cantilever's bending, the joint's rotation times the
  // height and the shortening of the toe part of the plate.
  const double D = PlateRigidity(0.3), Dp = PlateRigidity(0.5), H = 3;
  double cantilever = 10 * H * H * H / (3 * D);
  double joint = 30 * 8 / (6 * Dp * 4);  // a couple at mid span: C (3a^2 + 3b^2 - L^2) / (6 D L)
  double shortening = 10 * 2 / (0.5 * 3.0E7 / (1 - 0.04));
  double expected = cantilever + joint * H + shortening;
  EXPECT_NEAR(expected, 1.373E-3, 5E-7);
  EXPECT_NEAR(r.model.x[r.model.unknowns - 1], expected, expected * 1e-9);
  EXPECT_EQ(r.report.stem.displacements.at(3).first, 1.37);  // mm, two decimals
  // Stem node 1 is the plate's node 3: the same rotation and horizontal translation.
  const auto& base = r.report.stem.displacements.at(0);
  const auto& node3 = r.report.plate.displacements.at(2);
  EXPECT_EQ(base.rotation, node3.rotation);
  EXPECT_EQ(base.first, node3.second);
  EXPECT_NEAR(node3.rotation, -joint, std::fabs(joint) * 5e-5);  // counter-clockwise
}

TEST_F(WallSolverTest, TriangularEarthPressureGivesTheCantileverMoment) {
  WallLoads l;
  l.stemHorizontal = {{1, 30, 20}, {2, 20, 10}, {3, 10, 0}};
  SolverRun r = AnalyseWall(StandardWall(), SimplySupported(), l);
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  const auto& stem = r.report.stem.forces;
  ASSERT_EQ(stem.size(), 4u);
  const double q0 = 30, H = 3;
  for (int i = 0; i < 4; ++i) {
    double a = H - i;  // height above the section; the pressure there is q0 a / H
    double moment = q0 * a * a * a / (6 * H), shear = -q0 * a * a / (2 * H);
    EXPECT_NEAR(stem[i].moment, moment, kForce) << "stem node " << i + 1;
    EXPECT_NEAR(stem[i].shear, shear, kForce) << "stem node " << i + 1;
  }
  EXPECT_NEAR(stem[0].moment, 45.00, kForce);
  EXPECT_NEAR(stem[0].shear, -45.00, kForce);
  EXPECT_NEAR(r.report.plate.forces.at(1).axial, -45.00, kForce);
}

TEST_F(WallSolverTest, VerticalLoadsOfTheStemReachThePlateAtTheStemNode) {
  // A surface load on the backfill face and the stem's own weight: axial forces by statics; the
  // surface load's clockwise couple q t / 2 per metre of height bends the stem toward the backfill
  // and reaches the plate with the vertical force.
  WallLoads l;
  l.stemDensity = 2500;
  l.stemVertical = {{1, 10, 10}, {2, 10, 10}, {3, 10, 10}};
  SolverRun r = AnalyseWall(StandardWall(), SimplySupported(), l);
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  const double weight = 2500 * 9.81 / 1000 * 0.3, q = 10, t = 0.3, H = 3;
  const auto& stem = r.report.stem.forces;
  ASSERT_EQ(stem.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    double above = H - i;
    EXPECT_NEAR(stem[i].axial, -(weight + q) * above, kForce) << "stem node " << i + 1;
    EXPECT_NEAR(stem[i].moment, -q * t / 2 * above, kForce) << "stem node " << i + 1;
    EXPECT_NEAR(stem[i].shear, 0, kForce);
  }
  const double V = (weight + q) * H, C = q * t / 2 * H;  // down, clockwise, at x = 2 of a 4 m span
  double right = (2 * V + C) / 4, left = V - right;
  const auto& plate = r.report.plate.forces;
  ASSERT_EQ(plate.size(), 6u);
  EXPECT_NEAR(plate[0].shear, left, kForce);
  EXPECT_NEAR(plate[2].moment, 2 * left, kForce);
  EXPECT_NEAR(plate[3].shear, -right, kForce);
  EXPECT_NEAR(plate[3].moment, 2 * left + C, kForce);
  EXPECT_NEAR(plate[5].moment, 0, kForce);
}

TEST_F(WallSolverTest, PlateSelfWeightAndNodalLoadsAsASimpleBeam) {
  WallLoads l;
  l.plateDensity = 2500;
  l.plateNodal = {{2, 20, 0}, {4, 0, 8}};
  SolverRun r = AnalyseWall(StandardWall(), SimplySupported(), l);
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  const double q = 2500 * 9.81 / 1000 * 0.5, L = 4, P = 20, C = 8;  // P down at x 1, C clockwise at x 3
  double right = (q * L * L / 2 + P * 1 + C) / L, left = q * L + P - right;
  auto moment = [&](double x, bool afterCouple) {
    return left * x - q * x * x / 2 - (x > 1 ? P * (x - 1) : 0) + (afterCouple ? C : 0);
  };
  const auto& plate = r.report.plate.forces;
  ASSERT_EQ(plate.size(), 7u);  // two rows at node 2 (the force) and node 4 (the couple)
  EXPECT_NEAR(plate[0].shear, left, kForce);
  EXPECT_NEAR(plate[1].moment, moment(1, false), kForce);
  EXPECT_NEAR(plate[2].shear, left - q - P, kForce);
  EXPECT_NEAR(plate[3].moment, moment(2, false), kForce);
  EXPECT_NEAR(plate[4].moment, moment(3, false), kForce);
  EXPECT_NEAR(plate[5].moment, moment(3, true), kForce);
  EXPECT_NEAR(plate[6].shear, -right, kForce);
}

TEST_F(WallSolverTest, SpringsCarryWhatStaticsGivesThem) {
  // A vertical spring in place of the heel's support: the couple of 30 still gives the heel a
  // reaction of 7.5 down, so the spring lifts the heel by 7.5 / k.
  WallSupports s;
  s.unyielding = "1";
  s.elastic = {{5, 1.0E5, 0}};
  WallLoads l;
  l.stemNodal = {{4, 10, 0, 0}};
  SolverRun r = AnalyseWall(StandardWall(), s, l);
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  EXPECT_TRUE(r.model.stable);
  for (const auto& f : r.report.plate.forces) EXPECT_NEAR(f.shear, 7.5, kForce) << "at " << f.distance;
  EXPECT_NEAR(r.model.x[3 * 5 - 1], -7.5 / 1.0E5, 1e-12);
  EXPECT_EQ(r.report.plate.displacements.at(4).first, -0.075);

  // A horizontal restraint at the stem top takes R = k u of the earth pressure's thrust.
  WallSupports p = SimplySupported();
  p.restraints = {{4, 1000, 0}};
  WallLoads e;
  e.stemHorizontal = {{1, 30, 20}, {2, 20, 10}, {3, 10, 0}};
  SolverRun t = AnalyseWall(StandardWall(), p, e, "WALL2");
  ASSERT_EQ(t.status, kSolverDone) << t.output;
  double reaction = 1000 * t.model.x[t.model.unknowns - 1];
  ASSERT_GT(reaction, 1);
  const auto& stem = t.report.stem.forces;
  ASSERT_EQ(stem.size(), 4u);
  EXPECT_NEAR(stem[0].moment, 45 - 3 * reaction, kForce);
  EXPECT_NEAR(stem[0].shear, -45 + reaction, kForce);
  EXPECT_NEAR(stem[3].shear, reaction, kForce);
}

TEST_F(WallSolverTest, AHalfSpacePoissonRatioAboveAHalfIsTakenAsZero) {
  WallSupports s;
  s.toeRestrained = false;
  s.halfSpaceModulus = 30000;
  WallLoads l;
  l.plateUniform = 100;
  l.stemNodal = {{4, 10, 0, 0}};
  s.halfSpacePoisson = 0.6;
  SolverRun a = AnalyseWall(StandardWall(), s, l);
  s.halfSpacePoisson = 0;
  SolverRun b = AnalyseWall(StandardWall(), s, l, "WALL2");
  s.halfSpacePoisson = 0.3;
  SolverRun c = AnalyseWall(StandardWall(), s, l, "WALL3");
  ASSERT_EQ(a.status, kSolverDone) << a.output;
  ASSERT_EQ(b.status, kSolverDone) << b.output;
  ASSERT_EQ(a.report.count, b.report.count);
  for (int i = 4; i <= a.report.count; ++i) EXPECT_EQ(a.report.lines[i], b.report.lines[i]) << "line " << i;
  EXPECT_NE(a.report.plate.displacements.at(2).first, c.report.plate.displacements.at(2).first);
}

TEST_F(WallSolverTest, UniformLoadOnWinklerSoilSettlesTheWholePlate) {
  WallSupports s;
  s.winkler = 10000;
  WallLoads l;
  l.plateUniform = 100;
  SolverRun r = AnalyseWall(StandardWall(), s, l);
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  EXPECT_NE(r.report.lines[r.report.plate.firstDisplacement - 1].find("[kPa]"), std::string::npos);
  EXPECT_DOUBLE_EQ(r.report.plate.total, 400.0);
  bool found = false;
  for (int i = 1; i <= r.report.count; ++i)
    found = found || r.report.lines[i] == "Estimate of Total Reaction from Elastic Foundation: 400.000 [kN]";
  EXPECT_TRUE(found);
  for (const auto& f : r.report.plate.forces) EXPECT_LT(std::fabs(f.shear), 0.2) << "at " << f.distance;
  // Near q / k everywhere: the soil holds only the translations, the load's end moments bend the
  // plate a little.
  for (const auto& d : r.report.plate.displacements) {
    EXPECT_NEAR(d.first, 10.0, 0.05);
    EXPECT_NEAR(d.pressure, 100.0, 0.5);
    EXPECT_NEAR(d.pressure, 10000 * d.first / 1000, 0.05 + 0.005 + 1e-9);  // k w, w printed to 0.01 mm
  }
  EXPECT_TRUE(std::isnan(r.report.stem.displacements.at(0).pressure));  // the stem has no soil column
}

TEST_F(WallSolverTest, LongPlateOnWinklerSoilMatchesHetenyi) {
  WallGeometry g = StandardWall();
  g.plate = {60, 0.5, 0.5};
  g.toe = 15;
  WallSupports s;
  s.winkler = 20000;
  WallLoads l;
  l.plateNodal = {{31, 500, 0}};
  SolverRun r = AnalyseWall(g, s, l);
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  const double P = 500, k = 20000, D = PlateRigidity(0.5);
  const double lambda = std::pow(k / (4 * D), 0.25);
  const auto& d = r.report.plate.displacements.at(30);
  EXPECT_NEAR(d.distance, 15, 1e-9);
  EXPECT_NEAR(d.first, 1000 * P * lambda / (2 * k), 0.005 * 1000 * P * lambda / (2 * k));
  const auto& f = r.report.plate.forces;
  ASSERT_EQ(f.size(), 62u);
  EXPECT_NEAR(f[30].distance, 15, 1e-9);
  EXPECT_NEAR(f[31].distance, 15, 1e-9);
  EXPECT_NEAR(f[30].moment, P / (4 * lambda), 0.005 * P / (4 * lambda));
  EXPECT_NEAR(f[30].shear, 250.00, kForce);
  EXPECT_NEAR(f[31].shear, -250.00, kForce);
  EXPECT_DOUBLE_EQ(r.report.plate.total, 500.0);
  EXPECT_EQ(r.report.plate.totalLine, "Estimate of Total Reaction from Elastic Foundation: 500.000 [kN]");
}

TEST_F(WallSolverTest, UniformLoadOnAHalfSpaceIsCarriedWhole) {
  WallSupports s;
  s.toeRestrained = false;
  s.halfSpaceModulus = 30000;
  s.halfSpacePoisson = 0.3;
  WallLoads l;
  l.plateUniform = 100;
  SolverRun r = AnalyseWall(StandardWall(), s, l);
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  EXPECT_NEAR(r.report.plate.total, 400.0, 0.0005 + 1e-9);
  bool found = false;
  for (int i = 1; i <= r.report.count; ++i)
    found = found || r.report.lines[i].rfind("TOTAL REACTION FROM ELASTIC FOUNDATION: ", 0) == 0;
  EXPECT_TRUE(found);
  // The soil pushes the plate's edges down less than its middle.
  const auto& d = r.report.plate.displacements;
  ASSERT_EQ(d.size(), 5u);
  EXPECT_GT(d[2].first, d[0].first);
  EXPECT_GT(d[0].first, 0);
  // A uniformly loaded plate on the soil shows no sawtooth shear: it vanishes at the middle.
  EXPECT_LT(std::fabs(r.report.plate.forces.at(2).shear), 0.2 * std::fabs(r.report.plate.forces.at(1).shear) + 0.5);
}

TEST_F(WallSolverTest, StemOnTheToeOrHeelEdge) {
  struct Case {
    double toe;
    int stemNode;
    double moment;  // of the plate at the stem's node, under 10 kN/m toward the toe at the stem top
  };
  // The couple of 30 stands on a support: the plate's moment there is the couple itself.
  for (const Case& c : {Case{0.0, 1, -30}, Case{4.0, 5, 30}}) {
    TestDirectory dir;
    WallGeometry g = StandardWall();
    g.toe = c.toe;
    WallLoads l;
    l.stemNodal = {{4, 10, 0, 0}};
    SolverRun r = AnalyseWall(g, SimplySupported(), l);
    ASSERT_EQ(r.status, kSolverDone) << r.output;
    EXPECT_EQ(r.model.stemNode, c.stemNode);
    const auto& f = r.report.plate.forces;
    ASSERT_FALSE(f.empty());
    const auto& row = c.stemNode == 1 ? f.front() : f.back();
    EXPECT_NEAR(row.moment, c.moment, kForce) << "toe " << c.toe;
    EXPECT_NEAR(r.report.stem.forces.at(0).moment, 30, kForce);
  }
}

TEST_F(WallSolverTest, StopsWithoutAReport) {
  struct Case {
    const char* what;
    int code;
  };
  for (const Case& c :
       {Case{"toe inside an element", kStopToeOffPlateNodes},
        Case{"toe off the ends of 50 elements", kStopToeOffPlateNodes}, Case{"Winkler soil, toe free", kStopSystemUnstable},
        Case{"plate modulus 0", kStopSystemUnstable}, Case{"stem thickness 0", kStopBadJobData},
        Case{"a system too large to solve", kStopBadJobData}, Case{"plate element width 0", kStopBadJobData},
        Case{"plate element width negative", kStopBadJobData}, Case{"plate element width NaN", kStopBadJobData}}) {
    TestDirectory dir;
    WallGeometry g = StandardWall();
    WallSupports s = SimplySupported();
    std::string what = c.what;
    if (what == "toe inside an element") g.toe = 1.5;
    if (what == "toe off the ends of 50 elements") {
      g.plate = {50, 0.08, 0.5};  // 1.0 m lies between the 12th and 13th element ends
      g.toe = 1.0;
    }
    if (what == "Winkler soil, toe free") {
      s = WallSupports();
      s.toeRestrained = false;
      s.winkler = 10000;
    }
    if (what == "plate modulus 0") g.plateModulus = 0;  // taken as 1.0E-10: it cannot hold the stem
    if (what == "stem thickness 0") g.stem.thickness = 0;
    if (what == "a system too large to solve") g.plate = {2000, 0.002, 0.5};
    // The second of the four elements; the total width stays 4 m.
    if (what == "plate element width 0") g.plateWidths = {{2, 0.0}};
    if (what == "plate element width negative") g.plateWidths = {{2, -0.5}};
    if (what == "plate element width NaN") g.plateWidths = {{2, NAN}};
    // An older report of the case must not pass for a result.
    TextLineArray old{"", "an older report"};
    ASSERT_TRUE(SaveTextLines("WALL.RBA", old, 1));
    WallLoads l;
    l.stemNodal = {{4, 10, 0, 0}};
    SolverRun r = AnalyseWall(g, s, l);
    EXPECT_EQ(r.status, c.code < 0 ? 100 : c.code) << what << "\n" << r.output;
    if (c.code == kStopBadJobData) {
      EXPECT_NE(r.output.find("The GEOMETRY DATA are Incomplete or cannot be Analysed!"), std::string::npos)
          << what << "\n" << r.output;
    }
    // The stem has no node to stand on: the message of the job check's geometry offer.
    if (c.code == kStopToeOffPlateNodes) {
      EXPECT_EQ(r.output, "code 10\npasses 0\n" + std::string(kPlateGeometryMissing) + "\n") << what;
    }
    EXPECT_FALSE(FileExists("WALL.RBA")) << what;
  }
}

TEST_F(WallSolverTest, TheSystemStopIsAWarningWithItsTones) {
  SolverWarningData w = SolverWarningFor(kStopSystemUnstable);
  EXPECT_EQ(w.caption, "WARNING!");
  EXPECT_EQ(w.text, "The SYSTEM is Unstable!\r\n\r\nChange the SYSTEM Data!         ");
  ASSERT_EQ(w.tones.size(), 4u);
  const int frequencies[] = {330, 294, 330, 294};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(w.tones[i].frequency, frequencies[i]);
    EXPECT_EQ(w.tones[i].duration, 250);
  }
  EXPECT_TRUE(SolverWarningFor(kSolverDone).text.empty());
  EXPECT_TRUE(SolverWarningFor(kSolverNoJob).tones.empty());
  SolverWarningData toe = SolverWarningFor(kStopToeOffPlateNodes);
  EXPECT_EQ(toe.caption, "WARNING!");
  EXPECT_EQ(toe.text, " BASE PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!");
  EXPECT_EQ(toe.tones.size(), 4u);
  EXPECT_EQ(SolverStopTones(kStopIterationUnstableNodeWise)[0].frequency, 100);
  EXPECT_EQ(SolverStopMessage(kStopLoadTooLargeNodeWise),
            "The LOAD is too LARGE to be CARRIED OUT\r\n\r\n     by SOIL with the given Yield Stresses! ");
}

TEST_F(WallSolverTest, AnUnyieldingNodeBeyondThePlateIsSkipped) {
  WallLoads l;
  l.stemNodal = {{4, 10, 0, 0}};
  SolverRun a = AnalyseWall(StandardWall(), SimplySupported(), l);
  WallSupports s = SimplySupported();
  s.unyielding = "1,5,9,0";
  SolverRun b = AnalyseWall(StandardWall(), s, l, "WALL2");
  ASSERT_EQ(a.status, kSolverDone);
  ASSERT_EQ(b.status, kSolverDone) << b.output;
  ASSERT_EQ(a.report.count, b.report.count);
  for (int i = 4; i <= a.report.count; ++i) EXPECT_EQ(a.report.lines[i], b.report.lines[i]) << "line " << i;
}

TEST_F(WallSolverTest, AnswersReadInEitherCase) {
  // Without its toe restraint the wall would slide: a lower-case answer still holds it.
  WallLoads l;
  l.stemNodal = {{4, 10, 0, 0}};
  testing::WriteGeometry("WALL", StandardWall());
  testing::WriteSupports("WALL", SimplySupported(), 4);
  testing::WriteLoads("WALL", "A", l);
  TextLineArray lines;
  int count = 0;
  LoadTextLines("WALL.SUP", lines, 5000, count);
  ASSERT_EQ(lines[4], "Toe Horizontally Restrained (?):  Y");
  lines[4] = "Toe Horizontally Restrained (?):  y ";
  ASSERT_TRUE(SaveTextLines("WALL.SUP", lines, count));
  SolverRun r = testing::Analyse("WALL", "A");
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  EXPECT_NEAR(r.report.plate.forces.at(0).axial, -10, kForce);
}

TEST_F(WallSolverTest, AnUnwritableReportStops) {
  WallLoads l;
  l.stemNodal = {{4, 10, 0, 0}};
  testing::WriteGeometry("WALL", StandardWall());
  testing::WriteSupports("WALL", SimplySupported(), 4);
  testing::WriteLoads("WALL", "A", l);
  ASSERT_TRUE(hostfs::MakeDirectory("WALL.RBA"));  // a folder where the report should go
  SolverRun r = testing::Analyse("WALL", "A");
  EXPECT_EQ(r.status, kStopReportNotWritten) << r.output;
  EXPECT_NE(r.output.find("The RESULTS File cannot be Written!"), std::string::npos);
}

TEST_F(WallSolverTest, WithoutGeometryOrCaseTheAnalysisEndsSilently) {
  std::string output;
  EXPECT_EQ(RunSolveTool({"NOJOB", "A"}, output), 100);
  EXPECT_EQ(RunSolveTool({"NOJOB", "A", "plastic"}, output), 100);
  EXPECT_EQ(RunSolveTool({"NOJOB", "A", "yielding"}, output), 64);
  testing::WriteGeometry("WALL", StandardWall());
  EXPECT_EQ(RunSolveTool({"WALL", "   "}, output), 100);
}

}  // namespace
}  // namespace murelo
