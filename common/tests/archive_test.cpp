#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <functional>
#include <set>
#include <stdexcept>
#include <vector>

#if defined(__has_include)
#if __has_include(<sanitizer/lsan_interface.h>)
#include <sanitizer/lsan_interface.h>
#define SUITE_LSAN 1
#endif
#endif

#include "core/archive.h"
#include "core/hostfs.h"
#include "core/jobspec.h"
#include "core/textfiles.h"
#include "testdir.h"
#include "ziptest.h"

#ifdef _WIN32
#include <windows.h>
#elif defined(SUITE_NATIVE_ZIP)
#include "nativezip.h"
#endif

namespace fs = std::filesystem;

namespace {

// The job archive needs "ZLIB.DLL" in the current directory: the cross build copies the built
// library there; the native build hands over its own build of the same sources, when it has them.
bool ProvideZlib() {
#ifdef _WIN32
  char exe[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, exe, MAX_PATH);
  fs::path dll = fs::path(std::string(exe, n)).parent_path() / "ZLIB.DLL";
  fs::copy_file(dll, "ZLIB.DLL", fs::copy_options::overwrite_existing);
  return LoadZipApi() != nullptr;
#elif defined(SUITE_NATIVE_ZIP)
  UseZipApi(NativeZipApi());
  return true;
#else
  return false;
#endif
}

void WithdrawZlib() {
#ifndef _WIN32
  UseZipApi(nullptr);
#endif
}

std::string Spec(const TestDirectory& dir, const std::string& rest) {
  std::string s = (dir.path() / rest).string();
  for (char& c : s)
    if (c == '/') c = '\\';
  return s;
}

const std::pair<const char*, std::string> kJobFiles[] = {
    {"BEAM1.GEO", "Job: X // GEOMETRY & MAT. PROPERTIES\r\n  1.500\r\n"},
    {"BEAM1.SUP", "Job: X // SUPPORTS\r\n"},
    {"BEAM1.CAS", "DEAD\r\nLIVE\r\n"},
    {"BEAM1.LDD", std::string(5000, 'x') + "\r\n"},
};

void WriteJob(const fs::path& folder) {
  fs::create_directories(folder);
  for (const auto& f : kJobFiles) WriteBytes((folder / f.first).string(), f.second);
  WriteBytes((folder / "BEAM10.GEO").string(), "another job");
}

TEST(JobArchive, WithoutTheLibraryNothingIsPackedOrDeleted) {
  TestDirectory dir;
  WriteJob(dir.path() / "BEAMS");
  WriteBytes((dir.path() / "BEAMS" / "BEAM1.ZIP").string(), "old archive");
  ArchiveJob(Spec(dir, "BEAMS/BEAM1"));
  for (const auto& f : kJobFiles) EXPECT_TRUE(fs::exists(dir.path() / "BEAMS" / f.first)) << f.first;
  EXPECT_EQ(ReadBytes((dir.path() / "BEAMS" / "BEAM1.ZIP").string()), "old archive");
  EXPECT_FALSE(fs::exists("LASTJOB.ZIP"));
  OpenJobFromZip(Spec(dir, "BEAMS/BEAM1"));
  EXPECT_EQ(ReadBytes((dir.path() / "BEAMS" / "BEAM1.GEO").string()), kJobFiles[0].second);
}

class WithZlib : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!ProvideZlib()) GTEST_SKIP() << "no ZLIB.DLL in this build";
  }
  void TearDown() override { WithdrawZlib(); }
  TestDirectory dir;
};

TEST_F(WithZlib, LeavingPacksTheJobAndOpeningRestoresIt) {
  fs::path folder = dir.path() / "BEAMS";
  WriteJob(folder);
  std::string spec = Spec(dir, "BEAMS/BEAM1");
  ArchiveJob(spec);
  EXPECT_TRUE(fs::exists(folder / "BEAM1.ZIP"));
  for (const auto& f : kJobFiles) EXPECT_FALSE(fs::exists(folder / f.first)) << f.first;
  EXPECT_FALSE(fs::exists(folder / "ZIPVER.zip"));
  EXPECT_FALSE(fs::exists("LASTJOB.ZIP"));
  EXPECT_EQ(ReadBytes((folder / "BEAM10.GEO").string()), "another job");

  OpenJobFromZip(spec);
  for (const auto& f : kJobFiles) EXPECT_EQ(ReadBytes((folder / f.first).string()), f.second) << f.first;
  EXPECT_TRUE(fs::exists(folder / "BEAM1.ZIP"));

  // Changed data is packed again on the next leave, and the old archive gives way.
  WriteBytes((folder / "BEAM1.SUP").string(), "changed");
  ArchiveJob(spec);
  EXPECT_FALSE(fs::exists(folder / "BEAM1.SUP"));
  EXPECT_FALSE(fs::exists("LASTJOB.ZIP"));
  OpenJobFromZip(spec);
  EXPECT_EQ(ReadBytes((folder / "BEAM1.SUP").string()), "changed");
}

