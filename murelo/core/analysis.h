#pragma once
// The retaining-wall analysis of one load case: the base plate and the wall stem as plate strips
// per metre run, on unyielding supports, nodal springs, a Winkler foundation or an isotropic
// elastic half-space. It reads the job files of JobSpec and LoadCaseName, solves, and writes the
// results report <job>.RB<c>; or it stops with a code and writes no report. The solver shows
// nothing itself: the caller turns a stop code into its tones and warning box.
#include <string>
#include <vector>

#include "core/solverstops.h"
#include "murelo/core/model.h"

namespace murelo {

// Outcomes of AnalyseLoadCase beside the suite's stop codes 1 to 8 (core/solverstops.h): the
// Winkler soil's iteration stops with codes 7 and 8, and with code 9 when too few nodes stay in
// contact.
constexpr int kSolverNoJob = -1;  // no geometry, no base plate, no stem node or no load case: ends silently
constexpr int kSolverDone = 0;    // the results report is written
constexpr int kStopSystemUnstableNodeWise = 9;

// The text of a stop (lines joined by CR LF) and its four tones; any unknown code gives the text of
// code 2.
std::string SolverStopMessage(int code);
std::vector<SolverTone> SolverStopTones(int code);
// Caption "WARNING!", text and tones of a stop; nothing for kSolverDone and kSolverNoJob.
SolverWarningData SolverWarningFor(int code);

// What one analysis works on, kept together so that the contact iteration can reuse it.
struct WallModel {
  int plateElements = 0, stemElements = 0;
  int plateNodes = 0, stemNodes = 0;  // N and M
  int stemNode = 0;                   // m, the base-plate node under the stem
  int unknowns = 0;                   // 3N + 2(M - 1)
  double plateWidth = 0;
  double plateModulus = 0, platePoisson = 0, stemModulus = 0, stemPoisson = 0;
  Vector plateLength, plateThickness, plateInertia, plateHalfWidth;  // per base-plate element
  Vector stemLength, stemThickness;                                  // per stem element
  Vector plateX, stemS;  // node distances from the toe and from the stem base [m]
  // Soil
  int soilKind = 0;        // SoilKind: 0 none, 1 half-space, 2 Winkler
  SoilMatrix winkler;      // per node: column 1 its own term, column 2 its coupling with the next
  Table2D<double> moduli;  // per element: subgrade modulus at i and at j
  SoilMatrix flexibility;  // half-space: F / (pi E_s / (1 - nu_s^2)), kept for the iteration
  SoilMatrix halfSpace;    // half-space stiffness of the node pairs (horizontal 2i-1, vertical 2i)
  double soilModulus = 0, soilPoisson = 0, yieldStress = 0, capacity = 0;
  // System
  DenseMatrix structure;        // the structure alone (elements, springs, restraints)
  DenseMatrix system;           // with the soil and the imposed unknowns
  Vector load;                  // with the imposed unknowns' loads cleared
  std::vector<int> imposed;     // unknowns held at 0: the toe restraint and the unyielding nodes
  std::vector<int> unyielding;  // unyielding base-plate nodes
  bool stable = false;          // the supports alone keep the wall from moving as a body
  // Consistent terms of the element loads at (translation i, rotation i, translation j,
  // rotation j): element e's term c at 4(e - 1) + c.
  Vector plateLoads, stemLoads;
  Vector stemVertical;       // per stem element: its vertical load [kN/m]
  Vector stemNodalVertical;  // per stem node: its downward nodal force [kN/m]
  // Results
  Vector x;                  // the solution
  Vector pressures;          // per base-plate node: contact pressure [kPa]
  Vector horizontalStress;   // per base-plate node: horizontal contact stress [kPa] (half-space)
  double totalReaction = 0;  // [kN/m]
  beamkernel::SoilEndForces soilEnd, soilEndHorizontal;  // soil shares at the base-plate element ends
  beamkernel::EndForceTable plateForces, stemForces;     // the six report columns per element
};

// Analyses the current load case of the current job (globals JobSpec and LoadCaseName)
// elastically. The case's old results report is deleted first, so that a stop leaves none
// behind. Returns a SolverStop code.
int AnalyseLoadCase(WallModel& model);
int AnalyseLoadCase();

// Driver steps, in order; each returns kSolverDone or a stop code.
int ReadWallGeometry(WallModel& model);     // the geometry file, the stem node, the element values
int ReadWallSupports(WallModel& model);     // the support file and the soil matrices
void AssembleWallSystem(WallModel& model);  // structure, soil and imposed unknowns; stability flag
int FormWallLoads(WallModel& model);        // the load-case list, the load file and the load vector
int SolveWall(WallModel& model);            // one solution of the assembled system
void WallReactions(WallModel& model);       // contact pressures, soil shares and the total reaction
void FormWallEndForces(WallModel& model);   // element end forces of both substructures, cleaned
int WriteWallReport(const WallModel& model);

}  // namespace murelo
