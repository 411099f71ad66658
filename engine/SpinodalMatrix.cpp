// The spinodal matrix: second derivatives of the Helmholtz energy of the van
// der Waals mixture with respect to the molar volume and the mole numbers of
// the present gases but the first, for one mole of mixture.

#include "engine/Globals.h"
#include "engine/SpinodalTerms.h"
#include "runtime/Runtime.h"

namespace Globals {
namespace detail {

SpinodalTerms FormSpinodalTerms(const Composition& x, double V) {
  SpinodalTerms t;
  t.a = aMixture(x);
  t.b = bMixture(x);
  t.x = x;
  for (int i = 0; i < NumGases; ++i) {
    if (x[i] > 0.0) t.gas[t.count++] = i;
  }
  t.V = V;
  t.V2 = V * V;
  t.V3 = t.V2 * V;
  t.V4 = t.V3 * V;
  t.Vb = V - t.b;
  t.Vb2 = t.Vb * t.Vb;
  t.Vb3 = t.Vb2 * t.Vb;
  for (int p = 0; p < t.count; ++p) {
    int i = t.gas[p];
    double sum = 0.0;
    for (int q = 0; q < t.count; ++q) {
      int j = t.gas[q];
      sum = sum + (2 * x[j]) * Globals::a[j][i];
    }
    t.S[i] = sum;
    rt::RuntimeBackgroundTask();
  }
  t.aOverV3 = -2 * t.a / t.V3;
  for (int p = 0; p < t.count; ++p) {
    const int i = t.gas[p];
    t.bPresent[p] = Globals::b[i];
    t.xPresent[p] = x[i];
    t.SOverV2[p] = t.S[i] / t.V2;
    for (int q = 0; q < t.count; ++q) {
      const int j = t.gas[q];
      t.attraction[p][q] = -2 * Globals::a[i][j] / t.V;
      t.bSum[p][q] = Globals::b[i] + Globals::b[j];
    }
  }
  return t;
}

// Every element by its formula, with the temperature-free parts taken from
// the terms:
//   A_VV = -2a/V^3 + RT/(V - b)^2,
//   A_Vi = S_i/V^2 - RT/(V - b) - RT b_i/(V - b)^2,
//   A_ij = -2a_ij/V + RT (b_i + b_j)/(V - b) + RT b_i b_j/(V - b)^2 (+ RT/x_i when i = j).
Matrix AssembleSpinodalMatrix(const SpinodalTerms& t, double T) {
  Matrix Q(t.count, t.count);
  if (t.count == 0) return Q;
  const double RT = R * T;
  for (int p = 1; p < t.count; ++p) {
    const double RTb = RT * t.bPresent[p];
    for (int q = 1; q < t.count; ++q) {
      Q(p, q) = t.attraction[p][q] + RT * t.bSum[p][q] / t.Vb + RTb * t.bPresent[q] / t.Vb2;
    }
    Q(p, p) = Q(p, p) + RT / t.xPresent[p];  // ideal mixing
    rt::RuntimeBackgroundTask();
  }
  Q(0, 0) = t.aOverV3 + RT / t.Vb2;
  const double RTOverVb = RT / t.Vb;
  for (int c = 1; c < t.count; ++c) {
    const double value = t.SOverV2[c] - RTOverVb - RT * t.bPresent[c] / t.Vb2;
    Q(0, c) = value;
    Q(c, 0) = value;
  }
  return Q;
}

}  // namespace detail

Matrix SpinodalMatrix(const Composition& x, double T, double V) {
  return detail::AssembleSpinodalMatrix(detail::FormSpinodalTerms(x, V), T);
}

}  // namespace Globals
