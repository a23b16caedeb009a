// The half-space system of a symmetric strip solved to rounding: its rotations are
// antisymmetric and the printed slopes are the rounded true values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "testsupport.h"
#include "trabix/core/analysis.h"
#include "trabix/core/globals.h"

namespace trabix {
namespace {

TEST(HalfSpaceSolve, SymmetricStripTurnsAntisymmetrically) {
  TestDirectory dir;
  testing::CopyJob("HSYIELD");  // 20 equal elements, uniform load and a point load at the middle
  JobSpec = "HSYIELD";
  LoadCaseName = "Q";
  YieldAnalysis = 0;
  BeamModel m;
  ASSERT_EQ(AnalyseLoadCase(m), kSolverDone);
  const int n = m.nodes;
  double largest = 0;
  for (int i = 1; i <= n; ++i) largest = std::max(largest, std::fabs(m.u[2 * i]));
  for (int i = 1; i <= n; ++i) EXPECT_NEAR(m.u[2 * i], -m.u[2 * (n + 1 - i)], 1e-9 * largest) << "node " << i;
  // The slope at 0.9 m is 8.2469515E-6 rad: a solution that drifts by rounding printed 8.2469E-6.
  testing::Report r = testing::ReadReport("HSYIELD.RBQ");
  ASSERT_GT(r.displacements.size(), 10u);
  EXPECT_NEAR(r.displacements[9].distance, 0.9, 1e-9);
  EXPECT_EQ(r.displacements[9].slope, 8.2470E-6);
}

}  // namespace
}  // namespace trabix
