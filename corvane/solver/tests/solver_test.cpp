// The outside solver through its main (what ANALYSIS.exe and corvane_analysis run): beams and
// strips through Trabix's solver, circular plates against closed-form plate theory, the command
// line, the stale results and the stops.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <sys/wait.h>

#include "../../../common/tests/testdir.h"
#include "corvane/core/slots.h"
#include "corvane/solver/solver.h"
#include "jobs.h"
#include "trabix/core/analysis.h"

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
  std::vector<SolverWarningData> warnings;
};
Outcome Analyse(const std::string& line) {
  Outcome r;
  r.code = AnalysisMain(line, [&r](const SolverWarningData& w) { r.warnings.push_back(w); });
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
  auto save = [](const std::string& file, const std::vector<std::string>& lines) {
    TextLineArray t(1);  // lines from 1
    t.insert(t.end(), lines.begin(), lines.end());
    ASSERT_TRUE(SaveTextLines(file, t, static_cast<int>(lines.size())));
  };
  save("T1.geo", {"Job: T1 // GEOMETRY & MAT. PROPERTIES", "DATA:  BEAM!",
                  "Length [m]  No of Elements  Young's Modulus [kPa]   Poisson's Ratio",
                  "     10          4             3.0000E+7            0.000",
                  "Coefficient of Thermal Expansion:   .000E+0",
                  "Element 'i'  Element Length [m]   Width [m]      Thickness [m]",
                  "    1              2.5000           0.3000           0.6000  ",
                  "    2              2.5000           0.3000           0.6000  ",
                  "    3              2.5000           0.3000           0.6000  ",
                  "    4              2.5000           0.3000           0.6000  ", "",
                  "--------------------- END OF GEOMETRY DATA ---------------------"});
  save("T1.SUP", {"Job: T1 // SUPPORTS", "BEAM/STRIP SUPPORT DATA:", "Left Edge Fixed against Rotation (?):  N",
                  "Right Edge Fixed against Rotation (?):  N", "UNYIELDING SUPPORTS at Nodes: 1,5", "",
                  "------------------------ END OF SUPPORT DATA ------------------------"});
  save("T1.LDA", {"Job: T1 // LOADS (A)", "LOAD DATA:", "Uniform Load [kN/m]: 10.0",
                  "Self Weight (Mass Density) [kg/m^3]: 0.0", "",
                  "------------------------- END OF LOAD DATA -------------------------"});
  trabix::BeamModel model;
  ASSERT_EQ(trabix::AnalyseJobCase(model, "T1", "A", 0), trabix::kSolverDone);
  std::vector<std::string> own = Lines("T1.RBA");
  ASSERT_EQ(own.size(), lines.size());
  for (size_t i = 1; i < own.size(); ++i) {
    if (i == 1 || i == 3) continue;
    EXPECT_EQ(lines[i], own[i]) << "line " << i;
  }
}

