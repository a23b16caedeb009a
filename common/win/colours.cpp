#include "win/colours.h"

#include <utility>

#include "win/handles.h"

namespace {

const char* const BrushesProp = "SuiteColourBrushes";

using Brushes = std::vector<std::pair<COLORREF, OwnedBrush>>;

bool IsSystem(COLORREF c) { return (c & 0x80000000u) != 0; }
bool IsStock(COLORREF c) { return (c & 0xC0000000u) == 0x40000000u; }

bool IsColourMessage(UINT msg) {
  return msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORBTN || msg == WM_CTLCOLORLISTBOX;
}

bool Matches(const ColourRule& r, int id) { return id >= r.first && id <= r.last; }

HBRUSH BrushOf(HWND dialog, COLORREF back) {
  if (IsSystem(back)) return GetSysColorBrush(static_cast<int>(back & 0xFFFF));
  if (IsStock(back)) return static_cast<HBRUSH>(GetStockObject(static_cast<int>(back & 0xFFFF)));
  if (auto* made = static_cast<Brushes*>(GetPropA(dialog, BrushesProp))) {
    for (const auto& b : *made)
      if (b.first == back) return b.second.get();
  }
  return nullptr;
}

void MakeBrushes(HWND dialog, const std::vector<ColourRule>& rules) {
  auto* made = static_cast<Brushes*>(GetPropA(dialog, BrushesProp));
  if (!made) {
    made = new Brushes;
    SetPropA(dialog, BrushesProp, made);
  }
  for (const ColourRule& r : rules) {
    if (IsSystem(r.back) || IsStock(r.back) || BrushOf(dialog, r.back)) continue;
    made->emplace_back(r.back, OwnedBrush(CreateSolidBrush(r.back)));
  }
}

void DeleteBrushes(HWND dialog) {
  auto* made = static_cast<Brushes*>(RemovePropA(dialog, BrushesProp));
  delete made;  // its brushes with it
}

}  // namespace

COLORREF ResolveColour(COLORREF colour) {
  if (IsSystem(colour)) return GetSysColor(static_cast<int>(colour & 0xFFFF));
  if (IsStock(colour)) {
    LOGBRUSH lb{};
    GetObjectA(GetStockObject(static_cast<int>(colour & 0xFFFF)), sizeof lb, &lb);
    return lb.lbColor;
  }
  return colour;
}

bool DialogColours(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, const std::vector<ColourRule>& rules,
                   INT_PTR& result) {
  result = FALSE;
  if (msg == WM_INITDIALOG) {
    MakeBrushes(dialog, rules);
    return false;
  }
  if (msg == WM_DESTROY) {
    DeleteBrushes(dialog);
    return false;
  }
  if (msg == WM_COMMAND) {
    // A control drawn by its focus is drawn again when the focus comes or goes.
    UINT code = HIWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control && (code == EN_SETFOCUS || code == EN_KILLFOCUS || code == BN_SETFOCUS || code == BN_KILLFOCUS)) {
      int id = GetDlgCtrlID(control);
      for (const ColourRule& r : rules) {
        if (r.when != ColourAlways && Matches(r, id)) {
          InvalidateRect(control, nullptr, TRUE);
          break;
        }
      }
    }
    return false;
  }
  if (msg == WM_CTLCOLORDLG) {
    // The dialog's own background: only a rule made for this message, and nothing set in the context.
    for (const ColourRule& r : rules) {
      if (r.message != WM_CTLCOLORDLG) continue;
      HBRUSH brush = BrushOf(dialog, r.back);
      if (!brush) return false;
      result = reinterpret_cast<INT_PTR>(brush);
      return true;
    }
    return false;
  }
  if (!IsColourMessage(msg)) return false;
  HWND control = reinterpret_cast<HWND>(lParam);
  HDC dc = reinterpret_cast<HDC>(wParam);
  int id = GetDlgCtrlID(control);
  bool focused = control && GetFocus() == control;
  for (const ColourRule& r : rules) {
    if ((r.message != 0 && r.message != msg) || !Matches(r, id)) continue;
    if ((r.when == ColourFocused && !focused) || (r.when == ColourUnfocused && focused)) continue;
    HBRUSH brush = BrushOf(dialog, r.back);
    if (!brush) return false;  // the dialog was not opened through DialogColours
    SetTextColor(dc, ResolveColour(r.text));
    if (r.transparent) {
      SetBkMode(dc, TRANSPARENT);
    } else {
      SetBkColor(dc, ResolveColour(r.back));
      SetBkMode(dc, OPAQUE);
    }
    result = reinterpret_cast<INT_PTR>(brush);
    return true;
  }
  return false;
}
