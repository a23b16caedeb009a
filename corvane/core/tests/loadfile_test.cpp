#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "core/jobdata.h"
#include "core/numbers.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/loadentry.h"
#include "corvane/core/loadfile.h"
#include "corvane/core/slots.h"
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
  const char* shell;
  double plateInner, roofInner;
};

void SetJob(const Job& j) {
  testing::SetJobGeometry(j.type, j.substructure, j.nb, j.nw, j.nr, j.plateInner, j.roofInner);
  GeometryAnswers[kShellRoofSlot] = j.shell;
  for (int s = 1; s <= 3; ++s) {
    WorkTables[s].Redim(0, 0);
    for (int r = 1; r <= ElementCount(s); ++r) {
      WorkTables[s](r, 1) = static_cast<float>(6.0 / ElementCount(s));
      WorkTables[s](r, 2) = 0.5f;
      WorkTables[s](r, 3) = 0.25f;
    }
  }
  if (StructureType == "BEAM/STRIP") GeometryAnswers[kStripSlot] = std::string(j.substructure) == "STRIP" ? "Y" : "N";
}

// Reads a fixture's values and tables, writes the listing again: the same lines.
TEST(LoadFile, FixturesListAgainLineForLine) {
  const struct {
    const char* file;
    Job job;
    std::vector<std::pair<std::pair<int, int>, float>> values;
  } cases[] = {
      {"BEAM.LDD", {"BEAM/STRIP", "BEAM", 4, 0, 0, "N", 0, 0}, {{{1, 1}, 12.5f}, {{1, 2}, 2500.0f}}},
      {"PLATE.LDL",
       {"PLATE", "PLATE", 4, 0, 0, "N", 0, 0},
       {{{1, 1}, 5.0f}, {{6, 1}, 0.0f}, {{6, 2}, 1.2e-4f}, {{9, 1}, 15.0f}, {{9, 2}, -5.25f}, {{5, 1}, 0.0f}}},
      {"TANKSHELL.LDW",
       {"TANK", "ROOF STRUCTURE", 3, 2, 2, "Y", 0, 0},
       {{{1, 1}, 20.0f},
        {{4, 1}, 1000.0f},
        {{4, 2}, 3.5f},
        {{5, 1}, 50.0f},
        {{5, 2}, -30.0f},
        {{6, 1}, -2e-4f},
        {{7, 2}, 2e-4f},
        {{7, 4}, -1.5e-4f},
        {{10, 2}, -5.0f},
        {{10, 3}, 7.5f},
        {{2, 2}, 2500.0f},
        {{3, 2}, 7850.0f},
        {{12, 2}, 12.5f}}},
      {"TANKNOROOF.LDE", {"TANK", "WALL", 3, 2, 0, "N", 0, 0}, {{{2, 1}, 0.0f}}},
  };
  for (const auto& c : cases) {
    SetJob(c.job);
    int s = StructureCode(), nb = c.job.nb, nw = c.job.nw, nr = c.job.nr;
    bool shell = std::string(c.job.shell) == "Y";
    int count = 0;
    TextLineArray fixture = LoadFixture(c.file, count);
    LoadTable.Redim(12, 4);
    int st[6] = {0, 0, 0, 0, 0, 0}, w = 0, r = 0;  // trap, nodal, wall trap / temperature, wall nodal, roof element, roof nodal
    ReadLoadData(fixture, count, st[0], st[1], st[2], st[3], st[4], st[5], s, nr, w, r);
    for (const auto& v : c.values)
      EXPECT_FLOAT_EQ(LoadTable(v.first.first, v.first.second), v.second)
          << c.file << " " << v.first.first << "/" << v.first.second;
    EXPECT_EQ(w > 0, s == 3) << c.file;
    EXPECT_EQ(r > 0, nr > 0) << c.file;

    SizeLoadTables(s, nb, nw, nr);
    struct T {
      Table2D<float>* table;
      int start, limit, values;
    };
    std::vector<T> tables = {{&NodalLoadTable, st[1], nb + 1, 2}, {&TrapezoidalLoadTable, st[0], nb, 2}};
    if (s == 1) tables.push_back({&TemperatureLoadTable, st[2], nb, 2});
    if (s == 3) {
      tables.push_back({&WallNodalLoadTable, st[3], nw + 1, 3});
      tables.push_back({&WallTrapezoidalLoadTable, st[2], nw, 2});
      tables.push_back({&RoofNodalLoadTable, st[5], nr + 1, shell ? 3 : 2});
      for (int k = 1; k <= 5; ++k) tables.push_back({&RoofLoadTables[k + 2], RoofKindStarts[k], nr, 2});
    }
    std::vector<int> rows;
    for (auto& t : tables) {
      if (t.start > 0) ReadIndexedRows(fixture, *t.table, count, t.limit, t.values, t.start);
      int n = 0;
      CompactZeroRows(*t.table, t.limit, t.values, n);
      rows.push_back(n);
    }
    int out[6] = {rows[0], rows[1], 0, 0, 0, 0};  // nodal, trap, wall nodal, wall trap / temperature, roof nodal, roof elements
    if (s == 1) out[3] = rows[2];
    if (s == 3) {
      out[2] = rows[2];
      out[3] = rows[3];
      out[4] = rows[4];
      for (int k = 1; k <= 5; ++k) RoofKindStarts[k] = rows[4 + static_cast<size_t>(k)];
    }
    TextLineArray lines(2);
    int written = 0;
    ListLoads(lines, written, out[0], out[1], out[2], out[3], out[4], out[5], s, fixture[1]);
    EXPECT_EQ(out[0], st[1]) << c.file;
    EXPECT_EQ(out[1], st[0]) << c.file;
    EXPECT_EQ(out[3], st[2]) << c.file;
    const int firstLines[] = {out[0], out[1], s == 1 ? out[3] : out[2], out[3], out[4]};
    for (size_t k = 0; k < tables.size(); ++k) {
      int first = k < 5 ? firstLines[k] : RoofKindStarts[k - 4];
      if (rows[k] > 0) ListLoadRows(lines, written, *tables[k].table, rows[k], first, tables[k].values);
    }
    ExpectSameLines(lines, written, fixture, count, c.file);
  }
}

