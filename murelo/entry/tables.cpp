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
#include "murelo/core/slots.h"
#include "murelo/entry/entry.h"
#include "murelo/entry/ids.h"
#include "murelo/views/views.h"
#include "win/colours.h"
#include "win/dataform.h"
#include "win/fieldkeys.h"
#include "win/ids.h"
#include "win/messages.h"

namespace murelo {

std::string DialogStatus;
std::vector<std::string> FieldTexts;
TableTexts Table;
std::function<void(HWND table, int id)> LoadTableCommand;
std::function<bool(HWND table)> LoadTableAccept;

namespace {

int OneValueKind = 0;   // the kind of the one-page dialog on screen
bool LinearDialog = false;  // the range dialog on screen is the stem's linear thickness variation

std::string CellOf(int column, int row) { return Trim(CellTexts.Get(column, row)); }

std::string GenerationCaption() {
  return std::string(SharedIntegers(kGenerationModeSlot) == 3 ? " UNYIELDING SUPPORTS DATA GENERATION:"
                                                              : " GEOMETRY DATA GENERATION:") +
         EntryCaption();
}

// The wall stem's linear thickness variation between two nodes, checked by the profile's range.
DialogTemplate LinearVariationDialog() {
  LinearDialog = true;
  return entry::OnProfile(
      EntryProfile(),
      SmallForm(GenerationCaption(), kLinearHeadingId, " WALL STEM Thickness [m]:",
                {{kFirstRangeLabelId, kFirstRangeFieldId, " Start Node No (i):", "1", true},
                 {kFirstRangeLabelId + 1, kFirstRangeFieldId + 1, " End Node No (m):", std::to_string(TableRows + 1), true},
                 {kFirstRangeLabelId + 2, kFirstRangeFieldId + 2, " at Start Node i, ti =", CellOf(3, 1), false},
                 {kFirstRangeLabelId + 3, kLastRangeFieldId, " at End Node m, tm =", CellOf(3, std::max(1, TableRows)),
                  false}}));
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
  DialogStatus.clear();
  if (TableKind == 2) {
    if (LoadTableCommand) LoadTableCommand(table, id);
  } else if (Table.kind == "GEOMETRY" || Table.kind == "ELASTIC") {
    // Two value columns; the geometry table's first UNIFORM fills the widths from the plate or
    // stem, the stem's second GENERATE is its linear thickness variation.
    const bool geometry = Table.kind == "GEOMETRY";
    if (geometry && id == kUniformWidthsId) {
      UniformWidthCells();
    } else if (geometry && id == kLinearVariationId && !PlateEdited()) {
      if (ShowModalDialog(LinearVariationDialog(), table, entry::GenerationDialogProc) == 1) {
        int error = FillLinearVariation(FieldTexts);
        if (error != 0)
          WarnBox(table, TableWarning(error == 1 ? "Incorrect Element Width Data" : "Incorrect Element Thickness Data"));
      }
    } else {
      entry::ColumnButtonCommand(EntryProfile(), table, id);
    }
  } else if (Table.kind == "WINKLER") {
    // The UNIFORM places of columns 2 to 4 are the yield stress function's.
    if (id == kModulusFunctionId) WinklerFunction(table, false);
    else if (id == kYieldFunctionId || id == UniformButtonId(2) || id == UniformButtonId(3)) WinklerFunction(table, true);
    else if (id % 2 == 0) entry::GenerateColumn(EntryProfile(), table, ButtonColumn(id));
  }
  DialogStatus.clear();
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

void TableHeadings(DialogTemplate& d) {
  d.caption = TableKind == 1 ? EntryCaption() : Table.title;
  entry::AddTableHeads(EntryProfile(), d, TableKind == 0 ? " GEOMETRY DETAILS DATA:" : Table.title);
  // The column buttons take the rows under the page; OK and CANCEL go below them.
  const int y = d.height - 21;
  int rows = 2;
  if (Table.kind == "GEOMETRY" || Table.kind == "ELASTIC") {
    entry::AddUniformGenerateButtons(d, y);
    // The stem's second GENERATE is its linear thickness variation.
    if (Table.kind == "GEOMETRY" && !PlateEdited()) d.controls.back().text = "&LINEAR VARIATION";
  } else if (Table.kind == "WINKLER") {
    // The function's caption needs the width of all four columns.
    entry::AddButtonUnder(d, kModulusFunctionId, " Subgrade &Modulus k=A+Bx^n between Nodes 'i' and 'm' ", y, 1, 0, 4);
    for (int c = 1; c <= 4; ++c) entry::AddButtonUnder(d, GenerateButtonId(c), entry::kGenerateCaptions[c - 1], y, c, 1);
    // Its caption is longer than the table is wide: the button takes four dialog units a
    // character and the window grows to hold it.
    const std::string yield = " &Yield Stress between Nodes 'i' and 'm' in form of f=A+Bx^n ";
    const int yieldWidth = std::max(d.width - 10, static_cast<int>(yield.size()) * 4 + 8);
    AddButton(d, kYieldFunctionId, yield, 5, y + 30, yieldWidth, 14);
    d.width = std::max(d.width, yieldWidth + 10);
    rows = 3;
  } else {
    // Load tables: the first button over three columns when the table has four; its text is
    // longer than two cells, so it starts under the row labels.
    const int span = TableColumns > 3 ? 3 : TableColumns;
    AddButton(d, kFirstButtonId, Table.firstButton, TableLeft + 2, y, LabelWidth + span * CellWidth - 4, 13);
    for (int c = 1; c <= TableColumns && c <= 3; ++c)
      entry::AddButtonUnder(d, GenerateButtonId(c), entry::kGenerateCaptions[c - 1], y, c, 1);
  }
  d.height += 15 * rows + 2;
  d.width = std::max(d.width, 230);
  // The OK / CANCEL row stays the last row of the window.
  for (DialogControl& c : d.controls)
    if (c.id == kContinueId || c.id == kTableCancelId) c.y = d.height - 21;
}

}  // namespace

GridProfile MureloGridProfile() {
  GridProfile p = entry::TableGrid(EntryProfile());
  p.layout = [] { entry::TableWidths(Table, 33, 98); };
  p.headings = TableHeadings;
  // Support constants are never negative: the grid's own rule.
  p.command = TableCommand;
  p.accept = TableAccept;
  return p;
}

int ShowTableWindow(HWND owner, int kind, int rows, int columns) {
  return entry::ShowTableWindow(EntryProfile(), owner, kind, rows, columns);
}

// ---------------------------------------------------------------- generation dialogs

// ---------------------------------------------------------------- the one-page dialog

DialogTemplate LoadGenerationDialog(int kind, int column) {
  OneValueKind = kind;
  SharedIntegers(kLoadGenerationModeSlot) = kind;
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
    rows.push_back({kLoadGenerationLabelBaseId + i, kOnePageFieldBaseId + i, label, text, digits});
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
  return SmallForm(caption, kLoadGenerationHeadingId, heading, rows);
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
    WarnIncorrectData(dialog, kOnePageFieldBaseId + k, FieldTexts[k], NumberCharsSigned, code);
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
                     (winkler && !(num(1) > GeneralData.Get(kBasePlate, kPoissonItem)));
  } else if (kind >= 4) {
    std::vector<int> rows;
    wrong = refuse = !GenerationRows(FieldTexts[1], FieldTexts[2], FieldTexts[3], TableRows, rows);
  }
  if (wrong) WarnBox(dialog, LoadDataWarning());
  return !refuse;
}

}  // namespace

