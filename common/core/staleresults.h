#pragma once
// Results never outlive the data they were computed from. A case's results are computed from the
// job's geometry and support files and from the case's load file; when a data command rewrites
// one of them with other content, the results that the old content gave are removed, so that the
// plot command and the results documents find none and say so ("Results File is Missing!"), and
// the case is analysed again. Removal at the rewrite, not a comparison of file times: times tie
// within the file system's granularity, and a job's archive unpacks its files in entry order
// with new times.
#include <string>
#include <vector>

#include "core/textfiles.h"

// Which files of a job hold a program's results and which data they are computed from.
struct ResultsProfile {
  std::vector<std::string> results;  // extensions that the case letter ends: {".RB"}, Corvane {".RB", ".RP", ".RW", ".RR"}
  std::vector<std::string> jobData;  // the data files of every case: {".GEO", ".SUP"}
  std::string caseData = ".LD";      // a case's own data file: this + the case letter
};

// The results of a job whose data file `file` (jobSpec + its extension) changes: every case's
// for a file of jobData, the case's own for its load file, none for another file.
std::vector<std::string> OutdatedResults(const ResultsProfile& profile, const std::string& jobSpec, const std::string& file);

// SaveTextLines(file, lines, count) for a data file of the job; when the file's content changes
// (a new file counts as changed), the results it outdates are removed first, so that a write
// that fails half way leaves no results beside the data they no longer fit.
bool SaveJobDataFile(const ResultsProfile& profile, const std::string& jobSpec, const std::string& file,
                     const TextLineArray& lines, int count);
