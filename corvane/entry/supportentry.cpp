// The support entry: the support-type dialog, the data dialogs that follow it (the unyielding
// nodes' check list, the elastic-support and Winkler tables, the half-space data) and the support
// command that rewrites <job>.SUP at the end of every visit.
#include <algorithm>

#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/nodemarks.h"
#include "core/numbers.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/core/supportentry.h"
#include "corvane/core/supportfile.h"
#include "corvane/core/tablecells.h"
#include "corvane/entry/formparts.h"
#include "corvane/entry/entry.h"
#include "corvane/entry/ids.h"
#include "win/checklist.h"
#include "win/colours.h"
#include "win/dataform.h"
#include "win/fieldkeys.h"
#include "win/grid.h"
#include "win/ids.h"
#include "win/messages.h"

namespace corvane {

namespace {

constexpr int kTypeWidth = 250;

// Boxes and options black on the pale form, the heading dark red.
const std::vector<ColourRule> kTypeColours = {
    {WM_CTLCOLORDLG, AllControls, AllControlsEnd, 0, RGB(235, 245, 255)},
    {WM_CTLCOLORSTATIC, kHeadingId, kHeadingId, RGB(128, 0, 0), RGB(235, 245, 255)},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(235, 245, 255)},
};

bool ShellRoofAbove() { return CurrentSupportForm() == SupportForm::Wall && IsYes(AnswerAt(GeometryAnswers, kShellRoofSlot)); }

// The check states of the boxes and options, given in the order of SupportTypeOptions.
SupportStates StatesOf(const std::vector<bool>& on) {
  SupportStates states{};
  const std::vector<SupportOption> options = SupportTypeOptions();
  for (size_t k = 0; k < options.size() && k < on.size(); ++k) states[static_cast<size_t>(options[k].state)] = on[k] ? 1 : 0;
  return states;
}

// The support type part of Corvane's profile: its boxes, Ok, refusal and where a choice goes.
const entry::Profile& OnSupportTypes() {
  entry::Profile& p = CorvaneEntry();
  p.supportTypeIds = [] {
    std::vector<int> ids;
    for (const SupportOption& o : SupportTypeOptions()) ids.push_back(o.id);
    return ids;
  };
  p.supportTypeOk = kContinueId;
  p.supportTypeWarning = [](const std::vector<bool>& on) -> std::string {
    if (StatesSupported(StatesOf(on))) return "";
    return "The STRUCTURE is NOT SUPPORTED!\r\n\r\nCORRECT the SUPPORT Specification!";
  };
  p.storeSupportTypes = [](HWND, const std::vector<bool>& on, bool) {
    SupportStates states = StatesOf(on);
    MapSupportTypeFlags(SupportFlags, states, 0);
  };
  p.supportTypeColours = kTypeColours;
  return p;
}

}  // namespace

// ---------------------------------------------------------------- support types