INT_PTR CALLBACK LoadDataDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  constexpr int first = kOnePageFieldBaseId + 1, last = kOnePageFieldBaseId + kOnePageFields;
  static const std::vector<ColourRule> colours = WithFieldColours(first, last, {});
  return entry::SmallFormMessage(dialog, msg, wParam, lParam, colours, first, last, DialogStatus, OneValueValid);
}

// ---------------------------------------------------------------- the profile

namespace {
const std::vector<ColourRule> kHalfSpaceColours = WithFieldColours(
    kHalfSpaceFieldId, kHalfSpaceFieldId + 2,
    {{WM_CTLCOLORSTATIC, kHalfSpaceLabelBaseId + 1, kHalfSpaceLabelBaseId + 9, RGB(0, 0, 0), RGB(0, 255, 255)},
     {WM_CTLCOLORSTATIC, kFirstGroupHeadingId, kSecondGroupHeadingId, RGB(255, 255, 0), RGB(64, 128, 128)},
               {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(255, 255, 0), RGB(200, 11, 36)}});
}  // namespace

const entry::Profile& EntryProfile() {
  static const entry::Profile profile = [] {
    entry::Profile p(&Table, &DialogStatus, &FieldTexts, EntryCaption, MureloGridProfile, DrawStructureView);
    p.narrowView = 470;
    p.tableHeads = {kTableTitleId, kGroupHeadId, kRowHeadId, kRowUnitId, kColumnHeadBaseId, kColumnUnitBaseId};
    p.tableHeads.groupHeadY = -33;
    p.tableHeads.groupHeadStyle = SS_CENTER | SS_SUNKEN;
    p.tableHeads.skipsEmptyColumnHeads = true;
    p.tableOpening = [](int rows) { SharedIntegers(kTableRowsSlot) = rows; };
    p.generationCaption = GenerationCaption;
    p.generationHeadingId = kLinearHeadingId;
    p.generationHeading = [](const std::string& value) { return value; };
    p.valueFieldTakesColumnLabel = true;
    p.rangeByValueRule = true;
    p.generationClosed = [] {
      SharedIntegers(kFieldCountSlot) = SharedIntegers(kFirstFieldIdSlot) = 0;
      LinearDialog = false;
    };
    p.generatedRows = [](const std::vector<std::string>& f, std::vector<int>& rows) {
      if (!LinearDialog) return GenerationRows(f[1], f[2], f[3], TableRows, rows);
      // The linear variation: nodes i < m on the stem.
      const int i = static_cast<int>(ParseNumber(f[1])), m = static_cast<int>(ParseNumber(f[2]));
      return i >= 1 && i < m && m <= TableRows + 1;
    };
    p.rangeWarning = RangeWarning();
    p.uniformCaption = [] {
      return Table.kind == "GEOMETRY" ? " UNIFORM GEOMETRY DATA GENERATION:" + EntryCaption() : Table.title;
    };
    p.uniformColours = entry::kUniformOnDarkRed;
    p.uniformOpening = [](int column) {
      SharedIntegers(kUniformColumnSlot) = column;
      SharedIntegers(kUniformRowCountSlot) = TableRows;
    };
    p.halfSpaceField = kHalfSpaceFieldId;
    p.halfSpaceFields = [] { return 3; };
    // The yield stress is stored as typed.
    p.halfSpaceProblem = [](std::vector<std::string>& texts) {
      const std::string yield = texts[3];
      const int item = HalfSpaceProblem(texts);
      texts[3] = yield;
      return item;
    };
    p.storeHalfSpace = [](const std::vector<std::string>& texts) {
      if (SupportFlags.size() < kSupportFlagSlots) SupportFlags.resize(kSupportFlagSlots);
      SupportFlags[kHalfSpaceModulusSlot] = texts[1];
      SupportFlags[kHalfSpacePoissonSlot] = texts[2];
      SupportFlags[kHalfSpaceYieldSlot] = texts[3];
    };
    p.halfSpaceColours = kHalfSpaceColours;
    AddDialogs(p);
    return p;
  }();
  return profile;
}

}  // namespace murelo
