#include <gtest/gtest.h>

#include "corvane/core/globals.h"

namespace corvane {
namespace {

TEST(Globals, StructureAndSubstructureNumbers) {
  const struct {
    const char* type;
    const char* sub;
    int code, number;
  } cases[] = {{"BEAM/STRIP", "BEAM", 1, 1}, {"PLATE", "PLATE", 2, 1},       {"TANK", "BASE PLATE", 3, 1},
               {"TANK", "WALL", 3, 2},       {"TANK", "ROOF STRUCTURE", 3, 3}, {"", "", 1, 1}};
  for (const auto& c : cases) {
    StructureType = c.type;
    Substructure = c.sub;
    EXPECT_EQ(StructureCode(), c.code) << c.type;
    EXPECT_EQ(SubstructureNumber(), c.number) << c.sub;
  }
}

TEST(Globals, ElementCountIsTheWholePartWithinTheFileLimit) {
  const struct {
    double item;
    int count;
  } cases[] = {{10, 10}, {10.9, 10}, {0, 0}, {-3, 0}, {1e12, kMaxElements}};
  for (const auto& c : cases) {
    JobDataTable(2, 1) = c.item;
    EXPECT_EQ(ElementCount(2), c.count) << c.item;
  }
}

}  // namespace
}  // namespace corvane