DialogTemplate SupportTypeDialog(int mode) {
  const std::vector<SupportOption> options = SupportTypeOptions();
  const int k = static_cast<int>(options.size());
  const bool roof = CurrentSupportForm() == SupportForm::Roof;
  const int height = SupportTypeDialogHeight(mode, k);
  std::string heading = "SPECIFICATION OF SUPPORT TYPES:";
  if (StructureType == "TANK") heading += " " + Substructure;
  DialogTemplate d = NewDialog(DataCaption(), 0, 0, kTypeWidth, height);
  AddLabel(d, kHeadingId, heading, 8, 7, kTypeWidth - 16, 10, SS_CENTER);
  AddLine(d, kRuleId, 8, 18, kTypeWidth - 16, 2);
  int y = 26;
  int lastGroup = -1;
  for (const SupportOption& o : options) {
    if (o.group == 0) {
      AddCheckBox(d, o.id, o.text, 20, y, kTypeWidth - 30, 12, WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX);
    } else {
      bool first = o.group != lastGroup;
      AddOption(d, o.id, o.text, 20, y, kTypeWidth - 30, 12,
                first ? WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON : BS_AUTORADIOBUTTON);
      if (o.group == 1) SetControlCallback(d, o.id, ToggleCheckProc);
    }
    lastGroup = o.group;
    y += 13;
  }
  const int okY = height - (roof ? 24 : 42);
  AddButton(d, kContinueId, "&Ok", kTypeWidth / 2 - 60, okY, 50, 14, WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON);
  AddButton(d, kCancelId, "&Cancel", kTypeWidth / 2 + 10, okY, 50, 14);
  if (!roof) AddButton(d, entry::kEnterSupportDataId, " &ENTER / EDIT Support DATA ", kTypeWidth / 2 - 80, okY + 19, 160, 14);
  OnOpen(d, [options, roof, okY](HWND dialog) {
    SupportStates states{};
    MapSupportTypeFlags(SupportFlags, states, 1);
    int soil = 0;
    bool groupSet[4] = {false, false, false, false};
    for (const SupportOption& o : options) {
      if (states[static_cast<size_t>(o.state)] != 1) continue;
      CheckDlgButton(dialog, o.id, BST_CHECKED);
      groupSet[o.group] = true;
      if (o.group == 1 && soil == 0) soil = o.id;
    }
    // A connection group with no button set shows its first (monolithic) one.
    for (const SupportOption& o : options)
      if ((o.group == 2 || o.group == 3) && !groupSet[o.group]) {
        CheckDlgButton(dialog, o.id, BST_CHECKED);
        groupSet[o.group] = true;
      }
    // The soil toggle's memory from this dialog's own states.
    SharedIntegers(kToggleLastIdSlot) = soil;
    SharedIntegers(kToggleOnSlot) = soil != 0 ? 1 : 0;
    if (ShellRoofAbove()) {
      CheckDlgButton(dialog, kRoofJunctionBoxId, BST_CHECKED);
      EnableWindow(GetDlgItem(dialog, kRoofJunctionBoxId), FALSE);
    }
    for (const SupportOption& o : options) SubclassControl(dialog, o.id, EditSubclassProc4);
    if (!roof) SubclassControl(dialog, entry::kEnterSupportDataId, EditSubclassProc2);
    SetFocus(GetDlgItem(dialog, entry::kFirstSupportBoxId));
    PlacePointer(dialog, kTypeWidth / 2, roof ? okY + 7 : okY + 26);
  });
  return entry::SupportTypeForm(OnSupportTypes(), d);
}

INT_PTR CALLBACK SupportTypeDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The module gives back its data button; the boxes and options are Corvane's to give back.
  if (msg == WM_DESTROY)
    for (const SupportOption& o : SupportTypeOptions()) RestoreControl(dialog, o.id);
  return entry::SupportTypeDialogProc(dialog, msg, wParam, lParam);
}

int RunSupportTypeDialog(HWND owner, int mode) {
  // A roof without elements has nothing to support.
  if (CurrentSupportForm() == SupportForm::Roof && ElementCount(3) == 0) return 0;
  DialogAnswer = static_cast<int>(ShowModalDialog(SupportTypeDialog(mode), owner, SupportTypeDialogProc));
  int end = DialogAnswer;
  if (end == 1 && entry::SupportDataWanted()) SupportDataSequence(owner);
  return end;
}

// ---------------------------------------------------------------- support tables

DialogTemplate SupportTableDialog(const std::string& kind) {
  SupportTableTemplate t = SupportTableFor(kind);
  FillSupportCells(kind, t.rows, t.values);
  FormTexts.Redim(kGenerationTextRow, 6);
  FormTexts(0, 0) = kind;
  FormTexts(0, 1) = t.title;
  FormTexts(1, 0) = t.firstButton;
  FormTexts(1, 1) = "&GENERATE";
  FormTexts(2, 0) = t.numberHead;
  FormTexts(2, 1) = t.valuesHead;
  FormTexts(3, 0) = t.numberUnit;
  for (int c = 1; c <= t.values; ++c) {
    FormTexts(3, c) = t.valueUnits[static_cast<size_t>(c - 1)];
    FormTexts(kGenerationTextRow, c) = t.labels[static_cast<size_t>(c - 1)];
  }
  FormTexts(4, 0) = t.remark1;
  FormTexts(4, 1) = t.remark2;
  FormTexts(kGenerationTextRow, 0) = t.unit;
  SharedIntegers(kFieldCountSlot) = 4;
  SharedIntegers(kFirstFieldIdSlot) = entry::kFirstRangeFieldId;
  SharedIntegers(kTableRowsSlot) = t.rows;
  SharedIntegers(kCellColumnsSlot) = t.values + 1;
  TableKind = 1;
  SetTableLayout(1, t.rows, t.values);
  return BuildDataTable();
}

