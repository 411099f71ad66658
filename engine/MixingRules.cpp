// One-fluid van der Waals mixing rules, pressure, temperature and density.

#include <cmath>
#include <cstring>

#include "engine/Globals.h"
#include "engine/NonZeroGases.h"
#include "runtime/Runtime.h"

namespace Globals {
namespace {

// 27 R^2 / 64 and R / 8 for R = 8.314472.
constexpr double kAFactor = 29.164406331987003;
constexpr double kBFactor = 1.039309;

struct PureGasParameters {
  GasMatrix aij{};
  GasTable bi{};
};

// a_ij and b_i depend only on the built-in critical constants, so they are
// formed once, with exactly the operations of a fresh evaluation, and copied.
PureGasParameters formParameters() {
  PureGasParameters p;
  GasTable ai{};
  for (int i = 0; i < NumGases; ++i) {
    ai[i] = ((kAFactor * Tcrit[i]) * Tcrit[i]) / Pcrit[i];
    p.bi[i] = (kBFactor * Tcrit[i]) / Pcrit[i];
  }
  for (int i = 0; i < NumGases; ++i) {
    for (int j = 0; j < NumGases; ++j) {
      double product = ai[i] * ai[j];
      p.aij[i][j] = 0 < product ? std::sqrt(product) : 0.0;
    }
  }
  return p;
}

// The shared tables are filled afresh on every use; when they already hold
// the values bit for bit, as they do unless someone overwrote them, the copy
// is spared.
template <class Table>
void refill(Table& table, const Table& values) {
  if (std::memcmp(&table, &values, sizeof table) != 0) std::memcpy(&table, &values, sizeof table);
}

const PureGasParameters& parameters() {
  static const PureGasParameters p = [] {
    CriticalValues();
    return formParameters();
  }();
  return p;
}

}  // namespace

// The double sum over i and j of (x_i x_j) a_ij, in that order, over the
// gases with a fraction other than 0.
double aMixture(const Composition& x) {
  CriticalValues();
  refill(a, parameters().aij);
  const NonZeroGases gases = nonZeroGases(x);
  double sum = 0.0;
  for (int p = 0; p < gases.count; ++p) {
    const int i = gases.index[p];
    for (int q = 0; q < gases.count; ++q) {
      const int j = gases.index[q];
      sum = sum + (x[i] * x[j]) * a[i][j];
    }
    rt::RuntimeBackgroundTask();
  }
  return sum;
}

double bMixture(const Composition& x) {
  CriticalValues();
  b = parameters().bi;
  double sum = 0.0;
  for (int i = 0; i < NumGases; ++i) sum = sum + x[i] * b[i];
  return sum;
}

double Pressure(const Composition& x, double T, double V) {
  double bmix = bMixture(x);
  if (!(bmix < V)) return 0.0;
  double amix = aMixture(x);
  return (R * T) / (V - bmix) - amix / (V * V);
}

double Temperature(const Composition& x, double P, double V) {
  double bmix = bMixture(x);
  if (!(0 < V)) return 0.0;
  double amix = aMixture(x);
  return ((P * V) * V + amix) * (V - bmix) / ((R * V) * V);
}

double Density(const Composition& x, double V) {
  MolecularMasses();
  double s = 0.0;
  for (int i = 0; i < NumGases; ++i) s = s + x[i] * MM[i];
  return 0 < V ? s / V : 0.0;
}

}  // namespace Globals
