// The job check before an analysis: its rules on written jobs with their exact messages, and the
// correction loop driven through the hooks that the program's interface fills.
#include "palvore/core/checks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "../../common/tests/correctionscript.h"
#include "../../common/tests/damagedfiles.h"
#include "core/solverstops.h"
#include "testsupport.h"

namespace palvore {
namespace {

using testing::PileJob;
using testing::WriteJob;

using Script = CorrectionScript;

PileJob Soil() {
  PileJob j;
  j.subgrade = 1.0E4;
  j.nodal = {{1, 10, 0}};
  return j;
}

TEST(CheckJobData, SupportRulesAndTheirMessages) {
  const std::string fault13 = " INCORRECT SUPPORT DATA OF ITEM 1 OR 3 ", fault23 = " INCORRECT SUPPORT DATA OF ITEM 2 OR 3 ";
  struct Case {
    const char* what;
    std::function<void(PileJob&)> edit;
    std::string message;  // "" passes
  };
  const Case cases[] = {
      {"Winkler soil", [](PileJob&) {}, ""},
      {"Winkler soil and a half-space",
       [](PileJob& j) {
         j.halfSpace = true;
         j.soilModulus = 1.0E4;
       },
       " INCORRECT SUPPORT DATA OF ITEM 4 OR 5 "},
      {"fixed top with a rotational spring at node 1",
       [](PileJob& j) {
         j.topFixed = true;
         j.springs = {{1, 0, 500}};
       },
       fault13},
      {"unyielding node with a horizontal spring",
       [](PileJob& j) {
         j.unyielding = "3";
         j.springs = {{3, 200, 0}};
       },
       fault23},
      {"listed node beyond the pile", [](PileJob& j) { j.unyielding = "2,6"; }, fault23},
      {"no support at all", [](PileJob& j) { j.subgrade = 0; }, " SUPPORT CONDITIONS ARE NOT SPECIFIED"},
      {"no soil, free top, one node",
       [](PileJob& j) {
         j.subgrade = 0;
         j.unyielding = "1";
       },
       " UNSTABLE STRUCTURE."},
      {"no soil, two nodes",
       [](PileJob& j) {
         j.subgrade = 0;
         j.unyielding = "1, 5";
       },
       ""},
      {"no soil, two springs",
       [](PileJob& j) {
         j.subgrade = 0;
         j.springs = {{1, 1000, 0}, {5, 1000, 0}};
       },
       ""},
      {"no soil, one spring and a spring of 1 kN/m",
       [](PileJob& j) {
         j.subgrade = 0;
         j.springs = {{1, 1000, 0}, {5, 1, 0}};
       },
       " UNSTABLE STRUCTURE."},
      {"no soil, a fixed top alone",
       [](PileJob& j) {
         j.subgrade = 0;
         j.topFixed = true;
       },
       " UNSTABLE STRUCTURE."},
      {"no soil, a fixed top and one node",
       [](PileJob& j) {
         j.subgrade = 0;
         j.topFixed = true;
         j.unyielding = "5";
       },
       ""},
  };
  for (const Case& c : cases) {
    TestDirectory dir;
    JobSpec = "PILE";
    PileJob j = Soil();
    c.edit(j);
    WriteJob(j);
    Script script;
    EXPECT_EQ(CheckJobData(script.Hooks()), c.message.empty() ? 1 : 0) << c.what;
    if (c.message.empty()) {
      EXPECT_TRUE(script.asked.empty()) << c.what;
    } else {
      ASSERT_EQ(script.asked.size(), 1u) << c.what;
      EXPECT_EQ(script.asked[0], c.message) << c.what;
    }
  }
}

// A chosen half-space whose constants the analysis cannot take is refused before the solver
// runs, naming its item and the value; corrected in the support command, the check passes.
TEST(CheckJobData, HalfSpaceConstantsOutsideTheirRangeAreRefused) {
  const std::string start = " INCORRECT SUPPORT DATA OF ITEM 5 \r\n (HALF-SPACE: ";
  const struct {
    double modulus, poisson;
    std::string message;  // "" passes
  } cases[] = {
      {2.0E4, 0.3, ""},
      {2.0E4, 0.5, ""},
      {0, 0, start + "Modulus of Elasticity, E[kPa]= 0; it must be bigger than 0)"},
      {2.0E4, 0, start + "Poisson's Ratio, Nu= 0; it must be above 0 and at most 0.5)"},
      {2.0E4, 0.6, start + "Poisson's Ratio, Nu= .6; it must be above 0 and at most 0.5)"},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    JobSpec = "PILE";
    PileJob j = Soil();
    j.subgrade = 0;
    j.halfSpace = true;
    j.soilModulus = c.modulus;
    j.soilPoisson = c.poisson;
    WriteJob(j);
    const std::string label = std::to_string(c.modulus) + " " + std::to_string(c.poisson);
    Script script;
    EXPECT_EQ(CheckJobData(script.Hooks()), c.message.empty() ? 1 : 0) << label;
    if (c.message.empty()) {
      EXPECT_TRUE(script.asked.empty()) << label;
      continue;
    }
    ASSERT_EQ(script.asked.size(), 1u) << label;
    EXPECT_EQ(script.asked[0], c.message) << label;
    Script corrected;
    corrected.answers = {kAnswerYes};
    corrected.onSupports = [] {
      PileJob good = Soil();
      good.subgrade = 0;
      good.halfSpace = true;
      good.soilModulus = 2.0E4;
      good.soilPoisson = 0.3;
      WriteJob(good);
    };
    EXPECT_EQ(CheckJobData(corrected.Hooks()), 1) << label;
    EXPECT_EQ(corrected.supports, 1) << label;
  }
}

TEST(CheckJobData, MissingFilesAndGeometryThatCannotBeAnalysed) {
  const struct {
    const char* what;
    const char* file;     // removed after the job is written
    double length;        // of every element
  } cases[] = {
      {"no geometry file", "PILE.GEO", 1.0},
      {"an element without length", nullptr, 0.0},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    JobSpec = "PILE";
    PileJob j = Soil();
    j.elementLength = c.length;
    WriteJob(j);
    if (c.file) std::remove(c.file);
    Script script;
    EXPECT_EQ(CheckJobData(script.Hooks()), 0) << c.what;
    ASSERT_EQ(script.asked.size(), 1u) << c.what;
    EXPECT_EQ(script.asked[0], " PILE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!");
  }
  TestDirectory dir;
  JobSpec = "PILE";
  WriteJob(Soil());
  ASSERT_TRUE(SaveTextLines("PILE.COX", {""}, 0));
  Script script;
  EXPECT_EQ(CheckJobData(script.Hooks()), 0);
  EXPECT_EQ(script.asked, std::vector<std::string>{" NO LOAD CASE IS SPECIFIED FOR THIS JOB"});
}

TEST(CheckJobData, YesRunsTheDialogAndChecksAgain) {
  TestDirectory dir;
  JobSpec = "PILE";
  PileJob j = Soil();
  j.halfSpace = true;
  j.soilModulus = 1.0E4;
  WriteJob(j);
  Script script;
  script.answers = {kAnswerYes, kAnswerYes};
  script.onSupports = [] {  // the support dialog drops the half-space; the job has no case yet
    WriteJob(Soil());
    std::remove("PILE.COX");
  };
  script.onLoadCases = [] { ASSERT_TRUE(WriteLoadCaseList("PILE.COX", {"A"})); };
  EXPECT_EQ(CheckJobData(script.Hooks()), 1);
  EXPECT_EQ(script.supports, 1);
  EXPECT_EQ(script.loadCases, 1);
  ASSERT_EQ(script.asked.size(), 2u);
  EXPECT_EQ(script.asked[1], " NO LOAD CASE IS SPECIFIED FOR THIS JOB");
  EXPECT_EQ(LoadCaseNames, (std::vector<std::string>{"", "A"}));
  EXPECT_EQ(ElementCount(), 4);

  // The geometry dialog that saves data: the file is read again.
  std::remove("PILE.GEO");
  Script geometry;
  geometry.answers = {kAnswerYes};
  geometry.onGeometry = [] {
    WriteJob(Soil());
    return true;
  };
  EXPECT_EQ(CheckJobData(geometry.Hooks()), 1);
  EXPECT_EQ(geometry.geometry, 1);
}

TEST(CheckJobData, StabilityOnlyOnTheFirstCheck) {
  TestDirectory dir;
  JobSpec = "PILE";
  PileJob j = Soil();
  j.subgrade = 0;
  j.unyielding = "1";
  WriteJob(j);
  Script script;
  script.answers = {kAnswerYes};  // the support dialog is left without a change
  EXPECT_EQ(CheckJobData(script.Hooks()), 1);
  EXPECT_EQ(script.asked, std::vector<std::string>{" UNSTABLE STRUCTURE."});
  EXPECT_EQ(script.supports, 1);

  // Without hooks the answer is No.
  EXPECT_EQ(CheckJobData(CorrectionHooks{}), 0);
}

// Every data file cut inside each table, without its END line, with a count too large or with
// garbage in place of a table's rows is reported by the check and not analysed; with LF line
// ends it analyses as it does with CR LF.
TEST(CheckJobData, DamagedFilesAreReportedAndNotAnalysed) {
  TestDirectory dir;
  PileJob j = testing::StiffPile(50, "PILE");
  j.springs = {{1, 1000, 0}};
  j.trapezoidal = {{2, 1, 2}, {3, 2, 2}};
  WriteJob(j);
  DamagedJobProfile p;
  p.files = {{GeometryFileName(j.name), {{"PILE/SHEET-PILE DATA", 4, 2, 0}}},
             {SupportFileName(j.name), {{"ELASTIC SUPPORTS"}, {"WINKLER SOIL"}}},
             {LoadFileName(j.name, j.loadCase), {{"TRAPEZOIDAL LOADING"}, {"NODAL LOADING"}}}};
  p.message = [&](const std::string& file, const std::string&) -> std::string {
    if (file == GeometryFileName(j.name)) return kGeometryMissingMessage;
    if (file == SupportFileName(j.name)) return " PILE SUPPORT DATA ARE MISSING!\r\n (";
    return " LOAD DATA OF LOAD CASE 'A' ARE MISSING!\r\n (";
  };
  p.check = CheckAnsweringNo(j.name, [](const CorrectionHooks& hooks) { return CheckJobData(hooks); });
  p.solve = SolveElastic(j.name, j.loadCase, [](const std::vector<std::string>& args, std::string& output) {
    return RunSolveTool(args, output);
  });
  p.report = ResultsFileName(j.name, j.loadCase);
  ExpectDamagedFilesRefused(p);
}

// A Winkler table of 40 rows cut to 2 by hand, without its END line: not analysed on 0.5 m of soil.
TEST(CheckJobData, SupportFileCutInsideItsWinklerTable) {
  TestDirectory dir;
  PileJob j = testing::StiffPile(50, "PILE");
  WriteJob(j);
  TextLineArray lines = testing::FileLines(SupportFileName(j.name));
  int at = 0;
  std::string value;
  FindLabelLine(lines, 1, static_cast<int>(lines.size()) - 1, "WINKLER SOIL", at, value);
  ASSERT_GT(at, 0);
  ASSERT_TRUE(SaveTextLines(SupportFileName(j.name), lines, at + 4));
  JobSpec = j.name;
  Script script;
  EXPECT_EQ(CheckJobData(script.Hooks()), 0);
  ASSERT_EQ(script.asked.size(), 1u);
  EXPECT_EQ(script.asked[0], " PILE SUPPORT DATA ARE MISSING!\r\n (line " + std::to_string(at + 4) + ": the END line is missing)");
  std::string output;
  EXPECT_EQ(RunSolveTool({j.name, j.loadCase, "elastic"}, output), kStopBadSupportData);
  EXPECT_NE(output.find("The SUPPORT DATA File is Damaged!"), std::string::npos) << output;
  EXPECT_FALSE(FileExists(ResultsFileName(j.name, j.loadCase)));
}

TEST(CorrectionQueryText, MessageAndQuestion) {
  EXPECT_EQ(CorrectionQueryText(" UNSTABLE STRUCTURE."), " UNSTABLE STRUCTURE.\r\n\r\n Do you wish to Correct the Data? ");
  EXPECT_STREQ(kCorrectionCaption, " WARNING!");
}

}  // namespace
}  // namespace palvore
