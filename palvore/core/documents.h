#pragma once
// Palvore's data and results documents: the job files and the results report of the current
// load case drawn line by line, as they stand, at fixed places in fixed fonts, with a page
// title, a bookmark, page footers and page breaks at fixed depths. The program begins the
// document (dpStartDoc), calls the page builders and ends it; the builders only draw.
#include <string>

#include "doc/pages.h"

namespace palvore {

// "PILE/SHEET-PILE": the title of the documents' headers.
extern const char* const kStructureTitle;

// The page layout: footer at depth 28 (page number ending at 18, "of" at 18.2, the count at
// 18.8, Times New Roman 10 italic), A4 pages, continued pages from depth 2, lines 0.5 apart,
// repeated table headings in bold COURIER NEW of the table heading colour.
PageProfile PalvorePages();

// The data document: the geometry pages on the page the document has open, then the support
// and the load pages, each on pages of their own. They read <job>.GEO, .SUP and .LD<c> of
// JobSpec and LoadCaseName (refreshing Geometry, Supports and Loads); a missing file draws the
// pages' titles and footers without its lines.
void PrintGeometryData(int doc);
void PrintSupportData(int doc);
void PrintLoadData(int doc);
// The results document: the results report <job>.RB<c> on the page the document has open.
void PrintResults(int doc);

// Whether the load case has a results report to show: <job>.RB<c> exists and its force table
// has at least 2 rows.
bool ResultsReportPresent(const std::string& job, const std::string& loadCase);

}  // namespace palvore
