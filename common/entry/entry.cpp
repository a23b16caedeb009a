// The shared data entry on a program's profile (see entry.h).
#include "entry/entry.h"

#include <algorithm>
#include <cmath>

#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "core/tableentry.h"
#include "gfx/gfx.h"
#include "win/checklist.h"
#include "win/dataform.h"
#include "win/fieldkeys.h"
#include "win/ids.h"
#include "win/messages.h"

namespace entry {

namespace {

// The profile of the dialog on screen: a dialog procedure has no other way to it. Set by the
// routine that builds the dialog.
const Profile* Active = nullptr;
bool DetailsWanted = false;  // the geometry dialog ended through Ok, its details box ticked
bool EditWanted = false;  // the support type dialog ended through ENTER / EDIT
bool ViewOpen = false;  // the structure view of the window on screen is the current graphics window

std::string CellOf(int column, int row) { return Trim(CellTexts.Get(column, row)); }

bool GenerationValid(HWND dialog) {
  const Profile& p = *Active;
  std::vector<std::string>& f = *p.fields;
  if (f.size() < 5) f.resize(5);
  for (int k = 1; k <= 4; ++k) {
    int code = k < 4 && !p.rangeByValueRule ? 7 : ValueRule(*p.table);
    WarnIncorrectData(dialog, kFirstRangeFieldId - 1 + k, f[k], NumberCharsSigned, code);
    if (code != 0) return false;
  }
  std::vector<int> rows;
  if (!p.generatedRows(f, rows)) {
    WarnBox(dialog, p.rangeWarning);
    return false;
  }
  return true;
}

bool UniformValid(HWND dialog) {
  const Profile& p = *Active;
  p.status->clear();
  int code = ValueRule(*p.table);
  std::string text;
  WarnIncorrectData(dialog, kUniformFieldId, text, NumberCharsSigned, code);
  if (code != 0) return false;
  *p.status = text;
  if (p.fields->size() < 2) p.fields->resize(2);
  (*p.fields)[1] = text;
  EnableWindow(GetDlgItem(dialog, kUniformFieldId), FALSE);
  return true;
}

// Ok (okId) ends the dialog with okEnd (read once `accepted` has run) when `accepted` (which has
// warned otherwise); Cancel (2) with 0.
INT_PTR OkOrCancel(HWND dialog, int id, int okId, const std::function<bool()>& accepted, const INT_PTR& okEnd = 1) {
  if (id == okId) {
    if (accepted()) EndDialog(dialog, okEnd);
    return TRUE;
  }
  if (id == kCancelId) {
    EndDialog(dialog, 0);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

const std::vector<ColourRule> kUniformOnDarkRed = {
    {WM_CTLCOLOREDIT, kUniformFieldId, kUniformFieldId, RGB(0, 0, 255), RGB(255, 255, 200), false},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 255), RGB(0, 255, 255)},
    {WM_CTLCOLORDLG, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(128, 0, 0)},
};

const std::vector<ColourRule> kSupportTypesOnRed = {
    {WM_CTLCOLORSTATIC, 100, 111, RGB(0, 128, 128), RGB(255, 255, 200)},
    {WM_CTLCOLORSTATIC, 171, 179, RGB(255, 255, 200), RGB(0, 128, 128)},
    {WM_CTLCOLORSTATIC, 181, 189, RGB(255, 255, 0), RGB(49, 119, 149)},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(255, 255, 0), RGB(200, 11, 36)},
};

const std::array<std::string, 5> kWinklerHeads = {"Element i", "at i, ki", "at j, kj", "at i", "at j"};
const std::array<std::string, 5> kWinklerUnits = {"Nodes i-j", "", "", "", ""};
const std::array<std::string, 5> kWinklerLabels = {"", " SUBGRADE MODULUS k[kPa/m]=", " SUBGRADE MODULUS k[kPa/m]=",
                                                   " YIELD STRESS in [kPa]=", " YIELD STRESS in [kPa]="};

void ElasticTexts(TableTexts& t, const std::string& head, const std::string& k, const std::string& kUnit,
                  const std::string& krUnit) {
  t.title = "LINEAR ELASTIC SUPPORTS DATA:";
  t.rowKind = "NODE";
  t.groupHead = "Elastic Constants";
  t.heads = {head, k + "[" + kUnit + "]", "kr[" + krUnit + "]", "", ""};
  t.units = {"i", "", "", "", ""};
  t.labels = {"", " Elastic CONSTANT " + k + "[" + kUnit + "]=", " Elastic CONSTANT kr[" + krUnit + "]=", "", ""};
}

void WinklerTexts(TableTexts& t, const std::string& groupHead) {
  t.title = "WINKLER SOIL DATA:";
  t.groupHead = groupHead;
  t.heads = kWinklerHeads;
  t.units = kWinklerUnits;
  t.labels = kWinklerLabels;
}

void TableWidths(const TableTexts& table, int geometryLabel, int geometryCell) {
  RowLabelOffset = 0;
  if (TableKind == 0) {
    LabelWidth = geometryLabel;
    CellWidth = geometryCell;
  } else if (TableKind == 1) {
    LabelWidth = 55;
    CellWidth = table.kind == "WINKLER" ? 58 : 82;
  } else {
    LabelWidth = 58;
    CellWidth = 68;
  }
}

std::vector<ColourRule> GeometryColours(int unitsLast, const std::vector<ColourRule>& own) {
  std::vector<ColourRule> rules = {
      {WM_CTLCOLORSTATIC, kGeometryLabelBaseId + 1, kGeometryLabelBaseId + 9, RGB(0, 0, 255), RGB(0, 255, 255)},
      {WM_CTLCOLORSTATIC, kGeometryUnitBaseId + 1, unitsLast, RGB(0, 255, 0), RGB(128, 128, 128)}};
  rules.insert(rules.end(), own.begin(), own.end());
  return WithFieldColours(kGeometryFieldBaseId + 1, kGeometryFieldBaseId + 5, rules);
}

std::string RangeWarning() { return "Incorrect Unyielding Support Data!\r\n\r\n        Correct the Data!         "; }

int ValueRule(const TableTexts& table) {
  if (table.kind == "GEOMETRY") return 2;
  return table.kind == "ELASTIC" || table.kind == "WINKLER" ? 3 : 7;
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

int FocusedValueColumn() { return CurrentColumn >= 1 && CurrentColumn <= TableColumns ? CurrentColumn : 1; }

INT_PTR SmallFormMessage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, const std::vector<ColourRule>& colours,
                         int first, int last, std::string& status, const std::function<bool(HWND)>& valid) {
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, colours, colour)) return colour;
  if (msg == WM_DESTROY) {
    RestoreControls(dialog, first, last);
    return FALSE;
  }
  if (msg != WM_COMMAND) return FALSE;
  return SmallFormCommand(dialog, wParam, status, valid);
}

