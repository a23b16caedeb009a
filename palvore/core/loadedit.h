#pragma once
// The file work of Palvore's loads command: the loads of one case read into the load tables
// before the load type dialog and the load file rewritten whole from them after it, whatever the
// dialog ended with; and the linear fill of a load or soil table's element cells between two
// nodes. The dialogs come in as a callback, so the command runs the same without windows.
#include <functional>
#include <string>
#include <vector>

#include "core/correction.h"

namespace palvore {

// Reads the geometry (nothing more happens, nothing is written, when the job still has none:
// returns 0), fills Loads from <job>.LD<c> of LoadCaseName (zero loads when the file is missing
// or has at most 2 lines), runs loadTypeDialog, then compacts both tables (rows whose two values
// are 0 dropped) and rewrites the load file: the header, the tables that have rows, the remarks
// and the END line. Returns 1 when the file was written, 0 otherwise.
int EditLoadData(const std::function<void()>& loadTypeDialog, const CorrectionHooks& hooks = {});

// The cell texts of a load table, as the grid shows them: CellTexts column 1 the row number with
// a leading blank, columns 2 and 3 the two values with 7 significant digits ("0" when empty).
// kind 1 the trapezoidal table (nE rows), 2 the nodal table (nE + 1 rows). Returns the rows.
int FillLoadCells(int kind);
// The edited cells back into the load table of the kind.
void StoreLoadCells(int kind);

// The linear fill of two value columns (CellTexts 2 and 3) of elements i..m-1 between node i
// (field 1) and node m (field 2) from A (field 3) to B (field 4), over the element lengths of the
// job's geometry file, read for the purpose. Nothing changes without geometry, unless
// 0 < i <= nE, i < m <= nE + 1, or when the lengths between the nodes add up to nothing.
void ApplyNodeFunction(const std::vector<std::string>& fields);

// The range check of a load table's generation dialog (kind 1 the function between nodes, 4 and
// 5 the range of value column 1 or 2) on the field values f[1..]: false for kind 1 when f1 = 0 or
// f1 > f2; for kinds 4 and 5 when f1 = 0, f1 is not below f2, the step f3 is below 1 or above
// f2 - f1. Other kinds pass.
bool LoadRangeValid(int kind, const std::vector<double>& f);
// "Incorrect LOAD Data!" CR LF CR LF "        Correct the Data!         ".
std::string LoadRangeWarning();

}  // namespace palvore