TEST_F(WithZlib, AJobWithoutLooseFilesKeepsItsArchive) {
  fs::path folder = dir.path() / "BEAMS";
  WriteJob(folder);
  std::string spec = Spec(dir, "BEAMS/BEAM1");
  ArchiveJob(spec);
  std::string packed = ReadBytes((folder / "BEAM1.ZIP").string());
  ArchiveJob(spec);  // nothing loose: the old archive comes back from LASTJOB.ZIP
  EXPECT_EQ(ReadBytes((folder / "BEAM1.ZIP").string()), packed);
  EXPECT_FALSE(fs::exists("LASTJOB.ZIP"));
}

TEST_F(WithZlib, AnEntryNamingAnotherFolderWritesNothing) {
  fs::path folder = dir.path() / "JOBS";
  fs::create_directories(folder);
  const ZipApi* z = LoadZipApi();
  std::string name = Spec(dir, "JOBS/EVIL.ZIP");
  ASSERT_NO_FATAL_FAILURE(WriteZipEntries(z, name, {"EVIL.GEO", "..\\EVIL.TXT"}, "bad"));
  EXPECT_FALSE(UnzipArchive(name));
  EXPECT_FALSE(fs::exists(dir.path() / "EVIL.TXT"));
  EXPECT_FALSE(fs::exists(folder / "EVIL.GEO"));
}

TEST_F(WithZlib, AnEntryNoFileOfTheFolderCanBeNamedWritesNothing) {
  fs::path folder = dir.path() / "JOBS";
  fs::create_directories(folder);
  const std::string tooLong = "BEAM1.GEO" + std::string(300, 'X');  // once cut short into another name
  const char* const names[] = {tooLong.c_str(), "BEAM1.G*O", "BEAM1?.GEO", "BEAM<1.GEO", "BEAM1.GEO|", "BEAM\x01.GEO",
                               "BEAM\"1.GEO"};
  for (const char* bad : names) {
    std::string name = Spec(dir, "JOBS/BEAM1.ZIP");
    ASSERT_NO_FATAL_FAILURE(WriteZipEntries(LoadZipApi(), name, {"BEAM1.SUP", bad}, "data"));
    EXPECT_FALSE(UnzipArchive(name)) << bad;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << bad;
  }
}

TEST_F(WithZlib, AnEntryThatIsNoFileOfTheJobWritesNothing) {
  fs::path folder = dir.path() / "JOBS";
  fs::create_directories(folder);
  WriteBytes((folder / "ZLIB.DLL").string(), "library");
  for (const char* bad : {"ZLIB.DLL", "BEAM1.ZIP", "BEAM10.GEO", "BEAM1", "BEAM1."}) {
    std::string name = Spec(dir, "JOBS/BEAM1.ZIP");
    ASSERT_NO_FATAL_FAILURE(WriteZipEntries(LoadZipApi(), name, {"beam1.sup", bad}, "data"));
    EXPECT_FALSE(UnzipArchive(name)) << bad;
    EXPECT_EQ(ReadBytes((folder / "ZLIB.DLL").string()), "library") << bad;
    EXPECT_FALSE(fs::exists(folder / "beam1.sup")) << bad;
  }
  // The job's own files in any case of letters are its files.
  std::string name = Spec(dir, "JOBS/BEAM1.ZIP");
  ASSERT_NO_FATAL_FAILURE(WriteZipEntries(LoadZipApi(), name, {"beam1.sup", "BEAM1.GEO"}, "data"));
  EXPECT_TRUE(UnzipArchive(name));
  EXPECT_EQ(ReadBytes((folder / "BEAM1.GEO").string()), "data");
}

