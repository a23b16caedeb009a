#pragma once
// "Save Job As": every file of the open job is copied to a new job specification, whose data
// files then name the new job in their first line, and the old job is packed away. The header
// rewrite is the program's own; it comes in through the profile.
//
//   SaveAsProfile p;  p.rewriteHeaders = [](const std::string& job) { trabix::RenameJobHeaders(job); };
//   SaveJobAsAndArchive(oldJob, JobSpec, p);
#include <functional>
#include <string>

struct SaveAsProfile {
  // Rewrites line 1 of the new job's files; called with the new job once files were copied.
  std::function<void(const std::string& newJob)> rewriteHeaders;
  // The extension the archive checks for (see ArchiveJob).
  std::string geometryExtension = ".GEO";
};

// True when the two job specifications name the same job: equal once trimmed, letter case aside.
bool SameJob(const std::string& a, const std::string& b);

// Copies every file <oldJob>.<ext> (any extension, also the job's archive) to <newJob>.<ext>,
// creating the new job's folders before the first copy and replacing files of the same names;
// the target's other files stay. The copies are made under temporary names and take their own
// once every one is whole, so a save-as cut short leaves no torn file that opens as the job. A
// copy that fails is told under its target's name and skipped. When anything was found the
// header rewrite runs. Onto the same job nothing at all happens and the result is false.
bool SaveJobAs(const std::string& oldJob, const std::string& newJob, const SaveAsProfile& profile);

// The command's work after the job dialog: SaveJobAs, then ArchiveJob of the old job. Nothing
// at all when the new job is the old one. Returns SaveJobAs's result.
bool SaveJobAsAndArchive(const std::string& oldJob, const std::string& newJob, const SaveAsProfile& profile);
