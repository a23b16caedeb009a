#pragma once
// The pile or sheet-pile analysis of one load case: a pile on unyielding nodes, nodal springs, a
// top fixed against rotation, a Winkler soil or an isotropic elastic half-space, elastic or
// elastic-plastic. It reads the job files of JobSpec and
// LoadCaseName, solves, and writes the results report <job>.RB<c>; or it stops with a code and
// writes no report. The solver shows nothing itself: the caller turns a stop code into its
// warning (SolverWarningFor).
#include <string>
#include <vector>

#include "core/solverstops.h"
#include "palvore/core/model.h"

namespace palvore {

// Outcomes of AnalyseLoadCase: these, or a stop code (kStop...): 1 the iteration does not
// settle, 2 the system is unstable, 6 the report cannot be written.
enum SolverOutcome {
  kSolverNoJob = -1,  // no geometry section or no load case: ends silently
  kSolverDone = 0,    // the results report is written
};

// The warning of a stop: code 1 and 6 have their own texts and the higher tones; any other code
// gives "The SYSTEM is Unstable!" with the low tones. Nothing for kSolverDone and kSolverNoJob.
SolverWarningData SolverWarningFor(int code);

// Analyses the current load case of the current job (globals JobSpec and LoadCaseName) in the
// mode given by YieldAnalysis. The case's old results report is deleted first, so that a stop
// leaves none behind. Returns a SolverOutcome or a stop code.
int AnalyseLoadCase();
// The same keeping what the analysis worked on.
int AnalyseLoadCase(PileModel& model);
// The same of load case caseName of job `job`.
int AnalyseLoadCase(PileModel& model, const std::string& job, const std::string& caseName);

// Driver steps, in order; each returns kSolverDone or a stop code.
int ReadPileJob(PileModel& model);       // job files into the globals, the model prepared
int ReadPileJob(PileModel& model, const std::string& job, const std::string& caseName);  // of that job and case
int FormSoilMatrices(PileModel& model);  // Winkler soil matrix or half-space stiffness (mode 0 when fy <= 0.01)
void AssembleSystem(PileModel& model);   // elements, soil, springs, unyielding nodes, top fixity
void FormLoadVector(PileModel& model);   // trapezoidal and nodal loads
int SolveElastic(PileModel& model);      // one solution
void SoilReactions(PileModel& model);    // pressures, soil end forces and the total soil force
// then, in the elastic-plastic mode, YieldIteration (palvore/core/yielditeration.h)
void FormEndForces(PileModel& model);    // element end forces from the displacements
int WriteResults(const PileModel& model, const std::string& job, const std::string& caseName);  // the results report

}  // namespace palvore
