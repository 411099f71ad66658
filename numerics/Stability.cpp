#include "numerics/Stability.h"

#include <cmath>
#include <vector>

namespace stability {

double SpinodalTemperature(const Composition& x, double V, std::span<const double> starts) {
  double T = 0.0;
  for (double start : starts) {
    T = Globals::SpinDetSolution(x, start, V);
    if (!(T < kLowestTemperature)) return T;
  }
  return 0.0;
}

double ZeroFunction(const Composition& x, double T, double V) {
  if (!(T > 0.0)) return 0.0;
  Globals::Matrix M = Globals::CriticalMatrix(x, T, V);
  return Globals::Det_LU_Decomposition(M);
}

PseudoCriticalPoint PseudoCritical(const Composition& x) {
  PseudoCriticalPoint pc;
  pc.b = Globals::bMixture(x);
  pc.a = Globals::aMixture(x);
  pc.V = 3.0 * pc.b;
  pc.T = (8.0 * pc.a) / ((27.0 * pc.b) * Globals::R);
  pc.P = Globals::Pressure(x, pc.T, pc.V);
  return pc;
}

int PureGas(const Composition& x) {
  int pure = -1;
  for (int i = 0; i < Globals::NumGases; ++i) {
    if (x[i] == 1.0 && pure < 0) {
      pure = i;
    } else if (x[i] != 0.0) {
      return -1;
    }
  }
  return pure;
}

namespace {

// The null vector of Q from its cofactors: at a singular Q of rank n - 1
// every row of the cofactor matrix is a multiple of it; the row of largest
// norm is taken, scaled to a largest element of magnitude 1. Empty when
// every cofactor is 0.
std::vector<double> nullVector(const Globals::Matrix& Q) {
  const Globals::Matrix C = Globals::CofactorMatrix(Q);
  int best = -1;
  double bestNorm = 0.0;
  for (int i = 0; i < C.rows(); ++i) {
    double norm = 0.0;
    for (int j = 0; j < C.cols(); ++j) norm += C(i, j) * C(i, j);
    if (norm > bestNorm) {
      bestNorm = norm;
      best = i;
    }
  }
  if (best < 0 || !std::isfinite(bestNorm)) return {};
  double largest = 0.0;
  for (int j = 0; j < C.cols(); ++j) largest = std::fmax(largest, std::fabs(C(best, j)));
  std::vector<double> u(static_cast<std::size_t>(C.cols()));
  for (int j = 0; j < C.cols(); ++j) u[static_cast<std::size_t>(j)] = C(best, j) / largest;
  return u;
}

}  // namespace

// The attraction part of the Helmholtz energy, -(sum of n_i sqrt(a_i))^2/V,
// has the Hessian -(2/V) w w^T, w a fixed vector of the fluid; the spinodal
// matrix at 0 K is that Hessian. Where Q u = 0 the rest of Q, positive
// definite, gives T B u = (2/V) w (w.u), so w.u never vanishes on the
// spinodal: u is turned so that w.u > 0, which row 0 of Q at 0 K, applied
// to u, shows as (2 s/V^2) (w.u) with s > 0.
double CriticalCondition(const Composition& x, double T, double V) {
  const Globals::Matrix Q = Globals::SpinodalMatrix(x, T, V);
  std::vector<double> u = nullVector(Q);
  if (u.empty()) return std::nan("");
  const Globals::Matrix attractionQ = Globals::SpinodalMatrix(x, 0.0, V);
  double side = 0.0;
  for (int j = 0; j < attractionQ.cols(); ++j) side += attractionQ(0, j) * u[static_cast<std::size_t>(j)];
  if (side < 0.0) {
    for (double& uj : u) uj = -uj;
  }
  // The variables in the order of the matrix rows: V, then the mole numbers
  // of the present gases after the first.
  std::vector<int> selectors = {-1};
  for (int k = 0, present = 0; k < Globals::NumGases; ++k) {
    if (x[k] > 0.0 && present++ > 0) selectors.push_back(k);
  }
  // Every third derivative is an attraction part, free of T, plus a part
  // proportional to T; at a critical point the two cancel in the cubic form,
  // so the sum of their magnitudes is its scale.
  double sum = 0.0, scale = 0.0;
  for (std::size_t k = 0; k < selectors.size(); ++k) {
    const Globals::Matrix D = Globals::DerivativeMatrix(selectors[k], x, T, V);
    const Globals::Matrix attraction = Globals::DerivativeMatrix(selectors[k], x, 0.0, V);
    for (int i = 0; i < D.rows(); ++i) {
      for (int j = 0; j < D.cols(); ++j) {
        const double weight = u[k] * u[static_cast<std::size_t>(i)] * u[static_cast<std::size_t>(j)];
        sum += weight * D(i, j);
        scale += std::fabs(weight) * (std::fabs(attraction(i, j)) + std::fabs(D(i, j) - attraction(i, j)));
      }
    }
  }
  if (!(scale > 0.0) || !std::isfinite(scale)) return std::nan("");
  return sum / scale;
}

double CriticalConditionResidual(const Composition& x, double T, double V) {
  const double condition = CriticalCondition(x, T, V);
  return std::isnan(condition) ? 1.0 : std::fabs(condition);
}

}  // namespace stability
