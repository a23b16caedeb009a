#include "win/jobdialog.h"

#include <commdlg.h>

#include <utility>
#include <vector>

#include "core/archive.h"
#include "core/hostfs.h"
#include "core/jobspec.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "win/files_win.h"
#include "win/handles.h"
#include "win/listdialog.h"
#include "win/messages.h"

namespace {

const char* const StateProp = "SuiteJobDialog";

// What a live job dialog keeps: its profile and its colour rules. The examples stand on the blue
// panel; they leave its lines beside them alone.
struct JobDialogState {
  explicit JobDialogState(const JobDialogProfile* p)
      : profile(p),
        colours(ListDialogColours(p->frameId, {{kJobFirstExampleId, StockColour(NULL_BRUSH)},
                                               {kJobSecondExampleId, StockColour(NULL_BRUSH)}})) {}
  const JobDialogProfile* profile;
  std::vector<ColourRule> colours;
};


std::string ControlText(HWND control) {
  int n = GetWindowTextLengthA(control);
  std::string s(static_cast<size_t>(n) + 1, '\0');
  GetWindowTextA(control, &s[0], n + 1);
  s.resize(static_cast<size_t>(n));
  return s;
}

void Warn(HWND dialog, const JobDialogProfile& p, const std::string& text) {
  ShowMessage(dialog, text, "WARNING!", WarningBoxStyle, *p.answer);
}

void AcceptJob(HWND dialog, const JobDialogProfile& p) {
  HWND combo = GetDlgItem(dialog, p.comboId);
  std::string spec = ControlText(combo);
  if (spec.empty()) {
    SetFocus(combo);
    return;
  }
  // The job specification is checked as a copy: a refused text never becomes the current job.
  std::string warning = JobSpecWarning(spec);
  if (!warning.empty()) {
    Warn(dialog, p, warning);
    SetFocus(combo);
    return;
  }
  std::vector<std::string> entries = ComboNames(combo);
  PutJobFirst(entries, spec);
  WriteJobList(p.list.listFile, entries);
  JobSpec = spec;
  if (p.mainWindow) SetWindowTextA(p.mainWindow, ("     " + p.structureTitle + " ANALYSIS.   JOB: " + JobSpec).c_str());
  // The dummy extension makes the last part of the job specification count as the file name.
  EnsureJobDirectory(JobSpec + ".AAA");
  OpenJobArchive(JobSpec);
  if (p.afterOk) p.afterOk();
  EndDialog(dialog, 1);
}

void PickJob(HWND dialog, const JobDialogProfile& p) {
  char current[MAX_PATH] = {0};
  GetCurrentDirectoryA(MAX_PATH, current);
  std::string initial = ProgramDirectory();
  char file[MAX_PATH] = "*.*";
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = dialog;
  ofn.lpstrFilter = "All Files\0*.*\0";
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrInitialDir = initial.c_str();
  ofn.lpstrTitle = "Open File";
  ofn.lpstrDefExt = "*";
  ofn.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_LONGNAMES;
  if (GetOpenFileNameA(&ofn)) {
    JobPathParts parts;
    int code = 0;
    ValidatePath(file, parts, code);
    std::string text = lstrcmpiA(parts.driveAndDirectory.c_str(), current) == 0
                           ? parts.baseName
                           : parts.driveAndDirectory + "\\" + parts.baseName;
    SetDlgItemTextA(dialog, p.comboId, text.c_str());
  }
  SetCurrentDirectoryA(current);
}

void DeleteJob(HWND dialog, const JobDialogProfile& p) {
  HWND combo = GetDlgItem(dialog, p.comboId);
  int selection = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
  if (selection < 0) return;
  // The selected entry, not whatever the field holds, and only a sound specification: a typed
  // text or a damaged list line must not turn into a wildcard delete.
  std::string spec = Trim(ComboItemText(combo, selection));
  if (spec.empty()) return;
  std::string warning = JobSpecWarning(spec);
  if (!warning.empty()) {
    Warn(dialog, p, warning);
    return;
  }
  ShowMessage(dialog, "Do you really want to DELETE/RECYCLE the CURRENT SELECTION?",
              "Current Selection DELETION/RECYCLE Enquiry", QuestionBoxStyle, *p.answer);
  if (*p.answer != IDYES) return;
  // A bare name is a job in the program directory, which is the current directory.
  if (FileExists(spec + ".ZIP")) RecycleFiles(spec + ".ZIP");
  SendMessageA(combo, CB_DELETESTRING, static_cast<WPARAM>(selection), 0);
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  JobPathParts parts;
  int code = 0;
  ValidatePath(spec + ".AAA", parts, code);
  std::string folder = parts.driveAndDirectory.empty() ? std::string() : parts.driveAndDirectory + "\\";
  // The job's own files only (never BEAM10.* for BEAM1); the archive only goes to the recycle bin.
  std::string base = parts.baseName;
  for (const auto& e : hostfs::Find(spec + ".*")) {
    if (e.directory) continue;
    std::string name = e.path.substr(e.path.find_last_of("\\/:") + 1);
    bool own =
        lstrcmpiA(name.c_str(), base.c_str()) == 0 ||
        (name.size() > base.size() && lstrcmpiA(name.substr(0, base.size() + 1).c_str(), (base + ".").c_str()) == 0);
    if (own && lstrcmpiA(name.c_str(), (base + ".ZIP").c_str()) != 0) DeleteIfExists(folder + name);
  }
  if (!parts.directory.empty() && hostfs::IsDirectory(parts.driveAndDirectory))
    RemoveDirectoryA(parts.driveAndDirectory.c_str());  // only an empty folder goes
}

}  // namespace

