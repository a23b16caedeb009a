// Murelo's substructure selection, geometry and support dialogs (see entry.h).
#include "murelo/entry/entry.h"

#include <algorithm>

#include "core/fieldcheck.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "murelo/core/dataentry.h"
#include "murelo/core/globals.h"
#include "murelo/core/jobfiles.h"
#include "murelo/core/slots.h"
#include "murelo/entry/ids.h"
#include "win/checklist.h"
#include "win/colours.h"
#include "win/dataform.h"
#include "win/fieldkeys.h"
#include "win/ids.h"
#include "win/messages.h"

namespace murelo {

std::function<void(HWND owner)> LoadTypeAction;
std::function<void(HWND owner)> GraphAction;
bool GeometrySaved = false;

namespace {

HWND DataOwner = nullptr;    // the window the data command runs over

bool IsGeometryField(int id) {
  return id > kGeometryFieldBaseId && id <= kGeometryFieldBaseId + kPlateGeometryFields;
}

// The width in dialog units of a text in the system fixed-pitch font, 8 pixels a character: with
// the dialog font's average character of 6 or 7 pixels (4 units), up to 5.5 units a character.
int FixedTextWidth(const DialogTemplate&, const std::string& text) {
  int chars = 0;
  for (char c : text) chars += c == '&' ? 0 : 1;
  return chars * 11 / 2 + 2;
}

void EmptyWorkTables() {
  BasePlateElements.Redim(0, 2);
  WallStemElements.Redim(0, 2);
  TextLines.assign(5001, std::string());
}

}  // namespace

// ---------------------------------------------------------------- field keys

LRESULT CALLBACK DataFieldSubclassProc(HWND control, UINT msg, WPARAM wParam, LPARAM lParam) {
  const int id = GetDlgCtrlID(control);
  if (IsGeometryField(id) && msg == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
    HWND next = GetDlgItem(GetParent(control), wParam == VK_UP ? id - 1 : id + 1);
    if (next && IsGeometryField(GetDlgCtrlID(next))) FocusField(next);
    return 0;
  }
  // The geometry fields have no Enter of their own: the dialog manager's Enter presses "&Ok".
  const MSG* asked = msg == WM_GETDLGCODE ? reinterpret_cast<const MSG*>(lParam) : nullptr;
  const bool enter = ((msg == WM_KEYDOWN || msg == WM_KEYUP) && wParam == VK_RETURN) ||
                     (msg == WM_CHAR && wParam == '\r') || (asked && asked->wParam == VK_RETURN);
  if (IsGeometryField(id) && enter) return CallPreviousProc(control, msg, wParam, lParam);
  return ::EditSubclassProc(control, msg, wParam, lParam);
}

// ---------------------------------------------------------------- substructure selection

DialogTemplate SubstructureDialog(int action) {
  ReadGeometryFile(JobSpec);
  DialogTemplate d = NewDialog(EntryCaption(), 0, 0, 260, 117);
  int h = 0;
  auto centred = [&](int id, const std::string& text, int y, int height, bool button) {
    const int w = DialogTextWidth(d, text, h) + (button ? 12 : 0);
    if (button) AddButton(d, id, text, (260 - w) / 2, y, w, height);
    else AddLabel(d, id, text, (260 - w) / 2, y, w, height);
    return w;
  };
  const int w = centred(kSubstructureTitleId, "SELECTION OF RETAINING WALL SUBSTRUCTURE", 12, 10, false);
  AddLine(d, kSubstructureRuleId, (260 - w) / 2, 22, w, 2);
  const int optionWidth = FixedTextWidth(d, "&BASE PLATE") + 7 + 10;
  AddOption(d, kBasePlateOptionId, "&BASE PLATE", (260 - optionWidth) / 2, 27, optionWidth, 13,
            WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON);
  AddOption(d, kWallStemOptionId, "&WALL STEM", (260 - optionWidth) / 2, 40, optionWidth, 13, BS_AUTORADIOBUTTON);
  int focus = kContinueId;
  if (action == 1) centred(focus = kGeometryActionId, "&ENTER / EDIT Geometry and Material Properties Data", 57, 16, true);
  if (action == 2) centred(focus = kSupportActionId, "&ENTER / EDIT Support General Data", 57, 16, true);
  if (action == 3) centred(focus = kLoadActionId, "&ENTER / EDIT Load Data", 57, 16, true);
  if (action == 4) {
    AddButton(d, kContinueId, "&OK", 85, 80, 40, 14);
    AddButton(d, kCancelId, "&CANCEL", 135, 80, 40, 14);
  } else {
    AddButton(d, kCancelId, "&CANCEL", 105, 80, 50, 14);
  }
  OnOpen(d, [focus](HWND dialog) {
    CheckDlgButton(dialog, kBasePlateOptionId, BST_CHECKED);
    for (int id : {kBasePlateOptionId, kWallStemOptionId}) {
      SetFixedFont(dialog, id);
      SubclassControl(dialog, id, EditSubclassProc3);
    }
    SetFocus(GetDlgItem(dialog, focus));
    PointerOnControl(dialog, focus);
  });
  return d;
}

namespace {
const std::vector<ColourRule> kSubstructureColours = {
    {WM_CTLCOLORSTATIC, kBasePlateOptionId, kWallStemOptionId, RGB(255, 255, 255), RGB(0, 128, 128)},
    {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(255, 255, 200)},
};
}  // namespace

INT_PTR CALLBACK SubstructureDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR colour;
  if (DialogColours(dialog, msg, wParam, lParam, kSubstructureColours, colour)) return colour;
  if (msg == WM_DESTROY) {
    RestoreControls(dialog, kBasePlateOptionId, kWallStemOptionId);
    return FALSE;
  }
  if (msg != WM_COMMAND) return FALSE;
  const int id = LOWORD(wParam);
  if (id == kGeometryActionId || id == kSupportActionId || id == kLoadActionId || id == kContinueId) {
    POINT pointer{};
    GetCursorPos(&pointer);
    CurrentSubstructure = entry::Checked(dialog, kWallStemOptionId) ? "WALL" : "BASE PLATE";
    HWND owner = DataOwner ? DataOwner : GetParent(dialog);
    ShowWindow(dialog, SW_HIDE);
    if (id == kGeometryActionId) {
      if (ShowModalDialog(GeometryDialog(), owner, GeometryDialogProc) == 1) {
        GeometrySaved = true;
        if (entry::GeometryDetailsWanted()) GeometryDetailsDialog(owner);
        entry::CloseStructureView();
      }
      EmptyWorkTables();
    } else if (id == kSupportActionId) {
      if (ShowModalDialog(SupportTypeDialog(), owner, SupportTypeDialogProc) == 1 && entry::SupportDataWanted())
        EditSupportData(owner);
    } else if (id == kLoadActionId) {
      if (LoadTypeAction) LoadTypeAction(owner);
    } else {
      SharedIntegers(kFieldCountSlot) = SharedIntegers(kFirstFieldIdSlot) = SharedIntegers(kTableRowsSlot) =
          SharedIntegers(kGenerationModeSlot) = 0;
      if (GraphAction) GraphAction(owner);
      TextLines.assign(5001, std::string());
    }
    SetCursorPos(pointer.x, pointer.y);
    CheckRadioButton(dialog, kBasePlateOptionId, kWallStemOptionId,
                     CurrentSubstructure == "BASE PLATE" ? kBasePlateOptionId : kWallStemOptionId);
    Sleep(0);
    ShowWindow(dialog, SW_SHOW);
    SetFocus(GetDlgItem(dialog, id));
    return TRUE;
  }
  if (id == kCancelId) {
    EndDialog(dialog, 1);
    return TRUE;
  }
  return FALSE;
}

