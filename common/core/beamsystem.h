#pragma once
// The equations and the soil-contact iterations of the beam-type solvers (beams and strips,
// piles), on the beam kernel: the system of a structure and its soil assembled in the shape the
// soil gives it, one symmetric solution for either shape, and the elastic-plastic iterations of
// a Winkler soil and of an elastic half-space over a range of contact nodes. A program hands in
// its structure and soil as a small profile (data, and the few numbers that differ); every
// outcome is an enum that the program turns into its own stop codes and messages.
#include <utility>
#include <vector>

#include "core/beamkernel.h"

namespace beamkernel {

// The structure without its soil: element terms (rows 1..2 x nodes, half band 4), nodal springs
// (per node: translation, rotation constant), freedoms held at 0 (fixed rotations, a symmetry
// axis) and unyielding nodes (their translations held at 0).
struct BeamStructure {
  int nodes = 0;
  const BandMatrix* elements = nullptr;
  const Table2D<double>* springs = nullptr;
  const std::vector<int>* fixedFreedoms = nullptr;
  const std::vector<int>* supportNodes = nullptr;
};

// Clears the loads of all imposed freedoms (fixed freedoms and unyielding translations).
void ClearImposedLoads(const BeamStructure& structure, Vector& load);

// A symmetric system in the shape of its soil: a narrow band (springs or a Winkler soil: a
// freedom couples with the next three), or, on a half-space that couples every contact
// translation with every other, the compact band plus dense block of CoupledSystem. Its storage
// serves one solution after another.
class BeamSystem {
 public:
  bool IsCoupled() const { return coupled_; }
  int Equations() const { return coupled_ ? compact_.Equations() : band_.Rows(); }
  // Takes the shape of a band or of the compact form, whose storage is returned for filling
  // (the other's is kept for later).
  BandMatrix& UseBand() {
    coupled_ = false;
    return band_;
  }
  CoupledSystem& UseCompact() {
    coupled_ = true;
    return compact_;
  }
  BandMatrix& Band() { return band_; }
  CoupledSystem& Compact() { return compact_; }

