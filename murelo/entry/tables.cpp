// Murelo's table windows on the shared grid, their generation dialogs and the one-page entry
// dialog of the load and Winkler tables (see entry.h).
#include <algorithm>
#include <cmath>

#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "core/tableentry.h"
#include "gfx/gfx.h"
#include "murelo/core/dataentry.h"
#include "murelo/core/globals.h"
#include "murelo/core/jobfiles.h"
#include "murelo/entry/entry.h"
#include "murelo/views/views.h"
#include "win/colours.h"
#include "win/dataform.h"
#include "win/fieldkeys.h"
#include "win/messages.h"

namespace murelo {

std::string GenerationValue;
std::vector<std::string> FieldTexts;
TableTexts Table;
std::function<void(HWND table, int id)> LoadTableCommand;
std::function<bool(HWND table)> LoadTableAccept;

namespace {

bool ViewOpen = false;  // the structure view of the window on screen is the current graphics window
int OneValueKind = 0;   // the kind of the one-page dialog on screen
bool LinearDialog = false;  // the range dialog on screen is the stem's linear thickness variation

// The field rule of a table's values: geometry positive, supports not negative, loads any.
int ValueRule() {
  if (Table.kind == "GEOMETRY") return 2;
  if (Table.kind == "ELASTIC" || Table.kind == "WINKLER") return 3;
  return 7;
}

// GENERATE on value column `column`: the range dialog, then its value into the rows of the range.
void GenerateColumn(HWND table, int column) {
  if (column < 1 || column > TableColumns) return;
  if (ShowModalDialog(GenerationDialog(column), table, GenerationDialogProc) != 1) return;
  std::vector<int> rows;
  GenerationRows(FieldTexts[1], FieldTexts[2], FieldTexts[3], TableRows, rows);
  // A Winkler table's modulus and yield stress stand for both ends of each element.
  for (int c : ColumnsSetTogether(column, Table.kind == "WINKLER"))
    for (int r : rows) CellTexts(c + 1, r) = FieldTexts[4];
}

// UNIFORM on value column `column`: one value into every row.
void UniformColumn(HWND table, int column) {
  if (column < 1 || column > TableColumns) return;
  if (ShowModalDialog(UniformGeometryDialog(column), table, GenerationSubDialogProc) != 1) return;
  for (int r = 1; r <= TableRows; ++r) CellTexts(column + 1, r) = GenerationValue;
}

// The Winkler functions k = A + Bx^n (moduli) and f = A + Bx^n (yield stresses) between nodes.
void WinklerFunction(HWND table, bool yield) {
  Table.secondLabels = {" Start Node No (i):", " End Node No (m):",
                        yield ? " Yield Stress Function [kPa]: f=A+Bx^n " : " Subgrade MODULUS Function [kPa/m]: k=A+Bx^n ",
                        yield ? " Constant A [kPa]=" : " Constant A [kPa/m]=", " Constant B [consistent units]=",
                        " Exponent n [-]=", ""};
  if (ShowModalDialog(LoadGenerationDialog(yield ? 11 : 1), table, LoadDataDialogProc) != 1) return;
  std::vector<double> widths = PlateWidths();
  ApplyNodeFunction(yield ? 2 : 0, FieldTexts, widths);
}

void TableCommand(HWND table, int id) {
  GenerationValue.clear();
  if (TableKind == 2) {
    if (LoadTableCommand) LoadTableCommand(table, id);
  } else if (Table.kind == "GEOMETRY") {
    if (id == 121) {
      UniformWidthCells();
    } else if (id == 123) {
      UniformColumn(table, 2);
    } else if (id == 122) {
      GenerateColumn(table, 1);
    } else if (id == 124 && PlateEdited()) {
      GenerateColumn(table, 2);
    } else if (id == 124) {
      if (ShowModalDialog(GenerationDialog(2, true), table, GenerationDialogProc) == 1) {
        int error = FillLinearVariation(FieldTexts);
        if (error != 0)
          WarnBox(table, TableWarning(error == 1 ? "Incorrect Element Width Data" : "Incorrect Element Thickness Data"));
      }
    }
  } else if (Table.kind == "ELASTIC") {
    if (id == 121 || id == 123) UniformColumn(table, (id - 119) / 2);
    else if (id == 122 || id == 124) GenerateColumn(table, (id - 120) / 2);
  } else if (Table.kind == "WINKLER") {
    if (id == 121) WinklerFunction(table, false);
    else if (id == 127 || id == 123 || id == 125) WinklerFunction(table, true);
    else if (id % 2 == 0) GenerateColumn(table, (id - 120) / 2);
  }
  GenerationValue.clear();
}

bool TableAccept(HWND table) {
  if (TableKind == 2) return LoadTableAccept ? LoadTableAccept(table) : true;
  if (Table.kind == "GEOMETRY") {
    std::string problem;
    if (GeometryTableRefused(problem)) {
      WarnBox(table, TableWarning(problem));
      return false;
    }
    if (!SaveGeometryCells(JobSpec)) {
      WarnBox(table, TableWarning("The geometry file " + JobSpec + ".geo cannot be written."));
      return false;
    }
    return true;
  }
  StoreSupportCells(Table.kind);
  return true;
}

void TableHeadingsOf(DialogTemplate& d) {
  d.caption = TableKind == 1 ? EntryCaption() : Table.title;
  const int x0 = TableLeft + LabelWidth;
  AddLabel(d, 109, TableKind == 0 ? " GEOMETRY DETAILS DATA:" : Table.title, TableLeft, 4,
           std::max(200, TableWidth - 10), 10);
  if (!Table.groupHead.empty())
    AddLabel(d, 117, Table.groupHead, x0, TableTop - 33, TableColumns * CellWidth, 10, SS_CENTER | SS_SUNKEN);
  AddLabel(d, 110, Table.heads[0], TableLeft, TableTop - 22, LabelWidth, 10, SS_CENTER | SS_SUNKEN);
  AddLabel(d, 116, Table.units[0], TableLeft, TableTop - 11, LabelWidth, 10, SS_CENTER);
  for (int c = 1; c <= TableColumns && c <= 4; ++c) {
    if (!Table.heads[c].empty())
      AddLabel(d, 110 + c, Table.heads[c], x0 + (c - 1) * CellWidth, TableTop - 22, CellWidth, 10,
               SS_CENTER | SS_SUNKEN);
    AddLabel(d, 130 + c, Table.units[c], x0 + (c - 1) * CellWidth, TableTop - 11, CellWidth, 10, SS_CENTER);
  }
  // The column buttons take the rows under the page; OK and CANCEL go below them.
  const int y = d.height - 21;
  auto under = [&](int id, const std::string& text, int column, int row, int span = 1) {
    AddButton(d, id, text, x0 + (column - 1) * CellWidth + 2, y + 15 * row, span * CellWidth - 4, 13);
  };
  int rows = 2;
  if (Table.kind == "GEOMETRY") {
    under(121, "&UNIFORM", 1, 0);
    under(122, "&GENERATE", 1, 1);
    under(123, "U&NIFORM", 2, 0);
    under(124, PlateEdited() ? "G&ENERATE" : "&LINEAR VARIATION", 2, 1);
  } else if (Table.kind == "ELASTIC") {
    under(121, "&UNIFORM", 1, 0);
    under(122, "&GENERATE", 1, 1);
    under(123, "U&NIFORM", 2, 0);
    under(124, "G&ENERATE", 2, 1);
  } else if (Table.kind == "WINKLER") {
    // The function's caption needs the width of all four columns.
    under(121, " Subgrade &Modulus k=A+Bx^n between Nodes 'i' and 'm' ", 1, 0, 4);
    under(122, "&GENERATE", 1, 1);
    under(124, "G&ENERATE", 2, 1);
    under(126, "GENE&RATE", 3, 1);
    under(128, "GENERA&TE", 4, 1);
    // Its caption is longer than the table is wide: the button takes four dialog units a
    // character and the window grows to hold it.
    const std::string yield = " &Yield Stress between Nodes 'i' and 'm' in form of f=A+Bx^n ";
    const int yieldWidth = std::max(d.width - 10, static_cast<int>(yield.size()) * 4 + 8);
    AddButton(d, 127, yield, 5, y + 30, yieldWidth, 14);
    d.width = std::max(d.width, yieldWidth + 10);
    rows = 3;
  } else {
    // Load tables: the first button over three columns when the table has four; its text is
    // longer than two cells, so it starts under the row labels.
    const int span = TableColumns > 3 ? 3 : TableColumns;
    AddButton(d, 121, Table.firstButton, TableLeft + 2, y, x0 - TableLeft + span * CellWidth - 4, 13);
    under(122, "&GENERATE", 1, 1);
    if (TableColumns >= 2) under(124, "G&ENERATE", 2, 1);
    if (TableColumns > 2) under(126, "GENE&RATE", 3, 1);
  }
  d.height += 15 * rows + 2;
  d.width = std::max(d.width, 230);
  // The OK / CANCEL row stays the last row of the window.
  for (DialogControl& c : d.controls)
    if (c.id == 9876 || c.id == 12121) c.y = d.height - 21;
}

}  // namespace

GridProfile MureloGridProfile() {
  GridProfile p;
  p.layout = [] {
    RowLabelOffset = 0;
    if (TableKind == 0) {
      LabelWidth = 33;
      CellWidth = 98;
    } else if (TableKind == 1 && Table.kind == "WINKLER") {
      LabelWidth = 55;
      CellWidth = 58;
    } else if (TableKind == 1) {
      LabelWidth = 55;
      CellWidth = 82;
    } else {
      LabelWidth = 58;
      CellWidth = 68;
    }
  };
  p.headings = TableHeadingsOf;
  // Any character goes into a cell; Ok checks what the table needs.
  p.accepts = [](char, int) { return true; };
  p.initialise = [](HWND table) {
    OpenStructureView(table, TableKind == 0 ? "Geom" : TableKind == 1 ? "Supp" : "Load", Table.kind);
  };
  p.command = TableCommand;
  p.accept = TableAccept;
  p.status = &GenerationValue;
  return p;
}

void OpenStructureView(HWND window, const std::string& view, const std::string& kind) {
  if (ViewOpen) GfxWindowEx(0, kGfxClose);
  const long screen = GetSystemMetrics(SM_CXSCREEN);
  const bool wide = screen >= 1024;
  // The picture shrinks where a wide table and it would not both fit on the screen.
  const long side = ViewWidthOnScreen(window, wide ? 610L : 470L, 300L);
  const long left = MakeRoomForView(window, side, side);
  DrawStructureView(window, left, 0, side, side, view, wide ? 1 : 2, kind);
  ViewOpen = true;
}

void CloseStructureView() {
  if (ViewOpen) GfxWindowEx(0, kGfxClose);
  ViewOpen = false;
}

int ShowTableWindow(HWND owner, int kind, int rows, int columns) {
  ProgramGrid = MureloGridProfile();
  TableKind = kind;
  SetTableLayout(1, rows, columns);
  SharedIntegers(4, 2) = rows;
  const int end = static_cast<int>(ShowModalDialog(BuildDataTable(), owner, DataTableProc));
  CloseStructureView();
  return end;
}

// ---------------------------------------------------------------- generation dialogs

namespace {

bool GenerationValid(HWND dialog) {
  FieldTexts.assign(5, std::string());
  for (int k = 1; k <= 4; ++k) {
    int code = ValueRule();
    WarnIncorrectData(dialog, 240 + k, FieldTexts[k], NumberCharsSigned, code);
    if (code != 0) return false;
  }
  bool ok = false;
  if (LinearDialog) {
    // The linear variation: nodes i < m on the stem.
    int i = static_cast<int>(ParseNumber(FieldTexts[1])), m = static_cast<int>(ParseNumber(FieldTexts[2]));
    ok = i >= 1 && i < m && m <= TableRows + 1;
  } else {
    std::vector<int> rows;
    ok = GenerationRows(FieldTexts[1], FieldTexts[2], FieldTexts[3], TableRows, rows);
  }
  if (!ok) {
    WarnBox(dialog, RangeWarning());
    return false;
  }
  return true;
}

bool UniformValid(HWND dialog) {
  GenerationValue.clear();
  int code = ValueRule();
  std::string text;
  WarnIncorrectData(dialog, 231, text, NumberCharsSigned, code);
  if (code != 0) return false;
  GenerationValue = text;
  EnableWindow(GetDlgItem(dialog, 231), FALSE);
  return true;
}

std::string CellOf(int column, int row) { return Trim(CellTexts.Get(column, row)); }

}  // namespace

DialogTemplate GenerationDialog(int column, bool linear) {
  const std::string caption = std::string(SharedIntegers(4, 3) == 3 ? " UNYIELDING SUPPORTS DATA GENERATION:"
                                                                     : " GEOMETRY DATA GENERATION:") +
                              EntryCaption();
  LinearDialog = linear;
  if (linear) {
    return SmallForm(caption, 308, " WALL STEM Thickness [m]:",
                  {{304, 241, " Start Node No (i):", "1", true},
                   {305, 242, " End Node No (m):", std::to_string(TableRows + 1), true},
                   {306, 243, " at Start Node i, ti =", CellOf(3, 1), false},
                   {307, 244, " at End Node m, tm =", CellOf(3, std::max(1, TableRows)), false}});
  }
  const bool nodes = Table.rowKind == "NODE";
  std::string value = Table.labels[column];
  if (Table.kind == "WINKLER" && column > 2) value = " YIELD STRESS in [kPa]";
  return SmallForm(caption, 308, value,
                   {{304, 241, nodes ? " START NODE No:" : " START ELEMENT No (Nodes i,j):", "1", true},
                    {305, 242, nodes ? " END NODE No:" : " END ELEMENT No:", std::to_string(TableRows), true},
                    {306, 243, " STEP:", "1", true},
                    {307, 244, Table.labels[column], CellOf(column + 1, 1), false}});
}

INT_PTR CALLBACK GenerationDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, WithFieldColours(241, 244, {}), colour)) return colour;
  if (msg == WM_DESTROY) {
    RestoreControls(dialog, 241, 244);
    SharedIntegers(4, 0) = SharedIntegers(4, 1) = 0;
    return FALSE;
  }
  if (msg != WM_COMMAND) return FALSE;
  return SmallFormCommand(dialog, wParam, GenerationValue, GenerationValid);
}

