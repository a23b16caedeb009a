// Murelo.exe itself, started as a user starts it: a copy in a folder of its own (the program
// directory), driven from this process through its windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <set>
#include <string>

#include "../../../common/tests/testdir.h"
#include "core/textfiles.h"
#include "win/ids.h"
#include "win/testing/program.h"

namespace fs = std::filesystem;
using wintest::Press;
using wintest::SetField;
using wintest::WaitFor;
using wintest::WindowText;

namespace {

const char* const kJobCaption = " Job Name Specification/Selection";

class MureloProgram : public ::testing::Test {
 protected:
  void Start() {
    ASSERT_TRUE(program.Start(dir.path(), "Murelo.exe", {"ZLIB.DLL"}));
    main = program.WaitForWindow("RETAINING WALL ANALYSIS");
    ASSERT_NE(main, nullptr);
  }
  // "I Agree - &Continue" on the notice; the job dialog that follows at once.
  HWND Agree() {
    HWND notice = program.WaitForWindow("#32770", "  ZOR SOFTWARE");
    if (!notice) return nullptr;
    Press(notice, kContinueId);
    return program.WaitForWindow("#32770", kJobCaption);
  }
  bool OpenJob(HWND jobs, const std::string& job) {
    SetField(jobs, kNameBoxId, job);
    Press(jobs, IDOK);
    // The program makes the job's folder and unpacks its archive after the caption.
    return WaitFor([&] { return WindowText(main) == "     Retaining Wall ANALYSIS.   JOB: " + job; }) &&
           program.WaitUntilIdle(main);
  }
  int Close() {
    PostMessageA(main, WM_COMMAND, kCloseCommand, 0);
    return program.WaitForExit();
  }

  TestDirectory dir;
  wintest::Program program;
  HWND main = nullptr;
};

TEST_F(MureloProgram, TheNoticesExitEndsTheProgramWithoutAFile) {
  Start();
  EXPECT_EQ(WindowText(main), "  RETAINING WALL ANALYSIS Program");
  HWND notice = program.WaitForWindow("#32770", "  ZOR SOFTWARE");
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(notice, kContinueId)), "I Agree - &Continue");
  EXPECT_EQ(WindowText(GetDlgItem(notice, kCancelId)), "&Exit");
  Press(notice, kCancelId);
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_EQ(wintest::FilesIn(program.Folder()), (std::set<std::string>{"Murelo.exe", "ZLIB.DLL"}));
  EXPECT_TRUE(wintest::FilesIn(dir.path() / "ELSEWHERE").empty());
}

TEST_F(MureloProgram, AgreedTheJobDialogNamesTheJobAndCloseLeavesItPacked) {
  Start();
  HWND jobs = Agree();
  ASSERT_NE(jobs, nullptr);
  EXPECT_NE(GetMenu(main), nullptr);
  fs::create_directories(dir.path() / "WALLS");
  std::string job = (dir.path() / "WALLS" / "WALL1").string();
  ASSERT_TRUE(OpenJob(jobs, job));
  EXPECT_EQ(ReadBytes((program.Folder() / "FJOB$.INF").string()), job + "\r\n");
  WriteBytes(job + ".geo", "Job: geometry\r\n");
  WriteBytes(job + ".SUP", "Job: supports\r\n");
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(wintest::FilesIn(dir.path() / "WALLS"), (std::set<std::string>{"WALL1.ZIP"}));
}

}  // namespace
