#include "core/loadcases.h"

#include <cctype>

#include "core/numbers.h"
#include "core/textfiles.h"

namespace {

bool SameFirst(const std::string& a, const std::string& b) {
  return !a.empty() && !b.empty() &&
         std::toupper(static_cast<unsigned char>(a[0])) == std::toupper(static_cast<unsigned char>(b[0]));
}

}  // namespace

std::string LoadCaseRuleMessage(LoadCaseRule rule, int maxCases) {
  switch (rule) {
    case LoadCaseRule::ClashesWithListed:
      return "FIRST Letters of LOAD CASE NAMES MUST be DISTINCT!\r\n\r\nCorrect the LOAD NAME!";
    case LoadCaseRule::ListedClash:
      return "FIRST Letters of LOAD CASE NAMES MUST be DISTINCT!\r\nSome of your Loads do not follow this "
             "Convention\r\n\r\nDELETE Incorrect LOAD NAMES!";
    case LoadCaseRule::BadFirstCharacter:
      return "The FIRST Letter of a LOAD CASE NAME is used in FILE NAMES\r\nand cannot be one of  \\ / : * ? \" < > |"
             "\r\n\r\nCorrect the LOAD NAME!";
    case LoadCaseRule::ListFull:
      return "No more than" + NumberToText(maxCases) + " LOAD CASES can be specified!\r\n\r\nDELETE a LOAD CASE first!";
    case LoadCaseRule::Holds:
      break;
  }
  return "";
}

std::vector<std::string> ReadLoadCaseList(const std::string& listFile, int maxCases) {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(listFile, lines, maxCases, count);
  std::vector<std::string> names;
  for (int i = 1; i <= count && static_cast<int>(names.size()) < maxCases; ++i) {
    std::string n = Trim(lines[i]);
    if (!n.empty()) names.push_back(n);
  }
  return names;
}

bool WriteLoadCaseList(const std::string& listFile, const std::vector<std::string>& names) {
  TextLineArray lines(1);
  for (const auto& n : names) {
    std::string t = Trim(n);
    if (!t.empty()) lines.push_back(t);
  }
  return SaveTextLines(listFile, lines, static_cast<int>(lines.size()) - 1);
}

LoadCaseRule CheckFirstLetters(const std::string& name, const std::vector<std::string>& names, int maxCases) {
  std::string n = Trim(name);
  if (!n.empty() && std::string("\\/:*?\"<>|").find(n[0]) != std::string::npos) return LoadCaseRule::BadFirstCharacter;
  bool listed = false;
  for (const auto& l : names) {
    std::string t = Trim(l);
    if (t == n) listed = true;
    else if (SameFirst(t, n)) return LoadCaseRule::ClashesWithListed;
  }
  for (size_t i = 0; i < names.size(); ++i)
    for (size_t j = i + 1; j < names.size(); ++j)
      if (SameFirst(Trim(names[i]), Trim(names[j]))) return LoadCaseRule::ListedClash;
  if (!listed && static_cast<int>(names.size()) >= maxCases) return LoadCaseRule::ListFull;
  return LoadCaseRule::Holds;
}

void MoveLoadCaseToHead(std::vector<std::string>& names, const std::string& name) {
  std::string n = Trim(name);
  for (size_t i = names.size(); i-- > 0;) {
    if (Trim(names[i]) == n) {
      names.erase(names.begin() + static_cast<long>(i));
      break;
    }
  }
  names.insert(names.begin(), n);
}

std::string CurrentCaseName(const std::string& name) { return name.substr(0, 29); }
