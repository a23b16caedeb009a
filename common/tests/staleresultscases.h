#pragma once
// The data commands of a program against the results they outdate: for each case the job is
// written as the program writes it, a results report of the case and one of another case are
// left beside it, the command runs, and the reports that remain are compared with the case's.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/textfiles.h"

struct DataCommandCase {
  const char* what;
  std::function<void()> command;
  bool caseKept, otherKept;  // the case's report, the other case's
};

inline void ExpectResultsAfterDataCommands(const std::vector<DataCommandCase>& cases, const std::function<void()>& writeJob,
                                           const std::string& caseReport, const std::string& otherReport) {
  for (const DataCommandCase& c : cases) {
    writeJob();
    const TextLineArray report{"", "results of the data as they were"};
    ASSERT_TRUE(SaveTextLines(caseReport, report, 1));
    ASSERT_TRUE(SaveTextLines(otherReport, report, 1));
    c.command();
    EXPECT_EQ(FileExists(caseReport), c.caseKept) << c.what;
    EXPECT_EQ(FileExists(otherReport), c.otherKept) << c.what;
  }
}