TEST_F(WithZlib, AnEntryClaimingMoreBytesThanItHoldsWritesNothing) {
  fs::path folder = dir.path() / "JOBS";
  fs::create_directories(folder);
  std::string name = Spec(dir, "JOBS/BEAM1.ZIP");
  ASSERT_NO_FATAL_FAILURE(WriteZipEntries(LoadZipApi(), name, {"BEAM1.GEO"}, "data"));
  std::string bytes = ReadBytes((folder / "BEAM1.ZIP").string());
  // Both headers claim a gigabyte less one byte: only the entry's data is read, never the claim.
  for (const char* header : {"PK\x03\x04", "PK\x01\x02"}) {
    size_t at = bytes.find(header);
    ASSERT_NE(at, std::string::npos);
    size_t field = at + (header[2] == 3 ? 22 : 24);
    bytes.replace(field, 4, std::string("\xff\xff\xff\x3f", 4));
  }
  WriteBytes((folder / "BEAM1.ZIP").string(), bytes);
  EXPECT_FALSE(UnzipArchive(name));
  EXPECT_FALSE(fs::exists(folder / "BEAM1.GEO"));
}

TEST_F(WithZlib, ADamagedArchiveLeavesTheLooseFilesAlone) {
  fs::path folder = dir.path() / "BEAMS";
  WriteJob(folder);
  std::string spec = Spec(dir, "BEAMS/BEAM1");
  ArchiveJob(spec);
  std::string packed = ReadBytes((folder / "BEAM1.ZIP").string());
  WriteBytes((folder / "BEAM1.GEO").string(), "newer loose data");
  const struct {
    const char* what;
    std::string bytes;
  } damaged[] = {
      {"truncated", packed.substr(0, packed.size() / 2)},
      {"flipped data byte", [&] { std::string b = packed; b[30 + 9 + 2] ^= 0x55; return b; }()},  // inside the first entry's data
      {"not a zip", "PK but nothing more"},
  };
  for (const auto& d : damaged) {
    WriteBytes((folder / "BEAM1.ZIP").string(), d.bytes);
    OpenJobFromZip(spec);
    EXPECT_EQ(ReadBytes((folder / "BEAM1.GEO").string()), "newer loose data") << d.what;
    EXPECT_FALSE(fs::exists(folder / "BEAM1.SUP")) << d.what;
  }
}

}  // namespace

namespace {

// Writes fail, as on a full disk, for every target the predicate names, while one lives.
struct FaultyDisk {
  explicit FaultyDisk(hostfs::WriteFault fault) { hostfs::SetWriteFault(std::move(fault)); }
  ~FaultyDisk() { hostfs::SetWriteFault(nullptr); }
};

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> out;
  for (const auto& e : fs::directory_iterator(folder)) out.insert(e.path().filename().string());
  return out;
}

void Age(const fs::path& file, const fs::path& than, int seconds) {
  fs::last_write_time(file, fs::last_write_time(than) + std::chrono::seconds(seconds));
}

TEST_F(WithZlib, OpeningKeepsALooseFileNotOlderThanTheArchive) {
  fs::path folder = dir.path() / "BEAMS";
  WriteJob(folder);
  std::string spec = Spec(dir, "BEAMS/BEAM1");
  ArchiveJob(spec);
  ASSERT_TRUE(OpenJobFromZip(spec));
  // Edited after the opening and the program killed: no leave packed the edit.
  WriteBytes((folder / "BEAM1.GEO").string(), "edited");
  Age(folder / "BEAM1.GEO", folder / "BEAM1.ZIP", 10);
  WriteBytes((folder / "BEAM1.SUP").string(), "stale copy");
  Age(folder / "BEAM1.SUP", folder / "BEAM1.ZIP", -10);
  ASSERT_TRUE(OpenJobFromZip(spec));
  EXPECT_EQ(ReadBytes((folder / "BEAM1.GEO").string()), "edited");
  EXPECT_EQ(ReadBytes((folder / "BEAM1.SUP").string()), kJobFiles[1].second);
  ArchiveJob(spec);
  ASSERT_TRUE(OpenJobFromZip(spec));
  EXPECT_EQ(ReadBytes((folder / "BEAM1.GEO").string()), "edited");
}

