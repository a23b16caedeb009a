#pragma once
// The meridian of a tank's shell roof and the z-components of its elements. Coordinates are
// measured from the wall top: r radially from the tank axis, z upwards; the wall top is the point
// (rw, 0). The roof runs from its inner radius ri to its outer radius ro.
//
//   cone:                 the line through (x1, z1) and (rw, 0): z(r) = z1 (rw - r) / (rw - x1);
//   dome with radius R:   the circle centred on the axis through the wall top:
//                         z(r) = sqrt(R^2 - r^2) - sqrt(R^2 - rw^2);
//   dome without radius:  the circle centred on the axis through (x1, z1) and the wall top:
//                         zc = (x1^2 + z1^2 - rw^2) / (2 z1), R^2 = rw^2 + zc^2, z(r) = zc + sqrt(R^2 - r^2).
//
// The nodes are r0 = ri, rk = rk-1 + xk; the z-component of element k is z(rk-1) - z(rk): the
// roof falls toward the wall, so every component is 0 or more.
#include <string>
#include <vector>

namespace corvane {

enum RoofShellKind { DomeRoof = 1, ConeRoof = 2 };

struct RoofShellShape {
  int kind = DomeRoof;
  double x1 = 0, z1 = 0;  // the first point
  double rw = 0;          // wall radius (the second point is the wall top)
  double radius = 0;      // dome radius; 0 or less: the dome goes through the first point
};

// The checks of the roof shell form on its points (outer radius ro of the roof): false when the
// first point lies off the roof, the wall top outside the roof or on the first point, or the
// first point on the wrong side of the wall top.
bool RoofShellPointsValid(double x1, double z1, double rw, double ro);
// True when the shape gives a meridian over the whole roof that falls toward the wall: a dome
// without radius needs z1 other than 0 and its centre not above the wall top; the dome's circle
// must reach the roof's outer radius (and the wall top).
bool RoofShellShapeValid(const RoofShellShape& shape, double ro);
// Height of the meridian above the wall top at radius r.
double MeridianHeight(const RoofShellShape& shape, double r);
// The z-components of the elements whose x-components are given, the first node at ri.
std::vector<double> RoofShellZComponents(const RoofShellShape& shape, double ri, const std::vector<double>& x);

// Applies an accepted roof shell form (FieldTexts 1..7) to the roof's shell table in CellTexts
// (rows 1..rows; value column 1 = CellTexts column 2 the x-components, value column 2 = column 3
// the z-components). "UNIFORM" first sets every x-component to (ro - ri) / NR; otherwise the
// x-components must add up to ro - ri within 0.001 of it. The cells are written with the shell
// table's mask "0.0000E+#". Returns "" when done, else the message of the refusal (nothing is
// changed then).
std::string ApplyRoofShell(int rows);

}  // namespace corvane