TEST(LoadFile, PointLoadLinesOfPlateAndBasePlate) {
  const struct {
    const char* type;
    float load;
    bool listed;
  } cases[] = {{"PLATE", 0.0f, false},    {"PLATE", 12.5f, true}, {"PLATE", -12.5f, true},
               {"PLATE", 0.000005f, false}, {"TANK", 0.0f, true},   {"TANK", -3.0f, true}};
  for (const auto& c : cases) {
    SetJob({c.type, "BASE PLATE", 3, 2, 0, "N", 0, 0});
    LoadTable.Redim(12, 4);
    LoadTable(5, 1) = c.load;
    TextLineArray lines(2);
    int count = 0, a = 0, b = 0, d = 0, e = 0, f = 0, g = 0;
    ListLoads(lines, count, a, b, d, e, f, g, StructureCode(), "h");
    int at = 0;
    FindTextLine(lines, count, "Central Point Load [kN]:" + FormatNumber(c.load, " ####0.0##"), at);
    EXPECT_EQ(at > 0, c.listed) << c.type << " " << c.load;
    if (!c.listed) continue;
    int st[6], w = 0, r = 0;
    LoadTable(5, 1) = 99;
    ReadLoadData(lines, count, st[0], st[1], st[2], st[3], st[4], st[5], StructureCode(), 0, w, r);
    EXPECT_FLOAT_EQ(LoadTable(5, 1), c.load) << c.type;
  }
}

