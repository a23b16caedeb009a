// Damaged job data files of Corvane: the pre-analysis check reports each with the message of
// its data and ANALYSIS.exe analyses none of them; the same files with LF line ends analyse as
// their CR LF twins do.
#include <gtest/gtest.h>

#include "../../../common/tests/damagedfiles.h"
#include "../../../common/tests/testdir.h"
#include "corvane/core/checks.h"
#include "corvane/solver/solver.h"
#include "jobs.h"

namespace corvane {
namespace {

// A tank on Winkler soil with soil and springs around its wall, a flat roof, and loads in every
// table of its load file.
testing::TankJob EveryTable() {
  testing::TankJob t;
  t.winkler = 10000;
  t.wallWinkler = 5000;
  t.restraint = 100;
  t.wallNodal = {{3, {1, 0.5, 0}}};
  t.roofElements = 4;
  t.roofKinds[3] = 2;
  t.roofNodal = {{2, {1, 0}}};
  return t;
}

// The check and ANALYSIS.exe of a written job of structure type `type` on every spoilt copy of
// its files; `support` names the support file's data in its message.
void ExpectDamagedJobRefused(const std::string& job, int type, const std::string& structure, const std::string& support,
                             const std::vector<std::pair<std::string, std::vector<DamagedTable>>>& files) {
  TextLineArray cases{"", "A"};
  ASSERT_TRUE(SaveTextLines(job + ".CAS", cases, 1));
  DamagedJobProfile p;
  p.files = files;
  p.message = [job, support](const std::string& file, const std::string&) -> std::string {
    if (file == job + ".geo") return " GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!";
    if (file == job + ".SUP") return " " + support + " ARE MISSING!\r\n (";
    return " LOAD DATA OF LOAD CASE 'A' ARE MISSING!\r\n (";
  };
  p.check = [job, type, structure](std::vector<std::string>& asked) {
    JobSpec = job;
    StructureType = structure;
    CheckHooks = CheckPort();
    CheckHooks.ask = [&asked](const std::string& message) {
      asked.push_back(message);
      return kAnswerNo;
    };
    // The geometry reader asks its own question, as the frame's hooks do.
    GeometryCorrectionHooks.ask = [&asked](const std::string& message) {
      asked.push_back(message);
      return false;
    };
    GeometryCorrectionHooks.edit = [] { return 0; };
    int success = 0;
    CheckJobData(type, success);
    CheckHooks = CheckPort();
    GeometryCorrectionHooks = GeometryCorrection();
    return success;
  };
  p.solve = [job, structure] { return AnalysisMain("ANALYSIS.exe " + structure + "," + job + ",A", [](const SolverWarningData&) {}); };
  p.report = ResultFileNames(job, "A")[type == 1 ? 0 : 1];
  ExpectDamagedFilesRefused(p);
}

TEST(DamagedFiles, TankFilesAreReportedAndNotAnalysed) {
  TestDirectory dir;
  const testing::TankJob t = EveryTable();
  testing::WriteTankJob(t);
  ExpectDamagedJobRefused(
      t.job, 3, "TANK", "TANK SUPPORT DATA",
      {{t.job + ".geo", {{"BASE PLATE DATA", 6, 2, 0}, {"WALL DATA", 6, 2, 0}, {"ROOF GEOMETRY DATA", 7, 3, 0}}},
       {t.job + ".SUP",
        {{"ELASTIC SUPPORTS"}, {"WINKLER FOUNDATION"}, {"WINKLER SOIL AROUND WALL"}, {"ELASTIC NODAL RESTRAINTS"}}},
       {t.job + ".LDA", {{"NODAL LOADING"}, {"TRAPEZOIDAL LOADING"}}}});
}

TEST(DamagedFiles, PlateFilesAreReportedAndNotAnalysed) {
  TestDirectory dir;
  testing::PlateJob p;
  p.winkler = 10000;
  p.springs = {{11, 500}};
  p.uniform = 10;
  p.rings = {{6, {5, 0}}};
  testing::WritePlateJob(p);
  ExpectDamagedJobRefused(p.job, 2, "PLATE", "CIRCULAR PLATE SUPPORT DATA",
                          {{p.job + ".geo", {{"CIRCULAR PLATE DATA", 6, 2, 0}}},
                           {p.job + ".SUP", {{"ELASTIC SUPPORTS"}, {"WINKLER FOUNDATION"}}},
                           {p.job + ".LDA", {{"NODAL LOADING"}}}});
}

TEST(DamagedFiles, BeamFilesAreReportedAndNotAnalysed) {
  TestDirectory dir;
  testing::BeamJob b;
  b.winkler = 10000;
  b.uniform = 10;
  testing::WriteBeamJob(b);
  ExpectDamagedJobRefused(b.job, 1, "BEAM/STRIP", "BEAM/STRIP SUPPORT DATA",
                          {{b.job + ".geo", {{"BEAM/STRIP DATA", 4, 2, 0}}}, {b.job + ".SUP", {{"WINKLER FOUNDATION"}}}});
}

// The stops of ANALYSIS.exe name the damaged file.
TEST(DamagedFiles, AnalysisNamesTheDamagedFile) {
  TestDirectory dir;
  const testing::TankJob t = EveryTable();
  testing::WriteTankJob(t);
  const struct {
    std::string file;
    int code;
    std::string text;
  } cases[] = {{t.job + ".SUP", kStopBadSupportData, "The SUPPORT DATA File is Damaged!"},
               {t.job + ".LDA", kStopBadLoadData, "The LOAD DATA File is Damaged!"}};
  for (const auto& c : cases) {
    const std::string original = ReadBytes(c.file);
    WriteBytes(c.file, original.substr(0, original.size() / 2));  // cut in the middle
    std::vector<SolverWarningData> warnings;
    const int code =
        AnalysisMain("ANALYSIS.exe TANK," + t.job + ",A", [&](const SolverWarningData& w) { warnings.push_back(w); });
    EXPECT_EQ(code, c.code) << c.file;
    ASSERT_EQ(warnings.size(), 1u) << c.file;
    EXPECT_EQ(warnings[0].text.substr(0, c.text.size()), c.text) << c.file;
    for (const std::string& name : ResultFileNames(t.job, "A")) EXPECT_FALSE(FileExists(name)) << name;
    WriteBytes(c.file, original);
  }
}

}  // namespace
}  // namespace corvane
