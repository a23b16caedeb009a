// Trabix.exe itself, started as a user starts it: a copy in a folder of its own (the program
// directory), driven from this process through its windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <vector>
#include <set>
#include <string>

#include "../../../common/tests/testdir.h"
#include "../../tests/testsupport.h"
#include "core/textfiles.h"
#include "win/testing/program.h"

namespace fs = std::filesystem;
using wintest::Press;
using wintest::SetField;
using wintest::WaitFor;
using wintest::WindowText;

namespace {

const char* const kFirstJobCaption = "   Job Name Specification/Selection";
const char* const kJobCaption = "  BEAM/STRIP Job Name Specification/Selection";

std::string FirstLine(const std::string& file) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(file, lines, 5000, count);
  return count > 0 ? lines[1] : std::string();
}

// The lines of a text file from its second on.
std::vector<std::string> LinesAfterTheFirst(const std::string& file) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(file, lines, 5000, count);
  return count > 1 ? std::vector<std::string>(lines.begin() + 2, lines.begin() + count + 1) : std::vector<std::string>();
}

class TrabixProgram : public ::testing::Test {
 protected:
  void Start() {
    ASSERT_TRUE(program.Start(dir.path(), "Trabix.exe", {"ZLIB.DLL"}));
    main = program.WaitForWindow("BEAM/STRIP ANALYSIS");
    ASSERT_NE(main, nullptr);
  }
  // "I Agree - &Continue" on the notice; the job dialog that follows at once.
  HWND Agree() {
    HWND notice = program.WaitForWindow("#32770", "  ZOR SOFTWARE");
    if (!notice) return nullptr;
    Press(notice, 9876);
    return program.WaitForWindow("#32770", kFirstJobCaption);
  }
  // Names a job in the job dialog; true when the main window shows it.
  bool OpenJob(HWND jobs, const std::string& job) {
    SetField(jobs, 7555, job);
    Press(jobs, IDOK);
    return WaitFor([&] { return WindowText(main) == "     BEAM/STRIP ANALYSIS.   JOB: " + job; });
  }
  // Sends "&Close" and waits for the program to end.
  int Close() {
    PostMessageA(main, WM_COMMAND, 2, 0);
    return program.WaitForExit();
  }

  TestDirectory dir;
  wintest::Program program;
  HWND main = nullptr;
};

TEST_F(TrabixProgram, TheNoticesExitEndsTheProgramWithoutAJobDialogOrAFile) {
  Start();
  EXPECT_EQ(WindowText(main), "  BEAM/STRIP ANALYSIS Program");
  HWND notice = program.WaitForWindow("#32770", "  ZOR SOFTWARE");
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(notice, 9876)), "I Agree - &Continue");
  EXPECT_EQ(WindowText(GetDlgItem(notice, 2)), "&Exit");
  Press(notice, 2);
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_EQ(wintest::FilesIn(program.Folder()), (std::set<std::string>{"Trabix.exe", "ZLIB.DLL"}));
  EXPECT_TRUE(wintest::FilesIn(dir.path() / "ELSEWHERE").empty());
}

TEST_F(TrabixProgram, ACancelledJobDialogLeavesNoJobAndADataCommandAsksAgain) {
  Start();
  HWND jobs = Agree();
  ASSERT_NE(jobs, nullptr);
  EXPECT_NE(GetMenu(main), nullptr);
  Press(jobs, IDCANCEL);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(jobs); }));
  EXPECT_EQ(WindowText(main), "  BEAM/STRIP ANALYSIS Program");
  PostMessageA(main, WM_COMMAND, 306, 0);
  jobs = program.WaitForWindow("#32770", kJobCaption);
  ASSERT_NE(jobs, nullptr);
  Press(jobs, IDCANCEL);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(jobs); }));
  EXPECT_EQ(Close(), 0);
}