TEST(LoadFile, OlderSingleStrainLinesAndMissingSections) {
  TextLineArray lines = {"",
                         "Job: J // LOADS (A)",
                         "BASE PLATE LOAD DATA:",
                         "Free Shrinkage Strain in Base Plate: -3.0000E-4",
                         "WALL LOAD DATA:",
                         "Free Shrinkage Strain in Wall: 2.0000E-4",
                         "Uniform Load [kPa]: 4.0",
                         "ROOF LOAD DATA:",
                         "Free Shrinkage Strain in Roof: 1.0000E-4",
                         ""};
  LoadTable.Redim(12, 4);
  LoadTable(6, 2) = LoadTable(7, 3) = LoadTable(8, 2) = 5;
  int st[6], w = 0, r = 0;
  ReadLoadData(lines, 9, st[0], st[1], st[2], st[3], st[4], st[5], 3, 2, w, r);
  EXPECT_EQ(w, 4);
  EXPECT_EQ(r, 7);
  EXPECT_FLOAT_EQ(LoadTable(6, 1), -3e-4f);
  EXPECT_FLOAT_EQ(LoadTable(6, 2), 0.0f);
  EXPECT_FLOAT_EQ(LoadTable(7, 1), 2e-4f);
  EXPECT_FLOAT_EQ(LoadTable(7, 3), 0.0f);
  EXPECT_FLOAT_EQ(LoadTable(8, 1), 1e-4f);
  EXPECT_FLOAT_EQ(LoadTable(8, 2), 0.0f);
  EXPECT_FLOAT_EQ(LoadTable(2, 1), 4.0f);

  // Without "WALL LOAD DATA" the base plate's and the wall's values stay 0: the wall does not
  // take the base plate's.
  TextLineArray noWall = {"", "Job: J // LOADS (A)", "BASE PLATE LOAD DATA:", "Uniform Load [kPa]: 7.0", ""};
  LoadTable.Redim(12, 4);
  ReadLoadData(noWall, 4, st[0], st[1], st[2], st[3], st[4], st[5], 3, 0, w, r);
  EXPECT_EQ(w, 0);
  EXPECT_FLOAT_EQ(LoadTable(1, 1), 0.0f);
  EXPECT_FLOAT_EQ(LoadTable(2, 1), 0.0f);
}

struct RoundTrip {
  const char* name;
  Job job;
};

void FillTables(int s, int nb, int nw, int nr, bool shell) {
  NodalLoadTable(1, 1) = s == 1 ? 7.0f : 0.0f;  // an axis load goes through LoadTable for plates and tanks
  NodalLoadTable(nb + 1, 2) = -12.5f;
  TrapezoidalLoadTable(nb, 1) = 3;
  TrapezoidalLoadTable(nb, 2) = 4.25f;
  if (s == 1) {
    TemperatureLoadTable(2, 1) = 20;
    TemperatureLoadTable(2, 2) = -10;
  }
  if (s == 3) {
    WallNodalLoadTable(nw + 1, 1) = 1;
    WallNodalLoadTable(nw + 1, 3) = -2;
    WallTrapezoidalLoadTable(1, 2) = 6;
    if (nr > 0) {
      RoofNodalLoadTable(nr + 1, 2) = 5;
      if (shell) RoofNodalLoadTable(2, 3) = 1.5f;
      for (int k = 3; k <= (shell ? 7 : 3); ++k) {
        RoofLoadTables[k](k - 2 <= nr ? k - 2 : nr, 1) = static_cast<float>(k);
        RoofLoadTables[k](nr, 2) = static_cast<float>(-k);
      }
    }
  }
}

