#include "core/staleresults.h"

#include <algorithm>
#include <cctype>

#include "core/hostfs.h"

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// The file holds exactly lines 1..count.
bool Holds(const std::string& file, const TextLineArray& lines, int count) {
  if (!FileExists(file)) return false;
  TextLineArray old;
  int n = 0;
  LoadTextLines(file, old, count + 1, n);
  if (n != count) return false;
  for (int i = 1; i <= count; ++i)
    if (old[static_cast<size_t>(i)] != (static_cast<size_t>(i) < lines.size() ? lines[static_cast<size_t>(i)] : std::string()))
      return false;
  return true;
}

}  // namespace

std::vector<std::string> OutdatedResults(const ResultsProfile& profile, const std::string& jobSpec, const std::string& file) {
  std::vector<std::string> out;
  // File names match without regard to case, as the system matches them.
  if (file.size() <= jobSpec.size() || Upper(file.substr(0, jobSpec.size())) != Upper(jobSpec)) return out;
  const std::string extension = Upper(file.substr(jobSpec.size()));
  std::string letter;  // "?" for every case
  for (const std::string& e : profile.jobData)
    if (extension == Upper(e)) letter = "?";
  const std::string caseData = Upper(profile.caseData);
  if (letter.empty() && extension.size() == caseData.size() + 1 && extension.compare(0, caseData.size(), caseData) == 0)
    letter = file.substr(file.size() - 1);
  if (letter.empty()) return out;  // a letter that is a wildcard outdates more cases, never fewer
  for (const std::string& r : profile.results)
    for (const hostfs::Entry& e : hostfs::Find(jobSpec + r + letter))
      if (!e.directory) out.push_back(e.path);
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

bool SaveJobDataFile(const ResultsProfile& profile, const std::string& jobSpec, const std::string& file,
                     const TextLineArray& lines, int count) {
  if (!Holds(file, lines, count))
    for (const std::string& r : OutdatedResults(profile, jobSpec, file)) hostfs::Remove(r);
  return SaveTextLines(file, lines, count);
}
