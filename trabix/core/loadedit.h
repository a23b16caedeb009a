#pragma once
// The file work of Trabix's loads command: the loads of one case read into the load tables
// before the load type dialog and the load file rewritten from them after it, whatever the
// dialog ended with. The dialogs come in as a callback, so the command runs the same without
// windows.
#include <functional>
#include <string>

#include "trabix/core/checks.h"

namespace trabix {

// A uniform load or mass density as the loads store it: magnitudes below 0.0001 become 0, the
// rest rounded to three decimals (written through "###0.000" and read back).
double StoredLoadValue(double value);

// Reads the geometry and supports (nothing more happens, nothing is written, when the geometry
// is missing: returns 0), fills LoadValues and the three load tables from <job>.LD<c> of
// LoadCaseName (zero loads when the file is missing or has at most 2 lines), runs
// loadTypeDialog, then compacts the tables (entries with both values 0 removed) and rewrites the
// load file. Returns 1 when the file was written, 0 otherwise.
int EditLoadData(const std::function<void()>& loadTypeDialog, const CorrectionHooks& hooks = {});

// The loads command: chooseLoadCase (the load-case dialog; 1 when a case was chosen and
// LoadCaseName set), then EditLoadData. A cancelled choice ends it without writing.
int LoadCommand(const std::function<int()>& chooseLoadCase, const std::function<void()>& loadTypeDialog,
                const CorrectionHooks& hooks = {});

}  // namespace trabix
