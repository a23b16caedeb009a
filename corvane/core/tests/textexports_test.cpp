// Text exports of the job and result files, and the header rewrite after Save Job As.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/saveas.h"
#include "core/textfiles.h"
#include "corvane/core/globals.h"
#include "corvane/core/textexports.h"
#include "testsupport.h"

namespace corvane {
namespace {

using testing::FileLines;

void WriteLines(const std::string& file, const std::string& stem, int n) {
  TextLineArray lines(1);
  for (int i = 1; i <= n; ++i) lines.push_back(stem + " " + std::to_string(i));
  ASSERT_TRUE(SaveTextLines(file, lines, n));
}

struct Warnings {
  std::vector<std::string> shown;
  Warnings() {
    ReportHooks.warn = [this](const std::string& text, const std::string& caption) { shown.push_back(caption + text); };
  }
  ~Warnings() { ReportHooks = ReportPort{}; }
};

TEST(WriteDataText, PartsThreeEmptyLinesApart) {
  TestDirectory dir;
  JobSpec = "JOB1";
  LoadCaseName = "  DEAD";
  WriteLines("JOB1.GEO", "geo", 20);
  WriteLines("JOB1.SUP", "sup", 10);
  WriteLines("JOB1.LDD", "load", 4);
  Warnings w;
  ASSERT_TRUE(WriteDataText());
  int n = 0;
  TextLineArray lines = FileLines("JOB1_DATA.TXT", n);
  ASSERT_EQ(n, 20 + 3 + 10 + 3 + 4);
  EXPECT_EQ(lines[20], "geo 20");
  EXPECT_EQ(lines[21] + lines[22] + lines[23], "");
  EXPECT_EQ(lines[24], "sup 1");
  EXPECT_EQ(lines[33], "sup 10");
  EXPECT_EQ(lines[37], "load 1");
  EXPECT_EQ(lines[40], "load 4");
  EXPECT_TRUE(w.shown.empty());
}

TEST(WriteDataText, WithoutTheLoadFileNothingIsWritten) {
  TestDirectory dir;
  JobSpec = "JOB1";
  LoadCaseName = "WIND";
  WriteLines("JOB1.SUP", "sup", 10);
  WriteLines("JOB1.LDD", "load", 4);  // another case's
  Warnings w;
  EXPECT_FALSE(WriteDataText());
  EXPECT_FALSE(std::filesystem::exists("JOB1_DATA.TXT"));
  EXPECT_EQ(w.shown, (std::vector<std::string>{"WARNING!Geometry Data File is Missing! Enter the Data!",
                                               "WARNING!Load Data File is Missing! Enter the Data!"}));
}

TEST(WriteDataText, NameWithoutFolder) {
  TestDirectory dir;
  std::filesystem::create_directories("JOBS");
  JobSpec = "JOBS\\B7";
  LoadCaseName = "A";
  for (const char* ext : {".GEO", ".SUP", ".LDA"}) WriteLines(JobSpec + ext, ext, 2);
  ASSERT_TRUE(WriteDataText());
  EXPECT_TRUE(std::filesystem::exists("B7_DATA.TXT"));
}

TEST(WriteResultsText, TankWithAndWithoutRoof) {
  for (bool roof : {false, true}) {
    TestDirectory dir;
    JobSpec = "T1";
    LoadCaseName = "Wind";
    testing::CopyFixture("TANKSHELL.GEO", "T1.GEO");
    if (!roof) {
      int n = 0;
      TextLineArray g = FileLines("T1.GEO", n);
      for (int i = 1; i <= n; ++i)
        if (g[static_cast<size_t>(i)].find("         2         0.0000") == 0) g[static_cast<size_t>(i)] = "         0         0.0000              6.0000";
      ASSERT_TRUE(SaveTextLines("T1.GEO", g, n));
    }
    WriteLines("T1.RPW", "plate", 6);
    WriteLines("T1.RWW", "wall", 5);
    Warnings w;
    const bool written = WriteResultsText();
    int n = 0;
    TextLineArray lines = FileLines("T1_RESULTS.TXT", n);
    if (roof) {
      EXPECT_FALSE(written);
      EXPECT_EQ(n, 0);
      EXPECT_EQ(w.shown, std::vector<std::string>{"WARNING!Results File is Missing! Anylyse the Structure!"});
      continue;
    }
    EXPECT_TRUE(written);
    EXPECT_TRUE(w.shown.empty());
    ASSERT_EQ(n, 6 + 3 + 5);
    EXPECT_EQ(lines[6], "plate 6");
    EXPECT_EQ(lines[10], "wall 1");
  }
}

TEST(RenameJobHeaders, EveryListedLoadFileSkippingEmptyEntries) {
  TestDirectory dir;
  for (const char* ext : {".GEO", ".SUP", ".LDD", ".LDW", ".LDX"}) WriteLines(std::string("NEW") + ext, ext, 3);
  TextLineArray cases = {"", "DEAD", "", " WIND "};
  ASSERT_TRUE(SaveTextLines("NEW.CAS", cases, 3));
  Warnings w;
  RenameJobHeaders("NEW");
  int n = 0;
  EXPECT_EQ(FileLines("NEW.GEO", n)[1], "Job: NEW // GEOMETRY & MAT. PROPERTIES");
  EXPECT_EQ(FileLines("NEW.SUP", n)[1], "Job: NEW // SUPPORTS");
  EXPECT_EQ(FileLines("NEW.LDD", n)[1], "Job: NEW // LOADS (DEAD)");
  EXPECT_EQ(FileLines("NEW.LDW", n)[1], "Job: NEW // LOADS ( WIND )");
  EXPECT_EQ(FileLines("NEW.LDX", n)[1], ".LDX 1");
  EXPECT_EQ(n, 3);
  EXPECT_TRUE(w.shown.empty());
}

TEST(RenameJobHeaders, AfterSaveJobAsTheOtherJobIsUntouched) {
  TestDirectory dir;
  std::string root = std::filesystem::current_path().string();
#ifndef _WIN32
  root = "C:" + root;
#endif
  for (char& c : root)
    if (c == '/') c = '\\';
  std::filesystem::create_directories("OLD");
  const std::string old = root + "\\OLD\\BEAM1", other = root + "\\OLD\\BEAM10", fresh = root + "\\A\\B\\BEAM2";
  for (const std::string& job : {old, other}) {
    for (const char* ext : {".GEO", ".SUP", ".LDD"}) WriteLines(job + ext, "Job: " + job, 3);
    TextLineArray cases = {"", "DEAD"};
    ASSERT_TRUE(SaveTextLines(job + ".CAS", cases, 1));
  }
  SaveAsProfile profile;
  profile.rewriteHeaders = RenameJobHeaders;
  JobSpec = fresh;
  ASSERT_TRUE(SaveJobAsAndArchive(old, fresh, profile));
  int n = 0;
  EXPECT_EQ(FileLines(fresh + ".GEO", n)[1], "Job: " + fresh + " // GEOMETRY & MAT. PROPERTIES");
  EXPECT_EQ(FileLines(fresh + ".LDD", n)[1], "Job: " + fresh + " // LOADS (DEAD)");
  EXPECT_EQ(FileLines(fresh + ".CAS", n)[1], "DEAD");
  EXPECT_EQ(FileLines(other + ".GEO", n)[1], "Job: " + other + " 1");
  EXPECT_EQ(FileLines(old + ".GEO", n)[1], "Job: " + old + " 1");
}

}  // namespace
}  // namespace corvane
