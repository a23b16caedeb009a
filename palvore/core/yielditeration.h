#pragma once
// The elastic-plastic analysis of a pile: the soil that reaches its yield stress carries no
// more. Winkler soil yields per element half (no pass limit); a half-space yields per node, its
// soil under a yielded node taken as an unknown of its own, within a pass limit, and releases a
// node that the pile has left.
#include "palvore/core/model.h"

namespace palvore {

// Runs after the elastic solution (displacements, pressures and soil end forces of the model)
// and leaves the final ones; kSolverDone, or the stop code 1 (the half-space iteration does not
// settle within its pass limit) or 2 (too few halves or nodes stay in elastic contact, or a
// pass's system is singular).
int YieldIteration(PileModel& model);

}  // namespace palvore
