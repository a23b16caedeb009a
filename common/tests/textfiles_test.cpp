#include <gtest/gtest.h>

#include <filesystem>

#include "core/textfiles.h"
#include "testdir.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// A file the system treats as hidden: a dot name (hidden for Linux tools and for Wine), and on
// Windows the hidden attribute as well.
void MakeHiddenFile(const std::string& name) {
  WriteBytes(name, "x");
#ifdef _WIN32
  SetFileAttributesA(name.c_str(), FILE_ATTRIBUTE_HIDDEN);
#endif
}

struct LoadCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

TEST(LoadTextLines, LineEndTable) {
  TestDirectory dir;
  const LoadCase cases[] = {
      {"crlf", "Job: X\r\nline 2\r\n", {"Job: X", "line 2"}},
      {"cr only", "a\rb\rc\r", {"a", "b", "c"}},
      {"lf only", "a\nb\nc\n", {"a", "b", "c"}},
      {"mixed ends", "a\r\nb\nc\rd\n\ne", {"a", "b", "c", "d", "", "e"}},
      {"no end on last", "a\r\nlast", {"a", "last"}},
      {"ctrl-z", "a\r\nb\r\n\x1a" "ignored\r\n", {"a", "b"}},
      {"blank lines", "\r\n\r\nx\r\n", {"", "", "x"}},
      {"empty", "", {}},
  };
  for (const auto& c : cases) {
    WriteBytes("T.TXT", c.bytes);
    TextLineArray lines;
    int count = -1;
    LoadTextLines("T.TXT", lines, 5000, count);
    ASSERT_EQ(count, static_cast<int>(c.lines.size())) << c.name;
    for (int i = 1; i <= count; ++i) EXPECT_EQ(lines[i], c.lines[i - 1]) << c.name << " line " << i;
  }
}

TEST(LoadTextLines, CapacityIsOnlyAReserve) {
  TestDirectory dir;
  std::string bytes;
  for (int i = 1; i <= 60; ++i) bytes += "line " + std::to_string(i) + "\r\n";
  WriteBytes("LIST.TXT", bytes);
  TextLineArray lines(51);  // a list array dimensioned 0 to 50
  int count = 0;
  LoadTextLines("LIST.TXT", lines, 50, count);
  ASSERT_EQ(count, 60);
  EXPECT_EQ(lines[60], "line 60");
}

TEST(LoadTextLines, MissingFileLeavesTheArrayUntouched) {
  TestDirectory dir;
  TextLineArray lines = {"", "keep"};
  int count = 7;
  LoadTextLines("NONE.GEO", lines, 5000, count);
  EXPECT_EQ(count, 0);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "keep");
}

TEST(SaveTextLines, WritesCrLfAndReadsBack) {
  TestDirectory dir;
  TextLineArray lines = {"unused", "Job: C:\\B\\J1 // SUPPORTS", "", "  1.500"};
  ASSERT_TRUE(SaveTextLines("J1.SUP", lines, 3));
  EXPECT_EQ(ReadBytes("J1.SUP"), "Job: C:\\B\\J1 // SUPPORTS\r\n\r\n  1.500\r\n");
  TextLineArray back;
  int count = 0;
  LoadTextLines("J1.SUP", back, 5000, count);
  ASSERT_EQ(count, 3);
  EXPECT_EQ(back[1], lines[1]);
  EXPECT_EQ(back[3], lines[3]);
}

TEST(SaveTextLines, CountZeroLeavesAnEmptyFile) {
  TestDirectory dir;
  WriteBytes("E.TXT", "old\r\n");
  ASSERT_TRUE(SaveTextLines("E.TXT", TextLineArray{""}, 0));
  EXPECT_TRUE(std::filesystem::exists("E.TXT"));
  EXPECT_EQ(ReadBytes("E.TXT"), "");
}

TEST(SaveTextLines, AFailedSaveKeepsTheOldFile) {
  TestDirectory dir;
  WriteBytes("JOB.GEO", "good data\r\n");
  std::filesystem::create_directory("JOB.GEO.~tmp");  // the new file cannot be written
  EXPECT_FALSE(SaveTextLines("JOB.GEO", TextLineArray{"", "new"}, 1));
  EXPECT_EQ(ReadBytes("JOB.GEO"), "good data\r\n");
  EXPECT_FALSE(SaveTextLines("NODIR\\JOB.GEO", TextLineArray{"", "new"}, 1));
  EXPECT_FALSE(std::filesystem::exists("NODIR"));
}

TEST(FileNames, CaseIsIgnoredAsOnWindows) {
  TestDirectory dir;
  ASSERT_TRUE(SaveTextLines("job1.geo", TextLineArray{"", "a"}, 1));
  EXPECT_TRUE(FileExists("JOB1.GEO"));
  TextLineArray lines;
  int count = 0;
  LoadTextLines("JOB1.GEO", lines, 10, count);
  EXPECT_EQ(count, 1);
  // Saving under the other case rewrites the one file.
  ASSERT_TRUE(SaveTextLines("JOB1.GEO", TextLineArray{"", "b"}, 1));
  LoadTextLines("job1.geo", lines, 10, count);
  EXPECT_EQ(lines[1], "b");
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) files += e.is_regular_file();
  EXPECT_EQ(files, 1);
}

TEST(FileExists, Table) {
  TestDirectory dir;
  std::filesystem::create_directory("BEAMS");
  WriteBytes((std::filesystem::path("BEAMS") / "JOB1.GEO").string(), "x");
  MakeHiddenFile(".HIDDEN");
  const struct {
    const char* name;
    bool exists;
  } cases[] = {
      {"BEAMS", true},             // a directory counts
      {"beams", true},
      {"BEAMS\\JOB1.GEO", true},
      {"BEAMS\\job1.geo", true},
      {"BEAMS\\*.GEO", true},      // wildcards match any entry
      {"BEAMS\\JOB?.GEO", true},
      {"BEAMS\\*.SUP", false},
      {"BEAMS\\JOB1", false},
      {".HIDDEN", false},          // hidden files count as absent
      {"NONE", false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(FileExists(c.name), c.exists) << c.name;
}

TEST(DeleteIfExists, DeletesOnlyTheNamedFile) {
  TestDirectory dir;
  WriteBytes("JOB.LDA", "a");
  WriteBytes("JOB.LDB", "b");
  DeleteIfExists("JOB.LD?");  // a built name never expands
  EXPECT_TRUE(std::filesystem::exists("JOB.LDA"));
  EXPECT_TRUE(std::filesystem::exists("JOB.LDB"));
  DeleteIfExists("job.lda");
  EXPECT_FALSE(std::filesystem::exists("JOB.LDA"));
  EXPECT_TRUE(std::filesystem::exists("JOB.LDB"));
  DeleteIfExists("MISSING.TXT");  // nothing happens, nothing is reported
}

TEST(EnsureJobDirectory, CreatesEveryMissingLevel) {
  TestDirectory dir;
  std::string root = dir.path().string();
#ifdef _WIN32
  std::string spec = root + "\\A\\B\\JOB1";
#else
  std::string spec = root + "/A/B/JOB1";
  for (char& ch : spec)
    if (ch == '/') ch = '\\';
#endif
  EnsureJobDirectory(spec);
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "A" / "B"));
  ASSERT_TRUE(SaveTextLines(spec + ".GEO", TextLineArray{"", "x"}, 1));
  EXPECT_TRUE(FileExists(spec + ".GEO"));
  EnsureJobDirectory(spec);  // present: nothing to do
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "A" / "B"));
}

}  // namespace
