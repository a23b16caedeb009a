#pragma once
// The equations of a structure of shell-of-revolution elements: every node freedom (U, V, Theta
// of node i at 3i-2, 3i-1, 3i) is a combination of equation unknowns, so that a freedom can be
// held (no term), shared by two nodes (the same unknown) or tied through a rigid offset (two
// terms). The symmetric system is kept as its profile and solved once.
#include <array>
#include <vector>

#include "corvane/solver/shell.h"

namespace corvane {

struct FreedomTerm {
  int equation;
  double factor;
};

struct ShellSystem {
  // The structure (filled by the caller).
  int nodes = 0;
  std::vector<ShellElement> element;       // 1..elements
  std::vector<std::array<int, 2>> ends;    // the nodes of each element: i, j
  std::vector<std::vector<FreedomTerm>> freedom;  // 1..3 nodes; empty: held at 0
  int equations = 0;
  std::vector<double> spring;              // 1..3 nodes: a spring on the freedom
  std::vector<double> nodeLoad;            // 1..3 nodes: a force on the freedom
  std::vector<ElementVector> elementLoad;  // consistent node loads of each element
  std::vector<ElementVector> initialForce;  // of each element's free strains (see ShellStrainTerms)
  // A dense symmetric soil stiffness coupling the freedoms blockFreedom (an elastic half-space);
  // block[a][b] between blockFreedom[a] and blockFreedom[b].
  std::vector<int> blockFreedom;
  std::vector<std::vector<double>> block;

  // Sizes the tables for the nodes and elements; every freedom held, nothing loaded.
  void Size(int nodeCount, int elementCount);
  // Gives the freedom an unknown of its own; returns its equation.
  int Free(int f);
  // Makes freedom f the same unknown as freedom g (g given its terms already).
  void Share(int f, int g);

  // Results of Solve: the node freedoms; per element its six displacements and its end forces
  // K u + Ks u - loads (node axes), and the soil's part Ks u alone.
  std::vector<double> u;
  std::vector<ElementVector> displacement, endForce, soilForce;
  std::vector<double> blockForce;  // the block's forces on its freedoms
  // Assembles and solves; false for a singular system (nothing else is filled then).
  bool Solve();
};

// The freedom numbers of node i.
inline int FreedomU(int i) { return 3 * i - 2; }
inline int FreedomV(int i) { return 3 * i - 1; }
inline int FreedomTheta(int i) { return 3 * i; }

// End forces of an element in its own axes (meridional, normal, rotation at i, then j).
void ToElementAxes(const ShellElement& e, const ElementVector& nodeAxes, ElementVector& local);

// What a node row shows of the element before it (node 1 of a branch: its first element),
// per unit of circumference: meridional force N (tension positive), shear Q along the normal,
// moment M (tension on the positive face), from the element's end forces.
struct SectionForces {
  double n = 0, q = 0, m = 0;
};
SectionForces SectionAtEnd(const ShellElement& e, const ElementVector& endForce, bool atJ);

}  // namespace corvane
