// The outside solver through its main (what ANALYSIS.exe and corvane_analysis run): beams and
// strips through Trabix's solver, circular plates against closed-form plate theory, the command
// line, the stale results and the stops.
#include <gtest/gtest.h>

#include <cmath>

#include "../../../common/tests/testdir.h"
#include "corvane/solver/solver.h"
#include "jobs.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/resultsreport.h"

namespace corvane {
namespace {

using testing::BeamJob;
using testing::Lines;
using testing::PlateJob;
using testing::TableRows;
using testing::WriteBeamJob;
using testing::WritePlateJob;

// Runs the solver's main on a command line; the warnings it would show are kept.
struct Outcome {
  int code = 0;
  std::vector<trabix::SolverWarningData> warnings;
};
Outcome Analyse(const std::string& line) {
  Outcome r;
  r.code = AnalysisMain(line, [&r](const trabix::SolverWarningData& w) { r.warnings.push_back(w); });
  return r;
}

// Table 1 and table 2 of a plate's ".RP": rows r, slope, translation, shear, Mr, Mc and rows r,
// radial stress, circumferential stress (, pressure). e1 := the empty line after table 1.
struct PlateResults {
  std::vector<std::string> lines;
  std::vector<std::vector<double>> t1, t2;
  int e1 = 0;
};
PlateResults ReadPlate(const std::string& file) {
  PlateResults p;
  p.lines = Lines(file);
  p.t1 = TableRows(p.lines, 11);
  p.e1 = 11 + static_cast<int>(p.t1.size());
  if (p.e1 + 13 < static_cast<int>(p.lines.size())) p.t2 = TableRows(p.lines, p.e1 + 13);
  return p;
}

// Displacement rows (x, translation, slope, pressure) of a ".RB" and its total reaction line.
std::vector<std::vector<double>> BeamDisplacements(const std::vector<std::string>& lines, std::string& total) {
  int dash = 0;
  for (int i = 17; i < static_cast<int>(lines.size()) && !dash; ++i)
    if (!lines[i].empty() && lines[i][0] == '-') dash = i;
  std::vector<std::vector<double>> rows = TableRows(lines, dash + 5);
  size_t after = dash + 5 + rows.size();
  total = after < lines.size() ? lines[after] : "";
  return rows;
}

double Near(double want, double percent) { return std::fabs(want) * percent / 100; }

class SolverTest : public ::testing::Test {
 protected:
  TestDirectory dir_;
};

TEST_F(SolverTest, SimplySupportedBeamMatchesBeamTheoryAndTrabixReport) {
  BeamJob b;
  b.unyielding = "1,5";
  b.uniform = 10;
  WriteBeamJob(b);
  Outcome run = Analyse("ANALYSIS.exe BEAM/STRIP,B1,A");
  ASSERT_EQ(run.code, 0);
  EXPECT_TRUE(run.warnings.empty());
  std::vector<std::string> lines = Lines("B1.RBA");
  ASSERT_GT(lines.size(), 30u);
  EXPECT_EQ(lines[3], "Job: B1 //  Load Case: 'A'");
  // Forces: x, then the shears and moments present at the node.
  std::vector<std::vector<double>> forces = TableRows(lines, 12);
  ASSERT_EQ(forces.size(), 5u);
  EXPECT_DOUBLE_EQ(forces[0][1], 50.00);       // right shear at node 1
  EXPECT_DOUBLE_EQ(forces[4][1], -50.00);      // left shear at node 5
  EXPECT_DOUBLE_EQ(forces[1][3], 93.75);       // qx(L - x)/2 at 2.5
  EXPECT_DOUBLE_EQ(forces[2][3], 125.00);      // qL^2/8
  EXPECT_DOUBLE_EQ(forces[2][4], 125.00);
  std::string total;
  std::vector<std::vector<double>> moves = BeamDisplacements(lines, total);
  ASSERT_EQ(moves.size(), 5u);
  EXPECT_DOUBLE_EQ(moves[2][1], 8.038);  // 5qL^4/(384EI)
  EXPECT_DOUBLE_EQ(moves[1][1], 5.727);
  EXPECT_DOUBLE_EQ(moves[0][2], 2.572E-3);  // qL^3/(24EI)
  EXPECT_DOUBLE_EQ(moves[4][2], -2.572E-3);

  // The same beam as Trabix's own job: the same report but for the date and the header.
  trabix::GeometryValues = {0, 10, 4, 3e7, 0, 0};
  trabix::StructureFlags = {"", "N", "", "", "N", ""};
  trabix::ElementTable.Redim(4, 3);
  for (int e = 1; e <= 4; ++e) trabix::ElementTable(e, 0) = e, trabix::ElementTable(e, 1) = 2.5,
                               trabix::ElementTable(e, 2) = 0.3, trabix::ElementTable(e, 3) = 0.6;
  TextLineArray t(1);
  int count = 0, first = 0;
  trabix::ListGeometry(t, count, first, trabix::GeometryHeader("T1"));
  trabix::ListElementTable(t, trabix::ElementTable, 4, first, 1);
  ASSERT_TRUE(SaveTextLines(trabix::GeometryFileName("T1"), t, count));
  trabix::SupportFlags.assign(14, "N");
  trabix::SupportFlags[2] = "Y";
  int elastic = 0, winkler = 0;
  t.assign(1, "");
  trabix::ListSupports(t, count, elastic, winkler, trabix::SupportHeader("T1"), "1,5");
  ASSERT_TRUE(SaveTextLines(trabix::SupportFileName("T1"), t, count));
  trabix::LoadValues = {0, 10, 0};
  int nodal = 0, trapezoidal = 0, temperature = 0;
  t.assign(1, "");
  trabix::ListLoads(t, count, nodal, trapezoidal, temperature, trabix::LoadHeader("T1", "A"));
  ASSERT_TRUE(SaveTextLines(trabix::LoadFileName("T1", "A"), t, count));
  JobSpec = "T1";
  trabix::LoadCaseName = "A";
  trabix::YieldAnalysis = 0;
  ASSERT_EQ(trabix::AnalyseLoadCase(), trabix::kSolverDone);
  std::vector<std::string> own = Lines("T1.RBA");
  ASSERT_EQ(own.size(), lines.size());
  for (size_t i = 1; i < own.size(); ++i) {
    if (i == 1 || i == 3) continue;
    EXPECT_EQ(lines[i], own[i]) << "line " << i;
  }
}

// A free beam under a uniform load on uniform Winkler soil settles by q / (k b) without bending.
// Trabix's soil terms take the translations as linear along an element while its load terms
// carry the consistent end moments of the cubic, so the coarse beam bends a little; the
// settlement approaches q / (k b) as the elements shorten, and the total is exact throughout.
TEST_F(SolverTest, FreeBeamOnWinklerSoilCarriesTheLoadAndSettlesTowardsQOverKb) {
  const struct {
    int elements;
    double tolerance;  // [mm]
  } meshes[] = {{4, 0.25}, {100, 0.0005}};
  for (const auto& mesh : meshes) {
    BeamJob b;
    b.elements = mesh.elements;
    b.width = 0.5;
    b.winkler = 10000;
    b.uniform = 20;
    WriteBeamJob(b);
    ASSERT_EQ(Analyse("ANALYSIS.exe BEAM/STRIP,B1,A").code, 0);
    std::string total;
    std::vector<std::vector<double>> moves = BeamDisplacements(Lines("B1.RBA"), total);
    ASSERT_EQ(moves.size(), static_cast<size_t>(mesh.elements + 1));
    for (const auto& row : moves) {
      EXPECT_NEAR(row[1], 4.000, mesh.tolerance) << mesh.elements << " elements, x = " << row[0];
      EXPECT_NEAR(row[3], 10 * row[1], 0.0051);  // k x the translation (printed in mm)
    }
    EXPECT_EQ(total, "ESTIMATE OF TOTAL REACTION FROM ELASTIC FOUNDATION: 200.000  [kN]");  // q L
  }
}

TEST_F(SolverTest, SimplySupportedSolidPlateMatchesPlateTheory) {
  PlateJob p;
  p.unyielding = "11";
  p.uniform = 10;
  WritePlateJob(p);
  Outcome run = Analyse("ANALYSIS.exe PLATE,P1,A");
  ASSERT_EQ(run.code, 0);
  PlateResults r = ReadPlate("P1.RPA");
  ASSERT_EQ(r.t1.size(), 11u);
  ASSERT_EQ(r.t2.size(), 11u);
  // Closed form, D = E t^3 / (12 (1 - nu^2)) = 70312.5 kN m, a = 5, q = 10, nu = 0.2:
  // w0 = (5 + nu) q a^4 / (64 (1 + nu) D), M0 = (3 + nu) q a^2 / 16, slope at a = -q a^3 / (8 D (1 + nu)),
  // Q(a) = -q a / 2, Mc(a) = (1 - nu) q a^2 / 8.
  const double d = 3e7 * 0.027 / (12 * 0.96);
  const double w0 = 5.2 * 10 * 625 / (64 * 1.2 * d) * 1000, m0 = 3.2 * 10 * 25 / 16;
  EXPECT_NEAR(r.t1[0][2], w0, Near(w0, 0.5));
  EXPECT_NEAR(r.t1[0][2], 6.019, 0.0015);
  EXPECT_NEAR(r.t1[0][4], m0, Near(m0, 0.5));
  EXPECT_DOUBLE_EQ(r.t1[0][4], r.t1[0][5]);
  EXPECT_DOUBLE_EQ(r.t1[0][3], 0.0);  // no point load: no infinite shear
  const auto& edge = r.t1[10];
  EXPECT_DOUBLE_EQ(edge[0], 5.0);
  EXPECT_NEAR(edge[1], -1.852E-3, 5E-7);  // -1.8519E-3 printed
  EXPECT_DOUBLE_EQ(edge[2], 0.0);
  EXPECT_DOUBLE_EQ(edge[3], -25.000);
  EXPECT_NEAR(edge[4], 0.0, 0.0005);
  EXPECT_DOUBLE_EQ(edge[5], 25.000);
  // Stresses 6 M / t^2 in MPa; no soil column.
  EXPECT_EQ(r.t2[0].size(), 3u);
  EXPECT_NEAR(r.t2[0][1], 3.333, Near(3.333, 0.5));  // 6 M0 / t^2
  EXPECT_DOUBLE_EQ(r.t2[0][1], r.t2[0][2]);
  // The rows at the radii of the nodes; lines as the readers expect them.
  for (int i = 0; i <= 10; ++i) EXPECT_DOUBLE_EQ(r.t1[i][0], 0.5 * i);
  EXPECT_EQ(r.lines[3], "Job: P1 //  Load Case: 'A'");
  EXPECT_EQ(r.lines[7], "CIRCULAR PLATE");
  EXPECT_EQ(r.lines[8], "^^^^^^^^^^^^^^");
  EXPECT_TRUE(r.lines[r.e1].empty());
  EXPECT_EQ(r.lines[r.e1 + 9], std::string(75, '-'));
  EXPECT_TRUE(r.lines[r.e1 + 10].empty());
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(ParseNumber(r.lines[r.e1 + k]), 0) << r.lines[r.e1 + k];
}

TEST_F(SolverTest, FreePlateOnWinklerSoilSettlesEvenly) {
  PlateJob p;
  p.winkler = 20000;
  p.uniform = 10;
  WritePlateJob(p);
  ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
  PlateResults r = ReadPlate("P1.RPA");
  ASSERT_EQ(r.t1.size(), 11u);
  ASSERT_EQ(r.t2.size(), 11u);
  for (int i = 0; i <= 10; ++i) {
    EXPECT_DOUBLE_EQ(r.t1[i][2], 0.500);  // q / k
    for (int c : {3, 4, 5}) EXPECT_LT(std::fabs(r.t1[i][c]), 0.01);
    EXPECT_DOUBLE_EQ(r.t2[i][3], 10.000);
  }
  std::string total = r.lines[r.e1 + 13 + 11 + 1];
  EXPECT_EQ(total, "TOTAL REACTION FROM ELASTIC FOUNDATION: 785.398 [kN]");  // q pi a^2
}

}  // namespace
}  // namespace corvane
