#pragma once
// Engine-internal: what the spinodal and derivative matrices share. Both give
// row and column 0 to the molar volume and row and column p to the present
// gas of present index p (present gases, x_i > 0.0, numbered in ascending
// gas index); the present gas of present index 0 has neither.

#include <array>

#include "engine/Globals.h"
#include "runtime/Runtime.h"

namespace Globals::detail {

// The temperature-independent part of a fluid state (x, V).
struct SpinodalTerms {
  Composition x{};
  int count = 0;                     // N, the number of present gases
  std::array<int, NumGases> gas{};   // gas index by present index
  double a = 0.0, b = 0.0;           // mixture parameters
  double V = 0.0, V2 = 0.0, V3 = 0.0, V4 = 0.0;
  double Vb = 0.0, Vb2 = 0.0, Vb3 = 0.0;  // V - b and its powers
  GasTable S{};  // S_i = sum over present j of 2 x_j a_ji; 0 for absent gases

  // The parts of the spinodal matrix's formulas that do not change with the
  // temperature, each formed exactly as in the formula; by present index.
  std::array<GasTable, NumGases> attraction{};  // -2 a_ij / V
  std::array<GasTable, NumGases> bSum{};        // b_i + b_j
  GasTable bPresent{};                          // b_i
  GasTable xPresent{};                          // x_i
  GasTable SOverV2{};                           // S_i / V^2
  double aOverV3 = 0.0;                         // -2 a / V^3
};

// Calls aMixture (x) and then bMixture (x), which refill Globals::a and
// Globals::b, and forms the terms from them.
SpinodalTerms FormSpinodalTerms(const Composition& x, double V);

// The spinodal matrix at temperature T.
Matrix AssembleSpinodalMatrix(const SpinodalTerms& t, double T);

// The derivative matrix at temperature T (selector as DerivativeMatrix).
Matrix AssembleDerivativeMatrix(int k, const SpinodalTerms& t, double T);

// Fills an N x N matrix: block(i, j) for every pair of present gases but
// the first (rows and columns 1 .. N-1), corner at (0, 0), then edge(i) at
// (0, c) and (c, 0) for each present index c >= 1. The block keeps its
// mirror elements as computed, each by its own call. Without a present gas
// the matrix is empty and nothing is placed.
template <class Block, class Edge>
Matrix PlaceInLayout(const SpinodalTerms& t, Block block, double corner, Edge edge) {
  Matrix Q(t.count, t.count);
  if (t.count == 0) return Q;
  for (int p = 1; p < t.count; ++p) {
    for (int q = 1; q < t.count; ++q) Q(p, q) = block(t.gas[p], t.gas[q]);
    rt::RuntimeBackgroundTask();
  }
  Q(0, 0) = corner;
  for (int c = 1; c < t.count; ++c) {
    double value = edge(t.gas[c]);
    Q(0, c) = value;
    Q(c, 0) = value;
  }
  return Q;
}

}  // namespace Globals::detail
