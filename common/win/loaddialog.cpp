#include "win/loaddialog.h"

#include "core/loadcases.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "win/fieldkeys.h"
#include "win/messages.h"

namespace {

const char* const StateProp = "SuiteLoadCaseDialog";

// What a live load-case dialog keeps: its profile, its list file and its colour rules, the check
// box white on olive.
struct LoadCaseDialogState {
  LoadCaseDialogState(const LoadCaseDialogProfile* p, const std::string& list)
      : profile(p), listFile(list), colours(ListDialogColours(p->frameId, {{kCaseCheckId, RGB(128, 128, 0)}})) {}
  const LoadCaseDialogProfile* profile;
  std::string listFile;
  std::vector<ColourRule> colours;
};


void SetListedNames(const std::vector<std::string>& names) {
  LoadCaseNames.assign(1, std::string());
  LoadCaseNames.insert(LoadCaseNames.end(), names.begin(), names.end());
}

void Finish(HWND dialog, const LoadCaseDialogProfile& p, int value) {
  if (p.afterOk) p.afterOk();
  EndDialog(dialog, value);
}

void ChooseCase(HWND dialog, const LoadCaseDialogState& s) {
  const LoadCaseDialogProfile& p = *s.profile;
  HWND box = GetDlgItem(dialog, p.nameBoxId);
  int selection = static_cast<int>(SendMessageA(box, CB_GETCURSEL, 0, 0));
  std::string name = selection < 0 ? std::string() : Trim(ComboItemText(box, selection));
  // An empty list offers nothing to choose: nothing is written and nothing chosen.
  if (name.empty()) {
    EndDialog(dialog, 0);
    return;
  }
  std::vector<std::string> names = ComboNames(box);
  MoveLoadCaseToHead(names, name);
  WriteLoadCaseList(s.listFile, names);
  SetListedNames(names);
  if (p.currentCase) *p.currentCase = CurrentCaseName(name);
  Finish(dialog, p, 1);
}

void EnterCase(HWND dialog, const LoadCaseDialogState& s) {
  const LoadCaseDialogProfile& p = *s.profile;
  HWND box = GetDlgItem(dialog, p.nameBoxId);
  char buffer[256] = {0};
  GetWindowTextA(box, buffer, sizeof buffer);
  // A name of blanks is no name: it would give the case no letter.
  std::string name = Trim(buffer);
  std::vector<std::string> names = ComboNames(box);
  if (!name.empty()) {
    LoadCaseRule rule = CheckFirstLetters(name, names, p.maxCases);
    if (rule != LoadCaseRule::Holds) {
      WarningTones();
      ShowMessage(dialog, LoadCaseRuleMessage(rule, p.maxCases), "WARNING!", WarningBoxStyle, *p.answer);
      SetFocus(box);
      return;
    }
    MoveLoadCaseToHead(names, name);
    if (p.currentCase) *p.currentCase = CurrentCaseName(name);
  }
  WriteLoadCaseList(s.listFile, names);
  SetListedNames(names);
  if (p.mainWindow) {
    std::string caption = "     " + p.structureTitle + " ANALYSIS.   JOB: " + JobSpec +
                          "     Load Case: " + (p.currentCase ? *p.currentCase : std::string());
    SetWindowTextA(p.mainWindow, caption.c_str());
  }
  bool enterData = IsDlgButtonChecked(dialog, kCaseCheckId) == BST_CHECKED;
  Finish(dialog, p, !name.empty() && enterData ? 1 : 0);
}

void DeleteCase(HWND dialog, const LoadCaseDialogState& s) {
  const LoadCaseDialogProfile& p = *s.profile;
  HWND box = GetDlgItem(dialog, p.nameBoxId);
  int selection = static_cast<int>(SendMessageA(box, CB_GETCURSEL, 0, 0));
  if (selection < 0) return;
  ShowMessage(dialog, "Do you really want to DELETE the CURRENT SELECTION?", "Current Selection DELETION Enquiry",
              QuestionBoxStyle, *p.answer);
  if (*p.answer != IDYES) return;
  // The selected name decides which files go, not a text typed over it.
  std::string name = Trim(ComboItemText(box, selection));
  SendMessageA(box, CB_DELETESTRING, static_cast<WPARAM>(selection), 0);
  SendMessageA(box, CB_SETCURSEL, 0, 0);
  if (selection + 1 < static_cast<int>(LoadCaseNames.size()))
    LoadCaseNames.erase(LoadCaseNames.begin() + selection + 1);
  if (name.empty()) return;
  for (const auto& extension : p.caseFileExtensions) DeleteIfExists(JobSpec + extension + name[0]);
}

}  // namespace

LoadCaseDialogProfile InProcessSolverLoadCases() {
  LoadCaseDialogProfile p;
  p.nameBoxId = kInProcessNameBoxId;
  p.okId = kOkId;
  p.deleteId = kInProcessDeleteId;
  p.frameId = kInProcessFrameId;
  p.checkText = " Is LOAD DATA to be ENTERED/EDITED?";
  p.checkX = 10;
  p.checkY = 184;
  p.checkWidth = 188;
  p.checkHeight = 12;
  p.focusOnOk = true;
  p.okEnterKey = true;
  p.caseFileExtensions = {".LD", ".RB"};
  return p;
}

