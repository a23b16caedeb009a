// Save Job As: the copy of a job's files under a new specification and the header rewrite hook.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/hostfs.h"
#include "core/saveas.h"
#include "core/textfiles.h"
#include "testdir.h"

namespace {

std::string Host(const std::string& windowsName) {
  std::string s = windowsName;
  for (char& c : s)
    if (c == '\\') c = '/';
  return s;
}

// A job specification as the programs hold it: drive, folders from the root, name.
std::string Spec(const std::string& relative) {
  std::string s = (std::filesystem::current_path() / Host(relative)).string();
  for (char& c : s)
    if (c == '/') c = '\\';
#ifndef _WIN32
  s = "C:" + s;
#endif
  return s;
}

class SaveAs : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories("OLD");
    for (const char* f : {"OLD/BEAM1.GEO", "OLD/BEAM1.SUP", "OLD/BEAM1.CAS", "OLD/BEAM1.LDA", "OLD/BEAM1.ZIP",
                          "OLD/BEAM10.GEO", "OLD/BEAM10.SUP", "OLD/BEAM1X.GEO"})
      WriteBytes(f, std::string("old ") + f + "\r\n");
    profile_.rewriteHeaders = [this](const std::string& job) { rewritten_.push_back(job); };
  }
  TestDirectory dir_;
  SaveAsProfile profile_;
  std::vector<std::string> rewritten_;
};

TEST_F(SaveAs, CopiesEveryFileOfTheJobTwoFoldersDeep) {
  EXPECT_TRUE(SaveJobAs(Spec("OLD\\BEAM1"), Spec("NEW\\DEEP\\B2"), profile_));
  for (const char* ext : {"GEO", "SUP", "CAS", "LDA", "ZIP"})
    EXPECT_EQ(ReadBytes(std::string("NEW/DEEP/B2.") + ext), std::string("old OLD/BEAM1.") + ext + "\r\n") << ext;
  // Only the job's own files: not BEAM10's nor BEAM1X's, and the old ones stay.
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator("NEW/DEEP")) files += e.is_regular_file() ? 1 : 0;
  EXPECT_EQ(files, 5);
  EXPECT_TRUE(std::filesystem::exists("OLD/BEAM1.GEO"));
  EXPECT_EQ(ReadBytes("OLD/BEAM10.GEO"), "old OLD/BEAM10.GEO\r\n");
  EXPECT_EQ(rewritten_, std::vector<std::string>{Spec("NEW\\DEEP\\B2")});
}

TEST_F(SaveAs, ExistingTargetKeepsItsOtherFiles) {
  std::filesystem::create_directories("T");
  WriteBytes("T/JOB.GEO", "target geometry\r\n");
  WriteBytes("T/JOB.LDZ", "target loads Z\r\n");
  EXPECT_TRUE(SaveJobAs(Spec("OLD\\BEAM1"), Spec("T\\JOB"), profile_));
  EXPECT_EQ(ReadBytes("T/JOB.GEO"), "old OLD/BEAM1.GEO\r\n");
  EXPECT_EQ(ReadBytes("T/JOB.LDZ"), "target loads Z\r\n");
}

TEST_F(SaveAs, OntoItselfNothingHappens) {
  for (const char* same : {"OLD\\BEAM1", "  old\\beam1 ", "OLD\\Beam1"}) {
    EXPECT_FALSE(SaveJobAs("OLD\\BEAM1", same, profile_)) << same;
    EXPECT_FALSE(SaveJobAsAndArchive("OLD\\BEAM1", same, profile_)) << same;
  }
  EXPECT_TRUE(rewritten_.empty());
  EXPECT_EQ(ReadBytes("OLD/BEAM1.GEO"), "old OLD/BEAM1.GEO\r\n");
}

TEST_F(SaveAs, NoFilesNoCopyNoRewrite) {
  EXPECT_TRUE(SaveJobAs(Spec("OLD\\NONE"), Spec("NEW\\N2"), profile_));
  EXPECT_FALSE(std::filesystem::exists("NEW"));
  EXPECT_TRUE(rewritten_.empty());
}

TEST_F(SaveAs, LongNamesAreNotCut) {
  const std::string folder = "OLD\\" + std::string(70, 'F');
  const std::string job = folder + "\\" + std::string(40, 'J');
  std::filesystem::create_directories(Host(folder));
  WriteBytes(Host(job) + ".GEO", "long\r\n");
  const std::string target = "NEW\\" + std::string(80, 'N');
  EXPECT_TRUE(SaveJobAs(Spec(job), Spec(target), profile_));
  EXPECT_EQ(ReadBytes(Host(target) + ".GEO"), "long\r\n");
}

}  // namespace

namespace {

TEST_F(SaveAs, ACopyThatFailsIsToldByNameAndTheOthersAreMade) {
  std::vector<std::string> told;
  hostfs::SetFailureReport([&](const std::string& name, const std::string&) { told.push_back(name); });
  hostfs::SetWriteFault([](const std::string& target) {
    return target.size() >= 7 && target.compare(target.size() - 7, 7, "\\B2.SUP") == 0;
  });
  EXPECT_TRUE(SaveJobAs(Spec("OLD\\BEAM1"), Spec("NEW\\B2"), profile_));
  hostfs::SetWriteFault(nullptr);
  hostfs::SetFailureReport(nullptr);
  EXPECT_EQ(told, std::vector<std::string>{Spec("NEW\\B2") + ".SUP"});
  EXPECT_FALSE(std::filesystem::exists("NEW/B2.SUP"));
  EXPECT_EQ(ReadBytes("NEW/B2.GEO"), "old OLD/BEAM1.GEO\r\n");
}

}  // namespace

namespace {

// A save-as killed at any of its writes leaves what was on disk then: the fault layer, accepting
// every write, looks at the new job's folder at each one. No file is under a name of the new job
// before every file of the job has been copied whole, and none of them is ever torn.
TEST_F(SaveAs, KilledAtAnyWriteLeavesNoFileUnderTheNewJobsNamesUntilAllAreWhole) {
  const std::string exts[] = {"GEO", "SUP", "CAS", "LDA", "ZIP"};
  int writes = 0;
  hostfs::SetWriteFault([&](const std::string& target) {
    ++writes;
    int placed = 0, whole = 0;
    for (const std::string& ext : exts) {
      const std::string bytes = "old OLD/BEAM1." + ext + "\r\n";
      const std::string own = "NEW/B2." + ext;
      if (std::filesystem::exists(own)) {
        ++placed;
        EXPECT_EQ(ReadBytes(own), bytes) << own << " at the write of " << target;
      }
      whole += ReadBytes(own) == bytes || ReadBytes(std::string("NEW/") + kTemporarySign + "B2." + ext) == bytes;
    }
    EXPECT_TRUE(placed == 0 || whole == 5)
        << placed << " files under the new job's names, " << whole << " of 5 copied, at the write of " << target;
    return false;
  });
  EXPECT_TRUE(SaveJobAs(Spec("OLD\\BEAM1"), Spec("NEW\\B2"), profile_));
  hostfs::SetWriteFault(nullptr);
  EXPECT_GE(writes, 5);
  for (const std::string& ext : exts) EXPECT_EQ(ReadBytes("NEW/B2." + ext), "old OLD/BEAM1." + ext + "\r\n") << ext;
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator("NEW")) files += e.is_regular_file() ? 1 : 0;
  EXPECT_EQ(files, 5);  // no temporary left
}

}  // namespace