// ---------------------------------------------------------------- the table window

void OpenStructureView(const Profile& p, HWND window, const std::string& view, const std::string& kind) {
  if (ViewOpen) GfxWindowEx(0, kGfxClose);  // one left by a window that was not closed through here
  const bool wide = GetSystemMetrics(SM_CXSCREEN) >= 1024;
  // The picture shrinks where the window and it would not both fit on the screen.
  const long width = ViewWidthOnScreen(window, wide ? 610 : p.narrowView, 300);
  const long height = std::lround(width * p.viewHeight);
  const long left = MakeRoomForView(window, width, height);
  p.drawView(window, left, 0, width, height, view, wide ? 1 : 2, kind);
  ViewOpen = true;
}

void CloseStructureView() {
  if (ViewOpen) GfxWindowEx(0, kGfxClose);
  ViewOpen = false;
}

void OpenTableView(const Profile& p, HWND table) {
  OpenStructureView(p, table, TableKind == 0 ? "Geom" : TableKind == 1 ? "Supp" : "Load", p.table->kind);
}

GridProfile TableGrid(const Profile& p) {
  GridProfile grid;
  grid.initialise = [&p](HWND table) { OpenTableView(p, table); };
  grid.status = p.status;
  return grid;
}

void AddTableHeads(const Profile& p, DialogTemplate& d, const std::string& title) {
  const TableTexts& t = *p.table;
  const TableHeads& h = p.tableHeads;
  const int x0 = TableLeft + LabelWidth;
  // A title longer than its place (a long load case name) gets the room of one line: wrapped, its
  // second line would fall under the headings below.
  int unused = 0;
  const int titleWidth = std::max(h.titleWidth != 0 ? h.titleWidth : std::max(200, TableWidth - 10),
                                  DialogTextWidth(d, title, unused) + 4);
  d.width = std::max(d.width, TableLeft + titleWidth + 5);
  AddLabel(d, h.title, title, TableLeft, 4, titleWidth, 10);
  if (!h.skipsEmptyGroupHead || !t.groupHead.empty())
    AddLabel(d, h.groupHead, t.groupHead, x0, h.groupHeadY < 0 ? TableTop + h.groupHeadY : h.groupHeadY,
             TableColumns * CellWidth, 10, h.groupHeadStyle);
  AddLabel(d, h.rowHead, t.heads[0], TableLeft, TableTop - 22, LabelWidth, 10, SS_CENTER | SS_SUNKEN);
  AddLabel(d, h.rowUnit, t.units[0], TableLeft, TableTop - 11, LabelWidth, 10, SS_CENTER);
  for (int c = 1; c <= TableColumns && c <= 4; ++c) {
    const int x = x0 + (c - 1) * CellWidth;
    if (!h.skipsEmptyColumnHeads || !t.heads[c].empty())
      AddLabel(d, h.columnHeadBase + c, t.heads[c], x, TableTop - 22, CellWidth, 10, SS_CENTER | SS_SUNKEN);
    AddLabel(d, h.columnUnitBase + c, t.units[c], x, TableTop - 11, CellWidth, 10, SS_CENTER);
  }
}

