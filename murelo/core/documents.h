#pragma once
// Murelo's data and results documents, built with the document library: the pages of the job
// files (<job>.GEO, <job>.SUP, <job>.LD<c>) and of the results report <job>.RB<c> of the current
// load case, and their plain-text copies. The program directory is the current directory; the
// boxes around the saving and the preview or printing are the program's (murelo/app).
//
// Each builder prints the lines of its file in "COURIER NEW" 9 pt from x 1.5 cm, 0.45 cm apart,
// each part of the file (base plate, wall stem) under its bookmark and its heading in "Arial"
// 12 pt bold; a page that is full (a line below 27 cm) ends with the footer, and a table's
// continuation on the next page begins with the two lines above its first row. A missing file
// gives pages without lines.
#include <string>

#include "doc/pages.h"

namespace murelo {

// The page routines' profile of Murelo: repeated headings in "COURIER NEW" bold, RGB(0, 128, 128).
PageProfile MureloPages();
// The file-name part of the job specification: the documents are named after it.
std::string DocumentJobName();

// The page builders: each appends its part to the open document `doc`, beginning on a new page
// unless `first`, and closes its last page with the footer.
void PrintGeometryData(int doc, bool first);
void PrintSupportData(int doc, bool first);
void PrintLoadData(int doc, bool first);
void PrintResults(int doc, bool first);

// The open documents (dpStartDoc of "Structure Data" and of "Results", the old file `file`
// deleted first, "" for none) with all their pages; the document number, or the library's error
// (below 1) when it could not be started.
int BuildDataDocument(void* parent, const std::string& file);
int BuildResultsDocument(void* parent, const std::string& file);

// The text copies: the lines of the geometry, support and load file joined in that order; the
// results report copied byte for byte. False when nothing could be written.
bool WriteDataText(const std::string& file);
bool WriteResultsText(const std::string& file);

}  // namespace murelo