TEST_F(WithZlib, AnUnpackThatCannotWriteAFileWritesNoneAndTheLeaveKeepsTheArchive) {
  fs::path folder = dir.path() / "BEAMS";
  const std::string spec = Spec(dir, "BEAMS/BEAM1");
  const struct {
    const char* what;
    std::function<void()> arrange;
    hostfs::WriteFault fault;
    const char* file;
    const char* reason;  // the start of the reason the user reads
  } cases[] = {
      {"full disk on the last file", [] {}, [](const std::string& t) { return EndsWith(t, "BEAM1.LDD"); },
       "BEAM1.LDD", "There is not enough space on the disk"},
      {"a folder where a file must go", [&] { fs::create_directory(folder / "BEAM1.SUP"); }, nullptr, "BEAM1.SUP",
       "a Folder of that Name is in the Way"},
      {"the last file cannot take its name", [] {},
       [](const std::string& t) { return EndsWith(t, "\\BEAM1.LDD") && !EndsWith(t, "+BEAM1.LDD"); }, "BEAM1.LDD",
       "There is not enough space on the disk"},
  };
  for (const auto& c : cases) {
    fs::remove_all(folder);
    WriteJob(folder);
    ArchiveJob(spec);
    const std::string packed = ReadBytes((folder / "BEAM1.ZIP").string());
    // An older loose file the unpack would replace: it must survive a failure.
    WriteBytes((folder / "BEAM1.GEO").string(), "older");
    Age(folder / "BEAM1.GEO", folder / "BEAM1.ZIP", -10);
    c.arrange();
    const std::set<std::string> before = Names(folder);
    ArchiveFault fault;
    {
      FaultyDisk disk(c.fault);
      EXPECT_FALSE(OpenJobFromZip(spec, &fault)) << c.what;
    }
    EXPECT_EQ(fault.kind, ArchiveFault::kNotWritten) << c.what;
    EXPECT_TRUE(EndsWith(fault.file, c.file)) << c.what << ": " << fault.file;
    EXPECT_EQ(fault.reason, c.reason) << c.what;
    const std::string text = ArchiveFaultText(fault);
    EXPECT_NE(text.find(fault.file), std::string::npos) << text;
    EXPECT_NE(text.find(c.reason), std::string::npos) << text;
    EXPECT_EQ(Names(folder), before) << c.what;
    EXPECT_EQ(ReadBytes((folder / "BEAM1.GEO").string()), "older") << c.what;
    // The user goes on and leaves: the old archive stays whole, the new data stays loose.
    WriteBytes((folder / "BEAM1.CAS").string(), "typed after");
    ArchiveJob(spec);
    EXPECT_EQ(ReadBytes((folder / "BEAM1.ZIP").string()), packed) << c.what;
    EXPECT_EQ(ReadBytes((folder / "BEAM1.CAS").string()), "typed after") << c.what;
    EXPECT_FALSE(fs::exists("LASTJOB.ZIP")) << c.what;
    // Once the fault has gone the job opens whole, the loose files kept as its current state.
    fs::remove_all(folder / "BEAM1.SUP");
    EXPECT_TRUE(OpenJobFromZip(spec)) << c.what;
    EXPECT_EQ(ReadBytes((folder / "BEAM1.LDD").string()), kJobFiles[3].second) << c.what;
    EXPECT_EQ(ReadBytes((folder / "BEAM1.CAS").string()), "typed after") << c.what;
  }
}

// The new archive must hold its name before the loose files go: a packed archive left under the
// folder's packing name would be deleted by the next packing, and the job with it.
TEST_F(WithZlib, APackingThatCannotNameItsArchiveKeepsTheLooseFiles) {
  fs::path folder = dir.path() / "BEAMS";
  WriteJob(folder);
  const std::string spec = Spec(dir, "BEAMS/BEAM1");
  {
    FaultyDisk disk([](const std::string& t) { return EndsWith(t, "BEAM1.ZIP"); });
    ArchiveJob(spec);
  }
  for (const auto& f : kJobFiles) EXPECT_EQ(ReadBytes((folder / f.first).string()), f.second) << f.first;
  EXPECT_FALSE(fs::exists(folder / "BEAM1.ZIP"));
  EXPECT_FALSE(fs::exists(folder / "ZIPVER.zip"));
  // The next leave, on a sound disk, packs the job whole.
  ArchiveJob(spec);
  EXPECT_TRUE(fs::exists(folder / "BEAM1.ZIP"));
  for (const auto& f : kJobFiles) EXPECT_FALSE(fs::exists(folder / f.first)) << f.first;
  EXPECT_TRUE(OpenJobFromZip(spec));
  for (const auto& f : kJobFiles) EXPECT_EQ(ReadBytes((folder / f.first).string()), f.second) << f.first;
}

