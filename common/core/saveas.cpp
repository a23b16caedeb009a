#include "core/saveas.h"

#include <cctype>
#include <vector>

#include "core/archive.h"
#include "core/hostfs.h"
#include "core/numbers.h"
#include "core/textfiles.h"

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// The last part of a name in host or Windows form.
std::string LastPart(const std::string& path) {
  size_t slash = path.find_last_of("/\\:");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool SameJob(const std::string& a, const std::string& b) { return Upper(Trim(a)) == Upper(Trim(b)); }

bool SaveJobAs(const std::string& oldJob, const std::string& newJob, const SaveAsProfile& profile) {
  const std::string from = Trim(oldJob), to = Trim(newJob);
  if (from.empty() || to.empty() || SameJob(from, to)) return false;
  // The old job's own name: a found file is that name, a dot and what the copy keeps.
  const std::string stem = Upper(LastPart(from)) + ".";
  // Each copy goes to a temporary name beside its target (the temporary sign and the name, as
  // the unpack writes): a save-as cut short leaves no part of a file under a name of the new job.
  const std::string toFolder = to.substr(0, to.size() - LastPart(to).size());
  struct Copied {
    std::string target, temporary;
  };
  std::vector<Copied> copied;
  bool found = false;
  for (const hostfs::Entry& e : hostfs::Find(from + ".*")) {
    if (e.directory) continue;
    const std::string name = LastPart(e.path);
    if (name.size() <= stem.size() || Upper(name.substr(0, stem.size())) != stem) continue;
    if (!found) EnsureJobDirectory(to + ".aaa");
    found = true;
    const std::string ext = name.substr(stem.size());
    Copied c{to + "." + ext, toFolder + kTemporarySign + LastPart(to) + "." + ext};
    bool whole;
    {
      hostfs::QuietFailures quiet;  // told under the target's name
      whole = hostfs::Copy(e.path, c.temporary);
    }
    if (whole) {
      copied.push_back(c);
    } else {
      hostfs::TellFailure(c.target);
      hostfs::Remove(c.temporary);
    }
  }
  // Every copy is whole: each takes its name.
  for (const Copied& c : copied) {
    if (hostfs::Replace(c.temporary, c.target)) continue;
    hostfs::TellFailure(c.target);
    hostfs::Remove(c.temporary);
  }
  if (found && profile.rewriteHeaders) profile.rewriteHeaders(to);
  return true;
}

bool SaveJobAsAndArchive(const std::string& oldJob, const std::string& newJob, const SaveAsProfile& profile) {
  if (!SaveJobAs(oldJob, newJob, profile)) return false;
  ArchiveJob(Trim(oldJob), profile.geometryExtension);
  return true;
}
