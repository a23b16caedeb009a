#pragma once
// The retaining-wall analysis of one load case: the base plate and the wall stem as plate strips
// per metre run, on unyielding supports, nodal springs, a Winkler foundation or an isotropic
// elastic half-space. It reads the job files of JobSpec and LoadCaseName, solves, and writes the
// results report <job>.RB<c>; or it stops with a code and writes no report. The solver shows
// nothing itself: the caller turns a stop code into its tones and warning box.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/solverstops.h"
#include "murelo/core/model.h"

namespace murelo {

// Outcomes of AnalyseLoadCase beside the suite's stop codes 1 to 8 (core/solverstops.h): the
// Winkler soil's iteration stops with codes 7 and 8, and with code 9 when too few nodes stay in
// contact.
constexpr int kSolverNoJob = -1;  // no geometry, no base plate or no load case: ends silently
constexpr int kSolverDone = 0;    // the results report is written
constexpr int kStopSystemUnstableNodeWise = 9;
// The toe length falls on no base-plate node: the stem has no node to stand on. Its text is the
// base plate's geometry message, as the job check asks it.
constexpr int kStopToeOffPlateNodes = 10;

// The text of a stop (lines joined by CR LF) and its four tones; any unknown code gives the text of
// code 2.
std::string SolverStopMessage(int code);
std::vector<SolverTone> SolverStopTones(int code);
// Caption "WARNING!", text and tones of a stop; nothing for kSolverDone and kSolverNoJob.
SolverWarningData SolverWarningFor(int code);

class CondensedWall;

// The structure's stiffness row by row: each unknown couples with a few neighbours only.
class StructureMatrix {
 public:
  void Resize(int n) { rows_.assign(n + 1, {}); }
  int Size() const { return static_cast<int>(rows_.size()) - 1; }
  // The coupling of unknowns r and c (0 until added to).
  double& operator()(int r, int c) {
    for (auto& cv : rows_[r])
      if (cv.first == c) return cv.second;
    rows_[r].emplace_back(c, 0.0);
    return rows_[r].back().second;
  }
  const std::vector<std::pair<int, double>>& Row(int r) const { return rows_[r]; }

 private:
  std::vector<std::vector<std::pair<int, double>>> rows_;
};

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
  SoilMatrix flexibility;  // half-space: F / (pi E_s / (1 - nu_s^2)), the settlements of unit forces
  double soilModulus = 0, soilPoisson = 0, yieldStress = 0, capacity = 0;
  // Per base-plate node: the subgrade modulus of its element halves (their width-weighted mean,
  // Winkler) and the yield stress its soil holds at most (0: it never yields).
  Vector nodeModulus, nodeYield;
  // Per base-plate node: kElasticContact, kYielding or kSeparated.
  std::vector<int> contact;
  // Half-space: the unknown at which each soil index (2i-1 horizontal, 2i vertical of node i)
  // stands in the last system solved, node i's own or, once moved, the soil surface's beyond
  // the wall's unknowns.
  std::vector<int> soilFreedom;
  // Half-space, of the last system solved: the soil indices in contact (whose stiffness is the
  // inverse of their flexibility), the settlement the held forces cause there, and every soil
  // index's force on the plate [kN/m] (upward; 0 where the plate has let go).
  std::vector<int> soilInContact;
  Vector heldSettlement, soilForce;
  int contactPasses = 0;
  // System
  StructureMatrix structure;    // the structure alone (elements, springs, restraints)
  // The structure's couplings and the storage of each pass's elimination.
  std::shared_ptr<CondensedWall> condensed;
  Vector load;                  // with the imposed unknowns' loads cleared
  std::vector<int> imposed;     // unknowns held at 0: the toe restraint and the unyielding nodes
  std::vector<int> unyielding;  // unyielding base-plate nodes
  bool stable = false;          // the supports alone keep the wall from moving as a body
  // Consistent terms of the element loads at (translation i, rotation i, translation j,
  // rotation j): element e's term c at 4(e - 1) + c.
  Vector plateLoads, stemLoads;
  Vector stemVertical;       // per stem element: its vertical load [kN/m]
  Vector stemNodalVertical;  // per stem node: its downward nodal force [kN/m]
  Vector heldLoads;          // base plate, as plateLoads: the soil forces held at the yield stress
  // Results
  Vector x;                  // the solution (beyond the wall's unknowns the moved soil surfaces)
  Vector pressures;          // per base-plate node: contact pressure [kPa]
  Vector horizontalStress;   // per base-plate node: horizontal contact stress [kPa] (half-space)
  double totalReaction = 0;  // [kN/m]
  beamkernel::SoilEndForces soilEnd, soilEndHorizontal;  // soil shares at the base-plate element ends
  beamkernel::EndForceTable plateForces, stemForces;     // the six report columns per element
};

// Contact states of a base-plate node.
constexpr int kElasticContact = 0;
constexpr int kYielding = 1;   // its vertical soil force is held at its yield stress times its width
constexpr int kSeparated = -1; // the plate has let go of the soil there

// Analyses the current load case of the current job (globals JobSpec and LoadCaseName):
// mode 0 elastically, mode 1 elastic-plastically (the soil under the base plate yields or lets go
// of it). The case's old results report is deleted first, so that a stop leaves none behind.
// Returns a SolverStop code.
int AnalyseLoadCase(int mode, WallModel& model);
int AnalyseLoadCase(int mode);

// Driver steps, in order; each returns kSolverDone or a stop code.
int ReadWallGeometry(WallModel& model);     // the geometry file, the stem node, the element values
int ReadWallSupports(WallModel& model);     // the support file and the soil matrices
void AssembleWallSystem(WallModel& model);  // structure, soil and imposed unknowns; stability flag
int FormWallLoads(WallModel& model);        // the load-case list, the load file and the load vector
int SolveWall(WallModel& model);            // one solution of the system in the nodes' contact states
void WallReactions(WallModel& model);       // contact pressures, soil shares and the total reaction
int CheckSoilCapacity(const WallModel& model);  // mode 1: the load the soil can carry at all
int ContactIteration(WallModel& model);     // mode 1: the contact states, solved until they settle
void FormWallEndForces(WallModel& model);   // element end forces of both substructures, cleaned
int WriteWallReport(const WallModel& model);

// The pass limit of the contact iteration over n contact nodes: n, or n / 2 rounded to the
// nearest (a half to even) when n is above 50.
int ContactPassLimit(int nodes);

// One update of the contact states of nodes 1..n from their pressures p; nodes without soil
// (inSoil 0) are left alone. q the nodes' yield stresses (q <= 0 never yields). A pressure
// within 0.1 % of q is q; a positive one below q (any, when q <= 0) is elastic contact; one at q
// or above yields and is held at q (yields + 1); one not above 0 separates, its pressure 0
// (separations + 2, the two unknowns it releases). changes + 1 for every state that changes.
void UpdateContactStatus(const Vector& q, Vector& p, std::vector<int>& status, int n, const std::vector<char>& inSoil,
                         int& yields, int& separations, int& changes);

}  // namespace murelo
