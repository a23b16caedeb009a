#include "win/testing/program.h"

#include <cctype>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace wintest {
namespace {

struct Search {
  DWORD pid;
  std::string windowClass, caption;
  HWND other = nullptr;
  bool enabledOnly = false;
  HWND found = nullptr;
};

struct ControlSearch {
  int id;
  HWND found = nullptr;
};

BOOL CALLBACK MatchParent(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<ControlSearch*>(lp);
  if (!GetDlgItem(w, s->id)) return TRUE;
  s->found = w;
  return FALSE;
}

BOOL CALLBACK MatchWindow(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  char cls[64] = {0};
  GetClassNameA(w, cls, sizeof cls);
  if (pid == s->pid && s->windowClass == cls && IsWindowVisible(w) && w != s->other &&
      (!s->enabledOnly || IsWindowEnabled(w)) && (s->caption.empty() || WindowText(w) == s->caption)) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

fs::path ExeFolder() {
  char exe[MAX_PATH] = {0};
  DWORD n = GetModuleFileNameA(nullptr, exe, MAX_PATH);
  return fs::path(std::string(exe, n)).parent_path();
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  for (int waited = 0;; waited += 50) {
    if (condition()) return true;
    if (waited >= timeoutMs) return false;
    Sleep(50);
  }
}

void Press(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SetField(HWND dialog, int id, const std::string& text) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_BLOCK, 5000,
                      &ignored);
}

void ClickControl(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

HWND ParentOfControl(HWND window, int id) {
  if (GetDlgItem(window, id)) return window;
  ControlSearch s{id};
  EnumChildWindows(window, MatchParent, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::set<std::string> FilesIn(const fs::path& folder) {
  std::set<std::string> files;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(folder, ec)) files.insert(e.path().filename().string());
  return files;
}

std::map<std::string, std::string> FileBytesIn(const fs::path& folder) {
  std::map<std::string, std::string> files;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(folder, ec)) {
    if (!e.is_regular_file()) continue;
    std::string name = e.path().filename().string();
    for (char& ch : name) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
    std::ifstream in(e.path(), std::ios::binary);
    files[name] = std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return files;
}

Program::~Program() { End(); }

void Program::End() {
  if (!process_) return;
  if (WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) TerminateProcess(process_.get(), 1);
  // Until it has ended: the next start copies over its program file, which a program still
  // ending holds open (on a busy machine that took longer than any fixed wait).
  WaitForSingleObject(process_.get(), INFINITE);
  process_.reset();
}

bool Program::Start(const fs::path& folder, const std::string& exe, const std::vector<std::string>& companions,
                    const std::string& commandLine) {
  End();
  program_ = folder / "PROGRAM";
  fs::path elsewhere = folder / "ELSEWHERE";
  std::error_code ec;
  fs::create_directories(program_, ec);
  fs::create_directories(elsewhere, ec);
  fs::copy_file(ExeFolder() / exe, program_ / exe, fs::copy_options::overwrite_existing, ec);
  if (ec) return false;
  for (const auto& file : companions) fs::copy_file(ExeFolder() / file, program_ / file, fs::copy_options::overwrite_existing, ec);
  const std::string path = (program_ / exe).string();
  std::string command = commandLine.empty() ? "\"" + path + "\"" : commandLine;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION started = {};
  if (!CreateProcessA(path.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, elsewhere.string().c_str(), &si,
                      &started))
    return false;
  process_ = OwnedProcess(started);
  return true;
}

HWND Program::WaitForWindow(const std::string& windowClass, const std::string& caption) const {
  Search s{process_.id(), windowClass, caption};
  WaitFor([&] {
    s.found = nullptr;
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found != nullptr;
  });
  return s.found;
}

HWND Program::WaitForDialog(const std::string& caption, HWND other) const {
  Search s{process_.id(), "#32770", caption, other, true};
  WaitFor([&] {
    s.found = nullptr;
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found != nullptr;
  });
  return s.found;
}

int Program::WaitForExit(int timeoutMs) const {
  if (!process_ || WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return static_cast<int>(code);
}

bool Program::Answers(HWND window, int timeoutMs) const {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, timeoutMs, &ignored) != 0;
}

bool Program::WaitUntilIdle(HWND window, int timeoutMs) const {
  return WaitFor([&] { return Answers(window, 500); }, timeoutMs);
}

}  // namespace wintest