// Archives the programs never write: each is refused whole, says why, and is kept on leaving.
TEST_F(WithZlib, ARefusedArchiveIsToldAndKeptWhenTheJobIsLeft) {
  fs::path folder = dir.path() / "BEAMS";
  const std::string spec = Spec(dir, "BEAMS/BEAM1");
  fs::create_directories(folder);
  const std::string name = spec + ".ZIP", file = (folder / "BEAM1.ZIP").string(), geometry = (folder / "BEAM1.GEO").string();
  const std::string big(17u << 20, '\0');  // highly compressed: four of them are 68 MB
  const struct {
    const char* what;
    std::function<void()> make;
    const char* reason;
  } cases[] = {
      {"traversal", [&] { WriteZipEntries(LoadZipApi(), name, {"BEAM1.GEO", "..\\BEAM1.SUP"}, "x"); }, "names no File"},
      {"absolute path", [&] { WriteZipEntries(LoadZipApi(), name, {"\\BEAM1.GEO"}, "x"); }, "names no File"},
      {"drive path", [&] { WriteZipEntries(LoadZipApi(), name, {"C:BEAM1.GEO"}, "x"); }, "names no File"},
      {"case twin", [&] { WriteZipEntries(LoadZipApi(), name, {"BEAM1.GEO", "beam1.geo"}, "x"); }, "more than once"},
      {"repeated", [&] { WriteZipEntries(LoadZipApi(), name, {"BEAM1.GEO", "BEAM1.GEO"}, "x"); }, "more than once"},
      {"trailing dot", [&] { WriteZipEntries(LoadZipApi(), name, {"BEAM1.GEO", "BEAM1.ZIP."}, "x"); }, "names no File"},
      {"trailing blank", [&] { WriteZipEntries(LoadZipApi(), name, {"BEAM1.GEO", "BEAM1.ZIP "}, "x"); }, "names no File"},
      {"too much", [&] { WriteZipEntries(LoadZipApi(), name, {"BEAM1.A", "BEAM1.B", "BEAM1.C", "BEAM1.D"}, big, 1); },
       "more than 64 MB"},
      {"not a zip", [&] { WriteBytes(file, "PK but nothing more"); }, "no Zip Archive"},
      {"truncated", [&] {
         WriteZipEntries(LoadZipApi(), name, {"BEAM1.GEO", "BEAM1.SUP"}, "data");
         std::string b = ReadBytes(file);
         WriteBytes(file, b.substr(0, b.size() - 30));
       }, "no Zip Archive"},
      {"bad checksum", [&] {
         WriteZipEntries(LoadZipApi(), name, {"BEAM1.SUP", "BEAM1.GEO"}, "intact data of the job");
         std::string b = ReadBytes(file);
         b[b.find("PK\x01\x02", b.find("PK\x01\x02") + 4) + 16] ^= 0x55;  // the second entry's CRC
         WriteBytes(file, b);
       }, "'BEAM1.GEO' is Damaged"},
  };
  for (const auto& c : cases) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    ASSERT_NO_FATAL_FAILURE(c.make()) << c.what;
    const std::string archive = ReadBytes(file);
    ArchiveFault fault;
    EXPECT_FALSE(OpenJobFromZip(spec, &fault)) << c.what;
    EXPECT_EQ(fault.kind, ArchiveFault::kRefused) << c.what;
    EXPECT_NE(fault.reason.find(c.reason), std::string::npos) << c.what << ": " << fault.reason;
    EXPECT_NE(ArchiveFaultText(fault).find("Archive is Left as it is"), std::string::npos) << c.what;
    EXPECT_EQ(Names(folder), (std::set<std::string>{"BEAM1.ZIP"})) << c.what;
    // The user types a geometry into what looks like a new job and leaves it.
    WriteBytes(geometry, "new geometry");
    ArchiveJob(spec);
    EXPECT_EQ(ReadBytes(file), archive) << c.what;
    EXPECT_EQ(ReadBytes(geometry), "new geometry") << c.what;
  }
}

#ifndef _WIN32  // Windows cannot even hold such a job's archive: its name opens the device
TEST_F(WithZlib, AnEntryNamedAfterADeviceIsRefused) {
  fs::path folder = dir.path() / "JOBS";
  fs::create_directories(folder);
  for (const char* job : {"AUX", "nul", "COM1", "LPT9"}) {
    std::string name = Spec(dir, std::string("JOBS/") + job + ".ZIP");
    ASSERT_NO_FATAL_FAILURE(WriteZipEntries(LoadZipApi(), name, {(std::string(job) + ".GEO").c_str()}, "data"));
    ArchiveFault fault;
    EXPECT_FALSE(UnzipArchive(name, &fault)) << job;
    EXPECT_EQ(fault.kind, ArchiveFault::kRefused) << job;
    fs::remove(folder / (std::string(job) + ".ZIP"));
  }
  EXPECT_TRUE(fs::is_empty(folder));
}
#endif

