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
#include "win/testing/programfixture.h"

namespace fs = std::filesystem;
using wintest::WindowText;

namespace {

const char* const kJobCaption = " Job Name Specification/Selection";

const wintest::ProgramProfile kMurelo = {"Murelo.exe", "RETAINING WALL ANALYSIS", kJobCaption, kJobCaption,
                                        "     Retaining Wall ANALYSIS.   JOB: ", kNameBoxId};

class MureloProgram : public wintest::ProgramTest {
 protected:
  MureloProgram() : ProgramTest(kMurelo) {}
};

TEST_F(MureloProgram, TheNoticesExitEndsTheProgramWithoutAFile) {
  Start();
  EXPECT_EQ(WindowText(main), "  RETAINING WALL ANALYSIS Program");
  HWND notice = Notice();
  ASSERT_NE(notice, nullptr);
  ExitOnTheNotice(notice);
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
