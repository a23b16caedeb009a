// Fuzz target: a job archive (<job>.ZIP) as a user may have copied or damaged it, opened as the
// programs open a job, on the native build of the zlib and minizip sources of "ZLIB.DLL". An
// unpack must write nothing outside the job's folder, a failed one nothing at all, and the files
// of a successful one must pack and unpack again unchanged when the job is left and reopened.
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

// Every file under the scratch folder by its path; anything but a file of OUT/JOBS is a fault.
std::map<std::string, std::string> FilesOfTheJob() {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(".")) {
    fs::path rel = e.path().lexically_normal();
    if (e.is_directory()) {
      if (rel != "OUT" && rel != "OUT/JOBS") std::abort();
      continue;
    }
    if (rel.parent_path() != "OUT/JOBS") std::abort();
    files[rel.filename().string()] = Slurp(e.path());
  }
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
  std::string archive(reinterpret_cast<const char*>(data), size);
  fuzz::WriteFile("OUT/JOBS/BEAM1.ZIP", archive);
  fuzz::WriteFile("OUT/JOBS/BEAM1.GEO", kLoose);
  const std::map<std::string, std::string> before = FilesOfTheJob();

  bool ok = UnzipArchive(std::string(kSpec) + ".ZIP");
  std::map<std::string, std::string> after = FilesOfTheJob();
  if (!ok) {
    if (after != before) std::abort();
    OpenJobFromZip(kSpec);  // as the program opens the job: the same refusal
    if (FilesOfTheJob() != before) std::abort();
    return 0;
  }

  // Leaving the job packs its files; reopening it must give back every one that has bytes.
  std::map<std::string, std::string> job;
  for (const auto& [name, bytes] : after)
    if (IsJobFile(name) && !bytes.empty()) job[name] = bytes;
  ArchiveJob(kSpec);
  OpenJobFromZip(kSpec);
  std::map<std::string, std::string> reopened;
  for (const auto& [name, bytes] : FilesOfTheJob())
    if (IsJobFile(name) && !bytes.empty()) reopened[name] = bytes;
  if (reopened != job) std::abort();
  return 0;
}
