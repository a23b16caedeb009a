#pragma once
// Trabix's bending terms: the suite's beam kernel with x to the right, translations downward
// and clockwise rotations, so that rotation = +dv/dx (rotation sign +1).
#include "core/beamkernel.h"

namespace trabix {

using beamkernel::BandMatrix;
using beamkernel::CoupledSystem;
using beamkernel::ElementMatrix;
using beamkernel::EndForceTable;
using beamkernel::SoilEndForces;
using beamkernel::SoilMatrix;
using beamkernel::Vector;

using beamkernel::AddElementMatrix;
using beamkernel::AddNodalSprings;
using beamkernel::AddSoilMatrix;
using beamkernel::AddSoilMatrixFull;
using beamkernel::BandSolve;
using beamkernel::CondensedSolve;
using beamkernel::BorderYieldedNodes;
using beamkernel::CopySoilMatrix;
using beamkernel::ElementEndForces;
using beamkernel::ElementResults;
using beamkernel::ImposeNodeSupports;
using beamkernel::ImposeSupports;
using beamkernel::InvertSoilMatrix;
using beamkernel::kSingularMessage;
using beamkernel::WinklerReactions;
using beamkernel::WinklerSoilMatrix;
using beamkernel::YieldPassLimit;

constexpr int kRotationSign = +1;

inline void ElementStiffness(ElementMatrix& k, double length, double inertia, double modulus) {
  beamkernel::ElementStiffness(k, length, inertia, modulus, kRotationSign);
}
inline void TrapezoidalLoadTerms(int e, double length, double pi, double pj, EndForceTable& fixedEnd, Vector& load) {
  beamkernel::TrapezoidalLoadTerms(e, length, pi, pj, fixedEnd, load, kRotationSign);
}
inline void YieldForceTerms(int e, double length, double pi, double pj, EndForceTable& fixedEnd, Vector& load) {
  beamkernel::YieldForceTerms(e, length, pi, pj, fixedEnd, load, kRotationSign);
}

}  // namespace trabix
