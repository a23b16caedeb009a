#pragma once
// A second method for the Winkler yield iterations of the tests: a beam on Winkler halves
// assembled on its own (Hermite beam elements, each half's soil integrated by Gauss points with
// linear translations, a yielded half's load integrated the same way) and solved by load steps,
// each iterated to a state that obeys the soil's law: a half is yielded, with the sign of its
// end's trial pressure k u, when that reaches the yield stress, and elastic otherwise.
// Rotations are du/dx; moments their work partners.
#include <algorithm>
#include <cmath>
#include <vector>

namespace densewinkler {

struct Element {
  double length = 1, stiffness = 1;  // L, E I
  bool soil = false;
  double width = 1, ki = 0, kj = 0, fi = 0, fj = 0;  // soil width w, moduli and yield stresses at i and j
};

struct Beam {
  std::vector<Element> elements;     // element e joins nodes e and e + 1 (0-based)
  std::vector<double> force, moment;  // per node
  std::vector<int> held;              // freedoms held at 0: 2 i the translation, 2 i + 1 the rotation of node i
};

struct Solution {
  bool settled = false;
  std::vector<double> u;   // per freedom
  std::vector<int> state;  // per half (2 e next to node e, 2 e + 1 next to node e + 1): 0, +1 or -1
};

namespace detail {

// Solves a x = b for a matrix whose couplings reach `band` freedoms off the diagonal, by
// elimination without pivoting (the systems here are positive definite).
inline std::vector<double> SolveBand(std::vector<std::vector<double>> a, std::vector<double> b, int band) {
  const int n = static_cast<int>(b.size());
  for (int i = 0; i < n; ++i) {
    for (int r = i + 1; r <= std::min(n - 1, i + band); ++r) {
      const double f = a[r][i] / a[i][i];
      if (f == 0) continue;
      for (int c = i; c <= std::min(n - 1, i + band); ++c) a[r][c] -= f * a[i][c];
      b[r] -= f * b[i];
    }
  }
  for (int i = n - 1; i >= 0; --i) {
    double s = b[i];
    for (int c = i + 1; c <= std::min(n - 1, i + band); ++c) s -= a[i][c] * b[c];
    b[i] = s / a[i][i];
  }
  return b;
}

inline std::vector<double> Solve(const Beam& beam, const std::vector<int>& state, double factor) {
  const int nodes = static_cast<int>(beam.elements.size()) + 1, n = 2 * nodes;
  std::vector<std::vector<double>> a(n, std::vector<double>(n, 0.0));
  std::vector<double> b(n, 0.0);
  for (int i = 0; i < nodes; ++i) {
    b[2 * i] = factor * beam.force[i];
    b[2 * i + 1] = factor * beam.moment[i];
  }
  // Three Gauss points on [0, 1].
  const double gx[3] = {0.5 - std::sqrt(0.15), 0.5, 0.5 + std::sqrt(0.15)}, gw[3] = {5.0 / 18, 8.0 / 18, 5.0 / 18};
  for (size_t e = 0; e < beam.elements.size(); ++e) {
    const Element& el = beam.elements[e];
    const double l = el.length, c = el.stiffness / (l * l * l);
    const double k[4][4] = {{12, 6 * l, -12, 6 * l},
                            {6 * l, 4 * l * l, -6 * l, 2 * l * l},
                            {-12, -6 * l, 12, -6 * l},
                            {6 * l, 2 * l * l, -6 * l, 4 * l * l}};
    const int d[4] = {static_cast<int>(2 * e), static_cast<int>(2 * e + 1), static_cast<int>(2 * e + 2),
                      static_cast<int>(2 * e + 3)};
    for (int r = 0; r < 4; ++r)
      for (int s = 0; s < 4; ++s) a[d[r]][d[s]] += c * k[r][s];
    if (!el.soil) continue;
    for (int half = 0; half < 2; ++half) {
      const int h = state[2 * e + half];
      const double f = half == 0 ? el.fi : el.fj;
      for (int g = 0; g < 3; ++g) {
        const double xi = 0.5 * (half + gx[g]), w = 0.5 * gw[g] * l;
        if (h == 0) {
          const double kx = (el.ki + (el.kj - el.ki) * xi) * el.width;
          const double n0 = 1 - xi, n1 = xi;
          a[d[0]][d[0]] += w * kx * n0 * n0;
          a[d[0]][d[2]] += w * kx * n0 * n1;
          a[d[2]][d[0]] += w * kx * n0 * n1;
          a[d[2]][d[2]] += w * kx * n1 * n1;
        } else {
          const double q = -h * f * el.width;  // the yielded soil resists the motion
          const double hn[4] = {1 - 3 * xi * xi + 2 * xi * xi * xi, l * (xi - 2 * xi * xi + xi * xi * xi),
                                3 * xi * xi - 2 * xi * xi * xi, l * (xi * xi * xi - xi * xi)};
          for (int r = 0; r < 4; ++r) b[d[r]] += w * q * hn[r];
        }
      }
    }
  }
  for (int r : beam.held) {
    for (int c = 0; c < n; ++c) a[r][c] = a[c][r] = 0.0;
    a[r][r] = 1.0;
    b[r] = 0.0;
  }
  return SolveBand(a, b, 3);
}

// A half that was yielded the same way stays so within 0.1 % below the yield stress, the
// tolerance within which the solvers count a half as at it.
inline std::vector<int> Decide(const Beam& beam, const std::vector<double>& u, const std::vector<int>& was) {
  std::vector<int> state(2 * beam.elements.size(), 0);
  for (size_t e = 0; e < beam.elements.size(); ++e) {
    const Element& el = beam.elements[e];
    if (!el.soil) continue;
    for (int half = 0; half < 2; ++half) {
      const double k = half == 0 ? el.ki : el.kj, f = half == 0 ? el.fi : el.fj;
      const double trial = k * u[2 * (e + half)];
      const int before = was[2 * e + half];
      if (f > 0 && std::fabs(trial) >= f) state[2 * e + half] = trial > 0 ? 1 : -1;
      else if (f > 0 && before * trial > 0 && std::fabs(trial) >= f * (1 - 0.001)) state[2 * e + half] = before;
    }
  }
  return state;
}

}  // namespace detail

// Load steps of 1 / steps, each halved (down to a 4096th of it) where the iteration of the
// step does not settle. The halves' law depends on the translations of their ends alone, so a
// load path may meet a step that no state carries; then the whole load is taken at once from the
// elastic state.
inline Solution SolveBeam(const Beam& beam, int steps = 40, int iterations = 200) {
  Solution s;
  s.state.assign(2 * beam.elements.size(), 0);
  double reached = 0, step = 1.0 / steps;
  while (reached < 1) {
    const double target = std::min(1.0, reached + step);
    std::vector<int> state = s.state;
    std::vector<double> u;
    bool settled = false;
    for (int i = 0; i < iterations && !settled; ++i) {
      u = detail::Solve(beam, state, target);
      const std::vector<int> next = detail::Decide(beam, u, state);
      settled = next == state;
      state = next;
    }
    if (!settled) {
      step /= 2;
      if (step < 1.0 / (4096.0 * steps)) return steps > 1 ? SolveBeam(beam, 1, iterations) : s;
      continue;
    }
    s.u = u;
    s.state = state;
    reached = target;
  }
  s.settled = true;
  return s;
}

}  // namespace densewinkler
