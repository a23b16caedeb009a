// Corvane.exe itself, started as a user starts it: a copy in a folder of its own (the program
// directory), driven from this process through its windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "../../../common/tests/testdir.h"

namespace fs = std::filesystem;

namespace {

fs::path ExeFolder() {
  char exe[MAX_PATH] = {0};
  DWORD n = GetModuleFileNameA(nullptr, exe, MAX_PATH);
  return fs::path(std::string(exe, n)).parent_path();
}

std::string WindowText(HWND w) {
  char text[512] = {0};
  GetWindowTextA(w, text, sizeof text);
  return text;
}

struct Search {
  DWORD pid;
  std::string windowClass, caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  char cls[64] = {0};
  GetClassNameA(w, cls, sizeof cls);
  if (pid == s->pid && s->windowClass == cls && IsWindowVisible(w) &&
      (s->caption.empty() || WindowText(w) == s->caption)) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

// Waits up to 20 s for a condition, looking every 50 ms.
bool WaitFor(const std::function<bool()>& condition) {
  for (int i = 0; i < 400; ++i) {
    if (condition()) return true;
    Sleep(50);
  }
  return false;
}

// A visible top-level window of the process with that class (and caption, when given).
HWND WaitForWindow(DWORD pid, const std::string& windowClass, const std::string& caption = "") {
  Search s{pid, windowClass, caption};
  WaitFor([&] {
    s.found = nullptr;
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found != nullptr;
  });
  return s.found;
}

// Presses a button of another process's dialog the way a click reaches it.
void Press(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

class CorvaneProgram : public ::testing::Test {
 protected:
  // Copies Corvane.exe (with ZLIB.DLL when asked) into PROGRAM\ and starts it from another folder.
  void Start(bool withZlib) {
    program = dir.path() / "PROGRAM";
    fs::create_directories(program);
    fs::create_directories(dir.path() / "ELSEWHERE");
    fs::copy_file(ExeFolder() / "Corvane.exe", program / "Corvane.exe");
    if (withZlib) fs::copy_file(ExeFolder() / "ZLIB.DLL", program / "ZLIB.DLL");
    std::string command = "\"" + (program / "Corvane.exe").string() + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                               (dir.path() / "ELSEWHERE").string().c_str(), &si, &process));
    main = WaitForWindow(process.dwProcessId, "ZOR");
    ASSERT_NE(main, nullptr);
  }
  // Waits for the program to end; its exit code, or -1 when it is still running.
  int WaitForExit() {
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    return static_cast<int>(code);
  }
  void TearDown() override {
    if (process.hProcess) {
      if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
      WaitForSingleObject(process.hProcess, 5000);
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
  }

  TestDirectory dir;
  fs::path program;
  PROCESS_INFORMATION process = {};
  HWND main = nullptr;
};

TEST_F(CorvaneProgram, TheNoticesExitEndsTheProgramWithoutAMenuOrAFile) {
  Start(false);
  EXPECT_EQ(WindowText(main), "      ZOR Program");
  HWND notice = WaitForWindow(process.dwProcessId, "#32770", "  ZOR SOFTWARE");
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(notice, 9876)), "I Agree - &Continue");
  EXPECT_EQ(WindowText(GetDlgItem(notice, 2)), "&Exit");
  EXPECT_EQ(GetMenu(main), nullptr);
  Press(notice, 2);
  EXPECT_EQ(WaitForExit(), 0);
  std::set<std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(dir.path())) files.insert(e.path().filename().string());
  EXPECT_EQ(files, (std::set<std::string>{"PROGRAM", "Corvane.exe", "ELSEWHERE"}));
}

TEST_F(CorvaneProgram, AJobNamedAndLeftIsPackedIntoItsArchive) {
  Start(true);
  HWND notice = WaitForWindow(process.dwProcessId, "#32770", "  ZOR SOFTWARE");
  ASSERT_NE(notice, nullptr);
  Press(notice, 9876);
  ASSERT_TRUE(WaitFor([&] { return GetMenu(main) != nullptr; }));
  PostMessageA(main, WM_COMMAND, 7206, 0);
  HWND jobs = WaitForWindow(process.dwProcessId, "#32770", "  BEAM/STRIP Job Name Specification/Selection");
  ASSERT_NE(jobs, nullptr);
  std::string job = (dir.path() / "BEAMS" / "BEAM1").string();
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(GetDlgItem(jobs, 7555), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(job.c_str()), SMTO_BLOCK, 5000,
                      &ignored);
  Press(jobs, IDOK);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "     BEAM/STRIP ANALYSIS.   JOB: " + job; }));
  EXPECT_TRUE(fs::is_directory(dir.path() / "BEAMS"));
  // The job list lies in the program directory, not in the folder the program was started from.
  EXPECT_EQ(ReadBytes((program / "FJOB$.BEA").string()), job + "\r\n");
  EXPECT_FALSE(fs::exists(dir.path() / "ELSEWHERE" / "FJOB$.BEA"));

  WriteBytes(job + ".GEO", "Job: geometry\r\n");
  WriteBytes(job + ".CAS", "A\r\n");
  WriteBytes((dir.path() / "BEAMS" / "BEAM10.GEO").string(), "another job");
  PostMessageA(main, WM_COMMAND, 2, 0);
  EXPECT_EQ(WaitForExit(), 0);
  std::set<std::string> files;
  for (const auto& e : fs::directory_iterator(dir.path() / "BEAMS")) files.insert(e.path().filename().string());
  EXPECT_EQ(files, (std::set<std::string>{"BEAM1.ZIP", "BEAM10.GEO"}));
  EXPECT_FALSE(fs::exists(program / "LASTJOB.ZIP"));
}

}  // namespace
