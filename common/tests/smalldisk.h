#pragma once
// A real, small file system for the tests of a full disk: a tmpfs of a few kilobytes mounted on a
// folder of the test (made when missing), filled on request, unmounted and its folder removed
// when the holder goes. Mounting needs root: without it (or on Windows) Mounted() is false and
// Why() says why, and the test skips with that.
//
//   SmallDisk disk("JOBS");
//   if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
//   ... write the job ...;  disk.Fill();  ... the write that must fail ...
//
// The mount runs in the Linux shell: natively through system(), under Wine started like a Windows
// program from the drive of the root (Z:), on the folder's Linux name, which Wine gives.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#ifdef _WIN32
#include <windows.h>
#include "win/handles.h"
#else
#include <thread>
#endif

class SmallDisk {
 public:
  explicit SmallDisk(const std::filesystem::path& folder, int kilobytes = 64) : folder_(folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    host_ = HostName(std::filesystem::absolute(folder_, ec));
    if (host_.empty()) {
      why_ = "the folder has no Linux name (not under Wine): no small file system for the full-disk test";
      return;
    }
    Run("mount -t tmpfs -o size=" + std::to_string(kilobytes) + "k tmpfs " + host_);
    mounted_ = Status() == 0;
    if (!mounted_)
      why_ = "cannot mount a small file system on " + host_ + " (mount needs root): the full-disk test is skipped";
  }
  ~SmallDisk() {
    std::error_code ec;
    if (mounted_) {
      std::filesystem::remove(Filler(), ec);
      // A program that still has the folder as its current one holds the mount: it goes lazily.
      Run("umount " + host_ + " || umount -l " + host_);
      Status();
    }
    std::filesystem::remove_all(folder_, ec);
    std::filesystem::remove(StatusFile(), ec);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool Mounted() const { return mounted_; }
  const std::string& Why() const { return why_; }

  // Takes every byte left: a file grows until the disk refuses a byte more. Unbuffered, so that
  // each refusal is seen at once.
  void Fill() const {
    std::FILE* f = std::fopen(Filler().string().c_str(), "ab");
    if (!f) return;
    std::setvbuf(f, nullptr, _IONBF, 0);
    const std::string block(4096, 'x');
    while (std::fwrite(block.data(), 1, block.size(), f) == block.size()) {
    }
    std::clearerr(f);
    while (std::fwrite("x", 1, 1, f) == 1) {
    }
    std::fclose(f);
  }

 private:
  std::filesystem::path Filler() const { return folder_ / "FILLER.BIN"; }
  // Beside the folder: the exit status of the last command, written by the command's shell.
  std::filesystem::path StatusFile() const { return folder_.string() + ".STATUS"; }
  void Run(const std::string& command) const {
    std::error_code ec;
    std::filesystem::remove(StatusFile(), ec);
    started_ = RunShell(command + "; echo $? >" + host_ + ".STATUS");
  }
  // The status the last command wrote; -1 when none came (the shell did not start).
  int Status() const {
    // Natively the shell has ended when it returns. Under Wine a Linux program runs on its own,
    // unwaited: its file is what says it has ended, so the wait is for the file, however long a
    // busy machine takes (a shell that never ends is the test's own time-out, never a skip).
    if (!started_) return -1;
    while (ReadStatus().empty()) Pause();
    const std::string text = ReadStatus();
    return text.empty() ? -1 : std::atoi(text.c_str());
  }
  std::string ReadStatus() const {
    std::string text;
    if (std::FILE* f = std::fopen(StatusFile().string().c_str(), "rb")) {
      char buf[32] = {0};
      size_t n = std::fread(buf, 1, sizeof buf - 1, f);
      std::fclose(f);
      text.assign(buf, n);
    }
    return text.find('\n') == std::string::npos ? std::string() : text;
  }

#ifdef _WIN32
  static std::string HostName(const std::filesystem::path& windowsName) {
    using UnixName = char*(CDECL*)(LPCWSTR);
    auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName) return std::string();
    char* name = unixName(windowsName.wstring().c_str());
    if (!name) return std::string();
    std::string s = name;
    HeapFree(GetProcessHeap(), 0, name);
    return s;
  }
  static void Pause() { Sleep(20); }
  // The Linux shell started by its path from the root drive, as a Linux program starts under Wine.
  static bool RunShell(const std::string& command) {
    const std::string windowsPath = "Z:\\bin\\sh";
    std::string line = "/bin/sh -c \"" + command + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(windowsPath.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
      return false;
    OwnedProcess started(pi);  // the shell runs on; its status comes in its file
    return true;
  }
#else
  static std::string HostName(const std::filesystem::path& name) { return name.string(); }
  static void Pause() { std::this_thread::sleep_for(std::chrono::milliseconds(20)); }
  static bool RunShell(const std::string& command) {
    const int status = std::system(("(" + command + ") >/dev/null 2>&1").c_str());
    (void)status;  // the command's own status is in its file
    return true;
  }
#endif

  std::filesystem::path folder_;
  std::string host_;
  std::string why_;
  bool mounted_ = false;
  mutable bool started_ = false;  // the last command's shell started
};
