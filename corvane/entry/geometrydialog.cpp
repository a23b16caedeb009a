// The geometry and material dialog, the element table that follows it, the geometry command's
// flow and the structure view port of the table windows.
#include "core/fieldcheck.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "corvane/core/geometryentry.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/entry/entry.h"
#include "corvane/entry/ids.h"
#include "win/colours.h"
#include "win/fieldkeys.h"
#include "win/grid.h"
#include "win/ids.h"
#include "win/messages.h"

namespace corvane {

StructureViewPort StructureViewHooks;

namespace {

constexpr int kWidth = 370;
// The rows of the dialog: six at most.
constexpr int kMostItems = 6;
constexpr int kFirstItemField = entry::kGeometryFieldBaseId + 1, kLastItemField = entry::kGeometryFieldBaseId + kMostItems;

bool Roof() { return StructureType == "TANK" && Substructure == "ROOF STRUCTURE"; }

// Item labels blue, units green, the choice buttons white on teal, the heading dark red; the
// focused field on light yellow.
const std::vector<ColourRule> kGeometryColours = {
    {WM_CTLCOLORDLG, AllControls, AllControlsEnd, 0, RGB(225, 232, 245)},
    {WM_CTLCOLOREDIT, kFirstItemField, kLastItemField, RGB(0, 0, 0), RGB(255, 255, 200), false, ColourFocused},
    {WM_CTLCOLOREDIT, kFirstItemField, kLastItemField, RGB(0, 0, 0), RGB(255, 255, 255), false},
    {WM_CTLCOLORSTATIC, entry::kGeometryLabelBaseId + 1, entry::kGeometryLabelBaseId + kMostItems, RGB(0, 0, 255),
     RGB(225, 232, 245)},
    {WM_CTLCOLORSTATIC, entry::kGeometryUnitBaseId + 1, entry::kGeometryUnitBaseId + kMostItems, RGB(0, 128, 0),
     RGB(225, 232, 245)},
    {WM_CTLCOLORSTATIC, kInPlane, kSecondChoice, RGB(255, 255, 255), RGB(0, 128, 128)},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(128, 0, 0), RGB(225, 232, 245)},
};


// Ok: the items rebuilt into <job>.geo; the dialog stays open when the file could not be
// written: nothing typed is lost.
bool SaveGeometry(HWND dialog, const std::vector<std::string>& texts) {
  TextLines.assign(2, std::string());
  int stored = 0;
  LoadTextLines(JobSpec + ".GEO", TextLines, 5000, stored);
  GeometryChoices choices;
  choices.strip = StructureType == "BEAM/STRIP" && entry::Checked(dialog, kFirstChoice);
  choices.shell = Roof() && entry::Checked(dialog, kFirstChoice);
  choices.inPlane = StructureType == "TANK" && entry::Checked(dialog, kInPlane);
  TextLineArray lines;
  int count = 0;
  RebuildGeometryLines(TextLines, stored, texts, choices, lines, count);
  TextLines = lines;
  return SaveGeometryLines(JobSpec, lines, count);
}

// The geometry part of Corvane's profile: its items and their rules, the file, Cancel's clearing,
// and the end: 1 when the element table is wanted (a roof of no elements has none).
const entry::Profile& OnGeometryDialog() {
  entry::Profile& p = CorvaneEntry();
  p.geometryFields = GeometryItemCount;
  p.geometryOk = kOkId;
  p.geometryWarning = [](HWND, std::vector<std::string>& texts, int&) { return GeometryItemsProblem(texts); };
  p.saveGeometry = SaveGeometry;
  p.geometryCancelled = [] {
    for (int s = 1; s <= 3; ++s) WorkTables[s].Redim(1, 1);
    TextLines.assign(2, std::string());
  };
  p.geometryRestored = {{kFirstItemField, kLastItemField}, {kInPlane, kSecondChoice}};
  p.geometryColours = kGeometryColours;
  p.geometryUnwritten = GeometryUnwrittenWarning;
  p.geometryEnd = [](HWND dialog, const std::vector<std::string>& texts) -> INT_PTR {
    const bool noRoof = Roof() && texts[1] == "0";
    return entry::Checked(dialog, entry::kDetailsBoxId) && !noRoof ? 1 : 0;
  };
  return p;
}

// Processes what is pending before the next window opens.
void PumpPending() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

}  // namespace

