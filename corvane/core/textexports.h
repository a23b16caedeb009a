#pragma once
// Corvane's job files as whole text: the current load case's input files joined into
// <name>_DATA.TXT, a tank's result files joined into <name>_RESULTS.TXT (name = the job's name
// without its folder, written to the current directory, the program directory), and the header
// rewrite after "Save Job As". Messages go through ReportHooks.
#include <functional>
#include <string>

#include "core/textfiles.h"

namespace corvane {

// What the reports need of the interface: boxes. An empty hook shows nothing (a question: No).
struct ReportPort {
  // A "WARNING!" box (exclamation icon, OK) with the pointer moved onto it and back.
  std::function<void(const std::string& text, const std::string& caption)> warn;
  // A task-modal information box.
  std::function<void(const std::string& text, const std::string& caption)> inform;
  // A Yes/No question box; 6 Yes, 7 No.
  std::function<int(const std::string& text, const std::string& caption)> ask;
  // The warning tones and the "Error:" + number box captioned "Error Information".
  std::function<void(const std::string& text, const std::string& caption)> error;
};
extern ReportPort ReportHooks;

extern const char* const kGeometryMissingText;  // "Geometry Data File is Missing! Enter the Data!"
extern const char* const kSupportMissingText;   // "Support Data File is Missing! Enter the Data!"
extern const char* const kLoadMissingText;      // "Load Data File is Missing! Enter the Data!"
extern const char* const kResultsMissingText;   // "Results File is Missing! Anylyse the Structure!"

// The job's name without its folder (the base name of JobSpec + ".AAA").
std::string JobNamePart();

// The first character of the trimmed current load case, which ends the extensions of the case's
// load and result files; empty when there is no case.
std::string LoadCaseLetter();
// A "WARNING!" box through ReportHooks.
void ReportWarning(const std::string& text);
// Loads a whole job or result file (up to 10000 lines); false when it is missing or empty.
bool LoadWholeFile(const std::string& file, TextLineArray& lines, int& n);

// The case's load file (lines 1..n) as the data document and its text copy print it: a strip's
// loads in their units per metre (StripLoadLine, core/jobdata.h), a beam's and the plates' as
// they stand.
void PrintedLoadLines(TextLineArray& lines, int n);

// Geometry, three empty lines, supports, three empty lines, the load file of the current case,
// into <name>_DATA.TXT. Missing parts are reported; without the load file nothing is written.
// Returns true when the file was written.
bool WriteDataText();
// A tank's results of the current case: base plate ".RP", wall ".RW" and, when the roof has
// elements, roof ".RR", three empty lines apart, into <name>_RESULTS.TXT. Missing files are
// reported; a missing roof file of a tank with a roof writes nothing.
bool WriteResultsText();
// Line 1 of the geometry, support and every listed load file of newJob names newJob.
void RenameJobHeaders(const std::string& newJob);

}  // namespace corvane
