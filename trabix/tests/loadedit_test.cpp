// The loads command's file work: the load file read before the load type dialog and rewritten
// after it, a cancelled case choice, stored uniform values, a case name with leading blanks and
// a job without geometry.
#include <gtest/gtest.h>

#include "core/globals.h"
#include "core/textfiles.h"
#include "../../common/tests/staleresultscases.h"
#include "testsupport.h"
#include "trabix/core/checks.h"
#include "trabix/core/dataentry.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/loadedit.h"
#include "trabix/core/slots.h"

namespace trabix {
namespace {

using testing::CopyJob;

TextLineArray Lines(const std::string& file, int& count) {
  TextLineArray lines;
  count = 0;
  LoadTextLines(file, lines, 10000, count);
  return lines;
}

class LoadEditTest : public ::testing::Test {
 protected:
  LoadEditTest() {
    CopyJob("BEAMJOB");
    JobSpec = "BEAMJOB";
    LoadCaseName = "A dead";
  }
  TestDirectory dir_;
};

// "&CLOSE" at once: the file is rewritten with the loads read, line for line below its header.
TEST_F(LoadEditTest, ClosingWithoutEditsRewritesTheLoadsRead) {
  int before = 0, after = 0;
  TextLineArray original = Lines("BEAMJOB.LDA", before);
  ASSERT_GT(before, 20);
  bool dialogShown = false;
  EXPECT_EQ(EditLoadData([&] {
              dialogShown = true;
              EXPECT_DOUBLE_EQ(LoadValues[kUniformLoadSlot], 12.5);
              EXPECT_DOUBLE_EQ(NodalLoadTable.Get(4, 2), 12.25);
              EXPECT_DOUBLE_EQ(LoadTable.Get(1, 2), 7.5);
              EXPECT_DOUBLE_EQ(TemperatureTable.Get(2, 2), 25);
            }),
            1);
  EXPECT_TRUE(dialogShown);
  TextLineArray rewritten = Lines("BEAMJOB.LDA", after);
  ASSERT_EQ(after, before);
  EXPECT_EQ(rewritten[1], "Job: BEAMJOB // LOADS (A dead)");
  for (int i = 2; i <= before; ++i) EXPECT_EQ(rewritten[i], original[i]) << "line " << i;
}

// Entries edited to zero leave the file; the others move up with their numbers.
TEST_F(LoadEditTest, ZeroEntriesAreLeftOut) {
  EXPECT_EQ(EditLoadData([] {
              NodalLoadTable(2, 1) = 0;
              TemperatureTable(2, 1) = TemperatureTable(2, 2) = 0;
            }),
            1);
  int count = 0;
  TextLineArray lines = Lines("BEAMJOB.LDA", count);
  int nodal = 0, trapezoidal = 0, temperature = 0;
  ReadLoadData(lines, count, nodal, trapezoidal, temperature);
  EXPECT_EQ(nodal, 1);
  EXPECT_EQ(trapezoidal, 2);
  EXPECT_EQ(temperature, 0);
  EXPECT_DOUBLE_EQ(NodalLoadTable.Get(4, 1), -3.5);
  EXPECT_DOUBLE_EQ(NodalLoadTable.Get(2, 1), 0);
}

// Results never outlive their data: a data command that changes the load file of case A removes
// A's results report, one that changes the geometry or the supports every case's; a rewrite
// with the same content keeps them (the plot command would otherwise show the old graph as the
// current case's).
TEST_F(LoadEditTest, ChangedDataRemoveTheResultsTheyOutdate) {
  ExpectResultsAfterDataCommands(
      {
          {"loads closed unchanged", [] { EditLoadData([] {}); }, true, true},
          {"a node load changed", [] { EditLoadData([] { NodalLoadTable(4, 2) = 350; }); }, false, true},
          {"supports rewritten unchanged",
           [] {
             LoadSupportFile();
             SaveSupportFile("BEAMJOB");
           },
           true, true},
          {"supports changed",
           [] {
             LoadSupportFile();
             SupportFlags[kLeftEdgeFixedSlot] = SupportFlags[kLeftEdgeFixedSlot] == "Y" ? "N" : "Y";
             SaveSupportFile("BEAMJOB");
           },
           false, false},
          {"element table changed",
           [] {
             LoadSupportFile();
             FillGeometryCells();
             CellTexts(3, 1) = "0.5";
             SaveGeometryCells("BEAMJOB");
           },
           false, false},
      },
      [] {
        CopyJob("BEAMJOB");
        EditLoadData([] {});
        LoadSupportFile();
        SaveSupportFile("BEAMJOB");
        FillGeometryCells();
        SaveGeometryCells("BEAMJOB");
      },
      "BEAMJOB.RBA", "BEAMJOB.RBW");
}

TEST_F(LoadEditTest, ACancelledCaseChoiceWritesNoLoadFile) {
  LoadCaseName = "Wind";
  bool dialogShown = false;
  EXPECT_EQ(LoadCommand([] { return 0; }, [&] { dialogShown = true; }), 0);
  EXPECT_FALSE(dialogShown);
  EXPECT_FALSE(FileExists("BEAMJOB.LDW"));
}

TEST_F(LoadEditTest, UniformValuesAreStoredRoundedToThreeDecimals) {
  LoadCaseName = "New";
  EXPECT_EQ(LoadCommand([] { return 1; },
                        [] {
                          EXPECT_DOUBLE_EQ(LoadValues[kUniformLoadSlot], 0);  // a new case starts from no loads
                          LoadValues[kUniformLoadSlot] = StoredLoadValue(0.00004);
                          LoadValues[kMassDensitySlot] = StoredLoadValue(1.23456);
                        }),
            1);
  int count = 0;
  TextLineArray lines = Lines("BEAMJOB.LDN", count);
  int nodal = 0, trapezoidal = 0, temperature = 0;
  ReadLoadData(lines, count, nodal, trapezoidal, temperature);
  EXPECT_DOUBLE_EQ(LoadValues[kUniformLoadSlot], 0);
  EXPECT_DOUBLE_EQ(LoadValues[kMassDensitySlot], 1.235);
  EXPECT_EQ(nodal + trapezoidal + temperature, 0);
}

TEST(StoredLoadValue, Cases) {
  struct {
    double in, out;
  } cases[] = {{0.00004, 0}, {-0.00009, 0}, {0.0001, 0}, {0.0006, 0.001}, {1.23456, 1.235},
               {-2.5, -2.5},  {1234.5678, 1234.568}, {0, 0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(StoredLoadValue(c.in), c.out) << c.in;
}

TEST_F(LoadEditTest, ACaseNameWithLeadingBlanksTakesItsFirstCharacter) {
  LoadCaseName = "   Snow";
  EXPECT_EQ(EditLoadData([] { LoadValues[kUniformLoadSlot] = 4; }), 1);
  int count = 0;
  TextLineArray lines = Lines("BEAMJOB.LDS", count);
  ASSERT_GT(count, 2);
  EXPECT_EQ(lines[1], "Job: BEAMJOB // LOADS (   Snow)");
}

TEST_F(LoadEditTest, WithoutGeometryNothingIsWritten) {
  JobSpec = "NOJOB";
  bool dialogShown = false;
  EXPECT_EQ(EditLoadData([&] { dialogShown = true; }), 0);
  EXPECT_FALSE(dialogShown);
  EXPECT_FALSE(FileExists("NOJOB.LDA"));
}

}  // namespace
}  // namespace trabix
