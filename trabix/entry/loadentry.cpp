// The load entry windows of the loads command: the uniform load and mass density in the value
// dialog, the nodal, trapezoidal and temperature loads in the table window.
#include <string>

#include "core/globals.h"
#include "core/numbers.h"
#include "trabix/core/dataentry.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/loadedit.h"
#include "trabix/core/slots.h"
#include "trabix/entry/entry.h"
#include "trabix/entry/ids.h"
#include "trabix/entry/tablewindow.h"

namespace trabix {

namespace {

// What differs between the three load tables.
struct LoadTableTexts {
  const char* kind;
  int rowsBeyondElements;  // nodes: n + 1 rows; elements: n
  TableTexts table;
  std::array<std::string, 6> rangeLabels;  // FormTexts (5,0..5): GENERATE
  std::array<std::string, 6> firstLabels;  // FormTexts (6,0..5): the first button's dialog
};

LoadTableTexts TextsOf(int kind) {
  const bool strip = IsStrip();
  const std::string load = strip ? " [kPa]" : " [kN/m]";  // the trapezoidal table's unit
  const std::string force = strip ? " [kN/m] " : " [kN] ";
  const std::string moment = strip ? " [kN.m/m] " : " [kN.m] ";
  LoadTableTexts t;
  TableTexts& table = t.table;
  table.generateMode = 4;
  if (kind == 2) {
    t.kind = "NODAL";
    t.rowsBeyondElements = 1;
    table.title = "NODAL LOAD DATA. Load Case: " + LoadCaseName;
    table.firstButton = "&INPUT SAME LOADS AT ALL NODES";
    table.firstMode = 2;
    table.groupHead = "Nodal Loads";
    table.heads = {"Node", "Pvi" + force, "Mi" + moment, "", ""};
    table.units = {"i", "", "", "", ""};
    t.rangeLabels = {" Start Node No :", " End Node No :", " Step :", "NODAL LOAD:", " Force Pvi" + force + "=",
                     " Moment Mi" + moment + "="};
    t.firstLabels = {" NODAL LOADS:", " Force Pvi" + force + "=", " Moment Mi" + moment + "=", "", "", ""};
  } else if (kind == 3) {
    t.kind = "TRAPEZOIDAL";
    t.rowsBeyondElements = 0;
    table.title = "TRAPEZOIDAL LOAD DATA. Load Case: " + LoadCaseName;
    table.firstButton = "&SET LINEAR LOAD BETWEEN NODES 'i-m'";
    table.firstMode = 1;
    table.groupHead = " Trapezoidal Load " + load;
    table.heads = {"Element i", "at i, qi", "at j, qj", "", ""};
    table.units = {"Nodes i-j", "", "", "", ""};
    t.rangeLabels = {" Start Element No :", " End Element No :", " Step :", " Intensity of TRAPEZOIDAL LOADING ",
                     " at Node i, qi=", " at Node j, qj="};
    t.firstLabels = {" Start Node No (i):", " End Node No (m):", " Intensity of TRAPEZOIDAL LOAD " + load + ":",
                     " at Start Node i, qi=", " at End Node m, qm=", ""};
  } else {
    t.kind = "TEMPERATURE";
    t.rowsBeyondElements = 0;
    table.title = "TEMPERATURE LOAD (Change): ";
    table.firstButton = "&SET UNIFORM TEMPERATURE CHANGES";
    table.firstMode = 10;
    table.generateMode = 11;
    table.groupHead = "Temperature Change [Celsius]";
    table.heads = {"Element i", "Above Element", "Below Element", "", ""};
    table.units = {"Nodes i-j", "", "", "", ""};
    t.rangeLabels = {" Start Element No :", " End Element No :", " Step :", " Temperature Change [Celsius]",
                     " Above Element, Ta=", " Below Element, Tb="};
    t.firstLabels = {" Above Element, Ta=", " Below Element, Tb=", "", "", "", ""};
  }
  table.kind = t.kind;
  table.rowKind = t.rowsBeyondElements == 1 ? "NODE" : "ELEMENT";
  return t;
}

Table2D<double>& LoadTableOf(const std::string& kind) {
  if (kind == "NODAL") return NodalLoadTable;
  if (kind == "TRAPEZOIDAL") return LoadTable;
  return TemperatureTable;
}

// A load value in its cell: temperatures through "###0.00##", the others with 7 significant
// digits; no blanks, never empty.
std::string LoadCellText(const std::string& kind, double value) {
  if (kind != "TEMPERATURE") return TableCellText(value);
  std::string text = Trim(FormatNumber(static_cast<float>(value), "###0.00##"));
  return text.empty() ? "0" : text;
}

void FillLoadCells(const std::string& kind, int rows) {
  const Table2D<double>& loads = LoadTableOf(kind);
  CellTexts.Redim(3, rows);
  for (int r = 1; r <= rows; ++r) {
    CellTexts(1, r) = Trim(NumberToText(r));
    CellTexts(2, r) = LoadCellText(kind, loads.Get(r, 1));
    CellTexts(3, r) = LoadCellText(kind, loads.Get(r, 2));
  }
}

// The window the load windows open over: the one the user works in (the load type dialog), so
// that it cannot start a second load window while one is open; else the owner given.
HWND EntryOwner(HWND owner) {
  HWND active = GetActiveWindow();
  return active && IsWindowEnabled(active) ? active : owner;
}

void UniformLoadWindow(HWND owner) {
  const std::string unit = IsStrip() ? " [kPa] " : " [kN/m] ";
  FormTexts.Redim(6, 6);
  FormTexts(0, 1) = " UNIFORM LOAD & MAT. MASS DENSITY";
  FormTexts(6, 1) = " Uniform Load Intensity" + unit + "=";
  FormTexts(6, 2) = " Material Mass Density [kg/m^3] =";
  FormTexts(6, 3) = " UNIFORM LOAD AND MATERIAL'S MASS DENSITY";
  SharedIntegers(kFieldCountSlot) = 2;
  SharedIntegers(kFirstFieldIdSlot) = kUniformLoadFieldId;
  if (LoadValues.size() <= kMassDensitySlot) LoadValues.resize(kMassDensitySlot + 1, 0.0);
  if (ShowModalDialog(LoadGenerationDialog(0), owner, LoadDataDialogProc) != 1) return;
  LoadValues[kUniformLoadSlot] = StoredLoadValue(ParseNumber(FieldTexts[1]));
  LoadValues[kMassDensitySlot] = StoredLoadValue(ParseNumber(FieldTexts[2]));
}

}  // namespace

void StoreLoadCells(const std::string& kind) {
  Table2D<double>& loads = LoadTableOf(kind);
  for (int r = 1; r <= TableRows; ++r) {
    loads(r, 0) = r;
    loads(r, 1) = ParseNumber(CellTexts.Get(2, r));
    loads(r, 2) = ParseNumber(CellTexts.Get(3, r));
  }
}

void LoadDataDialogs(HWND owner, int kind) {
  if (kind < 1 || kind > 4) return;
  owner = EntryOwner(owner);
  if (kind == 1) {
    UniformLoadWindow(owner);
    return;
  }
  LoadTableTexts texts = TextsOf(kind);
  int rows = ElementCount() + texts.rowsBeyondElements;
  Table = texts.table;
  FormTexts.Redim(6, 6);
  FormTexts(0, 0) = texts.kind;
  FormTexts(0, 1) = texts.table.title;
  for (int k = 0; k < 6; ++k) {
    FormTexts(5, k) = texts.rangeLabels[k];
    FormTexts(6, k) = texts.firstLabels[k];
  }
  SharedIntegers(kCellColumnsSlot) = 3;
  // The temperature dialogs number their fields from the same id as the other load tables.
  SharedIntegers(kFieldCountSlot) = 4;
  SharedIntegers(kFirstFieldIdSlot) = kValueFieldId;
  SharedIntegers(kTableRowsSlot) = rows;
  FillLoadCells(texts.kind, rows);
  entry::ShowTableWindow(EntryProfile(), owner, 2, rows, 2);
}

}  // namespace trabix
