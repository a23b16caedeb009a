#include "corvane/core/loadentry.h"

#include <cmath>

#include "core/jobnames.h"
#include "core/loadcases.h"
#include "core/numbers.h"
#include "core/tableentry.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/globals.h"
#include "corvane/core/loadfile.h"
#include "corvane/core/slots.h"
#include "corvane/core/supportfile.h"

namespace corvane {

namespace {

void Set(int row, int position, const std::string& text) { FormTexts(row, position) = text; }

void NewTemplate() { FormTexts.Redim(6, 6); }

void Shape(int fields, int firstField, int rows, int columns) {
  SharedIntegers(kFieldCountSlot) = fields;
  SharedIntegers(kFirstFieldIdSlot) = firstField;
  SharedIntegers(kTableRowsSlot) = rows;
  SharedIntegers(kCellColumnsSlot) = columns;
}

int Elements() { return ElementCount(SubstructureNumber()); }

// The prefix without its trailing ": " (a beam's, strip's or plate's " " stays).
std::string HeadingStem() {
  std::string p = LoadTitlePrefix();
  if (p.size() >= 2 && p.compare(p.size() - 2, 2, ": ") == 0) p.erase(p.size() - 2);
  return p;
}

std::string CaseTitle(const std::string& what) { return LoadTitlePrefix() + what + " Load Case: " + LoadCaseName; }

// A nodal table: the forces' names, then the moment, each with its unit.
void NodalTemplate(const std::vector<std::string>& forces, const std::string& force, const std::string& moment) {
  Set(0, 0, "NODAL");
  Set(0, 1, CaseTitle("NODAL LOAD DATA."));
  Set(1, 0, "&INPUT SAME LOADS AT ALL NODES");
  Set(1, 1, "&GENERATE");
  Set(2, 0, "Node");
  Set(3, 0, "i");
  Set(2, 1, "Nodal Loads");
  Set(5, 0, " Start Node No :");
  Set(5, 1, " End Node No :");
  Set(5, 2, " Step :");
  Set(5, 3, LoadTitlePrefix() + "NODAL LOAD");
  Set(6, 0, HeadingStem() + " - NODAL LOADS:");
  int c = 1;
  for (const auto& f : forces) {
    Set(3, c, f + force);
    Set(5, 3 + c, " Force " + f + force + "=");
    Set(6, c, " Force " + f + force + "=");
    ++c;
  }
  Set(3, c, "Mi" + moment);
  Set(5, 3 + c, " Moment Mi" + moment + "=");
  Set(6, c, " Moment Mi" + moment + "=");
  if (c == 2) Set(6, 3, "");
  Shape(4, 241, Elements() + 1, c + 1);
}

// A trapezoidal table: the unit, the two column headings, generation and linear-load labels.
void TrapezoidalTemplate(const std::string& unit, const std::string& name) {
  Set(0, 0, "TRAPEZOIDAL");
  Set(0, 1, CaseTitle("TRAPEZOIDAL LOAD DATA."));
  Set(1, 0, "&SET LINEAR LOAD BETWEEN NODES 'i-m'");
  Set(1, 1, "&GENERATE");
  Set(2, 0, "Element i");
  Set(2, 1, " Trapezoidal Load " + unit);
  Set(3, 0, "Nodes i-j");
  Set(3, 1, "at i, " + name + "i");
  Set(3, 2, "at j, " + name + "j");
  Set(5, 0, " Start Element No :");
  Set(5, 1, " End Element No :");
  Set(5, 2, " Step :");
  Set(5, 3, " Intensity of TRAPEZOIDAL LOADING " + unit);
  Set(5, 4, " at Node i, " + name + "i=");
  Set(5, 5, " at Node j, " + name + "j=");
  Set(6, 0, " Start Node No (i):");
  Set(6, 1, " End Node No (m):");
  Set(6, 2, " Intensity of TRAPEZOIDAL LOAD " + unit + ":");
  Set(6, 3, " at Start Node i, " + name + "i=");
  Set(6, 4, " at End Node m, " + name + "m=");
  Shape(4, 241, Elements(), 3);
}

// The thermal and shrinkage/swelling form: a wall's eight fields from 237, four from 241 else.
int ThermalTemplate() {
  if (Substructure == "WALL") {
    Shape(8, 237, 0, 0);
  } else {
    Set(6, 3, " " + Substructure + " - TEMPERATURE LOADING (Change):");
    Shape(4, 241, 0, 0);
  }
  return 7;
}

// The linear kinds 3..7 of a shell roof: the letters after "q"/"p" of their names.
const char* const kRoofNames[5] = {"qv", "pv", "ph", "qn", "qt"};

float Cut(double value, const char* mask) {
  if (!(std::fabs(value) >= 0.0001)) return 0.0f;
  return static_cast<float>(ParseNumber(FormatNumber(value, mask)));
}

double Field(int i) { return ParseNumber(AnswerAt(FieldTexts, i)); }

Table2D<float>& NodalOfSubstructure() {
  int s = SubstructureNumber();
  return s == 2 ? WallNodalLoadTable : s == 3 ? RoofNodalLoadTable : NodalLoadTable;
}

Table2D<float>& TrapezoidalOfSubstructure() {
  int s = SubstructureNumber();
  if (s == 3) {
    int k = IsShellRoof() ? static_cast<int>(ParseNumber(AnswerAt(GeometryAnswers, kRoofLoadKindSlot))) : 3;
    return RoofLoadTables[k >= 3 && k <= 7 ? k : 3];
  }
  return s == 2 ? WallTrapezoidalLoadTable : TrapezoidalLoadTable;
}

}  // namespace

bool IsShellRoof() { return Substructure == "ROOF STRUCTURE" && AnswerAt(GeometryAnswers, kShellRoofSlot) == "Y"; }

bool IsTankPlateOrWall() {
  return StructureType == "TANK" && (Substructure == "BASE PLATE" || Substructure == "WALL");
}

std::vector<std::string> LoadTypeOptions() {
  if (IsShellRoof())
    return {"&Self-Weight",
            "Nodal &Line Load",
            "&Vertical, related to Element Width",
            "Vertical, related to Element &Horiz. Projection",
            "Ho&rizontal, related to Element Vert. Projection",
            "&Normal, related to Element Width",
            "&Tangential, related to Element Width",
            "Ther&mal and Shrinkage/Swelling Effects"};
  if (IsTankPlateOrWall())
    return {"&Uniform Load and Self-Weight", "&Nodal Line Load", "Trapezoidal &Load", "&Hydrostatic Load",
            "&Thermal and Shrinkage/Swelling Effects"};
  if (Substructure == "BEAM")
    return {"&Uniform Load and Self-Weight", "&Nodal Load", "Trapezoidal &Load", "&Temperature Change"};
  if (Substructure == "STRIP")
    return {"&Uniform Load and Self-Weight", "&Nodal Line Load", "Trapezoidal &Load", "&Temperature Change"};
  return {"&Uniform Load and Self-Weight", "&Nodal Line Load", "Trapezoidal &Load",
          "&Thermal and Shrinkage/Swelling Effects"};
}

std::string LoadTypeTitle(int mode) {
  return mode == 3 ? Substructure + ": SELECTION OF LOAD TYPE" : std::string("SELECTION OF LOAD TYPE");
}

int LoadKindCode(int option) {
  if (IsTankPlateOrWall() && !IsShellRoof()) {
    if (option == 4) return 6;
    if (option == 5) return 4;
  }
  return option;
}

std::string LoadTitlePrefix() { return StructureType == "TANK" ? " " + Substructure + ": " : std::string(" "); }

int SetLoadTemplate(int kind) {
  NewTemplate();
  const bool beam = Substructure == "BEAM";
  switch (kind) {
    case 1: {
      const std::string prefix = LoadTitlePrefix();
      Set(0, 1, prefix + "UNIFORM LOAD & MAT. MASS DENSITY");
      Set(6, 1, std::string(" Uniform Load Intensity") + (beam ? " [kN/m] " : " [kPa] ") + "=");
      Set(6, 2, " Material Mass Density [kg/m^3] =");
      Set(6, 3, prefix + "UNIFORM LOAD AND MATERIAL'S MASS DENSITY");
      Shape(2, 243, 0, 0);
      return 0;
    }
    case 2:
      if (Substructure == "WALL") {
        NodalTemplate({"Phi", "Qvi"}, " [kN/m] ", " [kN.m/m] ");
      } else {
        NodalTemplate({"Pvi"}, beam ? " [kN] " : " [kN/m] ", beam ? " [kN.m] " : " [kN.m/m] ");
      }
      return -1;
    case 3:
      TrapezoidalTemplate(beam ? " [kN/m]" : " [kPa]", "q");
      return -1;
    case 4:
      if (StructureCode() != 1) return ThermalTemplate();
      Set(0, 0, "TEMPERATURE");
      Set(0, 1, "TEMPERATURE LOAD (Change): " + LoadCaseName);
      Set(1, 0, "&SET UNIFORM TEMPERATURE CHANGES");
      Set(1, 1, "&GENERATE");
      Set(2, 0, "Element i");
      Set(2, 1, "Temperature Change [Celsius]");
      Set(3, 0, "Nodes i-j");
      Set(3, 1, "Above Element");
      Set(3, 2, "Below Element");
      Shape(4, 241, Elements(), 3);
      return -1;
    case 6:
      Set(6, 1, " Liquid Density [kg/m^3] =");
      Set(6, 2, " Depth of Liquid [m] =");
      Set(6, 3, " HYDROSTATIC LOAD:");
      Shape(2, 241, 0, 0);
      return 9;
  }
  return -2;
}

int SetRoofLoadTemplate(int option) {
  NewTemplate();
  const std::string prefix = LoadTitlePrefix();
  if (option == 1) {
    Set(0, 1, prefix + "MATERIAL MASS DENSITY");
    Set(6, 1, " Material Mass Density [kg/m^3] =");
    Set(6, 3, prefix + "MATERIAL's MASS DENSITY");
    Shape(1, 244, 0, 0);
    return 0;
  }
  if (option == 2) {
    NodalTemplate({"Pvi", "Qhi"}, " [kN/m] ", " [kN.m/m] ");
    return -1;
  }
  if (option >= 3 && option <= 7) {
    AnswerSlot(GeometryAnswers, kRoofLoadKindSlot) = std::to_string(option);
    TrapezoidalTemplate(" [kN/m]", kRoofNames[option - 3]);
    Set(2, 1, " Trapezoidal Load  [kN/m] ");
    return -1;
  }
  if (option == 8) return ThermalTemplate();
  return -2;
}

int FillLoadCells() {
  const std::string kind = FormTexts.Get(0, 0);
  const bool nodal = kind == "NODAL", temperature = kind == "TEMPERATURE";
  const Table2D<float>& table =
      nodal ? NodalOfSubstructure() : temperature ? TemperatureLoadTable : TrapezoidalOfSubstructure();
  const int rows = std::max(0, SharedIntegers.Get(kTableRowsSlot));
  const int values = std::max(1, SharedIntegers.Get(kCellColumnsSlot) - 1);
  CellTexts.Redim(values + 1, rows);
  for (int r = 1; r <= rows; ++r) {
    CellTexts(1, r) = "   " + Trim(NumberToText(r));
    for (int c = 1; c <= values; ++c) {
      float v = table.Get(r, c);
      CellTexts(c + 1, r) = temperature ? Trim(FormatNumber(v, "###0.00")) : TableCellText(v);
      if (CellTexts(c + 1, r).empty()) CellTexts(c + 1, r) = "0";
    }
  }
  return values;
}

float FormLoadValue(double value) { return Cut(value, "###0.000"); }
float FormStrainValue(double value) { return Cut(value, "0.000E+##"); }

void StoreLoadForm(int mode) {
  const int n = SharedIntegers.Get(kFieldCountSlot);
  switch (mode) {
    case 0:
      if (n == 1) {
        LoadTable(3, 2) = FormLoadValue(Field(1));
      } else {
        int g = SubstructureNumber();
        LoadTable(g, 1) = FormLoadValue(Field(1));
        LoadTable(g, 2) = FormLoadValue(Field(2));
      }
      break;
    case 7: {
      const bool wall = n >= 8, roof = Substructure == "ROOF STRUCTURE";
      const int each = wall ? 4 : 2, temperatures = wall ? 10 : roof ? 12 : 9, strains = wall ? 7 : roof ? 8 : 6;
      for (int k = 1; k <= each; ++k) {
        LoadTable(temperatures, k) = FormLoadValue(Field(k));
        LoadTable(strains, k) = FormStrainValue(Field(each + k));
      }
      break;
    }
    case 9:
      LoadTable(4, 1) = FormLoadValue(Field(1));
      LoadTable(4, 2) = FormLoadValue(Field(2));
      break;
  }
}

bool VisitLoadData(const std::function<void(int s)>& dialogs) {
  if (CaseLetter(LoadCaseName).empty() ||
      CheckFirstLetters(LoadCaseName, {}, 50) == LoadCaseRule::BadFirstCharacter)
    return false;
  const int s = StructureCode();
  // A case without a load file starts empty, whatever the case or job before it held.
  ClearLoadWork();
  TextLines.assign(10001, std::string());
  Table2D<float> none;
  int ok = 0;
  LoadGeometryFile(JobSpec, none, 0, s, ok);
  if (ok != 1) return false;
  const int nb = ElementCount(1), nw = ElementCount(2), nr = ElementCount(3);
  // Only the support file's unyielding nodes lock cells: none of another job's.
  ClearSupportFlags(s);
  TextLines.assign(2, std::string());
  int n = 0;
  LoadTextLines(JobSpec + ".SUP", TextLines, 5000, n);
  if (n > 2) {
    int a = 0, b = 0, c = 0, d = 0, w = 0, r = 0;
    ReadSupportData(SupportFlags, TextLines, n, s, a, b, c, d, JobSpec, UnyieldingNodes, w, r);
  }
  SizeLoadTables(s, nb, nw, nr);
  ReadLoadFile(s);
  TextLines.assign(10001, std::string());
  if (dialogs) dialogs(s);
  TextLines.assign(2, std::string());
  const bool written = SaveLoadFile(s);
  SizeLoadTables(s, 0, 0, 0);
  TextLines.assign(2, std::string());
  return written;
}

}  // namespace corvane
