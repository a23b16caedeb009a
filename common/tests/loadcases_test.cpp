#include <gtest/gtest.h>

#include "core/loadcases.h"
#include "testdir.h"

namespace {

TEST(CheckFirstLetters, Table) {
  using R = LoadCaseRule;
  const struct {
    const char* name;
    std::vector<std::string> listed;
    R rule;
  } cases[] = {
      {"B", {"A", "Bx"}, R::ClashesWithListed},
      {"b", {"A", "Bx"}, R::ClashesWithListed},  // "b" and "Bx" share the files of "B"
      {"B", {"A", "B"}, R::Holds},
      {"C", {"Ax", "Ay"}, R::ListedClash},
      {"  B  ", {" A ", "B "}, R::Holds},     // blanks round the names are ignored
      {"a", {"A"}, R::ClashesWithListed},     // "a" and "A" share one load file
      {"alpha", {"Alpha"}, R::ClashesWithListed},
      {"*X", {}, R::BadFirstCharacter},
      {"?", {"A"}, R::BadFirstCharacter},
      {"\"Q\"", {}, R::BadFirstCharacter},
      {"D", {"A", "B", "C"}, R::Holds},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckFirstLetters(c.name, c.listed, 50), c.rule) << c.name;
}

TEST(CheckFirstLetters, AFullListTakesNoNewNameButAListedOne) {
  std::vector<std::string> full;
  for (int i = 0; i < 50; ++i) full.push_back(std::string(1, static_cast<char>(0xA0 + i)) + "case");
  EXPECT_EQ(CheckFirstLetters("Z", full, 50), LoadCaseRule::ListFull);
  EXPECT_EQ(CheckFirstLetters(full[7], full, 50), LoadCaseRule::Holds);
  EXPECT_EQ(CheckFirstLetters("Z", full, 5000), LoadCaseRule::Holds);
  EXPECT_NE(LoadCaseRuleMessage(LoadCaseRule::ListFull, 50).find("No more than 50 LOAD CASES"), std::string::npos);
}

TEST(LoadCaseList, MoveToHeadKeepsOneCopy) {
  std::vector<std::string> names = {"A", "B", "C"};
  MoveLoadCaseToHead(names, " C ");
  EXPECT_EQ(names, (std::vector<std::string>{"C", "A", "B"}));
  MoveLoadCaseToHead(names, "D");
  EXPECT_EQ(names, (std::vector<std::string>{"D", "C", "A", "B"}));
  MoveLoadCaseToHead(names, "D");
  EXPECT_EQ(names, (std::vector<std::string>{"D", "C", "A", "B"}));
}

TEST(LoadCaseList, ReadsTrimmedNamesAndWritesNoEmptyLines) {
  TestDirectory dir;
  WriteBytes("JOB.CAS", "  DEAD \r\n\r\nLIVE\r\n   \r\n");
  EXPECT_EQ(ReadLoadCaseList("JOB.CAS", 50), (std::vector<std::string>{"DEAD", "LIVE"}));
  EXPECT_TRUE(ReadLoadCaseList("NONE.CAS", 50).empty());
  ASSERT_TRUE(WriteLoadCaseList("JOB.CAS", {"LIVE", "", "DEAD"}));
  EXPECT_EQ(ReadBytes("JOB.CAS"), "LIVE\r\nDEAD\r\n");
  std::string many;
  for (int i = 0; i < 60; ++i) many += "N" + std::to_string(i) + "\r\n";
  WriteBytes("MANY.CAS", many);
  EXPECT_EQ(ReadLoadCaseList("MANY.CAS", 50).size(), 50u);
  EXPECT_EQ(ReadLoadCaseList("MANY.CAS", 5000).size(), 60u);
}

TEST(LoadCaseList, CurrentNameHoldsTwentyNineCharacters) {
  std::string longName(40, 'L');
  EXPECT_EQ(CurrentCaseName(longName), std::string(29, 'L'));
  EXPECT_EQ(CurrentCaseName("DEAD"), "DEAD");
}

}  // namespace