const std::array<std::string, 3> kUniformCaptions = {"&UNIFORM", "U&NIFORM", "UN&IFORM"};
const std::array<std::string, 4> kGenerateCaptions = {"&GENERATE", "G&ENERATE", "GENE&RATE", "GENERA&TE"};

void AddButtonUnder(DialogTemplate& d, int id, const std::string& text, int y, int column, int row, int span) {
  AddButton(d, id, text, TableLeft + LabelWidth + (column - 1) * CellWidth + 2, y + 15 * row, span * CellWidth - 4, 13);
}

void AddUniformGenerateButtons(DialogTemplate& d, int y) {
  for (int c = 1; c <= TableColumns && c <= 3; ++c) {
    AddButtonUnder(d, UniformButtonId(c), kUniformCaptions[c - 1], y, c, 0);
    AddButtonUnder(d, GenerateButtonId(c), kGenerateCaptions[c - 1], y, c, 1);
  }
}

int ShowTableWindow(const Profile& p, HWND owner, int kind, int rows, int columns) {
  ProgramGrid = p.grid();
  TableKind = kind;
  SetTableLayout(1, rows, columns);
  if (p.tableOpening) p.tableOpening(rows);
  const int end = static_cast<int>(ShowModalDialog(BuildDataTable(), owner, DataTableProc));
  CloseStructureView();
  return end;
}

// ---------------------------------------------------------------- GENERATE and UNIFORM

