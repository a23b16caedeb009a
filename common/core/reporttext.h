#pragma once
// Pieces of the programs' results reports: the date line's clock and right-aligned fields.
#include <ctime>
#include <string>
#include <vector>

#include "core/textfiles.h"

// The soil of a results report: it selects the pressure columns and the total-reaction line
// (Winkler soil wins when both soils are given).
enum SoilKind { NoSoil = 0, HalfSpaceSoil = 1, WinklerSoil = 2 };

// The clock of a report's date and time (local time by default); tests set their own. A null
// clock restores the default.
using ReportClock = std::tm (*)();
void SetReportClock(ReportClock clock);
// "MM-DD-YYYY" of the clock's date.
std::string ReportDateText();
// "HH:MM:SS" of the clock's time.
std::string ReportTimeText();

// Right-aligns a formatted number in a field of blanks; a text wider than the field drops its
// trailing blanks to fit and, when still wider, widens the field: a number is never cut.
std::string FitField(const std::string& text, size_t width);

// Lines 1 to 6 of a results report, added to the lines: the date line, an empty line, the
// header, an empty line, "--** R E S U L T S  OF  A N A L Y S I S **--" and an empty line. The
// date line is "DATE:   MM-DD-YYYY" from column 58 unless a report has its own.
void AddReportOpening(TextLineArray& lines, const std::string& header);
void AddReportOpening(TextLineArray& lines, const std::string& dateLine, const std::string& header);

// The lines of a results report that follow its last table, from `end` (the line that ends the
// table) to `count`: its totals and remarks, which a document prints after the table. Rules
// (lines that begin with "-") and the empty lines at the start and the end are left out.
std::vector<int> ClosingLines(const TextLineArray& lines, int end, int count);