// ---------------------------------------------------------------- geometry and material

DialogTemplate GeometryDialog() {
  ReadGeometryFile(JobSpec);
  const bool plate = PlateEdited();
  const std::vector<std::string> texts = GeometryDialogTexts();
  const int n = plate ? kPlateGeometryFields : kStemGeometryFields;
  const int buttons = plate ? 115 : 102;
  DialogTemplate d = NewDialog(EntryCaption(), 10, 10, 340, plate ? 150 : 137);
  const std::string heading =
      std::string(" GENERAL GEOMETRY and MATERIAL PROPERTIES DATA:") + (plate ? " BASE PLATE" : " WALL STEM");
  int h = 0;
  const int w = DialogTextWidth(d, heading, h);
  AddLabel(d, kHeadingId, heading, 6, 12, w, 10);
  AddLine(d, kRuleId, 6, 22, w, 2);
  static const char* const plateLabels[] = {"Base Plate Width ", "Toe Length ", "Total Number of Elements ",
                                            "Modulus of Elasticity ", "Poisson's Ratio "};
  static const char* const plateUnits[] = {" m", " m", "", " kPa", ""};
  static const char* const stemLabels[] = {"Wall Stem Height ", "Total Number of Elements ", "Modulus of Elasticity ",
                                           "Poisson's Ratio "};
  static const char* const stemUnits[] = {" m", "", " kPa", ""};
  const int countField = plate ? 3 : 2;
  for (int k = 1; k <= n; ++k) {
    const int y = 13 * k + 14;
    AddLabel(d, kGeometryLabelBaseId + k, plate ? plateLabels[k - 1] : stemLabels[k - 1], 6, y, 214, 12, SS_RIGHT);
    AddField(d, kGeometryFieldBaseId + k, texts[k], 220, y, 80, 13, WS_TABSTOP | ES_AUTOHSCROLL | (k == countField ? ES_NUMBER : 0));
    AddLabel(d, kGeometryUnitBaseId + k, plate ? plateUnits[k - 1] : stemUnits[k - 1], 300, y, 30, 12);
  }
  AddCheckBox(d, kDetailsBoxId, " ENTER/EDIT &GEOMETRY DATA  ", 6, buttons - 22, 215, 13, WS_TABSTOP | BS_AUTOCHECKBOX);
  AddButton(d, IDOK, "&Ok", 60, buttons, 40, 14, WS_TABSTOP | BS_DEFPUSHBUTTON);
  AddButton(d, kCancelId, "&Cancel", 110, buttons, 40, 14);
  OnOpen(d, [n, buttons](HWND dialog) {
    for (int k = 1; k <= n; ++k)
      for (int id : {kGeometryLabelBaseId + k, kGeometryFieldBaseId + k, kGeometryUnitBaseId + k}) SetFixedFont(dialog, id);
    CheckDlgButton(dialog, kDetailsBoxId, BST_CHECKED);
    // No field group: Enter is the dialog's own.
    SharedIntegers(kFieldCountSlot) = SharedIntegers(kFirstFieldIdSlot) = 0;
    SubclassControls(dialog, kGeometryFieldBaseId + 1, kGeometryFieldBaseId + n, DataFieldSubclassProc);
    FocusField(GetDlgItem(dialog, kGeometryFieldBaseId + 1));
    PlacePointer(dialog, 80, buttons + 7);
  });
  return entry::OnGeometry(EntryProfile(), d);
}

