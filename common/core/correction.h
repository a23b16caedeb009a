#pragma once
// The job check that runs before every analysis of Trabix, Palvore and Murelo: the supports, the
// load cases and the geometry must exist and fit together. Each problem is offered for
// correction in the dialog that owns the data, and after a correction the check runs again. The
// questions and the dialogs belong to the program's interface, which hands them in as hooks;
// the rules and the file readers are the program's, handed in as a profile.
#include <functional>
#include <string>
#include <vector>

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

extern const char* const kCorrectionCaption;            // " WARNING!"
extern const char* const kSupportsNotSpecifiedMessage;  // " SUPPORT CONDITIONS ARE NOT SPECIFIED"
extern const char* const kUnstableStructureMessage;     // " UNSTABLE STRUCTURE."
extern const char* const kNoLoadCaseMessage;            // " NO LOAD CASE IS SPECIFIED FOR THIS JOB"
// message + CR LF CR LF + " Do you wish to Correct the Data? "
std::string CorrectionQueryText(const std::string& message);
// " INCORRECT SUPPORT DATA OF ITEM " + first + " OR " + second + " " (items of the support answers).
std::string IncorrectSupportDataMessage(int first, int second);
// The elastic constants of a chosen half-space as every analysis needs them: each modulus above
// 0, each Poisson's ratio above 0 and at most 0.5. texts are the stored values: E and Nu of an
// isotropic half-space (2 texts) or Ev, Eh, Gv, NUh and NUv of a cross-anisotropic one (5). The
// message names the half-space's support item and, on a line of its own, the first value that
// fails as it reads: " INCORRECT SUPPORT DATA OF ITEM 5 " CR LF " (HALF-SPACE: Poisson's Ratio, Nu= 0; it
// must be above 0 and at most 0.5)"; "" when every value passes.
std::string HalfSpaceDataProblem(int item, const std::vector<std::string>& texts);
// The message of a damaged data file: " " + data + " ARE MISSING!" (data names the file's data,
// "PILE SUPPORT DATA"), then on a line of its own what is wrong, in brackets.
std::string DataMissingMessage(const std::string& data, const std::string& damage);
// A data-missing message (" ... DATA ARE MISSING!") with what is wrong with the damaged file on a
// line of its own, in brackets; the message alone when damage is "".
std::string DamagedDataMessage(const std::string& missingMessage, const std::string& damage);
// The same for the load file of a load case: " LOAD DATA OF LOAD CASE '<name>' ARE MISSING!".
std::string LoadDataMissingMessage(const std::string& caseName, const std::string& damage);
// The same for the load-case list: " LOAD CASE LIST DATA ARE MISSING!".
std::string LoadCaseListMissingMessage(const std::string& damage);
// The message of the first damaged file among a job's load-case list (listFile, not checked
// when empty) and the load files of its cases (loadDamage: what is wrong with a case's file, or
// ""); "" when all are whole.
std::string LoadFilesDamage(const std::string& listFile, const std::vector<std::string>& names,
                            const std::function<std::string(const std::string& caseName)>& loadDamage);
// Asks through the hook; the answer (kAnswerNo without a hook).
int CorrectDataQuery(const std::string& message, const CorrectionHooks& hooks);

// The nodes of an unyielding node list that the checks count: each comma-separated part whose
// number, rounded to a whole number, is positive and reads back as the part itself ("3" counts,
// "07", "2.5" and "x" do not); a node listed twice is one support.
std::vector<double> ListedSupportNodes(const std::string& list);

// The program's side of the check.
struct JobCheckProfile {
  // Loads the geometry (offering its correction) and the support file: false when the geometry
  // is missing and was not corrected.
  std::function<bool(const CorrectionHooks& hooks)> loadSupports;
  // What is wrong with the support file as a listing (DataFileDamage, core/tablereader.h), or
  // "": a damaged file is offered for correction in the support dialog before the rules run.
  std::function<std::string()> supportDamage;
  std::string supportData;  // the support file's data in its message ("PILE SUPPORT DATA")
  // What is wrong with the load file of a case, or "": checked for every case of the list after
  // the list itself (LoadCaseListDamage); a damaged one is offered for correction in the
  // load-case dialog and the load entry, and the whole check runs again.
  std::function<std::string(const std::string& caseName)> loadDamage;
  std::string loadCaseList;  // the load-case list file, checked when given
  // The support rules on the loaded data: the message of the first that fails, or "". The
  // stability rule applies only when applyStability; applied := whether it was applied.
  std::function<std::string(bool applyStability, bool& applied)> supportProblem;
  // The job's load-case names (none: the load-case correction is offered).
  std::function<std::vector<std::string>()> loadCases;
  // After the load cases, when given: the message of a geometry value the analysis cannot take
  // without the soil, or "". A Yes opens the geometry dialog, and when it saved data the whole
  // check runs again; otherwise the check fails.
  std::function<std::string()> geometryProblem;
  // After the checks: the names into the program's tables and the geometry read.
  std::function<void(const std::vector<std::string>& names)> finish;
};

// The geometry check: read() loads and reads the geometry file, false when it or its data are
// missing; then `message` offers the correction, and after the geometry dialog has saved data
// the file is read again. Returns 1 when the geometry is there, 0 otherwise.
int LoadCheckedGeometry(const std::function<bool()>& read, const std::string& message, const CorrectionHooks& hooks);
// The same where the message depends on what is missing: problem() loads and reads the file and
// gives the message of what it lacks, or "" when the geometry is there.
int LoadCheckedGeometry(const std::function<std::string()>& problem, const CorrectionHooks& hooks);
// The support check: a failure offers the correction, on Yes the support data command runs and
// the check repeats, on No the result is 0. Once the stability rule has been applied in a job
// check (stabilityChecked), a repeated support check skips it. Returns 1 when the supports pass.
int CheckSupportData(const JobCheckProfile& profile, const CorrectionHooks& hooks, bool& stabilityChecked);
// The job check: the support check, then the load cases (their absence offers the load-case
// dialog, and the whole check runs again), then finish. 1 when the analysis may start.
int CheckJobData(const JobCheckProfile& profile, const CorrectionHooks& hooks);
