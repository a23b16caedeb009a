// Palvore.exe itself, started as a user starts it: a copy in a folder of its own (the program
// directory), driven from this process through its windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "palvore/entry/ids.h"
#include "win/ids.h"
#include "win/jobdialog.h"
#include "win/startup.h"
#include "win/testing/program.h"

namespace fs = std::filesystem;
using wintest::Press;
using wintest::SetField;
using wintest::WaitFor;
using wintest::WindowText;

namespace {

const char* const kNoticeCaption = "  ZOR SOFTWARE";
const char* const kFirstJobCaption = "   Job Name Specification/Selection";
const char* const kJobCaption = "  PILE/SHEET-PILE Job Name Specification/Selection";

class PalvoreProgram : public ::testing::Test {
 protected:
  void Start() {
    ASSERT_TRUE(program.Start(dir.path(), "Palvore.exe", {"ZLIB.DLL"}));
    main = program.WaitForWindow("PILE/SHEET-PILE ANALYSIS");
    ASSERT_NE(main, nullptr);
  }
  HWND Agree() {
    HWND notice = program.WaitForWindow("#32770", kNoticeCaption);
    if (!notice) return nullptr;
    Press(notice, kContinueId);
    return program.WaitForWindow("#32770", kFirstJobCaption);
  }
  int Close() {
    PostMessageA(main, WM_COMMAND, kCloseCommand, 0);
    return program.WaitForExit();
  }
  TestDirectory dir;
  wintest::Program program;
  HWND main = nullptr;
};

TEST_F(PalvoreProgram, TheNoticesExitEndsTheProgramWithNothingWritten) {
  Start();
  EXPECT_EQ(WindowText(main), "  PILE/SHEET-PILE ANALYSIS Program");
  HWND notice = program.WaitForWindow("#32770", kNoticeCaption);
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(notice, kContinueId)), "I Agree - &Continue");
  EXPECT_EQ(WindowText(GetDlgItem(notice, kCancelId)), "&Exit");
  EXPECT_EQ(WindowText(GetDlgItem(notice, kNoticeHeadingId)).rfind("PILE/SHEET-PILE ANALYSIS\r\n", 0), 0u);
  EXPECT_EQ(GetMenu(main), nullptr);
  Press(notice, kCancelId);
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_EQ(wintest::FilesIn(program.Folder()), (std::set<std::string>{"Palvore.exe", "ZLIB.DLL"}));
}

TEST_F(PalvoreProgram, AgreeingShowsTheMenuBarAndTheJobDialog) {
  Start();
  HWND jobs = Agree();
  ASSERT_NE(jobs, nullptr);
  // The menu bar is on (its items are the frame test's: another process's menu cannot be read).
  EXPECT_NE(GetMenu(main), nullptr);
  for (int id : {kInProcessNameBoxId, kInProcessDeleteId, kInProcessFrameId, kJobPickId, IDOK, IDCANCEL}) EXPECT_NE(GetDlgItem(jobs, id), nullptr) << id;
  Press(jobs, IDCANCEL);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(jobs); }));
  // Without a job every data, analysis and output command asks for one first.
  for (int id : {kGeometryCommand, kSupportCommand, kLoadCommand, kElasticAnalysisCommand, kPlasticAnalysisCommand,
                 kPresentationCommand, kPlotCommand}) {
    PostMessageA(main, WM_COMMAND, id, 0);
    jobs = program.WaitForWindow("#32770", kJobCaption);
    ASSERT_NE(jobs, nullptr) << id;
    Press(jobs, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(jobs); })) << id;
  }
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(wintest::FilesIn(program.Folder()), (std::set<std::string>{"Palvore.exe", "ZLIB.DLL"}));
}

TEST_F(PalvoreProgram, ANewJobCancelledKeepsTheJobLooseAndCloseAndPacksIt) {
  Start();
  HWND jobs = Agree();
  ASSERT_NE(jobs, nullptr);
  std::string job = (dir.path() / "PILES" / "PILE1").string();
  SetField(jobs, kInProcessNameBoxId, job);
  Press(jobs, IDOK);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "     PILE/SHEET-PILE ANALYSIS.   JOB: " + job; }));
  // The caption comes before the job's folder is made.
  ASSERT_TRUE(program.WaitUntilIdle(main));
  WriteBytes(job + ".GEO", "Job: geometry\r\n");
  WriteBytes(job + ".SUP", "Job: supports\r\n");
  PostMessageA(main, WM_COMMAND, kNewJobCommand, 0);
  jobs = program.WaitForWindow("#32770", kJobCaption);
  ASSERT_NE(jobs, nullptr);
  Press(jobs, IDCANCEL);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(jobs); }));
  // The files come out of the archive one after the other once the dialog has gone.
  ASSERT_TRUE(program.WaitUntilIdle(main));
  EXPECT_TRUE(fs::exists(job + ".GEO"));
  EXPECT_EQ(ReadBytes(job + ".SUP"), "Job: supports\r\n");
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(wintest::FilesIn(dir.path() / "PILES"), (std::set<std::string>{"PILE1.ZIP"}));
}

}  // namespace
