#pragma once
// The isotropic elastic half-space around a pile: the horizontal displacements that Mindlin's
// solution gives for a horizontal load inside the half-space, integrated over the loaded
// rectangles around each embedded node into the flexibility matrix of the embedded nodes. All in
// extended precision; the factor (1 + nu) / (8 pi Es (1 - nu)) is left to the caller.
#include "palvore/core/model.h"

namespace palvore {

// The integral over eta from e to b of the horizontal displacement, in the direction of a
// horizontal point force at depth c, at the point at depth c + y offset by eta at right angles
// to the force (closed form).
long double HalfSpacePointLoad(long double c, long double b, long double e, long double y, long double nu);
// The same in double.
double HalfSpacePointLoad(double c, double b, double e, double y, double nu);

// The displacement at depth z + dz on the pile's axis due to a unit pressure over the rectangle
// of length a from the node at depth z (downwards for s = +1, upwards for s = -1) and width from
// the inner half-width to b on one side of the axis, from a / 1000 at the surface node (z = 0),
// else from 0. The inner half-width is 0.0005 for a sheet pile, b / 1000 for a pile. A coupling
// (dz not 0) takes the Gauss-Legendre rule that the distance of the integrand's singularities
// asks for (to a relative 1E-13: one to sixteen kernel values); the self term, whose integrand
// is singular at the node, composite Simpson's rule with 100 intervals.
long double HalfSpaceInfluence(long double b, long double z, int s, long double nu, long double a, long double dz,
                               bool sheetPile);

// The flexibility matrix F (nS x nS, nS = nN - nA) of the embedded nodes nA+1..nN of the model
// (lengths, widths, depths, the sheet-pile flag), symmetric by construction: the self terms
// load a third of each adjacent embedded element, the couplings a fifth around the upper node
// with the displacement taken at the lower one; each entry per unit force on one side's area.
void HalfSpaceSoilMatrix(SoilMatrix& f, const PileModel& model, long double nu);

}  // namespace palvore
