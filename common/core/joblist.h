#pragma once
// Job lists: one job specification a line in the program directory, the most recent first,
// no duplicates, at most 50. Each program (and in Corvane each structure type) has its own list,
// default job folder and example job name.
#include <string>
#include <vector>

struct JobListProfile {
  std::string listFile;  // "FJOB$.BEA", "FJOB$.INF", ...
  std::string folder;    // "\BEAMS\"
  std::string example;   // "BEAM1"
};

constexpr int kMaxListedJobs = 50;

// Corvane's list of a structure type ("BEAM/STRIP", "BEAM" or "STRIP", "PLATE", "TANK").
JobListProfile CorvaneJobList(const std::string& structureType);

std::vector<std::string> ReadJobList(const std::string& listFile);
// Puts the accepted job first; an entry equal to it (both trimmed) moves instead of repeating,
// and the oldest entry falls out of a full list.
void PutJobFirst(std::vector<std::string>& entries, const std::string& jobSpec);
bool WriteJobList(const std::string& listFile, const std::vector<std::string>& entries);

// The job dialog's example texts: mode 1 the explanation, 2 the first example, 3 the second.
std::string JobLocationText(const std::string& folder, const std::string& example, int mode);
