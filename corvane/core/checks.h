#pragma once
// The job check that runs before Corvane starts the outside solver: the support, load-case and
// geometry data of JobSpec must exist and agree. Each problem is offered for correction; the
// question and the data-entry dialogs belong to the program's interface, which hands them in as
// a port. The check itself is portable and reads the job files into the global tables.
#include <functional>
#include <string>
#include <vector>

#include "core/correction.h"
#include "core/staleresults.h"
#include "core/globals.h"

namespace corvane {

// The question, its caption, its answers and the checks' common messages are the suite's
// (core/correction.h).
using ::CorrectionQueryText;
using ::kAnswerNo;
using ::kAnswerYes;
using ::kCorrectionCaption;
using ::kNoLoadCaseMessage;
using ::kSupportsNotSpecifiedMessage;
using ::kUnstableStructureMessage;

// What the check needs of the interface. An empty `ask` answers No; an empty dialog hook changes
// nothing (editGeometry then ends with 0).
struct CheckPort {
  // Shows CorrectionQueryText(message) with caption kCorrectionCaption, question icon, Yes/No,
  // after three default beeps, the pointer moved onto the box and back. Returns 6 or 7.
  std::function<int(const std::string& message)> ask;
  // The support data command.
  std::function<void()> editSupports;
  // The load-case list dialog and, when it ends with 1, the load command for the chosen case.
  std::function<void()> editLoadCases;
  // The tank substructure choice (tank) or the geometry dialog; its end value (1 = saved).
  std::function<int()> editGeometry;
};
// The port the checks use; the program's interface fills it at start-up.
extern CheckPort CheckHooks;

// Asks through CheckHooks.ask; answer := 6 (Yes) or 7 (No).
void CorrectDataQuery(const std::string& message, int& answer);

// The messages of Corvane's own checks.
extern const char* const kUnyieldingUnacceptableMessage;  // " UNYIELDING SUPPORT DATA UNACCEPTABLE"
// " INCORRECT SUPPORT DATA", and with a pair (texts such as " 1 ", " 3 ")
// " INCORRECT SUPPORT DATA OF ITEM" + first + "OR" + second.
std::string IncorrectSupportDataMessage(const std::string& first = "", const std::string& second = "");
// The message of a geometry check code for the structure type (1..3) and Substructure.
std::string GeometryCheckMessage(int code, int type);

// The accepted entries of an unyielding node list, in order, at most `limit` of them: an entry is
// accepted when its number, rounded, is above 0 and reads back as the entry itself ("07", "2.5",
// "3a" are not). Duplicates are kept.
std::vector<double> AcceptedUnyieldingNodes(const std::string& list, int limit);

// Sets code to 0 when `position` lies within 0.005 of the end position or of a node start,
// start + w1, start + w1 + w2, ... (w = column 1 of rows 1..nodeCount - 1 of the element table,
// nodeCount positions in all); else to 5 (kind 1), 6 (kind 2) or 9 (kind 3). Kind 3 (the wall's
// rings against its height) has no end-position shortcut: the ring widths must add up to it.
void CheckNodalLineMatch(const Table2D<float>& elements, int nodeCount, int kind, float start, float end,
                         float position, int& code);

// The geometry checks on the tables the geometry reader filled (JobDataTable, GeometryAnswers,
// WorkTables, SupportFlags): failed and the code of the first check that fails.
void FirstGeometryProblem(int type, bool& failed, int& code);

// Shows the message of a geometry code with the correction offer; success := 1 when the
// dialog that owns the geometry ended with 1 (check again), else 0.
void CheckGeometryData(int& success, int code, int type);

// The support checks. conflict is 0 on entry and 1 when a support message was due; passMarker
// belongs to the caller's run (the stability rule applies only while it is clear); success is
// LoadSupportFile's flag, set to 0 when the user declines a correction.
void CheckSupportData(int type, int& conflict, int& passMarker, int& success);

// The whole check loop; success := 1 when the analysis may start, 0 when a correction was
// declined. The load-case list goes into LoadCaseNames (1..50), the geometry into
// JobDataTable, GeometryAnswers and WorkTables.
void CheckJobData(int type, int& success);

// The results of a load case (the beam/strip, plate and tank substructures' result files of ANALYSIS.exe) and the data files they are computed from: the
// geometry and support files and the case's load file. Every data command writes through
// SaveJobDataFile with it.
const ResultsProfile& JobResults();

}  // namespace corvane