// The load command's road: tables and values written, read back unchanged.
TEST(LoadFile, WrittenFileReadsBack) {
  const RoundTrip cases[] = {
      {"beam", {"BEAM/STRIP", "BEAM", 4, 0, 0, "N", 0, 0}},
      {"strip", {"BEAM/STRIP", "STRIP", 3, 0, 0, "N", 0, 0}},
      {"solid plate", {"PLATE", "PLATE", 3, 0, 0, "N", 0, 0}},
      {"annular plate", {"PLATE", "PLATE", 3, 0, 0, "N", 1.5, 0}},
      {"tank, plate roof", {"TANK", "WALL", 3, 2, 2, "N", 0, 0}},
      {"tank, shell roof", {"TANK", "ROOF STRUCTURE", 3, 2, 5, "Y", 0, 0}},
      {"tank, annular shell roof", {"TANK", "ROOF STRUCTURE", 3, 2, 5, "Y", 0, 1}},
      {"tank without roof", {"TANK", "BASE PLATE", 3, 2, 0, "N", 0, 0}},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    JobSpec = "JOB5";
    LoadCaseName = " Wind";
    SetJob(c.job);
    int s = StructureCode(), nb = c.job.nb, nw = c.job.nw, nr = c.job.nr;
    bool shell = std::string(c.job.shell) == "Y";
    LoadTable.Redim(12, 4);
    const int items[][2] = {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}, {4, 1}, {4, 2}, {5, 1}, {5, 2}, {6, 1},
                            {6, 2}, {7, 1}, {7, 2}, {7, 3}, {7, 4}, {8, 1}, {8, 2}, {9, 1}, {9, 2}, {10, 1}, {10, 2},
                            {10, 3}, {10, 4}, {12, 1}, {12, 2}};
    int k = 0;
    for (const auto& it : items) {
      ++k;
      bool strain = it[0] >= 6 && it[0] <= 8;
      LoadTable(it[0], it[1]) = strain ? (k % 2 ? -1.5e-4f : 2.5e-4f) : (k % 3 ? 2.5f * k : -1.25f * k);
    }
    SizeLoadTables(s, nb, nw, nr);
    FillTables(s, nb, nw, nr, shell);
    // The axis load of a solid plate, the base plate and a solid roof stands in row 1 of the nodal table.
    if ((s == 2 && c.job.plateInner == 0) || s == 3) NodalLoadTable(1, 1) = -40;
    if (s == 3 && nr > 0 && c.job.roofInner == 0) RoofNodalLoadTable(1, 1) = 60;
    Table2D<float> values = LoadTable;
    Table2D<float> saved[12] = {NodalLoadTable,    TrapezoidalLoadTable, TemperatureLoadTable, WallNodalLoadTable,
                                WallTrapezoidalLoadTable, RoofNodalLoadTable, RoofLoadTables[3], RoofLoadTables[4],
                                RoofLoadTables[5], RoofLoadTables[6],     RoofLoadTables[7]};
    ASSERT_TRUE(SaveLoadFile(s)) << c.name;
    int count = 0;
    TextLineArray lines = FileLines("JOB5.LDW", count);
    ASSERT_GT(count, 5) << c.name;
    EXPECT_EQ(lines[1], "Job: JOB5 // LOADS ( Wind)");

    LoadTable.Redim(12, 4);
    SizeLoadTables(s, nb, nw, nr);
    ReadLoadFile(s);
    const Table2D<float>* read[11] = {&NodalLoadTable,    &TrapezoidalLoadTable, &TemperatureLoadTable, &WallNodalLoadTable,
                                      &WallTrapezoidalLoadTable, &RoofNodalLoadTable, &RoofLoadTables[3], &RoofLoadTables[4],
                                      &RoofLoadTables[5], &RoofLoadTables[6],     &RoofLoadTables[7]};
    for (int t = 0; t < 11; ++t) {
      if (t >= 7 && !shell) continue;  // a plate roof keeps only its kind-3 table
      for (int row = 1; row < saved[t].Rows(); ++row)
        for (int col = 0; col < saved[t].Columns(); ++col)
          EXPECT_FLOAT_EQ(read[t]->Get(row, col), saved[t].Get(row, col)) << c.name << " table " << t << " row " << row;
    }
    // The groups each structure writes (the axis loads, group 5, below).
    std::set<int> groups = s == 1 ? std::set<int>{1} : s == 2 ? std::set<int>{1, 6, 9} : std::set<int>{1, 2, 4, 6, 7, 9, 10};
    if (s == 3 && nr > 0) groups.insert({3, 8, 12});
    for (const auto& it : items) {
      if (!groups.count(it[0])) continue;
      EXPECT_NEAR(LoadTable(it[0], it[1]), values(it[0], it[1]), 5e-4 * std::fabs(values(it[0], it[1])))
          << c.name << " " << it[0] << "/" << it[1];
    }
    if ((s == 2 && c.job.plateInner == 0) || s == 3) {
      EXPECT_FLOAT_EQ(LoadTable(5, 1), -40.0f) << c.name;
    }
    if (s == 3 && nr > 0 && c.job.roofInner == 0) {
      EXPECT_FLOAT_EQ(LoadTable(5, 2), 60.0f) << c.name;
    }
  }
}

