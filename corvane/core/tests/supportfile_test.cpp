#include <gtest/gtest.h>

#include "core/jobdata.h"
#include "core/numbers.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/slots.h"
#include "corvane/core/supportfile.h"
#include "testsupport.h"

namespace corvane {
namespace {

using testing::ExpectSameLines;
using testing::FileLines;
using testing::LoadFixture;

struct Job {
  const char* type;
  const char* substructure;
  int nb, nw, nr;
  double plateInner, roofInner;
};

void SetJob(const Job& j) {
  testing::SetJobGeometry(j.type, j.substructure, j.nb, j.nw, j.nr, j.plateInner, j.roofInner);
  if (std::string(j.substructure) == "STRIP") GeometryAnswers[kStripSlot] = "Y";
}

void SizeSupportTables(int nb, int nw) {
  for (auto* t : {&ElasticSupportTable, &WinklerTable, &WallRestraintTable, &WallWinklerTable}) t->Redim(0, 0);
  for (int r = 1; r <= nb + 1; ++r) ElasticSupportTable(r, 0) = static_cast<float>(r);
  for (int r = 1; r <= nb; ++r) WinklerTable(r, 0) = static_cast<float>(r);
  for (int r = 1; r <= nw + 1; ++r) WallRestraintTable(r, 0) = static_cast<float>(r);
  for (int r = 1; r <= nw; ++r) WallWinklerTable(r, 0) = static_cast<float>(r);
}

// Reads a fixture's answers and tables, writes the listing again: the same lines.
TEST(SupportFile, FixturesListAgainLineForLine) {
  const struct {
    const char* file;
    Job job;
    std::vector<std::string> flags;  // items 1..19
    const char* nodes;
  } cases[] = {
      {"BEAM.SUP", {"BEAM/STRIP", "BEAM", 4, 0, 0, 0, 0}, {"Y", "Y", "Y", "Y", "Y", "N", "N", "3.00000E+4", "0.3"}, "1,5"},
      {"STRIP.SUP",
       {"BEAM/STRIP", "STRIP", 4, 0, 0, 0, 0},
       {"N", "N", "Y", "N", "N", "Y", "Y", "4.00000E+4", "6.00000E+4", "1.50000E+4", "0.25", "0.125"},
       ""},
      {"PLATE.SUP", {"PLATE", "PLATE", 4, 0, 0, 1.5, 0}, {"N", "N", "Y", "Y", "Y", "N", "Y", "2.50000E+4", "0.35"}, ""},
      {"TANKROOF.SUP",
       {"TANK", "WALL", 3, 2, 2, 0, 1},
       {"Y", "Y", "N", "Y", "N", "Y", "Y", "Y", "M", "Y", "H", "N", "Y", "N", "4.00000E+4", "6.00000E+4", "1.50000E+4",
        "0.25", "0.3"},
       "1"},
      {"TANKNOROOF.SUP",
       {"TANK", "BASE PLATE", 3, 2, 0, 0, 0},
       {"N", "N", "Y", "N", "Y", "N", "N", "N", "S", "N", "Y", "N", "N", "N", "3.00000E+4", "0.3000"},
       ""},
  };
  for (const auto& c : cases) {
    SetJob(c.job);
    int type = StructureCode();
    int count = 0;
    TextLineArray fixture = LoadFixture(c.file, count);
    int starts[4] = {0, 0, 0, 0}, wallTitle = 0, roofTitle = 0;
    std::string nodes = "x";
    ReadSupportData(SupportFlags, fixture, count, type, starts[0], starts[1], starts[2], starts[3], "J", nodes,
                    wallTitle, roofTitle);
    for (size_t i = 0; i < c.flags.size(); ++i) EXPECT_EQ(SupportFlags[i + 1], c.flags[i]) << c.file << " item " << i + 1;
    EXPECT_EQ(nodes, c.nodes) << c.file;
    EXPECT_EQ(wallTitle > 0, type == 3) << c.file;
    EXPECT_EQ(roofTitle > 0, c.job.nr > 0) << c.file;

    SizeSupportTables(c.job.nb, c.job.nw);
    int elastic = type == 1 ? 2 : 1, winkler = type == 1 ? 1 : 2;
    Table2D<float>* tables[4] = {&ElasticSupportTable, &WinklerTable, &WallRestraintTable, &WallWinklerTable};
    const int limits[4] = {c.job.nb + 1, c.job.nb, c.job.nw + 1, c.job.nw}, values[4] = {elastic, winkler, 2, 1};
    int rows[4] = {0, 0, 0, 0};
    for (int k = 0; k < 4; ++k) {
      if (starts[k] > 0) ReadIndexedRows(fixture, *tables[k], count, limits[k], values[k], starts[k]);
      CompactZeroRows(*tables[k], limits[k], values[k], rows[k]);
    }
    TextLineArray lines(2);
    int written = 0, out[4] = {rows[0], rows[1], rows[2], rows[3]};
    ListSupports(SupportFlags, lines, written, type, out[0], out[1], out[2], out[3], fixture[1], nodes);
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(out[k], starts[k]) << c.file << " table " << k;
      if (out[k] > 0) ListSupportRows(lines, written, *tables[k], values[k], out[k], out[k] + rows[k] - 1);
    }
    ExpectSameLines(lines, written, fixture, count, c.file);
  }
}

TEST(SupportFile, BeamWithoutOptionalSupportsHasSixLines) {
  SetJob({"BEAM/STRIP", "BEAM", 4, 0, 0, 0, 0});
  ClearSupportFlags(1);
  TextLineArray lines(2);
  int count = 0, a = 5, b = 4, c = 0, d = 0;
  ListSupports(SupportFlags, lines, count, 1, a, b, c, d, SupportHeader("J"), "");
  TextLineArray want = {"",
                        "Job: J // SUPPORTS",
                        "BEAM/STRIP SUPPORT DATA:",
                        "Left Edge Fixed against Rotation (?):  N",
                        "Right Edge Fixed against Rotation (?):  N",
                        "",
                        "------------------------ END OF SUPPORT DATA ------------------------"};
  ExpectSameLines(lines, count, want, 6, "beam");
  EXPECT_EQ(a + b + c + d, 0);
}

TEST(SupportFile, SolidPlateHasOneEdgeAnswer) {
  SetJob({"PLATE", "PLATE", 4, 0, 0, 0, 0});
  ClearSupportFlags(2);
  SupportFlags[kEdgeFixedSlot] = " y";
  TextLineArray lines(2);
  int count = 0, a = 0, b = 0, c = 0, d = 0;
  ListSupports(SupportFlags, lines, count, 2, a, b, c, d, "h", "");
  EXPECT_EQ(count, 5);
  EXPECT_EQ(lines[3], "Edge Fixed against Rotation (?):  Y");  // upper case, trimmed
  int starts[4], w = 0, r = 0;
  std::string nodes;
  ReadSupportData(SupportFlags, lines, count, 2, starts[0], starts[1], starts[2], starts[3], "J", nodes, w, r);
  EXPECT_EQ(SupportFlags[kEdgeFixedSlot], "Y");
  EXPECT_EQ(SupportFlags[kOuterEdgeFixedSlot], "N");
}

TEST(SupportFile, UnyieldingListWithALetterReadsAsNone) {
  const struct {
    const char* line;
    const char* flag;
    const char* nodes;
  } cases[] = {{"UNYIELDING SUPPORTS at Nodes: 1, 5,9", "Y", "1, 5,9"},
               {"UNYIELDING SUPPORTS at Nodes: 1,a5", "N", ""},
               {"UNYIELDING SUPPORTS at Nodes: 2;4", "N", ""},
               {"UNYIELDING SUPPORTS at Nodes:", "N", ""}};
  for (const auto& c : cases) {
    TextLineArray lines = {"", "Job: J // SUPPORTS", "BEAM/STRIP SUPPORT DATA:", c.line, ""};
    int s[4], w = 0, r = 0;
    std::string nodes = "old";
    ReadSupportData(SupportFlags, lines, 4, 1, s[0], s[1], s[2], s[3], "J", nodes, w, r);
    EXPECT_EQ(SupportFlags[kUnyieldingSlot], c.flag) << c.line;
    EXPECT_EQ(nodes, c.nodes) << c.line;
  }
}

struct RoundTrip {
  const char* name;
  Job job;
  std::vector<std::string> flags;
};

// Writes the support file from the tables, then reads it back with the geometry: all returns.
TEST(SupportFile, WrittenFileReadsBack) {
  const RoundTrip cases[] = {
      {"beam", {"BEAM/STRIP", "BEAM", 4, 0, 0, 0, 0}, {"Y", "Y", "Y", "Y", "Y", "N", "N", "30000", "0.3"}},
      {"strip", {"BEAM/STRIP", "STRIP", 4, 0, 0, 0, 0}, {"N", "N", "Y", "Y", "N", "Y", "Y", "40000", "60000", "15000", "0.25", "0.125"}},
      {"solid plate", {"PLATE", "PLATE", 3, 0, 0, 0, 0}, {"Y", "Y", "Y", "Y", "N", "N", "N"}},
      {"annular plate", {"PLATE", "PLATE", 3, 0, 0, 1.5, 0}, {"N", "N", "Y", "Y", "Y", "N", "Y", "25000", "0.35"}},
      {"tank with roof",
       {"TANK", "WALL", 3, 2, 2, 0, 1},
       {"Y", "Y", "Y", "Y", "N", "Y", "Y", "Y", "H", "Y", "S", "Y", "N", "Y", "40000", "60000", "15000", "0.25", "0.3"}},
      {"tank with solid roof",
       {"TANK", "WALL", 3, 2, 2, 0, 0},
       {"N", "N", "N", "Y", "N", "N", "N", "N", "S", "N", "M", "N", "Y", "N"}},
      {"tank without roof",
       {"TANK", "BASE PLATE", 3, 2, 0, 0, 0},
       {"N", "N", "Y", "N", "Y", "N", "N", "Y", "M", "N", "Y", "N", "N", "N", "30000", "0.3"}},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    JobSpec = "JOB2";
    SetJob(c.job);
    int type = StructureCode();
    ASSERT_TRUE(SaveGeometryFile(JobSpec)) << c.name;
    ClearSupportFlags(type);
    for (size_t i = 0; i < c.flags.size(); ++i) SupportFlags[i + 1] = c.flags[i];
    UnyieldingNodes = SupportFlags[kUnyieldingSlot] == "Y" ? "1,3" : "";
    SizeSupportTables(c.job.nb, c.job.nw);
    ElasticSupportTable(2, 1) = 5000;
    ElasticSupportTable(2, 2) = type == 1 ? 250.0f : 0.0f;
    ElasticSupportTable(c.job.nb + 1, 1) = 7500;
    WinklerTable(1, 1) = 20000;
    WinklerTable(c.job.nb, type == 1 ? 1 : 2) = 12500;
    WallRestraintTable(c.job.nw + 1, 1) = 2000;
    WallRestraintTable(c.job.nw + 1, 2) = 100;
    WallWinklerTable(1, 1) = 4000;
    Table2D<float> saved[4] = {ElasticSupportTable, WinklerTable, WallRestraintTable, WallWinklerTable};
    std::vector<std::string> flags = SupportFlags;
    ASSERT_TRUE(SaveSupportFile(type)) << c.name;

    ClearSupportFlags(type);
    SizeSupportTables(0, 0);
    int n1 = 0, n2 = 0, n3 = 0, ok = 0;
    LoadSupportFile(type, n1, n2, n3, 0, ok);
    ASSERT_EQ(ok, 1) << c.name;
    EXPECT_EQ(n1, c.job.nb);
    EXPECT_EQ(n2, c.job.nw);
    EXPECT_EQ(n3, c.job.nr);
    for (int i = 1; i <= 19; ++i) {
      if (AnswerAt(flags, i).size() > 1) {
        EXPECT_DOUBLE_EQ(ParseNumber(SupportFlags[static_cast<size_t>(i)]), ParseNumber(flags[static_cast<size_t>(i)]))
            << c.name << " item " << i;
      } else if (!AnswerAt(flags, i).empty()) {
        EXPECT_EQ(SupportFlags[static_cast<size_t>(i)], flags[static_cast<size_t>(i)]) << c.name << " item " << i;
      }
    }
    EXPECT_EQ(UnyieldingNodes, flags[kUnyieldingSlot] == "Y" ? "1,3" : "") << c.name;
    const Table2D<float>* read[4] = {&ElasticSupportTable, &WinklerTable, &WallRestraintTable, &WallWinklerTable};
    const bool listed[4] = {flags[kElasticSupportsSlot] == "Y", flags[kWinklerSlot] == "Y", type == 3 && flags[kWallRestraintsSlot] == "Y", type == 3 && flags[kWallWinklerSlot] == "Y"};
    for (int k = 0; k < 4; ++k) {
      if (!listed[k]) continue;
      for (int r = 0; r < saved[k].Rows(); ++r)
        for (int col = 0; col < saved[k].Columns(); ++col)
          EXPECT_FLOAT_EQ(read[k]->Get(r, col), saved[k].Get(r, col)) << c.name << " table " << k << " row " << r;
    }
  }
}

TEST(SupportFile, EmptyTableTurnsItsAnswerOff) {
  TestDirectory dir;
  JobSpec = "JOB3";
  SetJob({"TANK", "WALL", 2, 2, 0, 0, 0});
  ClearSupportFlags(3);
  for (int i : {3, 4, 7, 8}) SupportFlags[static_cast<size_t>(i)] = "Y";
  SizeSupportTables(2, 2);
  WinklerTable(2, 2) = 1000;  // the only value
  ASSERT_TRUE(SaveSupportFile(3));
  EXPECT_EQ(SupportFlags[kElasticSupportsSlot], "N");
  EXPECT_EQ(SupportFlags[kWinklerSlot], "Y");
  EXPECT_EQ(SupportFlags[kWallWinklerSlot], "N");
  EXPECT_EQ(SupportFlags[kWallRestraintsSlot], "N");
  int count = 0;
  TextLineArray lines = FileLines("JOB3.SUP", count);
  ASSERT_GT(count, 10);
  EXPECT_EQ(lines[5], "WINKLER FOUNDATION:");
  EXPECT_EQ(lines[8].substr(0, 5), "    2");  // the compacted table keeps the row's own number
}

TEST(SupportFile, MissingFileGivesEveryAnswerNo) {
  TestDirectory dir;
  JobSpec = "JOB4";
  SetJob({"BEAM/STRIP", "BEAM", 3, 0, 0, 0, 0});
  ASSERT_TRUE(SaveGeometryFile(JobSpec));
  SupportFlags.assign(20, "Y");
  UnyieldingNodes = "2";
  int n1 = 0, n2 = 0, n3 = 0, ok = 0;
  LoadSupportFile(1, n1, n2, n3, 0, ok);
  EXPECT_EQ(ok, 1);
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(SupportFlags[static_cast<size_t>(i)], "N") << i;
  EXPECT_EQ(SupportFlags[kHalfSpaceModulusSlot], "");
  EXPECT_EQ(UnyieldingNodes, "");
  EXPECT_EQ(ElasticSupportTable.Rows(), 5);
  EXPECT_FLOAT_EQ(ElasticSupportTable(4, 0), 4.0f);

  // Without the geometry the support file is not read.
  JobSpec = "NONE";
  LoadSupportFile(1, n1, n2, n3, 0, ok);
  EXPECT_EQ(ok, 0);
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

TEST(SupportFile, FileCutShortReadsTheRowsItHas) {
  TestDirectory dir;
  JobSpec = "CUT";
  SetJob({"BEAM/STRIP", "BEAM", 3, 0, 0, 0, 0});
  ASSERT_TRUE(SaveGeometryFile(JobSpec));
  TextLineArray lines = {"", "Job: CUT // SUPPORTS", "BEAM/STRIP SUPPORT DATA:", "Left Edge Fixed against Rotation (?):  Y",
                         "WINKLER FOUNDATION:", " Elment 'i'   Subgrade Modulus", "(Nodes i,j)       [kPa/m] ",
                         "    1            2.00000E+4", "    3            2.50000E+4"};
  SaveTextLines("CUT.SUP", lines, 8);
  int n1 = 0, n2 = 0, n3 = 0, ok = 0;
  LoadSupportFile(1, n1, n2, n3, 0, ok);
  ASSERT_EQ(ok, 1);
  EXPECT_EQ(SupportFlags[kEdgeFixedSlot], "Y");
  EXPECT_EQ(SupportFlags[kWinklerSlot], "Y");
  EXPECT_EQ(SupportFlags[kOuterEdgeFixedSlot], "N");
  EXPECT_FLOAT_EQ(WinklerTable(1, 1), 20000.0f);
  EXPECT_FLOAT_EQ(WinklerTable(3, 1), 25000.0f);
  EXPECT_FLOAT_EQ(WinklerTable(2, 1), 0.0f);
}

}  // namespace
}  // namespace corvane
