#include "core/archive.h"

#include <cctype>
#include <cstring>
#include <vector>

#include "core/hostfs.h"
#include "core/textfiles.h"

namespace {

const char* const kLastJob = "LASTJOB.ZIP";
const char* const kZipVersion = "ZIPVER.zip";
const unsigned long kMaxEntryName = 256;

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

std::string BareName(const std::string& path) {
  size_t s = path.find_last_of("\\/:");
  return s == std::string::npos ? path : path.substr(s + 1);
}

// The job's folder with its trailing separator ("" for a job in the current directory).
std::string FolderOf(const std::string& path) {
  size_t s = path.find_last_of("\\/:");
  return s == std::string::npos ? std::string() : path.substr(0, s + 1);
}

// The loose files of a job: <job>.<ext> exactly (never another job such as BEAM10, never the
// archive itself or the archive under construction).
std::vector<std::string> LooseFiles(const std::string& spec) {
  std::vector<std::string> out;
  std::string base = BareName(spec);
  std::string folder = FolderOf(spec);
  for (const auto& e : hostfs::Find(spec + ".*")) {
    if (e.directory) continue;
    std::string name = BareName(e.path);
    if (!(SameText(name, base) || (name.size() > base.size() && SameText(name.substr(0, base.size() + 1), base + "."))))
      continue;
    if (SameText(name, base + ".ZIP") || SameText(name, kZipVersion)) continue;
    out.push_back(folder + name);
  }
  return out;
}

bool ReadWhole(const std::string& name, std::string& bytes) {
  std::FILE* f = hostfs::OpenRead(name);
  if (!f) return false;
  bytes.clear();
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
  bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

// An entry is written as a file of the archive's own folder: a bare name that Windows can hold.
bool SafeEntryName(const std::string& name) {
  if (name.empty() || name == "." || name.find("..") != std::string::npos) return false;
  for (char c : name)
    if (static_cast<unsigned char>(c) < 0x20) return false;
  return name.find_first_of("\\/:*?\"<>|") == std::string::npos;
}

// An archive holds its own job's files, <job>.*, and nothing else: an entry named like another
// file of the folder (a program's library, another job, the archive itself) is not unpacked.
bool JobsOwnEntry(const std::string& name, const std::string& archiveName) {
  size_t start = archiveName.find_last_of("\\/:");
  std::string stem = archiveName.substr(start == std::string::npos ? 0 : start + 1);
  stem = stem.substr(0, stem.rfind('.'));
  auto upper = [](std::string t) {
    for (char& c : t) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return t;
  };
  std::string n = upper(name), prefix = upper(stem) + ".";
  return n.size() > prefix.size() && n.compare(0, prefix.size(), prefix) == 0 && n != prefix + "ZIP";
}

// An entry's bytes, read to the end of its data. The size the entry claims is only believed as far
// as its data goes: a damaged claim must not make room for a gigabyte before the first byte.
bool ReadEntry(const ZipApi* z, void* unz, unsigned long size, std::string& bytes) {
  bytes.clear();
  char buf[65536];
  for (;;) {
    int n = z->unzReadCurrentFile(unz, buf, sizeof buf);
    if (n < 0) return false;
    if (n == 0) break;
    bytes.append(buf, static_cast<size_t>(n));
    if (bytes.size() > size) return false;
  }
  return bytes.size() == size;
}

}  // namespace

#ifndef _WIN32
namespace {
const ZipApi* nativeApi = nullptr;
}
const ZipApi* LoadZipApi() { return nativeApi; }
void UseZipApi(const ZipApi* api) { nativeApi = api; }
#endif

bool ZipJobFiles(const std::string& jobSpec) {
  const ZipApi* z = LoadZipApi();
  if (!z) return false;
  std::vector<std::string> files = LooseFiles(jobSpec);
  if (files.empty()) return false;
  std::string zipName = FolderOf(jobSpec) + kZipVersion;
  DeleteIfExists(zipName);
  void* zip = z->zipOpen(zipName.c_str(), 0);
  if (!zip) return false;
  bool ok = true;
  for (const auto& file : files) {
    std::string bytes;
    if (!ReadWhole(file, bytes)) { ok = false; break; }
    ZipApi::FileInfo info{};  // no time stamps
    if (z->zipOpenNewFileInZip(zip, BareName(file).c_str(), &info, nullptr, 0, nullptr, 0, nullptr, 8, -1) != 0) {
      ok = false;
      break;
    }
    if (!bytes.empty() && z->zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size())) != 0) ok = false;
    if (z->zipCloseFileInZip(zip) != 0) ok = false;
    if (!ok) break;
  }
  if (z->zipClose(zip, nullptr) != 0) ok = false;
  // The new archive must read back whole before the loose files give way to it.
  if (ok) {
    void* unz = z->unzOpen(zipName.c_str());
    ZipApi::GlobalInfo g{};
    ok = unz && z->unzGetGlobalInfo(unz, &g) == 0 && g.entries == files.size();
    if (unz) z->unzClose(unz);
  }
  if (!ok) {
    DeleteIfExists(zipName);
    return false;
  }
  for (const auto& file : files) DeleteIfExists(file);
  if (!hostfs::Rename(zipName, jobSpec + ".ZIP")) return false;
  return true;
}