DialogTemplate LoadCaseDialog(const LoadCaseDialogProfile& p, int mode) {
  bool entry = mode == 1;
  int width = entry ? 340 : 280, height = entry ? 240 : 150;
  int x0 = entry ? 50 : width / 2 - 45, top = height - 35;
  DialogTemplate d = NewDialog("  " + p.structureTitle + ": Load Name Specification/Selection", 0, 0, width, height);

  std::vector<std::string> names = ReadLoadCaseList(JobSpec + p.listExtension, p.maxCases);
  SetListedNames(names);
  if (names.empty()) names.push_back(std::string());  // the box shows one empty item

  if (entry) {
    AddLabel(d, kCaseHeadingId, "ENTER NAME for a NEW LOAD CASE \r\nor SELECT an EXISTING Load Case", 10, 10, 170, 20,
             SS_LEFT | SS_SUNKEN);
    AddComboBox(d, p.nameBoxId, 10, 30, 170, 128, WS_TABSTOP | WS_VSCROLL | CBS_SIMPLE | CBS_AUTOHSCROLL,
                WS_EX_CLIENTEDGE);
  } else {
    AddLabel(d, kCaseHeadingId, "SELECT a Load Case", 55, 18, 170, 12, SS_CENTER | SS_SUNKEN);
    AddComboBox(d, p.nameBoxId, 55, 30, 170, 128, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, WS_EX_CLIENTEDGE);
  }
  AddButton(d, p.okId, "&Ok", x0, top, 40, 14);
  AddButton(d, IDCANCEL, "&Cancel", x0 + 50, top, 40, 14);
  if (entry) {
    AddButton(d, p.deleteId, "&DELETE the Current Selection", 10, 165, 160, 14);
    // The panel and its note before their frame, so the frame's title is drawn over them.
    AddLabel(d, kCasePanelId, "", 190, 31, 134, 127, SS_LEFT | SS_SUNKEN);
    AddLabel(d, kCaseNoteId,
             "\r\nSingle Letters 'A' through to 'Z' are recommended as LOAD CASE NAMES."
             "These Letters are used in extensions of Files containing Load Data and Results."
             " Longer Names can also be used. However, the First Letters of these must be Distinct.",
             198, 35, 122, 122);
    AddFrame(d, p.frameId, "     LOAD CASE Names (Identifiers)     ", 190, 30, 135, 130, BS_GROUPBOX, WS_EX_CLIENTEDGE);
    AddCheckBox(d, kCaseCheckId, p.checkText, p.checkX, p.checkY, p.checkWidth, p.checkHeight,
                WS_TABSTOP | BS_AUTOCHECKBOX | BS_LEFTTEXT, WS_EX_CLIENTEDGE);
  }

  int boxId = p.nameBoxId, okId = p.okId, deleteId = p.deleteId;
  bool focusOnOk = p.focusOnOk, okEnterKey = p.okEnterKey;
  OnOpen(d, [=](HWND dialog) {
    SetFixedFont(dialog, boxId);
    SetFixedFont(dialog, kCaseHeadingId);
    if (entry) {
      SetFixedFont(dialog, deleteId);
      for (int id : {kCasePanelId, kCaseNoteId, kCaseCheckId}) SendDlgItemMessageA(dialog, id, WM_SETFONT, 0, FALSE);
      CheckDlgButton(dialog, kCaseCheckId, BST_CHECKED);
      FitListToCoarseFont(dialog, boxId, 170, 126);
    }
    HWND box = GetDlgItem(dialog, boxId);
    for (const auto& n : names) SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(n.c_str()));
    SendMessageA(box, CB_SETCURSEL, 0, 0);
    if (okEnterKey) SubclassControl(dialog, okId, EditSubclassProc2);
    SetFocus(focusOnOk ? GetDlgItem(dialog, okId) : box);
    PlacePointer(dialog, x0 + 20, height - 28);
  });
  return d;
}

INT_PTR CALLBACK LoadCaseDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  LoadCaseDialogState* s = nullptr;
  INT_PTR handled;
  auto make = [](LPARAM profile) {
    const auto* p = reinterpret_cast<const LoadCaseDialogProfile*>(profile);
    return new LoadCaseDialogState(p, JobSpec + p->listExtension);
  };
  if (ListDialogState(dialog, msg, wParam, lParam, StateProp, make, s, handled)) return handled;
  if (msg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
  const LoadCaseDialogProfile& p = *s->profile;
  int id = LOWORD(wParam);
  bool entry = GetDlgItem(dialog, kCaseCheckId) != nullptr;
  if (id == p.okId) {
    if (entry)
      EnterCase(dialog, *s);
    else
      ChooseCase(dialog, *s);
  } else if (id == p.deleteId && entry) {
    DeleteCase(dialog, *s);
  } else if (id == IDCANCEL) {
    EndDialog(dialog, 0);
  } else {
    return FALSE;
  }
  return TRUE;
}

int ShowLoadCaseDialog(HWND owner, const LoadCaseDialogProfile& profile, int mode) {
  INT_PTR r =
      ShowModalDialog(LoadCaseDialog(profile, mode), owner, LoadCaseDialogProc, reinterpret_cast<LPARAM>(&profile));
  return r > 0 ? static_cast<int>(r) : 0;
}
