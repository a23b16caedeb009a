#pragma once
// The job check that runs before every analysis: the supports, the load cases and the geometry
// must exist and fit together. Each problem is reported with an offer to correct the data in the
// dialog that owns them, and after a correction the check runs again. The questions and the
// dialogs belong to the program's interface, which hands them in as hooks; the check itself is
// portable and reads the job files of JobSpec into the global tables.
//
// Also the job file services around it: loading the geometry and support files with the offer
// to enter missing geometry, and the header rewrite after "Save Job As".
#include <functional>
#include <string>

#include "core/correction.h"
#include "core/staleresults.h"

namespace trabix {

using ::CorrectDataQuery;
using ::CorrectionHooks;
using ::CorrectionQueryText;
using ::IncorrectSupportDataMessage;
using ::kAnswerNo;
using ::kAnswerYes;
using ::kCorrectionCaption;
using ::kNoLoadCaseMessage;
using ::kSupportsNotSpecifiedMessage;
using ::kUnstableStructureMessage;

extern const char* const kGeometryMissingMessage;  // " BEAM/STRIP GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!"

// Loads <job>.geo into TextLines and reads its header and element table (GeometryValues,
// StructureFlags, ElementTable). When the file or its "DATA" section is missing the correction is
// offered; after the geometry dialog has saved data the file is read again. Returns 1 when the
// geometry is there, 0 otherwise.
int LoadGeometryFile(const CorrectionHooks& hooks = {});
// LoadGeometryFile, then <job>.SUP (a missing file reads as no supports) into SupportFlags,
// UnyieldingNodes, SpringTable and SoilTable. Returns 0 when the geometry is missing.
int LoadSupportFile(const CorrectionHooks& hooks = {});

// The number of nodes of an unyielding node list that the stability rule counts: each
// comma-separated part whose number, rounded to a whole number, is positive and reads back as
// the part itself ("3" counts, "07", "2.5" and "x" do not); a node listed twice is one support.
int CountSupportNodes(const std::string& list);

// The support rules on the loaded support data, in order; the message of the first that fails,
// or an empty text. The stability rule (a structure without soil needs its left edge fixed
// against rotation, or two supports: unyielding nodes, the axis of a symmetric half, nodal
// springs or a fixed right edge) applies only when `applyStability`; stabilityApplied := whether
// it was applied.
std::string SupportDataProblem(bool applyStability, bool& stabilityApplied);

// The support check: loads the files (0 when the geometry is missing) and applies the rules;
// a failure offers the correction, on Yes the support data command runs and the check repeats,
// on No the result is 0. stabilityChecked belongs to the job check: once the stability rule has
// been applied in it, a repeated support check skips that rule (the user has seen the warning
// and chosen to go on). Returns 1 when the supports pass.
int CheckSupportData(const CorrectionHooks& hooks, bool& stabilityChecked);

// The job check before an analysis: the support check; then the load-case list <job>.CAS (at
// most 20 names, into LoadCaseNames from index 1), whose absence offers the load-case dialog
// and checks again; finally the geometry is read (GeometryValues, StructureFlags,
// ElementTable). Returns 1 when the analysis may start, 0 when a correction was declined.
int CheckJobData(const CorrectionHooks& hooks);

// After the files of a job were copied to newJob: line 1 of its geometry, support and load
// files (the load files of the cases its .CAS list names) is rewritten to name newJob. Files
// that are not there are left alone.
void RenameJobHeaders(const std::string& newJob);

// The results of a load case (the case's results report) and the data files they are computed from: the
// geometry and support files and the case's load file. Every data command writes through
// SaveJobDataFile with it.
const ResultsProfile& JobResults();

}  // namespace trabix
