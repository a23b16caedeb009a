#pragma once
// Quillet.dll registers the window class "CheckListBox" for every program that loads it: a
// container that holds an owner-drawn list box (child id 100) whose items carry a check box, an
// enabled state and a user value.
//
//   HMODULE quillet = LoadLibraryA("Quillet.dll");        // registers the class
//   HWND list = CreateWindowExA(0, CheckListBoxClass, "", WS_CHILD | WS_VISIBLE, x, y, w, h,
//                               parent, (HMENU)501, instance, nullptr);
//   SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)"Winkler soil");   // checked 0, enabled 1
//   SendMessageA(list, CLB_SETCHECK, 0, 1);
//
// The list box messages LB_* (384 to 432) are passed to the list; LB_ADDSTRING and LB_INSERTSTRING
// also give the item its record, and LB_GETITEMDATA / LB_SETITEMDATA read and write the item's
// user value. The control's own messages take the item index in wParam; an invalid index changes
// nothing, and gives -1 from CLB_GETCHECK, CLB_GETENABLED and CLB_GETROW and 0 from the others.
// Other messages from 2024 to 4024 return 0.
//
// The space key toggles the selected item when it is enabled and sends WM_COMMAND to the
// control's parent: wParam = the control's id + 65536 (notification 1), lParam = the inner list.
// A click on the selected, enabled item while the list has the focus toggles it without a
// notification. The list's own notifications reach the parent as the control's.

// The exported function: the module handle of the library (makes sure it is loaded).
//   using CheckListBoxInit = HMODULE(WINAPI*)();
constexpr const char* CheckListBoxInitName = "CheckListBox_Init";

constexpr const char* CheckListBoxClass = "CheckListBox";
constexpr int CheckListBoxListId = 100;

constexpr unsigned CLB_SETBKCOLOR = 2024;    // wParam colour 0..0xFFFFFF (others ignored); 1 when set
constexpr unsigned CLB_SETTEXTCOLOR = 2025;  // likewise for the text
constexpr unsigned CLB_SETCHECK = 2026;      // lParam 0 clears, any other sets; 1 when done
constexpr unsigned CLB_GETCHECK = 2027;      // 0 or 1
constexpr unsigned CLB_SETENABLED = 2028;    // lParam 0 disables, any other enables; 1 when done
constexpr unsigned CLB_GETENABLED = 2029;    // 0 or 1
constexpr unsigned CLB_ISVALIDINDEX = 3024;  // 1 when 0 <= wParam < item count
constexpr unsigned CLB_HITTEST = 3025;       // the row under the mouse pointer, -1 without items
constexpr unsigned CLB_GETROW = 3026;        // index - top index
constexpr unsigned CLB_GETITEMRECT = 3027;   // into the RECT at lParam; 0 when not visible
constexpr unsigned CLB_GETCURSORX = 3028;    // the pointer in the list's client coordinates
constexpr unsigned CLB_GETCURSORY = 3029;
