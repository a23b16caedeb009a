#include <gtest/gtest.h>

#include "core/joblist.h"
#include "testdir.h"

namespace {

TEST(JobList, AnAcceptedJobGoesFirstOnce) {
  std::vector<std::string> e = {"C:\\BEAMS\\A", "C:\\BEAMS\\B", "C:\\BEAMS\\C"};
  PutJobFirst(e, " C:\\BEAMS\\B ");
  EXPECT_EQ(e, (std::vector<std::string>{"C:\\BEAMS\\B", "C:\\BEAMS\\A", "C:\\BEAMS\\C"}));
  PutJobFirst(e, "C:\\BEAMS\\NEW");
  EXPECT_EQ(e.front(), "C:\\BEAMS\\NEW");
  EXPECT_EQ(e.size(), 4u);
}

TEST(JobList, AFullListDropsTheOldest) {
  std::vector<std::string> e;
  for (int i = 0; i < 50; ++i) e.push_back("JOB" + std::to_string(i));
  PutJobFirst(e, "NEWJOB");
  ASSERT_EQ(e.size(), 50u);
  EXPECT_EQ(e.front(), "NEWJOB");
  EXPECT_EQ(e.back(), "JOB48");
}

TEST(JobList, FirstAcceptedJobCreatesTheFile) {
  TestDirectory dir;
  std::vector<std::string> e = ReadJobList("FJOB$.BEA");
  EXPECT_TRUE(e.empty());
  PutJobFirst(e, "C:\\BEAMS\\BEAM1");
  ASSERT_TRUE(WriteJobList("FJOB$.BEA", e));
  EXPECT_EQ(ReadBytes("FJOB$.BEA"), "C:\\BEAMS\\BEAM1\r\n");
  EXPECT_EQ(ReadJobList("FJOB$.BEA"), e);
}

TEST(JobList, ProfilesAndExamples) {
  EXPECT_EQ(CorvaneJobList("BEAM/STRIP").listFile, "FJOB$.BEA");
  EXPECT_EQ(CorvaneJobList("STRIP").listFile, "FJOB$.BEA");
  EXPECT_EQ(CorvaneJobList("PLATE").listFile, "FJOB$.PLA");
  EXPECT_EQ(CorvaneJobList("TANK").example, "TANK1");
  JobListProfile b = CorvaneJobList("BEAM/STRIP");
  EXPECT_EQ(JobLocationText(b.folder, b.example, 2), " (1)  D:\\BEAMS\\BEAM1");
  EXPECT_EQ(JobLocationText(b.folder, b.example, 3), " (2)  BEAM10");
  EXPECT_EQ(JobLocationText(b.folder, b.example, 1),
            "\r\n\r\n    - files of job 'BEAM1'\r\n      are kept on drive D:\r\n      in directory \\BEAMS\\."
            "\r\n\r\n    - files of job 'BEAM10'\r\n      are stored in the\r\n      program directory.");
}

}  // namespace
