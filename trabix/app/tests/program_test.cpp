// Trabix.exe itself, started as a user starts it: a copy in a folder of its own (the program
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
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000, &ignored);
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
  if (pid == s->pid && s->windowClass == cls && IsWindowVisible(w) && (s->caption.empty() || WindowText(w) == s->caption)) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

bool WaitFor(const std::function<bool()>& condition) {
  for (int i = 0; i < 400; ++i) {
    if (condition()) return true;
    Sleep(50);
  }
  return false;
}

HWND WaitForWindow(DWORD pid, const std::string& windowClass, const std::string& caption = "") {
  Search s{pid, windowClass, caption};
  WaitFor([&] {
    s.found = nullptr;
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found != nullptr;
  });
  return s.found;
}

void Press(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SetField(HWND dialog, int id, const std::string& text) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_BLOCK, 5000,
                      &ignored);
}

const char* const kFirstJobCaption = "   Job Name Specification/Selection";
const char* const kJobCaption = "  BEAM/STRIP Job Name Specification/Selection";

class TrabixProgram : public ::testing::Test {
 protected:
  void Start() {
    program = dir.path() / "PROGRAM";
    fs::create_directories(program);
    fs::create_directories(dir.path() / "ELSEWHERE");
    fs::copy_file(ExeFolder() / "Trabix.exe", program / "Trabix.exe");
    fs::copy_file(ExeFolder() / "ZLIB.DLL", program / "ZLIB.DLL");
    std::string command = "\"" + (program / "Trabix.exe").string() + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                               (dir.path() / "ELSEWHERE").string().c_str(), &si, &process));
    main = WaitForWindow(process.dwProcessId, "BEAM/STRIP ANALYSIS");
    ASSERT_NE(main, nullptr);
  }
  HWND Agree() {
    HWND notice = WaitForWindow(process.dwProcessId, "#32770", "  ZOR SOFTWARE");
    if (!notice) return nullptr;
    Press(notice, 9876);
    return WaitForWindow(process.dwProcessId, "#32770", kFirstJobCaption);
  }
  int WaitForExit() {
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    return static_cast<int>(code);
  }
  std::set<std::string> Files(const fs::path& folder) {
    std::set<std::string> files;
    for (const auto& e : fs::directory_iterator(folder)) files.insert(e.path().filename().string());
    return files;
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

TEST_F(TrabixProgram, TheNoticesExitEndsTheProgramWithoutAJobDialogOrAFile) {
  Start();
  EXPECT_EQ(WindowText(main), "  BEAM/STRIP ANALYSIS Program");
  HWND notice = WaitForWindow(process.dwProcessId, "#32770", "  ZOR SOFTWARE");
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(WindowText(GetDlgItem(notice, 9876)), "I Agree - &Continue");
  EXPECT_EQ(WindowText(GetDlgItem(notice, 2)), "&Exit");
  Press(notice, 2);
  EXPECT_EQ(WaitForExit(), 0);
  EXPECT_EQ(Files(program), (std::set<std::string>{"Trabix.exe", "ZLIB.DLL"}));
  EXPECT_TRUE(Files(dir.path() / "ELSEWHERE").empty());
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
  jobs = WaitForWindow(process.dwProcessId, "#32770", kJobCaption);
  ASSERT_NE(jobs, nullptr);
  Press(jobs, IDCANCEL);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(jobs); }));
  PostMessageA(main, WM_COMMAND, 2, 0);
  EXPECT_EQ(WaitForExit(), 0);
}

TEST_F(TrabixProgram, AJobIsNamedKeptLooseAfterANewJobCancelledAndPackedOnLeaving) {
  Start();
  HWND jobs = Agree();
  ASSERT_NE(jobs, nullptr);
  std::string job = (dir.path() / "BEAMS" / "BEAM1").string();
  SetField(jobs, 7555, job);
  Press(jobs, IDOK);
  ASSERT_TRUE(WaitFor([&] { return WindowText(main) == "     BEAM/STRIP ANALYSIS.   JOB: " + job; }));
  EXPECT_EQ(ReadBytes((program / "FJOB$.INF").string()), job + "\r\n");
  WriteBytes(job + ".GEO", "Job: geometry\r\n");
  WriteBytes(job + ".SUP", "Job: supports\r\n");
  // "&New Job" packs the job; cancelled, the job stays open with its files loose.
  PostMessageA(main, WM_COMMAND, 206, 0);
  jobs = WaitForWindow(process.dwProcessId, "#32770", kJobCaption);
  ASSERT_NE(jobs, nullptr);
  Press(jobs, IDCANCEL);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(jobs); }));
  ASSERT_TRUE(WaitFor([&] { return fs::exists(job + ".GEO"); }));
  EXPECT_EQ(ReadBytes(job + ".SUP"), "Job: supports\r\n");
  PostMessageA(main, WM_COMMAND, 2, 0);
  EXPECT_EQ(WaitForExit(), 0);
  EXPECT_EQ(Files(dir.path() / "BEAMS"), (std::set<std::string>{"BEAM1.ZIP"}));
}

}  // namespace
