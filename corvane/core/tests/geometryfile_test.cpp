#include <gtest/gtest.h>

#include <cmath>

#include "core/jobdata.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/slots.h"
#include "testsupport.h"

namespace corvane {
namespace {

using testing::ExpectSameLines;
using testing::FileLines;
using testing::LoadFixture;

void ClearJob() {
  JobDataTable.Redim(8, 6);
  GeometryAnswers.assign(8, std::string());
  for (auto& t : WorkTables) t.Redim(0, 0);
}

// Reads a fixture's geometry and element tables, writes the listing again: the same lines.
TEST(GeometryFile, FixturesListAgainLineForLine) {
  const struct {
    const char* file;
    const char* type;
    int code;
    int starts[4];
  } cases[] = {
      {"BEAM10.GEO", "BEAM/STRIP", 1, {0, 7, 0, 0}},
      {"PLATE.GEO", "PLATE", 2, {0, 9, 0, 0}},
      {"TANKSHELL.GEO", "TANK", 3, {0, 10, 18 + 3, 34}},
  };
  for (const auto& c : cases) {
    ClearJob();
    StructureType = c.type;
    int count = 0;
    TextLineArray fixture = LoadFixture(c.file, count);
    int read[4] = {0, 0, 0, 0};
    ReadGeometrySections(fixture, count, c.code, JobDataTable, GeometryAnswers, read[1], read[2], read[3]);
    for (int s = 1; s <= 3; ++s) {
      EXPECT_EQ(read[s], c.starts[s]) << c.file << " substructure " << s;
      if (read[s] == 0) continue;
      int cols = ElementTableColumns(c.code, s, GeometryAnswers);
      ReadElementTable(fixture, count, WorkTables[s], ElementCount(s), cols, read[s], read[s] + ElementCount(s) - 1);
    }
    TextLineArray lines(2);
    int written = 0, starts[4] = {0, 0, 0, 0};
    ListGeometry(lines, written, GeometryAnswers, starts[1], starts[2], starts[3], c.code, fixture[1]);
    for (int s = 1; s <= 3; ++s) {
      EXPECT_EQ(starts[s], c.starts[s]) << c.file << " substructure " << s;
      if (starts[s] > 0)
        ListGeometryRows(lines, GeometryAnswers, WorkTables[s], ElementCount(s), starts[s],
                         ElementTableColumns(c.code, s, GeometryAnswers) == 3, c.code == 3 ? s : 1);
    }
    ExpectSameLines(lines, written, fixture, count, c.file);
  }
}

TEST(GeometryFile, BeamOfTenElementsHasItsFirstRowOnLine7And18Lines) {
  ClearJob();
  StructureType = "BEAM/STRIP";
  JobDataTable(1, 1) = 10;
  GeometryAnswers[kStripSlot] = "N";
  TextLineArray lines(2);
  int count = 0, s1 = 0, s2 = 0, s3 = 0;
  ListGeometry(lines, count, GeometryAnswers, s1, s2, s3, 1, GeometryHeader("J"));
  EXPECT_EQ(s1, 7);
  EXPECT_EQ(s2 + s3, 0);
  EXPECT_EQ(count, 6 + 10 + 2);
  EXPECT_EQ(lines[1], "Job: J // GEOMETRY & MAT. PROPERTIES");
  EXPECT_EQ(lines[17], "");
}

TEST(GeometryFile, StripHasItsWordAndTwoColumnHeading) {
  ClearJob();
  JobDataTable(1, 1) = 2;
  JobDataTable(1, 2) = 1.5;
  GeometryAnswers[kStripSlot] = "Y";
  TextLineArray lines(2);
  int count = 0, s1 = 0, s2 = 0, s3 = 0;
  ListGeometry(lines, count, GeometryAnswers, s1, s2, s3, 1, "h");
  EXPECT_EQ(lines[2], "BEAM/STRIP DATA:  strip");
  EXPECT_EQ(lines[4].substr(0, 22), "        2          1.5");
  EXPECT_EQ(lines[6], "Element 'i' Element Length [m]  Thickness [m]");
  EXPECT_EQ(ElementTableColumns(1, 1, GeometryAnswers), 2);
}

TEST(GeometryFile, TankRoofWithoutElementsEndsAfterItsCoefficientLine) {
  ClearJob();
  for (int s = 1; s <= 2; ++s) JobDataTable(s, 1) = 2;
  JobDataTable(3, 1) = 0;
  GeometryAnswers = {"", "N", "N", "N", "N", "", "", ""};
  TextLineArray lines(2);
  int count = 0, s1 = 0, s2 = 0, s3 = 0;
  ListGeometry(lines, count, GeometryAnswers, s1, s2, s3, 3, "h");
  EXPECT_EQ(s1, 10);
  EXPECT_EQ(s2, 20);
  EXPECT_EQ(s3, 0);
  EXPECT_EQ(lines[count - 2], "Coefficient of Thermal Expansion:   0.000E+0");
  EXPECT_EQ(lines[count - 1], "");
  EXPECT_EQ(lines[count], "--------------------- END OF GEOMETRY DATA ---------------------");
  EXPECT_EQ(lines[count - 8], "ROOF GEOMETRY DATA:");
  EXPECT_EQ(lines[count - 7], "Shell Structure (?)  N");
}

TEST(GeometryFile, ElementNumbersAbove999PrintWhole) {
  Table2D<float> table;
  table.Redim(1001, 2);
  TextLineArray lines(2);
  ListGeometryRows(lines, GeometryAnswers, table, 1001, 3, false, 1);
  EXPECT_EQ(lines[3].substr(0, 5), "    1");
  EXPECT_EQ(lines[3 + 999].substr(0, 5), " 1000");
  EXPECT_EQ(lines[3 + 1000].substr(0, 5), " 1001");
}

TEST(GeometryFile, ShellMasksOnlyForTheShellRoofsRows) {
  Table2D<float> table;
  table.Redim(1, 3);
  table(1, 1) = 0.00012f;
  table(1, 2) = 0.00004f;
  table(1, 3) = 0.1f;
  std::vector<std::string> shell = {"", "N", "N", "Y", "Y", "", "", "Y"};
  TextLineArray lines(2);
  ListGeometryRows(lines, shell, table, 1, 1, true, 3);
  EXPECT_EQ(lines[1], "    1           1.2000E-4        4.0000E-5           0.1000  ");
  // The base plate's rows keep the plain masks while the roof is being edited.
  Substructure = "ROOF STRUCTURE";
  ListGeometryRows(lines, shell, table, 1, 1, false, 1);
  EXPECT_EQ(lines[1], "    1              0.0001           0.0000  ");
  ListGeometryRows(lines, shell, table, 1, 1, false);
  EXPECT_EQ(lines[1], "    1           1.2000E-4        4.0000E-5  ");
}

struct RoundTripCase {
  const char* name;
  const char* type;
  double items[4][7];
  std::vector<std::string> answers;
};

// Writes a job's geometry file from the tables, then reads it back: everything returns.
TEST(GeometryFile, WrittenFileReadsBack) {
  const RoundTripCase cases[] = {
      {"beam", "BEAM/STRIP", {{}, {0, 4, 8, 3e7, 0.2, 1e-5}}, {"", "N"}},
      {"strip", "BEAM/STRIP", {{}, {0, 3, 4.5, 2.5e7, 0.15, 1.2e-5}}, {"", "Y"}},
      {"solid plate", "PLATE", {{}, {0, 3, 0, 6, 3e7, 0.2, 1e-5}}, {""}},
      {"annular plate", "PLATE", {{}, {0, 2, 1.5, 6.5, 2.5e7, 0.25, 1e-5}}, {""}},
      {"tank, plate roof",
       "TANK",
       {{}, {0, 3, 6, 3e7, 0.15, 1e-5}, {0, 2, 6, 4, 3e7, 0.2, 1e-5}, {0, 2, 1, 6, 3e7, 0.2, 1.2e-5}},
       {"", "Y", "N", "Y", "N"}},
      {"tank, shell roof",
       "TANK",
       {{}, {0, 3, 6, 3e7, 0.15, 1e-5}, {0, 2, 6, 4, 3e7, 0.2, 1e-5}, {0, 3, 0, 6, 3e7, 0.2, 1.2e-5}},
       {"", "N", "Y", "Y", "Y", "", "", "N"}},
      {"tank without roof",
       "TANK",
       {{}, {0, 3, 6, 3e7, 0.15, 1e-5}, {0, 2, 6, 4, 3e7, 0.2, 1e-5}, {0, 0, 0, 0, 0, 0, 0}},
       {"", "N", "N", "N", "N"}},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    ClearJob();
    StructureType = c.type;
    Substructure = "WALL";
    int code = StructureCode();
    for (int s = 1; s <= 3; ++s)
      for (int i = 1; i <= 6; ++i) JobDataTable(s, i) = c.items[s][i];
    GeometryAnswers = c.answers;
    GeometryAnswers.resize(8);
    for (int s = 1; s <= 3; ++s) {
      int cols = ElementTableColumns(code, s, GeometryAnswers);
      for (int r = 1; r <= ElementCount(s); ++r)
        for (int k = 1; k <= cols; ++k) WorkTables[s](r, k) = static_cast<float>(0.25 * r + 0.125 * k);
    }
    ASSERT_TRUE(SaveGeometryFile("JOB1")) << c.name;

    Table2D<double> items = JobDataTable;
    std::vector<std::string> answers = GeometryAnswers;
    Table2D<float> tables[4] = {WorkTables[0], WorkTables[1], WorkTables[2], WorkTables[3]};
    for (int s = 1; s <= (code == 3 ? 3 : 1); ++s) {
      ClearJob();
      Table2D<float> table;
      int ok = 0;
      LoadGeometryFile("JOB1", table, s, code, ok);
      ASSERT_EQ(ok, 1) << c.name;
      for (int t = 1; t <= 3; ++t)
        for (int i = 1; i <= 6; ++i)
          EXPECT_NEAR(JobDataTable(t, i), items(t, i), 1e-9 * std::fabs(items(t, i))) << c.name << " item " << t << "," << i;
      for (int i : {1, 2, 3, 4, 7}) {
        // A roof without elements has no in-plane answer in the file.
        if (answers[static_cast<size_t>(i)].empty() || (i == 3 && code == 3 && items(3, 1) == 0)) continue;
        EXPECT_EQ(GeometryAnswers[static_cast<size_t>(i)], answers[static_cast<size_t>(i)]) << c.name << " answer " << i;
      }
      int cols = ElementTableColumns(code, s, answers);
      EXPECT_EQ(table.Rows(), ElementCount(s) + 1) << c.name;
      for (int r = 1; r <= ElementCount(s); ++r) {
        for (int k = 1; k <= cols; ++k) EXPECT_FLOAT_EQ(table(r, k), tables[s](r, k)) << c.name << " row " << r;
      }
    }
    if (StructureType == "BEAM/STRIP") {
      EXPECT_EQ(Substructure, c.answers[1] == "Y" ? "STRIP" : "BEAM");
    }
  }
}

TEST(GeometryFile, MissingDataAreOfferedForCorrection) {
  const struct {
    const char* name;
    const char* type;
    std::vector<std::string> file;  // empty: no file
    const char* message;
  } cases[] = {
      {"beam without file", "BEAM/STRIP", {}, " BEAM/STRIP GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!"},
      {"beam of one element",
       "BEAM/STRIP",
       {"Job: J // GEOMETRY & MAT. PROPERTIES", "BEAM/STRIP DATA:  beam", "h", "       1         4    3.0000E+7    0.200",
        "Coefficient of Thermal Expansion:   1.000E-5", "h", "    1   4.0000   0.5000   0.6000"},
       " BEAM/STRIP GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!"},
      {"plate without file", "PLATE", {}, " CIRCULAR PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!"},
      {"tank without base plate and wall",
       "TANK",
       {"Job: J // GEOMETRY & MAT. PROPERTIES", "ROOF GEOMETRY DATA:", "Shell Structure (?)  N"},
       " BASE PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!"},
      {"tank without wall",
       "TANK",
       {"Job: J // GEOMETRY & MAT. PROPERTIES", "BASE PLATE DATA:", "h", "       3     6.0000    3.0000E+7"},
       " WALL CYLINDER GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!"},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    if (!c.file.empty()) {
      TextLineArray lines = {""};
      lines.insert(lines.end(), c.file.begin(), c.file.end());
      SaveTextLines("J.geo", lines, static_cast<int>(c.file.size()));
    }
    StructureType = c.type;
    // What the job before left in memory does not count.
    for (int s = 1; s <= 3; ++s) JobDataTable(s, 1) = 10;
    std::vector<std::string> asked;
    GeometryCorrectionHooks.ask = [&](const std::string& m) {
      asked.push_back(m);
      return false;
    };
    GeometryCorrectionHooks.edit = [] { return 1; };
    Table2D<float> table;
    int ok = 1;
    LoadGeometryFile("J", table, 1, StructureCode(), ok);
    EXPECT_EQ(ok, 0) << c.name;
    EXPECT_EQ(asked, std::vector<std::string>{c.message}) << c.name;
  }
  GeometryCorrectionHooks = GeometryCorrection();
}

TEST(GeometryFile, CorrectedDataAreReadAgain) {
  TestDirectory dir;
  StructureType = "BEAM/STRIP";
  int asked = 0, edited = 0;
  GeometryCorrectionHooks.ask = [&](const std::string&) { return ++asked > 0; };
  GeometryCorrectionHooks.edit = [&] {
    ++edited;
    testing::CopyFixture("BEAM10.GEO", "J.GEO");
    return 1;
  };
  Table2D<float> table;
  int ok = 0;
  LoadGeometryFile("J", table, 1, 1, ok);
  EXPECT_EQ(ok, 1);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(edited, 1);
  EXPECT_FLOAT_EQ(table(10, 3), 0.75f);

  // Without a question box and dialogs the answer is No.
  GeometryCorrectionHooks = GeometryCorrection();
  LoadGeometryFile("OTHER", table, 1, 1, ok);
  EXPECT_EQ(ok, 0);
}

// A count far beyond the rows that follow is a damaged file: reported as missing data, never
// read as the one row there.
TEST(GeometryFile, DamagedElementCountIsReportedAsMissingData) {
  TestDirectory dir;
  TextLineArray lines = {"",
                         "Job: J // GEOMETRY & MAT. PROPERTIES",
                         "BEAM/STRIP DATA:  strip",
                         "h",
                         "       1000000000         4    3.0000E+7    0.200",
                         "Coefficient of Thermal Expansion:   1.000E-5",
                         "h",
                         "    1   4.0000   0.5000"};
  SaveTextLines("J.geo", lines, 7);
  StructureType = "BEAM/STRIP";
  std::vector<std::string> asked;
  GeometryCorrectionHooks.ask = [&](const std::string& m) {
    asked.push_back(m);
    return false;
  };
  GeometryCorrectionHooks.edit = [] { return 1; };
  Table2D<float> table;
  int ok = 1;
  LoadGeometryFile("J", table, 1, 1, ok);
  EXPECT_EQ(ok, 0);
  // The message names what is wrong, on a line of its own.
  EXPECT_EQ(asked, std::vector<std::string>{" BEAM/STRIP GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!\r\n"
                                            " (line 7: the END line is missing)"});
  GeometryCorrectionHooks = GeometryCorrection();
}

TEST(GeometryFile, RadialSectionAnswerGoesOnItsOwnLineOnly) {
  int count = 0;
  TextLineArray shell = LoadFixture("TANKSHELL.GEO", count);
  GeometryAnswers[kCurvedSectionSlot] = "N";
  SetRadialSectionAnswer(shell, count);
  EXPECT_EQ(shell[26], "Radial Section in form of a CURVE (?)  N");

  TextLineArray plate = LoadFixture("PLATE.GEO", count), before = plate;
  SetRadialSectionAnswer(plate, count);
  EXPECT_EQ(plate, before);

  // A plate roof has its element-count heading where a shell has the radial-section line.
  TextLineArray roof = {"", "h", "x", "ROOF GEOMETRY DATA:", "Shell Structure (?)  N",
                        "No of Elements  Inner Radius [m]  Outer Radius [m]"};
  before = roof;
  SetRadialSectionAnswer(roof, 5);
  EXPECT_EQ(roof, before);
}


// A tank of base plate and wall (4 elements each) and a roof of nr elements, written by the program.
void WriteTank(int nr, const std::string& inPlane, const std::string& shell) {
  testing::SetJobGeometry("TANK", "BASE PLATE", 4, 4, nr, 0, 0);
  JobSpec = "T";
  GeometryAnswers[kRoofInPlaneSlot] = inPlane;
  GeometryAnswers[kShellRoofSlot] = shell;
  for (int s = 1; s <= 3; ++s) {
    WorkTables[s].Redim(4, 3);
    for (int r = 1; r <= 4; ++r) WorkTables[s](r, 1) = 1.5f, WorkTables[s](r, 2) = 0.25f;
  }
  ASSERT_TRUE(SaveGeometryFile("T"));
}

TEST(GeometryFile, ARooflessTankKeepsNoRoofAnswerOfTheJobReadBefore) {
  TestDirectory dir;
  WriteTank(4, "Y", "N");
  Table2D<float> table;
  int ok = 0;
  LoadGeometryFile("T", table, 0, 3, ok);
  ASSERT_EQ(GeometryAnswers[kRoofInPlaneSlot], "Y");
  GeometryAnswers[kRoofLoadKindSlot] = "5";  // a roof load table's kind is no file answer

  WriteTank(0, "N", "N");
  int count = 0;
  TextLineArray written = FileLines("T.geo", count);
  GeometryAnswers.assign(8, "Y");
  GeometryAnswers[kRoofLoadKindSlot] = "5";
  LoadGeometryFile("T", table, 0, 3, ok);
  EXPECT_EQ(ok, 1);
  EXPECT_EQ(GeometryAnswers[kRoofInPlaneSlot], "N");
  EXPECT_EQ(GeometryAnswers[kRoofLoadKindSlot], "5");
  ASSERT_TRUE(SaveGeometryFile("T"));
  int again = 0;
  TextLineArray saved = FileLines("T.geo", again);
  ExpectSameLines(saved, again, written, count, "roofless tank saved unchanged");
}

TEST(GeometryFile, AnEmptyShellAnswerReadsEmptyAndWritesBackUnchanged) {
  for (const char* shell : {"", "Y", "N"}) {
    TestDirectory dir;
    WriteTank(0, "N", shell);
    int count = 0;
    TextLineArray written = FileLines("T.geo", count);
    Table2D<float> table;
    int ok = 0;
    LoadGeometryFile("T", table, 0, 3, ok);
    EXPECT_EQ(GeometryAnswers[kShellRoofSlot], shell);
    ASSERT_TRUE(SaveGeometryFile("T"));
    int again = 0;
    TextLineArray saved = FileLines("T.geo", again);
    ExpectSameLines(saved, again, written, count, std::string("shell answer ") + shell);
  }
}

}  // namespace
}  // namespace corvane