// The load command's visit without edits: a file with an all-zero row comes back in the canonical
// form, the zero row gone, whatever the structure.
TEST(LoadFile, AVisitWithoutEditsRewritesTheCanonicalForm) {
  const RoundTrip cases[] = {
      {"beam", {"BEAM/STRIP", "BEAM", 4, 0, 0, "N", 0, 0}},
      {"strip", {"BEAM/STRIP", "STRIP", 3, 0, 0, "N", 0, 0}},
      {"solid plate", {"PLATE", "PLATE", 3, 0, 0, "N", 0, 0}},
      {"annular plate", {"PLATE", "PLATE", 3, 0, 0, "N", 1.5, 0}},
      {"tank, flat roof", {"TANK", "BASE PLATE", 3, 2, 2, "N", 0, 0}},
      {"tank, shell roof with all five kinds", {"TANK", "BASE PLATE", 3, 2, 5, "Y", 0, 0}},
      {"tank without roof", {"TANK", "BASE PLATE", 3, 2, 0, "N", 0, 0}},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    JobSpec = "JOB6";
    LoadCaseName = "A";
    SetJob(c.job);
    ASSERT_TRUE(SaveGeometryFile(JobSpec)) << c.name;
    const int s = StructureCode(), nb = c.job.nb, nw = c.job.nw, nr = c.job.nr;
    const bool shell = std::string(c.job.shell) == "Y";
    LoadTable.Redim(12, 4);
    LoadTable(1, 1) = 2.5f;
    LoadTable(9, 2) = -5;
    LoadTable(4, 2) = 3.5f;
    SizeLoadTables(s, nb, nw, nr);
    FillTables(s, nb, nw, nr, shell);
    if (s == 3) NodalLoadTable(1, 1) = -40;
    ASSERT_TRUE(SaveLoadFile(s)) << c.name;
    int count = 0;
    const TextLineArray canonical = FileLines("JOB6.LDA", count);
    if (shell) {
      for (int k = 1; k <= 5; ++k) EXPECT_GT(RoofKindStarts[k], 0) << c.name << " kind " << k + 2;
    }

    // An all-zero row before the first trapezoidal row of substructure 1 (element nb).
    int trap = 0, nodal = 0, wallTrap = 0, wallNodal = 0, roofElement = 0, roofNodal = 0, w = 0, r = 0;
    ReadLoadData(canonical, count, trap, nodal, wallTrap, wallNodal, roofElement, roofNodal, s, nr, w, r);
    ASSERT_GT(trap, 0) << c.name;
    TextLineArray edited(canonical.begin(), canonical.begin() + trap);
    edited.push_back("    " + std::to_string(nb - 1) + "               0.0000                  0.0000");
    edited.insert(edited.end(), canonical.begin() + trap, canonical.begin() + count + 1);
    ASSERT_TRUE(SaveTextLines("JOB6.LDA", edited, count + 1));

    LoadTable.Redim(12, 4);
    SizeLoadTables(s, 0, 0, 0);
    int visits = 0;
    ASSERT_TRUE(VisitLoadData([&](int structure) {
      ++visits;
      EXPECT_EQ(structure, s);
      // The tables are read for the dialogs; the axis load stands in row 1.
      EXPECT_FLOAT_EQ(TrapezoidalLoadTable(nb, 2), 4.25f) << c.name;
      if (s == 3) EXPECT_FLOAT_EQ(NodalLoadTable(1, 1), -40.0f) << c.name;
    })) << c.name;
    EXPECT_EQ(visits, 1);
    int again = 0;
    TextLineArray written = FileLines("JOB6.LDA", again);
    ExpectSameLines(written, again, canonical, count, c.name);
  }
}

