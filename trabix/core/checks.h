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

namespace trabix {

// Answers of the correction question (the message-box button ids).
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

// What the check needs of the interface. An empty hook is taken as No (askCorrection) or as a
// dialog that changed nothing (the others).
struct CorrectionHooks {
  // Offers the correction of the data that `message` names: the program plays three default
  // beeps and shows CorrectionQueryText(message) in a task-modal Yes/No box with the question
  // icon and the caption kCorrectionCaption, with the mouse pointer moved onto it and back.
  // Returns kAnswerYes or kAnswerNo.
  std::function<int(const std::string& message)> askCorrection;
  // The geometry dialog; true when it ended with its data saved (the geometry is read again).
  std::function<bool()> editGeometry;
  // The support data command.
  std::function<void()> editSupports;
  // The load-case dialog in its entry mode, then the load entry.
  std::function<void()> editLoadCases;
};

extern const char* const kCorrectionCaption;  // " WARNING!"
// message + CR LF CR LF + " Do you wish to Correct the Data? "
std::string CorrectionQueryText(const std::string& message);

// The messages of the check.
extern const char* const kGeometryMissingMessage;      // " BEAM/STRIP GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!"
extern const char* const kSupportsNotSpecifiedMessage;  // " SUPPORT CONDITIONS ARE NOT SPECIFIED"
extern const char* const kUnstableStructureMessage;     // " UNSTABLE STRUCTURE."
extern const char* const kNoLoadCaseMessage;            // " NO LOAD CASE IS SPECIFIED FOR THIS JOB"
// " INCORRECT SUPPORT DATA OF ITEM " + first + " OR " + second + " " (items of the support answers).
std::string IncorrectSupportDataMessage(int first, int second);

// Asks through the hook; the answer (kAnswerNo without a hook).
int CorrectDataQuery(const std::string& message, const CorrectionHooks& hooks);

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

}  // namespace trabix