// A support file edited by hand may answer its questions in lower case or with blanks about the
// answer: the solver takes "y" as the checks do, so a cantilever answered "y" analyses as "Y".
TEST_F(SolverTest, CantileverAnsweredInLowerCaseIsFixed) {
  BeamJob b;
  b.unyielding = "1";
  b.uniform = 10;
  std::vector<std::string> fixed;
  for (const char* answer : {"Y", "y", " y "}) {
    WriteBeamJob(b);
    std::vector<std::string> lines = Lines("B1.SUP");
    TextLineArray edited(lines.begin(), lines.end());
    bool found = false;
    for (std::string& line : edited)
      if (line == "Left Edge Fixed against Rotation (?):  N") line = std::string("Left Edge Fixed against Rotation (?):  ") + answer, found = true;
    ASSERT_TRUE(found);
    ASSERT_TRUE(SaveTextLines("B1.SUP", edited, static_cast<int>(edited.size()) - 1));
    Outcome run = Analyse("ANALYSIS.exe BEAM/STRIP,B1,A");
    ASSERT_EQ(run.code, 0) << answer << ": " << (run.warnings.empty() ? "" : run.warnings[0].text);
    std::vector<std::string> result = Lines("B1.RBA");
    ASSERT_GT(result.size(), 30u) << answer;
    if (fixed.empty()) fixed = result;
    ASSERT_EQ(result.size(), fixed.size()) << answer;
    for (size_t i = 2; i < result.size(); ++i) EXPECT_EQ(result[i], fixed[i]) << answer << " line " << i;
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

// A strip (answer 1 "Y"): per metre, D = E h^3 / (12 (1 - nu^2)) = 562500, M = q L^2 / 8,
// w = 5 q L^4 / (384 D); along its length nu M.
TEST_F(SolverTest, SimplySupportedStripIsAnalysedPerMetre) {
  BeamJob b;
  b.strip = true;
  b.poisson = 0.2;
  b.unyielding = "1,5";
  b.uniform = 10;
  WriteBeamJob(b);
  ASSERT_EQ(Analyse("ANALYSIS.exe BEAM/STRIP,B1,A").code, 0);
  std::vector<std::string> lines = Lines("B1.RBA");
  ASSERT_GT(lines.size(), 12u);
  EXPECT_EQ(lines[7], "STRIP");
  std::vector<std::vector<double>> forces = TableRows(lines, 12);
  ASSERT_EQ(forces.size(), 5u);
  EXPECT_DOUBLE_EQ(forces[2][3], 125.00);  // width bending moment at x = 5
  // Along its length the strip is held: nu times the whole width moment, 0 at the supports.
  EXPECT_DOUBLE_EQ(forces[2][5], 25.00);
  EXPECT_DOUBLE_EQ(forces[2][6], 25.00);
  // The edge rows have only their inner cells: distance, shear, width and length moment.
  ASSERT_EQ(forces[0].size(), 4u);
  ASSERT_EQ(forces[4].size(), 4u);
  EXPECT_DOUBLE_EQ(forces[0][3], 0.0);
  EXPECT_DOUBLE_EQ(forces[4][3], 0.0);
  EXPECT_DOUBLE_EQ(forces[1][5], 0.2 * 93.75);  // q x (L - x) / 2 at x = 2.5
  std::string total;
  std::vector<std::vector<double>> moves = BeamDisplacements(lines, total);
  ASSERT_EQ(moves.size(), 5u);
  EXPECT_DOUBLE_EQ(moves[2][1], 2.315);
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

// A finely divided plate on the half-space: its short elements' bending stiffness outweighs the
// soil's by many orders, and the solution must still hold the equations. The soil carries the
// whole load (q pi a^2 = 3141.593 kN, less a rounding of the element widths
// stored in single precision), and the centre settles as that of a coarser division.
TEST_F(SolverTest, FinelyDividedPlateOnHalfSpaceCarriesTheWholeLoad) {
  PlateJob p;
  p.outer = 10;
  p.thickness = 0.5;
  p.uniform = 10;
  p.halfSpace = true;
  p.halfSpaceValues = {"50000", "0.3"};
  p.elements = 50;
  WritePlateJob(p);
  ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
  const double coarse = ReadPlate("P1.RPA").t1[0][2];
  p.elements = 500;
  WritePlateJob(p);
  ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
  PlateResults r = ReadPlate("P1.RPA");
  ASSERT_EQ(r.t1.size(), 501u);
  const std::string total = r.lines[r.e1 + 13 + 501 + 1];
  ASSERT_EQ(total.rfind("TOTAL REACTION FROM ELASTIC FOUNDATION: ", 0), 0u) << total;
  EXPECT_NEAR(ParseNumber(total.substr(40)), 3141.593, 0.002) << total;
  EXPECT_NEAR(r.t1[0][2], coarse, 0.005);
}

// A thick plate on an elastic half-space settles as a rigid punch, w = P (1 - nu^2) / (2 a E),
// and the soil carries the whole load; a cross-anisotropic soil of isotropic constants
// (Gv = E / (2 (1 + nu))) gives the same results.
TEST_F(SolverTest, ThickPlateOnHalfSpaceSettlesAsARigidPunch) {
  PlateJob p;
  p.elements = 20;
  p.outer = 2;
  p.thickness = 2;
  p.point = 1000;
  p.halfSpace = true;
  p.halfSpaceValues = {"50000", "0.3"};
  WritePlateJob(p);
  ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
  PlateResults r = ReadPlate("P1.RPA");
  ASSERT_EQ(r.t1.size(), 21u);
  ASSERT_EQ(r.t2.size(), 21u);
  const double w = 1000 * (1 - 0.09) / (2 * 2 * 50000) * 1000;  // 4.55 mm
  for (int i = 0; i <= 20; ++i) EXPECT_NEAR(r.t1[i][2], w, Near(w, 2)) << "node " << i + 1;
  EXPECT_EQ(r.t1[0][3], 0);  // "***INFINITY***" reads as no number
  EXPECT_NE(r.lines[11].find("***INFINITY***"), std::string::npos);
  // The punch's pressure P / (2 pi a sqrt(a^2 - r^2)) at the centre: 39.789 kPa.
  EXPECT_NEAR(r.t2[0][3], 39.789, Near(39.789, 5));
  EXPECT_EQ(r.lines[r.e1 + 13 + 21 + 1], "TOTAL REACTION FROM ELASTIC FOUNDATION: 1000.000 [kN]");
  EXPECT_EQ(r.lines[r.e1 + 8], "   ELASTIC HALF-SPACE: Contact Pressure is POSITIVE in COMPRESSION");
  // The plate's own statics at its edge: no shear and no moment beyond the last node.
  EXPECT_LT(std::fabs(r.t1[20][3]), 0.5);

  p.halfSpace = false;
  p.crossAnisotropic = true;
  p.halfSpaceValues = {"50000", "50000", "19230.77", "0.3", "0.3"};
  WritePlateJob(p);
  ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
  PlateResults c = ReadPlate("P1.RPA");
  ASSERT_EQ(c.lines.size(), r.lines.size());
  // Every line alike; the figures to their printed precision (an edge's shear and moment, zero
  // in theory, print as rounding residues below 1.0E-6).
  for (size_t k = 7; k < r.lines.size(); ++k) {
    std::vector<std::string> a = testing::Fields(r.lines[k]), b = testing::Fields(c.lines[k]);
    ASSERT_EQ(a.size(), b.size()) << "line " << k;
    for (size_t f = 0; f < a.size(); ++f) {
      double x = ParseNumber(a[f]), y = ParseNumber(b[f]);
      if (x == 0 && y == 0) EXPECT_EQ(a[f], b[f]) << "line " << k;
      EXPECT_NEAR(x, y, 1.0E-6 + 0.0005 * std::fabs(x)) << "line " << k << ": " << r.lines[k] << " / " << c.lines[k];
    }
  }
}

// A plate warmer below than above takes the free curvature k0 = alpha dT / t: simply supported it
// bends freely, w0 = k0 a^2 / 2, without moments; clamped it stays flat under
// M_r = M_c = -D (1 + nu) k0 at every node. A swelling of the bottom fibres acts as its own
// temperature change.
TEST_F(SolverTest, TemperatureChangesAndStrainsBendAPlateFreely) {
  const double k0 = 1E-5 * 20 / 0.3, d = 3e7 * 0.027 / (12 * 0.96);
  struct Case {
    const char* name;
    std::string edge;
    double temperature, strain;
  } cases[] = {{"warmer below", "N", 20, 0}, {"warmer below, clamped", "Y", 20, 0},
               {"swelling below", "N", 0, 2E-4}, {"swelling below, clamped", "Y", 0, 2E-4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlateJob p;
    p.unyielding = "11";
    p.edge1 = c.edge;
    p.alpha = 1E-5;
    p.temperatureBelow = c.temperature;
    WritePlateJob(p);
    if (c.strain != 0) {  // the bottom fibres' strain, group 6 item 2
      LoadCaseName = "A";
      LoadTable(6, 2) = static_cast<float>(c.strain);
      SaveLoadFile(2);
    }
    ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
    PlateResults r = ReadPlate("P1.RPA");
    ASSERT_EQ(r.t1.size(), 11u);
    for (int i = 0; i <= 10; ++i) {
      const double radius = 0.5 * i;
      if (c.edge == "N") {
        EXPECT_NEAR(r.t1[i][2], k0 * (25 - radius * radius) / 2 * 1000, 0.0015) << "node " << i + 1;
        for (int col : {4, 5}) EXPECT_LT(std::fabs(r.t1[i][col]), 0.01) << "node " << i + 1;
      } else {
        EXPECT_DOUBLE_EQ(r.t1[i][2], 0.0) << "node " << i + 1;
        for (int col : {4, 5}) EXPECT_NEAR(r.t1[i][col], -d * 1.2 * k0, 0.0015) << "node " << i + 1;
      }
    }
    if (c.edge == "N") EXPECT_NEAR(r.t1[0][2], 8.333, 0.0015);
    else EXPECT_DOUBLE_EQ(r.t1[0][4], -56.250);
  }
}

// The solid plate's edge held against rotation (answer 1 of a solid plate): the clamped plate,
// w0 = q a^4 / (64 D), M0 = (1 + nu) q a^2 / 16, Mr(a) = -q a^2 / 8.
TEST_F(SolverTest, SolidPlateEdgeFixityClampsTheEdge) {
  PlateJob p;
  p.unyielding = "11";
  p.edge1 = "Y";
  p.uniform = 10;
  WritePlateJob(p);
  ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
  PlateResults r = ReadPlate("P1.RPA");
  ASSERT_EQ(r.t1.size(), 11u);
  const double d = 3e7 * 0.027 / (12 * 0.96);
  EXPECT_NEAR(r.t1[0][2], 10 * 625 / (64 * d) * 1000, Near(1.389, 0.5));
  // The centre moment comes from element 1's curvature: the same 0.1 above theory as the
  // simply supported plate's (the quartic part of w is the same), so 0.6 % here.
  EXPECT_NEAR(r.t1[0][4], 1.2 * 10 * 25 / 16, Near(18.75, 1.0));
  EXPECT_DOUBLE_EQ(r.t1[10][1], 0.0);
  EXPECT_NEAR(r.t1[10][4], -31.25, Near(31.25, 0.1));
  EXPECT_DOUBLE_EQ(r.t1[10][3], -25.000);
}

// An annular plate, inner radius 1, outer 5, on an unyielding outer nodal line: the rows stand at
// the radii of the nodal lines; answer 1 holds the inner edge, answer 7 the outer one. The free
// inner edge carries no shear and no radial moment; the outer shear carries the whole load,
// Q(a) = -q (a^2 - b^2) / (2 a).
TEST_F(SolverTest, AnnularPlateEdgeFixitiesHoldTheEdgesTheyName) {
  const struct {
    const char* edge1;
    const char* edge7;
  } cases[] = {{"N", "N"}, {"Y", "N"}, {"N", "Y"}, {"Y", "Y"}};
  for (const auto& c : cases) {
    PlateJob p;
    p.inner = 1;
    p.elements = 8;
    p.unyielding = "9";
    p.edge1 = c.edge1;
    p.edge7 = c.edge7;
    p.uniform = 10;
    WritePlateJob(p);
    ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0) << c.edge1 << c.edge7;
    PlateResults r = ReadPlate("P1.RPA");
    ASSERT_EQ(r.t1.size(), 9u);
    ASSERT_EQ(r.t2.size(), 9u);
    for (int i = 0; i <= 8; ++i) {
      EXPECT_DOUBLE_EQ(r.t1[i][0], 1 + 0.5 * i);
      EXPECT_DOUBLE_EQ(r.t2[i][0], 1 + 0.5 * i);
    }
    const bool inner = std::string(c.edge1) == "Y", outer = std::string(c.edge7) == "Y";
    EXPECT_EQ(r.t1[0][1] == 0, inner) << c.edge1 << c.edge7;
    EXPECT_EQ(r.t1[8][1] == 0, outer) << c.edge1 << c.edge7;
    EXPECT_DOUBLE_EQ(r.t1[0][3], 0.0);
    if (!inner) {
      EXPECT_DOUBLE_EQ(r.t1[0][4], 0.0);
    }
    if (!outer) {
      EXPECT_DOUBLE_EQ(r.t1[8][4], 0.0);
    }
    EXPECT_DOUBLE_EQ(r.t1[8][3], -24.000);
    EXPECT_GT(r.t1[0][2], 0);
    EXPECT_DOUBLE_EQ(r.t1[8][2], 0.0);
  }
}

// Loads of every kind against their closed forms on the simply supported solid plate of 10
// elements (D = 70312.5, a = 5, nu = 0.2), and on the free plate on Winkler soil k = 20000.
TEST_F(SolverTest, PlateLoadsAndSupportsOfEveryKind) {
  const double d = 3e7 * 0.027 / (12 * 0.96), pi = 4 * std::atan(1.0);
  {
    // Central point load P = 100: Q = -P / (2 pi r) exactly, w0 = P a^2 (3 + nu) / (16 pi (1 + nu) D),
    // the infinite shear marked once on the centre row.
    PlateJob p;
    p.unyielding = "11";
    p.point = 100;
    WritePlateJob(p);
    ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
    PlateResults r = ReadPlate("P1.RPA");
    ASSERT_EQ(r.t1.size(), 11u);
    const std::string& centre = r.lines[11];
    EXPECT_EQ(centre.find("***INFINITY***"), centre.rfind("***INFINITY***"));
    EXPECT_NE(centre.find("***INFINITY***"), std::string::npos);
    for (int i = 1; i <= 10; ++i) EXPECT_NEAR(r.t1[i][3], -100 / (2 * pi * 0.5 * i), 0.0005);
    EXPECT_NEAR(r.t1[0][2], 100 * 25 * 3.2 / (16 * pi * 1.2 * d) * 1000, Near(1.886, 0.5));
  }
  {
    // The same load on an unyielding centre: no net force at the centre, no infinity; the plate
    // stays where it is.
    PlateJob p;
    p.unyielding = "1";
    p.point = 100;
    p.springs = {{11, 1000}};
    WritePlateJob(p);
    ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
    PlateResults r = ReadPlate("P1.RPA");
    EXPECT_EQ(r.lines[11].find("INFINITY"), std::string::npos);
    EXPECT_DOUBLE_EQ(r.t1[0][3], 0.0);
    for (const auto& row : r.t1) EXPECT_DOUBLE_EQ(row[2], 0.0);
  }
  {
    // A centre row spring is a point spring of kv kN/m: the free plate on it alone takes
    // P / kv everywhere, carrying the point load itself (no net force, no infinity).
    PlateJob p;
    p.springs = {{1, 1000}};
    p.point = 100;
    WritePlateJob(p);
    ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
    PlateResults r = ReadPlate("P1.RPA");
    for (const auto& row : r.t1) EXPECT_DOUBLE_EQ(row[2], 100.000);
    EXPECT_DOUBLE_EQ(r.t1[0][3], 0.0);
  }
  {
    // A ring spring kv [kN/m^2] at the edge holds the whole load q pi a^2 on its circumference:
    // w(a) = q a / (2 kv); the plate bends as the simply supported one on top of it.
    PlateJob p;
    p.springs = {{11, 1000}};
    p.uniform = 10;
    WritePlateJob(p);
    ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
    PlateResults r = ReadPlate("P1.RPA");
    EXPECT_DOUBLE_EQ(r.t1[10][2], 25.000);
    EXPECT_NEAR(r.t1[0][2] - r.t1[10][2], 6.019, 0.002);
  }
  {
    // Ring load F = 10 kN/m at r = 2.5: the edge shear is -F r / a; a ring moment M = 10 at
    // the edge (lifting the centre) bends the whole plate evenly, Mr = Mc = -M,
    // w0 = -M a^2 / (2 D (1 + nu)).
    PlateJob p;
    p.unyielding = "11";
    p.rings = {{6, {10, 0}}};
    WritePlateJob(p);
    ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
    PlateResults r = ReadPlate("P1.RPA");
    EXPECT_DOUBLE_EQ(r.t1[10][3], -5.000);
    p.rings = {{11, {0, 10}}};
    WritePlateJob(p);
    ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
    r = ReadPlate("P1.RPA");
    for (int i = 0; i <= 10; ++i) {
      EXPECT_NEAR(r.t1[i][4], -10.0, 0.0015) << i;
      EXPECT_NEAR(r.t1[i][5], -10.0, 0.0015) << i;
      EXPECT_NEAR(r.t1[i][3], 0.0, 0.0015) << i;
    }
    EXPECT_NEAR(r.t1[0][2], -10 * 25 / (2 * d * 1.2) * 1000, 0.0015);
  }
  {
    // Self weight rho g t / 1000 and a trapezoidal load on the free plate on Winkler soil: the
    // soil carries all of it, the total over the whole circle.
    PlateJob p;
    p.winkler = 20000;
    p.density = 2000;
    WritePlateJob(p);
    ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
    PlateResults r = ReadPlate("P1.RPA");
    for (const auto& row : r.t2) EXPECT_DOUBLE_EQ(row[3], 5.886);  // 2000 x 9.81 x 0.3 / 1000
    ::corvane::TrapezoidalLoadTable(3, 1) = 4;
    ::corvane::TrapezoidalLoadTable(3, 2) = 8;
    ::corvane::LoadTable(1, 2) = 0;
    ASSERT_TRUE(SaveLoadFile(2));
    ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
    r = ReadPlate("P1.RPA");
    // 2 pi x the integral of (4 + 8 (r - 1)) r dr from 1 to 1.5
    EXPECT_EQ(r.lines.back(), "TOTAL REACTION FROM ELASTIC FOUNDATION: 24.086 [kN]");
  }
}

TEST_F(SolverTest, CommandLineSplitsAtTheFirstTwoCommas) {
  const struct {
    const char* line;
    bool ok;
    const char* type;
    const char* job;
    const char* caseName;
  } cases[] = {
      {"ANALYSIS.exe PLATE,C:\\J\\P1,A load, 2", true, "PLATE", "C:\\J\\P1", "A load, 2"},
      {"\"C:\\Program Files\\Corvane\\ANALYSIS.exe\" BEAM/STRIP,D:\\MY JOBS\\B 1,  dead  ", true, "BEAM/STRIP",
       "D:\\MY JOBS\\B 1", "dead"},
      {"ANALYSIS.exe TANK,T1,W", true, "TANK", "T1", "W"},
      {"ANALYSIS.exe", false, "", "", ""},
      {"ANALYSIS.exe PLATE,P1", false, "", "", ""},
      {"ANALYSIS.exe PLATE,P1,  ", false, "", "", ""},
      {"ANALYSIS.exe PLATE, ,A", false, "", "", ""},
      {"ANALYSIS.exe ROOF,P1,A", false, "", "", ""},
  };
  for (const auto& c : cases) {
    AnalysisCall call;
    EXPECT_EQ(ParseAnalysisCommandLine(c.line, call), c.ok) << c.line;
    if (!c.ok) continue;
    EXPECT_EQ(call.type, c.type);
    EXPECT_EQ(call.job, c.job);
    EXPECT_EQ(call.caseName, c.caseName);
  }
}

// The case's old results of every kind go first; the new result file is the only file added
// beside the job.
TEST_F(SolverTest, WritesTheCaseResultFileAloneAndDeletesStaleOnes) {
  std::filesystem::create_directories("J");
  PlateJob p;
  p.job = "J\\P1";
  p.unyielding = "11";
  p.uniform = 10;
  WritePlateJob(p, "A load, 2");
  for (const char* stale : {"J/P1.RWA", "J/P1.RBA", "J/P1.RRA", "J/P1.RPA"}) WriteBytes(stale, "old\r\n");
  WriteBytes("J/P1.RWB", "another case\r\n");
  Outcome run = Analyse("ANALYSIS.exe PLATE,J\\P1,A load, 2");
  ASSERT_EQ(run.code, 0);
  std::set<std::string> files;
  for (const auto& e : std::filesystem::directory_iterator("J")) files.insert(e.path().filename().string());
  EXPECT_EQ(files, (std::set<std::string>{"P1.geo", "P1.SUP", "P1.LDA", "P1.RPA", "P1.RWB"}));
  EXPECT_EQ(Lines("J/P1.RPA")[3], "Job: J\\P1 //  Load Case: 'A load, 2'");
}

// Every stop: its warning (caption, text, tones) and no result file, old ones gone.
TEST_F(SolverTest, StopsWarnAndLeaveNoResults) {
  const std::string crlf = "\r\n";
  const std::vector<SolverTone> warning = {{330, 250}, {294, 250}, {330, 250}, {294, 250}};
  const std::vector<SolverTone> unstable = {{100, 550}, {294, 250}, {100, 550}, {294, 250}};
  struct Case {
    const char* what;
    std::function<void()> job;
    std::string line;
    int code;
    std::string text;
    std::vector<SolverTone> tones;
  };
  PlateJob plain;
  plain.unyielding = "11";
  plain.uniform = 10;
  std::vector<Case> cases = {
      {"free plate", [] { WritePlateJob(PlateJob()); }, "ANALYSIS.exe PLATE,P1,A", 2,
       "The SYSTEM is Unstable!" + crlf + crlf + "Change the SYSTEM Data!         ", unstable},
      {"no command", [] {}, "ANALYSIS.exe", kAnalysisBadCommandLine,
       "ANALYSIS.exe is started with the STRUCTURE TYPE, the JOB and the LOAD CASE:" + crlf +
           "   ANALYSIS.exe TYPE,JOB,LOAD CASE" + crlf + crlf + "Start the ANALYSIS from Corvane!",
       warning},
      {"no geometry", [] {}, "ANALYSIS.exe PLATE,P1,A", kAnalysisNoGeometry,
       " CIRCULAR PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!" + crlf + crlf + "Enter the Data!", warning},
      {"beam geometry for a plate", [] { BeamJob b;
         b.job = "P1";
         WriteBeamJob(b); }, "ANALYSIS.exe PLATE,P1,A",
       kAnalysisNoGeometry, " CIRCULAR PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!" + crlf + crlf + "Enter the Data!",
       warning},
      {"no supports", [&] {
         WritePlateJob(plain);
         std::filesystem::remove("P1.SUP");
       },
       "ANALYSIS.exe PLATE,P1,A", kAnalysisNoSupports,
       "Support Data File is Missing!" + crlf + crlf + "Enter the Data!", warning},
      {"roof that does not reach the wall", [] {
         testing::TankJob t;
         t.job = "P1";
         t.roofElements = 2;
         t.roofWidths = {1, 1};
         testing::WriteTankJob(t);
       },
       "ANALYSIS.exe TANK,P1,A", kAnalysisDataRefused,
       " WALL - ROOF JUNCTION MUST COINCIDE WITH ONE OF ROOF NODAL LINES" + crlf + crlf + "Correct the Data!", warning},
      {"half-space of no modulus", [&] {
         PlateJob p = plain;
         p.halfSpace = true;
         p.halfSpaceValues = {"0", "0.3"};
         WritePlateJob(p);
       },
       "ANALYSIS.exe PLATE,P1,A", kStopBadHalfSpace,
       "The HALF-SPACE Data describe no Elastic Soil!" + crlf + crlf + "Correct the Data!", warning},
      {"cross-anisotropic half-space of no real medium", [&] {
         PlateJob p = plain;
         p.crossAnisotropic = true;
         p.halfSpaceValues = {"50000", "50000", "19230.77", "0.3", "0.9"};
         WritePlateJob(p);
       },
       "ANALYSIS.exe PLATE,P1,A", kStopBadHalfSpace,
       "The HALF-SPACE Data describe no Elastic Soil!" + crlf + crlf + "Correct the Data!", warning},
      {"plate node beyond the last", [&] {
         PlateJob p = plain;
         p.unyielding = "11,12";
         WritePlateJob(p);
       },
       "ANALYSIS.exe PLATE,P1,A", kAnalysisDataRefused,
       " UNYIELDING SUPPORT DATA UNACCEPTABLE" + crlf + crlf + "Correct the Data!", warning},
      {"plate node of eleven digits", [&] {
         PlateJob p = plain;
         p.unyielding = "11,99999999999";
         WritePlateJob(p);
       },
       "ANALYSIS.exe PLATE,P1,A", kAnalysisDataRefused,
       " UNYIELDING SUPPORT DATA UNACCEPTABLE" + crlf + crlf + "Correct the Data!", warning},
      {"beam node of eleven digits", [] {
         BeamJob b;
         b.job = "P1";
         b.unyielding = "1,99999999999";
         b.uniform = 10;
         WriteBeamJob(b);
       },
       "ANALYSIS.exe BEAM/STRIP,P1,A", kAnalysisDataRefused,
       " UNYIELDING SUPPORT DATA UNACCEPTABLE" + crlf + crlf + "Correct the Data!", warning},
      {"beam node beyond the last", [] {
         BeamJob b;
         b.job = "P1";
         b.unyielding = "1,5,9";
         b.uniform = 10;
         WriteBeamJob(b);
       },
       "ANALYSIS.exe BEAM/STRIP,P1,A", kAnalysisDataRefused,
       " UNYIELDING SUPPORT DATA UNACCEPTABLE" + crlf + crlf + "Correct the Data!", warning},
      {"unwritable results", [&] {
         WritePlateJob(plain);
         std::filesystem::create_directories("P1.RPA");
       },
       "ANALYSIS.exe PLATE,P1,A", kStopReportNotWritten,
       "The RESULTS File cannot be Written!" + crlf + crlf + "Check the JOB Directory!", warning},
  };
  for (const Case& c : cases) {
    TestDirectory dir;
    c.job();
    for (const char* stale : {"P1.RBA", "P1.RWA", "P1.RRA"}) WriteBytes(stale, "old\r\n");
    if (!std::filesystem::exists("P1.RPA")) WriteBytes("P1.RPA", "old\r\n");
    Outcome run = Analyse(c.line);
    EXPECT_EQ(run.code, c.code) << c.what;
    ASSERT_EQ(run.warnings.size(), 1u) << c.what;
    EXPECT_EQ(run.warnings[0].caption, "WARNING!") << c.what;
    EXPECT_EQ(run.warnings[0].text, c.text) << c.what;
    std::vector<std::string> tones, want;
    for (const auto& t : run.warnings[0].tones) tones.push_back(std::to_string(t.frequency) + "/" + std::to_string(t.duration));
    for (const auto& t : c.tones) want.push_back(std::to_string(t.frequency) + "/" + std::to_string(t.duration));
    EXPECT_EQ(tones, want) << c.what;
    // A command line without a job names no files; every other stop leaves none of the case.
    bool named = c.code != kAnalysisBadCommandLine;
    for (const char* file : {"P1.RBA", "P1.RWA", "P1.RRA"}) EXPECT_EQ(std::filesystem::exists(file), !named) << c.what << file;
    EXPECT_EQ(std::filesystem::is_regular_file("P1.RPA"), !named) << c.what;
  }
}

// The outside solver reads a missing load file as no loads.
TEST_F(SolverTest, NoLoadFileMeansNoLoads) {
  PlateJob p;
  p.unyielding = "11";
  p.uniform = 10;
  WritePlateJob(p);
  std::filesystem::remove("P1.LDA");
  ASSERT_EQ(Analyse("ANALYSIS.exe PLATE,P1,A").code, 0);
  for (const auto& row : ReadPlate("P1.RPA").t1)
    for (size_t c = 1; c < row.size(); ++c) EXPECT_DOUBLE_EQ(row[c], 0.0);
}

// The native tool runs the same main: the written file and the exit code of a stop.
TEST_F(SolverTest, ToolRunsTheSameMain) {
  PlateJob p;
  p.unyielding = "11";
  p.uniform = 10;
  WritePlateJob(p, "Live");
  const std::string tool = CORVANE_ANALYSIS_TOOL;
  EXPECT_EQ(std::system((tool + " \"PLATE,P1,Live\" 2>err.txt").c_str()), 0);
  EXPECT_EQ(Lines("P1.RPL")[3], "Job: P1 //  Load Case: 'Live'");
  std::filesystem::remove("P1.SUP");
  int status = std::system((tool + " \"PLATE,P1,Live\" 2>err.txt").c_str());
  EXPECT_EQ(WEXITSTATUS(status), kAnalysisNoSupports);
  EXPECT_EQ(ReadBytes("err.txt"), "WARNING!\nSupport Data File is Missing!\n\nEnter the Data!\n");
  EXPECT_FALSE(std::filesystem::exists("P1.RPL"));
}

}  // namespace
}  // namespace corvane