// The visit writes nothing without geometry or with a case letter that no file name takes; an
// edit made in the dialogs reaches the file.
TEST(LoadFile, AVisitWritesOnlyWhatItMay) {
  TestDirectory dir;
  JobSpec = "JOB7";
  SetJob({"BEAM/STRIP", "BEAM", 4, 0, 0, "N", 0, 0});
  LoadTable.Redim(12, 4);
  LoadCaseName = "A";
  int visits = 0;
  EXPECT_FALSE(VisitLoadData([&](int) { ++visits; }));
  EXPECT_FALSE(std::filesystem::exists("JOB7.LDA"));
  SetJob({"BEAM/STRIP", "BEAM", 4, 0, 0, "N", 0, 0});  // the failed read left no job data
  ASSERT_TRUE(SaveGeometryFile(JobSpec));
  for (const char* name : {"*x", " ?", ":", ""}) {
    LoadCaseName = name;
    EXPECT_FALSE(VisitLoadData([&](int) { ++visits; })) << name;
  }
  EXPECT_EQ(visits, 0);
  for (const auto& f : std::filesystem::directory_iterator("."))
    EXPECT_EQ(f.path().filename().string().rfind("JOB7.LD", 0), std::string::npos) << f.path();
  LoadCaseName = " Dead";
  ASSERT_TRUE(VisitLoadData([&](int) {
    LoadTable(1, 1) = 12.5f;
    NodalLoadTable(2, 1) = 100;
  }));
  int count = 0;
  TextLineArray lines = FileLines("JOB7.LDD", count);
  ASSERT_GT(count, 5);
  EXPECT_EQ(lines[1], "Job: JOB7 // LOADS ( Dead)");
  bool uniform = false, nodal = false;
  for (int i = 1; i <= count; ++i) {
    uniform = uniform || lines[i] == "Uniform Load [kN/m]: 12.5";
    nodal = nodal || lines[i].find("    2 ") == 0;
  }
  EXPECT_TRUE(uniform);
  EXPECT_TRUE(nodal);
}

// A case without a load file starts empty: the values of the case visited before, of this job or
// of another, are not carried into it, whether its dialogs are closed without an edit or after
// an edit of other values.
TEST(LoadFile, ANewCaseStartsEmptyAfterAnotherCasesLoads) {
  TestDirectory dir;
  JobSpec = "PLT";
  LoadCaseName = "A";
  SetJob({"PLATE", "PLATE", 3, 0, 0, "N", 0, 0});
  ASSERT_TRUE(SaveGeometryFile(JobSpec));
  ASSERT_TRUE(VisitLoadData([](int) {
    LoadTable(1, 1) = 10;
    LoadTable(9, 1) = 15;
    NodalLoadTable(2, 1) = 7;
  }));
  const auto holdsNoLoad = [](const std::string& file, const std::string& what) {
    int count = 0;
    TextLineArray lines = FileLines(file, count);
    ASSERT_GT(count, 2) << what;
    for (int i = 1; i <= count; ++i) {
      EXPECT_EQ(lines[i].find("Uniform Load [kPa]: 10"), std::string::npos) << what << ": " << lines[i];
      EXPECT_EQ(lines[i].find("Temperature Change Above Plate [Celsius]: 15"), std::string::npos) << what;
      EXPECT_NE(lines[i], "NODAL LOADING") << what;
    }
  };
  // Another case of the same job, its dialogs closed without an edit.
  LoadCaseName = "B";
  ASSERT_TRUE(VisitLoadData([](int) {}));
  holdsNoLoad("PLT.LDB", "same job");

  // A new tank job after the plate's loaded case: only the hydrostatic load is entered.
  LoadCaseName = "A";
  ASSERT_TRUE(VisitLoadData([](int) { EXPECT_FLOAT_EQ(LoadTable.Get(1, 1), 10.0f); }));  // read again
  JobSpec = "TNK";
  SetJob({"TANK", "WALL", 3, 2, 0, "N", 0, 0});
  ASSERT_TRUE(SaveGeometryFile(JobSpec));
  LoadCaseName = "W";
  ASSERT_TRUE(VisitLoadData([](int s) {
    EXPECT_EQ(s, 3);
    EXPECT_FLOAT_EQ(LoadTable.Get(1, 1), 0.0f);
    LoadTable(4, 1) = 1000;
    LoadTable(4, 2) = 5;
  }));
  holdsNoLoad("TNK.LDW", "another job");
  int count = 0;
  TextLineArray lines = FileLines("TNK.LDW", count);
  bool hydrostatic = false;
  for (int i = 1; i <= count; ++i) hydrostatic = hydrostatic || lines[i] == "HYDROSTATIC LOADING:";
  EXPECT_TRUE(hydrostatic);
}

