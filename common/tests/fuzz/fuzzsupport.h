#pragma once
// What the fuzz targets share: a scratch folder of their own, and the job bundle. A bundle is
// the files of one job in one input: for each file its extension (up to three characters) on a
// line of its own, then its bytes, then a NUL byte. The files are written as J.<extension>.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace fuzz {

// A folder of the process's own, entered once; each input empties it first.
inline void EnterScratchFolder() {
  static bool entered = [] {
    char pattern[] = "/tmp/suite-fuzz-XXXXXX";
    if (!mkdtemp(pattern) || chdir(pattern) != 0) std::abort();
    return true;
  }();
  (void)entered;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(".", ec)) std::filesystem::remove_all(entry.path(), ec);
}

inline void WriteFile(const std::string& name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

// The files of a bundle by upper-case extension (a later file of the same extension wins).
inline std::map<std::string, std::string> ReadBundle(const uint8_t* data, size_t size) {
  std::map<std::string, std::string> files;
  std::string all(reinterpret_cast<const char*>(data), size);
  size_t at = 0;
  while (at < all.size() && files.size() < 12) {
    size_t eol = all.find('\n', at);
    if (eol == std::string::npos || eol - at > 3) break;
    std::string ext = all.substr(at, eol - at);
    size_t end = all.find('\0', eol + 1);
    if (end == std::string::npos) end = all.size();
    bool usable = !ext.empty();
    for (char& c : ext) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      usable = usable && ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'));
    }
    if (usable) files[ext] = all.substr(eol + 1, end - eol - 1);
    at = end + 1;
  }
  return files;
}

// Writes a bundle's files as J.<extension>; returns the load case a job of it names: the first
// line of its case list, else the letter of its first load file ("LD" + letter), else "A".
inline std::string WriteBundle(const std::map<std::string, std::string>& files, const std::string& listExtension = "CAS") {
  std::string loadCase;
  for (const auto& [ext, bytes] : files) {
    WriteFile("J." + ext, bytes);
    if (loadCase.empty() && ext.size() == 3 && ext.compare(0, 2, "LD") == 0) loadCase = ext.substr(2);
  }
  auto list = files.find(listExtension);
  if (list != files.end()) {
    std::string first = list->second.substr(0, list->second.find_first_of("\r\n"));
    size_t a = first.find_first_not_of(' '), b = first.find_last_not_of(' ');
    if (a != std::string::npos) loadCase = first.substr(a, std::min<size_t>(b - a + 1, 29));
  }
  return loadCase.empty() ? "A" : loadCase;
}

// The largest job the solver targets analyse (the files of a larger one are still read and
// checked): every fault of a reader shows on small jobs, and the work of an analysis grows with
// about the fourth power of its elements (solutions of a dense system, as many passes of the
// contact and yield iterations as nodes). At this size the slowest analysis under the sanitizers
// takes under a tenth of a second of CPU, so that even on a busy machine no input comes near
// libFuzzer's time limit: an input that does is a finding, not a slow machine.
constexpr int kMaxFuzzElements = 20;

}  // namespace fuzz
