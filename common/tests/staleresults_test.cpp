// The rule that keeps results from outliving their data: which results a rewritten data file
// outdates, and that only a change of content removes them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/staleresults.h"
#include "core/textfiles.h"
#include "testdir.h"

namespace {

// Corvane's results: a substructure's file per case.
const ResultsProfile kProfile{{".RB", ".RP", ".RW", ".RR"}, {".GEO", ".SUP"}, ".LD"};

const std::vector<std::string> kFiles = {"JOB.GEO", "JOB.SUP", "JOB.CAS", "JOB.LDA", "JOB.LDB", "JOB.RBA",
                                         "JOB.RPA", "JOB.RBB", "JOB.RWB", "JOB.RRB", "JOB2.RBA", "JOBX.RBA"};

void WriteJobFiles() {
  for (const std::string& f : kFiles) ASSERT_TRUE(SaveTextLines(f, TextLineArray{"", "Job: JOB // " + f}, 1));
}

std::vector<std::string> Left() {
  std::vector<std::string> left;
  for (const std::string& f : kFiles)
    if (FileExists(f)) left.push_back(f);
  return left;
}

TEST(SaveJobDataFile, ChangedContentRemovesTheResultsItOutdates) {
  const std::vector<std::string> data = {"JOB.GEO", "JOB.SUP", "JOB.CAS", "JOB.LDA", "JOB.LDB"};
  const std::vector<std::string> others = {"JOB2.RBA", "JOBX.RBA"};
  auto with = [&](std::vector<std::string> kept) {
    std::vector<std::string> all;
    for (const std::string& f : kFiles)
      for (const std::string& k : kept)
        if (f == k) all.push_back(f);
    return all;
  };
  std::vector<std::string> allData = data;
  allData.insert(allData.end(), others.begin(), others.end());
  std::vector<std::string> caseB = allData, caseA = allData;
  for (const char* f : {"JOB.RBB", "JOB.RWB", "JOB.RRB"}) caseB.push_back(f);
  for (const char* f : {"JOB.RBA", "JOB.RPA"}) caseA.push_back(f);
  const struct {
    const char* what;
    std::string job, file;
    bool changed;
    std::vector<std::string> left;
  } cases[] = {
      {"geometry changed", "JOB", "JOB.GEO", true, with(allData)},
      {"geometry named in lower case", "JOB", "job.geo", true, with(allData)},
      {"supports changed", "JOB", "JOB.SUP", true, with(allData)},
      {"loads of case A changed", "JOB", "JOB.LDA", true, with(caseB)},
      {"loads of case B changed", "JOB", "JOB.LDB", true, with(caseA)},
      {"loads of a new case", "JOB", "JOB.LDC", true, kFiles},
      {"geometry rewritten as it was", "JOB", "JOB.GEO", false, kFiles},
      {"loads rewritten as they were", "JOB", "JOB.LDA", false, kFiles},
      {"the load-case list is no data of the results", "JOB", "JOB.CAS", true, kFiles},
  };
  for (const auto& c : cases) {
    TestDirectory dir;
    WriteJobFiles();
    const std::string same = c.file == "job.geo" ? "JOB.GEO" : c.file;
    TextLineArray lines{"", "Job: JOB // " + same};
    if (c.changed) lines.push_back("another value");
    EXPECT_TRUE(SaveJobDataFile(kProfile, c.job, c.file, lines, static_cast<int>(lines.size()) - 1)) << c.what;
    EXPECT_EQ(Left(), c.left) << c.what;
    int count = 0;
    TextLineArray read;
    LoadTextLines(c.file, read, 10, count);
    EXPECT_EQ(count, static_cast<int>(lines.size()) - 1) << c.what;  // the file is written all the same
  }
}

TEST(OutdatedResults, OnlyResultsOfTheJobItself) {
  TestDirectory dir;
  WriteJobFiles();
  EXPECT_EQ(OutdatedResults(kProfile, "JOB", "JOB.LDA").size(), 2u);  // .RBA and .RPA
  EXPECT_TRUE(OutdatedResults(kProfile, "JOB", "OTHER.GEO").empty());
  EXPECT_TRUE(OutdatedResults(kProfile, "JOB", "JOB").empty());
  EXPECT_EQ(OutdatedResults(ResultsProfile{{".RB"}, {".GEO", ".SUP"}, ".LD"}, "JOB", "JOB.SUP").size(), 2u);  // .RBA, .RBB
}

}  // namespace
