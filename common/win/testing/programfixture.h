#pragma once
// The fixture of the tests that drive an analysis program's .exe from outside (program.h): the
// program started, its notice agreed or left, a job named in its job dialog, a job dialog
// cancelled and "&Close". Each program gives its file and captions as a profile.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <set>
#include <string>

#include "../../tests/testdir.h"
#include "core/textfiles.h"
#include "win/ids.h"
#include "win/testing/program.h"

namespace wintest {

struct ProgramProfile {
  const char* exe;              // "Trabix.exe", started with ZLIB.DLL beside it
  const char* windowCaption;    // what the main window's caption holds
  const char* firstJobCaption;  // the job dialog that follows the notice
  const char* jobCaption;       // the job dialog of the commands
  const char* jobTitle;         // the main window's caption before the job's name
  int nameBoxId;                // the job dialog's name field
};

class ProgramTest : public ::testing::Test {
 protected:
  explicit ProgramTest(const ProgramProfile& profile) : profile_(profile) {}

  void Start() {
    ASSERT_TRUE(program.Start(dir.path(), profile_.exe, {"ZLIB.DLL"}));
    main = program.WaitForWindow(profile_.windowCaption);
    ASSERT_NE(main, nullptr);
  }
  // The notice with its two buttons checked; NULL when it did not come.
  HWND Notice() {
    HWND notice = program.WaitForWindow("#32770", "  ZOR SOFTWARE");
    if (!notice) return nullptr;
    EXPECT_EQ(WindowText(GetDlgItem(notice, kContinueId)), "I Agree - &Continue");
    EXPECT_EQ(WindowText(GetDlgItem(notice, kCancelId)), "&Exit");
    return notice;
  }
  // "&Exit" on the notice: the program ends with 0 and has written nothing beside itself.
  void ExitOnTheNotice(HWND notice) {
    Press(notice, kCancelId);
    EXPECT_EQ(program.WaitForExit(), 0);
    EXPECT_EQ(FilesIn(program.Folder()), (std::set<std::string>{profile_.exe, "ZLIB.DLL"}));
  }
  // "I Agree - &Continue" on the notice; the job dialog that follows at once.
  HWND Agree() {
    HWND notice = program.WaitForWindow("#32770", "  ZOR SOFTWARE");
    if (!notice) return nullptr;
    Press(notice, kContinueId);
    return program.WaitForWindow("#32770", profile_.firstJobCaption);
  }
  // Names a job in the job dialog; true when the main window shows it and the program has made
  // the job's folder and unpacked its archive (which it does after the caption).
  bool OpenJob(HWND jobs, const std::string& job) {
    SetField(jobs, profile_.nameBoxId, job);
    Press(jobs, IDOK);
    return WaitFor([&] { return WindowText(main) == profile_.jobTitle + job; }) && program.WaitUntilIdle(main);
  }
  // Agrees to the notice and names the job in the job dialog that follows.
  void AgreeAndOpen(const std::string& job) {
    HWND jobs = Agree();
    ASSERT_NE(jobs, nullptr);
    ASSERT_TRUE(OpenJob(jobs, job));
  }
  // Cancels the job dialog on screen and waits until it has gone.
  static void CancelJobDialog(HWND jobs) {
    Press(jobs, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(jobs); }));
  }
  // A menu command that asks for a job first, its job dialog cancelled.
  void CancelTheJobDialogOf(int command) {
    PostMessageA(main, WM_COMMAND, command, 0);
    HWND jobs = program.WaitForWindow("#32770", profile_.jobCaption);
    ASSERT_NE(jobs, nullptr) << command;
    CancelJobDialog(jobs);
  }
  // With the job open, its geometry and supports written; "&New Job" packs the job and,
  // cancelled, leaves it open with its files loose again.
  void ExpectANewJobCancelledKeepsTheJobLoose(const std::string& job) {
    WriteBytes(job + ".GEO", "Job: geometry\r\n");
    WriteBytes(job + ".SUP", "Job: supports\r\n");
    ASSERT_NO_FATAL_FAILURE(CancelTheJobDialogOf(kNewJobCommand));
    // The files come out of the archive one after the other once the dialog has gone.
    ASSERT_TRUE(program.WaitUntilIdle(main));
    EXPECT_TRUE(std::filesystem::exists(job + ".GEO"));
    EXPECT_EQ(ReadBytes(job + ".SUP"), "Job: supports\r\n");
  }
  // Sends "&Close" and waits for the program to end.
  int Close() {
    PostMessageA(main, WM_COMMAND, kCloseCommand, 0);
    return program.WaitForExit();
  }

  TestDirectory dir;
  Program program;
  HWND main = nullptr;

 private:
  const ProgramProfile& profile_;
};

}  // namespace wintest
