#include <gtest/gtest.h>

#include "corvane/core/globals.h"
#include "corvane/core/loadentry.h"
#include "corvane/core/slots.h"
#include "testsupport.h"

namespace corvane {
namespace {

void Job(const char* type, const char* substructure, const char* shell = "N", int n = 4) {
  testing::SetJobGeometry(type, substructure, n, n + 1, n + 2, 0, 0);
  GeometryAnswers[kShellRoofSlot] = shell;
  LoadCaseName = "A";
}

TEST(LoadType, OptionsAndKindCodesOfEveryCase) {
  const struct {
    const char* type;
    const char* sub;
    const char* shell;
    std::vector<std::string> options;
    std::vector<int> kinds;
    const char* title;  // of mode 3 (tank) or 1
  } cases[] = {
      {"TANK", "ROOF STRUCTURE", "Y",
       {"&Self-Weight", "Nodal &Line Load", "&Vertical, related to Element Width",
        "Vertical, related to Element &Horiz. Projection", "Ho&rizontal, related to Element Vert. Projection",
        "&Normal, related to Element Width", "&Tangential, related to Element Width",
        "Ther&mal and Shrinkage/Swelling Effects"},
       {1, 2, 3, 4, 5, 6, 7, 8}, "ROOF STRUCTURE: SELECTION OF LOAD TYPE"},
      {"TANK", "BASE PLATE", "N",
       {"&Uniform Load and Self-Weight", "&Nodal Line Load", "Trapezoidal &Load", "&Hydrostatic Load",
        "&Thermal and Shrinkage/Swelling Effects"},
       {1, 2, 3, 6, 4}, "BASE PLATE: SELECTION OF LOAD TYPE"},
      // A shell answer left over from the roof changes nothing for the wall.
      {"TANK", "WALL", "Y",
       {"&Uniform Load and Self-Weight", "&Nodal Line Load", "Trapezoidal &Load", "&Hydrostatic Load",
        "&Thermal and Shrinkage/Swelling Effects"},
       {1, 2, 3, 6, 4}, "WALL: SELECTION OF LOAD TYPE"},
      {"BEAM/STRIP", "BEAM", "N",
       {"&Uniform Load and Self-Weight", "&Nodal Load", "Trapezoidal &Load", "&Temperature Change"}, {1, 2, 3, 4},
       "SELECTION OF LOAD TYPE"},
      {"BEAM/STRIP", "STRIP", "N",
       {"&Uniform Load and Self-Weight", "&Nodal Line Load", "Trapezoidal &Load", "&Temperature Change"},
       {1, 2, 3, 4}, "SELECTION OF LOAD TYPE"},
      {"PLATE", "PLATE", "N",
       {"&Uniform Load and Self-Weight", "&Nodal Line Load", "Trapezoidal &Load",
        "&Thermal and Shrinkage/Swelling Effects"},
       {1, 2, 3, 4}, "SELECTION OF LOAD TYPE"},
      {"TANK", "ROOF STRUCTURE", "N",
       {"&Uniform Load and Self-Weight", "&Nodal Line Load", "Trapezoidal &Load",
        "&Thermal and Shrinkage/Swelling Effects"},
       {1, 2, 3, 4}, "ROOF STRUCTURE: SELECTION OF LOAD TYPE"},
  };
  for (const auto& c : cases) {
    Job(c.type, c.sub, c.shell);
    EXPECT_EQ(LoadTypeOptions(), c.options) << c.sub;
    for (size_t k = 0; k < c.kinds.size(); ++k) EXPECT_EQ(LoadKindCode(static_cast<int>(k + 1)), c.kinds[k]) << c.sub << k;
    EXPECT_EQ(LoadTypeTitle(StructureType == "TANK" ? 3 : 1), c.title) << c.sub;
  }
}

struct Expected {
  int row, position;
  const char* text;
};

TEST(LoadTemplate, TablesOfEveryKindAndStructure) {
  const struct {
    const char* type;
    const char* sub;
    const char* shell;
    int kind;  // a shell roof's option
    int mode, rows, columns;
    std::vector<Expected> texts;
  } cases[] = {
      {"BEAM/STRIP", "BEAM", "N", 2, -1, 5, 3,
       {{0, 0, "NODAL"}, {0, 1, " NODAL LOAD DATA. Load Case: A"}, {1, 0, "&INPUT SAME LOADS AT ALL NODES"},
        {1, 1, "&GENERATE"}, {2, 0, "Node"}, {3, 0, "i"}, {2, 1, "Nodal Loads"}, {3, 1, "Pvi [kN] "},
        {3, 2, "Mi [kN.m] "}, {5, 0, " Start Node No :"}, {5, 1, " End Node No :"}, {5, 2, " Step :"},
        {5, 3, " NODAL LOAD"}, {5, 4, " Force Pvi [kN] ="}, {5, 5, " Moment Mi [kN.m] ="},
        {6, 0, "  - NODAL LOADS:"}, {6, 1, " Force Pvi [kN] ="}, {6, 2, " Moment Mi [kN.m] ="}, {6, 3, ""}}},
      {"BEAM/STRIP", "STRIP", "N", 2, -1, 5, 3, {{3, 1, "Pvi [kN/m] "}, {3, 2, "Mi [kN.m/m] "}}},
      {"TANK", "BASE PLATE", "N", 2, -1, 5, 3,
       {{0, 1, " BASE PLATE: NODAL LOAD DATA. Load Case: A"}, {5, 3, " BASE PLATE: NODAL LOAD"},
        {6, 0, " BASE PLATE - NODAL LOADS:"}, {3, 1, "Pvi [kN/m] "}}},
      {"TANK", "WALL", "N", 2, -1, 6, 4,
       {{3, 1, "Phi [kN/m] "}, {3, 2, "Qvi [kN/m] "}, {3, 3, "Mi [kN.m/m] "}, {5, 4, " Force Phi [kN/m] ="},
        {5, 5, " Force Qvi [kN/m] ="}, {5, 6, " Moment Mi [kN.m/m] ="}, {6, 3, " Moment Mi [kN.m/m] ="}}},
      {"BEAM/STRIP", "BEAM", "N", 3, -1, 4, 3,
       {{0, 0, "TRAPEZOIDAL"}, {0, 1, " TRAPEZOIDAL LOAD DATA. Load Case: A"},
        {1, 0, "&SET LINEAR LOAD BETWEEN NODES 'i-m'"}, {2, 0, "Element i"}, {2, 1, " Trapezoidal Load  [kN/m]"},
        {3, 0, "Nodes i-j"}, {3, 1, "at i, qi"}, {3, 2, "at j, qj"}, {5, 0, " Start Element No :"},
        {5, 3, " Intensity of TRAPEZOIDAL LOADING  [kN/m]"}, {5, 4, " at Node i, qi="}, {5, 5, " at Node j, qj="},
        {6, 0, " Start Node No (i):"}, {6, 1, " End Node No (m):"}, {6, 2, " Intensity of TRAPEZOIDAL LOAD  [kN/m]:"},
        {6, 3, " at Start Node i, qi="}, {6, 4, " at End Node m, qm="}}},
      {"PLATE", "PLATE", "N", 3, -1, 4, 3, {{2, 1, " Trapezoidal Load  [kPa]"}}},
      {"BEAM/STRIP", "STRIP", "N", 4, -1, 4, 3,
       {{0, 0, "TEMPERATURE"}, {0, 1, "TEMPERATURE LOAD (Change): A"}, {1, 0, "&SET UNIFORM TEMPERATURE CHANGES"},
        {2, 1, "Temperature Change [Celsius]"}, {3, 1, "Above Element"}, {3, 2, "Below Element"}}},
      {"TANK", "ROOF STRUCTURE", "Y", 2, -1, 7, 4,
       {{0, 1, " ROOF STRUCTURE: NODAL LOAD DATA. Load Case: A"}, {3, 1, "Pvi [kN/m] "}, {3, 2, "Qhi [kN/m] "},
        {3, 3, "Mi [kN.m/m] "}, {5, 5, " Force Qhi [kN/m] ="}, {6, 0, " ROOF STRUCTURE - NODAL LOADS:"}}},
      {"TANK", "ROOF STRUCTURE", "Y", 4, -1, 6, 3,
       {{0, 0, "TRAPEZOIDAL"}, {2, 1, " Trapezoidal Load  [kN/m] "}, {3, 1, "at i, pvi"}, {3, 2, "at j, pvj"},
        {5, 4, " at Node i, pvi="}, {5, 5, " at Node j, pvj="}, {6, 3, " at Start Node i, pvi="},
        {6, 4, " at End Node m, pvm="}}},
      {"TANK", "ROOF STRUCTURE", "Y", 7, -1, 6, 3, {{3, 1, "at i, qti"}, {6, 4, " at End Node m, qtm="}}},
  };
  for (const auto& c : cases) {
    Job(c.type, c.sub, c.shell);
    const bool roof = std::string(c.shell) == "Y";
    EXPECT_EQ(roof ? SetRoofLoadTemplate(c.kind) : SetLoadTemplate(c.kind), c.mode) << c.sub << c.kind;
    EXPECT_EQ(SharedIntegers(kTableRowsSlot), c.rows) << c.sub << c.kind;
    EXPECT_EQ(SharedIntegers(kCellColumnsSlot), c.columns) << c.sub << c.kind;
    EXPECT_EQ(SharedIntegers(kFieldCountSlot), 4);
    EXPECT_EQ(SharedIntegers(kFirstFieldIdSlot), 241);
    for (const auto& t : c.texts) EXPECT_EQ(FormTexts(t.row, t.position), t.text) << c.sub << c.kind << " " << t.row << "," << t.position;
  }
  Job("TANK", "ROOF STRUCTURE", "Y");
  for (int k = 3; k <= 7; ++k) {
    SetRoofLoadTemplate(k);
    EXPECT_EQ(GeometryAnswers[kRoofLoadKindSlot], std::to_string(k));
  }
}

TEST(LoadTemplate, FormsOfEveryKind) {
  const struct {
    const char* type;
    const char* sub;
    const char* shell;
    int kind, mode, fields, first;
    std::vector<Expected> texts;
  } cases[] = {
      {"BEAM/STRIP", "BEAM", "N", 1, 0, 2, 243,
       {{0, 1, " UNIFORM LOAD & MAT. MASS DENSITY"}, {6, 0, ""}, {6, 1, " Uniform Load Intensity [kN/m] ="},
        {6, 2, " Material Mass Density [kg/m^3] ="}, {6, 3, " UNIFORM LOAD AND MATERIAL'S MASS DENSITY"}}},
      {"TANK", "WALL", "N", 1, 0, 2, 243,
       {{0, 1, " WALL: UNIFORM LOAD & MAT. MASS DENSITY"}, {6, 1, " Uniform Load Intensity [kPa] ="},
        {6, 3, " WALL: UNIFORM LOAD AND MATERIAL'S MASS DENSITY"}}},
      {"TANK", "WALL", "N", 4, 7, 8, 237, {{6, 3, ""}}},
      {"PLATE", "PLATE", "N", 4, 7, 4, 241, {{6, 3, " PLATE - TEMPERATURE LOADING (Change):"}}},
      {"TANK", "BASE PLATE", "N", 6, 9, 2, 241,
       {{6, 1, " Liquid Density [kg/m^3] ="}, {6, 2, " Depth of Liquid [m] ="}, {6, 3, " HYDROSTATIC LOAD:"}}},
  };
  for (const auto& c : cases) {
    Job(c.type, c.sub, c.shell);
    EXPECT_EQ(SetLoadTemplate(c.kind), c.mode) << c.sub << c.kind;
    EXPECT_EQ(SharedIntegers(kFieldCountSlot), c.fields) << c.sub << c.kind;
    EXPECT_EQ(SharedIntegers(kFirstFieldIdSlot), c.first) << c.sub << c.kind;
    for (const auto& t : c.texts) EXPECT_EQ(FormTexts(t.row, t.position), t.text) << c.sub << c.kind;
  }
  Job("TANK", "ROOF STRUCTURE", "Y");
  EXPECT_EQ(SetRoofLoadTemplate(1), 0);
  EXPECT_EQ(SharedIntegers(kFieldCountSlot), 1);
  EXPECT_EQ(SharedIntegers(kFirstFieldIdSlot), 244);
  EXPECT_EQ(FormTexts(0, 1), " ROOF STRUCTURE: MATERIAL MASS DENSITY");
  EXPECT_EQ(FormTexts(6, 1), " Material Mass Density [kg/m^3] =");
  EXPECT_EQ(FormTexts(6, 3), " ROOF STRUCTURE: MATERIAL's MASS DENSITY");
  EXPECT_EQ(SetRoofLoadTemplate(8), 7);
  EXPECT_EQ(SharedIntegers(kFieldCountSlot), 4);
  EXPECT_EQ(FormTexts(6, 3), " ROOF STRUCTURE - TEMPERATURE LOADING (Change):");
}

TEST(LoadForm, ValuesAreKeptAsTheFormsRoundThem) {
  EXPECT_FLOAT_EQ(FormLoadValue(1.23456), 1.235f);
  EXPECT_FLOAT_EQ(FormLoadValue(-1.23456), -1.235f);
  EXPECT_FLOAT_EQ(FormLoadValue(0.00004), 0.0f);
  EXPECT_FLOAT_EQ(FormLoadValue(-0.00009), 0.0f);
  EXPECT_FLOAT_EQ(FormLoadValue(0.0004), 0.0f);  // three decimals
  EXPECT_FLOAT_EQ(FormStrainValue(0.00012346), 0.0001235f);
  EXPECT_FLOAT_EQ(FormStrainValue(-0.00012344), -0.0001234f);
  EXPECT_FLOAT_EQ(FormStrainValue(0.00004), 0.0f);
}

TEST(LoadForm, AcceptedTextsGoToTheirItems) {
  const struct {
    const char* type;
    const char* sub;
    const char* shell;
    int kind;
    std::vector<std::string> fields;
    std::vector<Expected> items;  // text = the value
  } cases[] = {
      {"BEAM/STRIP", "BEAM", "N", 1, {"-12.34567", "2500"}, {{1, 1, "-12.346"}, {1, 2, "2500"}}},
      {"TANK", "WALL", "N", 1, {"0.00004", "7850"}, {{2, 1, "0"}, {2, 2, "7850"}}},
      {"TANK", "ROOF STRUCTURE", "N", 1, {"3", "4"}, {{3, 1, "3"}, {3, 2, "4"}}},
      {"TANK", "WALL", "N", 4, {"1", "2", "3", "4.00049", "1E-4", "2E-4", "3E-4", "0.00012346"},
       {{10, 1, "1"}, {10, 4, "4"}, {7, 1, "1E-4"}, {7, 4, "0.0001235"}}},
      {"PLATE", "PLATE", "N", 4, {"15", "-5.25", "0.00012346", "0"}, {{9, 1, "15"}, {9, 2, "-5.25"}, {6, 1, "0.0001235"}, {6, 2, "0"}}},
      {"TANK", "ROOF STRUCTURE", "N", 4, {"12.5", "1", "2E-4", "-3E-4"}, {{12, 1, "12.5"}, {8, 2, "-3E-4"}}},
      {"TANK", "BASE PLATE", "N", 6, {"1000", "7.5"}, {{4, 1, "1000"}, {4, 2, "7.5"}}},
  };
  for (const auto& c : cases) {
    Job(c.type, c.sub, c.shell);
    LoadTable.Redim(12, 4);
    int mode = SetLoadTemplate(c.kind);
    FieldTexts = {""};
    FieldTexts.insert(FieldTexts.end(), c.fields.begin(), c.fields.end());
    StoreLoadForm(mode);
    for (const auto& it : c.items)
      EXPECT_FLOAT_EQ(LoadTable(it.row, it.position), std::stof(it.text)) << c.sub << " " << it.row << "," << it.position;
  }
  // The shell roof's one field is its mass density.
  Job("TANK", "ROOF STRUCTURE", "Y");
  LoadTable.Redim(12, 4);
  SetRoofLoadTemplate(1);
  FieldTexts = {"", "7850.12345"};
  StoreLoadForm(0);
  EXPECT_FLOAT_EQ(LoadTable(3, 2), 7850.123f);
  EXPECT_FLOAT_EQ(LoadTable(3, 1), 0.0f);
}

TEST(LoadCells, TablesShowTheirWorkTables) {
  Job("BEAM/STRIP", "BEAM");
  NodalLoadTable.Redim(5, 2);
  NodalLoadTable(2, 1) = 12.5f;
  NodalLoadTable(5, 2) = -1.0f / 3;
  SetLoadTemplate(2);
  EXPECT_EQ(FillLoadCells(), 2);
  EXPECT_EQ(CellTexts(1, 1), "   1");
  EXPECT_EQ(CellTexts(1, 5), "   5");
  EXPECT_EQ(CellTexts(2, 2), "12.5");
  EXPECT_EQ(CellTexts(3, 2), "0");
  EXPECT_EQ(CellTexts(3, 5), "-.3333333");

  TemperatureLoadTable.Redim(4, 2);
  TemperatureLoadTable(3, 1) = 20.126f;
  SetLoadTemplate(4);
  FillLoadCells();
  EXPECT_EQ(CellTexts(2, 3), "20.13");
  EXPECT_EQ(CellTexts(3, 3), "0.00");

  // A shell roof's linear kind shows its own table; the wall its three columns.
  Job("TANK", "ROOF STRUCTURE", "Y");
  for (int k = 3; k <= 7; ++k) RoofLoadTables[k].Redim(6, 2);
  RoofLoadTables[5](6, 2) = 5;
  SetRoofLoadTemplate(5);
  EXPECT_EQ(FillLoadCells(), 2);
  EXPECT_EQ(CellTexts(3, 6), "5");
  SetRoofLoadTemplate(4);
  FillLoadCells();
  EXPECT_EQ(CellTexts(3, 6), "0");
  Substructure = "WALL";
  WallNodalLoadTable.Redim(6, 3);
  WallNodalLoadTable(6, 3) = 2;
  SetLoadTemplate(2);
  EXPECT_EQ(FillLoadCells(), 3);
  EXPECT_EQ(CellTexts(4, 6), "2");

  // A job without elements: a table of no rows.
  Job("BEAM/STRIP", "BEAM", "N", 0);
  SetLoadTemplate(3);
  EXPECT_EQ(SharedIntegers(kTableRowsSlot), 0);
  FillLoadCells();
  EXPECT_EQ(CellTexts.Get(2, 1), "");
}

}  // namespace
}  // namespace corvane