namespace {
// The box white on teal, the heading and the rule black on green.
const std::vector<ColourRule> kGeometryColours =
    entry::GeometryColours(kLastGeometryUnitId, {{WM_CTLCOLORSTATIC, kDetailsBoxId, kDetailsBoxId, RGB(255, 255, 255), RGB(0, 128, 128)},
                                 {WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, RGB(0, 0, 0), RGB(0, 255, 150)}});
}  // namespace

int GeometryDetailsDialog(HWND owner) {
  ReadGeometryFile(JobSpec);
  const bool plate = PlateEdited();
  const int n = ElementCount(EditedSubstructure());
  if (n < 1) return 0;
  Table = TableTexts();
  Table.kind = "GEOMETRY";
  Table.title = std::string(" GEOMETRY DETAILS DATA") + (plate ? " BASE PLATE:" : " WALL STEM:");
  Table.labels = {"", " Element Width L[m]=", " Element Thickness t[m]=", "", ""};
  Table.heads = {"Elem.", "Elem. Length", "Elem. Thickness", "", ""};
  Table.units = {"No", "s[m]", "t[m]", "", ""};
  Table.rowKind = "ELEMENT";
  FillGeometryCells();
  return ShowTableWindow(owner, 0, n, 2);
}

bool GeometryCommand(HWND owner) {
  if (JobSpec.empty()) return false;
  GeometrySaved = false;
  DataOwner = owner;
  ShowModalDialog(SubstructureDialog(1), owner, SubstructureDialogProc);
  DataOwner = nullptr;
  return GeometrySaved;
}

