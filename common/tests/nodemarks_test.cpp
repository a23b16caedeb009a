// The unyielding-node list and its marks: parse, join, toggle and the generated ranges.
#include <gtest/gtest.h>

#include "core/nodemarks.h"

namespace {

std::vector<int> Marked(const std::vector<int>& marks) {
  std::vector<int> nodes;
  for (size_t i = 1; i < marks.size(); ++i)
    if (marks[i] != 0) nodes.push_back(static_cast<int>(i));
  return nodes;
}

TEST(NodeMarks, ListsReadWithinTheNodes) {
  EXPECT_EQ(Marked(NodeMarks("3 , 7 , 12", 10)), (std::vector<int>{3, 7}));
  EXPECT_EQ(Marked(NodeMarks(" ,1,5, ", 5)), (std::vector<int>{1, 5}));
  EXPECT_EQ(Marked(NodeMarks("0,6", 5)), std::vector<int>{});
  EXPECT_EQ(Marked(NodeMarks("", 5)), std::vector<int>{});
}

TEST(NodeMarks, GeneratedRanges) {
  struct Case {
    int nodes, start, end, step;
    std::vector<int> marked;
  };
  const Case cases[] = {
      {11, 1, 11, 5, {1, 6, 11}},
      {12, 3, 11, 4, {3, 7, 11}},
      {10, 3, 9, 3, {3, 6, 9}},  // 2.6 rounded to 3
      {10, 1, 9, 0, {}},         // step 0
      {10, 9, 3, 3, {}},         // count below 1
      {11, 5, 20, 5, {5, 10}},   // never past the last node
      {11, -4, 11, 5, {1, 6, 11}},
  };
  for (const Case& c : cases) {
    std::vector<int> marks(static_cast<size_t>(c.nodes) + 1, 0);
    MarkNodeRange(marks, c.start, c.end, c.step);
    EXPECT_EQ(Marked(marks), c.marked) << c.start << "/" << c.end << "/" << c.step;
  }
  std::vector<int> kept = NodeMarks("2", 10);
  MarkNodeRange(kept, 4, 8, 4);
  EXPECT_EQ(Marked(kept), (std::vector<int>{2, 4, 8}));  // marks already set stay
}

TEST(NodeMarks, JoinAndToggle) {
  std::vector<int> marks(11, 0);
  marks[2] = 1;
  marks[10] = -1;
  EXPECT_EQ(JoinMarkedNodes(marks), "2,10");
  EXPECT_EQ(JoinMarkedNodes(std::vector<int>(6, 0)), "");
  EXPECT_EQ(ToggleMark(0), -1);
  EXPECT_EQ(ToggleMark(-1), 0);
  EXPECT_EQ(ToggleMark(1), 0);
}

}  // namespace
