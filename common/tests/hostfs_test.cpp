// A failed write of a file never passes for a success: the old file stays, the call says false,
// and the failure report (a warning box in the programs) names the file and why.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/hostfs.h"
#include "core/textfiles.h"
#include "smalldisk.h"
#include "testdir.h"

namespace fs = std::filesystem;

namespace {

class FailedWrites : public ::testing::Test {
 protected:
  void SetUp() override {
    hostfs::SetFailureReport([this](const std::string& name, const std::string& reason) {
      told.push_back({name, reason});
    });
  }
  void TearDown() override {
    hostfs::SetFailureReport(nullptr);
    hostfs::SetWriteFault(nullptr);
  }
  TestDirectory dir;
  std::vector<std::pair<std::string, std::string>> told;
};

TEST_F(FailedWrites, AreToldWithTheFileAndTheReasonAndKeepTheOldFile) {
  const TextLineArray lines = {"", "new line"};
  const struct {
    const char* what;
    std::function<void()> arrange;
    const char* reason;  // empty: the system's own words, whatever they are
  } cases[] = {
      {"full disk", [] { hostfs::SetWriteFault([](const std::string& t) { return t == "JOB.GEO"; }); },
       "There is not enough space on the disk"},
      // The run time took the bytes into its buffer; only its own flush finds the disk full.
      {"the run time's flush fails",
       [] {
         hostfs::SetWriteFault([](const std::string& t) { return t == "JOB.GEO"; }, hostfs::FaultPlace::kRunTimeFlush);
       },
       "There is not enough space on the disk"},
      {"temporary name taken", [] { fs::create_directory("JOB.GEO.~tmp"); }, ""},
      {"a folder in the file's place", [] { fs::remove("JOB.GEO"); fs::create_directory("JOB.GEO"); }, ""},
  };
  for (const auto& c : cases) {
    told.clear();
    WriteBytes("JOB.GEO", "old\r\n");
    c.arrange();
    EXPECT_FALSE(SaveTextLines("JOB.GEO", lines, 1)) << c.what;
    if (!fs::is_directory("JOB.GEO")) {
      EXPECT_EQ(ReadBytes("JOB.GEO"), "old\r\n") << c.what;
    }
    ASSERT_EQ(told.size(), 1u) << c.what;
    EXPECT_EQ(told[0].first, "JOB.GEO") << c.what;
    EXPECT_FALSE(told[0].second.empty()) << c.what;
    if (*c.reason) {
      EXPECT_EQ(told[0].second, c.reason) << c.what;
    }
    EXPECT_EQ(hostfs::LastFailure(), told[0].second) << c.what;
    hostfs::SetWriteFault(nullptr);
    fs::remove_all("JOB.GEO.~tmp");
    fs::remove_all("JOB.GEO");
  }
}

// A real disk filled after the job's files were written: the write, the copy and the old files.
TEST_F(FailedWrites, OnAFullDiskAreToldAndKeepTheOldFiles) {
  SmallDisk disk("JOBS");
  if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
  WriteBytes("JOBS/JOB.GEO", "old geometry\r\n");
  WriteBytes("JOBS/JOB.SUP", "old supports\r\n");
  WriteBytes("SOURCE.LDA", std::string(3000, 'L'));
  disk.Fill();
  const TextLineArray lines = {"", "Job: new geometry", "BEAM/STRIP GEOMETRY DATA:"};
  EXPECT_FALSE(SaveTextLines("JOBS\\JOB.GEO", lines, 2));
  EXPECT_FALSE(hostfs::Copy("SOURCE.LDA", "JOBS\\JOB.LDA"));
  EXPECT_EQ(ReadBytes("JOBS/JOB.GEO"), "old geometry\r\n");
  EXPECT_EQ(ReadBytes("JOBS/JOB.SUP"), "old supports\r\n");
  EXPECT_FALSE(fs::exists("JOBS/JOB.LDA"));
  EXPECT_FALSE(fs::exists("JOBS/JOB.GEO.~tmp"));
  ASSERT_EQ(told.size(), 2u);
  EXPECT_EQ(told[0].first, "JOBS\\JOB.GEO");
  EXPECT_EQ(told[1].first, "JOBS\\JOB.LDA");
  for (const auto& t : told) EXPECT_FALSE(t.second.empty()) << t.first;
}

TEST_F(FailedWrites, ACopyThatFailsIsToldAndASuccessIsNot) {
  WriteBytes("OLD.GEO", "data");
  EXPECT_TRUE(hostfs::Copy("OLD.GEO", "NEW.GEO"));
  EXPECT_TRUE(told.empty());
  hostfs::SetWriteFault([](const std::string& t) { return t == "NEW.SUP"; });
  WriteBytes("OLD.SUP", "supports");
  EXPECT_FALSE(hostfs::Copy("OLD.SUP", "NEW.SUP"));
  EXPECT_FALSE(fs::exists("NEW.SUP"));
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].first, "NEW.SUP");
}

TEST_F(FailedWrites, AreNotToldWhileTheirOwnerTellsThem) {
  hostfs::SetWriteFault([](const std::string&) { return true; });
  {
    hostfs::QuietFailures quiet;
    EXPECT_FALSE(hostfs::WriteWhole("A.TXT", "x"));
  }
  EXPECT_TRUE(told.empty());
  EXPECT_FALSE(hostfs::WriteWhole("A.TXT", "x"));
  EXPECT_EQ(told.size(), 1u);
}

}  // namespace