// ---------------------------------------------------------------- half-space

namespace {

std::string HalfSpaceKind;

const std::vector<ColourRule> kHalfSpaceColours = {
    {WM_CTLCOLORDLG, AllControls, AllControlsEnd, 0, RGB(235, 245, 255)},
    {WM_CTLCOLOREDIT, AllControls, AllControlsEnd, RGB(0, 0, 160), RGB(255, 255, 200), false, ColourFocused},
    {WM_CTLCOLOREDIT, AllControls, AllControlsEnd, RGB(0, 0, 160), RGB(255, 255, 255), false},
    {WM_CTLCOLORSTATIC, kHeadingId, kHeadingId, RGB(128, 0, 0), RGB(235, 245, 255)},
    {WM_CTLCOLORSTATIC, kFirstGroupHeadingId, kSecondGroupHeadingId, RGB(0, 110, 0), RGB(235, 245, 255)},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 128), RGB(235, 245, 255)},
};

// The half-space part of Corvane's profile: the kind's fields from `first`, its rules and flags.
const entry::Profile& OnHalfSpace(int first, int count) {
  entry::Profile& p = CorvaneEntry();
  p.halfSpaceField = first;
  p.halfSpaceFields = [count] { return count; };
  p.halfSpaceProblem = [](std::vector<std::string>& texts) { return HalfSpaceProblem(HalfSpaceKind, texts); };
  p.storeHalfSpace = StoreHalfSpace;
  p.halfSpaceColours = kHalfSpaceColours;
  return p;
}

}  // namespace

DialogTemplate HalfSpaceDialog(const std::string& kind) {
  HalfSpaceKind = kind;
  const std::vector<HalfSpaceItem> items = HalfSpaceItems(kind);
  const int n = static_cast<int>(items.size());
  const bool isotropic = kind == "ISOTROPIC";
  const int first = isotropic ? kIsotropicFieldId : kAnisotropicFieldId;
  SharedIntegers(kFieldCountSlot) = n;
  SharedIntegers(kFirstFieldIdSlot) = first;
  const entry::Profile& p = OnHalfSpace(first, n);
  const int width = 320;
  DialogTemplate d = NewDialog(DataCaption(), 0, 0, width, 100);
  AddLabel(d, kHeadingId, " HALF SPACE DATA:", 8, 7, width - 16, 10, SS_CENTER);
  AddLine(d, kRuleId, 8, 18, width - 16, 2);
  int y = 24;
  auto group = [&](int id, const char* text) {
    AddLabel(d, id, text, 10, y, width - 20, 10);
    y += 13;
  };
  group(kFirstGroupHeadingId, isotropic ? "SOIL ELASTIC PROPERTIES:" : "MODULI OF ELASTICITY OF HALF-SPACE: ");
  for (int i = 1; i <= n; ++i) {
    if (!isotropic && i == 4) group(kSecondGroupHeadingId, "POISSON's RATIOS FOR EFFECT OF HORIZONTAL STRESS ON:");
    const HalfSpaceItem& item = items[static_cast<size_t>(i - 1)];
    AddLabel(d, kFormLabelBaseId + i, item.label, 4, y + 2, 210, 10, SS_RIGHT);
    AddField(d, first + i - 1, HalfSpaceOpeningText(i), 216, y, 64, 12);
    if (!item.unit.empty()) AddLabel(d, kHalfSpaceUnitBaseId + i, item.unit, 284, y + 2, 30, 10);
    y += 15;
  }
  y += 6;
  AddButton(d, kOkId, "&Ok", width / 2 - 50, y, 40, 14);
  AddButton(d, kCancelId, "&Cancel", width / 2 + 10, y, 40, 14);
  d.height = y + 22;
  OnOpen(d, [first, n](HWND dialog) {
    for (int id = kFormLabelBaseId + 1; id <= kFormLabelBaseId + n; ++id) SetFixedFont(dialog, id);
    SubclassControls(dialog, first, first + n - 1, EditSubclassProc);
    SetFocus(GetDlgItem(dialog, first));
    PointerOnControl(dialog, kOkId);
  });
  return entry::OnProfile(p, d);
}

