// Corvane.exe itself, started as a user starts it: a copy in a folder of its own (the program
// directory), driven from this process through its windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <set>
#include <string>

#include "../../../common/tests/testdir.h"
#include "win/testing/program.h"

namespace fs = std::filesystem;
using wintest::Press;
using wintest::WaitFor;
using wintest::WindowText;

namespace {

class CorvaneProgram : public ::testing::Test {
 protected:
  // Starts Corvane.exe from its own folder (with ZLIB.DLL beside it when asked).
  void Start(bool withZlib) {
    ASSERT_TRUE(program.Start(dir.path(), "Corvane.exe", withZlib ? std::vector<std::string>{"ZLIB.DLL"}
                                                                  : std::vector<std::string>{}));
    main = program.WaitForWindow("ZOR");
    ASSERT_NE(main, nullptr);
  }

  TestDirectory dir;
  wintest::Program program;
  HWND main = nullptr;
};

TEST_F(CorvaneProgram, TheNoticesExitEndsTheProgramWithoutAMenuOrAFile) {
  Start(false);
  EXPECT_EQ(WindowText(main), "      ZOR Program");
  HWND notice = program.WaitForWindow("#32770", "  ZOR SOFTWARE");
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(notice, 9876)), "I Agree - &Continue");
  EXPECT_EQ(WindowText(GetDlgItem(notice, 2)), "&Exit");
  EXPECT_EQ(GetMenu(main), nullptr);
  Press(notice, 2);
  EXPECT_EQ(program.WaitForExit(), 0);
  std::set<std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(dir.path())) files.insert(e.path().filename().string());
  EXPECT_EQ(files, (std::set<std::string>{"PROGRAM", "Corvane.exe", "ELSEWHERE"}));
}

TEST_F(CorvaneProgram, AJobNamedAndLeftIsPackedIntoItsArchive) {
  Start(true);
  HWND notice = program.WaitForWindow("#32770", "  ZOR SOFTWARE");
  ASSERT_NE(notice, nullptr);
  Press(notice, 9876);
  ASSERT_TRUE(WaitFor([&] { return GetMenu(main) != nullptr; }));
  PostMessageA(main, WM_COMMAND, 7206, 0);
  HWND jobs = program.WaitForWindow("#32770", "  BEAM/STRIP Job Name Specification/Selection");
  ASSERT_NE(jobs, nullptr);
  std::string job = (dir.path() / "BEAMS" / "BEAM1").string();
  wintest::SetField(jobs, 7555, job);
  Press(jobs, IDOK);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "     BEAM/STRIP ANALYSIS.   JOB: " + job; }));
  EXPECT_TRUE(fs::is_directory(dir.path() / "BEAMS"));
  // The job list lies in the program directory, not in the folder the program was started from.
  EXPECT_EQ(ReadBytes((program.Folder() / "FJOB$.BEA").string()), job + "\r\n");
  EXPECT_FALSE(fs::exists(dir.path() / "ELSEWHERE" / "FJOB$.BEA"));

  WriteBytes(job + ".GEO", "Job: geometry\r\n");
  WriteBytes(job + ".CAS", "A\r\n");
  WriteBytes((dir.path() / "BEAMS" / "BEAM10.GEO").string(), "another job");
  PostMessageA(main, WM_COMMAND, 2, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_EQ(wintest::FilesIn(dir.path() / "BEAMS"), (std::set<std::string>{"BEAM1.ZIP", "BEAM10.GEO"}));
  EXPECT_FALSE(fs::exists(program.Folder() / "LASTJOB.ZIP"));
}

}  // namespace
