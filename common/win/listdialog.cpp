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

ListDialogBrushes::~ListDialogBrushes() {
  DeleteObject(cyan);
  DeleteObject(blue);
  DeleteObject(purple);
}

INT_PTR ColourListDialogStatic(WPARAM wParam, LPARAM lParam, int frameId, const ListDialogBrushes& brushes,
                               std::initializer_list<std::pair<int, HBRUSH>> own) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
  if (id == frameId) return ColourControl(dc, RGB(0, 0, 0), brushes.cyan);
  if (id == kListPanelId) return ColourControl(dc, RGB(0, 255, 0), brushes.blue);
  if (id == kListHeadingId) return ColourControl(dc, RGB(255, 255, 0), brushes.purple);
  for (const auto& control : own)
    if (id == control.first) return ColourControl(dc, RGB(255, 255, 255), control.second);
  return ColourControl(dc, RGB(255, 255, 255), brushes.blue);
}