DialogTemplate GenerationDialog(const Profile& p, int column) {
  const TableTexts& t = *p.table;
  const bool nodes = t.rowKind == "NODE";
  std::string value = t.labels[column];
  if (t.kind == "WINKLER" && column > 2) value = " YIELD STRESS in [kPa]";
  const std::string field = p.valueFieldTakesColumnLabel ? t.labels[column] : value;
  return OnProfile(
      p, SmallForm(p.generationCaption ? p.generationCaption() : p.caption(), p.generationHeadingId,
                   p.generationHeading(value),
                   {{kFirstRangeLabelId, kFirstRangeFieldId, nodes ? " START NODE No:" : " START ELEMENT No (Nodes i,j):",
                     std::to_string(1 + RowLabelOffset), true},
                    {kFirstRangeLabelId + 1, kFirstRangeFieldId + 1, nodes ? " END NODE No:" : " END ELEMENT No:", std::to_string(TableRows + RowLabelOffset),
                     true},
                    {kFirstRangeLabelId + 2, kFirstRangeFieldId + 2, " STEP:", "1", true},
                    {kFirstRangeLabelId + 3, kLastRangeFieldId, field, CellOf(column + 1, 1), false}}));
}

DialogTemplate OnProfile(const Profile& p, const DialogTemplate& form) {
  Active = &p;
  return form;
}

INT_PTR CALLBACK GenerationDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  const Profile& p = *Active;
  if (msg == WM_DESTROY && p.generationClosed) p.generationClosed();
  static const std::vector<ColourRule> fields = WithFieldColours(kFirstRangeFieldId, kLastRangeFieldId, {});
  return SmallFormMessage(dialog, msg, wParam, lParam, p.generationColours ? fields : std::vector<ColourRule>(),
                          kFirstRangeFieldId, kLastRangeFieldId, *p.status, GenerationValid);
}

DialogTemplate UniformDialog(const Profile& p, int column) {
  Active = &p;
  if (p.uniformOpening) p.uniformOpening(column);
  const TableTexts& t = *p.table;
  const std::string label = t.labels[column] + p.uniformLabelEnd;
  return SmallForm(p.uniformCaption ? p.uniformCaption() : p.caption(), kUniformHeadingId, p.uniformHeading ? p.uniformHeading() : "",
                   {{p.uniformLabelId, kUniformFieldId, label, CellOf(column + 1, 1), false}});
}

INT_PTR CALLBACK UniformDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  const Profile& p = *Active;
  return SmallFormMessage(dialog, msg, wParam, lParam, p.uniformColours, kUniformFieldId, kUniformFieldId, *p.status,
                          UniformValid);
}

void GenerateColumn(const Profile& p, HWND table, int column) {
  if (column < 1 || column > TableColumns) return;
  if (ShowModalDialog(GenerationDialog(p, column), table, GenerationDialogProc) != 1) return;
  const std::vector<std::string>& f = *p.fields;
  std::vector<int> rows;
  p.generatedRows(f, rows);
  // A Winkler table's modulus and yield stress stand for both ends of each element.
  for (int c : ColumnsSetTogether(column, p.table->kind == "WINKLER"))
    for (int r : rows) CellTexts(c + 1, r) = f[4];
}

void ColumnButtonCommand(const Profile& p, HWND table, int id) {
  const int column = ButtonColumn(id);
  if (id == UniformButtonId(column)) UniformColumn(p, table, column);
  else GenerateColumn(p, table, column);
}

