#pragma once
// The beam/strip analysis of one load case: a beam, or a strip taken per metre of its length,
// on unyielding supports, nodal springs, a Winkler foundation or an elastic half-space
// (isotropic or cross-anisotropic). It reads the job files of JobSpec and LoadCaseName, solves,
// and writes the results report <job>.RB<c>; or it stops with a code and writes no report.
// The solver shows nothing itself: the caller turns a stop code into its warning box.
#include <string>
#include <vector>

#include "core/beamsystem.h"
#include "core/globals.h"
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


// What the analysis of a beam is given, each part by name: Trabix reads it from its job files
// and globals (ReadBeamJob); another program fills it from its own tables.
struct BeamData {
  bool strip = false, symmetric = false;  // a strip per metre of its length; the left half of a symmetric job
  bool symmetricLoads = false;            // a symmetric half's loads are symmetric (else antisymmetric)
  double stripWidth = 0;                  // strip: its width [m] (of the modelled half)
  double modulus = 0, poisson = 0, expansion = 0;  // Young's modulus [kPa], Poisson's ratio, thermal expansion
  Table2D<double> elements;  // per element: 1 length [m]; beam: 2 width, 3 thickness; strip: 2 thickness
  // Supports.
  bool leftEdgeFixed = false, rightEdgeFixed = false, unyielding = false, winkler = false;
  bool halfSpace = false, isotropicHalfSpace = false;
  std::vector<int> unyieldingNodes;  // node numbers, as the list gives them
  Table2D<double> springs;           // per node: vertical, rotational spring constant
  Table2D<double> soil;              // Winkler, per element: modulus at i and j [kPa/m], yield stress at i and j
  // The half-space: its surface modulus E' (false when the constants describe no admissible
  // medium) and its yield stress as given (not a number when it was no number).
  bool halfSpaceAdmissible = true;
  long double halfSpaceModulus = 0;
  double halfSpaceYield = 0;
  // Loads.
  double uniformLoad = 0, massDensity = 0;  // [kN/m]; for the self weight [kg/m^3]
  Table2D<double> trapezoidal;              // per element: intensity at i and j [kN/m], downward positive
  Table2D<double> nodalLoads;               // per node: downward force [kN], clockwise moment [kN*m]
  Table2D<double> temperatures;             // per element: temperature change above and below [degrees C]
  int yieldAnalysis = 0;                    // 1 elastic-plastic, 0 elastic
};

// What one analysis works on: its data, the prepared structure, its matrices and its results.
// Kept together so that the yield iterations can reuse the elastic parts.
struct BeamModel : beamkernel::ContactModel {
  BeamData data;
  bool strip = false, symmetric = false, symmetricLoads = false;
  double modulus = 0, poisson = 0, expansion = 0;
  Vector width, inertia, depth;          // per element (beside its length L): b, bending stiffness factor, h
  Vector x;                              // node abscissae
  int soilKind = 0;                      // SoilKind
  SoilMatrix flexibility;                // half-space flexibility (not yet divided by pi E')
  long double soilModulus = 0;           // E' of the half-space
  double capacity = 0;                   // capacity of the soil [kN]
  bool capacityKnown = true;             // Winkler: false when some end never yields (y <= 0)
  int equations = 0;
  BandMatrix elementMatrix;              // element bending terms only
  Vector load;                           // system: everything assembled, supports imposed
  std::vector<int> supportNodes;         // unyielding nodes (with an antisymmetric axis)
  std::vector<int> fixedFreedoms;        // fixed edge rotations and a symmetric axis
  int effectiveSprings = 0;
  // Results beside the contact's; its contact state after the elastic-plastic iteration:
  // half-space per node 1..n, Winkler per element half (2e-1 next to node i, 2e next to node j); 1 yielded.
  EndForceTable endForces;
  bool zeroModulus = false;
  Vector surface;  // half-space: soil surface displacement under each node [m]
};

// AnalyseLoadCase keeping what the analysis worked on (passes, contact states, results).
int AnalyseLoadCase(BeamModel& model);
// The same of load case caseName of job `job` in the mode given (0 elastic, 1 elastic-plastic):
// its job files read through the globals into the model, then AnalysePreparedBeam.
int AnalyseJobCase(BeamModel& model, const std::string& job, const std::string& caseName, int mode);
// The analysis of model.data as load case caseName of job `job`: the structure prepared
// (PrepareStructure), then AnalysePreparedBeam. Another program that fills the data from its own
// tables analyses its beam through it.
int AnalyseBeamData(BeamModel& model, const std::string& job, const std::string& caseName);
// The steps after PrepareStructure: soil, assembly, loads, solution, the yield iteration in the
// elastic-plastic mode, end forces and the results report of job `job` and load case caseName.
// It reads the model only: the mode may come back elastic (yieldAnalysis 0) when the soil has no
// yield stress.
int AnalysePreparedBeam(BeamModel& model, const std::string& job, const std::string& caseName);

// Driver steps, in order; each returns kSolverDone or a stop code.
int ReadBeamJob(BeamModel& model);         // ReadBeamFiles, then PrepareBeamModel
int ReadBeamFiles();                       // the job files of JobSpec and LoadCaseName into the globals
int ReadBeamFiles(const std::string& job, const std::string& caseName);  // those of job and case
void ReadBeamData(BeamData& data);         // the global tables and YieldAnalysis into the data
int PrepareBeamModel(BeamModel& model);    // ReadBeamData, then PrepareStructure
int PrepareStructure(BeamModel& model);    // the structure of model.data checked and prepared
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
