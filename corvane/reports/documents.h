#pragma once
// Corvane's data and results documents: the job's input files, or the result files of the
// current load case that the outside solver wrote, laid out as paged documents through the
// document library, to preview, print or keep as "<name>_DATA.DDC" / "<name>_RESULTS.DDC" in
// the program directory (the current directory). Boxes go through ReportHooks (textexports.h);
// ending the document (preview or print) through DocumentEnd.
#include <functional>
#include <string>

#include "doc/pages.h"

namespace corvane {

// Ends a document in the output mode: dpEndDoc in the program. Empty: the document is closed
// and its file written without being shown (what the tests read back).
extern std::function<int(int doc, int mode)> DocumentEnd;

// The page layout of Corvane's documents.
PageProfile CorvanePages();

// Output modes 0 and 1 keep the document file and first offer the text file; 4 and 5 keep no
// file. parent owns the preview.
void OutputData(int mode, void* parent);
void OutputResults(int mode, void* parent);

// The sections of the documents, each starting on a new page (but the first) and ending with
// its footer. Missing files are reported and leave their sections out.
void PrintGeometryData(int doc);
void PrintSupportData(int doc);
void PrintLoadData(int doc);
void PrintResults(int doc);

}  // namespace corvane
