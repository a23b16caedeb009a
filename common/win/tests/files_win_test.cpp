#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "../../tests/testdir.h"
#include "core/textfiles.h"
#include "win/files_win.h"

namespace {

TEST(ProgramDirectory, KeepsTheTrailingBackslashAndHoldsTheProgram) {
  std::string dir = ProgramDirectory();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '\\');
  EXPECT_TRUE(FileExists(dir + "win_tests.exe"));
}

TEST(RecycleFiles, RemovesARelativelyNamedFileAndLeavesTheOthers) {
  TestDirectory dir;
  WriteBytes("JOB1.GEO", "x");
  WriteBytes("JOB1.SUP", "y");
  EXPECT_FALSE(RecycleFiles("JOB1.GEO"));
  EXPECT_FALSE(std::filesystem::exists("JOB1.GEO"));
  EXPECT_TRUE(std::filesystem::exists("JOB1.SUP"));
}

}  // namespace
