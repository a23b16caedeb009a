#include <gtest/gtest.h>

#include "core/jobspec.h"

namespace {

TEST(ValidatePath, SplitsAValidSpecification) {
  JobPathParts p;
  int code = 0;
  ValidatePath("C:\\BEAMS\\BEAM1", p, code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(p.drive, "C:");
  EXPECT_EQ(p.directory, "BEAMS");
  EXPECT_EQ(p.driveAndDirectory, "C:\\BEAMS");
  EXPECT_EQ(p.fileName, "BEAM1");
  EXPECT_EQ(p.baseName, "BEAM1");
  EXPECT_EQ(p.extension, "");
}

TEST(ValidatePath, DeepDirectoryAndExtension) {
  JobPathParts p;
  int code = 0;
  ValidatePath("D:\\JOBS\\2026\\plate.abc", p, code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(p.directory, "JOBS\\2026");
  EXPECT_EQ(p.driveAndDirectory, "D:\\JOBS\\2026");
  EXPECT_EQ(p.fileName, "plate.abc");
  EXPECT_EQ(p.baseName, "plate");
  EXPECT_EQ(p.extension, "abc");
}

TEST(ValidatePath, CodeTable) {
  const struct {
    const char* path;
    int code;
  } cases[] = {
      {"BEAM1", 0},
      {"\\BEAMS\\BEAM1", 0},
      {"c:\\beams\\beam1", 0},
      {"C:\\BEAMS\\BEAM 1", 1},
      {"C:\\BE+AMS\\X", 1},
      {"C:\\BE:AMS\\X", 2},
      {"CC:\\X\\Y", 3},
      {":\\X\\Y", 3},
      {"C:\\BEAMS\\", 4},
      {"C:\\BEAM1", 5},
      {"BEAMS\\BEAM1", 6},
      {"C:BEAMS\\X\\BEAM1", 7},
      {"C:\\BEAMS\\B.E.X", 8},
      {"C:\\BEAMS\\BEAM1.DATA", 9},
      {"C:\\A.B\\BEAM1", 9},     // the extension is everything after the first dot
      {".:B", 10},
      {"C:\\BEAMS\\JOBNUMBER12", 11},
      {"C:\\BEAMS\\BEAM1.", 13},
      // A long name must not hide a real fault found before it.
      {"C:\\BEAMS\\MY BEAM JOB", 1},
      {"C:\\ABCDEFGHI", 5},
      {"BEAMS\\LONGNAME123", 6},
  };
  for (const auto& c : cases) {
    JobPathParts p;
    int code = 0;
    ValidatePath(c.path, p, code);
    EXPECT_EQ(code, c.code) << c.path;
  }
}

TEST(ValidatePath, MessagesOfTheJobDialog) {
  EXPECT_EQ(JobPathMessage(1), "PROHIBITED characters are present in the PATH/FILE");
  EXPECT_EQ(JobPathMessage(6), "DIRECTORY IMPROPERLY specified");
  EXPECT_EQ(JobPathMessage(11), "");
}

}  // namespace
