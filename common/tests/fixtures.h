#pragma once
// The fixtures of a test program: the folder of its job and result files, and one of them loaded.
// The folder is SUITE_TEST_DATA (ctest sets it); a test program started by hand falls back on the
// folder its program compiled in. Under Wine a Linux path is taken on drive Z:.
//
//   inline std::filesystem::path DataFolder() { return FixtureFolder(MYPROGRAM_TEST_DATA); }
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "core/textfiles.h"
#include "testdir.h"

inline std::filesystem::path FixtureFolder(const std::string& fallback) {
  const char* env = std::getenv("SUITE_TEST_DATA");
  std::string folder = env ? env : fallback;
#ifdef _WIN32
  if (!folder.empty() && folder[0] == '/') folder = "Z:" + folder;
#endif
  return std::filesystem::absolute(folder);
}

// A fixture's lines (up to 5000). A missing one fails the test but gives empty lines, so that the
// test goes on without crashing.
inline TextLineArray LoadFixtureFrom(const std::filesystem::path& folder, const std::string& file, int& count) {
  TextLineArray lines;
  LoadTextLines((folder / file).string(), lines, 5000, count);
  if (count == 0) ADD_FAILURE() << "fixture " << file << " not found in " << folder.string();
  if (count == 0) lines.assign(64, std::string());
  return lines;
}
