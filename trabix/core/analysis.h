#pragma once
// The beam/strip analysis of one load case: a beam, or a strip taken per metre of its length,
// on unyielding supports, nodal springs, a Winkler foundation or an elastic half-space
// (isotropic or cross-anisotropic). It reads the job files of JobSpec and LoadCaseName, solves,
// and writes the results report <job>.RB<c>; or it stops with a code and writes no report.
// The solver shows nothing itself: the caller turns a stop code into its warning box.
#include <string>
#include <vector>

#include "core/beamsystem.h"
#include "core/solverstops.h"
#include "trabix/core/elementterms.h"
#include "trabix/core/soilmodels.h"

namespace trabix {

// Outcomes of AnalyseLoadCase: kSolverDone, kSolverNoJob or a stop code (kStop...)
// (1 to 6).
enum SolverOutcome {
  kSolverNoJob = -1,  // no geometry file, no "DATA" line or no load case: ends silently
  kSolverDone = 0,    // the results report is written
};

// The warning of a stop: its text (lines joined by CR LF) and its four tones. Code 1, 3, 4, 5
// and 6 have their own texts; any other code gives the text of code 2. What the program shows
// for a stop: the four tones, then a task-modal warning box (exclamation icon, OK) with this
// caption and text, owned by the analysis dialog. Nothing (an empty text, no tones) for
// kSolverDone and kSolverNoJob.
std::string SolverStopMessage(int code);
std::vector<SolverTone> SolverStopTones(int code);
SolverWarningData SolverWarningFor(int code);

// Analyses the current load case of the current job (globals JobSpec and LoadCaseName) in the
// mode given by YieldAnalysis (0 elastic, 1 elastic-plastic). The case's old results report is
// deleted first, so that a stop leaves none behind. Returns a SolverOutcome or a stop code.
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
  double yieldStress = 0, capacity = 0;  // half-space yield stress; capacity of the soil [kN]
  bool capacityKnown = true;             // Winkler: false when some end never yields (y <= 0)
  int equations = 0;
  BandMatrix elementMatrix;              // element bending terms only
  beamkernel::BeamSystem system;         // everything assembled, supports imposed; the passes' storage
  Vector load, keptLoad;                 // keptLoad: before the imposed freedoms were cleared
  EndForceTable fixedEnd, keptFixedEnd;  // keptFixedEnd: of the loads alone, before any yield terms
  std::vector<int> supportNodes;         // unyielding nodes (with an antisymmetric axis)
  std::vector<int> fixedFreedoms;        // fixed edge rotations and a symmetric axis
  int effectiveSprings = 0;
  bool otherwiseSupported = false;
  // Results
  Vector u, pressures;
  EndForceTable endForces;
  SoilEndForces soilEnd;
  bool zeroModulus = false;
  // Elastic-plastic iteration: passes made, and the contact state at its end: half-space per
  // node 1..n, Winkler per element half (2e-1 next to node i, 2e next to node j); 1 yielded.
  int yieldPasses = 0;
  std::vector<int> yieldStatus;
  Vector surface;  // half-space: soil surface displacement under each node [m]
};

// AnalyseLoadCase keeping what the analysis worked on (passes, contact states, results).
int AnalyseLoadCase(BeamModel& model);
// The steps after PrepareBeamModel: soil, assembly, loads, solution, the yield iteration in
// the elastic-plastic mode, end forces and the results report of JobSpec and LoadCaseName
// (the global tables hold the supports and loads). Another program that fills the tables
// from its own files analyses its beam through it.
int AnalysePreparedBeam(BeamModel& model);

// Driver steps, in order; each returns kSolverDone or a stop code.
int ReadBeamJob(BeamModel& model);         // ReadBeamFiles, then PrepareBeamModel
int ReadBeamFiles();                       // the job files of JobSpec and LoadCaseName into the globals
int PrepareBeamModel(BeamModel& model);    // the structure of the global tables prepared
int FormSoilMatrices(BeamModel& model);    // Winkler element matrices or half-space stiffness
void AssembleSystem(BeamModel& model);     // element, soil, springs and supports
void FormLoadVector(BeamModel& model);     // element, nodal and temperature loads
int SolveElastic(BeamModel& model);        // one solution (or the zero-modulus translations)
void SoilReactions(BeamModel& model);      // pressures, soil end forces and total reaction
int YieldIteration(BeamModel& model);      // elastic-plastic mode: the contact iteration
void FormEndForces(BeamModel& model);      // element end forces from the displacements
// The model's structure without its soil: element terms, springs, fixed rotations and the
// symmetry axis, unyielding nodes.
beamkernel::BeamStructure Structure(const BeamModel& model);

}  // namespace trabix
