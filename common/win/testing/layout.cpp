#include "win/testing/layout.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <utility>

#include "win/handles.h"
#include "win/messages.h"
#include "win/outputchooser.h"
#include "win/testing/wintest.h"

namespace wintest {
namespace {

// What a control's drawing takes beside its text, in pixels; below these a shortfall is the
// rounding of dialog units, not a cut.
constexpr int kSlack = 1;          // measured and drawn text differ by up to a pixel
constexpr int kButtonEdge = 2;     // a push button's frame each side
constexpr int kCheckRoom = 16;     // a check box's or radio button's box and the gap after it
constexpr int kGroupIndent = 8;    // a group box's caption starts this far in and keeps a gap after

enum class Kind { Other, Label, PushButton, CheckOrRadio, Group };

std::string ClassOf(HWND control) {
  char name[64] = {};
  GetClassNameA(control, name, sizeof name);
  return name;
}

Kind KindOf(HWND control) {
  const std::string cls = ClassOf(control);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  if (_stricmp(cls.c_str(), "Static") == 0) {
    switch (style & SS_TYPEMASK) {
      case SS_LEFT: case SS_CENTER: case SS_RIGHT: case SS_LEFTNOWORDWRAP: case SS_SIMPLE:
        return Kind::Label;
      default:
        return Kind::Other;  // pictures, frames, owner-drawn
    }
  }
  if (_stricmp(cls.c_str(), "Button") == 0) {
    switch (style & BS_TYPEMASK) {
      case BS_PUSHBUTTON: case BS_DEFPUSHBUTTON: return Kind::PushButton;
      case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE:
      case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: return Kind::CheckOrRadio;
      case BS_GROUPBOX: return Kind::Group;
      default: return Kind::Other;
    }
  }
  return Kind::Other;
}

bool Wraps(HWND control, Kind kind) {
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  if (kind == Kind::Label) {
    const LONG type = style & SS_TYPEMASK;
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
  }
  if (kind == Kind::PushButton || kind == Kind::CheckOrRadio) return (style & BS_MULTILINE) != 0;
  return false;
}

// The room the text needs at most `width` pixels wide, with the control's own font.
SIZE TextNeeds(HWND control, const std::string& text, int width, bool wraps, bool prefix) {
  WindowDc dc(control);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  SelectionGuard keep(dc.get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
  RECT r{0, 0, std::max(width, 1), 0};
  UINT format = DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE) | (prefix ? 0 : DT_NOPREFIX);
  DrawTextA(dc.get(), text.c_str(), -1, &r, format);
  return {r.right - r.left, r.bottom - r.top};
}

std::string Describe(HWND window, HWND control, const std::string& text) {
  std::ostringstream s;
  s << '"' << WindowText(window) << "\" | " << ClassOf(control) << " id " << GetDlgCtrlID(control) << " \"" << text
    << "\"";
  return s.str();
}

// The control's rectangle in its parent's client coordinates.
RECT PlaceIn(HWND window, HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// What the text lacks, or "" when it fits.
std::string TextFault(HWND control, Kind kind, const std::string& text) {
  if (text.empty()) return "";
  RECT client{};
  GetClientRect(control, &client);
  int width = client.right, height = client.bottom;
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  bool prefix = true;
  switch (kind) {
    case Kind::Label: prefix = (style & SS_NOPREFIX) == 0; break;
    case Kind::PushButton: width -= 2 * kButtonEdge; height -= 2 * kButtonEdge; break;
    case Kind::CheckOrRadio: width -= kCheckRoom; break;
    case Kind::Group: width -= 2 * kGroupIndent; break;
    case Kind::Other: return "";
  }
  const bool wraps = Wraps(control, kind);
  const SIZE needs = TextNeeds(control, text, width, wraps, prefix);
  const SIZE line = TextNeeds(control, "Xg", 1000, false, false);
  if (kind == Kind::Group) height = line.cy;
  std::ostringstream s;
  if (needs.cx > width + kSlack) s << "text is " << needs.cx << " px wide, room " << width;
  if (needs.cy > height + kSlack) {
    if (!s.str().empty()) s << "; ";
    s << "text is " << needs.cy << " px high (" << needs.cy / std::max<LONG>(line.cy, 1) << " lines), room " << height;
  }
  return s.str();
}

// The parts of the control's rectangle its text covers: a label's text stands at its top (unless
// centred in its height), each of its lines where it is drawn; its blank lines and the room under
// its last line cover nothing, so other controls may stand there (a label as a panel, or examples
// set on the blank lines of an explanation).
std::vector<RECT> Ink(HWND control, Kind kind, const std::string& text, RECT place) {
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  if (kind != Kind::Label || (style & SS_CENTERIMAGE) || text.empty()) return {place};
  RECT client{};
  GetClientRect(control, &client);
  const bool wraps = Wraps(control, kind), prefix = (style & SS_NOPREFIX) == 0;
  const int line = TextNeeds(control, "Xg", 1000, false, false).cy;
  int y = place.top + ((place.bottom - place.top) - client.bottom) / 2;  // inside a frame
  std::vector<RECT> ink;
  size_t start = 0;
  while (start <= text.size() && y < place.bottom) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string part = text.substr(start, end - start);
    const bool blank = part.find_first_not_of(' ') == std::string::npos;
    const int height = blank ? line : TextNeeds(control, part, client.right, wraps, prefix).cy;
    if (!blank) ink.push_back({place.left, y, place.right, std::min<LONG>(place.bottom, y + height)});
    y += height;
    // A line ends at CR LF, CR or LF.
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return ink;
}

// The letter Alt presses in a control's text ("&Ok": 'O'), 0 when it has none.
char AltLetter(HWND control, Kind kind, const std::string& text) {
  if (kind == Kind::Other || kind == Kind::Group) return 0;
  if (kind == Kind::Label && (GetWindowLongA(control, GWL_STYLE) & SS_NOPREFIX)) return 0;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
  }
  return 0;
}

// A top-level window whose visible part leaves the screen: a maximised window by its client area
// (its frame lies past the edges by design), any other by its whole rectangle.
std::string ScreenFault(HWND window) {
  if (GetParent(window) && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) return "";
  RECT r{};
  if (IsZoomed(window)) {
    GetClientRect(window, &r);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
  } else {
    GetWindowRect(window, &r);
  }
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  if (r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h) return "";
  std::ostringstream o;
  o << '"' << WindowText(window) << "\": " << (IsZoomed(window) ? "its client area" : "the window") << " lies at ("
    << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << "), past the screen " << w << " x " << h;
  return o.str();
}

}  // namespace

std::vector<std::string> LayoutFaults(HWND window) {
  std::vector<std::string> faults;
  const std::string offScreen = ScreenFault(window);
  if (!offScreen.empty()) faults.push_back(offScreen);
  RECT client{};
  GetClientRect(window, &client);
  struct Shown {
    HWND control;
    RECT place;
    std::vector<RECT> ink;  // where its text is drawn
    Kind kind;
    std::string text;
  };
  std::vector<Shown> shown;
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (!IsWindowVisible(c)) continue;
    Shown s{c, PlaceIn(window, c), {}, KindOf(c), WindowText(c)};
    s.ink = Ink(c, s.kind, s.text, s.place);
    const RECT& p = s.place;
    if (p.left < client.left || p.top < client.top || p.right > client.right || p.bottom > client.bottom) {
      std::ostringstream o;
      o << Describe(window, c, s.text) << ": lies at (" << p.left << "," << p.top << ")-(" << p.right << ","
        << p.bottom << "), outside the client area " << client.right << " x " << client.bottom;
      faults.push_back(o.str());
    }
    const std::string cut = TextFault(c, s.kind, s.text);
    if (!cut.empty()) faults.push_back(Describe(window, c, s.text) + ": " + cut);
    shown.push_back(s);
  }
  // One Alt letter, one control: a second would make Alt pick one of them without a sign.
  for (size_t i = 0; i < shown.size(); ++i) {
    const char letter = AltLetter(shown[i].control, shown[i].kind, shown[i].text);
    if (!letter) continue;
    for (size_t j = 0; j < i; ++j) {
      if (AltLetter(shown[j].control, shown[j].kind, shown[j].text) != letter) continue;
      faults.push_back(Describe(window, shown[i].control, shown[i].text) + ": Alt+" + std::string(1, letter) +
                       " is also id " + std::to_string(GetDlgCtrlID(shown[j].control)) + " \"" + shown[j].text + "\"");
      break;
    }
  }
  // Neighbours placed edge to edge in dialog units may share a pixel row or column.
  auto meet = [](const std::vector<RECT>& a, const std::vector<RECT>& b) {
    for (const RECT& p : a)
      for (const RECT& q : b) {
        RECT both{};
        if (IntersectRect(&both, &p, &q) && both.right - both.left > kSlack && both.bottom - both.top > kSlack) return true;
      }
    return false;
  };
  // A window without text of a class other than a static's or a button's (a list, an empty field,
  // a child dialog with its edge) paints its whole rectangle, hiding the text under or over it;
  // lines, frames and empty labels are drawn around texts and hide none, and a tab control holds
  // the controls of its page as a group box does.
  auto paints = [](HWND control) {
    const std::string cls = ClassOf(control);
    for (const char* around : {"Static", "Button", WC_TABCONTROLA})
      if (_stricmp(cls.c_str(), around) == 0) return false;
    return true;
  };
  for (size_t i = 0; i < shown.size(); ++i) {
    if (shown[i].kind == Kind::Group) continue;
    for (size_t j = i + 1; j < shown.size(); ++j) {
      if (shown[j].kind == Kind::Group) continue;
      const Shown& a = shown[i].text.empty() ? shown[j] : shown[i];
      const Shown& b = shown[i].text.empty() ? shown[i] : shown[j];
      if (a.text.empty() || (b.text.empty() && !paints(b.control)) || !meet(a.ink, b.ink)) continue;
      const std::string other = std::to_string(GetDlgCtrlID(b.control));
      faults.push_back(Describe(window, a.control, a.text) +
                       (b.text.empty() ? ": is covered by " + ClassOf(b.control) + " id " + other
                                       : ": overlaps id " + other + " \"" + b.text + "\""));
    }
  }
  return faults;
}

