#pragma once
// The one layer every file name of the core goes through. Names are Windows names (backslashes,
// an optional drive, any letter case). On Windows the system gives their meaning; on Linux this
// layer gives the same: backslashes are separators, a drive letter stands for the root (as Wine's
// Z: does), names match case-insensitively within their directory, "*" and "?" expand as Windows
// expands them, and names that start with a dot count as hidden.
#include <cstdio>
#include <string>
#include <vector>

namespace hostfs {

struct Entry {
  std::string path;  // the entry's name in the host's form, usable with the calls below
  bool directory = false;
};

// Visible entries (neither hidden nor system) that a name, which may hold wildcards, matches.
std::vector<Entry> Find(const std::string& pattern);
bool HasWildcards(const std::string& name);

std::FILE* OpenRead(const std::string& name);
// Writes go to a new file beside the target, which then replaces the target in one step.
bool WriteWhole(const std::string& name, const std::string& bytes);
bool Remove(const std::string& name);         // one file, the exact name (no wildcards)
bool MakeDirectory(const std::string& name);  // one level
bool Rename(const std::string& from, const std::string& to);
bool Copy(const std::string& from, const std::string& to);
bool IsDirectory(const std::string& name);

}  // namespace hostfs
