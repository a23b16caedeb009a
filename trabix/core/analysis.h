#pragma once
// The beam/strip analysis of one load case: a beam, or a strip taken per metre of its length,
// on unyielding supports, nodal springs, a Winkler foundation or an elastic half-space
// (isotropic or cross-anisotropic). It reads the job files of JobSpec and LoadCaseName, solves,
// and writes the results report <job>.RB<c>; or it stops with a code and writes no report.
// The solver shows nothing itself: the caller turns a stop code into its warning box.
#include <string>
#include <vector>

#include "trabix/core/elementterms.h"
#include "trabix/core/soilmodels.h"

namespace trabix {

// Outcomes of AnalyseLoadCase.
enum SolverStop {
  kSolverNoJob = -1,           // no geometry file, no "DATA" line or no load case: ends silently
  kSolverDone = 0,             // the results report is written
  kStopIterationUnstable = 1,  // the yield iteration does not settle within its pass limit
  kStopSystemUnstable = 2,     // the system is a mechanism (singular or nearly so)
  kStopLoadTooLarge = 3,       // 1.1 x the soil reaction exceeds what the soil can carry
  kStopBadJobData = 4,         // the element table is incomplete or a value cannot be analysed
  kStopBadHalfSpace = 5,       // the half-space constants describe no elastic soil
  kStopReportNotWritten = 6,   // the results report cannot be written
  kStopYieldNotBuilt = 9,      // elastic-plastic mode with yielding soil: not available yet
};

// The warning of a stop: its text (lines joined by CR LF) and its four tones.
struct SolverTone {
  int frequency;  // Hz
  int duration;   // ms
};
std::string SolverStopMessage(int code);
std::vector<SolverTone> SolverStopTones(int code);

// Analyses the current load case of the current job (globals JobSpec and LoadCaseName) in the
// mode given by YieldAnalysis (0 elastic, 1 elastic-plastic). The case's old results report is
// deleted first, so that a stop leaves none behind. Returns a SolverStop code.
int AnalyseLoadCase();

// What one analysis works on: the prepared structure, its matrices and its results. Kept
// together so that the yield iterations can reuse the elastic parts.
struct BeamModel {
  int elements = 0, nodes = 0;
  bool strip = false, symmetric = false, symmetricLoads = false;
  double modulus = 0, poisson = 0, expansion = 0;
  Vector length, width, inertia, depth;  // per element: L, b, bending stiffness factor, h
  Vector x;                              // node abscissae
  int soilKind = 0;                      // SoilKind
  SoilMatrix soil;                       // Winkler: per node 2 columns; half-space: n x n stiffness
  SoilMatrix flexibility;                // half-space flexibility (not yet divided by pi E')
  long double soilModulus = 0;           // E' of the half-space
  double yieldStress = 0, capacity = 0;
  int equations = 0, bandWidth = 0;
  BandMatrix elementMatrix;              // element bending terms only
  BandMatrix system;                     // everything assembled, supports imposed
  Vector load, keptLoad;                 // keptLoad: before the imposed freedoms were cleared
  EndForceTable fixedEnd;
  std::vector<int> supportNodes;         // unyielding nodes (with an antisymmetric axis)
  std::vector<int> fixedFreedoms;        // fixed edge rotations and a symmetric axis
  int effectiveSprings = 0;
  bool otherwiseSupported = false;
  // Results
  Vector u, pressures;
  EndForceTable endForces;
  SoilEndForces soilEnd;
  bool zeroModulus = false;
};

// Driver steps, in order; each returns kSolverDone or a stop code.
int ReadBeamJob(BeamModel& model);         // job files into the globals, the model prepared
int FormSoilMatrices(BeamModel& model);    // Winkler element matrices or half-space stiffness
void AssembleSystem(BeamModel& model);     // element, soil, springs and supports
void FormLoadVector(BeamModel& model);     // element, nodal and temperature loads
int SolveElastic(BeamModel& model);        // one solution (or the zero-modulus translations)
void SoilReactions(BeamModel& model);      // pressures, soil end forces and total reaction
void FormEndForces(BeamModel& model);      // element end forces from the displacements

}  // namespace trabix
