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
#include "win/testing/programfixture.h"

namespace fs = std::filesystem;
using wintest::WindowText;

namespace {

const char* const kFirstJobCaption = "   Job Name Specification/Selection";
const char* const kJobCaption = "  PILE/SHEET-PILE Job Name Specification/Selection";

const wintest::ProgramProfile kPalvore = {"Palvore.exe", "PILE/SHEET-PILE ANALYSIS", kFirstJobCaption, kJobCaption,
                                         "     PILE/SHEET-PILE ANALYSIS.   JOB: ", kInProcessNameBoxId};

class PalvoreProgram : public wintest::ProgramTest {
 protected:
  PalvoreProgram() : ProgramTest(kPalvore) {}
};

TEST_F(PalvoreProgram, TheNoticesExitEndsTheProgramWithNothingWritten) {
  Start();
  EXPECT_EQ(WindowText(main), "  PILE/SHEET-PILE ANALYSIS Program");
  HWND notice = Notice();
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(notice, kNoticeHeadingId)).rfind("PILE/SHEET-PILE ANALYSIS\r\n", 0), 0u);
  EXPECT_EQ(GetMenu(main), nullptr);
  ExitOnTheNotice(notice);
}

TEST_F(PalvoreProgram, AgreeingShowsTheMenuBarAndTheJobDialog) {
  Start();
  HWND jobs = Agree();
  ASSERT_NE(jobs, nullptr);
  // The menu bar is on (its items are the frame test's: another process's menu cannot be read).
  EXPECT_NE(GetMenu(main), nullptr);
  for (int id : {kInProcessNameBoxId, kInProcessDeleteId, kInProcessFrameId, kJobPickId, IDOK, IDCANCEL}) EXPECT_NE(GetDlgItem(jobs, id), nullptr) << id;
  ASSERT_NO_FATAL_FAILURE(CancelJobDialog(jobs));
  // Without a job every data, analysis and output command asks for one first.
  for (int id : {kGeometryCommand, kSupportCommand, kLoadCommand, kElasticAnalysisCommand, kPlasticAnalysisCommand,
                 kPresentationCommand, kPlotCommand}) {
    ASSERT_NO_FATAL_FAILURE(CancelTheJobDialogOf(id));
  }
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(wintest::FilesIn(program.Folder()), (std::set<std::string>{"Palvore.exe", "ZLIB.DLL"}));
}

TEST_F(PalvoreProgram, ANewJobCancelledKeepsTheJobLooseAndCloseAndPacksIt) {
  Start();
  std::string job = (dir.path() / "PILES" / "PILE1").string();
  ASSERT_NO_FATAL_FAILURE(AgreeAndOpen(job));
  ASSERT_NO_FATAL_FAILURE(ExpectANewJobCancelledKeepsTheJobLoose(job));
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(wintest::FilesIn(dir.path() / "PILES"), (std::set<std::string>{"PILE1.ZIP"}));
}

}  // namespace
