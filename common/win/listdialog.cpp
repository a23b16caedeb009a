#include "win/listdialog.h"

#include "core/numbers.h"
#include "win/dialogs.h"

std::string ComboItemText(HWND combo, int index) {
  LRESULT n = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (n == CB_ERR) return std::string();
  std::string s(static_cast<size_t>(n) + 1, '\0');
  SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&s[0]));
  s.resize(static_cast<size_t>(n));
  return s;
}

std::vector<std::string> ComboNames(HWND combo) {
  std::vector<std::string> names;
  int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::string n = Trim(ComboItemText(combo, i));
    if (!n.empty()) names.push_back(n);
  }
  return names;
}

void FitListToCoarseFont(HWND dialog, int comboId, int width, int height) {
  RECT unit{0, 0, 4, 0};
  MapDialogRect(dialog, &unit);
  if (unit.right / 4.0 < 1.85) return;
  UnitsToPixels(dialog, width, height);
  SetWindowPos(GetDlgItem(dialog, comboId), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

std::vector<ColourRule> ListDialogColours(int frameId, std::initializer_list<std::pair<int, COLORREF>> own) {
  const COLORREF white = RGB(255, 255, 255), blue = RGB(0, 0, 255);
  std::vector<ColourRule> rules = {
      {WM_CTLCOLORSTATIC, frameId, frameId, RGB(0, 0, 0), RGB(100, 255, 255)},
      {WM_CTLCOLORSTATIC, kListPanelId, kListPanelId, RGB(0, 255, 0), blue},
      {WM_CTLCOLORSTATIC, kListHeadingId, kListHeadingId, RGB(255, 255, 0), RGB(128, 0, 128)},
  };
  for (const auto& control : own) rules.push_back({WM_CTLCOLORSTATIC, control.first, control.first, white, control.second});
  rules.push_back({WM_CTLCOLORSTATIC, AllControls, AllControlsEnd, white, blue});
  return rules;
}