TEST_F(WithZlib, EntriesCarryTheirFilesDates) {
  fs::path folder = dir.path() / "BEAMS";
  WriteJob(folder);
  // A date well before today: the entry must carry the file's, not the packing's.
  Age(folder / "BEAM1.GEO", folder / "BEAM1.GEO", -400 * 24 * 3600);
  const std::time_t t = static_cast<std::time_t>(hostfs::ModifiedTime(Spec(dir, "BEAMS/BEAM1.GEO")) / 1000000000LL);
  const std::tm local = *std::localtime(&t);
  const std::string spec = Spec(dir, "BEAMS/BEAM1");
  ASSERT_TRUE(ZipJobFiles(spec));
  const ZipApi* z = LoadZipApi();
  void* unz = z->unzOpen((spec + ".ZIP").c_str());
  ASSERT_NE(unz, nullptr);
  int found = 0;
  for (int step = z->unzGoToFirstFile(unz); step == 0; step = z->unzGoToNextFile(unz)) {
    ZipApi::EntryInfo info{};
    char entry[64] = {};
    ASSERT_EQ(z->unzGetCurrentFileInfo(unz, &info, entry, sizeof entry, nullptr, 0, nullptr, 0), 0);
    EXPECT_GE(info.tm[3], 1u) << entry;  // never day 0
    EXPECT_GE(info.tm[5], 1981u) << entry;
    if (std::string(entry) != "BEAM1.GEO") continue;
    ++found;
    const unsigned expected[6] = {static_cast<unsigned>(local.tm_sec / 2 * 2), static_cast<unsigned>(local.tm_min),
                                  static_cast<unsigned>(local.tm_hour), static_cast<unsigned>(local.tm_mday),
                                  static_cast<unsigned>(local.tm_mon), static_cast<unsigned>(local.tm_year + 1900)};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(info.tm[i], expected[i]) << i;
  }
  z->unzClose(unz);
  EXPECT_EQ(found, 1);
}

// The names of a job with `count` entries: its geometry and tiny files <job>.1000, <job>.1001, ...
std::vector<std::string> ManyEntries(const std::string& job, int count) {
  std::vector<std::string> names{job + ".GEO"};
  for (int i = 1; i < count; ++i) names.push_back(job + "." + std::to_string(999 + i));
  return names;
}

// An archive of more entries than a job has is refused before anything is read or written; one of
// as many as a job may have is unpacked whole.
TEST_F(WithZlib, AnArchiveOfMoreEntriesThanAJobHasIsRefusedAtOnce) {
  fs::path folder = dir.path() / "BEAMS";
  const std::string spec = Spec(dir, "BEAMS/BEAM1");
  for (int count : {static_cast<int>(kMaxJobEntries), static_cast<int>(kMaxJobEntries) + 1, 8000}) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    ASSERT_NO_FATAL_FAILURE(WriteZipEntries(LoadZipApi(), spec + ".ZIP", ManyEntries("BEAM1", count), "x"));
    ArchiveFault fault;
    const bool unpacked = OpenJobFromZip(spec, &fault);
    if (count <= static_cast<int>(kMaxJobEntries)) {
      EXPECT_TRUE(unpacked) << count << ": " << fault.reason;
      EXPECT_EQ(Names(folder).size(), static_cast<size_t>(count) + 1) << count;
      continue;
    }
    EXPECT_FALSE(unpacked) << count;
    EXPECT_EQ(fault.kind, ArchiveFault::kRefused) << count;
    EXPECT_NE(fault.reason.find(std::to_string(count) + " Files, more than the 1000 a Job has"), std::string::npos)
        << fault.reason;
    EXPECT_EQ(Names(folder), (std::set<std::string>{"BEAM1.ZIP"})) << count;
  }
}