DialogTemplate UniformGeometryDialog(int column) {
  SharedIntegers(3, 0) = column;
  SharedIntegers(3, 1) = TableRows;
  const std::string caption = Table.kind == "GEOMETRY" ? " UNIFORM GEOMETRY DATA GENERATION:" + EntryCaption() : Table.title;
  return SmallForm(caption, 230, "", {{301, 231, Table.labels[column] + " ", CellOf(column + 1, 1), false}});
}

namespace {
// The field blue on light yellow, the labels blue on cyan, on a dark red dialog.
const std::vector<ColourRule> kUniformColours = {
    {WM_CTLCOLOREDIT, 231, 231, RGB(0, 0, 255), RGB(255, 255, 200), false},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 255), RGB(0, 255, 255)},
    {WM_CTLCOLORDLG, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(128, 0, 0)},
};
}  // namespace

INT_PTR CALLBACK GenerationSubDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, kUniformColours, colour)) return colour;
  if (msg == WM_DESTROY) {
    RestoreControl(dialog, 231);
    return FALSE;
  }
  if (msg != WM_COMMAND) return FALSE;
  return SmallFormCommand(dialog, wParam, GenerationValue, UniformValid);
}

// ---------------------------------------------------------------- the one-page dialog

DialogTemplate LoadGenerationDialog(int kind, int column) {
  OneValueKind = kind;
  SharedIntegers(3, 1) = kind;
  const bool winkler = Table.kind == "WINKLER";
  const std::string caption =
      winkler ? std::string(" WINKLER SOIL DATA GENERATION:") : " LOAD DATA GENERATION - Load Case: " + LoadCaseName;
  const auto& second = Table.secondLabels;
  const auto& range = Table.rangeLabels;
  const int s = EditedSubstructure();
  auto loadText = [&](int item) {
    const double v = LoadTable.Get(s, item);
    return std::fabs(v) < 1.0E-4 ? std::string("0") : TableCellText(v);
  };
  std::string heading;
  std::vector<FormRow> rows;
  auto row = [&](const std::string& label, const std::string& text, bool digits = false) {
    const int i = static_cast<int>(rows.size()) + 1;
    rows.push_back({300 + i, 240 + i, label, text, digits});
  };
  switch (kind) {
    case 0:
      heading = second[3];
      row(second[1], loadText(1));
      row(second[2], loadText(2));
      break;
    case 1:
    case 11:
      heading = second[2];
      row(second[0], "1", true);
      row(second[1], std::to_string(TableRows + 1), true);
      if (winkler) {
        row(second[3], CellOf(kind == 11 ? 4 : 2, 1));
        row(second[4], "0");
        row(second[5], "0");
      } else {
        row(second[3], CellOf(2, 1));
        row(second[4], CellOf(3, std::max(1, TableRows)));
      }
      break;
    case 2:
    case 3:
      heading = second[0];
      row(second[1], CellOf(2, 1));
      row(second[2], CellOf(3, 1));
      if (kind == 3) row(second[3], CellOf(4, 1));
      break;
    default:  // 4, 5, 6: a range with a step
      heading = range[3];
      row(range[0], "1", true);
      row(range[1], std::to_string(TableRows), true);
      row(range[2], "1", true);
      row(range[4], CellOf(column + 1, 1));
      if (kind == 5) row(range[5], CellOf(3, 1));
      if (kind == 6) row(range[6], CellOf(4, 1));
      break;
  }
  return SmallForm(caption, 401, heading, rows);
}