// ---------------------------------------------------------------- support types

namespace {
const std::vector<int> kPlateTypeIds = {kToeBoxId, kPlateUnyieldingBoxId, kPlateElasticBoxId, kWinklerOptionId,
                                        kIsotropicOptionId};
}  // namespace

DialogTemplate SupportTypeDialog() {
  const bool plate = PlateEdited();
  SupportStates states{};
  MapSupportTypeFlags(states, 1, plate);
  const int k = plate ? 5 : 1;
  const int height = 163 + 13 * (k - 5);
  DialogTemplate d = NewDialog(EntryCaption(), 10, 10, 340, height);
  int h = 0;
  const std::string heading = "SPECIFICATION OF SUPPORT TYPES: " + CurrentSubstructure;
  const int hw = DialogTextWidth(d, heading, h) + 8;
  AddLabel(d, kHeadingId, heading, (340 - hw) / 2, 8, hw, 10, SS_CENTER);
  AddLine(d, kRuleId, (340 - hw) / 2, 18, hw, 2);
  static const char* const plateTexts[] = {"&Toe Horizontally Restrained", "Vertical &Unyielding Nodal Supports",
                                           "&Vertical/Rotational Elastic Nodal Restraints",
                                           "Plate Resting on &Winkler Foundation",
                                           "Plate Resting on &Isotropic Half-Space"};
  const std::string wallText = "Horizontal/Rotational Elastic &Nodal Restraints";
  int widest = 0;
  if (plate)
    for (const char* t : plateTexts) widest = std::max(widest, FixedTextWidth(d, t));
  else
    widest = FixedTextWidth(d, wallText);
  const int boxWidth = std::min(330, widest + FixedTextWidth(d, "xxx") + 10), x = (340 - boxWidth) / 2;
  const DWORD right = BS_LEFTTEXT | BS_RIGHT;
  if (plate) {
    for (int r = 0; r < 5; ++r) {
      const int y = 27 + 13 * r;
      if (r < 3)
        AddCheckBox(d, kPlateTypeIds[r], plateTexts[r], x, y, boxWidth, 13,
                    WS_TABSTOP | BS_AUTOCHECKBOX | right | (r == 0 ? WS_GROUP : 0));
      else
        AddOption(d, kPlateTypeIds[r], plateTexts[r], x, y, boxWidth, 13,
                  WS_TABSTOP | BS_AUTORADIOBUTTON | right | (r == 3 ? WS_GROUP : 0));
    }
    for (int id : {kWinklerOptionId, kIsotropicOptionId}) SetControlCallback(d, id, ToggleCheckProc);
  } else {
    AddCheckBox(d, kStemRestraintsBoxId, wallText, x, 27, boxWidth, 13, WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX | right);
  }
  AddButton(d, kEnterSupportDataId, " &ENTER / EDIT Support DATA ", 100, 100 + 13 * (k - 5), 140, 16, WS_TABSTOP | WS_GROUP);
  AddButton(d, IDOK, "&Ok", 125, height - 40, 40, 14);
  AddButton(d, kCancelId, "&Cancel", 175, height - 40, 40, 14);
  OnOpen(d, [plate, states](HWND dialog) {
    if (plate) {
      for (int i = 0; i < 5; ++i) {
        SetFixedFont(dialog, kPlateTypeIds[i]);
        if (states[i]) CheckDlgButton(dialog, kPlateTypeIds[i], BST_CHECKED);
      }
      SharedIntegers(kToggleLastIdSlot) =
          states[kWinklerSlot] ? kWinklerOptionId : states[kHalfSpaceSlot] ? kIsotropicOptionId : 0;
      SharedIntegers(kToggleOnSlot) = states[kWinklerSlot] || states[kHalfSpaceSlot] ? 1 : 0;
    } else {
      SetFixedFont(dialog, kStemRestraintsBoxId);
      if (states[kStemRestraintsState]) CheckDlgButton(dialog, kStemRestraintsBoxId, BST_CHECKED);
    }
    SetFocus(GetDlgItem(dialog, kEnterSupportDataId));
    PointerOnControl(dialog, kEnterSupportDataId);
  });
  return entry::SupportTypeForm(EntryProfile(), d);
}