// The unpack lists the job's folder a fixed number of times, never once for each of its files:
// each such listing reads the whole folder, and a job of many files took minutes.
TEST_F(WithZlib, TheUnpackListsTheFolderAsOftenForAnyNumberOfFiles) {
  fs::path folder = dir.path() / "BEAMS";
  const std::string spec = Spec(dir, "BEAMS/BEAM1");
  std::vector<unsigned long> listings;
  for (int count : {10, 200}) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    ASSERT_NO_FATAL_FAILURE(WriteZipEntries(LoadZipApi(), spec + ".ZIP", ManyEntries("BEAM1", count), "x"));
    // Half of them loose already, older than the archive: those are replaced.
    for (int i = 0; i < count; i += 2) {
      const fs::path loose = folder / ManyEntries("BEAM1", count)[i];
      WriteBytes(loose.string(), "older");
      Age(loose, folder / "BEAM1.ZIP", -10);
    }
    const unsigned long before = hostfs::FolderListings();
    ASSERT_TRUE(OpenJobFromZip(spec)) << count;
    listings.push_back(hostfs::FolderListings() - before);
    EXPECT_EQ(ReadBytes((folder / "BEAM1.GEO").string()), "x") << count;
    EXPECT_EQ(Names(folder).size(), static_cast<size_t>(count) + 1) << count;
  }
  EXPECT_EQ(listings[0], listings[1]);
  EXPECT_LT(listings[0], 10u);  // fewer than one for each file even of the smaller job
}

// A program killed during the unpack leaves its temporary files; the next opening removes them,
// and never a file of another job, whatever its name.
TEST_F(WithZlib, TheNextOpeningRemovesWhatAKilledUnpackLeft) {
  fs::path folder = dir.path() / "BEAMS";
  WriteJob(folder);
  const std::string spec = Spec(dir, "BEAMS/BEAM1");
  ArchiveJob(spec);
  // Another job whose name begins with a sign an unpack might use for its temporary names.
  const std::set<std::string> others = {"~BEAM1.GEO", "~BEAM1.SUP", "BEAM1X.GEO", "_BEAM1.GEO"};
  for (const auto& other : others) WriteBytes((folder / other).string(), "another job");
  struct Killed : std::runtime_error {
    Killed() : std::runtime_error("killed") {}
  };
  {
#ifdef SUITE_LSAN
    __lsan::ScopedDisabler lost;  // what the killed unpack held is not freed, as in a killed program
#endif
    int writes = 0;
    FaultyDisk disk([&writes](const std::string&) {
      if (++writes == 3) throw Killed();
      return false;
    });
    EXPECT_THROW(OpenJobFromZip(spec), Killed);
  }
  std::set<std::string> left = Names(folder);
  ASSERT_GT(left.size(), others.size() + 2) << "the killed unpack left nothing to remove";
  ASSERT_TRUE(OpenJobFromZip(spec));
  std::set<std::string> expected = others;
  expected.insert({"BEAM1.ZIP", "BEAM10.GEO"});
  for (const auto& f : kJobFiles) expected.insert(f.first);
  EXPECT_EQ(Names(folder), expected);
  for (const auto& f : kJobFiles) EXPECT_EQ(ReadBytes((folder / f.first).string()), f.second) << f.first;
  for (const auto& other : others) EXPECT_EQ(ReadBytes((folder / other).string()), "another job") << other;
}

// A "LASTJOB.ZIP" left by a program killed while leaving a job is kept under another name, and
// the job being left is packed all the same.
TEST_F(WithZlib, AStaleSpareArchiveNeverStopsALeave) {
  fs::path folder = dir.path() / "BEAMS";
  const std::string spec = Spec(dir, "BEAMS/BEAM1");
  for (int stale : {1, 2, 3}) {
    fs::remove_all(folder);
    WriteJob(folder);
    ArchiveJob(spec);
    ASSERT_TRUE(OpenJobFromZip(spec));
    WriteBytes((folder / "BEAM1.SUP").string(), "changed " + std::to_string(stale));
    // The stale spare archive and, past the first round, those kept by the rounds before.
    WriteBytes("LASTJOB.ZIP", "stale " + std::to_string(stale));
    const std::set<std::string> before = Names(dir.path());
    ArchiveJob(spec);
    for (const auto& f : kJobFiles) EXPECT_FALSE(fs::exists(folder / f.first)) << stale << " " << f.first;
    EXPECT_FALSE(fs::exists("LASTJOB.ZIP")) << stale;
    std::set<std::string> kept;
    for (const auto& name : Names(dir.path()))
      if (!before.count(name)) kept.insert(name);
    ASSERT_EQ(kept.size(), 1u) << stale;
    EXPECT_EQ(ReadBytes((dir.path() / *kept.begin()).string()), "stale " + std::to_string(stale)) << stale;
    // No job's archive may be named so: no job is opened or left under it.
    const std::string& name = *kept.begin();
    JobPathParts parts;
    int code = 0;
    ValidatePath(name.substr(0, name.rfind('.')), parts, code);
    EXPECT_NE(code, 0) << name;
    ASSERT_TRUE(OpenJobFromZip(spec)) << stale;
    EXPECT_EQ(ReadBytes((folder / "BEAM1.SUP").string()), "changed " + std::to_string(stale)) << stale;
  }
}

