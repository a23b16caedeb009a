#pragma once
// Corvane's outside solver, ANALYSIS.exe: reads the job's geometry, support and load files for
// the structure type, job and load case on its command line, analyses the case and writes its
// result files beside the job (beam/strip <job>.RB<c>, circular plate <job>.RP<c>, a tank's base
// plate <job>.RP<c>, wall <job>.RW<c> and roof <job>.RR<c>; <c> the first character of the case
// name). Every stop is shown by the program itself (a warning box after its tones) and leaves no
// result file: Corvane does not read the solver's exit code.
#include <functional>
#include <string>
#include <vector>

#include "trabix/core/analysis.h"

namespace corvane {

// Stops of the outside solver beyond the beam/strip solver's own codes (core/solverstops.h:
// 2 a singular system, 4 data that cannot be analysed, 6 a result file that cannot be written).
enum AnalysisStop {
  kAnalysisBadCommandLine = 20,  // no structure type, job or case on the command line
  kAnalysisNoGeometry = 21,      // the geometry file is missing or holds no data of the type
  kAnalysisNoSupports = 22,      // the support file is missing
  kAnalysisDataRefused = 24,     // job data that contradict each other
};

// The command line: the program token (quoted, or up to the first blank), then the structure
// type ("BEAM/STRIP", "PLATE", "TANK"), the job specification and the case name, split at the
// first two commas (the case keeps later commas and inner blanks; all three trimmed).
struct AnalysisCall {
  std::string type, job, caseName;
};
bool ParseAnalysisCommandLine(const std::string& raw, AnalysisCall& call);

// The case's result files of every structure type: <job>.RB<c>, .RP<c>, .RW<c>, .RR<c>.
std::vector<std::string> ResultFileNames(const std::string& job, const std::string& caseName);

struct AnalysisOutcome {
  int code = 0;        // 0 written, else a trabix::SolverStop or AnalysisStop code
  std::string detail;  // what a refusal or a missing file is about
};
// Deletes the case's old result files, then reads, analyses and writes (the globals of
// corvane/core and trabix/core are its work tables).
AnalysisOutcome RunAnalysis(const AnalysisCall& call);

// The warning of a stop: caption "WARNING!", the text and the four tones.
SolverWarningData AnalysisWarningFor(const AnalysisOutcome& outcome);

// The whole program: parses the raw command line, runs the analysis and, after a stop, hands
// its warning to `warn`. Returns the exit code: 0 when the result file is written, else the
// stop code.
int AnalysisMain(const std::string& raw, const std::function<void(const SolverWarningData&)>& warn);

}  // namespace corvane
