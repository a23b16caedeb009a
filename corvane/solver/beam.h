#pragma once
// A beam or strip of Corvane's job tables analysed by the beam solver in the elastic mode: the
// adapter describes the beam from Corvane's tables (length = item 2; a Winkler modulus k as k at
// both element ends, no yield stress; the other values alike) and runs the analysis of that
// model, which writes the results report <job>.RB<c>.
#include <string>

#include "trabix/core/analysis.h"

namespace corvane {

// Corvane's tables of a beam or strip (JobDataTable, GeometryAnswers, WorkTables[1], the support
// and load tables) into the beam's data: returns 0, or kAnalysisDataRefused with its text in detail.
int FillBeamData(trabix::BeamData& data, std::string& detail);
// FillBeamData, then the elastic analysis of JobSpec and the case; 0 when the report is
// written, else the stop code.
int AnalyseBeam(const std::string& caseName, std::string& detail);

}  // namespace corvane
