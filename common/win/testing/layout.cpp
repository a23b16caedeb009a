#include "win/testing/layout.h"

#include <algorithm>
#include <sstream>

#include "win/handles.h"
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

}  // namespace

std::vector<std::string> LayoutFaults(HWND window) {
  std::vector<std::string> faults;
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
  for (size_t i = 0; i < shown.size(); ++i) {
    const Shown& a = shown[i];
    if (a.text.empty() || a.kind == Kind::Group) continue;
    for (size_t j = i + 1; j < shown.size(); ++j) {
      const Shown& b = shown[j];
      if (b.text.empty() || b.kind == Kind::Group) continue;
      // Neighbours placed edge to edge in dialog units may share a pixel row or column.
      bool over = false;
      for (const RECT& p : a.ink)
        for (const RECT& q : b.ink) {
          RECT both{};
          over = over || (IntersectRect(&both, &p, &q) && both.right - both.left > kSlack && both.bottom - both.top > kSlack);
        }
      if (over)
        faults.push_back(Describe(window, a.control, a.text) + ": overlaps id " + std::to_string(GetDlgCtrlID(b.control)) +
                         " \"" + b.text + "\"");
    }
  }
  return faults;
}

}  // namespace wintest
