#pragma once
// Writes an archive through ZLIB.DLL with the given entry names, each holding `content`, so a test
// can build archives the programs would never write (entries naming other folders, say).
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/archive.h"

inline void WriteZipEntries(const ZipApi* z, const std::string& name, const std::vector<std::string>& entries,
                            const std::string& content, int level = -1) {
  ASSERT_NE(z, nullptr);
  void* zip = z->zipOpen(name.c_str(), 0);
  ASSERT_NE(zip, nullptr);
  ZipApi::FileInfo info{};
  for (const std::string& entry : entries) {
    ASSERT_EQ(z->zipOpenNewFileInZip(zip, entry.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, 8, level), 0);
    ASSERT_EQ(z->zipWriteInFileInZip(zip, content.data(), static_cast<unsigned>(content.size())), 0);
    ASSERT_EQ(z->zipCloseFileInZip(zip), 0);
  }
  ASSERT_EQ(z->zipClose(zip, nullptr), 0);
}

inline void WriteZipEntries(const ZipApi* z, const std::string& name, std::initializer_list<const char*> entries,
                            const std::string& content, int level = -1) {
  WriteZipEntries(z, name, std::vector<std::string>(entries.begin(), entries.end()), content, level);
}
