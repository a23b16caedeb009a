// Murelo's job files: the listings as the data dialogs write them and the readers that take them
// back, with damaged and cut files.
#include <gtest/gtest.h>

#include "murelo/core/slots.h"
#include "testsupport.h"

namespace murelo {
namespace {

using testing::StandardWall;

class JobFileTest : public ::testing::Test {
 protected:
  TestDirectory dir_;
};

TextLineArray Loaded(const std::string& file, int& count) {
  TextLineArray lines(5001);
  count = 0;
  LoadTextLines(file, lines, 5000, count);
  return lines;
}

TEST_F(JobFileTest, GeometryListingAndItsReader) {
  testing::WriteGeometry("WALL", StandardWall());
  int count = 0;
  TextLineArray lines = Loaded("wall.GEO", count);  // ".geo" and ".GEO" are one file
  ASSERT_EQ(count, 24);
  EXPECT_EQ(lines[1], "Job: WALL // GEOMETRY & MAT. PROPERTIES");
  EXPECT_EQ(lines[2], std::string(55, '-'));
  EXPECT_EQ(lines[5], "       4           4.0000         2.0000");
  EXPECT_EQ(lines[7], "      3.0000E+7          .200");
  EXPECT_EQ(lines[9], "      1             1.              .5");
  EXPECT_EQ(lines[13], std::string(68, '-'));
  EXPECT_EQ(lines[14], "WALL STEM DATA:");
  EXPECT_EQ(lines[16], "       3           3.0000");
  EXPECT_EQ(lines[18], "     3.0000E+7             0.200");
  EXPECT_EQ(lines[20], "      1             1.              .3");
  EXPECT_EQ(lines[23], "");
  EXPECT_EQ(lines[24], "----------------------- END OF GEOMETRY DATA -----------------------");

  GeneralData.Redim(2, 5);
  int plateRows = 0, stemRows = 0;
  ReadGeometrySections(lines, count, plateRows, stemRows);
  EXPECT_EQ(plateRows, 9);
  EXPECT_EQ(stemRows, 20);
  const double expected[3][6] = {{}, {0, 4, 4, 3.0E7, 0.2, 2}, {0, 3, 3, 3.0E7, 0.2, 0}};
  for (int s = 1; s <= 2; ++s)
    for (int item = 1; item <= 5; ++item) EXPECT_DOUBLE_EQ(GeneralData(s, item), expected[s][item]) << s << "," << item;
  Table2D<double> stem;
  ASSERT_TRUE(LoadGeometryFile("WALL", stem, 2));
  for (int e = 1; e <= 3; ++e) {
    EXPECT_EQ(stem(e, 1), 1.0);
    EXPECT_EQ(stem(e, 2), 0.3);
  }
}

TEST_F(JobFileTest, ElementRowsReadByTheirPositionSkippingEmptyLines) {
  testing::WriteGeometry("WALL", StandardWall());
  int count = 0;
  TextLineArray lines = Loaded("WALL.geo", count);
  lines[10] = "";  // element 2's row lost: it keeps what the table had
  lines[11] = "      3          1.25           .75     99";
  Table2D<double> t;
  t.Redim(4, 4);
  t(2, 1) = 7;
  ReadElementTable(lines, count, t, 4, 2, 9, 12);
  EXPECT_EQ(t(1, 2), 0.5);
  EXPECT_EQ(t(2, 1), 7.0);
  EXPECT_EQ(t(3, 1), 1.25);
  EXPECT_EQ(t(3, 2), 0.75);
  EXPECT_EQ(t(3, 3), 0.0);  // fields beyond the two are ignored
}

std::vector<std::string> hookMessages;
bool DeclineCorrection(const std::string& message) {
  hookMessages.push_back(message);
  return false;
}
bool CorrectOnce(const std::string& message) {
  hookMessages.push_back(message);
  testing::WriteGeometry("WALL", StandardWall());
  return true;
}

TEST_F(JobFileTest, MissingGeometrySectionsOfferTheCorrection) {
  Table2D<double> t;
  hookMessages.clear();
  SetGeometryCorrectionHook(nullptr);
  EXPECT_FALSE(LoadGeometryFile("WALL", t, 1));  // no hook: answered No

  SetGeometryCorrectionHook(DeclineCorrection);
  EXPECT_FALSE(LoadGeometryFile("WALL", t, 1));
  testing::WallGeometry g = StandardWall();
  g.stem.elements = 1;
  testing::WriteGeometry("WALL", g);
  EXPECT_FALSE(LoadGeometryFile("WALL", t, 1));
  ASSERT_EQ(hookMessages.size(), 2u);
  EXPECT_EQ(hookMessages[0], " BASE PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!");
  EXPECT_EQ(hookMessages[1], " WALL STEM GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!");

  DeleteIfExists("WALL.geo");
  SetGeometryCorrectionHook(CorrectOnce);
  EXPECT_TRUE(LoadGeometryFile("WALL", t, 1));
  EXPECT_EQ(hookMessages.size(), 3u);
  EXPECT_EQ(t(4, 2), 0.5);
  SetGeometryCorrectionHook(nullptr);
}

TEST_F(JobFileTest, SupportFileWithoutOptionalSections) {
  SupportFlags.assign(kSupportFlagSlots, "N");
  SupportFlags[kToeRestrainedSlot] = " y ";
  UnyieldingNodes.clear();
  TextLineArray lines(1);
  SupportRowLines rows;
  rows.elastic = 3;  // reserved rows of a table that is not written
  ListSupports(lines, SupportHeader("WALL"), "", rows);
  const TextLineArray expected{"",
                               "Job: WALL // SUPPORTS",
                               std::string(61, '-'),
                               "BASE PLATE SUPPORT DATA:",
                               "Toe Horizontally Restrained (?):  Y",
                               std::string(61, '-'),
                               "WALL STEM RESTRAINT DATA:",
                               "",
                               "",
                               "------------------------ END OF SUPPORT DATA ------------------------"};
  ASSERT_EQ(rows.last, 9);
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i;
  EXPECT_EQ(rows.elastic, 0);
  EXPECT_EQ(rows.winkler, 0);
  EXPECT_EQ(rows.restraints, 0);
}

TEST_F(JobFileTest, EverySupportSectionReadsBack) {
  SupportFlags.assign(kSupportFlagSlots, "Y");
  SupportFlags[kHalfSpaceModulusSlot] = "30000";
  SupportFlags[kHalfSpacePoissonSlot] = ".3";
  SupportFlags[kHalfSpaceYieldSlot] = "150";
  UnyieldingNodes = "1, 5";
  ElasticSupportTable.Redim(5, 2);
  ElasticSupportTable(1, 0) = 2, ElasticSupportTable(1, 1) = 1.5E5, ElasticSupportTable(1, 2) = 2.5E3;
  WinklerTable.Redim(4, 4);
  for (int e = 1; e <= 4; ++e) {
    WinklerTable(e, 0) = e;
    WinklerTable(e, 1) = 1E4 * e, WinklerTable(e, 2) = 2E4, WinklerTable(e, 3) = 50, WinklerTable(e, 4) = 80.5;
  }
  StemRestraintTable.Redim(4, 2);
  StemRestraintTable(1, 0) = 4, StemRestraintTable(1, 1) = 1E6, StemRestraintTable(1, 2) = 0;
  TextLineArray lines(1);
  SupportRowLines rows;
  rows.elastic = 1;
  rows.winkler = 4;
  rows.restraints = 1;
  ListSupports(lines, SupportHeader("WALL"), UnyieldingNodes, rows);
  ListSupportRows(lines, ElasticSupportTable, 2, rows.elastic, rows.elastic);
  ListSupportRows(lines, WinklerTable, 4, rows.winkler, rows.winkler + 3);
  ListSupportRows(lines, StemRestraintTable, 2, rows.restraints, rows.restraints);
  EXPECT_EQ(lines[5], "UNYIELDING SUPPORTS at Nodes: 1, 5");
  EXPECT_EQ(lines[rows.winkler], "      1        1.0000E+4        2.0000E+4          50.000         80.500");
  EXPECT_EQ(lines[rows.elastic], "      2         1.500000E+5              2.500000E+3");
  int at = 0;
  FindTextLine(lines, rows.last, "ISOTROPIC YIELD STRESS: 150.00[kPa]", at);
  EXPECT_GT(at, 0);
  FindTextLine(lines, rows.last, "ISOTROPIC ELASTIC HALF-SPACE: E= 3.00000E+4[kPa];   Nu=0.3000", at);
  EXPECT_GT(at, 0);
  ASSERT_TRUE(SaveTextLines("WALL.SUP", lines, rows.last));

  SupportFlags.assign(kSupportFlagSlots, "?");
  int count = 0;
  TextLineArray back = Loaded("WALL.SUP", count);
  ReadSupportTables(back, count, 4, 3);
  const char* flags[] = {"Y", "Y", "Y", "Y", "Y", "Y"};
  for (int i = 0; i <= 5; ++i) EXPECT_EQ(SupportFlags[i], flags[i]) << i;
  EXPECT_EQ(SupportFlags[kHalfSpaceModulusSlot], "3.00000E+4");
  EXPECT_EQ(SupportFlags[kHalfSpacePoissonSlot], "0.3000");
  EXPECT_EQ(SupportFlags[kHalfSpaceYieldSlot], "150.00");
  EXPECT_EQ(UnyieldingNodes, "1, 5");
  EXPECT_EQ(ElasticSupportTable(2, 1), 1.5E5);
  EXPECT_EQ(ElasticSupportTable(2, 2), 2.5E3);
  EXPECT_EQ(ElasticSupportTable(1, 1), 0.0);
  for (int e = 1; e <= 4; ++e) {
    EXPECT_EQ(WinklerTable(e, 1), 1E4 * e);
    EXPECT_EQ(WinklerTable(e, 4), 80.5);
  }
  EXPECT_EQ(StemRestraintTable(4, 1), 1E6);
}

TEST_F(JobFileTest, DamagedSupportFilesReadWithoutHarm) {
  struct Case {
    const char* nodes;  // the unyielding list as the file has it
    const char* flag;
    const char* list;
  };
  for (const Case& c : {Case{"1,5", "Y", "1,5"}, Case{"1,x5", "N", ""}, Case{"", "N", ""}, Case{" , ", "N", ""},
                        Case{"1;5", "N", ""}}) {
    TextLineArray lines{"",
                        "Job: W // SUPPORTS",
                        "BASE PLATE SUPPORT DATA:",
                        "Toe Horizontally Restrained (?):  N",
                        std::string("UNYIELDING SUPPORTS at Nodes: ") + c.nodes,
                        "WINKLER SOIL:",
                        "",
                        "",
                        "      9        1.0000E+4",  // an element above the count
                        "      2        3.0000E+4        3.0000E+4   1   2   3   4",
                        "      1        2.0000E+4"};  // rows out of order, one cut short
    ReadSupportTables(lines, static_cast<int>(lines.size()) - 1, 4, 3);
    EXPECT_EQ(SupportFlags[kUnyieldingSlot], c.flag) << c.nodes;
    EXPECT_EQ(UnyieldingNodes, c.list) << c.nodes;
    EXPECT_EQ(SupportFlags[kToeRestrainedSlot], "N");
    EXPECT_EQ(SupportFlags[kWinklerSlot], "Y");
    EXPECT_EQ(WinklerTable(1, 1), 2E4);
    EXPECT_EQ(WinklerTable(1, 2), 0.0);
    EXPECT_EQ(WinklerTable(2, 2), 3E4);
    EXPECT_EQ(WinklerTable(2, 3), 1.0);
  }
  // No file: no supports at all.
  SupportFlags.assign(kSupportFlagSlots, "Y");
  ReadSupportTables(TextLineArray(1), 0, 4, 3);
  for (int i = 0; i <= 5; ++i) EXPECT_EQ(SupportFlags[i], "N") << i;
}

TEST_F(JobFileTest, LoadListingAndItsReader) {
  testing::WallLoads l;
  l.plateUniform = 10;
  l.plateDensity = 2400;
  l.stemUniform = -5;
  l.stemDensity = 2500;
  l.plateTrapezoidal = {{2, 10, 20}};
  l.plateNodal = {{3, 100, -12.5}};
  l.stemVertical = {{1, 5, 6}, {3, 7, 8}};
  l.stemNodal = {{4, 10, 20, 30}};
  testing::WriteLoads("WALL", " Earth", l);  // the case's letter is its first non-blank character
  int count = 0;
  TextLineArray lines = Loaded("WALL.LDE", count);
  ASSERT_GT(count, 20);
  EXPECT_EQ(lines[1], "Job: WALL // LOADS ( Earth)");
  EXPECT_EQ(lines[4], "Uniform Vert. Load [kPa]: 10.00");
  EXPECT_EQ(lines[5], "Self Weight (Mass Density) [kg/m^3]: 2400.00");
  int at = 0, trapezoidal = 0, vertical = 0, horizontal = 0;
  FindTextLine(lines, count, "WALL STEM LOAD DATA:", at);
  ASSERT_GT(at, 0);
  EXPECT_EQ(lines[at + 1], "Uniform Horiz. Load [kPa]: -5.00");
  EXPECT_EQ(lines[at + 2], "Self Weight (Mass Density) [kg/m^3]: 2500.00");
  EXPECT_EQ(lines[at + 3], "TRAPEZOIDAL LOADING:");
  EXPECT_EQ(lines[at + 4], "VERTICAL (on Surface):");  // no horizontal rows: no "HORIZONTAL:"
  FindTextLine(lines, count, "HORIZONTAL:", horizontal);
  EXPECT_EQ(horizontal, 0);
  FindTextLine(lines, count, "TRAPEZOIDAL LOADING:", trapezoidal);
  EXPECT_EQ(lines[trapezoidal + 3], "     2               10.00                  20.00 ");
  FindTextLine(lines, count, "VERTICAL (on Surface):", vertical);
  EXPECT_EQ(lines[count], "------------------------- END OF LOAD DATA -------------------------");

  ReadLoadTables(lines, count, 4, 3);
  EXPECT_EQ(LoadTable(1, 1), 10.0);
  EXPECT_EQ(LoadTable(1, 2), 2400.0);
  EXPECT_EQ(LoadTable(2, 1), -5.0);
  EXPECT_EQ(LoadTable(2, 2), 2500.0);
  EXPECT_EQ(PlateTrapezoidalLoads(2, 2), 20.0);
  EXPECT_EQ(PlateTrapezoidalLoads(1, 1), 0.0);
  EXPECT_EQ(PlateNodalLoads(3, 2), -12.5);
  EXPECT_EQ(StemVerticalLoads(1, 2), 6.0);
  EXPECT_EQ(StemVerticalLoads(3, 1), 7.0);
  EXPECT_EQ(StemHorizontalLoads(1, 1), 0.0);
  EXPECT_EQ(StemNodalLoads(4, 1), 10.0);
  EXPECT_EQ(StemNodalLoads(4, 2), 20.0);
  EXPECT_EQ(StemNodalLoads(4, 3), 30.0);
}

TEST_F(JobFileTest, AValueTooWideForItsMaskReadsBack) {
  testing::WallLoads l;
  l.plateNodal = {{2, 1.0E18, -3}};
  testing::WriteLoads("WALL", "A", l);
  int count = 0;
  TextLineArray lines = Loaded("WALL.LDA", count);
  bool separated = false;  // the row is wider than its heading, its fields still apart
  for (int i = 1; i <= count; ++i) separated = separated || lines[i].rfind("     2 1000000000000000000.00 ", 0) == 0;
  EXPECT_TRUE(separated);
  ReadLoadTables(lines, count, 4, 3);
  EXPECT_EQ(PlateNodalLoads(2, 1), 1.0E18);
  EXPECT_EQ(PlateNodalLoads(2, 2), -3.0);
}

TEST_F(JobFileTest, AShortLoadFileLeavesEveryLoadZero) {
  LoadTable.Redim(2, 2);
  LoadTable(1, 1) = 5;
  TextLineArray lines{"", "Job: WALL // LOADS (A)", "Uniform Vert. Load [kPa]: 10"};
  ReadLoadTables(lines, 2, 4, 3);
  EXPECT_EQ(LoadTable(1, 1), 0.0);
  ReadLoadTables(lines, 3, 4, 3);
  EXPECT_EQ(LoadTable(1, 1), 10.0);
}

TEST_F(JobFileTest, FileNamesOfACase) {
  EXPECT_EQ(LoadFileName("D:\\JOBS\\W1", "  Earth "), "D:\\JOBS\\W1.LDE");
  EXPECT_EQ(ResultsFileName("W1", " quake"), "W1.RBq");
  EXPECT_EQ(LoadCaseListFileName("W1"), "W1.COX");
  EXPECT_EQ(GeometryFileName("W1"), "W1.geo");
  EXPECT_EQ(LoadHeader("W1", "Earth"), "Job: W1 // LOADS (Earth)");
}

TEST_F(JobFileTest, RenameJobHeadersNamesTheNewJobInEachDataFile) {
  WriteBytes("NEW.geo", "Job: OLD // GEOMETRY & MAT. PROPERTIES\r\nBASE PLATE DATA:\r\n");
  WriteBytes("NEW.COX", " A\r\n   \r\nB\r\n");
  WriteBytes("NEW.LDA", "Job: OLD // LOADS ( A)\r\nBASE PLATE LOAD DATA:\r\n");
  RenameJobHeaders("NEW");
  EXPECT_EQ(ReadBytes("NEW.geo"), "Job: NEW // GEOMETRY & MAT. PROPERTIES\r\nBASE PLATE DATA:\r\n");
  EXPECT_FALSE(FileExists("NEW.SUP"));  // a missing file stays missing
  EXPECT_EQ(ReadBytes("NEW.LDA"), "Job: NEW // LOADS ( A)\r\nBASE PLATE LOAD DATA:\r\n");  // the name as listed
  EXPECT_TRUE(FileExists("NEW.LDB"));
  EXPECT_EQ(ReadBytes("NEW.LDB"), "");
  EXPECT_EQ(ReadBytes("NEW.COX"), " A\r\n   \r\nB\r\n");
}

}  // namespace
}  // namespace murelo
