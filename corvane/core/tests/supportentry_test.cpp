// The rules of the support entry: the support-type boxes of each structure and their link to the
// support answers, the supported rule, the support tables' templates and cells, and the
// half-space check.
#include <gtest/gtest.h>

#include "core/numbers.h"
#include "corvane/core/slots.h"
#include "corvane/core/supportentry.h"
#include "testsupport.h"

namespace corvane {
namespace {

using testing::SetJobGeometry;

std::vector<int> States(const SupportStates& s) { return std::vector<int>(s.begin() + 1, s.end()); }

std::vector<std::string> Ids(const std::vector<SupportOption>& options) {
  std::vector<std::string> ids;
  for (const auto& o : options) ids.push_back(std::to_string(o.state) + ":" + std::to_string(o.id));
  return ids;
}

TEST(SupportTypes, BoxesAndOptionsOfEachStructure) {
  const struct {
    const char* type;
    const char* sub;
    int nr;
    double plateInner, roofInner;
    std::vector<std::string> ids;
    const char* first;
    const char* last;
  } cases[] = {
      {"BEAM/STRIP", "BEAM", 0, 0, 0, {"1:101", "2:102", "3:103", "4:171", "5:172", "6:173", "7:107"},
       "BEAM &Left Edge Fixed against Rotation", "BEAM &Right Edge Fixed against Rotation"},
      {"BEAM/STRIP", "STRIP", 0, 0, 0, {"1:101", "2:102", "3:103", "4:171", "5:172", "6:173", "7:107"},
       "STRIP &Left Edge Fixed against Rotation", "STRIP &Right Edge Fixed against Rotation"},
      {"PLATE", "PLATE", 0, 0, 0, {"1:101", "2:102", "3:103", "4:171", "5:172", "6:173"},
       "Plate Edge &Fixed against Rotation", "Plate Resting on Cross-&Anisotropic Half-Space"},
      {"PLATE", "PLATE", 0, 1.5, 0, {"1:101", "2:102", "3:103", "4:171", "5:172", "6:173", "7:107"},
       "Plate I&nner Edge Fixed against Rotation", "Plate Ou&ter Edge Fixed against Rotation"},
      {"TANK", "BASE PLATE", 4, 0, 0, {"1:101", "2:102", "3:103", "4:171", "5:172", "6:173"},
       "Plate Edge &Fixed against Rotation", "Plate Resting on Cross-&Anisotropic Half-Space"},
      {"TANK", "WALL", 4, 0, 0,
       {"1:101", "2:102", "3:171", "4:172", "5:173", "6:106", "7:181", "8:182", "9:183", "10:110"},
       "Tank Partially/Entirely &Buried in Soil", "Wall-Roof Connection &Located at Roof Middle-Surface"},
      {"TANK", "WALL", 0, 0, 0, {"1:101", "2:102", "3:171", "4:172", "5:173", "6:106", "7:107"},
       "Tank Partially/Entirely &Buried in Soil", "Wall Top Edge &Fixed against Rotation"},
      {"TANK", "ROOF STRUCTURE", 4, 0, 0, {"1:101"}, "Roof Edge &Fixed against Rotation",
       "Roof Edge &Fixed against Rotation"},
      {"TANK", "ROOF STRUCTURE", 4, 0, 1.0, {"1:101", "2:102"}, "Roof Ou&ter Edge Fixed against Rotation",
       "Roof &Inner Edge Fixed against Rotation"},
  };
  for (const auto& c : cases) {
    SetJobGeometry(c.type, c.sub, 10, 8, c.nr, c.plateInner, c.roofInner);
    auto options = SupportTypeOptions();
    EXPECT_EQ(Ids(options), c.ids) << c.sub;
    EXPECT_EQ(options.front().text, c.first) << c.sub;
    EXPECT_EQ(options.back().text, c.last) << c.sub;
  }
  SetJobGeometry("BEAM/STRIP", "BEAM", 10, 0, 0, 0, 0);
  EXPECT_EQ(SupportTypeOptions()[3].text, "BEAM Resting on &Winkler Foundation");
  EXPECT_EQ(SupportTypeDialogHeight(0, 7), 189);
  EXPECT_EQ(SupportTypeDialogHeight(1, 7), 194);
  SetJobGeometry("TANK", "ROOF STRUCTURE", 10, 8, 4, 0, 1.0);
  EXPECT_EQ(SupportTypeDialogHeight(1, 2), 146);
}

TEST(SupportTypes, FlagsToStatesAndBack) {
  const struct {
    const char* type;
    const char* sub;
    int nr;
    double plateInner, roofInner;
    std::vector<std::string> flags;  // items 1..
    std::vector<int> states;         // 1..10
  } cases[] = {
      {"BEAM/STRIP", "BEAM", 0, 0, 0, {"Y", "N", " Y ", "N", "N", "N", "Y"}, {1, 0, 1, 0, 0, 0, 1, 0, 0, 0}},
      {"PLATE", "PLATE", 0, 0, 0, {"N", "Y", "N", "Y", "N", "N", "Y"}, {0, 1, 0, 1, 0, 0, 0, 0, 0, 0}},
      {"PLATE", "PLATE", 0, 2.0, 0, {"N", "Y", "N", "Y", "N", "N", "Y"}, {0, 1, 0, 1, 0, 0, 1, 0, 0, 0}},
      {"TANK", "BASE PLATE", 4, 0, 0, {"Y", "N", "N", "N", "N", "Y", "Y", "Y"}, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0}},
      {"TANK", "WALL", 4, 0, 0, {"N", "N", "N", "N", "N", "N", "Y", "N", "H", "Y", " S", "Y"},
       {1, 0, 0, 1, 0, 1, 0, 0, 1, 1}},
      {"TANK", "WALL", 0, 0, 0, {"N", "N", "N", "N", "N", "N", "N", "Y", "S", "N", "Y", "N"},
       {0, 1, 0, 0, 1, 0, 1, 0, 0, 0}},
      {"TANK", "ROOF STRUCTURE", 4, 0, 1.0, {"", "", "", "", "", "", "", "", "", "", "", "", "N", "Y"},
       {0, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"TANK", "ROOF STRUCTURE", 4, 0, 0, {"", "", "", "", "", "", "", "", "", "", "", "", "Y", "Y"},
       {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SetJobGeometry(c.type, c.sub, 10, 8, c.nr, c.plateInner, c.roofInner);
    std::vector<std::string> flags = {""};
    flags.insert(flags.end(), c.flags.begin(), c.flags.end());
    SupportStates states{};
    MapSupportTypeFlags(flags, states, 1);
    EXPECT_EQ(States(states), c.states) << c.sub << " " << c.nr;
    // Back: the shown flags as written, trimmed; the others untouched.
    std::vector<std::string> back = flags;
    MapSupportTypeFlags(back, states, 0);
    SupportStates again{};
    MapSupportTypeFlags(back, again, 1);
    EXPECT_EQ(States(again), c.states) << c.sub;
  }
  // The wall's groups are written as letters, a lone edge as "Y"/"N".
  SetJobGeometry("TANK", "WALL", 10, 8, 4, 0, 0);
  std::vector<std::string> flags(20, "N");
  SupportStates s{};
  s[1] = 1;
  s[5] = 1;
  s[8] = 1;
  MapSupportTypeFlags(flags, s, 0);
  EXPECT_EQ(flags[kWallWinklerSlot], "Y");
  EXPECT_EQ(flags[kPlateWallJointSlot], "S");
  EXPECT_EQ(flags[kRoofWallJointSlot], "H");
  EXPECT_EQ(flags[kRoofJointMiddleSlot], "N");
  EXPECT_EQ(flags[kRoofEdgeFixedSlot], "N");  // the roof's own answers are left alone
  SetJobGeometry("TANK", "WALL", 10, 8, 0, 0, 0);
  s.fill(0);
  s[7] = 1;
  MapSupportTypeFlags(flags, s, 0);
  EXPECT_EQ(flags[kRoofWallJointSlot], "Y");
  EXPECT_EQ(flags[kPlateWallJointSlot], "M");  // a group with nothing set keeps its first button
}

TEST(SupportTypes, SupportedRule) {
  SetJobGeometry("BEAM/STRIP", "BEAM", 10, 0, 0, 0, 0);
  SupportStates s{};
  s[1] = 1;
  EXPECT_FALSE(StatesSupported(s));  // a fixed edge alone holds nothing up
  s[7] = 1;
  EXPECT_FALSE(StatesSupported(s));
  for (int i = 2; i <= 6; ++i) {
    SupportStates one{};
    one[static_cast<size_t>(i)] = 1;
    EXPECT_TRUE(StatesSupported(one)) << i;
  }
  SupportStates none{};
  for (const char* sub : {"WALL", "ROOF STRUCTURE"}) {
    SetJobGeometry("TANK", sub, 10, 8, 4, 0, 0);
    EXPECT_TRUE(StatesSupported(none)) << sub;
  }
  SetJobGeometry("TANK", "BASE PLATE", 10, 8, 4, 0, 0);
  EXPECT_FALSE(StatesSupported(none));
}

TEST(SupportTypes, WallConnectionsDefaultToMonolithic) {
  SetJobGeometry("TANK", "WALL", 10, 8, 4, 0, 0);
  std::vector<std::string> flags(20, "N");
  flags[kRoofWallJointSlot] = " H";
  DefaultWallConnections(flags);
  EXPECT_EQ(flags[kPlateWallJointSlot], "M");
  EXPECT_EQ(flags[kRoofWallJointSlot], " H");  // a stored letter is kept as it is
  SetJobGeometry("TANK", "WALL", 10, 8, 0, 0, 0);
  flags.assign(20, "N");
  DefaultWallConnections(flags);
  EXPECT_EQ(flags[kPlateWallJointSlot], "M");
  EXPECT_EQ(flags[kRoofWallJointSlot], "N");  // without a roof item 11 is the top edge's "Y"/"N"
}

TEST(SupportTables, TemplatesOfEachStructure) {
  const struct {
    const char* type;
    const char* sub;
    const char* kind;
    const char* title;
    const char* button;
    std::vector<std::string> units;
    const char* unit;
    int values, rows;
    bool remark;
  } cases[] = {
      {"BEAM/STRIP", "BEAM", "ELASTIC", "LINEAR ELASTIC SUPPORTS DATA:", "&SET SAME ELASTIC CONSTANTS AT ALL NODES",
       {"kv[kN/m]", "kr[kN.m/rad]"}, "NODE", 2, 11, false},
      {"BEAM/STRIP", "STRIP", "ELASTIC", "LINEAR ELASTIC SUPPORTS DATA:", "&SET SAME ELASTIC CONSTANTS AT ALL NODES",
       {"kv[kN/m^2]", "kr[kN/rad]"}, "NODE", 2, 11, false},
      {"BEAM/STRIP", "BEAM", "WINKLER", "WINKLER FOUNDATION DATA:", "&SET UNIFORM SUBGRADE MODULUS", {"k[kPa/m]"},
       "ELEMENT", 1, 10, true},
      {"PLATE", "PLATE", "ELASTIC", "LINEAR ELASTIC SUPPORTS' DATA:", "&SET SAME ELASTIC CONSTANTS AT ALL NODES",
       {"kv[kN/m^2]"}, "NODE", 1, 11, false},
      {"PLATE", "PLATE", "WINKLER", "WINKLER FOUNDATION DATA:", "&SET UNIFORM SUBGRADE MODULUS",
       {"at i, ki", "at j, kj"}, "NODE", 2, 10, false},
      {"TANK", "BASE PLATE", "ELASTIC", "BASE PLATE: LINEAR ELASTIC SUPPORTS' DATA",
       "&SET SAME ELASTIC CONSTANTS AT ALL NODES", {"kv[kN/m^2]"}, "NODE", 1, 11, false},
      {"TANK", "BASE PLATE", "WINKLER", "BASE PLATE: WINKLER FOUNDATION", "&SET SAME ELASTIC CONSTANTS AT ALL NODES",
       {"at i, ki", "at j, kj"}, "NODE", 2, 10, false},
      {"TANK", "WALL", "WINKLER", "WALL: WINKLER SOIL AROUND", "&SET UNIFORM SUBGRADE MODULUS", {"k[kPa/m]"},
       "ELEMENT", 1, 8, true},
      {"TANK", "WALL", "ELASTIC", "WALL: LINEAR ELASTIC SUPPORTS' DATA", "&SET SAME ELASTIC CONSTANTS AT ALL NODES",
       {"kh[kN/m^2]", "kr[kN/rad]"}, "NODE", 2, 9, false},
  };
  for (const auto& c : cases) {
    SetJobGeometry(c.type, c.sub, 10, 8, 4, 0, 0);
    SupportTableTemplate t = SupportTableFor(c.kind);
    EXPECT_EQ(t.title, c.title) << c.sub << c.kind;
    EXPECT_EQ(t.firstButton, c.button) << c.sub << c.kind;
    EXPECT_EQ(t.valueUnits, c.units) << c.sub << c.kind;
    EXPECT_EQ(t.unit, c.unit) << c.sub << c.kind;
    EXPECT_EQ(t.values, c.values) << c.sub << c.kind;
    EXPECT_EQ(static_cast<int>(t.labels.size()), c.values) << c.sub << c.kind;
    EXPECT_EQ(t.rows, c.rows) << c.sub << c.kind;
    EXPECT_EQ(!t.remark2.empty(), c.remark) << c.sub << c.kind;
  }
  SetJobGeometry("BEAM/STRIP", "STRIP", 10, 0, 0, 0, 0);
  EXPECT_EQ(SupportTableFor("ELASTIC").labels[1], " Elastic CONSTANT kr[kN/rad]=");
}

TEST(SupportTables, CellsShowTheWorkTable) {
  SetJobGeometry("BEAM/STRIP", "BEAM", 3, 0, 0, 0, 0);
  ElasticSupportTable.Redim(4, 2);
  ElasticSupportTable(2, 1) = 5000;
  ElasticSupportTable(2, 2) = 0.125f;
  FillSupportCells("ELASTIC", 4, 2);
  EXPECT_EQ(CellTexts.Get(1, 2), "    2");
  EXPECT_EQ(CellTexts.Get(2, 2), "5000");
  EXPECT_EQ(CellTexts.Get(3, 2), ".125");
  EXPECT_EQ(CellTexts.Get(2, 1), "0");
  Substructure = "WALL";
  StructureType = "TANK";
  WallWinklerTable.Redim(2, 1);
  WallWinklerTable(1, 1) = 300;
  FillSupportCells("WINKLER", 2, 1);
  EXPECT_EQ(CellTexts.Get(2, 1), "300");
}

TEST(HalfSpace, ItemChecks) {
  const struct {
    const char* kind;
    std::vector<std::string> texts;
    int problem;
  } cases[] = {
      {"ISOTROPIC", {"30000", "0.5"}, 0},
      {"ISOTROPIC", {"30000", "0"}, 2},
      {"ISOTROPIC", {"0", "0.3"}, 1},
      {"ISOTROPIC", {"0", "0.6"}, 2},  // the last failing item is reported
      {"ISOTROPIC", {"3E4", ".25"}, 0},
      {"CROSS-ANISOTROPIC", {"30000", "20000", "8000", "0.25", "0.3"}, 0},
      {"CROSS-ANISOTROPIC", {"30000", "20000", "8000", "0.25", "0"}, 5},
      {"CROSS-ANISOTROPIC", {"30000", "-2", "8000", "0.25", "0.3"}, 2},
  };
  for (const auto& c : cases) {
    std::vector<std::string> texts = {""};
    texts.insert(texts.end(), c.texts.begin(), c.texts.end());
    EXPECT_EQ(HalfSpaceProblem(c.kind, texts), c.problem) << c.kind << " " << c.texts[0] << " " << c.texts[1];
  }
  EXPECT_EQ(HalfSpaceItems("ISOTROPIC").size(), 2u);
  EXPECT_EQ(HalfSpaceItems("CROSS-ANISOTROPIC")[2].label, "Quasi Shear Modulus, G[kPa]= ");
}

TEST(HalfSpace, StoredWhereTheStructureKeepsIt) {
  SetJobGeometry("BEAM/STRIP", "BEAM", 3, 0, 0, 0, 0);
  SupportFlags.assign(20, "");
  SupportFlags[kHalfSpacePoissonSlot] = " 0.3";
  EXPECT_EQ(HalfSpaceOpeningText(1), "0.0");  // an empty stored value
  EXPECT_EQ(HalfSpaceOpeningText(2), "0.3");
  StoreHalfSpace({"", "25000", "0.35"});
  EXPECT_EQ(SupportFlags[kHalfSpaceModulusSlot], "25000");
  EXPECT_EQ(SupportFlags[kHalfSpacePoissonSlot], "0.35");
  SetJobGeometry("TANK", "BASE PLATE", 3, 3, 0, 0, 0);
  StoreHalfSpace({"", "1", "2", "3", "0.1", "0.2"});
  EXPECT_EQ(SupportFlags[kBaseModulusSlot], "1");
  EXPECT_EQ(SupportFlags[kBaseVerticalPoissonSlot], "0.2");
  EXPECT_EQ(SupportFlags[kHalfSpaceModulusSlot], "25000");
}

}  // namespace
}  // namespace corvane