// Puts a form over the table, above the button that opened it (below it when there is no room
// above), and keeps it left of the picture beside the table and on the screen.
void PlaceOverTable(HWND form, HWND table, HWND button) {
  RECT f{}, b{}, t{}, page{};
  GetWindowRect(form, &f);
  GetWindowRect(button, &b);
  GetWindowRect(table, &t);
  const int w = f.right - f.left, h = f.bottom - f.top;
  long right = t.right;
  if (HWND container = TableContainer()) {
    GetWindowRect(container, &page);
    right = std::max<long>(page.right, b.right);
  }
  long x = std::min<long>(b.left, right - w), y = b.top - h - 4;
  if (y < t.top) y = b.bottom + 4;
  x = std::max<long>(0, std::min<long>(x, GetSystemMetrics(SM_CXSCREEN) - w));
  y = std::max<long>(0, std::min<long>(y, GetSystemMetrics(SM_CYSCREEN) - h));
  SetWindowPos(form, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void UniformColumn(const Profile& p, HWND table, int column) {
  if (column < 1 || column > TableColumns) return;
  DialogTemplate d = UniformDialog(p, column);
  // Centred on the screen it would stand over the structure view beside the table.
  OnOpen(d, [table, column](HWND form) {
    if (HWND button = GetDlgItem(table, UniformButtonId(column))) PlaceOverTable(form, table, button);
  });
  if (ShowModalDialog(d, table, UniformDialogProc) != 1) return;
  FillColumn(column + 1, *p.status);
}

// ---------------------------------------------------------------- half-space

DialogTemplate HalfSpaceForm(const Profile& p, const std::string& caption, const std::vector<HalfSpaceRow>& rows,
                             int room, int unitBase) {
  DialogTemplate d = NewDialog(caption, 0, 0, 250, 0);
  int h = 0, widest = 0, y = 18, i = 0;
  for (const HalfSpaceRow& r : rows) widest = std::max(widest, DialogTextWidth(d, r.label, h));
  d.width = std::max(220, widest + room);
  AddLabel(d, kHalfSpaceHeadingId, " HALF SPACE DATA:", 5, 4, d.width - 10, 10);
  for (const HalfSpaceRow& r : rows) {
    ++i;
    if (r.groupId != 0) AddLabel(d, r.groupId, r.group, 5, y, d.width - 10, 10);
    y += (r.groupId != 0 ? 12 : 0) + r.gap;
    AddLabel(d, kHalfSpaceLabelBaseId + i, r.label, 5, y + 1, widest, 10, SS_RIGHT);
    AddField(d, p.halfSpaceField + i - 1, r.text, widest + 10, y, 85, 12, WS_TABSTOP | ES_AUTOHSCROLL | ES_MULTILINE);
    if (!r.unit.empty()) AddLabel(d, unitBase + i, r.unit, widest + 98, y + 1, 20, 10);
    y += 13;
  }
  AddButton(d, kOkId, "&Ok", d.width / 2 - 45, y + 6, 40, 14);
  AddButton(d, kCancelId, "&Cancel", d.width / 2 + 5, y + 6, 40, 14);
  d.height = y + 26;
  OnOpen(d, [first = p.halfSpaceField, i](HWND dialog) { StartFields(dialog, first, i); });
  return OnProfile(p, d);
}

INT_PTR CALLBACK HalfSpaceDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  const Profile& p = *Active;
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, p.halfSpaceColours, colour)) return colour;
  const int fields = p.halfSpaceFields();
  if (msg == WM_DESTROY) {
    RestoreControls(dialog, p.halfSpaceField, p.halfSpaceField + fields - 1);
    return FALSE;
  }
  if (msg != WM_COMMAND) return FALSE;
  return OkOrCancel(dialog, LOWORD(wParam), kOkId, [&] {
    std::vector<std::string> texts = TrimmedFields(dialog, p.halfSpaceField, fields);
    if (int item = p.halfSpaceProblem(texts)) {
      WarnBox(dialog, ::ItemWarning(item));
      FocusField(GetDlgItem(dialog, p.halfSpaceField + item - 1));
      return false;
    }
    p.storeHalfSpace(texts);
    return true;
  });
}

// ---------------------------------------------------------------- unyielding nodes

void OpenNodeList(const Profile& p, HWND dialog, int x, int y, int width, int height, DWORD style, int nodes,
                  const std::vector<int>& marks, const std::function<void(HWND list)>& arrange) {
  HWND list = CreateDialogControl(dialog, "LISTBOX", kNodeListId, "", x, y, width, height, style, WS_EX_CLIENTEDGE);
  FillCheckList(list, nodes, marks);
  if (arrange) arrange(list);
  SetFocus(list);
  OpenStructureView(p, dialog, "Supp", "UNYIELD");
  PointerOnControl(dialog, kContinueId);
}

