#pragma once
// The one layer every file name of the core goes through. Names are Windows names (backslashes,
// an optional drive, any letter case). On Windows the system gives their meaning; on Linux this
// layer gives the same: backslashes are separators, a drive letter stands for the root (as Wine's
// Z: does), names match case-insensitively within their directory, "*" and "?" expand as Windows
// expands them, and names that start with a dot count as hidden.
#include <cstdio>
#include <functional>
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
// How many listings Find has made on this thread: work that must not list the folder once per
// file it handles is measured by it.
unsigned long FolderListings();

std::FILE* OpenRead(const std::string& name);
// Writes go to a new file beside the target, which then replaces the target in one step.
// A failed write (or copy) leaves the target as it was and is handed to the failure report.
bool WriteWhole(const std::string& name, const std::string& bytes);
bool Remove(const std::string& name);         // one file, the exact name (no wildcards)
bool MakeDirectory(const std::string& name);  // one level
bool Rename(const std::string& from, const std::string& to);  // never over an existing name
bool Replace(const std::string& from, const std::string& to);  // over an existing file too
bool Copy(const std::string& from, const std::string& to);
bool IsDirectory(const std::string& name);
// The file's last write time in nanoseconds since 1970 (UTC); 0 when it does not exist.
long long ModifiedTime(const std::string& name);

// Why the last write, copy, rename or replace of this thread failed, in the system's words.
std::string LastFailure();
// The system's words for an error code (a Windows error code on Windows, errno elsewhere), for
// the other services that tell why the system refused them.
std::string SystemReason(unsigned long code);

// Where a failed write or copy of a file is told: the programs show a warning naming the file.
// Unset (the default, and in the solver) nothing is told beyond the call's result.
using FailureReport = std::function<void(const std::string& name, const std::string& reason)>;
void SetFailureReport(FailureReport report);
// Tells the last failure of this thread under that name: for an owner that writes under a
// temporary name and reports the file the user knows.
void TellFailure(const std::string& name);
// While one lives, failed writes are not told: its owner tells the user itself (the unpack of a
// job's archive gathers its failure into one message).
class QuietFailures {
 public:
  QuietFailures();
  ~QuietFailures();
  QuietFailures(const QuietFailures&) = delete;
  QuietFailures& operator=(const QuietFailures&) = delete;
};

// A fault layer for tests: when set, every write, copy, rename or replace whose target the
// predicate accepts fails as a full disk would. Before writing: before anything is written. At the
// run time's flush: writes and copies go through the C run time as always, whose buffered bytes
// then cannot be flushed (renames and replaces are not touched).
using WriteFault = std::function<bool(const std::string& target)>;
enum class FaultPlace { kBeforeWriting, kRunTimeFlush };
void SetWriteFault(WriteFault fault, FaultPlace place = FaultPlace::kBeforeWriting);

}  // namespace hostfs