// Patches the little-endian field of `width` bytes at `at`.
void Put(std::string& bytes, size_t at, unsigned long value, int width) {
  for (int i = 0; i < width; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
}
unsigned long Get(const std::string& bytes, size_t at, int width) {
  unsigned long v = 0;
  for (int i = width - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
  return v;
}

std::vector<size_t> Headers(const std::string& bytes, const char* signature) {
  std::vector<size_t> at;
  for (size_t p = bytes.find(signature); p != std::string::npos; p = bytes.find(signature, p + 4)) at.push_back(p);
  return at;
}

// Archives no program writes, whose damage the entries' own checks cannot see: two directory
// entries reading one file's data (the second file would silently hold the first one's bytes),
// and names in UTF-8 beyond ASCII, which the folder could only hold read in some code page.
TEST_F(WithZlib, AnArchiveWhoseEntriesShareDataOrNeedACodePageIsRefused) {
  fs::path folder = dir.path() / "BEAMS";
  const std::string spec = Spec(dir, "BEAMS/BEAM1");
  const std::string file = (folder / "BEAM1.ZIP").string();
  auto twoFiles = [&](const char* first, const char* second) {
    const ZipApi* z = LoadZipApi();
    void* zip = z->zipOpen((spec + ".ZIP").c_str(), 0);
    ZipApi::FileInfo info{};
    for (const auto& [name, bytes] : {std::pair<const char*, std::string>{first, "geometry"}, {second, "supports"}}) {
      z->zipOpenNewFileInZip(zip, name, &info, nullptr, 0, nullptr, 0, nullptr, 8, -1);
      z->zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size()));
      z->zipCloseFileInZip(zip);
    }
    z->zipClose(zip, nullptr);
    return ReadBytes(file);
  };
  // Sets the UTF-8 mark (bit 11 of the flags) of every entry, in its local and directory header.
  auto utf8 = [](std::string b) {
    for (size_t at : Headers(b, "PK\x03\x04")) Put(b, at + 6, Get(b, at + 6, 2) | 0x800, 2);
    for (size_t at : Headers(b, "PK\x01\x02")) Put(b, at + 8, Get(b, at + 8, 2) | 0x800, 2);
    return b;
  };
  const struct {
    const char* what;
    std::function<std::string()> make;
    const char* reason;  // empty: the archive is sound
    std::set<std::string> files;
  } cases[] = {
      {"second entry reads the first one's data", [&] {
         std::string b = twoFiles("BEAM1.GEO", "BEAM1.SUP");
         const auto central = Headers(b, "PK\x01\x02");
         // Its check sum and sizes too, so that only the shared data gives it away.
         b.replace(central[1] + 16, 12, b.substr(central[0] + 16, 12));
         Put(b, central[1] + 42, Get(b, central[0] + 42, 4), 4);
         return b;
       }, "share their Data", {}},
      {"UTF-8 name beyond ASCII", [&] { return utf8(twoFiles("BEAM1.GEO", "BEAM1.G\xc3\x89O")); }, "Code Page", {}},
      {"UTF-8 names in ASCII", [&] { return utf8(twoFiles("BEAM1.GEO", "BEAM1.SUP")); }, "",
       {"BEAM1.GEO", "BEAM1.SUP"}},
  };
  for (const auto& c : cases) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string archive = c.make();
    WriteBytes(file, archive);
    ArchiveFault fault;
    const bool unpacked = OpenJobFromZip(spec, &fault);
    std::set<std::string> expected = c.files;
    expected.insert("BEAM1.ZIP");
    EXPECT_EQ(Names(folder), expected) << c.what;
    if (!*c.reason) {
      EXPECT_TRUE(unpacked) << c.what << ": " << fault.reason;
      EXPECT_EQ(ReadBytes((folder / "BEAM1.SUP").string()), "supports") << c.what;
      continue;
    }
    EXPECT_FALSE(unpacked) << c.what;
    EXPECT_EQ(fault.kind, ArchiveFault::kRefused) << c.what;
    EXPECT_NE(fault.reason.find("Damaged"), std::string::npos) << c.what << ": " << fault.reason;
    EXPECT_NE(fault.reason.find(c.reason), std::string::npos) << c.what << ": " << fault.reason;
    EXPECT_EQ(ReadBytes(file), archive) << c.what;
  }
}

}  // namespace
