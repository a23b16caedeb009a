// The results report read back for the response graphs: real reports of the solver tool, their
// tables parsed and turned into the points of each structural action.
#include <gtest/gtest.h>

#include <cmath>

#include "solvetool.h"
#include "testsupport.h"
#include "trabix/core/reportreader.h"

namespace trabix {
namespace {

using testing::CopyJob;
using testing::ReadReport;
using testing::Report;
using testing::WriteUniformBeamJob;

class ReportReaderTest : public ::testing::Test {
 protected:
  // Analyses the job's case and loads its report as the results command does.
  void Solve(const std::string& job, const std::string& loadCase) {
    std::string output;
    ASSERT_EQ(RunSolveTool({job, loadCase}, output), 0) << output;
    file_ = job + ".RB" + loadCase.substr(0, 1);
    LoadTextLines(file_, lines_, 5000, count_);
    ASSERT_GT(count_, 20);
  }
  TestDirectory dir_;
  std::string file_;
  TextLineArray lines_;
  int count_ = 0;
};

const double q = 10, L = 8;
constexpr double kPrinted = 0.005 + 1e-6;  // two decimals in the report

TEST_F(ReportReaderTest, MomentsOfASimplySupportedBeamUnderAUniformLoad) {
  WriteUniformBeamJob();
  Solve("UNIF", "Q");
  ResultsGraph g;
  int n = ResultsActionPoints(g, lines_, count_, 1, false);
  ASSERT_EQ(n, 9);  // one point per node: no jumps
  for (int i = 1; i <= n; ++i) {
    double x = i - 1;
    EXPECT_FLOAT_EQ(g.points.x[i], static_cast<float>(x));
    EXPECT_NEAR(g.points.y[i], q * x * (L - x) / 2, kPrinted) << "x = " << x;
  }
}

TEST_F(ReportReaderTest, ShearsOfASimplySupportedBeamJumpFromAndToZeroAtTheEnds) {
  WriteUniformBeamJob();
  Solve("UNIF", "Q");
  ResultsGraph g;
  int n = ResultsActionPoints(g, lines_, count_, 2, false);
  // (0, 0), (0, qL/2), one point per inner node (equal shears on both sides), (L, -qL/2), (L, 0).
  ASSERT_EQ(n, 11);
  EXPECT_EQ(g.points.x[1], 0.0f);
  EXPECT_EQ(g.points.y[1], 0.0f);
  EXPECT_EQ(g.points.x[n], static_cast<float>(L));
  EXPECT_EQ(g.points.y[n], 0.0f);
  for (int i = 2; i <= n - 1; ++i) {
    double x = g.points.x[i];
    EXPECT_FLOAT_EQ(static_cast<float>(x), static_cast<float>(i - 2));
    EXPECT_NEAR(std::fabs(g.points.y[i]), q * std::fabs(L / 2 - x), kPrinted) << "x = " << x;
    if (x < L / 2) {
      EXPECT_GT(g.points.y[i], 0) << "x = " << x;
    } else if (x > L / 2) {
      EXPECT_LT(g.points.y[i], 0) << "x = " << x;
    }
  }
}

TEST_F(ReportReaderTest, ADisplacementActionPlottedFirstGivesTheReportsTranslations) {
  WriteUniformBeamJob();
  Solve("UNIF", "Q");
  Report report = ReadReport(file_);
  ASSERT_EQ(report.displacements.size(), 9u);
  ResultsGraph g;
  ASSERT_EQ(ResultsActionPoints(g, lines_, count_, 3, false), 9);
  for (int i = 1; i <= 9; ++i) {
    EXPECT_FLOAT_EQ(g.points.x[i], static_cast<float>(report.displacements[i - 1].distance));
    EXPECT_FLOAT_EQ(g.points.y[i], static_cast<float>(report.displacements[i - 1].translation));
  }
  EXPECT_GT(g.points.y[5], 2.9f);  // 5 q L^4 / 384 EI = 2.963 mm at midspan
  // Forces next, then slopes: each table is parsed when the action needs it.
  EXPECT_EQ(ResultsActionPoints(g, lines_, count_, 1, false), 9);
  EXPECT_NEAR(g.points.y[5], 80, kPrinted);
  ASSERT_EQ(ResultsActionPoints(g, lines_, count_, 4, false), 9);
  for (int i = 1; i <= 9; ++i) EXPECT_FLOAT_EQ(g.points.y[i], static_cast<float>(report.displacements[i - 1].slope));
  // The action shown last shows its kept points again, even without the report lines.
  EXPECT_EQ(ResultsActionPoints(g, TextLineArray(1), 0, 4, false), 9);
  EXPECT_FLOAT_EQ(g.points.y[1], static_cast<float>(report.displacements[0].slope));
  ClearResultsGraph(g);
  EXPECT_EQ(g.lastAction, 0);
  EXPECT_EQ(g.heldTable, 0);
}

// The force table of a strip, six values a node, against the report read field by field.
TEST_F(ReportReaderTest, AStripsForceTableKeepsItsColumnsAndBlankEnds) {
  CopyJob("HSSTRIP");
  Solve("HSSTRIP", "Q");
  Report report = ReadReport(file_);
  ResultRows t;
  int rows = ParseResultsTable(lines_, count_, ForceTable, true, t);
  ASSERT_EQ(rows, static_cast<int>(report.forces.size()));
  ASSERT_EQ(rows, 21);
  for (int r = 1; r <= rows; ++r) {
    EXPECT_FLOAT_EQ(t.Get(r, 0), static_cast<float>(report.forces[r - 1].distance));
    for (int c = 1; c <= 6; ++c) {
      double v = report.forces[r - 1].values[c - 1];
      EXPECT_FLOAT_EQ(t.Get(r, c), std::isnan(v) ? 0.0f : static_cast<float>(v)) << "row " << r << " column " << c;
    }
  }
  // The displacement table with the contact pressure of the half-space.
  ResultRows d;
  ASSERT_EQ(ParseResultsTable(lines_, count_, DisplacementTable, true, d), 21);
  for (int r = 1; r <= 21; ++r) EXPECT_FLOAT_EQ(d.Get(r, 3), static_cast<float>(report.displacements[r - 1].pressure));
  // Length moments are the strip's action 2; the pressure its action 6.
  ResultsGraph g;
  int n = ResultsActionPoints(g, lines_, count_, 2, true);
  ASSERT_GE(n, 21);
  EXPECT_FLOAT_EQ(g.points.y[1], t.Get(1, 6));
  EXPECT_FLOAT_EQ(g.points.y[n], t.Get(21, 5));
  EXPECT_GT(ResultsActionPoints(g, lines_, count_, 6, true), 0);
}

TEST(ReportReader, AMissingOrCutOffReportGivesNoRows) {
  ResultRows t;
  TextLineArray none(1);
  EXPECT_EQ(ParseResultsTable(none, 0, ForceTable, false, t), 0);
  EXPECT_EQ(ParseResultsTable(none, 0, DisplacementTable, false, t), 0);
  // Cut off in the force table: its rows so far, and no displacement table.
  TextLineArray cut(13);
  cut[7] = "BEAM";
  cut[12] = "     0.000                            40.00                            0.00";
  cut.push_back("     1.000            30.00           30.00           35.00           35.00");
  EXPECT_EQ(ParseResultsTable(cut, 13, ForceTable, false, t), 2);
  EXPECT_EQ(t.Get(1, 2), 40.0f);
  EXPECT_EQ(t.Get(2, 1), 30.0f);  // the last row read takes the left-hand values
  EXPECT_EQ(ParseResultsTable(cut, 13, DisplacementTable, false, t), 0);
  ResultsGraph g;
  EXPECT_EQ(ResultsActionPoints(g, none, 0, 3, false), 0);
  EXPECT_EQ(ResultsActionPoints(g, none, 0, 9, false), 0);
}

TEST(ReportReader, ActionsOfBeamsAndStrips) {
  EXPECT_EQ(ResultsActions(false, false).size(), 4u);
  EXPECT_EQ(ResultsActions(false, true).size(), 5u);
  EXPECT_EQ(ResultsActions(true, false).size(), 5u);
  EXPECT_EQ(ResultsActions(true, true).size(), 6u);
  // Moments, translations and pressures are drawn positive downwards; shears and slopes not.
  std::vector<bool> beam, strip;
  for (const auto& a : ResultsActions(false, true)) beam.push_back(a.reversed);
  for (const auto& a : ResultsActions(true, true)) strip.push_back(a.reversed);
  EXPECT_EQ(beam, (std::vector<bool>{true, false, true, false, true}));
  EXPECT_EQ(strip, (std::vector<bool>{true, true, false, true, false, true}));
  EXPECT_EQ(ResultsActions(true, false)[1].caption, "&Length Bending Moments");
  EXPECT_EQ(ResultsActions(false, false)[0].title, "Bending Moments [kN*m]");
  EXPECT_TRUE(IsForceAction(2, false));
  EXPECT_FALSE(IsForceAction(3, false));
  EXPECT_TRUE(IsForceAction(3, true));
}

}  // namespace
}  // namespace trabix
