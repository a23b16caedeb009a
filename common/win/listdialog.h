#pragma once
// What the job and load-case dialogs share: a list of names in a combo box beside a coloured panel
// under a framed title, with a heading over the list.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// The ids of the heading over the list and of the panel beside it.
constexpr int kListHeadingId = 111, kListPanelId = 109;

// The text of item index of a combo box; empty when there is no such item.
std::string ComboItemText(HWND combo, int index);

// The names a combo box offers, trimmed, without empty items.
std::vector<std::string> ComboNames(HWND combo);

// A coarse dialog font leaves less room for a list: the combo box gets width x height dialog
// units, measured in the dialog's own font.
void FitListToCoarseFont(HWND dialog, int comboId, int width, int height);

// The brushes of the dialogs' colours, made with the dialog and released with it.
struct ListDialogBrushes {
  HBRUSH cyan = CreateSolidBrush(RGB(100, 255, 255));
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  HBRUSH purple = CreateSolidBrush(RGB(128, 0, 128));
  ListDialogBrushes() = default;
  ListDialogBrushes(const ListDialogBrushes&) = delete;
  ListDialogBrushes& operator=(const ListDialogBrushes&) = delete;
  ~ListDialogBrushes();
};

// WM_CTLCOLORSTATIC of the dialogs: the frame's title black on cyan, the panel green on blue, the
// heading yellow on purple, each of the dialog's own controls white on its brush, any other
// control white on blue.
INT_PTR ColourListDialogStatic(WPARAM wParam, LPARAM lParam, int frameId, const ListDialogBrushes& brushes,
                               std::initializer_list<std::pair<int, HBRUSH>> own = {});