DialogTemplate GeometryDialog() {
  const int type = StructureCode();
  TextLines.assign(2, std::string());
  int stored = 0;
  LoadTextLines(JobSpec + ".GEO", TextLines, 5000, stored);
  JobDataTable.Redim(8, 6);
  ClearFileAnswers();
  int a = 0, b = 0, c = 0;
  ReadGeometrySections(TextLines, stored, type, JobDataTable, GeometryAnswers, a, b, c);
  AnswerSlot(GeometryAnswers, kStripAnswerAtOpenSlot) = AnswerAt(GeometryAnswers, kStripSlot);
  AnswerSlot(GeometryAnswers, kShellRoofAtOpenSlot) = AnswerAt(GeometryAnswers, kShellRoofSlot);

  const int n = GeometryItemCount();
  std::string heading = " GENERAL GEOMETRY and MATERIAL PROPERTIES DATA:";
  if (StructureType == "TANK") heading += "  " + Substructure;
  DialogTemplate d = NewDialog(DataCaption(), 0, 0, kWidth, 100);
  AddLabel(d, kGeometryHeadingId, heading, 8, 7, kWidth - 16, 10, SS_CENTER);
  AddLine(d, kRuleId, 8, 18, kWidth - 16, 2);
  int y = 26;
  for (int i = 1; i <= n; ++i, y += 15) {
    AddLabel(d, entry::kGeometryLabelBaseId + i, GeometryItemLabel(i), 6, y + 2, 176, 10, SS_RIGHT);
    AddField(d, entry::kGeometryFieldBaseId + i, GeometryFieldText(i), 186, y, 74, 12);
    AddLabel(d, entry::kGeometryUnitBaseId + i, GeometryItemUnit(i), 262, y + 2, kWidth - 268, 10);
  }
  y += 4;
  bool strip = StructureType == "BEAM/STRIP", roof = Roof(), tank = StructureType == "TANK";
  if (strip || roof) {
    AddOption(d, kFirstChoice, strip ? " &STRIP " : " &SHELL STRUCTURE ", 60, y, 110, 12,
              WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
    AddOption(d, kSecondChoice, strip ? " &BEAM " : " &PLATE STRUCTURE ", 200, y, 110, 12);
    y += 16;
  }
  if (tank) {
    AddCheckBox(d, kInPlane, " In-Plane &Deformation to be Considered ", 60, y, 250, 12,
                WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX);
    y += 16;
  }
  AddCheckBox(d, entry::kDetailsBoxId, " &ENTER / EDIT GEOMETRY DATA ", 60, y, 250, 12, WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX);
  y += 20;
  AddButton(d, kOkId, "&Ok", kWidth / 2 - 60, y, 50, 14, WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON);
  AddButton(d, kCancelId, "&Cancel", kWidth / 2 + 10, y, 50, 14);
  d.height = y + 22;
  const int buttonsY = y + 7;
  OnOpen(d, [n, strip, roof, tank, buttonsY](HWND dialog) {
    for (int i = 1; i <= n; ++i) {
      SetFixedFont(dialog, entry::kGeometryFieldBaseId + i);
      SetFixedFont(dialog, entry::kGeometryLabelBaseId + i);
      SetFixedFont(dialog, entry::kGeometryUnitBaseId + i);
    }
    for (int id = kInPlane; id <= kSecondChoice; ++id) SetFixedFont(dialog, id);
    if (strip) CheckRadioButton(dialog, kFirstChoice, kSecondChoice, IsYes(AnswerAt(GeometryAnswers, kStripSlot)) ? kFirstChoice : kSecondChoice);
    bool shell = roof && IsYes(AnswerAt(GeometryAnswers, kShellRoofSlot));
    if (roof) CheckRadioButton(dialog, kFirstChoice, kSecondChoice, shell ? kFirstChoice : kSecondChoice);
    if (tank) {
      int s = GeometrySubstructure();
      CheckDlgButton(dialog, kInPlane, shell || IsYes(AnswerAt(GeometryAnswers, s)) ? BST_CHECKED : BST_UNCHECKED);
      if (shell) EnableWindow(GetDlgItem(dialog, kInPlane), FALSE);
    }
    CheckDlgButton(dialog, entry::kDetailsBoxId, BST_CHECKED);
    SharedIntegers(kFieldCountSlot) = n;
    SharedIntegers(kFirstFieldIdSlot) = entry::kGeometryFieldBaseId + 1;
    SubclassControls(dialog, entry::kGeometryFieldBaseId + 1, entry::kGeometryFieldBaseId + n, EditSubclassProc);
    SubclassControls(dialog, kInPlane, kSecondChoice, EditSubclassProc2);
    PlacePointer(dialog, kWidth / 2, buttonsY);
    SetFocus(GetDlgItem(dialog, entry::kGeometryFieldBaseId + 1));
  });
  return entry::OnGeometry(OnGeometryDialog(), d);
}

INT_PTR CALLBACK GeometryDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) {
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (code == EN_CHANGE && id >= kFirstItemField && id <= kLastItemField) {
      InvalidateRect(reinterpret_cast<HWND>(lParam), nullptr, TRUE);
      return TRUE;
    }
    if (code != BN_CLICKED) return FALSE;
    // A shell roof always deforms in its plane.
    if (Roof() && (id == kFirstChoice || id == kSecondChoice)) {
      if (id == kFirstChoice) CheckDlgButton(dialog, kInPlane, BST_CHECKED);
      EnableWindow(GetDlgItem(dialog, kInPlane), id == kSecondChoice);
      return TRUE;
    }
  }
  return entry::GeometryDialogProc(dialog, msg, wParam, lParam);
}

