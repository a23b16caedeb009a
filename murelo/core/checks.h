#pragma once
// Murelo's job check before every analysis: the geometry, the supports and the load cases must
// exist and fit together. Each problem is offered for correction through the hooks of the
// program's interface (core/correction.h), and the check runs again after a correction.
#include <string>

#include "core/correction.h"
#include "core/staleresults.h"

namespace murelo {

extern const char* const kPlateWidthNotPositiveMessage;  // " WIDTH OF BASE PLATE MUST BE BIGGER THAN ZERO"
extern const char* const kStemHeightNotPositiveMessage;  // " HEIGHT OF WALL STEM MUST BE BIGGER THAN ZERO"
extern const char* const kModulusNotPositiveMessage;     // " MODULUS OF ELASTICITY MUST BE BIGGER THAN ZERO"
extern const char* const kUnyieldingUnacceptableMessage;  // " UNYIELDING SUPPORT DATA UNACCEPTABLE"

// What of <job>.geo the analysis cannot take, as the message offering its correction, or "": a
// plate width or stem height not above 0 its own message; a substructure's section missing,
// fewer than two elements or elements that cannot be analysed (a width or thickness not above 0,
// widths that miss the plate width or the stem height by more than 0.1 %, a toe length that
// falls on no element end) that substructure's "... GEOMETRY AND MAT. PROPERTIES DATA ARE
// MISSING!". Leaves GeneralData and both element tables read.
std::string GeometryProblem();

// The support rules on the loaded data (SupportFlags, UnyieldingNodes, the tables; plateNodes
// the base plate's nodes), in order; the message of the first that fails, or "":
// - none of the unyielding supports, elastic supports, Winkler soil, half-space or stem
//   restraints;
// - a listed unyielding node beyond the base plate;
// - on Winkler soil, an unyielding node with a vertical spring (items 2 and 3);
// - without soil, when applyStability: without unyielding supports always, with them when the
//   listed nodes and the positive spring constants are fewer than two;
// - Winkler soil and a half-space together (items 3 and 4);
// - without the half-space, nothing holding the wall horizontally (neither the toe restraint
//   nor a stem horizontal spring), on every check.
// applied := whether the stability rule was applied (also when the spring rule failed first).
std::string SupportDataProblem(int plateNodes, bool applyStability, bool& applied);

// The support check and the job check (core/correction.h) with Murelo's files and rules: the
// load cases of <job>.COX (at most 50) go to LoadCaseNames from index 1; a base-plate modulus
// not above 1.0E-07 without soil under the plate offers the geometry's correction.
int CheckSupportData(const CorrectionHooks& hooks, bool& stabilityChecked);
int CheckJobData(const CorrectionHooks& hooks);

// The results of a load case (the case's results report) and the data files they are computed from: the
// geometry and support files and the case's load file. Every data command writes through
// SaveJobDataFile with it.
const ResultsProfile& JobResults();

}  // namespace murelo
