#pragma once
// The elastic half-space under a circular plate: each contact node stands for an annulus (from
// the midpoint to its inner neighbour to the midpoint to its outer one; the first and last node
// end at their own radius) that carries a uniform pressure. The settlements of those pressures
// (Boussinesq's disk solutions) give the flexibility; its inverse, scaled by the annulus areas and
// symmetrised, is the soil's stiffness on the nodes' vertical freedoms.
#include <string>
#include <vector>

namespace corvane {

// Surface settlement times E' at radius r of a unit pressure on a disk of radius c.
double DiskSettlement(double c, double r);

// The annuli of nodes 1..n at radii radius[1..n]: inner and outer edge of each.
void ContactAnnuli(const std::vector<double>& radius, int n, std::vector<double>& inner, std::vector<double>& outer);

// The soil stiffness of the nodes (index 0..n-1 for nodes 1..n) per radian of the circle, for the
// surface modulus E' (E / (1 - nu^2) of an isotropic soil); false when the flexibility is singular.
bool HalfSpaceStiffness(const std::vector<double>& radius, int n, double modulus, std::vector<std::vector<double>>& s);

}  // namespace corvane