bool UnzipArchive(const std::string& archiveName) {
  const ZipApi* z = LoadZipApi();
  if (!z) return false;
  std::string folder = FolderOf(archiveName);
  void* unz = z->unzOpen(archiveName.c_str());
  if (!unz) return false;
  struct Item { std::string name, bytes; };
  std::vector<Item> items;
  bool ok = true;
  ZipApi::GlobalInfo g{};
  if (z->unzGetGlobalInfo(unz, &g) != 0) ok = false;
  int step = ok ? z->unzGoToFirstFile(unz) : -1;
  for (unsigned long i = 0; ok && i < g.entries; ++i) {
    if (step != 0) { ok = false; break; }
    ZipApi::EntryInfo info{};
    char name[260] = {};
    // A longer name, or one with a NUL inside, would be cut short into the name of another file.
    if (z->unzGetCurrentFileInfo(unz, &info, name, sizeof name - 1, nullptr, 0, nullptr, 0) != 0 ||
        info.nameSize > kMaxEntryName || std::strlen(name) != info.nameSize || !SafeEntryName(name) ||
        !JobsOwnEntry(name, archiveName) ||
        info.uncompressedSize > (1u << 30)) {
      ok = false;
      break;
    }
    if (z->unzOpenCurrentFile(unz) != 0) { ok = false; break; }
    std::string bytes;
    bool whole = ReadEntry(z, unz, info.uncompressedSize, bytes);
    // Closing an entry read to its end checks its CRC.
    if (z->unzCloseCurrentFile(unz) != 0 || !whole) { ok = false; break; }
    if (!bytes.empty()) items.push_back({name, std::move(bytes)});
    step = (i + 1 < g.entries) ? z->unzGoToNextFile(unz) : 0;
  }
  z->unzClose(unz);
  if (!ok) return false;
  bool written = true;
  for (const auto& it : items) written = hostfs::WriteWhole(folder + it.name, it.bytes) && written;
  return written;
}

void OpenJobFromZip(const std::string& jobSpec) {
  if (FileExists(jobSpec + ".ZIP") && LoadZipApi()) UnzipArchive(jobSpec + ".ZIP");
}

void ArchiveJob(const std::string& jobSpec, const std::string& geometryExtension) {
  if (jobSpec.empty() || !LoadZipApi()) return;
  std::string archive = jobSpec + ".ZIP";
  if (FileExists(archive)) {
    // Without the old archive set aside, packing could overwrite or pack it: leave everything.
    if (!hostfs::Rename(archive, kLastJob)) return;
  }
  if (!LooseFiles(jobSpec).empty()) ZipJobFiles(jobSpec);
  if (FileExists(archive) && FileExists(kLastJob)) DeleteIfExists(kLastJob);
  if (FileExists(jobSpec + geometryExtension) && FileExists(kLastJob)) DeleteIfExists(kLastJob);
  if (FileExists(kLastJob)) hostfs::Rename(kLastJob, archive);
}