std::string JobSpecWarning(const std::string& spec) {
  JobPathParts parts;
  int code = 0;
  ValidatePath(spec, parts, code);
  if (!parts.extension.empty() || code == 13)
    return "No File Name Extension and no Dot\r\nshould be provided in Job Specification!\r\n\r\nCorrect the Job "
           "Specification!";
  if (code > 0 && code != 11) return JobPathMessage(code) + "\r\n\r\nCorrect the Job Specification!";
  return std::string();
}

namespace {

// The examples stand on the explanation's second and sixth lines, which are blank, one line high
// in the system font whatever its height on this display (in dialog units they would reach into
// the explanation's text).
void PlaceExamplesOnBlankLines(HWND dialog) {
  HWND explanation = GetDlgItem(dialog, kJobExplanationId);
  if (!explanation) return;
  RECT panel{};
  GetWindowRect(explanation, &panel);
  MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&panel), 2);
  TEXTMETRICA metrics{};
  {
    WindowDc dc(explanation);
    SelectionGuard keep(dc.get(), GetStockObject(SYSTEM_FONT));
    GetTextMetricsA(dc.get(), &metrics);
  }
  const std::pair<int, int> examples[] = {{kJobFirstExampleId, 1}, {kJobSecondExampleId, 5}};
  for (const auto& e : examples) {
    HWND example = GetDlgItem(dialog, e.first);
    RECT r{};
    GetWindowRect(example, &r);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(example, nullptr, r.left, panel.top + e.second * metrics.tmHeight, r.right - r.left, metrics.tmHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace

DialogTemplate JobNameDialog(const JobDialogProfile& p) {
  DialogTemplate d = NewDialog(p.caption, 0, 0, 320, 210);
  AddLabel(d, kJobHeadingId, " ENTER SPECIFICATION FOR a NEW\r\n JOB or SELECT an EXISTING JOB", 11, 10, 168, 20);
  AddComboBox(d, p.comboId, 10, 30, 170, 101, WS_TABSTOP | WS_VSCROLL | CBS_SIMPLE | CBS_AUTOHSCROLL, WS_EX_CLIENTEDGE);
  AddButton(d, kJobPickId, "&PICK up a JOB that is Not Listed", 10, 135, 170, 14);
  AddButton(d, p.deleteId, "&DELETE/RECYCLE Current Selection", 10, 152, 170, 14);
  AddButton(d, IDOK, "&Ok", 50, 175, 40, 14);
  AddButton(d, IDCANCEL, "&Cancel", 100, 175, 40, 14);
  // The panel before its frame, so the frame's title is drawn over the panel.
  AddLabel(d, kJobExplanationId, JobLocationText(p.list.folder, p.list.example, 1), 190, 31, 112, 97);
  AddFrame(d, p.frameId, " Examples of Job Specification ", 190, 30, 113, 100);
  AddLabel(d, kJobFirstExampleId, JobLocationText(p.list.folder, p.list.example, 2), 191, 42, 105, 11);
  AddLabel(d, kJobSecondExampleId, JobLocationText(p.list.folder, p.list.example, 3), 191, 82, 110, 11);
  std::vector<std::string> entries = ReadJobList(p.list.listFile);
  if (static_cast<int>(entries.size()) > p.shownEntries) entries.resize(static_cast<size_t>(p.shownEntries));
  int comboId = p.comboId;
  OnOpen(d, [entries, comboId](HWND dialog) {
    SetFixedFont(dialog, comboId);
    SetFixedFont(dialog, kJobHeadingId);
    // The examples are laid out in lines of the system font, which a control without a font of
    // its own uses.
    for (int id : {kJobExplanationId, kJobFirstExampleId, kJobSecondExampleId})
      SendDlgItemMessageA(dialog, id, WM_SETFONT, 0, FALSE);
    PlaceExamplesOnBlankLines(dialog);
    FitListToCoarseFont(dialog, comboId, 170, 96);
    HWND combo = GetDlgItem(dialog, comboId);
    for (const auto& e : entries) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
    if (JobSpec.empty() && !entries.empty()) SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SetFocus(combo);
    PlacePointer(dialog, 70, 182);
  });
  return d;
}

INT_PTR CALLBACK JobNameDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  JobDialogState* s = nullptr;
  INT_PTR handled;
  auto make = [](LPARAM profile) { return new JobDialogState(reinterpret_cast<const JobDialogProfile*>(profile)); };
  if (ListDialogState(dialog, msg, wParam, lParam, StateProp, make, s, handled)) return handled;
  if (msg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
  const JobDialogProfile& p = *s->profile;
  int id = LOWORD(wParam);
  if (id == IDOK)
    AcceptJob(dialog, p);
  else if (id == kJobPickId)
    PickJob(dialog, p);
  else if (id == p.deleteId)
    DeleteJob(dialog, p);
  else if (id == IDCANCEL)
    EndDialog(dialog, 0);
  else
    return FALSE;
  return TRUE;
}

int ShowJobNameDialog(HWND owner, const JobDialogProfile& profile) {
  INT_PTR r = ShowModalDialog(JobNameDialog(profile), owner, JobNameDialogProc, reinterpret_cast<LPARAM>(&profile));
  return r == 1 ? 1 : 0;
}
