// Corvane.exe itself, started as a user starts it: a copy in a folder of its own (the program
// directory), driven from this process through its windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

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
  // The program makes the job's folder after the caption.
  ASSERT_TRUE(program.WaitUntilIdle(main));
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

namespace {

// The marked rows of the check list of another process's dialog.
std::vector<int> MarkedRows(HWND dialog) {
  HWND list = GetDlgItem(dialog, 77777777);
  std::vector<int> rows;
  int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i)
    if (SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0) != 0) rows.push_back(i + 1);
  return rows;
}

TEST_F(CorvaneProgram, UnyieldingNodesGeneratedInANewBeamJobComeBackWhenTheJobIsOpenedAgain) {
  Start(true);
  std::string job = (dir.path() / "BEAMS" / "BEAM1").string();
  const std::string caption = "   BEAM/STRIP ANALYSIS.   JOB: " + job;
  auto openJob = [&] {
    HWND notice = program.WaitForWindow("#32770", "  ZOR SOFTWARE");
    ASSERT_NE(notice, nullptr);
    Press(notice, 9876);
    ASSERT_TRUE(WaitFor([&] { return GetMenu(main) != nullptr; }));
    PostMessageA(main, WM_COMMAND, 7206, 0);
    HWND jobs = program.WaitForDialog("  BEAM/STRIP Job Name Specification/Selection");
    ASSERT_NE(jobs, nullptr);
    wintest::SetField(jobs, 7555, job);
    Press(jobs, IDOK);
    ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "     BEAM/STRIP ANALYSIS.   JOB: " + job; }));
    ASSERT_TRUE(program.WaitUntilIdle(main));
  };
  openJob();

  // The geometry: ten elements over 10 m, no element table.
  PostMessageA(main, WM_COMMAND, 7306, 0);
  HWND geometry = program.WaitForDialog(caption);
  ASSERT_NE(geometry, nullptr);
  const char* items[5] = {"10", "10", "3E7", "0.2", "1E-5"};
  for (int i = 0; i < 5; ++i) wintest::SetField(geometry, 101 + i, items[i]);
  wintest::ClickControl(geometry, 131);
  Press(geometry, 55);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(geometry); }));

  // The supports: unyielding nodes 1, 6, 11 by GENERATE.
  PostMessageA(main, WM_COMMAND, 7307, 0);
  HWND types = program.WaitForDialog(caption);
  ASSERT_NE(types, nullptr);
  wintest::ClickControl(types, 102);
  Press(types, 131);
  HWND list = program.WaitForDialog(caption, types);
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(WaitFor([&] { return GetDlgItem(list, 11122) != nullptr; }));
  Press(list, 11122);
  HWND generation = program.WaitForDialog(caption, list);
  ASSERT_NE(generation, nullptr);
  wintest::SetField(generation, 242, "1");
  wintest::SetField(generation, 243, "11");
  wintest::SetField(generation, 244, "5");
  Press(generation, 55);
  ASSERT_TRUE(WaitFor([&] { return MarkedRows(list) == std::vector<int>{1, 6, 11}; }));
  Press(list, 9876);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(list); }));

  // Closed, started again and opened: the check list shows the three nodes ticked.
  PostMessageA(main, WM_COMMAND, 2, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_TRUE(fs::exists(dir.path() / "BEAMS" / "BEAM1.ZIP"));
  Start(true);
  openJob();
  PostMessageA(main, WM_COMMAND, 7307, 0);
  types = program.WaitForDialog(caption);
  ASSERT_NE(types, nullptr);
  EXPECT_EQ(SendMessageA(GetDlgItem(types, 102), BM_GETCHECK, 0, 0), BST_CHECKED);
  Press(types, 131);
  list = program.WaitForDialog(caption, types);
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(WaitFor([&] { return GetDlgItem(list, 11122) != nullptr; }));
  EXPECT_EQ(MarkedRows(list), (std::vector<int>{1, 6, 11}));
  Press(list, 1234);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(list); }));
  PostMessageA(main, WM_COMMAND, 2, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
