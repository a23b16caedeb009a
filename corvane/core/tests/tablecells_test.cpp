#include <gtest/gtest.h>

#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/core/tablecells.h"

namespace corvane {
namespace {

void Cells(const std::vector<std::vector<std::string>>& rows) {
  CellTexts.Redim(5, static_cast<int>(rows.size()));
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c) CellTexts(static_cast<int>(c + 2), static_cast<int>(r + 1)) = rows[r][c];
}

TEST(GeometryTable, OkCheckMessages) {
  const struct {
    const char* name;
    const char* type;
    const char* sub;
    const char* shell;
    double d;
    std::vector<std::vector<std::string>> rows;
    const char* message;
  } cases[] = {
      {"beam 10.005 m of 10 m", "BEAM/STRIP", "BEAM", "N", 10, {{"5", ".5", ".6"}, {"5.005", ".5", ".6"}}, ""},
      {"beam 10.02 m of 10 m", "BEAM/STRIP", "BEAM", "N", 10, {{"5", ".5", ".6"}, {"5.02", ".5", ".6"}},
       "Incorrect Element Length Data"},
      {"beam without width", "BEAM/STRIP", "BEAM", "N", 10, {{"5", ".5", ".6"}, {"5", "0", ".6"}},
       "Incorrect Element Width Data"},
      {"beam without width and depth: the later check", "BEAM/STRIP", "BEAM", "N", 10, {{"5", "0", ".6"}, {"5", ".5", ""}},
       "Incorrect Element Depth Data"},
      {"beam too short without depth: the length", "BEAM/STRIP", "BEAM", "N", 10, {{"5", ".5", "0"}, {"4", ".5", ".6"}},
       "Incorrect Element Length Data"},
      {"strip without thickness", "BEAM/STRIP", "STRIP", "N", 2, {{"1", ".3"}, {"1", "-1"}},
       "Incorrect Element Thickness Data"},
      {"plate widths short", "PLATE", "PLATE", "N", 6, {{"2", ".3"}, {"3", ".3"}}, "Incorrect Element Width Data"},
      {"shell roof without thickness", "TANK", "ROOF STRUCTURE", "Y", 6, {{"3", ".5", ".1"}, {"3", ".25", "0"}},
       "Incorrect Element Thickness Data"},
      {"shell roof", "TANK", "ROOF STRUCTURE", "Y", 6, {{"3", ".5", ".1"}, {"3", ".25", ".1"}}, ""},
      {"wall of height 0", "TANK", "WALL", "N", 0, {{"0", ".3"}, {"0", ".3"}}, "Incorrect Overall Width Data"},
      {"beam of length 0", "BEAM/STRIP", "BEAM", "N", 0, {{"0", ".5", ".6"}}, "Incorrect Overall Length Data"},
  };
  for (const auto& c : cases) {
    StructureType = c.type;
    Substructure = c.sub;
    GeometryAnswers.assign(8, "N");
    GeometryAnswers[kShellRoofSlot] = c.shell;
    Cells(c.rows);
    EXPECT_EQ(GeometryTableError(static_cast<int>(c.rows.size()), c.d), c.message) << c.name;
  }
}

TEST(LoadForm, RulesOfTheModes) {
  const struct {
    int mode;
    std::vector<std::string> fields;
    int count;
    bool holds;
  } cases[] = {
      {0, {"", "-5", "2400"}, 2, true},   // a negative uniform load
      {0, {"", "5", "-1"}, 2, false},     // a negative mass density
      {0, {"", "-1"}, 1, false},          // the shell roof's one mass-density field
      {0, {"", "7850"}, 1, true},
      {1, {"", "0", "3", "1", "2"}, 4, false},
      {1, {"", "3", "3", "1", "2"}, 4, true},
      {1, {"", "4", "3", "1", "2"}, 4, false},
      {4, {"", "3", "3", "1", "0"}, 4, false},
      {4, {"", "1", "5", "4", "0"}, 4, true},
      {4, {"", "1", "5", "5", "0"}, 4, false},
      {9, {"", "1000", "4"}, 2, true},    // depth equal to the wall height
      {9, {"", "1000", "4.001"}, 2, false},
      {9, {"", "1000", "-0.5"}, 2, false},
      {9, {"", "-1", "2"}, 2, false},
      {2, {"", "-5", "-6"}, 2, true},
      {7, {"", "x"}, 4, true},
  };
  for (const auto& c : cases) {
    FieldTexts = c.fields;
    EXPECT_EQ(LoadFormRuleHolds(c.mode, c.fields, c.count, 4.0), c.holds) << "mode " << c.mode << " " << c.fields[1];
  }
}

TEST(LoadForm, EveryRangeModeRefusesStep0AndStart0) {
  for (int mode : {4, 5, 6, 11, 12}) {
    EXPECT_TRUE(LoadFormRuleHolds(mode, {"", "1", "10", "9", "2"}, 4, 0)) << mode;
    EXPECT_FALSE(LoadFormRuleHolds(mode, {"", "1", "10", "10", "2"}, 4, 0)) << mode;
    EXPECT_FALSE(LoadFormRuleHolds(mode, {"", "1", "10", "0", "2"}, 4, 0)) << mode << " step 0";
    EXPECT_FALSE(LoadFormRuleHolds(mode, {"", "2", "10", "-1", "2"}, 4, 0)) << mode << " step -1";
    EXPECT_FALSE(LoadFormRuleHolds(mode, {"", "0", "10", "1", "2"}, 4, 0)) << mode << " start 0";
    EXPECT_FALSE(LoadFormRuleHolds(mode, {"", "-3", "10", "1", "2"}, 4, 0)) << mode << " start -3";
    EXPECT_FALSE(LoadFormRuleHolds(mode, {"", "0.4", "10", "1", "2"}, 4, 0)) << mode << " start rounds to 0";
    EXPECT_FALSE(LoadFormRuleHolds(mode, {"", "1", "10", "0.3", "2"}, 4, 0)) << mode << " step rounds to 0";
  }
}

TEST(TableCells, SupportTablesAndTheirAnswers) {
  const struct {
    const char* sub;
    const char* kind;
    int columns;
    Table2D<float>* table;
    int answer;
  } cases[] = {{"BEAM", "ELASTIC", 2, &ElasticSupportTable, 3},
               {"PLATE", "WINKLER", 2, &WinklerTable, 4},
               {"WALL", "ELASTIC", 2, &WallRestraintTable, 8},
               {"WALL", "WINKLER", 1, &WallWinklerTable, 7}};
  for (const auto& c : cases) {
    Substructure = c.sub;
    SupportFlags.assign(20, "Y");
    c.table->Redim(0, 0);
    Cells({{"0", "0"}, {"0.00001", "0"}, {"0", "0"}});
    StoreSupportCells(c.kind, 3, c.columns);
    EXPECT_EQ(SupportFlags[static_cast<size_t>(c.answer)], "N") << c.sub << " " << c.kind;
    Cells({{"0", "0"}, {"0", "250"}, {"12.5", "0"}});
    SupportFlags.assign(20, "Y");
    StoreSupportCells(c.kind, 3, c.columns);
    EXPECT_EQ(SupportFlags[static_cast<size_t>(c.answer)], "Y") << c.sub << " " << c.kind;
    EXPECT_FLOAT_EQ((*c.table)(3, 0), 3.0f);
    EXPECT_FLOAT_EQ((*c.table)(3, 1), 12.5f);
    if (c.columns == 2) {
      EXPECT_FLOAT_EQ((*c.table)(2, 2), 250.0f);
    }
  }
}

TEST(TableCells, LoadTablesOfTheKind) {
  const struct {
    const char* sub;
    const char* kind;
    const char* shell;
    const char* roofKind;
    Table2D<float>* table;
  } cases[] = {{"BEAM", "NODAL", "N", "", &NodalLoadTable},
               {"STRIP", "TRAPEZOIDAL", "N", "", &TrapezoidalLoadTable},
               {"BEAM", "TEMPERATURE", "N", "", &TemperatureLoadTable},
               {"WALL", "NODAL", "N", "", &WallNodalLoadTable},
               {"WALL", "TRAPEZOIDAL", "N", "", &WallTrapezoidalLoadTable},
               {"ROOF STRUCTURE", "NODAL", "Y", "", &RoofNodalLoadTable},
               {"ROOF STRUCTURE", "TRAPEZOIDAL", "N", "6", &RoofLoadTables[3]},
               {"ROOF STRUCTURE", "TRAPEZOIDAL", "Y", "6", &RoofLoadTables[6]},
               {"ROOF STRUCTURE", "TRAPEZOIDAL", "Y", "7", &RoofLoadTables[7]}};
  for (const auto& c : cases) {
    Substructure = c.sub;
    GeometryAnswers.assign(8, "N");
    GeometryAnswers[kShellRoofSlot] = c.shell;
    GeometryAnswers[kRoofLoadKindSlot] = c.roofKind;
    c.table->Redim(0, 0);
    Cells({{"1", "2"}, {"-3.5", "4"}});
    StoreLoadCells(c.kind, 2, 2);
    EXPECT_FLOAT_EQ((*c.table)(2, 0), 2.0f) << c.sub << " " << c.kind;
    EXPECT_FLOAT_EQ((*c.table)(2, 1), -3.5f) << c.sub << " " << c.kind;
    EXPECT_FLOAT_EQ((*c.table)(1, 2), 2.0f) << c.sub << " " << c.kind;
  }
}

}  // namespace
}  // namespace corvane
