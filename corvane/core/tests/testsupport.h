#pragma once
// Helpers of Corvane's core tests: the job-file fixtures of tests/data and a line comparison.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "../../../common/tests/testdir.h"
#include "core/textfiles.h"

namespace corvane {
namespace testing {

// The folder of the fixtures (SUITE_TEST_DATA). Under Wine a Linux path is taken on drive Z:.
inline std::filesystem::path DataFolder() {
  const char* env = std::getenv("SUITE_TEST_DATA");
#ifdef CORVANE_TEST_DATA
  std::string folder = env ? env : CORVANE_TEST_DATA;
#else
  std::string folder = env ? env : "tests/data";
#endif
#ifdef _WIN32
  if (!folder.empty() && folder[0] == '/') folder = "Z:" + folder;
#endif
  return std::filesystem::absolute(folder);
}

inline TextLineArray LoadFixture(const std::string& file, int& count) {
  TextLineArray lines;
  LoadTextLines((DataFolder() / file).string(), lines, 5000, count);
  if (count == 0) ADD_FAILURE() << "fixture " << file << " not found in " << DataFolder().string();
  if (count == 0) lines.assign(64, std::string());  // the test fails, but does not crash
  return lines;
}

// Copies a fixture into the current directory under another name.
inline void CopyFixture(const std::string& file, const std::string& as) {
  std::filesystem::copy_file(DataFolder() / file, std::filesystem::current_path() / as,
                             std::filesystem::copy_options::overwrite_existing);
}

inline void ExpectSameLines(const TextLineArray& got, int gotCount, const TextLineArray& want, int wantCount,
                            const std::string& what) {
  EXPECT_EQ(gotCount, wantCount) << what;
  for (int i = 1; i <= std::min(gotCount, wantCount); ++i) EXPECT_EQ(got[i], want[i]) << what << " line " << i;
}

// The lines of a file written by the program.
inline TextLineArray FileLines(const std::string& file, int& count) {
  TextLineArray lines;
  count = 0;
  LoadTextLines(file, lines, 10000, count);
  return lines;
}

}  // namespace testing
}  // namespace corvane
