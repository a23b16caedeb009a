// The outside solver's result files read back by Corvane's result reader: every structural
// action of each structure finds its table with a row per node (and every value the file shows),
// and the centre's infinity mark under a downward point load.
#include <gtest/gtest.h>

#include <cmath>

#include "../../../common/tests/testdir.h"
#include "corvane/core/globals.h"
#include "corvane/core/results.h"
#include "corvane/core/slots.h"
#include "corvane/solver/solver.h"
#include "jobs.h"

namespace corvane {
namespace {

using testing::Lines;
using testing::TableRows;

// Every action of the current job (as the analysis left the globals) and substructure: its
// table parsed from the file holds `nodes` rows (at least: pressure jumps double a beam's node)
// whose values are the file's, and its graph points are built.
void ExpectEveryActionRead(const std::string& file, int structure, const std::string& substructure, int nodes,
                           int firstTableStart) {
  Substructure = substructure;
  std::vector<std::string> lines = Lines(file);
  const int count = static_cast<int>(lines.size()) - 1;
  ASSERT_GT(count, 10) << file;
  const int soil = SoilKind(SupportFlags);
  ActionTable actions = CurrentActions();
  ASSERT_GT(actions.Count(), 3) << file << " " << substructure;
  ClearActionState();
  OfferActions(actions, soil);
  std::vector<std::vector<double>> first = TableRows(lines, firstTableStart);
  for (int k = 1; k <= actions.Count(); ++k) {
    const StructuralAction& a = actions.actions[static_cast<size_t>(k - 1)];
    ResultRows table;
    int rows = ParseResultsSection(lines, count, a.table, structure, substructure,
                                   IsYes(AnswerAt(GeometryAnswers, kShellRoofSlot)), soil, table);
    EXPECT_GE(rows, nodes) << file << " action " << k << " " << a.caption;
    if (a.table == 1 && structure != 1) {
      for (int r = 1; r <= rows && r <= static_cast<int>(first.size()); ++r) {
        if (first[r - 1].size() <= static_cast<size_t>(a.column)) continue;
        const double want = first[r - 1][a.column];
        EXPECT_NEAR(table.Get(r, a.column), want, 1E-6 + 1E-6 * std::fabs(want)) << file << " action " << k << " row " << r;
      }
    }
    EXPECT_GT(ResponseFieldPoints(k), 0) << file << " action " << k << " " << a.caption;
  }
}

class ResultsReaderTest : public ::testing::Test {
 protected:
  TestDirectory dir_;
};

TEST_F(ResultsReaderTest, ReadsEveryActionOfBeamsStripsPlatesAndTanks) {
  testing::BeamJob b;
  b.winkler = 10000;
  b.uniform = 20;
  testing::WriteBeamJob(b);
  ASSERT_EQ(AnalysisMain("ANALYSIS.exe BEAM/STRIP,B1,A", nullptr), 0);
  ExpectEveryActionRead("B1.RBA", 1, "BEAM", 5, 12);
  b.strip = true;
  testing::WriteBeamJob(b);
  ASSERT_EQ(AnalysisMain("ANALYSIS.exe BEAM/STRIP,B1,A", nullptr), 0);
  ExpectEveryActionRead("B1.RBA", 1, "STRIP", 5, 12);

  testing::PlateJob p;
  p.winkler = 20000;
  p.uniform = 10;
  p.inner = 1;
  testing::WritePlateJob(p);
  ASSERT_EQ(AnalysisMain("ANALYSIS.exe PLATE,P1,A", nullptr), 0);
  ExpectEveryActionRead("P1.RPA", 2, "", 11, 11);

  testing::TankJob t;
  t.inPlane = "Y";
  t.winkler = 50000;
  t.unyielding.clear();
  testing::WriteTankJob(t);
  ASSERT_EQ(AnalysisMain("ANALYSIS.exe TANK,T1,A", nullptr), 0);
  ExpectEveryActionRead("T1.RPA", 3, "BASE PLATE", 11, 11);
  EXPECT_EQ(CurrentActions().Count(), 11);  // with soil and in-plane deformation
  ExpectEveryActionRead("T1.RWA", 3, "WALL", 17, 11);
}

// A roof's ".RR": a flat roof's ten actions with in-plane deformation, seven without; a shell's ten.
TEST_F(ResultsReaderTest, ReadsEveryActionOfFlatAndShellRoofs) {
  testing::TankJob t;
  t.roofElements = 10;
  t.roofUniform = 5;
  t.roofInPlane = "Y";
  testing::WriteTankJob(t);
  ASSERT_EQ(AnalysisMain("ANALYSIS.exe TANK,T1,A", nullptr), 0);
  ExpectEveryActionRead("T1.RRA", 3, "ROOF STRUCTURE", 11, 11);
  EXPECT_EQ(CurrentActions().Count(), 10);
  t.roofInPlane = "N";
  testing::WriteTankJob(t);
  ASSERT_EQ(AnalysisMain("ANALYSIS.exe TANK,T1,A", nullptr), 0);
  ExpectEveryActionRead("T1.RRA", 3, "ROOF STRUCTURE", 11, 11);
  EXPECT_EQ(CurrentActions().Count(), 7);

  t.roofShell = true;
  t.roofFalls.assign(10, 0.3);
  t.roofConnection = "H";
  t.roofDensity = 2400;
  testing::WriteTankJob(t);
  ASSERT_EQ(AnalysisMain("ANALYSIS.exe TANK,T1,A", nullptr), 0);
  ExpectEveryActionRead("T1.RRA", 3, "ROOF STRUCTURE", 11, 11);
  EXPECT_EQ(CurrentActions().Count(), 10);
}

// Under a downward load at a closed roof's centre: the flat roof's shear in table 1 and the
// shell's in table 3 read as -9.9E21 at the centre, the next rows as written.
TEST_F(ResultsReaderTest, RoofCentreInfinityMarksReadAsMinusInfinite) {
  for (bool shell : {false, true}) {
    SCOPED_TRACE(shell ? "shell" : "flat");
    testing::TankJob t;
    t.roofElements = 10;
    t.roofShell = shell;
    t.roofFalls.assign(10, 0.3);
    t.roofConnection = "H";
    t.roofPoint = 100;
    testing::WriteTankJob(t);
    ASSERT_EQ(AnalysisMain("ANALYSIS.exe TANK,T1,A", nullptr), 0);
    std::vector<std::string> lines = Lines("T1.RRA");
    const int count = static_cast<int>(lines.size()) - 1;
    const int table = shell ? 3 : 1, column = shell ? 1 : 3;
    ResultRows rows;
    ASSERT_EQ(ParseResultsSection(lines, count, table, 3, "ROOF STRUCTURE", shell, 0, rows), 11);
    EXPECT_FLOAT_EQ(rows.Get(1, column), -9.9E21f);
    EXPECT_LT(rows.Get(2, column), 0);
    EXPECT_GT(rows.Get(2, column), -1000);
  }
}

TEST_F(ResultsReaderTest, InfinityMarkReadsAsMinusInfiniteUnderADownwardPointLoad) {
  testing::PlateJob p;
  p.unyielding = "11";
  p.point = 100;
  testing::WritePlateJob(p);
  ASSERT_EQ(AnalysisMain("ANALYSIS.exe PLATE,P1,A", nullptr), 0);
  std::vector<std::string> lines = Lines("P1.RPA");
  ResultRows table;
  ASSERT_EQ(ParseResultsSection(lines, static_cast<int>(lines.size()) - 1, 1, 2, "", false, 0, table), 11);
  EXPECT_FLOAT_EQ(table.Get(1, 3), -9.9E21f);
  EXPECT_LT(table.Get(2, 3), 0);
}

}  // namespace
}  // namespace corvane
