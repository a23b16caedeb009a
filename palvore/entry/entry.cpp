// Palvore's data-entry dialogs and table windows (see entry.h).
#include "palvore/entry/entry.h"

#include <algorithm>
#include <cmath>

#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "core/tableentry.h"
#include "core/textfiles.h"
#include "gfx/gfx.h"
#include "palvore/core/dataentry.h"
#include "palvore/core/globals.h"
#include "palvore/core/jobfiles.h"
#include "palvore/core/loadedit.h"
#include "palvore/core/slots.h"
#include "palvore/entry/ids.h"
#include "palvore/views/views.h"
#include "win/checklist.h"
#include "win/colours.h"
#include "win/dataform.h"
#include "win/fieldkeys.h"
#include "win/ids.h"
#include "win/messages.h"

namespace palvore {

std::string DialogStatus;
std::vector<std::string> FieldTexts;
entry::TableTexts Table;

namespace {

// Geometry and its element rows from <job>.GEO; a job without the file starts from zeros.
bool ReadGeometryFile() {
  Geometry = PileGeometry();
  if (TextLines.size() < 5001) TextLines.resize(5001);
  int count = 0;
  LoadTextLines(GeometryFileName(JobSpec), TextLines, 5000, count);
  int first = count > 0 ? ReadGeometrySections(TextLines, count) : 0;
  ReadElementRows(TextLines, count, first);
  return first > 0;
}

void TableCommand(HWND table, int id) {
  if (IsLoadTable(Table.kind)) {
    LoadTableCommand(table, id, entry::FocusedValueColumn());
  } else if (Table.kind == "GEOMETRY") {
    if (id == UniformButtonId(1)) UniformLengthCells();
    else entry::ColumnButtonCommand(EntryProfile(), table, id);
  } else if (Table.kind == "ELASTIC") {
    if (id == UniformButtonId(1)) entry::UniformColumn(EntryProfile(), table, 1);
    else if (id == UniformButtonId(2)) entry::UniformColumn(EntryProfile(), table, 2);
    else if (id == GenerateButtonId(2)) entry::GenerateColumn(EntryProfile(), table, entry::FocusedValueColumn());
  } else if (Table.kind == "WINKLER") {
    if (id == kModulusFunctionId || id == kYieldFunctionId) {
      bool yield = id == kYieldFunctionId;
      if (ShowModalDialog(NodeFunctionDialog(yield), table, NodeFunctionDialogProc) == 1)
        FillFunctionCells(yield ? 2 : 0, FieldTexts, ElementLengths(), ElementsAboveSoil());
    } else if (id == GenerateButtonId(2) || id == GenerateButtonId(3) || id == GenerateButtonId(4)) {
      entry::GenerateColumn(EntryProfile(), table, (id - kFirstColumnButtonId + 1) / 2);
    }
  }
  DialogStatus.clear();
}

bool TableAccept(HWND table) {
  if (Table.kind == "GEOMETRY") {
    std::string problem = GeometryTableProblem();
    if (!problem.empty()) {
      WarnBox(table, GeometryTableWarning(problem));
      return false;
    }
    SaveGeometryCells(JobSpec);
    return true;
  }
  if (IsLoadTable(Table.kind)) {
    StoreLoadCells(Table.kind == "NODAL" ? 2 : 1);
    return true;
  }
  StoreSupportCells(Table.kind);
  return true;
}

void TableHeadings(DialogTemplate& d) {
  d.caption = Table.kind == "GEOMETRY" ? Table.title : EntryCaption();
  entry::AddTableHeads(EntryProfile(), d, Table.title);
  // The column buttons take the row under the page; OK and CANCEL go below them.
  const int y = d.height - 21;
  if (Table.kind == "GEOMETRY") {
    entry::AddUniformGenerateButtons(d, y);
    d.height += 32;
  } else if (Table.kind == "ELASTIC") {
    entry::AddButtonUnder(d, UniformButtonId(1), entry::kUniformCaptions[0], y, 1, 0);
    entry::AddButtonUnder(d, UniformButtonId(2), entry::kUniformCaptions[1], y, 2, 0);
    entry::AddButtonUnder(d, GenerateButtonId(2), "&GENERATE", y, 1, 1, 2);
    d.height += 32;
  } else if (IsLoadTable(Table.kind)) {
    // The first button's text is longer than two cells: it starts under the row labels.
    AddButton(d, kFirstButtonId, Table.firstButton, TableLeft + 2, y, LabelWidth + 2 * CellWidth - 4, 13);
    entry::AddButtonUnder(d, kGenerateButtonId, "&GENERATE", y, 1, 1, 2);
    d.height += 32;
  } else {
    // The function button's text needs the width of all value columns.
    entry::AddButtonUnder(d, kModulusFunctionId, " Subgrade &Modulus k=A+Bz^n between Nodes 'i' and 'm' ", y, 1, 0,
                          TableColumns);
    for (int c = 2; c <= 4; ++c) entry::AddButtonUnder(d, GenerateButtonId(c), entry::kGenerateCaptions[c - 1], y, c, 1);
    AddButton(d, kYieldFunctionId, " &Yield Stress between Nodes 'i' and 'm' in form of f=A+Bz^n ", 5, y + 32, d.width - 10, 15);
    d.height += 52;
  }
  // The OK / CANCEL row stays the last row of the window.
  for (DialogControl& c : d.controls)
    if (c.id == kContinueId || c.id == kTableCancelId) c.y = d.height - 21;
}

}  // namespace

std::string EntryCaption() { return "   PILE/SHEET-PILE ANALYSIS.   JOB: " + JobSpec; }

GridProfile PalvoreGridProfile() {
  GridProfile p = entry::TableGrid(EntryProfile());
  p.layout = [] {
    entry::TableWidths(Table, IsSheetPile() ? 60 : 33, IsSheetPile() ? 70 : 69);
    // The Winkler rows are the embedded elements.
    if (TableKind == 1 && Table.kind == "WINKLER") RowLabelOffset = ElementsAboveSoil();
  };
  p.headings = TableHeadings;
  // Support constants are never negative: the grid's own rule.
  p.command = TableCommand;
  p.accept = TableAccept;
  return p;
}

// ---------------------------------------------------------------- geometry and material

DialogTemplate GeometryDialog() {
  ReadGeometryFile();
  const std::vector<std::string> texts = GeometryDialogTexts();
  const bool sheet = IsSheetPile();
  DialogTemplate d = NewDialog(EntryCaption(), 10, 10, 340, 163);
  AddLabel(d, kHeadingId, " GENERAL GEOMETRY and MATERIAL PROPERTIES DATA:", 6, 12, 257, 10);
  AddLine(d, kRuleId, 6, 22, 257, 2);
  static const char* const labels[] = {"Pile/Sheet-Pile Total Length ", "Total Number of Elements ",
                                       "Number of Elements above Soil Surface ", "Modulus of Elasticity ",
                                       "Poisson's Ratio "};
  static const char* const units[] = {" m", "", "", " kPa", ""};
  for (int i = 1; i <= 5; ++i) {
    const int y = 13 * i + 14;
    AddLabel(d, entry::kGeometryLabelBaseId + i, labels[i - 1], 6, y, 214, 12, SS_RIGHT);
    AddField(d, entry::kGeometryFieldBaseId + i, texts[i], 220, y, 80, 13,
             WS_TABSTOP | ES_AUTOHSCROLL | ES_MULTILINE | (i == 2 || i == 3 ? ES_NUMBER : 0));
    AddLabel(d, entry::kGeometryUnitBaseId + i, units[i - 1], 300, y, 30, 12);
  }
  AddOption(d, kPileOptionId, " &PILE ", 6, 93, 106, 13, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
  AddOption(d, kSheetPileOptionId, " &SHEET-PILE  ", 115, 93, 106, 13, BS_AUTORADIOBUTTON);
  AddCheckBox(d, entry::kDetailsBoxId, " ENTER/EDIT &GEOMETRY DATA  ", 6, 106, 215, 13, WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX);
  AddButton(d, kOkId, "&Ok", 60, 128, 40, 14, WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON);
  AddButton(d, kCancelId, "&Cancel", 110, 128, 40, 14);
  OnOpen(d, [sheet](HWND dialog) {
    for (int i = 1; i <= 5; ++i)
      for (int id : {entry::kGeometryLabelBaseId + i, entry::kGeometryFieldBaseId + i, entry::kGeometryUnitBaseId + i})
        SetFixedFont(dialog, id);
    CheckDlgButton(dialog, sheet ? kSheetPileOptionId : kPileOptionId, BST_CHECKED);
    CheckDlgButton(dialog, entry::kDetailsBoxId, BST_CHECKED);
    for (int id : {kPileOptionId, kSheetPileOptionId, entry::kDetailsBoxId}) SubclassControl(dialog, id, EditSubclassProc2);
    StartFields(dialog, entry::kGeometryFieldBaseId + 1, 5);
    PointerOnControl(dialog, kOkId);
  });
  return entry::OnGeometry(EntryProfile(), d);
}

namespace {
// The kind options white on teal, the table box white on olive, the heading and the rule black on
// green.
const std::vector<ColourRule> kGeometryColours =
    entry::GeometryColours(kPileOptionId - 1,
                           {{WM_CTLCOLORSTATIC, kPileOptionId, kSheetPileOptionId, RGB(255, 255, 255), RGB(0, 128, 128)},
                            {WM_CTLCOLORSTATIC, entry::kDetailsBoxId, entry::kDetailsBoxId, RGB(255, 255, 255), RGB(128, 128, 0)},
                            {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(0, 255, 150)}});
}  // namespace

int GeometryDetailsDialog(HWND owner) {
  ReadGeometryFile();
  const bool sheet = IsSheetPile();
  Table = entry::TableTexts();
  Table.kind = "GEOMETRY";
  Table.title = " GEOMETRY DETAILS DATA:";
  Table.labels = {"", " Element Length L[m]=", sheet ? " Inertia Mom. I[m^4/m]=" : " Element Width B[m]=",
                  " Inertia Mom. I[m^4]=", ""};
  Table.heads = {"Elem.", "Elem. Length", sheet ? "Inertia Mom." : "Elem. Width", "Inertia Mom.", ""};
  Table.units = {"No", "L[m]", sheet ? "I[m^4/m]" : "B[m]", "I[m^4]", ""};
  FillGeometryCells();
  const int end = entry::ShowTableWindow(EntryProfile(), owner, 0, ElementCount(), sheet ? 2 : 3);
  // A pile left with a zero width is a sheet pile.
  if (end != 1) SheetPileFromZeroWidth(JobSpec);
  return end;
}

bool GeometryCommand(HWND owner) {
  if (JobSpec.empty()) return false;
  if (ShowModalDialog(GeometryDialog(), owner, entry::GeometryDialogProc) != 1) return false;
  if (entry::GeometryDetailsWanted()) GeometryDetailsDialog(owner);
  return true;
}

// ---------------------------------------------------------------- generation dialogs

namespace {

// The nodes i and m whole, the constants A and B, the exponent n.
bool FunctionValid(HWND dialog) {
  if (!GenerationFieldsValid(dialog, {7, 7, 3, 3, 7})) return false;
  const int n = ElementCount();
  const double i = ParseNumber(FieldTexts[kStartNodeField]), m = ParseNumber(FieldTexts[kEndNodeField]);
  const bool whole = i == std::floor(i) && m == std::floor(m);
  if (!whole || !(i > 0 && i <= n && m > i && m <= n + 1) || ParseNumber(FieldTexts[kExponentField]) < 0) {
    WarnBox(dialog, RangeWarning());
    return false;
  }
  return true;
}

}  // namespace

std::vector<FormRow> GenerationFormRows(int firstLabel, const std::vector<GenerationRow>& rows) {
  std::vector<FormRow> form;
  for (const GenerationRow& r : rows) {
    const int k = static_cast<int>(form.size());
    form.push_back({firstLabel + k, entry::kFirstRangeFieldId + k, r.label, r.text, r.digits});
  }
  return form;
}

bool GenerationFieldsValid(HWND dialog, const std::vector<int>& codes) {
  FieldTexts.assign(codes.size() + 1, std::string());
  for (size_t k = 1; k <= codes.size(); ++k) {
    int code = codes[k - 1];
    WarnIncorrectData(dialog, entry::kFirstRangeFieldId + static_cast<int>(k) - 1, FieldTexts[k], NumberCharsSigned,
                      code);
    if (code != 0) return false;
  }
  return true;
}

DialogTemplate NodeFunctionDialog(bool yield) {
  const int above = ElementsAboveSoil(), n = ElementCount();
  return SmallForm(EntryCaption(), entry::kRangeHeadingId,
                   yield ? " Yield Stress Function [kPa]: f=A+Bz^n " : " Subgrade MODULUS Function [kPa/m]: k=A+Bz^n ",
                   GenerationFormRows(entry::kFirstRangeLabelId,
                                  {{" Start Node No (i):", std::to_string(above + 1), true},
                                   {" End Node No (m):", std::to_string(n + 1), true},
                                   {yield ? " Constant A [kPa]=" : " Constant A [kPa/m]=", "0", false},
                                   {" Constant B [consistent units]=", "0", false},
                                   {" Exponent n [-]=", "0", false}}));
}

INT_PTR CALLBACK NodeFunctionDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  static const std::vector<ColourRule> colours = WithFieldColours(entry::kFirstRangeFieldId, kLastFunctionFieldId, {});
  return entry::SmallFormMessage(dialog, msg, wParam, lParam, colours, entry::kFirstRangeFieldId, kLastFunctionFieldId,
                                 DialogStatus, FunctionValid);
}

// ---------------------------------------------------------------- support types

namespace {
// The controls of the support types, in the order of their slots from kTopEdgeFixedSlot.
const std::vector<int> kSupportIds = {entry::kFirstSupportBoxId, entry::kUnyieldingBoxId, entry::kElasticBoxId,
                                      entry::kWinklerOptionId, entry::kIsotropicOptionId};
}  // namespace

DialogTemplate SupportTypeDialog() {
  std::array<bool, kHalfSpaceSlot + 1> on = {};
  for (int slot = kTopEdgeFixedSlot; slot <= kHalfSpaceSlot; ++slot) on[slot] = SupportFlag(slot);
  // A half-space without a modulus is none.
  if (on[kHalfSpaceSlot] && ParseNumber(Supports.flags[kHalfSpaceModulusSlot]) == 0) {
    on[kHalfSpaceSlot] = false;
    Supports.flags[kHalfSpaceSlot] = "N";
  }
  const std::string kind = IsSheetPile() ? "Sheet-Pile" : "Pile";
  DialogTemplate d = NewDialog(EntryCaption(), 10, 10, 350, 136);
  AddLabel(d, kHeadingId, "SPECIFICATION OF SUPPORT TYPES:", 10, 5, 330, 10);
  AddLine(d, kRuleId, 5, 16, 340, 2);
  AddCheckBox(d, entry::kFirstSupportBoxId, "Pile's &Top Edge Fixed against Rotation", 12, 22, 325, 13, WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX);
  AddCheckBox(d, entry::kUnyieldingBoxId, "&Unyielding Nodal Supports", 12, 35, 325, 13);
  AddCheckBox(d, entry::kElasticBoxId, "&Horizontal and/or Rotational Elastic Nodal Supports", 12, 48, 325, 13);
  AddOption(d, entry::kWinklerOptionId, kind + " Embedded in &Winkler Soil", 12, 61, 325, 13, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
  AddOption(d, entry::kIsotropicOptionId, kind + " Embedded in &Isotropic Half-Space", 12, 74, 325, 13, BS_AUTORADIOBUTTON);
  AddButton(d, entry::kEnterSupportDataId, " &ENTER / EDIT Support DATA ", 100, 94, 150, 14);
  AddButton(d, kContinueId, "&Ok", 120, 114, 40, 14, WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON);
  AddButton(d, kCancelId, "&Cancel", 190, 114, 40, 14);
  for (int id : {entry::kWinklerOptionId, entry::kIsotropicOptionId}) SetControlCallback(d, id, ToggleCheckProc);
  OnOpen(d, [on](HWND dialog) {
    for (int id : kSupportIds) SetFixedFont(dialog, id);
    for (int slot = kTopEdgeFixedSlot; slot <= kHalfSpaceSlot; ++slot)
      if (on[slot]) CheckDlgButton(dialog, kSupportIds[slot - kTopEdgeFixedSlot], BST_CHECKED);
    const bool winkler = on[kWinklerSlot], halfSpace = on[kHalfSpaceSlot];
    SharedIntegers(kToggleLastIdSlot) = winkler ? entry::kWinklerOptionId : halfSpace ? entry::kIsotropicOptionId : 0;
    SharedIntegers(kToggleOnSlot) = winkler || halfSpace ? 1 : 0;
    SubclassControl(dialog, entry::kEnterSupportDataId, EditSubclassProc2);
    SetFocus(GetDlgItem(dialog, entry::kFirstSupportBoxId));
    PointerOnControl(dialog, kContinueId);
  });
  return entry::SupportTypeForm(EntryProfile(), d);
}


// ---------------------------------------------------------------- unyielding nodes

DialogTemplate UnyieldingSupportsDialog() {
  const int nodes = ElementCount() + 1;
  const int shown = std::min(15, nodes);
  DialogTemplate d = NewDialog(EntryCaption(), 0, 0, 200, 0);
  AddLabel(d, kNodeListTitleId, " UNYIELDING SUPPORTS DATA:", 5, 4, 190, 10);
  AddLabel(d, kCheckHintId, "Set CHECKS at NODES with SUPPORTS", 5, 16, 190, 10);
  AddLabel(d, entry::kNodeHeadId, "Node No", 40, 30, 60, 10);
  AddLine(d, kRuleId, 5, 27, 190, 2);
  int h = 0;
  DialogTextWidth(d, "Node", h);
  const int listHeight = static_cast<int>(shown * (h < 1.85 * 8 ? 10.1 : 12.1) + 1);
  const int y = 46 + listHeight;
  AddButton(d, kRemoveChecksId, "&REMOVE ALL CHECKS", 47, y, 106, 14);
  AddButton(d, kContinueId, "&Ok", 50, y + 18, 40, 14);
  AddButton(d, kExitId, "&Cancel", 110, y + 18, 40, 14);
  d.height = y + 38;
  std::vector<int> marks = UnyieldingMarks(nodes);
  OnOpen(d, [nodes, listHeight, marks](HWND dialog) {
    for (int id : {kNodeListTitleId, kCheckHintId, entry::kNodeHeadId}) SetFixedFont(dialog, id);
    entry::OpenNodeList(EntryProfile(), dialog, 40, 40, 120, listHeight,
                        WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, nodes, marks);
  });
  return entry::OnProfile(EntryProfile(), d);
}

// ---------------------------------------------------------------- spring and Winkler tables

int SupportTableDialog(HWND owner, const std::string& kind) {
  const bool sheet = IsSheetPile();
  Table = entry::TableTexts();
  Table.kind = kind;
  const int n = ElementCount(), above = ElementsAboveSoil();
  if (kind == "ELASTIC") {
    entry::ElasticTexts(Table, "Node", "kh", sheet ? "kN/m/m" : "kN/m", sheet ? "kN*m/rad/m" : "kN*m/rad");
  } else {
    entry::WinklerTexts(Table, "Subgr. Mod. k[kPa/m]        Yield Stress [kPa]");
  }
  FillSupportCells(kind);
  const int rows = kind == "ELASTIC" ? n + 1 : n - above;
  if (rows < 1) return 0;  // a pile without embedded elements has no soil to enter
  return entry::ShowTableWindow(EntryProfile(), owner, 1, rows, kind == "ELASTIC" ? 2 : 4);
}

// ---------------------------------------------------------------- half-space

DialogTemplate HalfSpaceDialog() {
  std::string texts[4];
  for (int i = 1; i <= 3; ++i) {
    const size_t slot = kHalfSpaceModulusSlot + i - 1;
    texts[i] = Trim(Supports.flags.size() > slot ? Supports.flags[slot] : std::string());
    if (texts[i].empty()) texts[i] = "0.0";
  }
  DialogTemplate d = entry::HalfSpaceForm(
      EntryProfile(), EntryCaption(),
      {{"Modulus of Elasticity [kPa]= ", texts[1], "kPa", kFirstGroupHeadingId, "SOIL ELASTIC PROPERTIES:"},
       {"Poisson's Ratio, Nu= ", texts[2]},
       {"Yield Stress [kPa]= ", texts[3], "kPa", kSecondGroupHeadingId, "SOIL PLASTIC PROPERTY:"}},
      125, kHalfSpaceUnitBaseId);
  OnOpen(d, [](HWND dialog) { PointerOnControl(dialog, kOkId); });
  return d;
}

namespace {
const std::vector<ColourRule> kHalfSpaceColours = WithFieldColours(
    entry::kFirstRangeFieldId, entry::kFirstRangeFieldId + 2,
    {{WM_CTLCOLORSTATIC, entry::kHalfSpaceLabelBaseId + 1, kHalfSpaceUnitBaseId + 3, RGB(0, 0, 0), RGB(0, 255, 255)},
     {WM_CTLCOLORSTATIC, kFirstGroupHeadingId, kSecondGroupHeadingId, RGB(255, 255, 0), RGB(64, 128, 128)},
     {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(255, 255, 0), RGB(200, 11, 36)}});
}  // namespace

// ---------------------------------------------------------------- the supports command

void EditSupportData(HWND owner) {
  if (SupportFlag(kUnyieldingSlot)) {
    ShowModalDialog(UnyieldingSupportsDialog(), owner, entry::NodeListDialogProc);
    entry::CloseStructureView();
  }
  if (SupportFlag(kElasticSupportsSlot)) SupportTableDialog(owner, "ELASTIC");
  if (SupportFlag(kWinklerSlot)) SupportTableDialog(owner, "WINKLER");
  if (SupportFlag(kHalfSpaceSlot)) {
    ShowModalDialog(HalfSpaceDialog(), owner, entry::HalfSpaceDialogProc);
    if (ParseNumber(Supports.flags[kHalfSpaceModulusSlot]) == 0) Supports.flags[kHalfSpaceSlot] = "N";
  }
}

void SupportDataCommand(HWND owner) {
  if (JobSpec.empty()) return;
  if (!ReadGeometryFile()) return;  // no geometry: nothing to support
  int count = 0, springs = 0, soil = 0;
  LoadTextLines(SupportFileName(JobSpec), TextLines, 5000, count);
  ReadSupportData(TextLines, count, springs, soil);
  ShowModalDialog(SupportTypeDialog(), owner, entry::SupportTypeDialogProc);
  if (entry::SupportDataWanted()) EditSupportData(owner);
  SaveSupportFile(JobSpec);
}

// ---------------------------------------------------------------- the profile

const entry::Profile& EntryProfile() {
  static const entry::Profile profile = [] {
    entry::Profile p(&Table, &DialogStatus, &FieldTexts, EntryCaption, PalvoreGridProfile, DrawStructureView);
    p.tableHeads = {kTableTitleId, kGroupHeadId, kRowHeadId, kRowUnitId, kColumnHeadBaseId, kColumnUnitBaseId};
    p.generationHeading = [](const std::string&) {
      return Table.rowKind == "NODE" ? " UNYIELDING SUPPORTS DATA GENERATION:" : " GEOMETRY DATA GENERATION:";
    };
    // The Winkler rows start below the elements above the soil.
    p.generatedRows = [](const std::vector<std::string>& f, std::vector<int>& rows) {
      return GenerationRows(f[kRangeStartField], f[kRangeEndField], f[kRangeStepField], RowLabelOffset, TableRows, rows);
    };
    p.rangeWarning = RangeWarning();
    p.uniformColours = entry::kUniformOnDarkRed;
    p.halfSpaceFields = [] { return 3; };
    p.halfSpaceProblem = [](std::vector<std::string>& texts) { return HalfSpaceProblem(texts); };
    p.storeHalfSpace = [](const std::vector<std::string>& texts) {
      Supports.flags.resize(kSupportFlagSlots);
      for (int i = 1; i <= 3; ++i) Supports.flags[kHalfSpaceModulusSlot + i - 1] = texts[i];
    };
    p.halfSpaceColours = kHalfSpaceColours;
    p.geometryFields = [] { return 5; };
    p.geometryOk = kOkId;
    p.geometryWarning = [](HWND, std::vector<std::string>& texts, int&) { return GeometryDialogWarning(texts); };
    p.saveGeometry = [](HWND dialog, const std::vector<std::string>& texts) {
      return SaveGeometryDialogData(JobSpec, texts, entry::Checked(dialog, kSheetPileOptionId));
    };
    p.geometryRestored = {{entry::kGeometryFieldBaseId + 1, entry::kGeometryFieldBaseId + 5},
                          {kPileOptionId, entry::kDetailsBoxId}};
    p.geometryColours = kGeometryColours;
    p.supportTypeIds = [] { return kSupportIds; };
    p.supportTypeOk = kContinueId;
    p.supportTypeWarning = [](const std::vector<bool>& on) {
      auto chosen = [&on](int slot) { return on[static_cast<size_t>(slot - kTopEdgeFixedSlot)]; };
      return SupportTypeWarning(chosen(kUnyieldingSlot), chosen(kElasticSupportsSlot), chosen(kWinklerSlot),
                                chosen(kHalfSpaceSlot));
    };
    p.storeSupportTypes = [](HWND, const std::vector<bool>& on, bool) {
      Supports.flags.resize(kSupportFlagSlots);
      for (size_t i = 0; i < on.size(); ++i) Supports.flags[kTopEdgeFixedSlot + i] = on[i] ? "Y" : "N";
    };
    p.supportTypeColours = entry::kSupportTypesOnRed;
    p.nodeListColours = entry::NodeListColours(kCheckHintId, kNodeListTitleId);
    p.acceptNodeMarks = AcceptUnyieldingMarks;
    return p;
  }();
  return profile;
}

}  // namespace palvore
