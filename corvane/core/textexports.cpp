#include "corvane/core/textexports.h"

#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "corvane/core/globals.h"

namespace corvane {

ReportPort ReportHooks;

const char* const kGeometryMissingText = "Geometry Data File is Missing! Enter the Data!";
const char* const kSupportMissingText = "Support Data File is Missing! Enter the Data!";
const char* const kLoadMissingText = "Load Data File is Missing! Enter the Data!";
const char* const kResultsMissingText = "Results File is Missing! Anylyse the Structure!";

std::string LoadCaseLetter() { return Trim(LoadCaseName).substr(0, 1); }

void ReportWarning(const std::string& text) {
  if (ReportHooks.warn) ReportHooks.warn(text, "WARNING!");
}

bool LoadWholeFile(const std::string& file, TextLineArray& lines, int& n) {
  lines.clear();
  n = 0;
  LoadTextLines(file, lines, 10000, n);
  return n > 0;
}

namespace {

// Appends lines 1..n, after three empty lines when it is not the first part.
void Join(TextLineArray& out, int& total, const TextLineArray& lines, int n, bool first) {
  if (!first) {
    out.resize(static_cast<size_t>(total) + 4);
    total += 3;
  }
  for (int i = 1; i <= n; ++i) out.push_back(lines[static_cast<size_t>(i)]);
  total += n;
}

// Rewrites line 1 of a job file that has lines; false when it is missing.
bool RewriteHeader(const std::string& file, const std::string& header) {
  TextLineArray lines;
  int n = 0;
  LoadTextLines(file, lines, 10000, n);
  if (n == 0) return false;
  lines[1] = header;
  SaveTextLines(file, lines, n);
  return true;
}

}  // namespace

std::string JobNamePart() {
  // What the path check calls the base name of JobSpec + ".AAA"; taken after the last separator
  // so that a folder with a dot or a job one folder deep still gives the job's own name.
  const std::string job = Trim(JobSpec);
  const size_t at = job.find_last_of("\\/:");
  return at == std::string::npos ? job : job.substr(at + 1);
}

bool WriteDataText() {
  TextLineArray out(1), lines;
  int total = 0, n = 0;
  if (!LoadWholeFile(JobSpec + ".GEO", lines, n)) ReportWarning(kGeometryMissingText);
  Join(out, total, lines, n, true);
  if (!LoadWholeFile(JobSpec + ".SUP", lines, n)) ReportWarning(kSupportMissingText);
  Join(out, total, lines, n, false);
  const std::string c = LoadCaseLetter();
  if (c.empty() || !LoadWholeFile(JobSpec + ".LD" + c, lines, n)) {
    ReportWarning(kLoadMissingText);
    return false;
  }
  Join(out, total, lines, n, false);
  return SaveTextLines(JobNamePart() + "_DATA.TXT", out, total);
}

bool WriteResultsText() {
  const std::string c = LoadCaseLetter();
  TextLineArray out(1), lines;
  int total = 0, n = 0;
  if (c.empty() || !LoadWholeFile(JobSpec + ".RP" + c, lines, n)) ReportWarning(kResultsMissingText);
  Join(out, total, lines, n, true);
  if (c.empty() || !LoadWholeFile(JobSpec + ".RW" + c, lines, n)) ReportWarning(kResultsMissingText);
  Join(out, total, lines, n, false);
  // A tank without roof elements has no roof results: the file ends with the wall's.
  TextLineArray geometry;
  int g = 0;
  LoadTextLines(JobSpec + ".geo", geometry, 5000, g);
  Table2D<double> items;
  items.Redim(8, 6);
  std::vector<std::string> answers(8);
  int s1 = 0, s2 = 0, s3 = 0;
  ReadGeometrySections(geometry, g, GeometryTank, items, answers, s1, s2, s3);
  if (items.Get(3, 1) >= 1) {
    if (c.empty() || !LoadWholeFile(JobSpec + ".RR" + c, lines, n)) {
      ReportWarning(kResultsMissingText);
      return false;
    }
    Join(out, total, lines, n, false);
  }
  return SaveTextLines(JobNamePart() + "_RESULTS.TXT", out, total);
}

void RenameJobHeaders(const std::string& newJob) {
  const std::string job = Trim(newJob);
  if (!RewriteHeader(job + ".GEO", "Job: " + job + " // GEOMETRY & MAT. PROPERTIES"))
    ReportWarning(kGeometryMissingText);
  if (!RewriteHeader(job + ".SUP", "Job: " + job + " // SUPPORTS")) ReportWarning(kSupportMissingText);
  TextLineArray cases;
  int n = 0;
  LoadTextLines(job + ".CAS", cases, 50, n);
  for (int i = 1; i <= n; ++i) {
    const std::string entry = cases[static_cast<size_t>(i)];
    if (Trim(entry).empty()) continue;
    RewriteHeader(job + ".LD" + Trim(entry).substr(0, 1), "Job: " + job + " // LOADS (" + entry + ")");
  }
}

}  // namespace corvane