// ---------------------------------------------------------------- unyielding nodes

namespace {

const std::vector<ColourRule> kCheckListColours = {
    {WM_CTLCOLORDLG, AllControls, AllControlsEnd, 0, RGB(235, 245, 255)},
    {WM_CTLCOLORLISTBOX, entry::kNodeListId, entry::kNodeListId, RGB(0, 0, 255), SystemColour(COLOR_INFOBK)},
    {WM_CTLCOLORSTATIC, entry::kNodeHeadId, entry::kNodeHeadId, RGB(255, 255, 255), RGB(0, 128, 128)},
    {WM_CTLCOLORSTATIC, kHeadingId, kHeadingId, RGB(128, 0, 0), RGB(235, 245, 255)},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 128), RGB(235, 245, 255)},
};

HWND ListOf(HWND dialog) { return GetDlgItem(dialog, entry::kNodeListId); }

int SupportedNodes() { return ElementCount(1) + 1; }

void GenerateChecks(HWND dialog) {
  POINT kept;
  GetCursorPos(&kept);
  SharedIntegers(kFieldCountSlot) = 3;
  SharedIntegers(kFirstFieldIdSlot) = kNodeRangeFieldId;
  FormTexts(kGenerationTextRow, 0) = "NODE";
  // A generation after a cancelled one is applied.
  DialogStatus.clear();
  INT_PTR end = ShowModalDialog(GenerationDialog(1), dialog, GenerationDialogProc);
  if (end == 1 && DialogStatus != "ZZZ") {
    HWND list = ListOf(dialog);
    std::vector<int> marks = CheckListMarks(list);
    MarkNodeRange(marks, WholeNumberOf(AnswerAt(FieldTexts, 1)), WholeNumberOf(AnswerAt(FieldTexts, 2)),
                  WholeNumberOf(AnswerAt(FieldTexts, 3)));
    SetCheckListMarks(list, marks);
  }
  MovePointer(kept.x, kept.y);
}

// Ok: the checked nodes become the unyielding node list, answer 2 "Y" when there is one.
void AcceptNodeMarks(const std::vector<int>& marks) {
  AnswerSlot(SupportFlags, kUnyieldingSlot) = "N";
  UnyieldingNodes = JoinMarkedNodes(marks);
  if (!UnyieldingNodes.empty()) AnswerSlot(SupportFlags, kUnyieldingSlot) = "Y";
}

const entry::Profile& OnNodeList() {
  entry::Profile& p = CorvaneEntry();
  p.nodeListColours = kCheckListColours;
  p.acceptNodeMarks = AcceptNodeMarks;
  return p;
}

}  // namespace