// A tank without roof elements has no roof nodal table: its roof axis load is neither put into
// one nor taken from one, so the value stays as it was and no roof section is written.
TEST(LoadFile, ARoofAxisLoadOfARooflessTankIsLeftAlone) {
  for (double roofInner : {0.0, 1.0}) {
    TestDirectory dir;
    JobSpec = "JOB8";
    LoadCaseName = "A";
    SetJob({"TANK", "BASE PLATE", 3, 2, 0, "N", 0, roofInner});
    ASSERT_TRUE(SaveGeometryFile(JobSpec));
    LoadTable.Redim(12, 4);
    LoadTable(5, 1) = -40;
    LoadTable(5, 2) = 25;
    SizeLoadTables(3, 3, 2, 0);
    ReadLoadFile(3);
    EXPECT_LT(RoofNodalLoadTable.Rows(), 2) << roofInner;  // row 0 only
    EXPECT_FLOAT_EQ(NodalLoadTable(1, 1), -40.0f) << roofInner;
    ASSERT_TRUE(SaveLoadFile(3)) << roofInner;
    EXPECT_FLOAT_EQ(LoadTable(5, 2), 25.0f) << roofInner;
    EXPECT_FLOAT_EQ(LoadTable(5, 1), -40.0f) << roofInner;
    EXPECT_LT(RoofNodalLoadTable.Rows(), 2) << roofInner;  // row 0 only
    int count = 0;
    TextLineArray lines = FileLines("JOB8.LDA", count);
    ASSERT_GT(count, 5) << roofInner;
    for (int i = 1; i <= count; ++i) EXPECT_NE(lines[i], "ROOF LOAD DATA:") << roofInner;
  }
}

// A beam of four elements (1, 1, 2 and 2 m long) on file; the trapezoidal cells of a load table.
class LinearLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    JobSpec = "LIN";
    SetJob({"BEAM/STRIP", "BEAM", 4, 0, 0, "N", 0, 0});
    JobDataTable(1, 2) = 6;
    const float lengths[] = {0, 1, 1, 2, 2};
    for (int r = 1; r <= 4; ++r) WorkTables[1](r, 1) = lengths[r];
    ASSERT_TRUE(SaveGeometryFile(JobSpec));
    for (int r = 1; r <= 4; ++r) CellTexts(2, r) = CellTexts(3, r) = "x";
  }
  TestDirectory dir_;
};

