#include "corvane/solver/system.h"

#include <algorithm>
#include <cmath>

namespace corvane {

void ShellSystem::Size(int nodeCount, int elementCount) {
  nodes = nodeCount;
  element.assign(elementCount + 1, ShellElement());
  ends.assign(elementCount + 1, {0, 0});
  freedom.assign(3 * nodes + 1, {});
  equations = 0;
  spring.assign(3 * nodes + 1, 0.0);
  nodeLoad.assign(3 * nodes + 1, 0.0);
  elementLoad.assign(elementCount + 1, ElementVector{});
  initialForce.assign(elementCount + 1, ElementVector{});
}

int ShellSystem::Free(int f) {
  freedom[f] = {{++equations, 1.0}};
  return equations;
}

void ShellSystem::Share(int f, int g) { freedom[f] = freedom[g]; }

namespace {

// The terms of an element's six freedoms.
std::array<const std::vector<FreedomTerm>*, 6> ElementTerms(const ShellSystem& s,
                                                            const std::vector<std::vector<FreedomTerm>>& freedom, int e) {
  std::array<const std::vector<FreedomTerm>*, 6> t;
  for (int end = 0; end < 2; ++end)
    for (int k = 0; k < 3; ++k) t[3 * end + k] = &freedom[3 * s.ends[e][end] - 2 + k];
  return t;
}

// The freedoms' terms with the equations of the soil block numbered last, the others in their
// order: the block couples its equations fully, and any of them early in the profile would
// reach every column after it. So numbered, the profile is the structure's narrow band with
// one dense corner.
std::vector<std::vector<FreedomTerm>> BlockLast(const ShellSystem& s) {
  std::vector<char> inBlock(s.equations + 1, 0);
  for (int f : s.blockFreedom)
    for (const FreedomTerm& term : s.freedom[f]) inBlock[term.equation] = 1;
  std::vector<int> number(s.equations + 1, 0);
  int next = 0;
  for (int pass = 0; pass < 2; ++pass)
    for (int q = 1; q <= s.equations; ++q)
      if (inBlock[q] == pass) number[q] = ++next;
  std::vector<std::vector<FreedomTerm>> freedom = s.freedom;
  for (auto& terms : freedom)
    for (FreedomTerm& term : terms) term.equation = number[term.equation];
  return freedom;
}

}  // namespace

bool ShellSystem::Solve() {
  const int elements = static_cast<int>(element.size()) - 1;
  if (equations == 0) return false;
  const std::vector<std::vector<FreedomTerm>> freedom = BlockLast(*this);
  // The profile: each column reaches up to the lowest equation it shares an element or a
  // spring with.
  std::vector<int> first(equations + 1);
  for (int j = 1; j <= equations; ++j) first[j] = j;
  auto couple = [&first](const std::vector<const std::vector<FreedomTerm>*>& terms) {
    int low = 1 << 30;
    for (const auto* t : terms)
      for (const FreedomTerm& term : *t) low = std::min(low, term.equation);
    for (const auto* t : terms)
      for (const FreedomTerm& term : *t) first[term.equation] = std::min(first[term.equation], low);
  };
  for (int e = 1; e <= elements; ++e) {
    auto t = ElementTerms(*this, freedom, e);
    couple(std::vector<const std::vector<FreedomTerm>*>(t.begin(), t.end()));
  }
  for (int f = 1; f <= 3 * nodes; ++f)
    if (spring[f] != 0) couple({&freedom[f]});
  if (!block.empty()) {
    std::vector<const std::vector<FreedomTerm>*> terms;
    for (int f : blockFreedom) terms.push_back(&freedom[f]);
    couple(terms);
  }
  ProfileMatrix a;
  a.Shape(first);
  std::vector<double> b(equations + 1, 0.0);
  auto add = [&a](const std::vector<FreedomTerm>& p, const std::vector<FreedomTerm>& q, double k) {
    if (k == 0) return;
    for (const FreedomTerm& tp : p)
      for (const FreedomTerm& tq : q)
        if (tq.equation >= tp.equation) a.At(tp.equation, tq.equation) += tp.factor * tq.factor * k;
  };
  std::vector<ElementMatrix6Holder> stiffness(elements + 1), soil(elements + 1);
  for (int e = 1; e <= elements; ++e) {
    ShellStiffness(element[e], stiffness[e].k);
    ShellSoilStiffness(element[e], soil[e].k);
    auto t = ElementTerms(*this, freedom, e);
    for (int p = 0; p < 6; ++p) {
      for (int q = 0; q < 6; ++q) add(*t[p], *t[q], stiffness[e].k[p][q] + soil[e].k[p][q]);
      for (const FreedomTerm& term : *t[p]) b[term.equation] += term.factor * (elementLoad[e][p] + initialForce[e][p]);
    }
  }
  for (int f = 1; f <= 3 * nodes; ++f) {
    add(freedom[f], freedom[f], spring[f]);
    for (const FreedomTerm& term : freedom[f]) b[term.equation] += term.factor * nodeLoad[f];
  }
  for (size_t p = 0; p < block.size(); ++p)
    for (size_t q = 0; q < block.size(); ++q) add(freedom[blockFreedom[p]], freedom[blockFreedom[q]], block[p][q]);
  // The plate's bending stiffness of short elements outweighs the soil's by many orders: two
  // steps of refinement against residuals summed in extended precision take the solution to
  // what the equations hold, not to what the elimination's rounding leaves of them.
  const ProfileMatrix assembled = a;
  if (!a.Factorise()) return false;
  const std::vector<double> loads = b;
  a.Solve(b);
  std::vector<double> residual;
  for (int step = 0; step < 2; ++step) {
    assembled.Residual(loads, b, residual);
    a.Solve(residual);
    for (int i = 1; i <= equations; ++i) b[i] += residual[i];
  }
  for (int i = 1; i <= equations; ++i)
    if (!std::isfinite(b[i])) return false;
  u.assign(3 * nodes + 1, 0.0);
  for (int f = 1; f <= 3 * nodes; ++f)
    for (const FreedomTerm& term : freedom[f]) u[f] += term.factor * b[term.equation];
  blockForce.assign(block.size(), 0.0);
  for (size_t p = 0; p < block.size(); ++p)
    for (size_t q = 0; q < block.size(); ++q) blockForce[p] += block[p][q] * u[blockFreedom[q]];
  displacement.assign(elements + 1, ElementVector{});
  endForce = soilForce = displacement;
  for (int e = 1; e <= elements; ++e) {
    for (int end = 0; end < 2; ++end)
      for (int k = 0; k < 3; ++k) displacement[e][3 * end + k] = u[3 * ends[e][end] - 2 + k];
    for (int p = 0; p < 6; ++p) {
      double structure = 0, ground = 0;
      for (int q = 0; q < 6; ++q) {
        structure += stiffness[e].k[p][q] * displacement[e][q];
        ground += soil[e].k[p][q] * displacement[e][q];
      }
      soilForce[e][p] = ground;
      endForce[e][p] = structure + ground - elementLoad[e][p] - initialForce[e][p];
    }
  }
  return true;
}

void ToElementAxes(const ShellElement& e, const ElementVector& g, ElementVector& local) {
  const double l = MeridianLength(e), c = (e.rj - e.ri) / l, s = (e.zj - e.zi) / l;
  for (int end = 0; end < 2; ++end) {
    const int o = 3 * end;
    local[o] = c * g[o] - s * g[o + 1];
    local[o + 1] = s * g[o] + c * g[o + 1];
    local[o + 2] = g[o + 2];
  }
}

SectionForces SectionAtEnd(const ShellElement& e, const ElementVector& endForce, bool atJ) {
  ElementVector f;
  ToElementAxes(e, endForce, f);
  const double r = atJ ? e.rj : e.ri;
  SectionForces s;
  if (atJ) {
    s.n = f[3] / r;
    s.q = f[4] / r;
    s.m = -f[5] / r;
  } else {
    s.n = -f[0] / r;
    s.q = -f[1] / r;
    s.m = f[2] / r;
  }
  return s;
}

}  // namespace corvane
