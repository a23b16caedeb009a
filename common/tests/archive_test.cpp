#include <gtest/gtest.h>

#include <filesystem>

#include "core/archive.h"
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
