#include "corvane/core/textexports.h"

#include "core/jobdata.h"
#include "core/listing.h"
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

std::string JobNamePart() { return JobBaseName(JobSpec); }

namespace {

// The job's geometry file read for its section values and answers, without touching the job data.
void ReadJobSections(int type, Table2D<double>& items, std::vector<std::string>& answers) {
  TextLineArray geometry;
  int g = 0;
  LoadTextLines(JobSpec + ".geo", geometry, 5000, g);
  items.Redim(8, 6);
  answers.assign(8, std::string());
  int s1 = 0, s2 = 0, s3 = 0;
  ReadGeometrySections(geometry, g, type, items, answers, s1, s2, s3);
}

}  // namespace

void PrintedLoadLines(TextLineArray& lines, int n) {
  if (StructureType != "BEAM/STRIP") return;
  Table2D<double> items;
  std::vector<std::string> answers;
  ReadJobSections(GeometryBeamStrip, items, answers);
  if (answers[1] != "Y") return;
  for (int i = 1; i <= n && static_cast<size_t>(i) < lines.size(); ++i) lines[i] = StripLoadLine(lines[i]);
}

bool WriteDataText() {
  TextLineArray out(1), lines;
  int total = 0, n = 0;
  if (!LoadWholeFile(JobSpec + ".GEO", lines, n)) ReportWarning(kGeometryMissingText);
  AppendPart(out, total, lines, n, 0);
  if (!LoadWholeFile(JobSpec + ".SUP", lines, n)) ReportWarning(kSupportMissingText);
  AppendPart(out, total, lines, n, 3);
  const std::string c = LoadCaseLetter();
  if (c.empty() || !LoadWholeFile(JobSpec + ".LD" + c, lines, n)) {
    ReportWarning(kLoadMissingText);
    return false;
  }
  PrintedLoadLines(lines, n);
  AppendPart(out, total, lines, n, 3);
  return SaveTextLines(JobNamePart() + "_DATA.TXT", out, total);
}

bool WriteResultsText() {
  const std::string c = LoadCaseLetter();
  TextLineArray out(1), lines;
  int total = 0, n = 0;
  if (c.empty() || !LoadWholeFile(JobSpec + ".RP" + c, lines, n)) ReportWarning(kResultsMissingText);
  AppendPart(out, total, lines, n, 0);
  if (c.empty() || !LoadWholeFile(JobSpec + ".RW" + c, lines, n)) ReportWarning(kResultsMissingText);
  AppendPart(out, total, lines, n, 3);
  // A tank without roof elements has no roof results: the file ends with the wall's.
  Table2D<double> items;
  std::vector<std::string> answers;
  ReadJobSections(GeometryTank, items, answers);
  if (items.Get(3, 1) >= 1) {
    if (c.empty() || !LoadWholeFile(JobSpec + ".RR" + c, lines, n)) {
      ReportWarning(kResultsMissingText);
      return false;
    }
    AppendPart(out, total, lines, n, 3);
  }
  return SaveTextLines(JobNamePart() + "_RESULTS.TXT", out, total);
}

void RenameJobHeaders(const std::string& newJob) {
  const std::string job = Trim(newJob);
  if (!RewriteFirstLine(job + ".GEO", "Job: " + job + " // GEOMETRY & MAT. PROPERTIES"))
    ReportWarning(kGeometryMissingText);
  if (!RewriteFirstLine(job + ".SUP", "Job: " + job + " // SUPPORTS")) ReportWarning(kSupportMissingText);
  TextLineArray cases;
  int n = 0;
  LoadTextLines(job + ".CAS", cases, 50, n);
  for (int i = 1; i <= n; ++i) {
    const std::string entry = cases[static_cast<size_t>(i)];
    if (Trim(entry).empty()) continue;
    RewriteFirstLine(job + ".LD" + Trim(entry).substr(0, 1), "Job: " + job + " // LOADS (" + entry + ")");
  }
}

}  // namespace corvane
