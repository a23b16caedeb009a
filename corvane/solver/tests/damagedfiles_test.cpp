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

TEST(DamagedFiles, TankFilesAreReportedAndNotAnalysed) {
  TestDirectory dir;
  const testing::TankJob t = EveryTable();
  testing::WriteTankJob(t);
  TextLineArray cases{"", "A"};
  ASSERT_TRUE(SaveTextLines(t.job + ".CAS", cases, 1));
  DamagedJobProfile p;
  p.files = {{t.job + ".geo",
              {{"BASE PLATE DATA", 6, 2, 0}, {"WALL DATA", 6, 2, 0}, {"ROOF GEOMETRY DATA", 7, 3, 0}}},
             {t.job + ".SUP",
              {{"ELASTIC SUPPORTS"}, {"WINKLER FOUNDATION"}, {"WINKLER SOIL AROUND WALL"}, {"ELASTIC NODAL RESTRAINTS"}}},
             {t.job + ".LDA", {{"NODAL LOADING"}, {"TRAPEZOIDAL LOADING"}}}};
  p.message = [&](const std::string& file, const std::string&) -> std::string {
    if (file == t.job + ".geo") return " GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!";
    if (file == t.job + ".SUP") return " TANK SUPPORT DATA ARE MISSING!\r\n (";
    return " LOAD DATA OF LOAD CASE 'A' ARE MISSING!\r\n (";
  };
  p.check = [&](std::vector<std::string>& asked) {
    JobSpec = t.job;
    StructureType = "TANK";
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
    CheckJobData(3, success);
    CheckHooks = CheckPort();
    GeometryCorrectionHooks = GeometryCorrection();
    return success;
  };
  p.solve = [&] {
    return AnalysisMain("ANALYSIS.exe TANK," + t.job + ",A", [](const SolverWarningData&) {});
  };
  p.report = ResultFileNames(t.job, "A")[1];
  ExpectDamagedFilesRefused(p);
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
