#include "corvane/core/supportentry.h"

#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "core/tableentry.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"

namespace corvane {

namespace {

const char* const kConnectionLetters[3] = {"M", "H", "S"};

std::string Flag(const std::vector<std::string>& flags, int i) { return Trim(AnswerAt(flags, i)); }

// A connection group of three states from a letter, and back.
void LetterToStates(const std::string& letter, SupportStates& states, int first) {
  for (int k = 0; k < 3; ++k) states[static_cast<size_t>(first + k)] = letter == kConnectionLetters[k] ? 1 : 0;
}
std::string StatesToLetter(const SupportStates& states, int first) {
  for (int k = 0; k < 3; ++k)
    if (states[static_cast<size_t>(first + k)] == 1) return kConnectionLetters[k];
  return "M";  // the group shows its first button selected when none is set
}

bool IsConnectionLetter(const std::string& s) { return s == "M" || s == "H" || s == "S"; }

// The soil options that a beam/strip, a plate and a base plate share.
void SoilOptions(std::vector<SupportOption>& options, const std::string& prefix) {
  options.push_back({4, 171, prefix + "Resting on &Winkler Foundation", 1});
  options.push_back({5, 172, prefix + "Resting on &Isotropic Half-Space", 1});
  options.push_back({6, 173, prefix + "Resting on Cross-&Anisotropic Half-Space", 1});
}

Table2D<float>& SupportTable(const std::string& kind) {
  bool wall = Substructure == "WALL";
  if (kind == "ELASTIC") return wall ? WallRestraintTable : ElasticSupportTable;
  return wall ? WallWinklerTable : WinklerTable;
}

}  // namespace

SupportForm CurrentSupportForm() {
  if (StructureType == "TANK") {
    if (Substructure == "WALL") return SupportForm::Wall;
    if (Substructure == "ROOF STRUCTURE") return SupportForm::Roof;
    return SupportForm::BasePlate;
  }
  return StructureType == "PLATE" ? SupportForm::Plate : SupportForm::BeamStrip;
}

bool AnnularRoof() { return JobDataTable.Get(3, 2) > 0; }
bool AnnularPlate() { return JobDataTable.Get(1, 2) > 0; }
bool TankHasRoof() { return ElementCount(3) > 0; }

std::vector<SupportOption> SupportTypeOptions() {
  std::vector<SupportOption> o;
  switch (CurrentSupportForm()) {
    case SupportForm::BeamStrip: {
      const std::string s = Substructure;
      o.push_back({1, 101, s + " &Left Edge Fixed against Rotation", 0});
      o.push_back({2, 102, "&Unyielding Nodal Supports", 0});
      o.push_back({3, 103, "&Vertical and Rotational Elastic Nodal Supports", 0});
      SoilOptions(o, s + " ");
      o.push_back({7, 107, s + " &Right Edge Fixed against Rotation", 0});
      break;
    }
    case SupportForm::Plate: {
      // An annular plate's edges give their Alt letters up to the isotropic half-space (I) and
      // "&Ok" (O): "I&nner", "Ou&ter".
      bool annular = AnnularPlate();
      o.push_back({1, 101, annular ? "Plate I&nner Edge Fixed against Rotation" : "Plate Edge &Fixed against Rotation", 0});
      o.push_back({2, 102, "&Unyielding Nodal Supports", 0});
      o.push_back({3, 103, "&Vertical Elastic Nodal Supports Present", 0});
      SoilOptions(o, "Plate ");
      if (annular) o.push_back({7, 107, "Plate Ou&ter Edge Fixed against Rotation", 0});
      break;
    }
    case SupportForm::BasePlate:
      o.push_back({1, 101, "Plate Edge &Fixed against Rotation", 0});
      o.push_back({2, 102, "&Unyielding Nodal Supports", 0});
      o.push_back({3, 103, "&Vertical Elastic Nodal Supports", 0});
      SoilOptions(o, "Plate ");
      break;
    case SupportForm::Wall:
      o.push_back({1, 101, "Tank Partially/Entirely &Buried in Soil", 0});
      o.push_back({2, 102, "Elastic &Nodal Restraints", 0});
      o.push_back({3, 171, "&Monolithic Wall-Base Plate Connection", 2});
      o.push_back({4, 172, "&Hinged Wall-Base Plate Connection", 2});
      o.push_back({5, 173, "Wall Free to &Slide Radially on Base Plate", 2});
      o.push_back({6, 106, "Wall-&Plate Connection Located at Base Middle-Surface", 0});
      if (TankHasRoof()) {
        o.push_back({7, 181, "Monolithic Wall-&Roof Connection", 3});
        o.push_back({8, 182, "Hinged &Wall-Roof Connection", 3});
        o.push_back({9, 183, "Wall Top Free to &Displace Radially", 3});
        o.push_back({10, 110, "Wall-Roof Connection &Located at Roof Middle-Surface", 0});
      } else {
        o.push_back({7, 107, "Wall Top Edge &Fixed against Rotation", 0});
      }
      break;
    case SupportForm::Roof:
      if (AnnularRoof()) {
        // "&Ok" keeps the O.
        o.push_back({1, 101, "Roof Ou&ter Edge Fixed against Rotation", 0});
        o.push_back({2, 102, "Roof &Inner Edge Fixed against Rotation", 0});
      } else {
        o.push_back({1, 101, "Roof Edge &Fixed against Rotation", 0});
      }
      break;
  }
  return o;
}

int SupportTypeDialogHeight(int mode, int k) {
  int base = CurrentSupportForm() == SupportForm::Roof ? 185 : mode == 1 ? 168 : 163;
  return base + 13 * (k - 5);
}

void MapSupportTypeFlags(std::vector<std::string>& flags, SupportStates& states, int direction) {
  const bool toStates = direction == 1;
  if (toStates) states.fill(0);
  // One state and one "Y"/"N" flag.
  auto pair = [&](int state, int flag) {
    if (toStates) {
      states[static_cast<size_t>(state)] = Flag(flags, flag) == "Y" ? 1 : 0;
    } else {
      AnswerSlot(flags, flag) = states[static_cast<size_t>(state)] == 1 ? "Y" : "N";
    }
  };
  auto group = [&](int first, int flag) {
    if (toStates) {
      LetterToStates(Flag(flags, flag), states, first);
    } else {
      AnswerSlot(flags, flag) = StatesToLetter(states, first);
    }
  };
  switch (CurrentSupportForm()) {
    case SupportForm::BeamStrip:
      for (int i = 1; i <= 7; ++i) pair(i, i);
      break;
    case SupportForm::Plate:
      for (int i = 1; i <= 6; ++i) pair(i, i);
      if (AnnularPlate()) pair(7, 7);
      break;
    case SupportForm::BasePlate:
      for (int i = 1; i <= 6; ++i) pair(i, i);
      break;
    case SupportForm::Wall:
      pair(1, 7);
      pair(2, 8);
      group(3, 9);
      pair(6, 10);
      if (TankHasRoof()) {
        group(7, 11);
        pair(10, 12);
      } else {
        pair(7, 11);
      }
      break;
    case SupportForm::Roof:
      pair(1, 13);
      if (AnnularRoof()) pair(2, 14);
      break;
  }
}

bool StatesSupported(const SupportStates& states) {
  SupportForm form = CurrentSupportForm();
  if (form == SupportForm::Wall || form == SupportForm::Roof) return true;
  for (int i = 2; i <= 6; ++i)
    if (states[static_cast<size_t>(i)] == 1) return true;
  return false;
}

void DefaultWallConnections(std::vector<std::string>& flags) {
  if (!IsConnectionLetter(Flag(flags, kPlateWallJointSlot))) AnswerSlot(flags, kPlateWallJointSlot) = "M";
  if (TankHasRoof() && !IsConnectionLetter(Flag(flags, kRoofWallJointSlot))) AnswerSlot(flags, kRoofWallJointSlot) = "M";
}

SupportTableTemplate SupportTableFor(const std::string& kind) {
  SupportTableTemplate t;
  const SupportForm form = CurrentSupportForm();
  const bool elastic = kind == "ELASTIC";
  const std::string sameConstants = "&SET SAME ELASTIC CONSTANTS AT ALL NODES";
  const std::string uniformModulus = "&SET UNIFORM SUBGRADE MODULUS";
  const std::string modulusLabel = " SUBGRADE MODULUS k[kPa/m]=";
  const int n = ElementCount(form == SupportForm::Wall ? 2 : 1);
  t.rows = elastic ? n + 1 : n;
  // The one-value element table of a beam/strip and of the wall's soil.
  auto elementWinkler = [&](const std::string& title) {
    t.title = title;
    t.firstButton = uniformModulus;
    t.numberHead = "Element";
    t.valuesHead = "Modulus";
    t.numberUnit = "i";
    t.valueUnits = {"k[kPa/m]"};
    t.labels = {modulusLabel};
    t.unit = "ELEMENT";
    t.remark1 = "Remarks:";
    t.remark2 = "Soil SUBGRADE MODULUS is to be UNIFORM within EACH element";
    t.values = 1;
  };
  // The plate's and base plate's tables: kv per nodal line, ki and kj per element.
  auto plateTables = [&](const std::string& prefix, const std::string& elasticTitle, const std::string& winklerTitle,
                         const std::string& winklerButton) {
    if (elastic) {
      t.title = prefix + elasticTitle;
      t.firstButton = sameConstants;
      t.numberHead = "Nodal Line";
      t.valuesHead = "Constants";
      t.numberUnit = "i";
      t.valueUnits = {"kv[kN/m^2]"};
      t.labels = {" Elastic CONSTANT kv[kN/m^2]="};
      t.values = 1;
    } else {
      t.title = prefix + winklerTitle;
      t.firstButton = winklerButton;
      t.numberHead = "Element";
      t.valuesHead = "Subgrade Modulus k[kPa/m]";
      t.numberUnit = "Nodes i-j";
      t.valueUnits = {"at i, ki", "at j, kj"};
      t.labels = {modulusLabel, modulusLabel};
      t.values = 2;
    }
    t.unit = "NODE";
  };
  switch (form) {
    case SupportForm::BeamStrip:
      if (elastic) {
        bool beam = Substructure == "BEAM";
        t.title = "LINEAR ELASTIC SUPPORTS DATA:";
        t.firstButton = sameConstants;
        t.numberHead = beam ? "Node" : "Nodal Line";
        t.valuesHead = "Elastic Constants";
        t.numberUnit = "i";
        t.valueUnits = beam ? std::vector<std::string>{"kv[kN/m]", "kr[kN.m/rad]"}
                            : std::vector<std::string>{"kv[kN/m^2]", "kr[kN/rad]"};
        t.labels = beam ? std::vector<std::string>{" Elastic CONSTANT kv[kN/m]=", " Elastic CONSTANT kr[kN.m/rad]="}
                        : std::vector<std::string>{" Elastic CONSTANT kv[kN/m^2]=", " Elastic CONSTANT kr[kN/rad]="};
        t.unit = "NODE";
        t.values = 2;
      } else {
        elementWinkler("WINKLER FOUNDATION DATA:");
      }
      break;
    case SupportForm::Plate:
      plateTables("", "LINEAR ELASTIC SUPPORTS' DATA:", "WINKLER FOUNDATION DATA:", uniformModulus);
      break;
    case SupportForm::BasePlate:
      plateTables("BASE PLATE: ", "LINEAR ELASTIC SUPPORTS' DATA", "WINKLER FOUNDATION", sameConstants);
      break;
    case SupportForm::Wall:
      if (elastic) {
        t.title = "WALL: LINEAR ELASTIC SUPPORTS' DATA";
        t.firstButton = sameConstants;
        t.numberHead = "Nodal Line";
        t.valuesHead = "Elastic CONSTANTS";
        t.numberUnit = "i";
        t.valueUnits = {"kh[kN/m^2]", "kr[kN/rad]"};
        t.labels = {" Elastic CONSTANT kh[kN/m^2]=", " Elastic CONSTANT kr[kN/rad]="};
        t.unit = "NODE";
        t.values = 2;
      } else {
        elementWinkler("WALL: WINKLER SOIL AROUND");
      }
      break;
    case SupportForm::Roof:
      t.rows = 0;  // a roof has no support tables
      break;
  }
  return t;
}

void FillSupportCells(const std::string& kind, int rows, int values) {
  const Table2D<float>& table = SupportTable(kind);
  CellTexts.Redim(values + 1, rows);
  for (int r = 1; r <= rows; ++r) {
    CellTexts(1, r) = "   " + NumberToText(r);
    for (int c = 1; c <= values; ++c) CellTexts(c + 1, r) = TableCellText(table.Get(r, c));
  }
}

std::vector<HalfSpaceItem> HalfSpaceItems(const std::string& kind) {
  if (kind == "ISOTROPIC") return {{"Modulus of Elasticity, E[kPa]= ", "kPa"}, {"Poisson's Ratio, Nu= ", " "}};
  return {{"for Vertical Direction, E[kPa]= ", ""},
          {"for Horizontal Direction, E[kPa]= ", ""},
          {"Quasi Shear Modulus, G[kPa]= ", ""},
          {"Complementary Horizontal Strain, Nu= ", ""},
          {"Vertical Strain, Nu= ", ""}};
}

int HalfSpaceFirstFlag() { return StructureType == "TANK" ? 15 : 8; }

std::string HalfSpaceOpeningText(int item) {
  std::string text = Trim(AnswerAt(SupportFlags, HalfSpaceFirstFlag() + item - 1));
  return text.empty() ? "0.0" : text;
}

int HalfSpaceProblem(const std::string& kind, std::vector<std::string>& texts) {
  const int count = static_cast<int>(HalfSpaceItems(kind).size());
  // The moduli come first: two of the isotropic items are one modulus and one ratio.
  const int moduli = kind == "ISOTROPIC" ? 1 : 3;
  if (texts.size() < static_cast<size_t>(count) + 1) texts.resize(static_cast<size_t>(count) + 1);
  int failing = 0;
  for (int i = 1; i <= count; ++i) {
    bool modulus = i <= moduli;
    int code = 0;
    NormaliseNumberText(texts[static_cast<size_t>(i)], modulus ? NumberCharsUnsigned : NumberCharsSigned, code,
                        modulus ? 2 : 6);
    if (code != 0) failing = i;
  }
  return failing;
}

void StoreHalfSpace(const std::vector<std::string>& texts) {
  int first = HalfSpaceFirstFlag();
  for (size_t i = 1; i < texts.size(); ++i) AnswerSlot(SupportFlags, first + static_cast<int>(i) - 1) = texts[i];
}

}  // namespace corvane
