#include "core/beamresults.h"

#include <algorithm>

#include "core/jobdata.h"

int FirstDashLine(const TextLineArray& lines, int from, int last) {
  for (int i = std::max(from, 1); i <= last; ++i)
    if (LineAt(lines, i).compare(0, 1, "-") == 0) return i;
  return last + 1;
}

int ParseBeamResultsTable(const TextLineArray& lines, int lineCount, int mode, bool strip, int forceEndFrom,
                          ResultRows& table) {
  lineCount = std::min(lineCount, static_cast<int>(lines.size()) - 1);
  const int kFirstRow = 12;
  if (lineCount < kFirstRow || (mode != ForceTable && mode != DisplacementTable)) return 0;
  int forceEnd = lineCount + 1;
  FirstZeroEntry(lines, forceEndFrom, lineCount, forceEnd);
  int start = kFirstRow, end = forceEnd, columns = strip ? 6 : 4;
  if (mode == DisplacementTable) {
    start = FirstDashLine(lines, forceEnd, lineCount) + 5;
    if (start > lineCount) return 0;
    end = lineCount + 1;
    FirstZeroEntry(lines, start + 1, lineCount, end);
    columns = 3;
  }
  int rows = end - start;
  if (rows < 1) return 0;
  table.Redim(rows, columns);
  ParseNumberTable(lines, lineCount, table, rows, columns, start, end - 1);
  if (mode == ForceTable && rows > 1) {
    // The end rows carry the values of their one element only: value k of the first row is the
    // right-hand one (column 2k), of the last row the left-hand one (column 2k - 1).
    auto place = [&](int r, int offset) {
      std::vector<float> v(static_cast<size_t>(columns) + 1);
      for (int k = 1; k <= columns; ++k) {
        v[static_cast<size_t>(k)] = table.Get(r, k);
        table(r, k) = 0;
      }
      for (int k = 1; 2 * k - offset <= columns; ++k) table(r, 2 * k - offset) = v[static_cast<size_t>(k)];
    };
    place(1, 0);
    place(rows, 1);
  }
  return rows;
}
