#include "core/nodemarks.h"

#include "core/jobdata.h"

std::vector<int> NodeMarks(const std::string& list, int nodes) {
  std::vector<int> marks(static_cast<size_t>(nodes < 0 ? 0 : nodes) + 1, 0);
  for (int node : NodeNumbers(list, nodes, false)) marks[static_cast<size_t>(node)] = 1;
  return marks;
}

std::string JoinMarkedNodes(const std::vector<int>& marks) {
  std::string list;
  for (size_t i = 1; i < marks.size(); ++i) {
    if (marks[i] == 0) continue;
    if (!list.empty()) list += ",";
    list += std::to_string(i);
  }
  return list;
}

int ToggleMark(int mark) {
  int toggled = ~mark;
  return toggled == -2 ? 0 : toggled;
}

void MarkNodeRange(std::vector<int>& marks, int start, int end, int step) {
  if (step == 0) return;
  long long count = (static_cast<long long>(end) - start) / step + 1;
  long long nodes = static_cast<long long>(marks.size()) - 1;
  // Past the list every further node lies outside too (a negative step walks down to below 1).
  for (long long k = 0, node = start; k < count; ++k, node += step) {
    if (node >= 1 && node <= nodes) marks[static_cast<size_t>(node)] = 1;
    if ((step > 0 && node > nodes) || (step < 0 && node < 1)) break;
  }
}
