// Fuzz target: a job archive (<job>.ZIP) as a user may have copied or damaged it, opened as the
// programs open a job, on the native build of the zlib and minizip sources of "ZLIB.DLL". For
// every input nothing outside the job's folder may change: the folder the job lives in and its
// parent hold files an entry could aim at (the job's names, the library, the leave's spare
// archive), and none may change, appear or go. A failed unpack writes nothing at all, and its
// job's leave keeps the archive; the files of a successful one must pack and unpack again
// unchanged when the job is left and reopened.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "core/archive.h"
#include "fuzz/fuzzsupport.h"
#include "nativezip.h"

namespace {

namespace fs = std::filesystem;

const char* const kSpec = "OUT\\JOBS\\BEAM1";
const char* const kLoose = "loose data of the job";

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every file and folder under the scratch folder by its path (a folder's bytes are "/").
std::map<std::string, std::string> Everything() {
  std::map<std::string, std::string> all;
  for (const auto& e : fs::recursive_directory_iterator(".")) {
    std::string rel = e.path().lexically_normal().string();
    all[rel] = e.is_directory() ? "/" : Slurp(e.path());
  }
  return all;
}

bool InTheJobsFolder(const std::string& path) { return fs::path(path).parent_path() == "OUT/JOBS"; }

// The files of the job's folder by name; anything outside it that differs from `outside` (the
// state before the input) is a fault.
std::map<std::string, std::string> FilesOfTheJob(const std::map<std::string, std::string>& outside) {
  std::map<std::string, std::string> files, rest;
  for (const auto& [path, bytes] : Everything()) {
    if (InTheJobsFolder(path)) files[fs::path(path).filename().string()] = bytes;
    else rest[path] = bytes;
  }
  if (rest != outside) std::abort();
  return files;
}

bool IsJobFile(const std::string& name) {
  std::string upper;
  for (char c : name) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return (upper == "BEAM1" || upper.rfind("BEAM1.", 0) == 0) && upper != "BEAM1.ZIP";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  UseZipApi(NativeZipApi());
  fuzz::EnterScratchFolder();
  fs::create_directories("OUT/JOBS");
  // What an entry could aim at beside the job's folder: in its parent and in the current
  // directory (the program's, where the leave keeps its spare archive).
  for (const char* bait : {"OUT/BEAM1.GEO", "OUT/BEAM1.ZIP", "OUT/ZLIB.DLL", "BEAM1.GEO", "ZLIB.DLL"})
    fuzz::WriteFile(bait, std::string("bait ") + bait);
  std::string archive(reinterpret_cast<const char*>(data), size);
  fuzz::WriteFile("OUT/JOBS/BEAM1.ZIP", archive);
  fuzz::WriteFile("OUT/JOBS/BEAM1.GEO", kLoose);
  fuzz::WriteFile("OUT/JOBS/ZLIB.DLL", "bait of the job's folder");
  std::map<std::string, std::string> outside;
  for (const auto& [path, bytes] : Everything())
    if (!InTheJobsFolder(path)) outside[path] = bytes;
  const std::map<std::string, std::string> before = FilesOfTheJob(outside);

  bool ok = UnzipArchive(std::string(kSpec) + ".ZIP");
  std::map<std::string, std::string> after = FilesOfTheJob(outside);
  if (after.at("ZLIB.DLL") != before.at("ZLIB.DLL") || after.at("BEAM1.ZIP") != archive) std::abort();
  if (!ok) {
    if (after != before) std::abort();
    // As the program opens the job: the same refusal; and leaving keeps the archive as it is.
    if (OpenJobFromZip(kSpec) || FilesOfTheJob(outside) != before) std::abort();
    ArchiveJob(kSpec);
    if (FilesOfTheJob(outside) != before) std::abort();
    return 0;
  }

  // Leaving the job packs its files; reopening it must give back every one that has bytes.
  std::map<std::string, std::string> job;
  for (const auto& [name, bytes] : after)
    if (IsJobFile(name) && !bytes.empty()) job[name] = bytes;
  ArchiveJob(kSpec);
  if (!OpenJobFromZip(kSpec)) std::abort();
  std::map<std::string, std::string> reopened;
  for (const auto& [name, bytes] : FilesOfTheJob(outside))
    if (IsJobFile(name) && !bytes.empty()) reopened[name] = bytes;
  if (reopened != job) std::abort();
  return 0;
}
