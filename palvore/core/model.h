#pragma once
// Palvore's structural model of a laterally loaded pile or a one-metre strip of sheet-pile wall:
// the suite's beam kernel with x down the pile from its top (node 1), translations positive to
// the right and rotations positive clockwise, so that rotation = -du/dx (rotation sign -1).
// Element e joins nodes e and e+1; elements 1..nA stand above the soil surface, the nodes
// nA+1..nN are embedded (a half-space numbers them 1..nS, nS = nN - nA).
#include <vector>

#include "core/beamkernel.h"
#include "core/beamsystem.h"
#include "core/reporttext.h"

namespace palvore {

using beamkernel::BandMatrix;
using beamkernel::ElementMatrix;
using beamkernel::EndForceTable;
using beamkernel::SoilEndForces;
using beamkernel::SoilMatrix;
using beamkernel::Vector;

constexpr int kRotationSign = -1;

// What one analysis works on: the prepared pile, its matrices and its results. Kept together so
// that the yield iterations can reuse the elastic parts.
struct PileModel : beamkernel::ContactModel {
  int above = 0;                           // nA (beside nE = elements and nN = nodes = nE + 1)
  bool sheetPile = false;
  double modulus = 0;                      // E (a zero one replaced by 1.0E-10)
  double embedded = 0;                     // embedded length [m]
  Vector width, inertia;                   // per element (beside its length L): B (sheet pile: 20 x embedded length), I
  Vector soilWidth;                        // per element: the width of the soil terms, B or 1.0 (sheet pile)
  Vector depth;                            // per node: distance from the top [m]
  int soilKind = NoSoil;
  Table2D<double> moduli;                  // per element: k at i and j, yield stress at i and j; 0 above the soil
  double soilModulus = 0, soilPoisson = 0;  // half-space Es and nu
  Vector area;                             // half-space, per node: L/2 x (B, or 1.0 for a sheet pile) of its embedded elements
  int equations = 0;
  BandMatrix elementMatrix;                // A0: element bending terms only
  Vector load;                             // system: everything assembled, supports imposed
  bool topFixed = false;
  std::vector<int> supportNodes;           // unyielding nodes
  std::vector<int> fixedFreedoms;          // the top rotation when it is fixed
  int effectiveSprings = 0;
  // Results beside the contact's (soil: Winkler per node 2 columns, half-space nS x nS stiffness).
  EndForceTable endForces;
  Vector surface;  // half-space: the soil surface's displacement under each node [m]
};

// The model's pile without its soil: element terms, springs, the unyielding nodes and the top
// fixity.
beamkernel::BeamStructure Structure(const PileModel& model);
// Adds the Winkler terms of both halves of every embedded element to a cleared soil matrix.
void AddWinklerSoil(const PileModel& model, SoilMatrix& soil);
// Per element the area L_e W_e / 2 that each end of an embedded element carries on the
// half-space (0 above the soil), index 1..nN.
Vector SoilAreas(const PileModel& model);

}  // namespace palvore
