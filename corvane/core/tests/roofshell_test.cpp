#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "core/numbers.h"
#include "corvane/core/roofshell.h"
#include "corvane/core/globals.h"

namespace corvane {
namespace {

double Sum(const std::vector<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0); }

TEST(RoofShell, ConeThroughTheAxisPointGivesEqualComponentsSummingToItsHeight) {
  RoofShellShape cone;
  cone.kind = ConeRoof;
  cone.x1 = 0;
  cone.z1 = 2;
  cone.rw = 6;
  ASSERT_TRUE(RoofShellPointsValid(0, 2, 6, 6));
  ASSERT_TRUE(RoofShellShapeValid(cone, 6));
  std::vector<double> z = RoofShellZComponents(cone, 0, std::vector<double>(4, 1.5));
  ASSERT_EQ(z.size(), 4u);
  for (double zk : z) EXPECT_NEAR(zk, 0.5, 1e-12);
  EXPECT_NEAR(Sum(z), 2.0, 1e-12);
}

TEST(RoofShell, DomeOfAGivenRadiusKeepsEveryNodeOnItsCircle) {
  RoofShellShape dome;
  dome.kind = DomeRoof;
  dome.rw = 6;
  dome.radius = 10;
  dome.x1 = 1;
  dome.z1 = 1;
  ASSERT_TRUE(RoofShellShapeValid(dome, 6));
  const double ri = 1, R = 10;
  std::vector<double> x = {0.5, 1.0, 1.5, 2.0};  // to ro = 6
  std::vector<double> z = RoofShellZComponents(dome, ri, x);
  EXPECT_NEAR(Sum(z), std::sqrt(R * R - ri * ri) - std::sqrt(R * R - 36), 1e-12);
  double r = ri, height = std::sqrt(R * R - ri * ri) - 8;  // above the wall top, which is 8 above the centre
  for (size_t k = 0; k < x.size(); ++k) {
    EXPECT_GT(z[k], 0);
    r += x[k];
    height -= z[k];
    EXPECT_NEAR(r * r + (height + 8) * (height + 8), R * R, 1e-9) << "node " << k + 1;
  }
}

TEST(RoofShell, DomeThroughTheAxisPointHasTheRadiusOfItsCircle) {
  const double rw = 6, h = 2;
  RoofShellShape through;
  through.kind = DomeRoof;
  through.x1 = 0;
  through.z1 = h;
  through.rw = rw;
  RoofShellShape given = through;
  given.radius = (rw * rw + h * h) / (2 * h);
  ASSERT_TRUE(RoofShellShapeValid(through, rw));
  std::vector<double> x(5, 1.2);
  std::vector<double> a = RoofShellZComponents(through, 0, x), b = RoofShellZComponents(given, 0, x);
  for (size_t k = 0; k < x.size(); ++k) EXPECT_NEAR(a[k], b[k], 1e-12) << k;
  EXPECT_NEAR(Sum(a), h, 1e-12);
}

TEST(RoofShell, RefusedShapes) {
  const struct {
    const char* name;
    int kind;
    double x1, z1, rw, radius, ro;
    bool points, shape;
  } cases[] = {
      {"cone from the axis above the wall top", ConeRoof, 0, 2, 6, 0, 6, true, true},
      {"flat cone", ConeRoof, 0, 0, 6, 0, 6, true, true},
      {"first point on the wall top", ConeRoof, 5.99995, 1, 6, 0, 6, false, true},
      {"first point beyond the roof", ConeRoof, 6.5, 0, 6, 0, 6, false, true},
      {"outside the wall and above its top", ConeRoof, 6.4, 0.1, 6, 0, 7, false, true},
      {"inside the wall and below its top", ConeRoof, 2, -0.1, 6, 0, 6, false, true},
      {"wall top outside the roof", ConeRoof, 0, 1, 6.002, 0, 6, false, true},
      {"wall radius 0", ConeRoof, 0, 1, 0, 0, 6, false, true},
      {"dome without radius, first point level", DomeRoof, 2, 0, 6, 0, 6, true, false},
      {"dome centre above the wall top", DomeRoof, 0, 7, 6, 0, 6, true, false},
      {"hemisphere", DomeRoof, 0, 6, 6, 0, 6, true, true},
      {"dome radius short of the roof", DomeRoof, 0, 1, 6, 5.5, 6, true, false},
      {"dome radius short of the overhanging roof", DomeRoof, 0, 1, 6, 6.5, 7, true, false},
      {"dome radius that reaches", DomeRoof, 0, 1, 6, 6, 6, true, true},
  };
  for (const auto& c : cases) {
    RoofShellShape s;
    s.kind = c.kind;
    s.x1 = c.x1;
    s.z1 = c.z1;
    s.rw = c.rw;
    s.radius = c.radius;
    EXPECT_EQ(RoofShellPointsValid(c.x1, c.z1, c.rw, c.ro), c.points) << c.name;
    if (c.points) {
      EXPECT_EQ(RoofShellShapeValid(s, c.ro), c.shape) << c.name;
    }
    if (c.points && c.shape) {
      for (double z : RoofShellZComponents(s, 0, std::vector<double>(4, c.ro / 4))) EXPECT_GE(z, 0) << c.name;
    }
  }
}

class ShellTable : public ::testing::Test {
 protected:
  void SetUp() override {
    JobDataTable.Redim(8, 6);
    JobDataTable(2, 2) = 6;  // wall radius
    JobDataTable(3, 1) = 4;
    JobDataTable(3, 2) = 0;
    JobDataTable(3, 3) = 6;
    for (int r = 1; r <= 4; ++r) {
      CellTexts(2, r) = "1.5";
      CellTexts(3, r) = "0";
      CellTexts(4, r) = "0.1";
    }
  }
};

TEST_F(ShellTable, UniformConeFillsBothComponents) {
  FieldTexts = {"", "0", "2", "6", "0.0", "2", "", "UNIFORM"};
  for (int r = 1; r <= 4; ++r) CellTexts(2, r) = "9";
  EXPECT_EQ(ApplyRoofShell(4), "");
  for (int r = 1; r <= 4; ++r) {
    EXPECT_EQ(CellTexts(2, r), "1.5000E+0") << r;
    EXPECT_EQ(CellTexts(3, r), "5.0000E-1") << r;
    EXPECT_EQ(CellTexts(4, r), "0.1") << r;
  }
}

TEST_F(ShellTable, EnteredWidthsMustFillTheRoof) {
  FieldTexts = {"", "0", "3", "6", "0.0", "1", "0", "NON-UNIFORM"};
  CellTexts(2, 4) = "1.6";  // 6.1 m in all
  EXPECT_EQ(ApplyRoofShell(4), "CORRECT Element Width Data SHOULD be Entered at First");
  EXPECT_EQ(CellTexts(3, 1), "0");
  CellTexts(2, 4) = "1.503";  // within 0.001 of the roof's width
  EXPECT_EQ(ApplyRoofShell(4), "");
  double sum = 0;
  for (int r = 1; r <= 4; ++r) {
    EXPECT_EQ(CellTexts(2, r), r < 4 ? "1.5" : "1.503");
    sum += ParseNumber(CellTexts(3, r));
    EXPECT_GT(ParseNumber(CellTexts(3, r)), ParseNumber(CellTexts(3, r - 1 > 0 ? r - 1 : 1)) - 1e-12);
  }
  EXPECT_NEAR(sum, 3.0, 0.01);  // the dome through (0, 3) and the wall top
}

TEST_F(ShellTable, ShapeRefusedByTheFormChangesNothing) {
  FieldTexts = {"", "2", "0", "6", "0.0", "1", "0", "UNIFORM"};
  EXPECT_EQ(ApplyRoofShell(4), "Incorrect SHELL Data!");
  EXPECT_EQ(CellTexts(2, 1), "1.5");
}

}  // namespace
}  // namespace corvane