TEST_F(LinearLoad, FillsTheElementsBetweenTheNodes) {
  const struct {
    const char* i;
    const char* m;
    const char* a;
    const char* b;
    std::vector<std::string> cells;  // rows 1..4, columns 2 and 3
  } cases[] = {
      {"1", "5", "10", "16", {"10.000", "11.000", "11.000", "12.000", "12.000", "14.000", "14.000", "16.000"}},
      {"2", "4", "0", "-3", {"x", "x", "0.000", "-1.000", "-1.000", "-3.000", "x", "x"}},
      {"2.6", "4", "1", "1", {"x", "x", "x", "x", "1.000", "1.000", "x", "x"}},  // nodes read as whole numbers
      {"1", "2", "0.000004", "0.000001", {"0.000", "0.000", "x", "x", "x", "x", "x", "x"}},
      {"0", "3", "1", "2", {"x", "x", "x", "x", "x", "x", "x", "x"}},
      {"3", "3", "1", "2", {"x", "x", "x", "x", "x", "x", "x", "x"}},
      {"2", "6", "1", "2", {"x", "x", "x", "x", "x", "x", "x", "x"}},
  };
  for (const auto& c : cases) {
    for (int r = 1; r <= 4; ++r) CellTexts(2, r) = CellTexts(3, r) = "x";
    FieldTexts = {"", c.i, c.m, c.a, c.b};
    LinearLoadBetweenNodes();
    std::vector<std::string> got;
    for (int r = 1; r <= 4; ++r) {
      got.push_back(CellTexts(2, r));
      got.push_back(CellTexts(3, r));
    }
    EXPECT_EQ(got, c.cells) << c.i << "-" << c.m;
  }
}

TEST_F(LinearLoad, ElementsWithoutWidthFillNothing) {
  WorkTables[1](2, 1) = 0;
  WorkTables[1](3, 1) = 0;
  ASSERT_TRUE(SaveGeometryFile(JobSpec));
  FieldTexts = {"", "2", "4", "1", "2"};
  LinearLoadBetweenNodes();
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(CellTexts(2, r), "x") << r;
}

TEST_F(LinearLoad, WithoutGeometryNothingHappens) {
  JobSpec = "NONE";
  FieldTexts = {"", "1", "5", "1", "2"};
  LinearLoadBetweenNodes();
  EXPECT_EQ(CellTexts(2, 1), "x");
}

TEST_F(LinearLoad, WallUsesItsOwnElements) {
  SetJob({"TANK", "WALL", 2, 3, 0, "N", 0, 0});
  for (int r = 1; r <= 3; ++r) WorkTables[2](r, 1) = 2;
  ASSERT_TRUE(SaveGeometryFile(JobSpec));
  FieldTexts = {"", "1", "4", "0", "6"};
  LinearLoadBetweenNodes();
  EXPECT_EQ(CellTexts(2, 3), "4.000");
  EXPECT_EQ(CellTexts(3, 3), "6.000");
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

TEST(LoadFile, FileCutShortReadsTheRowsItHas) {
  TestDirectory dir;
  JobSpec = "CUT";
  LoadCaseName = "Snow";
  SetJob({"BEAM/STRIP", "BEAM", 4, 0, 0, "N", 0, 0});
  TextLineArray lines = {"",
                         "Job: CUT // LOADS (Snow)",
                         "BEAM LOAD DATA:",
                         "Uniform Load [kN/m]: -2.5",
                         "NODAL LOADING:",
                         " Node 'i'      Downward Force Pi      Clockwise Moment Mi",
                         "                     [kN]                   [kN*m]",
                         "    2              100.0000                -20.0000",
                         "    5               50.0000                  0.0000"};
  SaveTextLines("CUT.LDS", lines, 8);
  LoadTable.Redim(12, 4);
  SizeLoadTables(1, 4, 0, 0);
  ReadLoadFile(1);
  EXPECT_FLOAT_EQ(LoadTable(1, 1), -2.5f);
  EXPECT_FLOAT_EQ(NodalLoadTable(2, 1), 100.0f);
  EXPECT_FLOAT_EQ(NodalLoadTable(2, 2), -20.0f);
  EXPECT_FLOAT_EQ(NodalLoadTable(3, 1), 0.0f);
  EXPECT_EQ(NodalLoadTable.Rows(), 6);  // a row past the last node is not taken
}

}  // namespace
}  // namespace corvane