namespace {

// What the program gives a message box: its text, its owner and its place on the screen.
std::vector<std::string> BoxFaults(HWND box, HWND before, const LayoutHop& hop) {
  std::vector<std::string> faults;
  const std::string text = BoxText(box);
  const std::string head = '"' + hop.caption + "\" box";
  if (text != hop.boxText) faults.push_back(head + ": says \"" + text + "\", not \"" + hop.boxText + "\"");
  // Corvane's boxes have no owner (task-modal, they disable every window of the program); the
  // other programs' are owned by the window that raised them.
  HWND owner = GetWindow(box, GW_OWNER);
  if (!ProgramMessages.ownerIsDialog && owner)
    faults.push_back(head + ": owned by \"" + WindowText(owner) + "\", not by no window");
  else if (ProgramMessages.ownerIsDialog && before && owner != before)
    faults.push_back(head + ": owned by \"" + (owner ? WindowText(owner) : std::string("no window")) + "\", not by \"" +
                     WindowText(before) + "\"");
  if (before && IsWindowEnabled(before)) faults.push_back(head + ": \"" + WindowText(before) + "\" answers behind it");
  RECT r{};
  GetWindowRect(box, &r);
  if (r.left < 0 || r.top < 0 || r.right > GetSystemMetrics(SM_CXSCREEN) || r.bottom > GetSystemMetrics(SM_CYSCREEN))
    faults.push_back(head + ": reaches past the screen");
  return faults;
}

struct Newest {
  const std::string* caption;
  const std::vector<HWND>* before;
  HWND found = nullptr;
};

BOOL CALLBACK NewestDialog(HWND window, LPARAM lp) {
  auto* n = reinterpret_cast<Newest*>(lp);
  char cls[32] = {0};
  GetClassNameA(window, cls, sizeof cls);
  if (lstrcmpA(cls, "#32770") || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
  if (std::find(n->before->begin(), n->before->end(), window) != n->before->end()) return TRUE;
  if (!n->caption->empty() && WindowText(window) != *n->caption) return TRUE;
  n->found = window;  // windows are listed newest first
  return FALSE;
}

// The newest enabled dialog of the thread with that caption (any, when none is given) that is none
// of the windows before (a button of the last of them opens it); NULL until it is shown.
HWND Shown(const std::string& caption, const std::vector<HWND>& before) {
  Newest n{&caption, &before};
  EnumThreadWindows(GetCurrentThreadId(), NewestDialog, reinterpret_cast<LPARAM>(&n));
  return n.found;
}

HWND Shown(const LayoutHop& hop, const std::vector<HWND>& before) {
  if (hop.windowClass.empty()) return Shown(hop.caption, before);
  HWND w = FindWindowA(hop.windowClass.c_str(), nullptr);
  return w && IsWindowVisible(w) ? w : nullptr;
}

// Ends a window of the way with the button (or the answer of a box) `id`.
void End(HWND w, const LayoutHop& hop, int id) {
  if (!hop.windowClass.empty()) PostMessageA(w, WM_CLOSE, 0, 0);
  else if (!hop.boxText.empty()) AnswerBox(w, id);
  else if (id == kEndWithZero) EndDialog(w, 0);
  else PostClick(w, id);
}

}  // namespace

// A long sweep runs in parts side by side: with SUITE_LAYOUT_PART="k/n" (k from 1 to n) each call
// checks the k-th of n runs of its cases in their order (a table lists a family of windows
// together), so that the n parts together check every case once. A part says what each call
// checked, for the count of the whole.
struct SweepPart {
  int k = 1;
  int n = 1;
  bool named = false;
};
SweepPart PartOfSweep() {
  SweepPart part;
  const char* text = std::getenv("SUITE_LAYOUT_PART");
  int k = 0, n = 0;
  if (text && std::sscanf(text, "%d/%d", &k, &n) == 2 && n >= 1 && k >= 1 && k <= n) {
    part.k = k;
    part.n = n;
    part.named = true;
  }
  return part;
}

std::vector<std::string> LayoutFaultsOfCases(const std::vector<LayoutCase>& cases, int timeoutMs) {
  std::vector<std::string> all;
  const SweepPart part = PartOfSweep();
  const size_t first = cases.size() * (part.k - 1) / part.n, last = cases.size() * part.k / part.n;
  size_t windows = 0;
  for (size_t index = first; index < last; ++index) {
    const LayoutCase& c = cases[index];
    std::vector<HWND> opened(c.hops.size(), nullptr);
    HWND side = nullptr;
    std::vector<Step> steps;
    auto check = [&](HWND w, const LayoutHop* box, HWND before) {
      const std::vector<std::string> faults = box ? BoxFaults(w, before, *box) : LayoutFaults(w);
      ++windows;
      for (const std::string& f : faults) all.push_back(c.name + ": " + f);
    };
    for (size_t i = 0; i < c.hops.size(); ++i) {
      const LayoutHop& hop = c.hops[i];
      steps.push_back([&, i]() {
        const LayoutHop& h = c.hops[i];
        HWND w = Shown(h, std::vector<HWND>(opened.begin(), opened.begin() + i));
        if (!w) return false;
        opened[i] = w;
        // A box belongs to the last dialog before it (a box after a box to the same dialog).
        HWND owner = nullptr;
        for (size_t j = i; j-- > 0 && !owner;)
          if (c.hops[j].boxText.empty()) owner = c.hops[j].windowClass.empty() ? opened[j] : nullptr;
        check(w, h.boxText.empty() ? nullptr : &h, owner);
        if (h.act) h.act(w);
        return true;
      });
      // Each side window opens over the window, is checked and closes before the next.
      for (const LayoutSide& s : hop.sides) {
        steps.push_back(Do([&, i, s] { PostClick(opened[i], s.button); }));
        steps.push_back([&, i, s]() {
          const LayoutHop shown(s.boxCaption, 0, s.close, nullptr, s.boxText);
          side = Shown(shown, std::vector<HWND>(opened.begin(), opened.begin() + i + 1));
          if (!side) return false;
          check(side, s.boxText.empty() ? nullptr : &shown, opened[i]);
          End(side, shown, s.close);
          return true;
        });
        steps.push_back([&, i]() { return !IsWindow(side) && IsWindowEnabled(opened[i]); });
      }
      steps.push_back([&, i]() {
        const LayoutHop& h = c.hops[i];
        End(opened[i], h, i + 1 < c.hops.size() ? h.next : h.close);
        return true;
      });
    }
    // The windows before the last close in turn once the one after each has gone.
    // A box is answered already, and so is a window that its `next` ends: no step waits for them
    // (the body may return before such a step would run).
    for (size_t i = c.hops.size() - 1; i-- > 0;) {
      if (!c.hops[i].boxText.empty() || c.hops[i].close == 0) continue;
      steps.push_back([&, i]() {
        if (IsWindow(opened[i + 1]) || !IsWindowEnabled(opened[i])) return false;
        End(opened[i], c.hops[i], c.hops[i].close);
        return true;
      });
    }
    // The last step waits for the first window to go, so that a window left open by a wrong
    // button ends at the time limit instead of holding the test.
    steps.push_back([&]() { return !IsWindow(opened[0]); });
    const ScriptResult r = RunScript(std::move(steps), c.open, timeoutMs);
    size_t came = 0;
    while (came < opened.size() && opened[came]) ++came;
    if (came < c.hops.size())
      all.push_back(c.name + ": window " + std::to_string(came + 1) + " \"" + c.hops[came].caption + "\" did not come");
    else if (r.timedOut)
      all.push_back(c.name + ": its windows did not all close");
  }
  if (part.named) {
    std::printf("layout part %d/%d: cases %zu to %zu of %zu, %zu windows checked\n", part.k, part.n, first + 1, last,
                cases.size(), windows);
    std::fflush(stdout);
  }
  return all;
}

LayoutHop WindowOfClass(const std::string& windowClass) {
  LayoutHop hop("");
  hop.windowClass = windowClass;
  return hop;
}

std::function<void(HWND)> Typing(std::vector<std::pair<int, std::string>> fields) {
  return [fields](HWND d) {
    for (const auto& f : fields) SetText(d, f.first, f.second);
  };
}

std::function<void(HWND)> ClearingChecks(int first, int last) {
  return [first, last](HWND d) {
    for (int id = first; id <= last; ++id) CheckDlgButton(d, id, BST_UNCHECKED);
  };
}

LayoutCase TableCase(std::string name, std::function<void()> open, std::string caption, int tableCancel,
                     const std::vector<int>& buttons, int formCancel) {
  LayoutHop table(std::move(caption), 0, tableCancel);
  for (int b : buttons) table.sides.push_back({b, formCancel});
  return {std::move(name), std::move(open), {table}};
}

LayoutCase DocumentCase(std::function<void()> open, const std::string& casesCaption, int okId, const std::string& job,
                        const std::string& kind, const std::string& firstBreak, const std::string& secondBreak) {
  const std::string caption = kind + " File Information";
  return {kind + " document",
          std::move(open),
          {{casesCaption, okId, 0},
           {"", kind == "DATA" ? kChooserDataId : kChooserResultsId, kExitId,
            [](HWND chooser) {
              CheckDlgButton(chooser, kChooserSaveId, BST_CHECKED);
              CheckDlgButton(chooser, kChooserPrintId, BST_UNCHECKED);
              CheckDlgButton(chooser, kChooserPreviewId, BST_CHECKED);
            }},
           {caption, IDOK, IDOK, nullptr,
            kind + " will be Saved in the PROGRAM Directory in '" + job + "_" + kind + ".DDC' File.   " + firstBreak +
                "Double Click at this File to View the " + kind + "!"},
           {caption, IDNO, IDNO, nullptr,
            kind + " may also be Saved in the PROGRAM Directory\r\nin TEXT FILE '" + job + "_" + kind +
                ".TXT'.   " + secondBreak + "Do you want this File?"},
           WindowOfClass("SuiteDocPreview")}};
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string s;
  for (const std::string& l : lines) s += l + "\n";
  return s;
}

}  // namespace wintest