namespace {

bool OneValueValid(HWND dialog) {
  const int kind = OneValueKind;
  const bool winkler = Table.kind == "WINKLER";
  int count = 0, firstChecked = 1;
  switch (kind) {
    case 0: count = 2; break;
    case 1: case 11: count = winkler ? 5 : 4; firstChecked = 3; break;
    case 2: count = 2; break;
    case 3: count = 3; break;
    case 5: case 6: count = 5; firstChecked = 4; break;
    default: count = 4; firstChecked = 4; break;
  }
  FieldTexts.assign(static_cast<size_t>(count) + 1, std::string());
  for (int k = 1; k <= count; ++k) {
    int code = k < firstChecked ? 0 : 7;
    WarnIncorrectData(dialog, 240 + k, FieldTexts[k], NumberCharsSigned, code);
    if (code != 0 && k >= firstChecked) return false;
  }
  auto num = [](int k) { return ParseNumber(FieldTexts[k]); };
  bool wrong = false, refuse = false;
  if (kind == 0) {
    // A negative mass density is refused: the dialog stays open with its texts.
    wrong = refuse = num(2) < 0;
  } else if (kind == 1 || kind == 11) {
    // A range outside the table writes nothing; it is refused here.
    wrong = refuse = num(1) < 1 || num(1) >= num(2) || num(2) > TableRows + 1 ||
                     (winkler && !(num(1) > GeneralData.Get(1, 4)));
  } else if (kind >= 4) {
    std::vector<int> rows;
    wrong = refuse = !GenerationRows(FieldTexts[1], FieldTexts[2], FieldTexts[3], TableRows, rows);
  }
  if (wrong) WarnBox(dialog, LoadDataWarning());
  return !refuse;
}

}  // namespace

INT_PTR CALLBACK LoadDataDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, WithFieldColours(241, 245, {}), colour)) return colour;
  if (msg == WM_DESTROY) {
    RestoreControls(dialog, 241, 245);
    return FALSE;
  }
  if (msg != WM_COMMAND) return FALSE;
  return SmallFormCommand(dialog, wParam, GenerationValue, OneValueValid);
}

}  // namespace murelo
