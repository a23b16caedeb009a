// The job check before an analysis: its rules on support-file fixtures with their exact
// messages, and the correction loop driven through the hooks the program's interface fills.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/globals.h"
#include "../../common/tests/correctionscript.h"
#include "../../common/tests/damagedfiles.h"
#include "solvetool.h"
#include "testsupport.h"
#include "trabix/core/analysis.h"
#include "trabix/core/checks.h"
#include "trabix/core/dataentry.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/slots.h"

namespace trabix {
namespace {

using testing::CopyJob;
using testing::DataFolder;

using Script = CorrectionScript;

// Copies a support file of tests/data/checks over the job's own.
void UseSupports(const std::string& job, const std::string& fixture) {
  std::filesystem::copy_file(DataFolder() / "checks" / (fixture + ".SUP"), std::filesystem::current_path() / (job + ".SUP"),
                             std::filesystem::copy_options::overwrite_existing);
}

class CheckTest : public ::testing::Test {
 protected:
  void Open(const std::string& job, const std::string& supports = "") {
    CopyJob(job);
    if (!supports.empty()) UseSupports(job, supports);
    JobSpec = job;
  }
  TestDirectory dir_;
};

TEST(CorrectDataQuery, TextAndCaption) {
  EXPECT_EQ(CorrectionQueryText(" UNSTABLE STRUCTURE."), " UNSTABLE STRUCTURE.\r\n\r\n Do you wish to Correct the Data? ");
  EXPECT_STREQ(kCorrectionCaption, " WARNING!");
  EXPECT_EQ(IncorrectSupportDataMessage(2, 3), " INCORRECT SUPPORT DATA OF ITEM 2 OR 3 ");
  EXPECT_EQ(CorrectDataQuery("anything", CorrectionHooks{}), kAnswerNo);  // nobody to ask
}

TEST(CountSupportNodes, PartsThatReadBackAsTheirNumber) {
  const struct {
    const char* list;
    int count;
  } cases[] = {{"3, x, 5", 2}, {"2.5", 0}, {"07", 0}, {"1,2 , 3", 3}, {"", 0}, {"3, 3", 1}, {"-2, 0, 4", 1}, {"4,", 1}};
  for (const auto& c : cases) EXPECT_EQ(CountSupportNodes(c.list), c.count) << "'" << c.list << "'";
}

// Every rule on a support file of its own, with the answer No: the check fails with exactly the
// rule's message, or passes without asking anything.
TEST_F(CheckTest, SupportRulesInOrder) {
  const std::string unstable = kUnstableStructureMessage;
  const struct {
    const char* job;
    const char* supports;
    std::string message;  // empty: the check passes
  } cases[] = {
      {"CHECK", "NONE", kSupportsNotSpecifiedMessage},
      {"CHECK", "LEFTONLY", ""},  // a fixed left edge passes the stability rule (the solver has the last word)
      {"CHECK", "RIGHTONLY", unstable},
      {"CHECK", "RIGHTONE", ""},
      {"CHECK", "ONENODE", unstable},
      {"CHECKSYM", "ONENODE", ""},  // the axis of a symmetric half is the second support
      {"CHECK", "TWONODES", ""},
      {"CHECK", "LEADZERO", unstable},  // "05" names no node
      {"CHECK", "REPEATED", unstable},  // "3, 3" is one support
      {"CHECK", "SPRINGS2", ""},
      {"CHECK", "SPRING1", unstable},
      {"CHECK", "NODESPRING", ""},
      {"CHECK", "R13", IncorrectSupportDataMessage(1, 3)},
      {"CHECK", "R23", IncorrectSupportDataMessage(2, 3)},
      {"CHECK", "R13AND23", IncorrectSupportDataMessage(1, 3)},
      {"CHECK", "LEFTSPRING", ""},  // a vertical spring at a fixed edge is no conflict
      {"CHECK", "WINKLER", ""},      // soil holds the structure
      {"CHECK", "WINKISO", IncorrectSupportDataMessage(4, 5)},
      {"CHECK", "WINKCROSS", IncorrectSupportDataMessage(4, 6)},
      {"CHECK", "ISOCROSS", IncorrectSupportDataMessage(5, 6)},
      {"CHECK", "ALLSOIL", IncorrectSupportDataMessage(5, 6)},  // the last pair that applies
  };
  for (const auto& c : cases) {
    Open(c.job, c.supports);
    Script script;
    int result = CheckJobData(script.Hooks());
    std::string label = std::string(c.job) + " with " + c.supports;
    if (c.message.empty()) {
      EXPECT_EQ(result, 1) << label;
      EXPECT_TRUE(script.asked.empty()) << label << ": " << (script.asked.empty() ? "" : script.asked[0]);
    } else {
      EXPECT_EQ(result, 0) << label;
      EXPECT_EQ(script.asked, std::vector<std::string>{c.message}) << label;
    }
    EXPECT_EQ(script.supports, 0) << label;  // No opens nothing
  }
}

// A chosen half-space whose constants the analysis cannot take is refused before any solver
// runs, naming its item and the value; Yes opens the support command and the check runs again.
TEST_F(CheckTest, HalfSpaceConstantsOutsideTheirRangeAreRefused) {
  const std::string iso = " INCORRECT SUPPORT DATA OF ITEM 5 \r\n (HALF-SPACE: ";
  const std::string cross = " INCORRECT SUPPORT DATA OF ITEM 6 \r\n (HALF-SPACE: ";
  const struct {
    int kind;  // the half-space's support item
    std::vector<std::string> values;  // E, Nu or Ev, Eh, Gv, NUh, NUv
    std::string start;  // how the message starts ("" when the check passes)
  } cases[] = {
      {kIsotropicHalfSpaceSlot, {"20000", "0.3"}, ""},
      {kIsotropicHalfSpaceSlot, {"0", "0"}, iso + "Modulus of Elasticity"},
      {kIsotropicHalfSpaceSlot, {"20000", "0"}, iso + "Poisson's Ratio, Nu"},
      {kIsotropicHalfSpaceSlot, {"20000", "-0.2"}, iso + "Poisson's Ratio, Nu"},  // the dialog takes it
      {kIsotropicHalfSpaceSlot, {"20000", "0.6"}, iso + "Poisson's Ratio, Nu"},
      {kAnisotropicHalfSpaceSlot, {"20000", "40000", "8000", "0.2", "0.15"}, ""},
      {kAnisotropicHalfSpaceSlot, {"20000", "40000", "0", "0.2", "0.15"}, cross + "Quasi Shear Modulus"},
      {kAnisotropicHalfSpaceSlot, {"20000", "40000", "8000", "0.2", "0.7"}, cross + "Poisson's Ratio for Vertical Strain"},
  };
  for (const auto& c : cases) {
    Open("CHECK", "ISOCROSS");
    ASSERT_EQ(LoadSupportFile(CorrectionHooks{}), 1);
    const bool isotropic = c.kind == kIsotropicHalfSpaceSlot;
    SupportFlags[kIsotropicHalfSpaceSlot] = isotropic ? "Y" : "N";
    SupportFlags[kAnisotropicHalfSpaceSlot] = isotropic ? "N" : "Y";
    for (size_t k = 0; k < c.values.size(); ++k) SupportFlags[kHalfSpaceModulusSlot + k] = c.values[k];
    ASSERT_TRUE(SaveSupportFile("CHECK"));
    std::string label = std::to_string(c.kind);
    for (const std::string& v : c.values) label += " " + v;
    Script script;
    const int result = CheckJobData(script.Hooks());
    if (c.start.empty()) {
      EXPECT_EQ(result, 1) << label;
      EXPECT_TRUE(script.asked.empty()) << label << ": " << (script.asked.empty() ? "" : script.asked[0]);
      continue;
    }
    EXPECT_EQ(result, 0) << label;
    ASSERT_EQ(script.asked.size(), 1u) << label;
    EXPECT_EQ(script.asked[0].rfind(c.start, 0), 0u) << label << ": " << script.asked[0];
    // Corrected in the support command, the check passes.
    Script corrected;
    corrected.answers = {kAnswerYes};
    corrected.onSupports = [&] {
      LoadSupportFile(CorrectionHooks{});
      const char* good[] = {"20000", "0.3", "8000", "0.2", "0.15"};
      const char* goodCross[] = {"20000", "40000", "8000", "0.2", "0.15"};
      for (size_t k = 0; k < c.values.size(); ++k) SupportFlags[kHalfSpaceModulusSlot + k] = isotropic ? good[k] : goodCross[k];
      SaveSupportFile("CHECK");
    };
    EXPECT_EQ(CheckJobData(corrected.Hooks()), 1) << label;
    EXPECT_EQ(corrected.supports, 1) << label;
  }
}

TEST_F(CheckTest, PassingCheckReadsTheCasesAndTheGeometry) {
  Open("CHECK");
  ElementTable.Redim(0, 0);
  LoadCaseNames.clear();
  Script script;
  ASSERT_EQ(CheckJobData(script.Hooks()), 1);
  EXPECT_TRUE(script.asked.empty());
  EXPECT_EQ(LoadCaseNames, (std::vector<std::string>{"", "A"}));
  EXPECT_EQ(ElementCount(), 4);
  EXPECT_EQ(ElementTable.Get(4, 1), 1.0);
  EXPECT_EQ(SupportFlags[kUnyieldingSlot], "Y");
}

TEST_F(CheckTest, MissingSupportFileMeansNoSupports) {
  Open("CHECK");
  std::filesystem::remove("CHECK.SUP");
  Script script;
  EXPECT_EQ(CheckJobData(script.Hooks()), 0);
  EXPECT_EQ(script.asked, std::vector<std::string>{kSupportsNotSpecifiedMessage});
}

TEST_F(CheckTest, CorrectedSupportsAreCheckedAgain) {
  Open("CHECK", "R23");
  Script script;
  script.answers = {kAnswerYes};
  script.onSupports = [] { UseSupports("CHECK", "TWONODES"); };
  EXPECT_EQ(CheckJobData(script.Hooks()), 1);
  EXPECT_EQ(script.asked, std::vector<std::string>{IncorrectSupportDataMessage(2, 3)});
  EXPECT_EQ(script.supports, 1);
  // A correction that changes nothing brings the same question again; No then ends the check.
  Open("CHECK", "R23");
  Script again;
  again.answers = {kAnswerYes, kAnswerNo};
  EXPECT_EQ(CheckJobData(again.Hooks()), 0);
  EXPECT_EQ(again.asked, std::vector<std::string>(2, IncorrectSupportDataMessage(2, 3)));
  EXPECT_EQ(again.supports, 1);
}

TEST_F(CheckTest, StabilityRuleIsSkippedOnARepeatedCheck) {
  // One unyielding node: unstable; Yes, and the user leaves the supports as they were: the
  // repeated check of the same job check no longer applies the rule.
  Open("CHECK", "ONENODE");
  Script script;
  script.answers = {kAnswerYes};
  EXPECT_EQ(CheckJobData(script.Hooks()), 1);
  EXPECT_EQ(script.asked, std::vector<std::string>{kUnstableStructureMessage});
  EXPECT_EQ(script.supports, 1);
  // A new job check applies it again.
  Script next;
  EXPECT_EQ(CheckJobData(next.Hooks()), 0);
  EXPECT_EQ(next.asked, std::vector<std::string>{kUnstableStructureMessage});
  // The rule is skipped only once it has been applied: supports entered after " SUPPORT
  // CONDITIONS ARE NOT SPECIFIED" still meet it.
  Open("CHECK", "NONE");
  Script late;
  late.answers = {kAnswerYes, kAnswerYes};
  late.onSupports = [] { UseSupports("CHECK", "ONENODE"); };
  EXPECT_EQ(CheckJobData(late.Hooks()), 1);
  EXPECT_EQ(late.asked, (std::vector<std::string>{kSupportsNotSpecifiedMessage, kUnstableStructureMessage}));
}

TEST_F(CheckTest, MissingLoadCaseListOffersTheLoadCaseDialog) {
  Open("CHECK");
  std::filesystem::remove("CHECK.CAS");
  Script declined;
  EXPECT_EQ(CheckJobData(declined.Hooks()), 0);
  EXPECT_EQ(declined.asked, std::vector<std::string>{kNoLoadCaseMessage});
  EXPECT_EQ(declined.loadCases, 0);
  // Yes: the load-case dialog names a case, and the whole check runs again.
  Script script;
  script.answers = {kAnswerYes};
  script.onLoadCases = [] { WriteBytes("CHECK.CAS", "A\r\n"); };
  EXPECT_EQ(CheckJobData(script.Hooks()), 1);
  EXPECT_EQ(script.loadCases, 1);
  EXPECT_EQ(LoadCaseNames, (std::vector<std::string>{"", "A"}));
  // An empty list is no list.
  WriteBytes("CHECK.CAS", "  \r\n\r\n");
  Script empty;
  EXPECT_EQ(CheckJobData(empty.Hooks()), 0);
  EXPECT_EQ(empty.asked, std::vector<std::string>{kNoLoadCaseMessage});
}

TEST_F(CheckTest, AtMostTwentyLoadCasesAreTaken) {
  Open("CHECK");
  std::string list;
  for (char c = 'A'; c <= 'Y'; ++c) list += std::string(1, c) + " case\r\n";
  WriteBytes("CHECK.CAS", list);
  Script script;
  ASSERT_EQ(CheckJobData(script.Hooks()), 1);
  ASSERT_EQ(LoadCaseNames.size(), 21u);
  EXPECT_EQ(LoadCaseNames[20], "T case");
}

TEST_F(CheckTest, MissingGeometryOffersTheGeometryDialog) {
  // A geometry file without its data section, and no geometry file at all.
  for (bool cut : {true, false}) {
    Open("CHECK");
    if (cut) {
      WriteBytes("CHECK.GEO", "Job: CHECK // GEOMETRY & MAT. PROPERTIES\r\nLength [m]\r\n");
    } else {
      std::filesystem::remove("CHECK.GEO");
    }
    Script declined;
    EXPECT_EQ(CheckJobData(declined.Hooks()), 0);
    EXPECT_EQ(declined.asked, std::vector<std::string>{kGeometryMissingMessage});
    EXPECT_EQ(declined.geometry, 0);
    // Yes, and the dialog is left without saving: the check fails.
    Script cancelled;
    cancelled.answers = {kAnswerYes};
    EXPECT_EQ(CheckJobData(cancelled.Hooks()), 0);
    EXPECT_EQ(cancelled.geometry, 1);
    EXPECT_EQ(cancelled.asked.size(), 1u);
    // Yes, and the dialog saves the geometry: the check goes on and passes.
    Script saved;
    saved.answers = {kAnswerYes};
    saved.onGeometry = [] {
      std::filesystem::copy_file(DataFolder() / "CHECK.GEO", "CHECK.GEO", std::filesystem::copy_options::overwrite_existing);
      return true;
    };
    EXPECT_EQ(CheckJobData(saved.Hooks()), 1);
    EXPECT_EQ(saved.geometry, 1);
  }
}

TEST_F(CheckTest, SupportFileIsReadWithTheGeometry) {
  Open("CHECK", "R13AND23");
  ASSERT_EQ(LoadSupportFile(), 1);
  EXPECT_EQ(SpringTable.Get(1, 2), 250.0);
  EXPECT_EQ(SpringTable.Get(5, 1), 5000.0);
  EXPECT_EQ(UnyieldingNodes, "1, 5");
  std::filesystem::remove("CHECK.GEO");
  EXPECT_EQ(LoadSupportFile(), 0);  // no geometry, nobody to ask: nothing is read
}

TEST_F(CheckTest, SaveAsRewritesTheHeadersOfTheCopiedFiles) {
  CopyJob("BEAMJOB");
  for (const char* ext : {".GEO", ".SUP", ".CAS", ".LDA"})
    std::filesystem::copy_file(std::string("BEAMJOB") + ext, std::string("NEWJOB") + ext);
  TextLineArray before;
  int count = 0;
  LoadTextLines("NEWJOB.SUP", before, 100, count);
  RenameJobHeaders("NEWJOB");
  const struct {
    const char* file;
    const char* header;
  } cases[] = {{"NEWJOB.GEO", "Job: NEWJOB // GEOMETRY & MAT. PROPERTIES"},
               {"NEWJOB.SUP", "Job: NEWJOB // SUPPORTS"},
               {"NEWJOB.LDA", "Job: NEWJOB // LOADS (A dead)"}};
  for (const auto& c : cases) {
    TextLineArray lines;
    int n = 0;
    LoadTextLines(c.file, lines, 100, n);
    ASSERT_GT(n, 1) << c.file;
    EXPECT_EQ(lines[1], c.header);
  }
  TextLineArray after;
  int afterCount = 0;
  LoadTextLines("NEWJOB.SUP", after, 100, afterCount);
  ASSERT_EQ(afterCount, count);
  for (int i = 2; i <= count; ++i) EXPECT_EQ(after[i], before[i]) << i;
  EXPECT_EQ(ReadBytes("BEAMJOB.SUP").find("Job: NEWJOB"), std::string::npos);  // the old job is left alone
  EXPECT_FALSE(FileExists("NEWJOB.LDB"));  // nothing is made up
}

// A support file edited by hand answers its questions in any case and with blanks about them: the
// check, the solver and the listing all read such an answer by one rule. The cantilever's left
// edge answered "y" is fixed for all three: it passes the check and analyses to the report of
// "Y", and lists as "Y".
TEST(CheckJobData, AnAnswerMeansTheSameInTheCheckTheSolverAndTheListing) {
  TestDirectory dir;
  CopyJob("CANTI");
  std::string output;
  ASSERT_EQ(RunSolveTool({"CANTI", "P", "elastic"}, output), kSolverDone) << output;
  TextLineArray fixed;
  int fixedCount = 0;
  LoadTextLines("CANTI.RBP", fixed, 5000, fixedCount);
  ASSERT_GT(fixedCount, 10);
  for (const char* answer : {"y", " y ", "y  "}) {
    CopyJob("CANTI");
    testing::EditFile("CANTI.SUP", "Rotation (?):  Y", std::string("Rotation (?):  ") + answer);
    std::remove("CANTI.RBP");
    std::vector<std::string> asked;
    EXPECT_EQ(CheckAnsweringNo("CANTI", [](const CorrectionHooks& hooks) { return CheckJobData(hooks); })(asked), 1)
        << answer << ": " << (asked.empty() ? "" : asked[0]);
    ASSERT_EQ(RunSolveTool({"CANTI", "P", "elastic"}, output), kSolverDone) << answer << ": " << output;
    TextLineArray lines;
    int count = 0;
    LoadTextLines("CANTI.RBP", lines, 5000, count);
    ASSERT_EQ(count, fixedCount) << answer;
    for (int i = 2; i <= count; ++i) EXPECT_EQ(lines[i], fixed[i]) << answer << " report line " << i;  // line 1: the date
    JobSpec = "CANTI";
    ASSERT_EQ(LoadSupportFile(), 1) << answer;
    int listed = 0, springs = 0, soil = 0;
    TextLineArray listing(5001);
    ListSupports(listing, listed, springs, soil, "Job: CANTI // SUPPORTS", UnyieldingNodes);
    EXPECT_EQ(listing[3], "Left Edge Fixed against Rotation (?):  Y") << answer;
  }
}

// Every data file cut inside each table, without its END line, with a count too large or with
// garbage in place of a table's rows is reported by the check and not analysed; with LF line
// ends it analyses as it does with CR LF. The beam on springs and Winkler soil has every table.
TEST(CheckJobData, DamagedFilesAreReportedAndNotAnalysed) {
  TestDirectory dir;
  CopyJob("BEAMJOB");
  TextLineArray sup;
  int count = 0;
  LoadTextLines("BEAMJOB.SUP", sup, 5000, count);
  TextLineArray kept(1);
  for (int i = 1; i <= count; ++i)
    if (sup[i].find("ISOTROPIC") == std::string::npos) kept.push_back(sup[i]);  // one soil model
  ASSERT_TRUE(SaveTextLines("BEAMJOB.SUP", kept, static_cast<int>(kept.size()) - 1));
  DamagedJobProfile p;
  p.files = {{"BEAMJOB.GEO", {{"DATA", 4, 2, 1}}},
             {"BEAMJOB.SUP", {{"ELASTIC SUPPORTS"}, {"WINKLER FOUNDATION"}}},
             {"BEAMJOB.LDA", {{"NODAL LOADING"}, {"TRAPEZOIDAL LOADING"}, {"TEMPERATURE LOADING (CHANGES)"}}}};
  p.message = [](const std::string& file, const std::string&) -> std::string {
    if (file == "BEAMJOB.GEO") return kGeometryMissingMessage;
    if (file == "BEAMJOB.SUP") return " BEAM/STRIP SUPPORT DATA ARE MISSING!\r\n (";
    return " LOAD DATA OF LOAD CASE 'A dead' ARE MISSING!\r\n (";
  };
  p.check = CheckAnsweringNo("BEAMJOB", [](const CorrectionHooks& hooks) { return CheckJobData(hooks); });
  p.solve = ::SolveElastic("BEAMJOB", "A dead", [](const std::vector<std::string>& args, std::string& output) {
    return RunSolveTool(args, output);
  });
  p.report = "BEAMJOB.RBA";
  ExpectDamagedFilesRefused(p);
}

}  // namespace
}  // namespace trabix
