#include "win/outputchooser.h"
#include "win/ids.h"

#include "core/globals.h"
#include "core/numbers.h"
#include "core/trace.h"
#include "win/colours.h"
#include "win/fieldkeys.h"
#include "win/messages.h"

namespace {

// Per open chooser: its profile and the pointer to return to.
struct ChooserState {
  const OutputChooserProfile* profile = nullptr;
  POINT pointer{0, 0};
};

// Navy text on pale backgrounds: the heading lavender, the prompt cream, Save green, Print and
// Preview rose. Statics and buttons alike (message 0); the rest keep the system's colours.
const std::vector<ColourRule> kChooserColours = {
    {0, kHeadingId, kHeadingId, RGB(0, 0, 128), RGB(230, 230, 255), false},
    {0, kChooserPromptId, kChooserPromptId, RGB(0, 0, 128), RGB(255, 255, 225), false},
    {0, kChooserSaveId, kChooserSaveId, RGB(0, 0, 128), RGB(225, 255, 225), false},
    {0, kChooserPrintId, kChooserPreviewId, RGB(0, 0, 128), RGB(255, 235, 225), false},
};

ChooserState* State(HWND dialog) { return reinterpret_cast<ChooserState*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

}  // namespace

int OutputMode(bool preview, bool save) { return (preview ? 0 : 1) + (save ? 0 : 4); }

std::string OutputChooserCaption(const std::string& structureTitle, const std::string& job, const std::string& loadCase,
                                 const std::string& gap) {
  return " " + structureTitle + ";" + gap + "Job: " + job + "; Load: " + loadCase;
}

std::string PresentationCaption(const std::string& structureTitle, const std::string& job, const std::string& loadCase) {
  return "     " + structureTitle + " ANALYSIS.   JOB: " + job + "     Load Case: " + loadCase;
}

DialogTemplate OutputChoiceDialog(const OutputChooserProfile& profile) {
  DialogTemplate d = NewDialog(
      OutputChooserCaption(profile.structureTitle, JobSpec, profile.loadCaseName ? *profile.loadCaseName : "",
                           profile.captionGap),
      10, 10, 288, 133, DataDialogStyle, 0, profile.centred ? DialogConventional : DialogNoMoveSize);
  AddLabel(d, kHeadingId, "PREVIEW/PRINT/SAVE DATA/RESULTS DIALOG:", 40, 22, 210, 10, SS_CENTER);
  AddLine(d, kRuleId, 40, 32, 210, 2);
  AddLabel(d, kChooserPromptId, "Select one of the following Options", 10, 47, 192, 13, SS_CENTER | SS_SUNKEN);
  AddButton(d, kChooserDataId, "&DATA", 10, 61, 192, 14);
  AddButton(d, kChooserResultsId, "&RESULTS", 10, 75, 192, 14);
  AddButton(d, kExitId, "&EXIT", 124, 98, 40, 14);
  AddCheckBox(d, kChooserSaveId, "&Save", 215, 47, 60, 14, WS_TABSTOP | BS_AUTOCHECKBOX, WS_EX_CLIENTEDGE);
  AddOption(d, kChooserPrintId, "&Print", 215, 61, 60, 14, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, WS_EX_CLIENTEDGE);
  AddOption(d, kChooserPreviewId, "Pre&view", 215, 75, 60, 14, WS_TABSTOP | BS_AUTORADIOBUTTON, WS_EX_CLIENTEDGE);
  OnOpen(d, [](HWND dialog) {
    HFONT fixed = static_cast<HFONT>(GetStockObject(SYSTEM_FIXED_FONT));
    for (int id : {kChooserDataId, kChooserResultsId, kExitId, kChooserPromptId}) SendDlgItemMessageA(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(fixed), TRUE);
    CheckDlgButton(dialog, kChooserPreviewId, BST_CHECKED);
    SetFocus(GetDlgItem(dialog, kChooserDataId));
    PlacePointer(dialog, 106, 82);
  });
  return d;
}

INT_PTR CALLBACK OutputChoiceDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  INT_PTR colour;
  // The rules' brushes are made at initialisation, from the profile that comes as the parameter.
  const OutputChooserProfile* profile = nullptr;
  if (msg == WM_INITDIALOG) {
    profile = reinterpret_cast<const OutputChooserProfile*>(lParam);
  } else if (const ChooserState* open = State(dialog)) {
    profile = open->profile;
  }
  const std::vector<ColourRule>& rules = profile && profile->colours ? *profile->colours : kChooserColours;
  if (DialogColours(dialog, msg, wParam, lParam, rules, colour)) return colour;
  switch (msg) {
    case WM_INITDIALOG: {
      auto* state = new ChooserState;
      state->profile = reinterpret_cast<const OutputChooserProfile*>(lParam);
      GetCursorPos(&state->pointer);
      SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
      // Enter on a focused button presses it.
      if (state->profile->subclassButtons) {
        SubclassControl(dialog, kChooserDataId, EditSubclassProc2);
        SubclassControl(dialog, kChooserResultsId, EditSubclassProc2);
      }
      return FALSE;  // the focus stays on "&DATA"
    }
    case WM_COMMAND: {
      ChooserState* state = State(dialog);
      const int id = LOWORD(wParam);
      if (!state) return FALSE;
      const OutputChooserProfile& p = *state->profile;
      if ((id == kChooserDataId || id == kChooserResultsId) && HIWORD(wParam) == BN_CLICKED) {
        const bool preview = IsDlgButtonChecked(dialog, kChooserPreviewId) == BST_CHECKED;
        const bool save = IsDlgButtonChecked(dialog, kChooserSaveId) == BST_CHECKED;
        const int mode = OutputMode(preview, save);
        TraceLine("OutputChoice|" + std::to_string(id) + "|" + std::to_string(mode));
        if (id == kChooserDataId && p.outputData) p.outputData(mode, dialog);
        if (id == kChooserResultsId && p.outputResults) p.outputResults(mode, dialog);
        // Back to where the user was, and on to the other output.
        EnableWindow(dialog, TRUE);
        MovePointer(state->pointer.x, state->pointer.y - (id == kChooserResultsId ? 22 : 0));
        SetFocus(GetDlgItem(dialog, id == kChooserDataId ? kChooserResultsId : kChooserDataId));
        InvalidateRect(dialog, nullptr, TRUE);
        return TRUE;
      }
      if (id == kChooserPrintId && p.preview) *p.preview = 0;
      if (id == kChooserPreviewId && p.preview) *p.preview = 1;
      if (id == kExitId) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    }
    case WM_DESTROY: {
      ChooserState* state = State(dialog);
      if (!state) return FALSE;
      if (state->profile->subclassButtons) {
        RestoreControl(dialog, kChooserDataId);
        RestoreControl(dialog, kChooserResultsId);
      }
      SetWindowLongPtrA(dialog, DWLP_USER, 0);
      delete state;
      return FALSE;
    }
    default:
      return FALSE;
  }
}

INT_PTR ShowOutputChooser(HWND owner, const OutputChooserProfile& profile) {
  if (profile.preview) *profile.preview = 1;
  return ShowModalDialog(OutputChoiceDialog(profile), owner, OutputChoiceDialogProc, reinterpret_cast<LPARAM>(&profile));
}

void PresentationCommand(HWND owner, const OutputChooserProfile& profile) {
  int end = profile.chooseLoadCase ? profile.chooseLoadCase() : 0;
  if (profile.answer) *profile.answer = end;
  if (end != 1) return;
  std::string loadCase = profile.loadCaseName ? *profile.loadCaseName : std::string();
  if (owner) SetWindowTextA(owner, PresentationCaption(profile.structureTitle, JobSpec, loadCase).c_str());
  if (profile.loadCaseName) *profile.loadCaseName = Trim(*profile.loadCaseName);
  ShowOutputChooser(owner, profile);
}
