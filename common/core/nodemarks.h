#pragma once
// The unyielding-node list of the support dialogs: a text of node numbers joined by commas
// ("1,5,9") and its marks, one per node, as the check list shows them.
#include <string>
#include <vector>

// Marks of nodes 1..nodes (index 0 unused) from a node list: 1 for each listed node in range
// (NodeNumbers of core/jobdata.h, a part rounded down).
std::vector<int> NodeMarks(const std::string& list, int nodes);
// The marked nodes joined by "," only (empty when none is marked).
std::string JoinMarkedNodes(const std::vector<int>& marks);
// The keyboard and mouse toggle: a set mark becomes 0, a clear one -1.
int ToggleMark(int mark);
// Marks nodes start, start + step, ... ((end - start) / step cut toward zero, plus 1 of them)
// that lie within the marks; marks already set stay. A step of 0 or a count below 1 marks none.
void MarkNodeRange(std::vector<int>& marks, int start, int end, int step);