// ---------------------------------------------------------------- unyielding nodes

DialogTemplate UnyieldingSupportsDialog() {
  Table = TableTexts();
  Table.kind = "UNYIELD";
  const int nodes = ElementCount(kBasePlate) + 1;
  const int shown = std::min(15, nodes);
  DialogTemplate d = NewDialog(" UNYIELDING SUPPORTS DATA:", 0, 0, 180, 0);
  AddLabel(d, kHeadingId, "Set CHECKS at NODES with SUPPORTS", 0, 5, 180, 10, SS_CENTER);
  AddLine(d, kRuleId, 0, 15, 180, 2);
  AddButton(d, kRemoveChecksId, "&REMOVE ALL CHECKS", 37, 21, 106, 14);
  int h = 0;
  const int avg = DialogTextWidth(d, "x", h);
  const int w = 9 * avg + (nodes > shown ? 10 : 0);
  const int listHeight = static_cast<int>(shown * 10.1 + 1);
  const int x = 90 - w / 2;
  AddLabel(d, kNodeHeadId, "Node No", x, 35, w, 12, SS_CENTER | SS_SUNKEN);
  const int y = 48 + listHeight + 10;
  AddButton(d, kContinueId, "&Ok", 90 - 45, y, 40, 14);
  AddButton(d, kExitId, "&Cancel", 90 + 4, y, 40, 14);
  d.height = y + 22;
  std::vector<int> marks = UnyieldingMarks(nodes);
  OnOpen(d, [nodes, shown, listHeight, marks, x, w](HWND dialog) {
    for (int id : {kHeadingId, kNodeHeadId}) SetFixedFont(dialog, id);
    const DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_DISABLENOSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
                        LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
    entry::OpenNodeList(EntryProfile(), dialog, x, 48, w, listHeight, style, nodes, marks, [&](HWND list) {
      // Whole lines only: the list takes the height of its shown lines, the buttons follow it.
      const int item = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
      RECT r{};
      GetWindowRect(list, &r);
      RECT client{};
      GetClientRect(list, &client);
      const int frame = (r.bottom - r.top) - client.bottom;
      if (item > 0) {
        SetWindowPos(list, nullptr, 0, 0, r.right - r.left, item * shown + frame, SWP_NOMOVE | SWP_NOZORDER);
        GetWindowRect(list, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        int gap = 10, unused = 0;
        UnitsToPixels(dialog, unused, gap);
        for (int id : {kContinueId, kExitId}) {
          HWND b = GetDlgItem(dialog, id);
          RECT br{};
          GetWindowRect(b, &br);
          MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&br), 2);
          SetWindowPos(b, nullptr, br.left, r.bottom + gap, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
      }
    });
  });
  return entry::OnProfile(EntryProfile(), d);
}

// ---------------------------------------------------------------- spring and Winkler tables

int SupportTableDialog(HWND owner, const std::string& kind) {
  const bool plate = PlateEdited();
  Table = TableTexts();
  Table.kind = kind;
  int rows = 0, columns = 2;
  if (kind == "ELASTIC") {
    const std::string k = plate ? "kv" : "kh";
    Table.title = plate ? CurrentSubstructure + ": " + "LINEAR ELASTIC SUPPORTS' DATA"
                        : std::string("WALL: LINEAR ELASTIC RESTRAINTS' DATA");
    Table.groupHead = "Spring CONSTANTS";
    Table.heads = {"Nodal Line", "", "", "", ""};
    Table.units = {"i", k + "[kN/m/m]", "kr[kN*m/rad/m]", "", ""};
    Table.labels = {"", " Elastic CONSTANT " + k + "[kN/m/m]=", " Elastic CONSTANT kr[kN*m/rad/m]=", "", ""};
    Table.rowKind = "NODE";
    rows = ElementCount(EditedSubstructure()) + 1;
  } else {
    Table.title = "BASE PLATE: WINKLER FOUNDATION";
    Table.heads = {"Element i", "Subgr. Mod.", "k[kPa/m]", "Yield Stress", "[kPa]"};
    Table.units = {"Nodes i-j", "at i, ki", "at j, kj", "at i", "at j"};
    Table.labels = entry::kWinklerLabels;
    Table.rowKind = "ELEMENT";
    rows = ElementCount(kBasePlate);
    columns = plate ? 4 : 2;
  }
  FillSupportCells(kind);
  if (rows < 1) return 0;
  return ShowTableWindow(owner, 1, rows, columns);
}

// ---------------------------------------------------------------- half-space

DialogTemplate HalfSpaceDialog(const std::string& kind) {
  static const char* const labels[] = {"Modulus of Elasticity [kPa]= ", "Poisson's Ratio, Nu= ", "Yield Stress [kPa]= "};
  const std::vector<std::string> texts = HalfSpaceTexts();
  DialogTemplate d = NewDialog(EntryCaption(), 0, 0, 300, 160);
  int h = 0;
  const int labelWidth = FixedTextWidth(d, std::string(labels[0]) + " "), fieldWidth = 14 * 4 + 4;
  const int x = (300 - labelWidth - fieldWidth) / 2;
  const std::string heading = " " + kind + " HALF SPACE DATA:";
  const int hw = DialogTextWidth(d, heading, h) + 8;
  AddLabel(d, kHeadingId, heading, (300 - hw) / 2, 6, hw, 10, SS_CENTER);
  AddLine(d, kRuleId, (300 - hw) / 2, 16, hw, 2);
  const int t = 28;
  AddLabel(d, kFirstGroupHeadingId, "SOIL ELASTIC PROPERTIES:", x, t, labelWidth, 10);
  AddLine(d, kFirstGroupRuleId, x, t + 11, labelWidth, 2);
  AddLabel(d, kSecondGroupHeadingId, "SOIL PLASTIC PROPERTY:", x, t + 47, labelWidth, 10);
  AddLine(d, kSecondGroupRuleId, x, t + 57, labelWidth, 2);
  for (int i = 1; i <= 3; ++i) {
    const int y = t + 13 * i + (i == 3 ? 20 : 0);
    AddLabel(d, kHalfSpaceLabelBaseId + i, labels[i - 1], x, y, labelWidth, 12, SS_RIGHT | SS_SUNKEN);
    AddField(d, kHalfSpaceFieldId - 1 + i, texts[i], x + labelWidth, y, fieldWidth, 12, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL);
  }
  AddButton(d, kOkId, "&Ok", 105, 120, 40, 14);
  AddButton(d, kCancelId, "&Cancel", 155, 120, 40, 14);
  OnOpen(d, [](HWND dialog) {
    for (int i = 1; i <= 3; ++i) SetFixedFont(dialog, kHalfSpaceLabelBaseId + i);
    StartFields(dialog, kHalfSpaceFieldId, 3);
    PointerOnControl(dialog, kOkId);
  });
  return entry::OnProfile(EntryProfile(), d);
}

// ---------------------------------------------------------------- the supports command

void EditSupportData(HWND owner) {
  if (PlateEdited()) {
    if (SupportFlagIsYes(kUnyieldingSlot)) {
      ShowModalDialog(UnyieldingSupportsDialog(), owner, entry::NodeListDialogProc);
      entry::CloseStructureView();
    }
    if (SupportFlagIsYes(kElasticSupportsSlot)) SupportTableDialog(owner, "ELASTIC");
    if (SupportFlagIsYes(kWinklerSlot)) SupportTableDialog(owner, "WINKLER");
    if (SupportFlagIsYes(kHalfSpaceSlot)) ShowModalDialog(HalfSpaceDialog("ISOTROPIC"), owner, HalfSpaceDialogProc);
  } else if (SupportFlagIsYes(kStemRestraintsSlot)) {
    SupportTableDialog(owner, "ELASTIC");
  }
}

void SupportDataCommand(HWND owner) {
  if (JobSpec.empty()) return;
  int plate = 0, stem = 0;
  if (!LoadSupportFile(plate, stem)) return;
  DataOwner = owner;
  ShowModalDialog(SubstructureDialog(2), owner, SubstructureDialogProc);
  DataOwner = nullptr;
  SaveSupportFile(JobSpec);
}

void AddDialogs(entry::Profile& p) {
  p.geometryFields = [] { return PlateEdited() ? 5 : 4; };
  p.geometryOk = IDOK;
  p.geometryWarning = [](HWND, std::vector<std::string>& texts, int&) {
    const int item = GeometryDialogItem(texts);
    return item != 0 ? GeometryItemWarning(item) : std::string();
  };
  p.saveGeometry = [](HWND, const std::vector<std::string>& texts) { return SaveGeometryDialogData(JobSpec, texts); };
  p.geometryCancelled = EmptyWorkTables;
  p.geometryRestored = {{kGeometryFieldBaseId + 1, kGeometryFieldBaseId + kPlateGeometryFields}};
  p.geometryColours = kGeometryColours;
  p.supportTypeIds = [] { return PlateEdited() ? kPlateTypeIds : std::vector<int>{kStemRestraintsBoxId}; };
  p.supportTypeOk = IDOK;
  // The stem's restraints are its only support type: nothing to warn of.
  p.supportTypeWarning = [](const std::vector<bool>& on) {
    if (!PlateEdited()) return std::string();
    SupportStates states{};
    for (size_t i = 0; i < on.size(); ++i) states[i] = on[i] ? 1 : 0;
    return SupportTypeWarning(SupportTypeStatus(states));
  };
  p.storeSupportTypes = [](HWND, const std::vector<bool>& on, bool) {
    const bool plate = PlateEdited();
    SupportStates states{};
    if (plate)
      for (size_t i = 0; i < on.size(); ++i) states[i] = on[i] ? 1 : 0;
    else
      states[kStemRestraintsState] = on[0] ? 1 : 0;
    MapSupportTypeFlags(states, 2, plate);
  };
  p.supportTypeColours = entry::kSupportTypesOnRed;
  p.nodeListColours = entry::NodeListColours(kNodeHeadId, kNodeHeadId);
  p.acceptNodeMarks = AcceptUnyieldingMarks;
  p.nodeListOkEnd = 0;
}

}  // namespace murelo