DialogTemplate UnyieldingSupportsDialog() {
  const int nodes = SupportedNodes();
  const int shown = std::min(15, nodes);
  const int width = 220, rowHeight = 10, listHeight = shown * rowHeight + 2;
  std::string heading = " UNYIELDING SUPPORTS DATA:";
  if (StructureType == "TANK") heading += "  " + Substructure;
  DialogTemplate d = NewDialog(DataCaption(), 0, 0, width, 100);
  AddLabel(d, kHeadingId, heading, 8, 7, width - 16, 10, SS_CENTER);
  AddLine(d, kRuleId, 8, 18, width - 16, 2);
  AddLabel(d, kNodeCountId, "The Total Number of Nodes that can be Supported is " + Trim(NumberToText(nodes)) + ".", 8, 23,
           width - 16, 10, SS_CENTER);
  AddLabel(d, kCheckHintId, "Set CHECKS at NODES with SUPPORTS", 8, 35, width - 16, 10, SS_CENTER);
  AddLabel(d, entry::kNodeHeadId, "Node No", 60, 48, 100, 10, SS_CENTER);
  AddCheckList(d, entry::kNodeListId, 60, 58, 100, listHeight);
  int y = 58 + listHeight + 8;
  AddButton(d, kGenerate, "&GENERATE", 20, y, 85, 14);
  AddButton(d, kRemoveChecksId, "&REMOVE ALL CHECKS", 115, y, 85, 14);
  AddButton(d, kContinueId, "&Ok", 50, y + 19, 50, 14);
  AddButton(d, kExitId, "&Cancel", 120, y + 19, 50, 14);
  d.height = y + 41;
  OnOpen(d, [nodes, shown, rowHeight](HWND dialog) {
    HWND list = ListOf(dialog);
    // Rows of 10 dialog units; the list shows `shown` of them and scrolls.
    RECT unit = {0, 0, 1, rowHeight};
    MapDialogRect(dialog, &unit);
    SendMessageA(list, LB_SETITEMHEIGHT, 0, unit.bottom);
    RECT outer, inner;
    GetWindowRect(list, &outer);
    GetClientRect(list, &inner);
    int frame = (outer.bottom - outer.top) - (inner.bottom - inner.top);
    SetWindowPos(list, nullptr, 0, 0, outer.right - outer.left, shown * unit.bottom + frame,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    FillCheckList(list, nodes, NodeMarks(UnyieldingNodes, nodes));
    SetFocus(list);
    OpenTableView(dialog, "UNYIELD");
    PointerOnControl(dialog, kContinueId);
  });
  return entry::OnProfile(OnNodeList(), d);
}

INT_PTR CALLBACK UnyieldingSupportsDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kGenerate) {
    GenerateChecks(dialog);
    return TRUE;
  }
  return entry::NodeListDialogProc(dialog, msg, wParam, lParam);
}

// ---------------------------------------------------------------- the sequence and the command

void SupportDataSequence(HWND owner) {
  const SupportForm form = CurrentSupportForm();
  if (form == SupportForm::Roof) return;
  auto on = [](int item) { return IsYes(AnswerAt(SupportFlags, item)); };
  auto table = [owner](const char* kind) { ShowTableWindow(owner, SupportTableDialog(kind)); };
  if (form == SupportForm::Wall) {
    if (on(kWallWinklerSlot)) table("WINKLER");
    if (on(kWallRestraintsSlot)) table("ELASTIC");
    return;
  }
  if (on(kUnyieldingSlot)) {
    const int nodes = SupportedNodes();
    TableRows = nodes;
    CellTexts.Redim(3, nodes);
    FieldTexts.assign(static_cast<size_t>(nodes) + 1, std::string());
    FormTexts.Redim(kGenerationTextRow, 6);
    FormTexts(0, 0) = "UNYIELD";
    ShowModalDialog(UnyieldingSupportsDialog(), owner, UnyieldingSupportsDialogProc);
    if (StructureViewHooks.close) StructureViewHooks.close();
  }
  if (on(kElasticSupportsSlot)) table("ELASTIC");
  if (on(kWinklerSlot)) table("WINKLER");
  const char* kinds[2] = {"ISOTROPIC", "CROSS-ANISOTROPIC"};
  for (int k = 0; k < 2; ++k)
    if (on(kIsotropicHalfSpaceSlot + k)) ShowModalDialog(HalfSpaceDialog(kinds[k]), owner, HalfSpaceDialogProc);
}

void SupportDataCommand(HWND owner) {
  const int type = StructureCode();
  int n1 = 0, n2 = 0, n3 = 0, loaded = 0;
  LoadSupportFile(type, n1, n2, n3, 0, loaded);
  if (loaded != 1) return;
  if (type == 3) {
    RunTankSubstructureChoice(owner, 2);
    DefaultWallConnections(SupportFlags);
  } else {
    RunSupportTypeDialog(owner, 0);
  }
  if (!SaveSupportFile(type)) {
    WarnBox(owner, "The SUPPORT File " + JobSpec + ".SUP cannot be Written!");
  }
  ElasticSupportTable.Redim(1, 2);
  WinklerTable.Redim(1, 2);
  WallRestraintTable.Redim(1, 2);
  WallWinklerTable.Redim(1, 1);
  TextLines.assign(3, std::string());
}

void UseSupportEntry() {
  TankActions.supports = [](HWND owner) { RunSupportTypeDialog(owner, 1); };
}

}  // namespace corvane
