// ZLIB.DLL, loaded at run time as the programs load it: a file packed through the zip functions
// unpacks through the unzip functions to the same bytes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "testdir.h"

namespace {

typedef void* zipFile;
typedef void* unzFile;
struct tm_zip { unsigned tm_sec, tm_min, tm_hour, tm_mday, tm_mon, tm_year; };
struct zip_fileinfo { tm_zip tmz_date; unsigned long dosDate, internal_fa, external_fa; };
struct unz_global_info { unsigned long number_entry, size_comment; };
struct unz_file_info {
  unsigned long version, version_needed, flag, compression_method, dosDate, crc, compressed_size,
      uncompressed_size, size_filename, size_file_extra, size_file_comment, disk_num_start,
      internal_fa, external_fa;
  tm_zip tmu_date;
};

template <typename F>
F Get(HMODULE dll, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

TEST(ZlibDll, PacksAndUnpacksThroughTheExportedZipFunctions) {
  TestDirectory dir;
  std::string exeDir(MAX_PATH, '\0');
  exeDir.resize(GetModuleFileNameA(nullptr, &exeDir[0], MAX_PATH));
  exeDir = exeDir.substr(0, exeDir.find_last_of('\\') + 1);
  HMODULE dll = LoadLibraryA((exeDir + "ZLIB.DLL").c_str());
  ASSERT_NE(dll, nullptr);

  auto zipOpen = Get<zipFile (*)(const char*, int)>(dll, "zipOpen");
  auto zipOpenNewFileInZip = Get<int (*)(zipFile, const char*, const zip_fileinfo*, const void*, unsigned,
                                         const void*, unsigned, const char*, int, int)>(dll, "zipOpenNewFileInZip");
  auto zipWriteInFileInZip = Get<int (*)(zipFile, const void*, unsigned)>(dll, "zipWriteInFileInZip");
  auto zipCloseFileInZip = Get<int (*)(zipFile)>(dll, "zipCloseFileInZip");
  auto zipClose = Get<int (*)(zipFile, const char*)>(dll, "zipClose");
  auto unzOpen = Get<unzFile (*)(const char*)>(dll, "unzOpen");
  auto unzGetGlobalInfo = Get<int (*)(unzFile, unz_global_info*)>(dll, "unzGetGlobalInfo");
  auto unzGoToFirstFile = Get<int (*)(unzFile)>(dll, "unzGoToFirstFile");
  auto unzGetCurrentFileInfo = Get<int (*)(unzFile, unz_file_info*, char*, unsigned long, void*, unsigned long,
                                           char*, unsigned long)>(dll, "unzGetCurrentFileInfo");
  auto unzOpenCurrentFile = Get<int (*)(unzFile)>(dll, "unzOpenCurrentFile");
  auto unzReadCurrentFile = Get<int (*)(unzFile, void*, unsigned)>(dll, "unzReadCurrentFile");
  auto unzCloseCurrentFile = Get<int (*)(unzFile)>(dll, "unzCloseCurrentFile");
  auto unzClose = Get<int (*)(unzFile)>(dll, "unzClose");
  ASSERT_TRUE(zipOpen && zipOpenNewFileInZip && zipWriteInFileInZip && zipCloseFileInZip && zipClose);
  ASSERT_TRUE(unzOpen && unzGetGlobalInfo && unzGoToFirstFile && unzGetCurrentFileInfo && unzOpenCurrentFile &&
              unzReadCurrentFile && unzCloseCurrentFile && unzClose);

  std::string data;
  for (int i = 0; i < 2000; ++i) data += "Job: C:\\BEAMS\\BEAM1 // LOADS (" + std::to_string(i) + ")\r\n";

  zipFile z = zipOpen("ZIPVER.zip", 0);
  ASSERT_NE(z, nullptr);
  zip_fileinfo info{};
  ASSERT_EQ(zipOpenNewFileInZip(z, "BEAM1.LDA", &info, nullptr, 0, nullptr, 0, nullptr, 8, 6), 0);
  ASSERT_EQ(zipWriteInFileInZip(z, data.data(), static_cast<unsigned>(data.size())), 0);
  ASSERT_EQ(zipCloseFileInZip(z), 0);
  ASSERT_EQ(zipClose(z, nullptr), 0);

  unzFile u = unzOpen("ZIPVER.zip");
  ASSERT_NE(u, nullptr);
  unz_global_info g{};
  ASSERT_EQ(unzGetGlobalInfo(u, &g), 0);
  EXPECT_EQ(g.number_entry, 1u);
  ASSERT_EQ(unzGoToFirstFile(u), 0);
  unz_file_info fi{};
  char name[260] = {};
  ASSERT_EQ(unzGetCurrentFileInfo(u, &fi, name, sizeof name, nullptr, 0, nullptr, 0), 0);
  EXPECT_STREQ(name, "BEAM1.LDA");
  EXPECT_LT(fi.compressed_size, fi.uncompressed_size);
  ASSERT_EQ(unzOpenCurrentFile(u), 0);
  std::string back(fi.uncompressed_size + 16, '\0');
  int n = unzReadCurrentFile(u, &back[0], static_cast<unsigned>(back.size()));
  ASSERT_EQ(n, static_cast<int>(data.size()));
  back.resize(n);
  EXPECT_EQ(back, data);
  unzCloseCurrentFile(u);
  unzClose(u);
  FreeLibrary(dll);
}

}  // namespace
