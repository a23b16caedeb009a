#include "core/archive.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <ctime>
#include <map>
#include <set>
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

std::string Upper(std::string t) {
  for (char& c : t) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return t;
}

// A reserved device name as a file name's stem ("CON", "NUL.GEO", "COM1 .SUP") opens the
// device, never a file.
bool DeviceStem(const std::string& name) {
  std::string stem = Upper(name.substr(0, name.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
  for (const char* d : kDevices)
    if (stem == d) return true;
  return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
         stem[3] >= '1' && stem[3] <= '9';
}

// An entry is written as a file of the archive's own folder: a bare name that Windows can hold
// as given (Windows drops a trailing dot or blank, so "BEAM1.ZIP." would be the archive).
bool SafeEntryName(const std::string& name) {
  if (name.empty() || name == "." || name.find("..") != std::string::npos) return false;
  for (char c : name)
    if (static_cast<unsigned char>(c) < 0x20) return false;
  if (name.back() == '.' || name.back() == ' ' || DeviceStem(name)) return false;
  return name.find_first_of("\\/:*?\"<>|") == std::string::npos;
}

// An archive holds its own job's files, <job>.*, and nothing else: an entry named like another
// file of the folder (a program's library, another job, the archive itself) is not unpacked.
bool JobsOwnEntry(const std::string& name, const std::string& archiveName) {
  size_t start = archiveName.find_last_of("\\/:");
  std::string stem = archiveName.substr(start == std::string::npos ? 0 : start + 1);
  stem = stem.substr(0, stem.rfind('.'));
  std::string n = Upper(name), prefix = Upper(stem) + ".";
  return n.size() > prefix.size() && n.compare(0, prefix.size(), prefix) == 0 && n != prefix + "ZIP";
}

// An entry's bytes, read to the end of its data. The size the entry claims is only believed as far
// as its data goes: a damaged claim must not make room for a gigabyte before the first byte.
bool ReadEntry(const ZipApi* z, void* unz, unsigned long size, std::string& bytes) {
  bytes.reserve(size < 65536 ? size : 65536);
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

// A name as a message may show it.
std::string Shown(const std::string& name) {
  std::string out;
  for (char c : name) out += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
  return out;
}

// The entry's date: the file's own last write, in local time as zip tools read it.
ZipApi::FileInfo DatedAs(const std::string& file) {
  ZipApi::FileInfo info{};
  std::time_t t = static_cast<std::time_t>(hostfs::ModifiedTime(file) / 1000000000LL);
  const std::tm* known = std::localtime(&t);  // the user-interface thread alone packs
  std::tm local = known ? *known : std::tm{};
  if (!known || local.tm_year < 80) {  // zip dates begin in 1980
    local = std::tm{};
    local.tm_year = 80;
    local.tm_mday = 1;
  }
  info.tm[0] = static_cast<unsigned>(local.tm_sec);
  info.tm[1] = static_cast<unsigned>(local.tm_min);
  info.tm[2] = static_cast<unsigned>(local.tm_hour);
  info.tm[3] = static_cast<unsigned>(local.tm_mday);
  info.tm[4] = static_cast<unsigned>(local.tm_mon);
  info.tm[5] = static_cast<unsigned>(local.tm_year + 1900);
  return info;
}

// Keeps a "LASTJOB.ZIP" that an earlier leave left as "LASTJOB (n).ZIP", the first such name
// free: the blank keeps every job's name from it. False when none could be given.
bool KeepStaleSpare() {
  for (int n = 1; n <= 999; ++n) {
    const std::string name = "LASTJOB (" + std::to_string(n) + ").ZIP";
    if (FileExists(name)) continue;
    return hostfs::Rename(kLastJob, name);
  }
  return false;
}

// The jobs of this session whose archive was not unpacked whole: their leave keeps it.
std::set<std::string>& HeldJobs() {
  static std::set<std::string> held;
  return held;
}

// A checked entry, written under a temporary name until every entry is written.
struct Unpacked {
  std::string target, temporary, backup;
  bool existed = false, replaced = false, moved = false;
};

void Undo(std::vector<Unpacked>& done) {
  for (auto it = done.rbegin(); it != done.rend(); ++it) {
    if (it->replaced) hostfs::Remove(it->target);
    if (it->moved) hostfs::Rename(it->backup, it->target);
    hostfs::Remove(it->temporary);
  }
}

bool StartsWithText(const std::string& name, const std::string& start) {
  return name.size() >= start.size() && SameText(name.substr(0, start.size()), start);
}

// The temporary files a killed unpack of the job <stem> left in its folder.
void RemoveLeftovers(const std::string& folder, const std::string& stem) {
  const std::string start = kTemporarySign + stem + ".";
  for (const auto& e : hostfs::Find(folder + start + "*"))
    if (!e.directory && StartsWithText(BareName(e.path), start)) hostfs::Remove(e.path);
}

// A name whose bytes go beyond ASCII.
bool BeyondAscii(const std::string& name) {
  for (char c : name)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

const unsigned long kUtf8Names = 1ul << 11;  // the entry flag that marks a name in UTF-8
const unsigned long long kLocalHeader = 30;  // the least a local header takes before its data

// The job's files in its folder by their names in capitals, from one listing of the folder.
std::map<std::string, hostfs::Entry> PresentFiles(const std::string& folder, const std::string& stem) {
  std::map<std::string, hostfs::Entry> present;
  for (const auto& e : hostfs::Find(folder + stem + ".*")) present[Upper(BareName(e.path))] = e;
  return present;
}

}  // namespace

std::string ArchiveFaultText(const ArchiveFault& f) {
  const std::string kept = "Nothing of it was Unpacked, and the Archive is Left as it is.";
  if (f.kind == ArchiveFault::kNotWritten)
    return "Job File '" + f.file + "' could not be Written: " + f.reason + "!   Nothing of the Job Archive '" +
           f.archive + "' was Unpacked, and the Archive is Left as it is.";
  return "Job Archive '" + f.archive + "' cannot be Unpacked: " + f.reason + "!   " + kept;
}

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
    ZipApi::FileInfo info = DatedAs(file);
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
  // The archive takes its name before the loose files go: left as ZIPVER.zip it would be the
  // job's only copy, and the folder's next packing deletes that name first.
  if (!hostfs::Rename(zipName, jobSpec + ".ZIP")) {
    DeleteIfExists(zipName);
    return false;
  }
  for (const auto& file : files) hostfs::Remove(file);  // listed above: no listing per file
  return true;
}

bool UnzipArchive(const std::string& archiveName, ArchiveFault* fault) {
  ArchiveFault local;
  ArchiveFault& f = fault ? *fault : local;
  f = ArchiveFault{};
  f.archive = archiveName;
  auto refuse = [&f](const std::string& why) {
    f.kind = ArchiveFault::kRefused;
    f.reason = why;
    return false;
  };
  const ZipApi* z = LoadZipApi();
  if (!z) return refuse("the Zip Library is Missing");
  const std::string folder = FolderOf(archiveName);
  std::string stem = BareName(archiveName);
  stem = stem.substr(0, stem.rfind('.'));
  RemoveLeftovers(folder, stem);
  void* unz = z->unzOpen(archiveName.c_str());
  if (!unz) return refuse("it is no Zip Archive, or it is Incomplete");
  struct Entry {
    std::string name;
    unsigned long size, packed;
    unsigned long long dataAt;
  };
  std::vector<Entry> entries;
  // First every entry's name, size and place: an archive holding anything but its job's files, or
  // more than a job holds, is refused before anything is read or written.
  ZipApi::GlobalInfo g{};
  bool ok = z->unzGetGlobalInfo(unz, &g) == 0 || refuse("it is no Zip Archive, or it is Incomplete");
  if (ok && g.entries > kMaxJobEntries)
    ok = refuse("it holds " + std::to_string(g.entries) + " Files, more than the " + std::to_string(kMaxJobEntries) +
                " a Job has");
  std::set<std::string> seen;
  unsigned long total = 0;
  int step = ok ? z->unzGoToFirstFile(unz) : -1;
  for (unsigned long i = 0; ok && i < g.entries; ++i) {
    ZipApi::EntryInfo info{};
    char name[260] = {};
    if (step != 0 || z->unzGetCurrentFileInfo(unz, &info, name, sizeof name - 1, nullptr, 0, nullptr, 0) != 0) {
      ok = refuse("it is Damaged or Incomplete");
      break;
    }
    // A longer name, or one with a NUL inside, would be cut short into the name of another file.
    if (info.nameSize > kMaxEntryName || std::strlen(name) != info.nameSize || !SafeEntryName(name)) {
      ok = refuse("its Entry '" + Shown(name) + "' names no File the Job's Folder can hold");
      break;
    }
    // Read in any code page, such a name would be another file's than the one it was written as.
    if ((info.flag & kUtf8Names) && BeyondAscii(name)) {
      ok = refuse("it is Damaged (the Name of its Entry '" + Shown(name) + "' needs a Code Page to be Read)");
      break;
    }
    if (!JobsOwnEntry(name, archiveName)) {
      ok = refuse("its Entry '" + Shown(name) + "' is no File of the Job");
      break;
    }
    // Windows names ignore letter case: two such entries would be one file, the last winning.
    if (!seen.insert(Upper(name)).second) {
      ok = refuse("it holds the File '" + Shown(name) + "' more than once");
      break;
    }
    if (info.uncompressedSize > kMaxJobBytes - total) {
      ok = refuse("its Files hold more than " + std::to_string(kMaxJobBytes >> 20) + " MB, more than a Job has");
      break;
    }
    total += info.uncompressedSize;
    // Opening an entry reads its local header: where its data begins.
    if (z->unzOpenCurrentFile(unz) != 0) {
      ok = refuse("its File '" + Shown(name) + "' is Damaged");
      break;
    }
    entries.push_back({name, info.uncompressedSize, info.compressedSize, z->unzGetCurrentFileZStreamPos64(unz)});
    z->unzCloseCurrentFile(unz);  // not read: nothing to check yet
    step = (i + 1 < g.entries) ? z->unzGoToNextFile(unz) : 0;
  }
  // Each entry's data is its own: two entries reading one file's bytes, each check sum sound,
  // would give the second file the first one's contents.
  if (ok) {
    std::vector<const Entry*> byPlace;
    for (const Entry& e : entries) byPlace.push_back(&e);
    std::sort(byPlace.begin(), byPlace.end(), [](const Entry* a, const Entry* b) { return a->dataAt < b->dataAt; });
    for (size_t i = 1; ok && i < byPlace.size(); ++i) {
      const Entry& a = *byPlace[i - 1];
      const Entry& b = *byPlace[i];
      if (b.dataAt < a.dataAt + a.packed + kLocalHeader)
        ok = refuse("it is Damaged (its Entries '" + Shown(a.name) + "' and '" + Shown(b.name) + "' share their Data)");
    }
  }
  // The job's files already there, from one listing: nothing below lists the folder again.
  std::map<std::string, hostfs::Entry> present;
  if (ok) present = PresentFiles(folder, stem);
  // Then each entry, checked and written to its temporary name before the next is read: memory
  // holds one entry at most. A loose file not older than the archive is the job's current state
  // (written after the last unpack, the program perhaps killed before it packed) and stays.
  const long long archiveTime = hostfs::ModifiedTime(archiveName);
  std::vector<Unpacked> done;
  step = ok ? z->unzGoToFirstFile(unz) : -1;
  {
    hostfs::QuietFailures quiet;  // the one message is the fault's
    for (size_t i = 0; ok && i < entries.size(); ++i) {
      const Entry& e = entries[i];
      std::string bytes;
      bool whole = step == 0 && z->unzOpenCurrentFile(unz) == 0;
      whole = whole && ReadEntry(z, unz, e.size, bytes);
      // Closing an entry read to its end checks its CRC.
      if (step == 0 && z->unzCloseCurrentFile(unz) != 0) whole = false;
      if (!whole) {
        ok = refuse("its File '" + Shown(e.name) + "' is Damaged");
        break;
      }
      step = (i + 1 < entries.size()) ? z->unzGoToNextFile(unz) : 0;
      if (bytes.empty()) continue;  // an empty entry is not written out
      auto there = present.find(Upper(e.name));
      const bool existed = there != present.end();
      // A file of the job already there keeps the name the folder gives it.
      Unpacked u{folder + (existed ? BareName(there->second.path) : e.name), folder + kTemporarySign + e.name,
                 folder + kTemporarySign + e.name + ".old"};
      u.existed = existed;
      if (existed && !there->second.directory && hostfs::ModifiedTime(u.target) >= archiveTime) continue;
      if (existed && there->second.directory) {
        f.reason = "a Folder of that Name is in the Way";
      } else if (hostfs::WriteWhole(u.temporary, bytes)) {
        done.push_back(u);
        continue;
      } else {
        f.reason = hostfs::LastFailure();
      }
      f.kind = ArchiveFault::kNotWritten;
      f.file = u.target;
      ok = false;
    }
  }
  z->unzClose(unz);
  // Every entry is written: each takes its name, the file it replaces kept aside until all have.
  for (size_t i = 0; ok && i < done.size(); ++i) {
    Unpacked& u = done[i];
    if (u.existed) u.moved = hostfs::Rename(u.target, u.backup);
    if ((u.existed && !u.moved) || !(u.replaced = hostfs::Replace(u.temporary, u.target))) {
      f.kind = ArchiveFault::kNotWritten;
      f.file = u.target;
      f.reason = hostfs::LastFailure();
      ok = false;
    }
  }
  if (!ok) {
    Undo(done);
    return false;
  }
  for (const Unpacked& u : done)
    if (u.moved) hostfs::Remove(u.backup);
  return true;
}

bool OpenJobFromZip(const std::string& jobSpec, ArchiveFault* fault) {
  if (fault) *fault = ArchiveFault{};
  HeldJobs().erase(Upper(jobSpec));
  if (!FileExists(jobSpec + ".ZIP") || !LoadZipApi()) return true;
  if (UnzipArchive(jobSpec + ".ZIP", fault)) return true;
  HeldJobs().insert(Upper(jobSpec));
  return false;
}

void ArchiveJob(const std::string& jobSpec, const std::string& geometryExtension) {
  if (jobSpec.empty() || !LoadZipApi()) return;
  if (HeldJobs().erase(Upper(jobSpec))) return;  // its archive was not unpacked whole: it stays
  // One already there was left by a program killed while leaving a job: it is no part of this
  // leave, and would stop it or be taken for this job's archive.
  if (FileExists(kLastJob) && !KeepStaleSpare()) return;
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
