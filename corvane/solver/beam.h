#pragma once
// A beam or strip of Corvane's job tables analysed by Trabix's solver in the elastic mode: the
// adapter fills Trabix's tables from Corvane's (length = item 2; a Winkler modulus k as k at
// both element ends, no yield stress; the other values alike) and runs Trabix's driver steps,
// which write the results report <job>.RB<c>.
#include <string>

namespace corvane {

// Corvane's tables of a beam or strip (JobDataTable, GeometryAnswers, WorkTables[1], the support
// and load tables) into Trabix's: returns 0, or kAnalysisDataRefused with its text in detail.
int FillBeamTables(std::string& detail);
// FillBeamTables, then Trabix's elastic analysis of JobSpec and the case; 0 when the report is
// written, else the stop code.
int AnalyseBeam(const std::string& caseName, std::string& detail);

}  // namespace corvane
