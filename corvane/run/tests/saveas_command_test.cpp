// Save Job As in Corvane under Wine: the new job two folders deep with its headers naming it, the
// old job packed into its archive, another job of a longer name untouched; onto itself nothing.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "../../../common/tests/testdir.h"
#include "core/globals.h"
#include "core/textfiles.h"
#include "corvane/run/run.h"

namespace corvane {
namespace {

std::string Line1(const std::string& file) {
  TextLineArray lines;
  int n = 0;
  LoadTextLines(file, lines, 100, n);
  return n > 0 ? lines[1] : std::string();
}

class SaveAsCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    char self[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::filesystem::copy_file(std::filesystem::path(self).parent_path() / "ZLIB.DLL", "ZLIB.DLL");
    std::filesystem::create_directories("OLD");
    root_ = std::filesystem::current_path().string();
    oldJob_ = root_ + "\\OLD\\BEAM1";
    otherJob_ = root_ + "\\OLD\\BEAM10";
    for (const std::string& job : {oldJob_, otherJob_}) {
      for (const char* ext : {".GEO", ".SUP", ".LDD"}) {
        TextLineArray l = {"", "Job: " + job + " // OLD", "data"};
        ASSERT_TRUE(SaveTextLines(job + ext, l, 2));
      }
      TextLineArray cases = {"", "DEAD"};
      ASSERT_TRUE(SaveTextLines(job + ".CAS", cases, 1));
    }
  }
  TestDirectory dir_;
  std::string root_, oldJob_, otherJob_;
};

TEST_F(SaveAsCommand, CopiesRewritesAndArchivesTheOldJob) {
  const std::string fresh = root_ + "\\A\\B\\BEAM2";
  JobSpec = oldJob_;
  RunSaveJobAsCommand([&] {
    JobSpec = fresh;
    return 1;
  });
  EXPECT_EQ(JobSpec, fresh);
  EXPECT_EQ(Line1(fresh + ".GEO"), "Job: " + fresh + " // GEOMETRY & MAT. PROPERTIES");
  EXPECT_EQ(Line1(fresh + ".SUP"), "Job: " + fresh + " // SUPPORTS");
  EXPECT_EQ(Line1(fresh + ".LDD"), "Job: " + fresh + " // LOADS (DEAD)");
  EXPECT_TRUE(FileExists(oldJob_ + ".ZIP"));
  EXPECT_FALSE(FileExists(oldJob_ + ".GEO"));
  EXPECT_EQ(Line1(otherJob_ + ".GEO"), "Job: " + otherJob_ + " // OLD");
  EXPECT_FALSE(FileExists(otherJob_ + ".ZIP"));
}

TEST_F(SaveAsCommand, OntoItselfNothingChanges) {
  JobSpec = oldJob_;
  RunSaveJobAsCommand([&] {
    JobSpec = " " + oldJob_.substr(0, oldJob_.size() - 5) + "beam1 ";
    return 1;
  });
  EXPECT_EQ(Line1(oldJob_ + ".GEO"), "Job: " + oldJob_ + " // OLD");
  EXPECT_FALSE(FileExists(oldJob_ + ".ZIP"));
}

TEST_F(SaveAsCommand, CancelledJobDialogDoesNothing) {
  JobSpec = oldJob_;
  RunSaveJobAsCommand([] { return 0; });
  EXPECT_EQ(JobSpec, oldJob_);
  EXPECT_FALSE(FileExists(oldJob_ + ".ZIP"));
}

}  // namespace
}  // namespace corvane
