#pragma once
// Inside the data-entry library: the texts of the table window on screen and the routine that
// shows it, shared by the geometry, support and load tables (entry.cpp, loadentry.cpp), and the
// start of every data dialog's fields (entry.cpp, valuedialog.cpp).
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "entry/entry.h"
#include "win/dataform.h"

namespace trabix {

// The texts of the table on screen (entry/entry.h). Support and load tables have two buttons:
// firstButton (121) and "&GENERATE" (122). A load table runs the value dialog for both: firstMode for 121 (2 the
// same loads at all nodes, 1 a linear load between nodes, 10 uniform temperatures), and for 122
// generateMode on value column 1 and generateMode + 1 on column 2; 0 means the support tables'
// own uniform and range dialogs.
struct TableTexts : entry::TableTexts {
  int firstMode = 0;
  int generateMode = 0;
};
extern TableTexts Table;

// The edited cells of a load table ("NODAL", "TRAPEZOIDAL", "TEMPERATURE") into its load table.
void StoreLoadCells(const std::string& kind);

// A field's whole number (its integer part) and the rows start, start + step, ... end that the
// range fields 1..3 name in a table of `rows` rows; false (and none) when GENERATE refuses them.
int WholeNumber(const std::string& text);
bool RangeRows(const std::vector<std::string>& fields, int rows, std::vector<int>& out);

// At a data dialog's opening, StartFields (win/dataform.h) starts its fields.
using ::StartFields;

}  // namespace trabix
