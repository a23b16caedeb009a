#pragma once
// The load-case list of a job: names one a line in <job>.CAS (".COX" in some programs), the most
// recently chosen first. The first character of a name ends the extensions of the case's load and
// results files, so first characters must differ; "a" and "A" share one file, so they are compared
// without regard to case.
#include <string>
#include <vector>

enum class LoadCaseRule {
  Holds,
  ClashesWithListed,  // the new name's first character is taken by another listed name
  ListedClash,        // two listed names share a first character
  BadFirstCharacter,  // the first character cannot stand in a file name
  ListFull,           // no slot left for a new name
};

// The warning text of a broken rule (empty for Holds).
std::string LoadCaseRuleMessage(LoadCaseRule rule, int maxCases);

// The names of the list file, trimmed, empty lines dropped, at most maxCases of them.
std::vector<std::string> ReadLoadCaseList(const std::string& listFile, int maxCases);
// Writes the names one a line (never an empty line).
bool WriteLoadCaseList(const std::string& listFile, const std::vector<std::string>& names);

// The first-letter rule for a new (trimmed) name against the listed names.
LoadCaseRule CheckFirstLetters(const std::string& name, const std::vector<std::string>& names, int maxCases);

// Puts the name at the head of the list; a listed name (compared trimmed) moves there instead of
// being repeated.
void MoveLoadCaseToHead(std::vector<std::string>& names, const std::string& name);

// The name as the fixed 30-byte current-case buffer holds it: at most 29 characters.
std::string CurrentCaseName(const std::string& name);