TEST_F(TrabixProgram, AJobIsNamedKeptLooseAfterANewJobCancelledAndPackedOnLeaving) {
  Start();
  HWND jobs = Agree();
  ASSERT_NE(jobs, nullptr);
  std::string job = (dir.path() / "BEAMS" / "BEAM1").string();
  ASSERT_TRUE(OpenJob(jobs, job));
  EXPECT_EQ(ReadBytes((program.Folder() / "FJOB$.INF").string()), job + "\r\n");
  WriteBytes(job + ".GEO", "Job: geometry\r\n");
  WriteBytes(job + ".SUP", "Job: supports\r\n");
  // "&New Job" packs the job; cancelled, the job stays open with its files loose.
  PostMessageA(main, WM_COMMAND, 206, 0);
  jobs = program.WaitForWindow("#32770", kJobCaption);
  ASSERT_NE(jobs, nullptr);
  Press(jobs, IDCANCEL);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(jobs); }));
  ASSERT_TRUE(WaitFor([&] { return fs::exists(job + ".GEO"); }));
  EXPECT_EQ(ReadBytes(job + ".SUP"), "Job: supports\r\n");
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(wintest::FilesIn(dir.path() / "BEAMS"), (std::set<std::string>{"BEAM1.ZIP"}));
}

TEST_F(TrabixProgram, HelpStartsTheViewerWithItsFileAndWaitsUntilItIsClosed) {
  Start();
  // The viewer is looked for beside the program first: a stand-in there records its call.
  fs::copy_file(wintest::ExeFolder() / "winhlp32_stub.exe", program.Folder() / "winhlp32.exe");
  HWND jobs = Agree();
  ASSERT_NE(jobs, nullptr);
  Press(jobs, IDCANCEL);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(jobs); }));
  PostMessageA(main, WM_COMMAND, 204, 0);
  fs::path call = program.Folder() / "HELP_CALL.TXT";
  ASSERT_TRUE(WaitFor([&] { return fs::exists(call) && !ReadBytes(call.string()).empty(); }));
  EXPECT_EQ(ReadBytes(call.string()), "winhlp32.exe Tovask.hlp");
  // While the viewer is open the program waits for it and answers nothing.
  Sleep(300);
  EXPECT_FALSE(program.Answers(main, 500));
  WriteBytes((program.Folder() / "HELP_CLOSE.TXT").string(), "");
  EXPECT_TRUE(WaitFor([&] { return program.Answers(main, 500); }));
  EXPECT_EQ(Close(), 0);
}

TEST_F(TrabixProgram, SaveJobAsRewritesTheNewJobsHeadersAndPacksTheOldJob) {
  Start();
  fs::path beams = dir.path() / "BEAMS";
  fs::create_directories(beams);
  fs::current_path(beams);
  trabix::testing::CopyJob("WINKYLD");
  fs::current_path(dir.path());
  std::string oldJob = (beams / "WINKYLD").string(), newJob = (beams / "BEAM2").string();
  HWND jobs = Agree();
  ASSERT_NE(jobs, nullptr);
  ASSERT_TRUE(OpenJob(jobs, oldJob));
  PostMessageA(main, WM_COMMAND, 878, 0);
  jobs = program.WaitForWindow("#32770", kJobCaption);
  ASSERT_NE(jobs, nullptr);
  ASSERT_TRUE(OpenJob(jobs, newJob));
  ASSERT_TRUE(WaitFor([&] { return fs::exists(oldJob + ".ZIP") && !fs::exists(oldJob + ".GEO"); }));
  // Line 1 of the geometry, support and listed load files names the new job; the rest is copied.
  struct Case {
    const char* extension;
    std::string header;
  };
  for (const Case& c : {Case{".GEO", " // GEOMETRY & MAT. PROPERTIES"}, Case{".SUP", " // SUPPORTS"},
                        Case{".LDP", " // LOADS (P)"}}) {
    EXPECT_EQ(FirstLine(newJob + c.extension), "Job: " + newJob + c.header) << c.extension;
    EXPECT_EQ(LinesAfterTheFirst(newJob + c.extension),
              LinesAfterTheFirst((trabix::testing::DataFolder() / ("WINKYLD" + std::string(c.extension))).string()))
        << c.extension;
  }
  EXPECT_EQ(ReadBytes(newJob + ".CAS"), ReadBytes((trabix::testing::DataFolder() / "WINKYLD.CAS").string()));
  // The old job is archived with no loose file left; leaving packs the new one as well.
  EXPECT_EQ(Close(), 0);
  EXPECT_EQ(wintest::FilesIn(beams), (std::set<std::string>{"WINKYLD.ZIP", "BEAM2.ZIP"}));
}

}  // namespace