INT_PTR CALLBACK NodeListDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  const Profile& p = *Active;
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, p.nodeListColours, colour)) return colour;
  if (p.nodeListActivated && ((msg == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) || msg == WM_SETFOCUS))
    p.nodeListActivated();
  return NodeListDialogMessage(dialog, msg, wParam, lParam, kNodeListId, p.acceptNodeMarks, p.nodeListOkEnd);
}

std::vector<ColourRule> NodeListColours(int first, int last) {
  return {{WM_CTLCOLORSTATIC, first, last, RGB(255, 255, 255), RGB(0, 128, 128)},
          {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(128, 255, 0)},
          {WM_CTLCOLORLISTBOX, kNodeListId, kNodeListId, RGB(0, 0, 255), SystemColour(COLOR_INFOBK)}};
}

// ---------------------------------------------------------------- geometry

DialogTemplate OnGeometry(const Profile& p, const DialogTemplate& form) {
  Active = &p;
  DetailsWanted = false;
  return form;
}

INT_PTR CALLBACK GeometryDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  const Profile& p = *Active;
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, p.geometryColours, colour)) return colour;
  if (msg == WM_DESTROY) {
    for (const auto& range : p.geometryRestored) RestoreControls(dialog, range.first, range.second);
    return FALSE;
  }
  if (msg != WM_COMMAND) return FALSE;
  const int id = LOWORD(wParam);
  if (id == kCancelId && p.geometryCancelled) p.geometryCancelled();
  INT_PTR end = p.geometryOkEnd;
  return OkOrCancel(
      dialog, id, p.geometryOk,
      [&] {
        std::vector<std::string> texts = TrimmedFields(dialog, kGeometryFieldBaseId + 1, p.geometryFields());
        int focus = 0;
        const std::string warning = p.geometryWarning(dialog, texts, focus);
        if (!warning.empty()) {
          WarnBox(dialog, warning);
          if (focus != 0) SetFocus(GetDlgItem(dialog, focus));
          return false;
        }
        if (!p.saveGeometry(dialog, texts)) {
          WarnBox(dialog, p.geometryUnwritten ? p.geometryUnwritten()
                                              : "The geometry file " + JobSpec + ".geo cannot be written.");
          return false;
        }
        DetailsWanted = Checked(dialog, kDetailsBoxId);
        if (p.geometryEnd) end = p.geometryEnd(dialog, texts);
        return true;
      },
      end);
}

bool GeometryDetailsWanted() { return DetailsWanted; }

// ---------------------------------------------------------------- support types

DialogTemplate SupportTypeForm(const Profile& p, const DialogTemplate& form) {
  Active = &p;
  EditWanted = false;
  return form;
}

INT_PTR CALLBACK SupportTypeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  const Profile& p = *Active;
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, p.supportTypeColours, colour)) return colour;
  if (msg == WM_DESTROY) {
    RestoreControl(dialog, kEnterSupportDataId);
    return FALSE;
  }
  if (msg != WM_COMMAND) return FALSE;
  const int id = LOWORD(wParam);
  // ENTER / EDIT accepts the choice as Ok does.
  return OkOrCancel(dialog, id, id == kEnterSupportDataId ? id : p.supportTypeOk, [&] {
    std::vector<bool> on;
    for (int control : p.supportTypeIds()) on.push_back(Checked(dialog, control));
    const std::string warning = p.supportTypeWarning(on);
    if (!warning.empty()) {
      WarnBox(dialog, warning);
      return false;
    }
    EditWanted = id == kEnterSupportDataId;
    p.storeSupportTypes(dialog, on, EditWanted);
    return true;
  });
}

bool SupportDataWanted() { return EditWanted; }

}  // namespace entry