DialogTemplate GeometryDetailsDialog() {
  int columns = FillGeometryCells();
  int n = ElementCount(GeometrySubstructure());
  FormTexts.Redim(kGenerationTextRow, 6);
  FormTexts(0, 0) = "GEOMETRY";
  FormTexts(0, 1) = " GEOMETRY DETAILS DATA:";
  FormTexts(kGenerationTextRow, 0) = "ELEMENT";
  for (int c = 1; c <= columns; ++c) FormTexts(kGenerationTextRow, c) = GeometryColumnLabel(c);
  TableKind = 0;
  SharedIntegers(kTableRowsSlot) = n;
  SetTableLayout(1, n, columns);
  return BuildDataTable();
}

void RunGeometryDialogs(HWND owner) {
  DialogAnswer = static_cast<int>(ShowModalDialog(GeometryDialog(), owner, GeometryDialogProc));
  if (DialogAnswer == 1) {
    PumpPending();
    ShowTableWindow(owner, GeometryDetailsDialog());
  }
  for (int s = 1; s <= 3; ++s) WorkTables[s].Redim(1, 1);
  TextLines.assign(2, std::string());
}

std::string GeometryUnwrittenWarning() { return "The GEOMETRY File " + JobSpec + ".geo cannot be Written!"; }

int EnterGeometry(HWND owner) {
  int writes = GeometryFileWrites;
  if (StructureType == "TANK") {
    RunTankSubstructureChoice(owner, 1);
  } else {
    RunGeometryDialogs(owner);
  }
  return GeometryFileWrites != writes ? 1 : 0;
}

void UseGeometryEntry() {
  TableDialogHooks.uniform = RunUniformDialog;
  TableDialogHooks.generation = RunGenerationDialog;
}

void OpenTableView(HWND table, const std::string& kind) {
  TableViewKind = kind;
  if (!StructureViewHooks.draw) return;
  bool supports = kind == "UNYIELD" || kind == "ELASTIC" || kind == "WINKLER";
  StructureViewHooks.draw(table, kind == "GEOMETRY" ? "Geom" : supports ? "Supp" : "Load");
}

int ShowTableWindow(HWND owner, const DialogTemplate& table) {
  DialogAnswer = static_cast<int>(ShowModalDialog(table, owner, DataTableProc));
  if (StructureViewHooks.close) StructureViewHooks.close();
  return DialogAnswer;
}

}  // namespace corvane
