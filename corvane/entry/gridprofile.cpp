#include <algorithm>

#include "core/numbers.h"
#include "core/tableentry.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/globals.h"
#include "corvane/core/loadfile.h"
#include "corvane/core/roofshell.h"
#include "corvane/core/slots.h"
#include "corvane/core/tablecells.h"
#include "corvane/entry/entry.h"
#include "corvane/entry/ids.h"
#include "win/dataform.h"
#include "win/dialogdata.h"
#include "win/ids.h"
#include "win/messages.h"

namespace corvane {

TableDialogs::TableDialogs() : storeSupport(StoreSupportCells), storeLoad(StoreLoadCells) {}

TableDialogs TableDialogHooks;

namespace {

const char* const kCorrect = "\r\n\r\n          Correct the Data!";

std::string Kind() { return FormTexts.Get(0, 0); }

bool ShellRoof() { return Substructure == "ROOF STRUCTURE" && AnswerAt(GeometryAnswers, kShellRoofSlot) == "Y"; }

void Warn(HWND table, const std::string& message) { WarnBox(table, message + kCorrect); }

void Layout() {
  int c = TableColumns;
  if (TableKind == 0) {
    LabelWidth = 33;
    CellWidth = c == 2 ? 85 : 72;
    // The shell roof's table leaves room for its radial-section choice.
    if (ShellRoof()) VisibleRows = std::min(17, TableRows);
  } else if (TableKind == 1) {
    LabelWidth = 60;
    CellWidth = 70;
  } else {
    LabelWidth = c == 3 ? 40 : 58;
    CellWidth = c == 3 ? 68 : 78;
  }
}

// Lengths, widths and support values are never negative.
bool Negative(int column) { return TableKind == 0 ? column > 2 : TableKind != 1; }

// Only the nodes of the unyielding list lock their first cell, in the nodal load tables and the
// elastic support tables of the structure or base plate, and only while answer 2 is "Y".
void PrepareLocks() {
  LockedRows.clear();
  std::string kind = Kind();
  if (kind != "NODAL" && kind != "ELASTIC") return;
  if (Substructure == "WALL" || Substructure == "ROOF STRUCTURE") return;
  // A list kept while the answer is off supports nothing.
  if (!IsYes(AnswerAt(SupportFlags, kUnyieldingSlot))) return;
  std::string list = UnyieldingNodes;
  size_t a = list.find_first_not_of(" ,"), b = list.find_last_not_of(" ,");
  if (a == std::string::npos) return;
  list = list.substr(a, b - a + 1);
  size_t at = 0;
  for (;;) {
    size_t comma = list.find(',', at);
    LockedRows.push_back(Trim(list.substr(at, comma == std::string::npos ? std::string::npos : comma - at)));
    if (comma == std::string::npos) break;
    at = comma + 1;
  }
}

bool Locked(int row, int column) {
  if (column != 1) return false;
  for (const auto& node : LockedRows)
    if (!node.empty() && WholeNumberOf(node) == row) return true;
  return false;
}

// The headings: two rows of sunken labels (name, unit) right above the container, one over
// the row labels and one over each value column (a name may span two columns).
void Headings(DialogTemplate& d, const std::vector<std::pair<std::string, int>>& names,
              const std::vector<std::string>& units) {
  int x = TableLeft, top = TableTop - 22;
  int id = kFirstTableHeadingId;
  for (size_t k = 0; k < names.size(); ++k) {
    int w = k == 0 ? LabelWidth : names[k].second * CellWidth;
    AddLabel(d, id++, names[k].first, x, top, w, 11, SS_CENTER | SS_SUNKEN | SS_CENTERIMAGE);
    x += w;
  }
  x = TableLeft;
  id = kTableUnitHeadingId;
  for (size_t k = 0; k < units.size(); ++k) {
    int w = k == 0 ? LabelWidth : CellWidth;
    AddLabel(d, id++, units[k], x, top + 11, w, 11, SS_CENTER | SS_SUNKEN | SS_CENTERIMAGE);
    x += w;
  }
}

void Title(DialogTemplate& d, const std::string& title) {
  AddLabel(d, kHeadingId, title, TableLeft, 6, d.width - 2 * TableLeft, 10, SS_CENTER);
  AddLine(d, kRuleId, TableLeft, 17, d.width - 2 * TableLeft, 2);
}

void GeometryHeadings(DialogTemplate& d) {
  d.caption = DataCaption();
  if (StructureType == "TANK") d.caption += "  " + Substructure;
  Title(d, " GEOMETRY DETAILS DATA:");
  bool shell = ShellRoof();
  if (Substructure == "BEAM") {
    Headings(d, {{"Elem.", 0}, {"Elem. Length", 1}, {"Elem. Width", 1}, {"Elem. Depth", 1}}, {"No", "L[m]", "B[m]", "h[m]"});
  } else if (Substructure == "STRIP") {
    Headings(d, {{"Elem.", 0}, {"Elem. Length", 1}, {"Elem. Thickness", 1}}, {"No", "L[m]", "t[m]"});
  } else if (shell) {
    Headings(d, {{"Elem.", 0}, {"Element Width Components", 2}, {"Thickness", 1}}, {"No", "x[m]", "z[m]", "t[m]"});
  } else {
    Headings(d, {{"Elem.", 0}, {"Elem. Width", 1}, {"Elem. Thickness", 1}}, {"No", "s[m]", "t[m]"});
  }
  // Under each value column its uniform-value button and, below it, its generation button.
  int y = TableTop + VisibleRows * RowHeight + 24;
  struct Button {
    int id, column, row;
    const char* text;
  };
  std::vector<Button> buttons;
  if (shell) {
    buttons.push_back({UniformButtonId(1), 1, 0, "&Dome/Conical Shell"});
    buttons.push_back({GenerateButtonId(1), 1, 1, "&GEN/UNIFORM"});
  } else {
    buttons.push_back({UniformButtonId(1), 1, 0, "&UNIFORM"});
  }
  if (TableColumns >= 2) {
    buttons.push_back({UniformButtonId(2), 2, 0, "U&NIFORM"});
    buttons.push_back({GenerateButtonId(2), 2, 1, "G&ENERATE"});
  }
  if (TableColumns >= 3) {
    buttons.push_back({UniformButtonId(3), 3, 0, "UN&IFORM"});
    buttons.push_back({GenerateButtonId(3), 3, 1, "GENE&RATE"});
  }
  for (const auto& b : buttons)
    AddButton(d, b.id, b.text, TableLeft + LabelWidth + (b.column - 1) * CellWidth + 3, y + 15 * b.row, CellWidth - 6, 14);
  y += 32;
  if (shell) {
    AddOption(d, kCurve, "Radial Section in form of a CURVE", TableLeft, y, d.width - 2 * TableLeft, 12,
              WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
    AddOption(d, kStraight, " Radial Section in form of STRAIGHT SEGMENTS", TableLeft, y + 13, d.width - 2 * TableLeft, 12);
    y += 28;
  }
  d.height = y + 4;
  OnOpen(d, [](HWND table) {
    for (int id = kFirstTableHeadingId; id <= kLastTableHeadingId; ++id) SetFixedFont(table, id);
  });
}

// Support and load tables take their texts from the template.
void TemplateHeadings(DialogTemplate& d) {
  d.caption = TableKind == 2 ? FormTexts.Get(0, 1) : DataCaption();
  // The window holds its title and its buttons' texts on one line each.
  const std::string second = FormTexts.Get(1, 1).empty() ? "&GENERATE" : FormTexts.Get(1, 1);
  int h = 0;
  const int buttons = std::max(DialogTextWidth(d, FormTexts.Get(1, 0), h), DialogTextWidth(d, second, h)) + 4;
  d.width = std::max({d.width, DialogTextWidth(d, FormTexts.Get(0, 1), h) + 2 * TableLeft, buttons + 2 * TableLeft});
  Title(d, FormTexts.Get(0, 1));
  std::vector<std::pair<std::string, int>> names = {{FormTexts.Get(2, 0), 0}, {FormTexts.Get(2, 1), TableColumns}};
  std::vector<std::string> units = {FormTexts.Get(3, 0)};
  for (int c = 1; c <= TableColumns; ++c) units.push_back(FormTexts.Get(3, c));
  Headings(d, names, units);
  int y = TableTop + VisibleRows * RowHeight + 24, w = LabelWidth + TableColumns * CellWidth;
  AddButton(d, kFirstButtonId, FormTexts.Get(1, 0), TableLeft, y, std::max(w, buttons), 14);
  AddButton(d, kGenerateButtonId, second, TableLeft, y + 16, std::max(w, buttons), 14);
  y += 34;
  if (!FormTexts.Get(4, 0).empty() || !FormTexts.Get(4, 1).empty()) {
    // The remark wraps under a narrow table: it gets the lines it needs (capitals take about
    // five dialog units each) and the window grows by them.
    const std::string remark = FormTexts.Get(4, 1);
    const int lines = std::max(1, (static_cast<int>(remark.size()) * 5 + w - 1) / w);
    AddLabel(d, kRemarkHeadingId, FormTexts.Get(4, 0), TableLeft, y, w, 10);
    AddLabel(d, kRemarkId, remark, TableLeft, y + 10, w, 10 * lines);
    y += 12 + 10 * lines;
  }
  d.width = std::max(d.width, w + 2 * TableLeft + 12);
  d.height = y + 4;
  OnOpen(d, [](HWND table) {
    for (int id = kFirstTableHeadingId; id <= kLastTableHeadingId; ++id) SetFixedFont(table, id);
  });
}

void BuildHeadings(DialogTemplate& d) {
  if (TableKind == 0) {
    GeometryHeadings(d);
  } else {
    TemplateHeadings(d);
  }
}

void Initialise(HWND table) {
  OpenTableView(table, Kind());
  if (TableKind == 0 && ShellRoof())
    CheckRadioButton(table, kCurve, kStraight, AnswerAt(GeometryAnswers, kCurvedSectionSlot) == "Y" ? kCurve : kStraight);
}

// The load form of a mode over the range fields.
int LoadForm(HWND table, int mode, int fields) {
  SharedIntegers(kFieldCountSlot) = fields;
  SharedIntegers(kFirstFieldIdSlot) = kFirstFormFieldId;
  SharedIntegers(kTableRowsSlot) = TableRows;
  DialogStatus.clear();
  return static_cast<int>(ShowModalDialog(LoadGenerationDialog(mode), table, LoadDataDialogProc));
}

// The plate's and base plate's Winkler tables hold each element's modulus at its nodes i and j:
// one value given for either stands for both.
std::vector<int> ColumnsSetBy(int column) {
  return ColumnsSetTogether(column, TableKind == 1 && Kind() == "WINKLER" && TableColumns == 2);
}

void ApplyRange(int column) {
  for (int c : ColumnsSetBy(column))
    ApplyColumnRange(c + 1, WholeNumberOf(AnswerAt(FieldTexts, 1)), WholeNumberOf(AnswerAt(FieldTexts, 2)),
                     WholeNumberOf(AnswerAt(FieldTexts, 3)), AnswerAt(FieldTexts, 4));
}

int FocusedColumn() { return std::max(1, std::min(CurrentColumn, TableColumns)); }

void Uniform(HWND table, int column) {
  if (!TableDialogHooks.uniform) return;
  DialogStatus.clear();
  TableDialogHooks.uniform(table, column);
  if (DialogStatus != "ZZZ" && !DialogStatus.empty())
    for (int c : ColumnsSetBy(column)) FillColumn(c + 1, DialogStatus);
}

void Generate(HWND table, int column) {
  if (!TableDialogHooks.generation) return;
  DialogStatus.clear();
  int end = TableDialogHooks.generation(table, column);
  if (end == 1 && DialogStatus != "ZZZ") ApplyRange(column);
}

void RoofShell(HWND table) {
  SharedIntegers(kFieldCountSlot) = 3;
  SharedIntegers(kFirstFieldIdSlot) = entry::kFirstRangeFieldId;
  DialogStatus.clear();
  if (ShowModalDialog(RoofShellDialog(), table, RoofShellDialogProc) != 1) return;
  std::string refused = ApplyRoofShell(TableRows);
  if (!refused.empty()) Warn(table, refused);
}

void Command(HWND table, int id) {
  if (TableKind == 0) {
    if (id == kFirstButtonId && ShellRoof()) {
      RoofShell(table);
    } else if ((id - kFirstColumnButtonId) % 2 == 0) {
      Uniform(table, (id - kFirstColumnButtonId) / 2 + 1);
    } else {
      Generate(table, (id - kFirstColumnButtonId + 1) / 2);
    }
  } else if (TableKind == 1) {
    if (id == kFirstButtonId) Uniform(table, FocusedColumn());
    if (id == kGenerateButtonId) Generate(table, FocusedColumn());
  } else {
    std::string kind = Kind();
    int column = FocusedColumn();
    if (id == kFirstButtonId) {
      if (kind == "TRAPEZOIDAL") {
        if (LoadForm(table, 1, 4) == 1) LinearLoadBetweenNodes();
      } else {
        int mode = kind == "TEMPERATURE" ? 10 : TableColumns == 3 ? 3 : 2;
        if (LoadForm(table, mode, mode == 3 ? 3 : 2) == 1)
          for (int c = 1; c <= TableColumns; ++c) FillColumn(c + 1, AnswerAt(FieldTexts, c));
      }
    } else if (id == kGenerateButtonId) {
      int mode = kind == "TEMPERATURE" ? (column == 1 ? 11 : 12) : 3 + column;
      if (LoadForm(table, mode, 4) == 1) ApplyRange(column);
    }
  }
}

bool Accept(HWND table) {
  if (TableKind == 0) {
    float d = 0;
    StructureLength(d);
    std::string message = GeometryTableError(TableRows, d);
    if (!message.empty()) {
      Warn(table, message);
      return false;
    }
    if (ShellRoof()) AnswerSlot(GeometryAnswers, kCurvedSectionSlot) = IsDlgButtonChecked(table, kCurve) == BST_CHECKED ? "Y" : "N";
    StoreGeometryCells(TableRows, TableColumns);
    // The table stays open when its data could not be kept: nothing typed is lost.
    if (!SaveGeometryFile(JobSpec)) {
      WarnBox(table, GeometryUnwrittenWarning());
      return false;
    }
  } else if (TableKind == 1) {
    if (TableDialogHooks.storeSupport) TableDialogHooks.storeSupport(Kind(), TableRows, TableColumns);
  } else {
    if (TableDialogHooks.storeLoad) TableDialogHooks.storeLoad(Kind(), TableRows, TableColumns);
  }
  return true;
}

}  // namespace

GridProfile CorvaneGridProfile() {
  GridProfile p;
  p.layout = Layout;
  p.headings = BuildHeadings;
  p.negative = Negative;
  p.prepareLocks = PrepareLocks;
  p.locked = Locked;
  p.initialise = Initialise;
  p.command = Command;
  p.accept = Accept;
  p.status = &DialogStatus;
  return p;
}

void UseCorvaneGrid() { ProgramGrid = CorvaneGridProfile(); }

}  // namespace corvane
