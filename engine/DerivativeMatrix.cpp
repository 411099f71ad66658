// The derivative matrix: the spinodal matrix differentiated entry by entry
// with respect to the molar volume or to the mole number of one gas, that is
// third derivatives of the Helmholtz energy, for one mole of mixture.

#include "engine/Globals.h"
#include "engine/SpinodalTerms.h"

namespace Globals {
namespace {

constexpr double kTwoR = 16.628944;  // 2 R

// The third derivatives at one temperature, by gas index.
class ThirdDerivatives {
 public:
  ThirdDerivatives(const detail::SpinodalTerms& t, double T)
      : t_(t), RT_(R * T), twoRT_(kTwoR * T) {}

  double AVVV() const { return 6 * t_.a / t_.V4 - twoRT_ / t_.Vb3; }

  double AVVi(int i) const {
    return -2 * t_.S[i] / t_.V3 + RT_ / t_.Vb2 + twoRT_ * b_[i] / t_.Vb3;
  }

  double AVij(int i, int j) const {
    return 2 * a_[i][j] / t_.V2 - RT_ * (b_[i] + b_[j]) / t_.Vb2 - twoRT_ * b_[i] * b_[j] / t_.Vb3;
  }

  double Aijl(int i, int j, int l) const {
    double value = RT_ * (b_[i] * b_[j] + b_[i] * b_[l] + b_[j] * b_[l]) / t_.Vb2 +
                   twoRT_ * b_[i] * b_[j] * b_[l] / t_.Vb3;
    if (i == j && j == l) value = value - RT_ / (t_.x[i] * t_.x[i]);  // ideal mixing
    return value;
  }

 private:
  const detail::SpinodalTerms& t_;
  const GasMatrix& a_ = Globals::a;
  const GasTable& b_ = Globals::b;
  double RT_;
  double twoRT_;
};

// A selector that names no present gas (an absent gas, or no gas at all)
// differentiates every entry to 0.
bool namesPresentGas(int k, const Composition& x) { return k >= 0 && k < NumGases && x[k] > 0.0; }

}  // namespace

namespace detail {

Matrix AssembleDerivativeMatrix(int k, const SpinodalTerms& t, double T) {
  const ThirdDerivatives d(t, T);
  // Only the third derivatives that the selector places are formed; every
  // placed value is the same as when all of them are formed.
  if (k == -1) {
    return PlaceInLayout(
        t, [&](int i, int j) { return d.AVij(i, j); }, d.AVVV(), [&](int i) { return d.AVVi(i); });
  }
  if (!namesPresentGas(k, t.x)) return Matrix(t.count, t.count);
  return PlaceInLayout(
      t, [&](int i, int j) { return d.Aijl(k, i, j); }, d.AVVi(k), [&](int i) { return d.AVij(k, i); });
}

}  // namespace detail

Matrix DerivativeMatrix(int k, const Composition& x, double T, double V) {
  return detail::AssembleDerivativeMatrix(k, detail::FormSpinodalTerms(x, V), T);
}

}  // namespace Globals