 private:
  bool coupled_ = false;
  BandMatrix band_;
  CoupledSystem compact_;
};

// The band system: element terms, the Winkler soil matrix when given (per node its own term and
// its coupling with the next node, at the translations), springs, fixities and unyielding
// nodes. effectiveSprings (when given) := the spring constants above 1.0.
void AssembleBandSystem(const BeamStructure& structure, const SoilMatrix* winkler, BeamSystem& out,
                        int* effectiveSprings = nullptr);
// The half-space system: the contact nodes first .. first + c - 1 have soil index 1..c, and
// `order` (1..c + Y) lays the soil matrix out for Y bordered yielded nodes (see
// BorderedPositions): position t stands for soil index order[t], 0 for an emptied one; position
// c + k is the border unknown 2 x nodes + k. Element terms, the soil so read, springs, fixities
// and unyielding nodes.
void AssembleHalfSpaceSystem(const BeamStructure& structure, const SoilMatrix& soil, int first,
                             const std::vector<int>& order, BeamSystem& out, int* effectiveSprings = nullptr);

// b := A^-1 b for either shape (the band by BandSolve, the compact form by CondensedSolve), the
// pivots tested by SingularPivot. A is consumed (solve it once); b is untouched when singular.
SolveStatus SolveSymmetric(BeamSystem& a, Vector& b);

// The positions of a soil matrix whose yielded nodes are bordered (see BorderYieldedNodes)
// without forming it: status per soil index 1..c (1 yielded); order[t] (t = 1..c + Y) the soil
// index whose row stands at position t, 0 for a yielded node's emptied one.
std::vector<int> BorderedPositions(const std::vector<int>& status, int c);

// ---------------------------------------------------------------------------------------------
// The elastic-plastic iterations

enum class ContactOutcome {
  kSettled,          // the contact state holds
  kPassLimit,        // the iteration did not settle within its pass limit, came round to a state it had left, or
                     // ended in a state that breaks the soil's law
  kTooFewInContact,  // at most two nodes or halves stay in elastic contact, and nothing else holds
  kSingular,         // a pass's system is singular or its solution not finite
};

// What an iteration starts from and leaves, in the caller's own model: the displacements, the
// contact pressures (half-space: per node, the total soil force at nodes + 1; Winkler: per element
// end 2e-1 and 2e, the total at 2 x nodes), the soil end forces and the element fixed-end terms
// (Winkler: with the yield loads); the passes made and the contact state at the end (half-space
// per node, Winkler per element half; 1 yielded), and (when asked for) the soil surface's
// displacement under each node (half-space).
struct ContactState {
  Vector& u;
  Vector& pressures;
  SoilEndForces& soilEnd;
  EndForceTable& fixedEnd;
  int& passes;
  std::vector<int>& status;
  Vector* surface;
};

// The program's stop code of an outcome: kSolverDone (0), kStopIterationUnstable for the pass
// limit, kStopSystemUnstable otherwise.
int StopCodeOf(ContactOutcome outcome);

// A structure on an elastic half-space: the contact nodes first .. first + count - 1 and their
// count x count soil stiffness; per element e (1..nodes - 1) the area L_e w_e / 2 that each of
// its ends carries (0 off the soil); the soil's yield stress; whether springs or unyielding
// nodes hold the structure without the soil; the loads before the imposed freedoms were cleared.
struct HalfSpaceContact {
  BeamStructure structure;
  int first = 1, count = 0;
  const SoilMatrix* soil = nullptr;
  Vector part;
  double yieldStress = 0;
  bool otherwiseSupported = false;
  const Vector* keptLoad = nullptr;
};

// The soil's reactions to a solution u without yielded nodes: each contact node's pressure (its
// soil force over its area: part of the element before it and of the element after it), the
// total soil force at nodes + 1, and the soil end forces (p_e A_e, p_{e+1} A_e) of the contact
// elements.
void HalfSpaceReactions(const HalfSpaceContact& c, const Vector& u, Vector& pressures, SoilEndForces& soilEnd);

// One pass's pressures of a solution u (2 x nodes freedoms, then the border unknowns) with the
// soil laid out by `order` (BorderedPositions): the soil forces R = S v (v the contact
// translations, then the border unknowns), each contact node's pressure R over its area, the
// total of all R at nodes + 1, every yielded node (status per node) at its signed yield pressure;
// the soil end forces (p_e A_e, p_{e+1} A_e) and the soil surface displacement under each node
// (its translation, or its border unknown).
void HalfSpacePassPressures(const HalfSpaceContact& c, const std::vector<int>& order, const Vector& u,
                            const std::vector<int>& status, const Vector& yieldPressure, Vector& pressures,
                            SoilEndForces& soilEnd, Vector& surface);

// The half-space yield iteration after the elastic solution (state: its displacements,
// pressures and soil end forces): a node whose pressure reaches the yield stress carries exactly
// that from then on, its translation loosed from the soil, which takes the yield force at a
// border unknown of its own; passes repeat while pressures change, within YieldPassLimit(count)
// passes, and a yielded node that the structure has left lets go of half its pressure. A state
// that settles so ends the iteration only when it obeys the soil's law at every contact node
// (elastic nodes below the yield stress, yielded ones slipping against their pressure); else the
// passes go on. `system` is the storage of every pass.
ContactOutcome HalfSpaceYieldIteration(const HalfSpaceContact& c, BeamSystem& system, ContactState& state);

// A structure on a Winkler soil: the contact elements first .. elements (their lengths, the
// widths of their soil terms, and per element k_i, k_j, yield stress at i and j); the rotation
// sign of the kernel; the loads and fixed-end terms of the loads alone.
struct WinklerContact {
  BeamStructure structure;
  int first = 1, elements = 0;
  const Vector* length = nullptr;
  Vector width;
  const Table2D<double>* moduli = nullptr;
  int rotationSign = 1;
  bool otherwiseSupported = false;
  const Vector* keptLoad = nullptr;
  const EndForceTable* keptFixedEnd = nullptr;
};

// The Winkler yield iteration after the elastic solution (state: its displacements and the
// element-end pressures): at every pass each element half decides anew from the trial pressure
// k u of its end: one that reaches its end's yield stress carries the stepwise load of that
// stress with the trial's sign, one below it is elastic (see HalfState). Passes repeat until the
// solution keeps the state it was solved with, within one pass per contact half; a state met
// again stops the iteration, and so does a final state that breaks the soil's law. After at least
// one pass the soil end forces and the total come from ElementResults.
ContactOutcome WinklerYieldIteration(const WinklerContact& c, BeamSystem& system, ContactState& state);

// What a program's model offers the contact and the yield iterations: its size, its elements'
// lengths, its soil stiffness and yield stress, the assembled system (the passes' storage), the
// loads and fixed-end terms of the loads alone, whether springs or unyielding nodes hold it
// without the soil, and the results the iterations carry on (displacements, pressures, soil
// end forces, fixed-end terms, passes and contact states). A program's model derives from it.
struct ContactModel {
  int nodes = 0, elements = 0;
  Vector length;                   // per element
  SoilMatrix soil;                 // Winkler: per node 2 columns; half-space: the contact nodes' stiffness
  double yieldStress = 0;          // half-space
  BeamSystem system;
  Vector keptLoad;                 // the loads before the imposed freedoms were cleared
  EndForceTable fixedEnd, keptFixedEnd;  // keptFixedEnd: of the loads alone, before any yield terms
  bool otherwiseSupported = false;
  Vector u, pressures;
  SoilEndForces soilEnd;
  int yieldPasses = 0;
  std::vector<int> yieldStatus;
};

// The contact and the iterations on a program's model; each returns the stop code
// (StopCodeOf). The program gives what differs: its structure, where its contact begins, the
// areas or widths of its soil terms, its moduli and rotation sign, and where the soil surface's
// displacements go (nullptr: nowhere).
HalfSpaceContact HalfSpaceContactOf(const ContactModel& m, const BeamStructure& structure, int first, Vector part);
int HalfSpaceYieldIterationOf(ContactModel& m, const BeamStructure& structure, int first, Vector part, Vector* surface);
int WinklerYieldIterationOf(ContactModel& m, const BeamStructure& structure, int first, Vector width,
                            const Table2D<double>& moduli, int rotationSign);

}  // namespace beamkernel
