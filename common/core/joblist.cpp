#include "core/joblist.h"

#include "core/numbers.h"
#include "core/textfiles.h"

JobListProfile CorvaneJobList(const std::string& structureType) {
  if (structureType == "PLATE") return {"FJOB$.PLA", "\\PLATES\\", "PLATE"};
  if (structureType == "TANK") return {"FJOB$.TNK", "\\TANKS\\", "TANK1"};
  return {"FJOB$.BEA", "\\BEAMS\\", "BEAM1"};
}

std::vector<std::string> ReadJobList(const std::string& listFile) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(listFile, lines, kMaxListedJobs, count);
  std::vector<std::string> entries;
  for (int i = 1; i <= count && static_cast<int>(entries.size()) < kMaxListedJobs; ++i) {
    std::string e = Trim(lines[i]);
    if (!e.empty()) entries.push_back(e);
  }
  return entries;
}

void PutJobFirst(std::vector<std::string>& entries, const std::string& jobSpec) {
  std::string spec = Trim(jobSpec);
  for (size_t i = entries.size(); i-- > 0;) {
    if (Trim(entries[i]) == spec) {
      entries.erase(entries.begin() + static_cast<long>(i));
      break;
    }
  }
  entries.insert(entries.begin(), spec);
  if (static_cast<int>(entries.size()) > kMaxListedJobs) entries.resize(kMaxListedJobs);
}

bool WriteJobList(const std::string& listFile, const std::vector<std::string>& entries) {
  TextLineArray lines(1);
  lines.insert(lines.end(), entries.begin(), entries.end());
  return SaveTextLines(listFile, lines, static_cast<int>(entries.size()));
}

std::string JobLocationText(const std::string& folder, const std::string& example, int mode) {
  switch (mode) {
    case 1:
      return "\r\n\r\n    - files of job '" + example + "'\r\n      are kept on drive D:\r\n      in directory " + folder +
             ".\r\n\r\n    - files of job '" + example + "0'\r\n      are stored in the\r\n      program directory.";
    case 2: return std::string(" (1) ") + " D:" + folder + example;
    case 3: return std::string(" (2) ") + " " + example + "0";
    default: return "";
  }
}
