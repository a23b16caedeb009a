// Trabix's data-entry dialogs and table windows (see entry.h).
#include "trabix/entry/entry.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/fieldcheck.h"
#include "core/jobdata.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "core/tableentry.h"
#include "core/textfiles.h"
#include "gfx/gfx.h"
#include "trabix/core/dataentry.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/slots.h"
#include "trabix/entry/ids.h"
#include "trabix/entry/tablewindow.h"
#include "trabix/views/views.h"
#include "win/checklist.h"
#include "win/colours.h"
#include "win/dataform.h"
#include "win/fieldkeys.h"
#include "win/ids.h"
#include "win/messages.h"

namespace trabix {

std::string DialogStatus;
TableTexts Table;

namespace {

std::array<int, 5> Locks{};
bool GeometrySaved = false;  // the geometry dialog's Ok wrote the file

// The job's geometry file into the cleared entry tables; false when it has no geometry.
bool LoadGeometry() {
  ClearEntryTables();
  if (TextLines.size() < 5001) TextLines.resize(5001);
  int count = 0;
  LoadTextLines(GeometryFileName(JobSpec), TextLines, 5000, count);
  int at = count > 0 ? ReadGeometryHeader(TextLines, count) : 0;
  if (at > 0) ReadElementTable(TextLines, count, at);
  return at > 0;
}

int WholeField(int k) { return WholeNumber(FieldTexts[k]); }

// At the dialog's opening, the system's fixed font on every control of its template but the frame.
void FixedFontsBut(DialogTemplate& d, int frameId) {
  std::vector<int> ids;
  for (const DialogControl& c : d.controls)
    if (c.id != frameId) ids.push_back(c.id);
  OnOpen(d, [ids](HWND dialog) {
    for (int id : ids) SetFixedFont(dialog, id);
  });
}

// A load table's button: the value dialog of its mode, then its texts into the table.
void LoadTableCommand(HWND table, int id) {
  int column = entry::FocusedValueColumn();
  int mode = id == kFirstButtonId ? Table.firstMode : Table.generateMode + column - 1;
  if (ShowModalDialog(LoadGenerationDialog(mode), table, LoadDataDialogProc) != 1) return;
  if (id != kFirstButtonId) {
    ApplyColumnRange(column + 1, WholeField(1), WholeField(2), WholeField(3), FieldTexts[4]);
  } else if (mode == 1) {
    LinearLoadBetweenNodes(FieldTexts, ElementLengths());
  } else {
    FillColumn(2, FieldTexts[1]);
    FillColumn(3, FieldTexts[2]);
  }
}

// The column commands of the table on screen.
void TableCommand(HWND table, int id) {
  const entry::Profile& p = EntryProfile();
  if (Table.kind == "GEOMETRY") {
    entry::ColumnButtonCommand(p, table, id);
    return;
  }
  if (Table.firstMode != 0) {
    if (id == kFirstButtonId || id == kGenerateButtonId) LoadTableCommand(table, id);
    return;
  }
  int column = entry::FocusedValueColumn();
  if (id == kFirstButtonId && Table.kind == "WINKLER") {
    // One subgrade modulus for both ends of every element, whatever column has the focus.
    if (ShowModalDialog(entry::UniformDialog(p, 1), table, entry::UniformDialogProc) == 1)
      SetSameModulus(FieldTexts[1], TableRows);
  } else if (id == kFirstButtonId) {
    entry::UniformColumn(p, table, column);
  } else if (id == kGenerateButtonId) {
    entry::GenerateColumn(p, table, column);
  } else if ((id == kModulusFunctionId || id == entry::kYieldFunctionId) && Table.kind == "WINKLER") {
    bool yield = id == entry::kYieldFunctionId;
    if (ShowModalDialog(NodeFunctionDialog(yield), table, LoadDataDialogProc) == 1)
      ApplyNodeFunction(yield ? 2 : 0, FieldTexts, ElementLengths());
  }
}

bool TableAccept(HWND table) {
  if (Table.kind == "GEOMETRY") {
    std::string problem = GeometryTableProblem(TableRows, IsStrip(), GeometryValues[kLengthSlot]);
    if (!problem.empty()) {
      WarnBox(table, problem + "\r\n\r\n          Correct the Data!");
      return false;
    }
    SaveGeometryCells(JobSpec);
    return true;
  }
  if (Table.kind == "ELASTIC" || Table.kind == "WINKLER") StoreSupportCells(Table.kind);
  else StoreLoadCells(Table.kind);
  return true;
}

void TableHeadings(DialogTemplate& d) {
  // A load table is captioned by its heading.
  d.caption = Table.kind == "GEOMETRY" ? " GEOMETRY DETAILS DATA:" : TableKind == 2 ? Table.title : EntryCaption();
  entry::AddTableHeads(EntryProfile(), d, Table.title);
  if (Table.kind == "GEOMETRY") {
    entry::AddUniformGenerateButtons(d, d.height);
    d.height += 32;
    return;
  }
  int w = std::max(d.width - 10, 250), y = d.height;
  d.width = std::max(d.width, w + 10);
  AddButton(d, kFirstButtonId, Table.firstButton, 5, y, w, 13);
  AddButton(d, kGenerateButtonId, "&GENERATE", 5, y + 15, w, 13);
  d.height += 32;
  if (Table.kind == "WINKLER") {
    AddButton(d, kModulusFunctionId, " Subgrade &Modulus k=A+Bz^n between Nodes 'i' and 'm' ", 5, d.height, w, 13);
    AddButton(d, entry::kYieldFunctionId, " &Yield Stress between Nodes 'i' and 'm' in form of f=A+Bz^n ", 5,
              d.height + 15, w, 13);
    d.height += 32;
  }
}

}  // namespace

std::string EntryCaption() { return "   BEAM/STRIP ANALYSIS.   JOB: " + JobSpec; }

GridProfile TrabixGridProfile() {
  GridProfile p = entry::TableGrid(EntryProfile());
  p.layout = [] { entry::TableWidths(Table, IsStrip() ? 60 : 33, IsStrip() ? 70 : 69); };
  p.headings = TableHeadings;
  // Lengths and support values are never negative.
  p.negative = [](int column) { return TableKind == 0 ? column != 1 : TableKind != 1; };
  p.prepareLocks = [] { Locks = TableLockFlags(Table.kind); };
  p.locked = [](int row, int column) { return CellIsLocked(Locks, row, column, TableRows); };
  p.command = TableCommand;
  p.accept = TableAccept;
  return p;
}

int WholeNumber(const std::string& text) { return static_cast<int>(std::floor(ParseNumber(text))); }

bool RangeRows(const std::vector<std::string>& fields, int rows, std::vector<int>& out) {
  out.clear();
  auto whole = [&fields](size_t k) { return k < fields.size() ? WholeNumber(fields[k]) : 0; };
  if (!GenerationRangeValid(whole(1), whole(2), whole(3), rows)) return false;
  for (int r = whole(1); r <= whole(2); r += whole(3)) out.push_back(r);
  return true;
}

// ---------------------------------------------------------------- geometry and material

DialogTemplate GeometryDialog() {
  LoadGeometry();
  StructureFlags[kOpenedStripSlot] = StructureFlags[kStripSlot];
  std::string texts[6];
  texts[1] = LTrim(NumberToText(GeometryValues[kLengthSlot]));
  texts[2] = LTrim(NumberToText(GeometryValues[kElementCountSlot]));
  texts[3] = LTrim(FormatNumber(GeometryValues[kModulusSlot], "0.0000E+##"));
  texts[4] = LTrim(NumberToText(GeometryValues[kPoissonSlot]));
  texts[5] = LTrim(FormatNumber(GeometryValues[kExpansionSlot], "0.000E+##"));

  DialogTemplate d = NewDialog(EntryCaption(), 0, 0, 391, 164);
  AddLabel(d, kHeadingId, " GENERAL GEOMETRY and MATERIAL PROPERTIES DATA:", 8, 5, 250, 10);
  AddFrame(d, kRuleId, "", 5, 20, 381, 74);
  static const char* const labels[] = {"Beam Length or Strip Width ", "Number of Elements ", "Modulus of Elasticity ",
                                       "Poisson's Ratio (irrelevant to Beams) ", "Coefficient of Thermal Expansion "};
  static const char* const units[] = {" m", "", " kPa", "", " 1/Degree (Celsius)"};
  for (int i = 1; i <= 5; ++i) {
    int y = 13 * i + 14;
    AddLabel(d, entry::kGeometryLabelBaseId + i, labels[i - 1], 10, y + 1, 180, 10, SS_RIGHT);
    AddField(d, entry::kGeometryFieldBaseId + i, texts[i], 192, y, 90, 12,
             WS_TABSTOP | ES_AUTOHSCROLL | ES_MULTILINE | (i == 2 ? ES_NUMBER : 0));
    AddLabel(d, entry::kGeometryUnitBaseId + i, units[i - 1], 285, y + 1, 95, 10);
  }
  bool strip = IsStrip(), half = IsSymmetricHalf();
  AddOption(d, kBeamOptionId, " &BEAM ", 10, 100, 80, 12, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
  AddOption(d, kStripOptionId, " &STRIP ", 95, 100, 80, 12, BS_AUTORADIOBUTTON);
  AddOption(d, kHalfOptionId, " &HALF OF SYMMETRIC STRUCTURE ", 185, 100, 200, 12,
            WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
  AddOption(d, kEntireOptionId, " ENTIRE STRUCTURE BEING &ANALYSED ", 185, 113, 200, 12, BS_AUTORADIOBUTTON);
  AddCheckBox(d, entry::kDetailsBoxId, " &ENTER / EDIT GEOMETRY DATA ", 10, 118, 160, 12,
              WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX);
  AddButton(d, kOkId, "&Ok", 150, 131, 40, 14, WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON);
  AddButton(d, kCancelId, "&Cancel", 200, 131, 40, 14);
  FixedFontsBut(d, kRuleId);
  OnOpen(d, [strip, half](HWND dialog) {
    CheckDlgButton(dialog, strip ? kStripOptionId : kBeamOptionId, BST_CHECKED);
    CheckDlgButton(dialog, half ? kHalfOptionId : kEntireOptionId, BST_CHECKED);
    CheckDlgButton(dialog, entry::kDetailsBoxId, BST_CHECKED);
    for (int id = entry::kDetailsBoxId; id <= kEntireOptionId; ++id) SubclassControl(dialog, id, EditSubclassProc2);
    StartFields(dialog, entry::kGeometryFieldBaseId + 1, 5);
    PlacePointer(dialog, 170, 138);
  });
  return entry::OnGeometry(EntryProfile(), d);
}

namespace {
// The heading black on green, the table box white on olive, BEAM and STRIP white on teal. The
// HALF / ENTIRE options and the frame keep the system's colours.
const std::vector<ColourRule> kGeometryColours = entry::GeometryColours(
    entry::kGeometryUnitBaseId + 9,
    {{WM_CTLCOLORSTATIC, kHeadingId, kHeadingId, RGB(0, 0, 0), RGB(0, 255, 150)},
     {WM_CTLCOLORSTATIC, entry::kDetailsBoxId, entry::kDetailsBoxId, RGB(255, 255, 255), RGB(128, 128, 0)},
     {WM_CTLCOLORSTATIC, kStripOptionId, kBeamOptionId, RGB(255, 255, 255), RGB(0, 128, 128)}});
}  // namespace

int GeometryDetailsDialog(HWND owner) {
  LoadGeometry();
  Table = TableTexts();
  Table.kind = "GEOMETRY";
  Table.title = " GEOMETRY DETAILS DATA:";
  bool strip = IsStrip();
  Table.labels = {"", " Element Length L[m]=", strip ? " Element Depth h[m]=" : " Element Width B[m]=",
                  " Element Depth H[m]=", ""};
  Table.heads = {"Elem.", "Elem. Length", strip ? "Elem. Depth" : "Elem. Width", "Elem. Depth", ""};
  Table.units = {"No", "L[m]", strip ? "h[m]" : "B[m]", "H[m]", ""};
  FillGeometryCells();
  int n = ElementCount();
  return entry::ShowTableWindow(EntryProfile(), owner, 0, n, strip ? 2 : 3);
}

void GeometryCommand(HWND owner) {
  if (JobSpec.empty()) return;
  GeometrySaved = false;
  ShowModalDialog(GeometryDialog(), owner, GeometryDialogProc);
  if (GeometrySaved && entry::GeometryDetailsWanted()) GeometryDetailsDialog(owner);
}

DialogTemplate NodeFunctionDialog(bool yield) {
  FormTexts.Redim(6, 6);
  FormTexts(0, 0) = "WINKLER";
  FormTexts(6, 0) = " Start Node No (i):";
  FormTexts(6, 1) = " End Node No (m):";
  FormTexts(6, 2) = yield ? " Yield Stress Function [kPa]: f=A+Bz^n " : " Subgrade MODULUS Function [kPa/m]: k=A+Bz^n ";
  FormTexts(6, 3) = yield ? " Constant A [kPa]=" : " Constant A [kPa/m]=";
  FormTexts(6, 4) = " Constant B [consistent units]=";
  FormTexts(6, 5) = " Exponent n [-]=";
  SharedIntegers(kFirstFieldIdSlot) = kValueFieldId;
  SharedIntegers(kTableRowsSlot) = TableRows;
  return LoadGenerationDialog(1);
}

// ---------------------------------------------------------------- support types

namespace {
// The controls of the support types, in the order of their slots from kLeftEdgeFixedSlot.
const std::vector<int> kSupportIds = {
    entry::kFirstSupportBoxId, entry::kUnyieldingBoxId,     entry::kElasticBoxId, entry::kWinklerOptionId,
    entry::kIsotropicOptionId, entry::kAnisotropicOptionId, kRightEdgeBoxId};

bool Supported(int slot) { return slot < static_cast<int>(SupportFlags.size()) && IsYesAnswer(SupportFlags[slot]); }
}  // namespace

DialogTemplate SupportTypeDialog() {
  std::array<int, 8> states{};
  for (int i = 1; i <= 7; ++i) states[i] = Supported(kLeftEdgeFixedSlot + i - 1);
  bool half = IsSymmetricHalf();
  DialogTemplate d = NewDialog(EntryCaption(), 0, 0, 250, 160);
  AddLabel(d, kHeadingId, "SPECIFICATION OF SUPPORT TYPES:", 10, 5, 230, 10);
  AddFrame(d, kRuleId, "", 5, 16, 240, 104);
  AddCheckBox(d, entry::kFirstSupportBoxId, " &Left Edge Fixed against Rotation", 12, 24, 225, 12,
              WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX);
  AddCheckBox(d, entry::kUnyieldingBoxId, "&Unyielding Nodal Supports", 12, 38, 225, 12);
  AddCheckBox(d, entry::kElasticBoxId, "&Vertical and Rotational Elastic Nodal Supports", 12, 52, 225, 12);
  AddOption(d, entry::kWinklerOptionId, " Resting on &Winkler Foundation", 12, 66, 225, 12,
            WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
  AddOption(d, entry::kIsotropicOptionId, " Resting on &Isotropic Half-Space", 12, 80, 225, 12, BS_AUTORADIOBUTTON);
  AddOption(d, entry::kAnisotropicOptionId, " Resting on Cross-&Anisotropic Half-Space", 12, 94, 225, 12,
            BS_AUTORADIOBUTTON);
  AddCheckBox(d, kRightEdgeBoxId, " &Right Edge Fixed against Rotation", 12, 106, 225, 12,
              WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX);
  AddButton(d, kContinueId, "&OK", 70, 124, 50, 14, WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON);
  AddButton(d, kCancelId, "&Cancel", 130, 124, 50, 14);
  AddButton(d, entry::kEnterSupportDataId, " &ENTER / EDIT Support DATA ", 50, 142, 150, 14);
  for (int id = entry::kWinklerOptionId; id <= entry::kAnisotropicOptionId; ++id)
    SetControlCallback(d, id, ToggleCheckProc);
  OnOpen(d, [states, half](HWND dialog) {
    int option = 0;
    for (int i = 1; i <= 7; ++i)
      if (states[i]) {
        CheckDlgButton(dialog, kSupportIds[i - 1], BST_CHECKED);
        if (i >= 4 && i <= 6 && option == 0) option = kSupportIds[i - 1];
      }
    // The option toggle's memory from this dialog's own states, not from an earlier dialog.
    SharedIntegers(kToggleLastIdSlot) = option;
    SharedIntegers(kToggleOnSlot) = option != 0 ? 1 : 0;
    if (half) EnableWindow(GetDlgItem(dialog, kRightEdgeBoxId), FALSE);
    SetFocus(GetDlgItem(dialog, entry::kFirstSupportBoxId));
    PlacePointer(dialog, 125, 149);
  });
  return entry::SupportTypeForm(EntryProfile(), d);
}

namespace {
// The check boxes and options on brushes of the system's own colours; a button draws its focus
// mark again by itself when the focus comes or goes.
const std::vector<ColourRule> kSupportTypeColours = {
    {WM_CTLCOLORSTATIC, entry::kFirstSupportBoxId, kRightEdgeBoxId, SystemColour(COLOR_BTNTEXT),
     SystemColour(COLOR_BTNFACE)},
    {WM_CTLCOLORSTATIC, entry::kWinklerOptionId, entry::kAnisotropicOptionId, SystemColour(COLOR_BTNTEXT),
     SystemColour(COLOR_BTNFACE)},
};
}  // namespace

// ---------------------------------------------------------------- unyielding nodes

DialogTemplate UnyieldingSupportsDialog() {
  int nodes = ElementCount() + 1;
  int shown = std::min(15, nodes);
  DialogTemplate d = NewDialog(EntryCaption(), 0, 0, 200, 0);
  AddLabel(d, kNodeListTitleId, " UNYIELDING SUPPORTS DATA:", 5, 4, 190, 10);
  AddLabel(d, kCheckHintId, "Set CHECKS at NODES with SUPPORTS", 5, 16, 190, 10);
  AddLabel(d, entry::kNodeHeadId, "Node No", 40, 30, 60, 10);
  int h = 0;
  DialogTextWidth(d, "Node", h);
  int listHeight = static_cast<int>(shown * (h < 1.85 * 8 ? 10.1 : 12.1) + 1);
  AddFrame(d, kNodeFrameId, "", 30, 26, 140, listHeight + 20);
  int y = 46 + listHeight;
  AddButton(d, kRemoveChecksId, "&REMOVE ALL CHECKS", 40, y, 120, 14);
  AddButton(d, kContinueId, "&Ok", 40, y + 18, 55, 14);
  AddButton(d, kExitId, "&Cancel", 105, y + 18, 55, 14);
  d.height = y + 38;
  FixedFontsBut(d, kNodeFrameId);
  OnOpen(d, [nodes, listHeight](HWND dialog) {
    entry::OpenNodeList(EntryProfile(), dialog, 40, 40, 120, listHeight,
                        WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, nodes,
                        NodeMarks(UnyieldingNodes, nodes));
  });
  return entry::OnProfile(EntryProfile(), d);
}

namespace {
// Shows the pointer when something (the analysis) has hidden it, without raising the display
// count above showing.
void KeepPointerVisible() {
  int count = ShowCursor(TRUE);
  while (count < 0) count = ShowCursor(TRUE);
  if (count > 0) ShowCursor(FALSE);
}

// Ok: the marked nodes, when there are any, are the unyielding supports.
void AcceptUnyieldingMarks(const std::vector<int>& marks) {
  SupportFlags[kUnyieldingSlot] = "N";
  std::string list = JoinMarkedNodes(marks);
  if (!list.empty()) {
    UnyieldingNodes = list;
    SupportFlags[kUnyieldingSlot] = "Y";
  }
}
}  // namespace

// ---------------------------------------------------------------- spring and Winkler tables

int SupportTableDialog(HWND owner, const std::string& kind) {
  bool strip = IsStrip();
  Table = TableTexts();
  Table.kind = kind;
  Table.rowKind = "NODE";
  Table.firstButton = "&SET SAME ELASTIC CONSTANTS AT ALL NODES";
  int n = ElementCount();
  if (kind == "ELASTIC") {
    entry::ElasticTexts(Table, strip ? "Nodal Line" : "Node", "kv", strip ? "kN/m^2" : "kN/m",
                        strip ? "kN*m/rad/m" : "kN*m/rad");
  } else {
    entry::WinklerTexts(Table, "Subgr. Mod. k[kPa/m]          Yield Stress [kPa]");
  }
  FillSupportCells(kind);
  return entry::ShowTableWindow(EntryProfile(), owner, 1, kind == "ELASTIC" ? n + 1 : n, kind == "ELASTIC" ? 2 : 4);
}

// ---------------------------------------------------------------- half-space

namespace {
std::string HalfSpaceKind;
}

DialogTemplate HalfSpaceDialog(const std::string& kind) {
  HalfSpaceKind = kind;
  const bool iso = kind == "ISOTROPIC";
  const std::vector<std::string> texts = HalfSpaceTexts(kind);
  std::vector<entry::HalfSpaceRow> rows;
  if (iso)
    rows = {{"Modulus of Elasticity [kPa]= ", texts[1], "", kFirstGroupHeadingId, "SOIL ELASTIC PROPERTIES:"},
            {"Poisson's Ratio, Nu= ", texts[2]},
            {"Uniform Yield Stress [kPa]= ", texts[3], "", kSecondGroupHeadingId, "SOIL PLASTIC PROPERTY:"}};
  else
    rows = {{"for Vertical Direction, E[kPa]= ", texts[1], "", kFirstGroupHeadingId,
             "MODULI OF ELASTICITY OF HALF-SPACE: "},
            {"for Horizontal Direction, E[kPa]= ", texts[2]},
            {"Quasi Shear Modulus, G[kPa]= ", texts[3]},
            {"Complementary Horizontal Strain, Nu= ", texts[4], "", kSecondGroupHeadingId,
             "POISSON's RATIOS FOR EFFECT OF HORIZONTAL STRESS ON:"},
            {"Vertical Strain, Nu= ", texts[5]},
            {"Yield Stress [kPa]= ", texts[6], "", 0, "", 4}};
  DialogTemplate d = entry::HalfSpaceForm(EntryProfile(), EntryCaption(), rows, 105);
  // The frame around the fields, second in the template so that it lies beneath them.
  AddFrame(d, kHalfSpaceFrameId, "", 2, 15, d.width - 4, d.height - 38);
  std::rotate(d.controls.begin() + 1, d.controls.end() - 1, d.controls.end());
  OnOpen(d, [](HWND dialog) { PlacePointer(dialog, 30, 30); });
  return d;
}

namespace {
// The focused field black on white, the others blue on light yellow; the field labels black on
// cyan (the cross-anisotropic yield stress on grey-green), the group heads yellow on dark green,
// the frame in the system's colours, every other static text yellow on red.
const std::vector<ColourRule> kHalfSpaceColours = WithFieldColours(
    kHalfSpaceFieldBaseId + 1, kHalfSpaceFieldBaseId + 6,
    {{WM_CTLCOLORSTATIC, entry::kHalfSpaceLabelBaseId + 1, entry::kHalfSpaceLabelBaseId + 5, RGB(0, 0, 0),
      RGB(0, 255, 255)},
     {WM_CTLCOLORSTATIC, entry::kHalfSpaceLabelBaseId + 6, entry::kHalfSpaceLabelBaseId + 6, RGB(0, 0, 0),
      RGB(127, 164, 164)},
     {WM_CTLCOLORSTATIC, kFirstGroupHeadingId, kSecondGroupHeadingId, RGB(255, 255, 0), RGB(64, 128, 128)},
     {WM_CTLCOLORSTATIC, kHalfSpaceFrameId, kHalfSpaceFrameId, SystemColour(COLOR_WINDOWTEXT),
      SystemColour(COLOR_BTNFACE)},
     {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(255, 255, 0), RGB(200, 11, 36)}});
}  // namespace

// ---------------------------------------------------------------- the supports command

void EditSupportData(HWND owner) {
  if (Supported(kUnyieldingSlot)) {
    ShowModalDialog(UnyieldingSupportsDialog(), owner, UnyieldingSupportsDialogProc);
    entry::CloseStructureView();
  }
  if (Supported(kElasticSupportsSlot)) SupportTableDialog(owner, "ELASTIC");
  if (Supported(kWinklerSlot)) SupportTableDialog(owner, "WINKLER");
  if (Supported(kIsotropicHalfSpaceSlot)) ShowModalDialog(HalfSpaceDialog("ISOTROPIC"), owner, HalfSpaceDialogProc);
  if (Supported(kAnisotropicHalfSpaceSlot)) ShowModalDialog(HalfSpaceDialog("CROSS-ANISOTROPIC"), owner, HalfSpaceDialogProc);
}

void SupportDataCommand(HWND owner) {
  if (JobSpec.empty()) return;
  if (!LoadGeometry()) return;  // no geometry: nothing to support
  int count = 0;
  LoadTextLines(SupportFileName(JobSpec), TextLines, 5000, count);
  ReadSupportData(TextLines, count);
  ShowModalDialog(SupportTypeDialog(), owner, SupportTypeDialogProc);
  if (entry::SupportDataWanted()) EditSupportData(owner);
  SaveSupportFile(JobSpec);
}

// ---------------------------------------------------------------- the profile

namespace {
// The focused field blue on light yellow; the labels blue on the dialog's own colour.
const std::vector<ColourRule> kUniformColours = {
    {WM_CTLCOLOREDIT, entry::kUniformFieldId, entry::kUniformFieldId, RGB(0, 0, 255), RGB(255, 255, 200), false,
     ColourFocused},
    {WM_CTLCOLORSTATIC, entry::kUniformHeadingId, kUniformLabelId, RGB(0, 0, 255), SystemColour(COLOR_BTNFACE)},
};

// The support and load tables' range dialogs are headed by the table; the geometry's by its own.
std::string TableOrGeometry(const char* geometry) { return Table.rowKind.empty() ? geometry : Table.title; }
}  // namespace

const entry::Profile& EntryProfile() {
  static const entry::Profile profile = [] {
    entry::Profile p(&Table, &DialogStatus, &FieldTexts, EntryCaption, TrabixGridProfile, DrawStructureView);
    p.viewHeight = 0.718;
    p.tableHeads = {kTableTitleId, kGroupHeadId, kRowHeadId, kRowUnitId, kColumnHeadBaseId, kColumnUnitBaseId};
    p.tableHeads.titleWidth = 300;
    p.tableHeads.skipsEmptyGroupHead = false;
    p.generationHeading = [](const std::string&) { return TableOrGeometry(" GEOMETRY DATA GENERATION:"); };
    p.generationColours = false;
    p.generatedRows = [](const std::vector<std::string>& f, std::vector<int>& rows) {
      return RangeRows(f, TableRows, rows);
    };
    p.rangeWarning = entry::RangeWarning();
    p.uniformHeading = [] { return TableOrGeometry(" UNIFORM GEOMETRY DATA GENERATION:"); };
    p.uniformLabelId = kUniformLabelId;
    p.uniformLabelEnd = "";
    p.uniformColours = kUniformColours;
    p.uniformOpening = [](int column) { SharedIntegers(kUniformColumnSlot) = column; };
    p.halfSpaceFields = [] { return HalfSpaceKind == "ISOTROPIC" ? 3 : 6; };
    p.halfSpaceProblem = [](std::vector<std::string>& texts) { return HalfSpaceProblem(HalfSpaceKind, texts); };
    p.storeHalfSpace = [](const std::vector<std::string>& texts) {
      if (SupportFlags.size() < kSupportFlagSlots) SupportFlags.resize(kSupportFlagSlots);
      for (size_t i = 1; i < texts.size(); ++i) SupportFlags[kHalfSpaceModulusSlot + i - 1] = texts[i];
    };
    p.halfSpaceColours = kHalfSpaceColours;
    p.geometryFields = [] { return 5; };
    p.geometryOk = kOkId;
    p.geometryOkEnd = 0;
    p.geometryWarning = [](HWND dialog, const std::vector<std::string>& texts, int& focus) {
      const int item = GeometryItemProblem(texts, entry::Checked(dialog, kStripOptionId));
      focus = item != 0 ? entry::kGeometryFieldBaseId + item : 0;
      return item != 0 ? GeometryItemWarning(item) : std::string();
    };
    // A file that cannot be written leaves the details table out.
    p.saveGeometry = [](HWND dialog, const std::vector<std::string>& texts) {
      GeometrySaved =
          SaveGeometryDialogData(JobSpec, texts, entry::Checked(dialog, kStripOptionId),
                                 entry::Checked(dialog, kHalfOptionId));
      return true;
    };
    p.geometryCancelled = [] { GeometrySaved = false; };
    p.geometryRestored = {{entry::kGeometryFieldBaseId + 1, entry::kGeometryFieldBaseId + 5},
                          {entry::kDetailsBoxId, kEntireOptionId}};
    p.geometryColours = kGeometryColours;
    p.supportTypeIds = [] { return kSupportIds; };
    p.supportTypeOk = kContinueId;
    // Some support of the structure itself: unyielding or elastic nodes, or a soil.
    p.supportTypeWarning = [](const std::vector<bool>& on) {
      for (int slot = kUnyieldingSlot; slot <= kAnisotropicHalfSpaceSlot; ++slot)
        if (on[slot - kLeftEdgeFixedSlot]) return std::string();
      return std::string("The STRUCTURE is NOT SUPPORTED!\r\n\r\nCORRECT the SUPPORT Specification!");
    };
    p.storeSupportTypes = [](HWND dialog, const std::vector<bool>& on, bool edit) {
      if (SupportFlags.size() < kSupportFlagSlots) SupportFlags.resize(kSupportFlagSlots);
      for (size_t i = 0; i < on.size(); ++i) SupportFlags[kLeftEdgeFixedSlot + i] = on[i] ? "Y" : "N";
      if (!edit) SetFocus(GetDlgItem(dialog, kCancelId));
    };
    p.supportTypeColours = kSupportTypeColours;
    // "Node No" white on teal, every other static text (the frame among them) black on green; the
    // list on the tool-tip background.
    p.nodeListColours = entry::NodeListColours(entry::kNodeHeadId, entry::kNodeHeadId);
    p.acceptNodeMarks = AcceptUnyieldingMarks;
    p.nodeListOkEnd = 0;
    p.nodeListActivated = KeepPointerVisible;
    return p;
  }();
  return profile;
}

}  // namespace trabix
