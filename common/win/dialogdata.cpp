#include "win/dialogdata.h"

#include <string>

#include "core/globals.h"

namespace {

std::string Fit(std::string text, int width) {
  if (width < 0) width = 0;
  text.resize(static_cast<size_t>(width), ' ');
  return text;
}

}  // namespace

void RowLabelText(int first, int last, int columns) {
  if (first < 0 || last < first) return;
  if (LoadCaseNames.size() <= static_cast<size_t>(last)) LoadCaseNames.resize(static_cast<size_t>(last) + 1);
  for (int i = first; i <= last; ++i) {
    std::string row = Fit(CellTexts.Get(1, i), SharedIntegers.Get(kRowLabelWidth1Slot));
    row += Fit(CellTexts.Get(2, i).substr(0, 11), SharedIntegers.Get(kRowLabelWidth2Slot));
    if (columns >= 3) row += Fit(CellTexts.Get(3, i).substr(0, 11), SharedIntegers.Get(kRowLabelWidth3Slot));
    if (columns == 4) row += Fit(CellTexts.Get(4, i).substr(0, 11), SharedIntegers.Get(kRowLabelWidth4Slot));
    LoadCaseNames[static_cast<size_t>(i)] = row;
  }
}

void StructureLength(float& length) {
  const Table2D<double>& t = JobDataTable;
  if (StructureType == "BEAM/STRIP") {
    length = static_cast<float>(t.Get(1, 2));
  } else if (StructureType == "PLATE") {
    length = static_cast<float>(t.Get(1, 3) - t.Get(1, 2));
  } else if (StructureType == "TANK") {
    if (Substructure == "BASE PLATE") {
      length = static_cast<float>(t.Get(1, 2));
    } else if (Substructure == "WALL") {
      length = static_cast<float>(t.Get(2, 3));
    } else if (Substructure == "ROOF STRUCTURE") {
      length = static_cast<float>(t.Get(3, 3) - t.Get(3, 2));
    }
  }
}
