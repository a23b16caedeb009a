#pragma once
// The node check list of the support dialogs: an owner-drawn list box (AddCheckList) whose rows
// each carry a mark as item data, 0 clear, any other value (1 or -1) ticked.
//
//   HWND list = GetDlgItem(dialog, 77777777);    // the handle: the id exceeds WM_COMMAND's 16 bits
//   FillCheckList(list, nodes, NodeMarks(UnyieldingNodes, nodes));
//   ... the dialog callback: if (msg == WM_DRAWITEM && DrawCheckListItem(lParam)) return TRUE;
//   std::string nodes = JoinMarkedNodes(CheckListMarks(list));
#include <windows.h>

#include <vector>

// Window procedure of the list: a left click selects the row under the pointer and toggles it;
// Space toggles the current row; Up (Down) moves the current row one up (down), when there is one,
// and toggles the row it arrives at (ToggleMark). The changed row is repainted at once; every
// other message goes to the list box's own procedure.
LRESULT CALLBACK CheckListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam);
// Puts CheckListProc on the list; the list's own procedure is given back when it is destroyed.
void InstallCheckList(HWND list);
// Draws one row of a list that CheckListProc serves (the owner's WM_DRAWITEM, lParam): the
// tooltip background, a check box ticked after the row's mark, the text in blue, the selected row
// inverted and the focus row framed. False for any other control's item.
bool DrawCheckListItem(LPARAM drawItem);
// Fills the list with the node rows "  " + NumberToText(node), nodes 1..count, installs
// CheckListProc, sets the marks (index 0 unused) and makes row 1 current.
void FillCheckList(HWND list, int count, const std::vector<int>& marks);
// Marks of rows 1..count (index 0 unused), and setting them (rows beyond the marks are cleared);
// the list is repainted.
std::vector<int> CheckListMarks(HWND list);
void SetCheckListMarks(HWND list, const std::vector<int>& marks);

// The messages of a node list dialog whose buttons are "&REMOVE ALL CHECKS" (kRemoveChecksId: every mark
// cleared, the list focused and the pointer back on "&Ok"), "&Ok" (kContinueId: the marks handed to
// accept, the dialog ended with okEnd) and Cancel (kExitId or IDCANCEL: ended with 0); the list's
// rows are drawn too. False for every other message, which stays the caller's.
bool NodeListDialogMessage(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, int listId,
                           void (*accept)(const std::vector<int>& marks), INT_PTR okEnd);
