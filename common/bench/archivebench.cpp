// Benchmark of the job archive's unpack (not a test: it prints figures).
//
//   archive_bench [folder]
//
// 1. Archives of 250, 1,000, 2,000 and 8,000 entries (a job's four files and tiny ones), each opened as
//    the programs open a job, into a folder of its own; beside it the floor measured in the same
//    run: the same files written one by one through the same file layer into a fresh folder. An
//    archive of more entries than a job can have is refused: its time is that of the refusal.
// 2. A job of 100 files unpacked into a folder that already holds 2,000 and 8,000 files of other
//    jobs, beside the same floor in a folder as full.
//
// Natively the archive runs on the native build of "ZLIB.DLL"'s sources, and the figures are
// meaningful in a Release build without the sanitizers (-DSUITE_SANITIZE=OFF); the cross build's
// archive_bench.exe runs on the "ZLIB.DLL" beside it, as the programs do (under Wine: wine
// archive_bench.exe). The jobs are written into `folder` (a new temporary folder when none is
// given) and removed afterwards.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/hostfs.h"
#ifdef _WIN32
#include <windows.h>
#else
#include "nativezip.h"
#endif

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

// A Windows name for a host path, as the programs name files.
std::string Windows(const fs::path& p) {
  std::string s = p.string();
  for (char& c : s)
    if (c == '/') c = '\\';
  return s;
}

struct File {
  std::string name, bytes;
};

// The job's own files and `extra` tiny ones, all named <job>.<ext>.
std::vector<File> JobFiles(const std::string& job, int extra) {
  std::vector<File> files = {{job + ".GEO", "Job: X // GEOMETRY & MAT. PROPERTIES\r\n  1.500\r\n"},
                             {job + ".SUP", "Job: X // SUPPORTS\r\n"},
                             {job + ".CAS", "DEAD\r\nLIVE\r\n"},
                             {job + ".LDD", std::string(5000, 'x') + "\r\n"}};
  for (int i = 0; i < extra; ++i) files.push_back({job + "." + std::to_string(1000 + i), "x\r\n"});
  return files;
}

bool Pack(const ZipApi* z, const std::string& archive, const std::vector<File>& files) {
  void* zip = z->zipOpen(archive.c_str(), 0);
  if (!zip) return false;
  ZipApi::FileInfo info{};
  info.tm[3] = 1;
  info.tm[5] = 1990;
  bool ok = true;
  for (const File& f : files) {
    ok = ok && z->zipOpenNewFileInZip(zip, f.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, 8, -1) == 0;
    ok = ok && z->zipWriteInFileInZip(zip, f.bytes.data(), static_cast<unsigned>(f.bytes.size())) == 0;
    ok = ok && z->zipCloseFileInZip(zip) == 0;
  }
  return z->zipClose(zip, nullptr) == 0 && ok;
}

// Files of other jobs, so that the folder is as full as a long-used jobs folder.
void Crowd(const fs::path& folder, int count) {
  for (int i = 0; i < count; ++i)
    std::ofstream(folder / ("OTHER" + std::to_string(i / 10) + "." + std::to_string(100 + i % 10)), std::ios::binary)
        << "x\r\n";
}

struct Figures {
  double unpack = 0, floor = 0;
  bool unpacked = false;
  size_t written = 0;
};

// One unpack of `files` as job `job` in a fresh folder holding `crowd` other files, and the floor.
Figures Measure(const fs::path& top, const std::string& job, const std::vector<File>& files, int crowd) {
  static int serial = 0;
  const ZipApi* z = LoadZipApi();
  Figures out;
  fs::path folder = top / ("U" + std::to_string(serial));
  fs::path plain = top / ("W" + std::to_string(serial++));
  fs::create_directories(folder);
  fs::create_directories(plain);
  Crowd(folder, crowd);
  Crowd(plain, crowd);
  const std::string spec = Windows(folder / job);
  if (!Pack(z, spec + ".ZIP", files)) {
    std::fprintf(stderr, "archive_bench: cannot write %s.ZIP\n", spec.c_str());
    return out;
  }
  auto t = Clock::now();
  out.unpacked = OpenJobFromZip(spec);
  out.unpack = Seconds(t);
  for (const auto& e : fs::directory_iterator(folder))
    if (e.path().filename().string().rfind(job + ".", 0) == 0) ++out.written;
  t = Clock::now();
  for (const File& f : files) hostfs::WriteWhole(Windows(plain / f.name), f.bytes);
  out.floor = Seconds(t);
  fs::remove_all(folder);
  fs::remove_all(plain);
  return out;
}

void Row(const char* what, int count, const Figures& f) {
  std::printf("%-34s %6d   %9.3f s   %9.3f s   %7.2f   %s\n", what, count, f.unpack, f.floor,
              f.floor > 0 ? f.unpack / f.floor : 0.0, f.unpacked ? "unpacked" : "refused");
}

}  // namespace

int main(int argc, char** argv) {
  fs::path top = argc > 1 ? fs::path(argv[1])
                          : fs::temp_directory_path() /
                                ("archive-bench-" + std::to_string(Clock::now().time_since_epoch().count()));
  fs::create_directories(top);
  top = fs::absolute(top);
#ifdef _WIN32
  char exe[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, exe, MAX_PATH);
  fs::copy_file(fs::path(std::string(exe, n)).parent_path() / "ZLIB.DLL", top / "ZLIB.DLL",
                fs::copy_options::overwrite_existing);
#else
  UseZipApi(NativeZipApi());
#endif
  fs::current_path(top);  // the program's folder: the library, and where a leave keeps its spare archive
  if (!LoadZipApi()) {
    std::fprintf(stderr, "archive_bench: no ZLIB.DLL\n");
    return 1;
  }
  std::printf("%-34s %6s   %11s   %11s   %7s\n", "", "count", "unpack", "floor", "ratio");
  std::printf("1. entries of the archive\n");
  for (int n : {250, 1000, 2000, 8000}) Row("   the job's 4 files and tiny ones", n, Measure(top, "BEAM1", JobFiles("BEAM1", n - 4), 0));
  std::printf("2. a job of 100 files in a full folder\n");
  for (int n : {2000, 8000}) Row("   files of other jobs", n, Measure(top, "BEAM1", JobFiles("BEAM1", 96), n));
  std::printf("(floor: the same files written one by one in a fresh folder as full; ratio: unpack / floor)\n");
  fs::current_path(top.parent_path());
  std::error_code ec;  // on Windows the loaded library stays behind
  if (argc <= 1) fs::remove_all(top, ec);
  return 0;
}
