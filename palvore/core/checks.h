#pragma once
// Palvore's job check before every analysis: the geometry, the supports and the load cases must
// exist and fit together. Each problem is offered for correction through the hooks of the
// program's interface (core/correction.h), and the check runs again after a correction.
#include <string>

#include "core/correction.h"
#include "core/staleresults.h"

namespace palvore {

extern const char* const kGeometryMissingMessage;  // " PILE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!"

// Loads <job>.geo and reads its sections and element rows into Geometry. When the file or its
// section is missing, or its elements cannot be analysed (a length or inertia not above 0, a
// pile's width not above 0, rows missing, lengths that miss the total by more than 0.1 %), the
// geometry correction is offered; after the geometry dialog has saved data the file is read
// again. Returns 1 when the geometry is there, 0 otherwise.
int LoadGeometryFile(const CorrectionHooks& hooks = {});
// LoadGeometryFile, then <job>.SUP into Supports (a missing file reads as no supports). Returns
// 0 when the geometry is missing.
int LoadSupportFile(const CorrectionHooks& hooks = {});

// The support rules on the loaded data, in order; the message of the first that fails, or "":
// no support at all; a listed node beyond the pile (items 2 and 3); with elastic supports a
// fixed top with a rotational spring at node 1 (1 and 3) or an unyielding node with a horizontal
// spring (2 and 3); without soil, when applyStability, too few supports: a free top needs two,
// a fixed top one, of the listed nodes and the horizontal springs above 1.0 kN/m; Winkler soil
// and a half-space together (4 and 5). applied := whether the stability rule was applied.
std::string SupportDataProblem(bool applyStability, bool& applied);

// The support check and the job check (core/correction.h) with Palvore's files and rules: the
// load cases of <job>.COX (at most 50) go to LoadCaseNames from index 1 and the geometry is read.
int CheckSupportData(const CorrectionHooks& hooks, bool& stabilityChecked);
int CheckJobData(const CorrectionHooks& hooks);

// The results of a load case (the case's results report) and the data files they are computed from: the
// geometry and support files and the case's load file. Every data command writes through
// SaveJobDataFile with it.
const ResultsProfile& JobResults();

}  // namespace palvore
