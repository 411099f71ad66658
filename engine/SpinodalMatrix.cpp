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
  return t;
}

Matrix AssembleSpinodalMatrix(const SpinodalTerms& t, double T) {
  const double RT = R * T;
  const double AVV = -2 * t.a / t.V3 + RT / t.Vb2;
  const GasMatrix& aij = Globals::a;
  const GasTable& bi = Globals::b;
  auto AVi = [&](int i) { return t.S[i] / t.V2 - RT / t.Vb - RT * bi[i] / t.Vb2; };
  auto Aij = [&](int i, int j) {
    double value = -2 * aij[i][j] / t.V + RT * (bi[i] + bi[j]) / t.Vb + RT * bi[i] * bi[j] / t.Vb2;
    if (i == j) value = value + RT / t.x[i];  // ideal mixing
    return value;
  };
  return PlaceInLayout(t, Aij, AVV, AVi);
}

}  // namespace detail

Matrix SpinodalMatrix(const Composition& x, double T, double V) {
  return detail::AssembleSpinodalMatrix(detail::FormSpinodalTerms(x, V), T);
}

}  // namespace Globals
