// Determinant by Crout's LU decomposition with implicit (scaled) partial
// pivoting, carried out in place: for one matrix, or for a batch of matrices
// side by side (one per lane of a vector), with the same arithmetic.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <utility>

#include "engine/Determinant.h"
#include "engine/Globals.h"
#include "runtime/Runtime.h"

namespace Globals {
namespace {

constexpr double kZeroPivot = 1e-30;      // stands in for a pivot of exactly 0.0
constexpr double kZeroThreshold = 1e-12;  // absolute, whatever the size of the elements
constexpr int kStride = Matrix::MaxOrder;

using detail::Lanes;
using Pair = double __attribute__((vector_size(2 * sizeof(double))));  // two lanes
constexpr int kPairs = Lanes::kCount / 2;

// One matrix per lane: a plain Double is a batch of one. The arithmetic,
// comparisons and selections act on every lane at once, a pair of lanes per
// instruction; the rare row exchanges go lane by lane.

Pair load(const Lanes& v, int p) {
  Pair r;
  std::memcpy(&r, &v.value[2 * p], sizeof r);
  return r;
}
void store(Lanes& v, int p, Pair x) { std::memcpy(&v.value[2 * p], &x, sizeof x); }

// f applied pair by pair.
template <class F>
Lanes map(const Lanes& a, const Lanes& b, F f) {
  Lanes r;
#pragma GCC unroll 4
  for (int p = 0; p < kPairs; ++p) store(r, p, f(load(a, p), load(b, p)));
  return r;
}

Lanes operator-(const Lanes& a, const Lanes& b) {
  return map(a, b, [](Pair x, Pair y) { return x - y; });
}
Lanes operator*(const Lanes& a, const Lanes& b) {
  return map(a, b, [](Pair x, Pair y) { return x * y; });
}
Lanes operator/(double a, const Lanes& b) {
  return map(b, b, [a](Pair x, Pair) { return a / x; });
}

template <class E>
E broadcast(double v) {
  if constexpr (std::is_same_v<E, double>) {
    return v;
  } else {
    Lanes r;
    for (double& x : r.value) x = v;
    return r;
  }
}

constexpr int laneCount(double) { return 1; }
constexpr int laneCount(const Lanes&) { return Lanes::kCount; }
double lane(double v, int) { return v; }
double lane(const Lanes& v, int l) { return v.Get(l); }
void setLane(double& v, int, double x) { v = x; }
void setLane(Lanes& v, int l, double x) { v.Set(l, x); }

// The magnitude, bit for bit as fabs gives it.
double magnitude(double v) { return std::fabs(v); }
Lanes magnitude(const Lanes& v) {
  using Bits = decltype(Pair{} < Pair{});
  return map(v, v, [](Pair x, Pair) {
    return reinterpret_cast<Pair>(reinterpret_cast<Bits>(x) & 0x7fffffffffffffffLL);
  });
}

// take(a, b) ? x : y, lane by lane.
template <class Take>
double choose(Take take, double a, double b, double x, double y) {
  return take(a, b) ? x : y;
}
template <class Take>
Lanes choose(Take take, const Lanes& a, const Lanes& b, const Lanes& x, const Lanes& y) {
  Lanes r;
#pragma GCC unroll 4
  for (int p = 0; p < kPairs; ++p) store(r, p, take(load(a, p), load(b, p)) ? load(x, p) : load(y, p));
  return r;
}
constexpr auto kLess = [](auto a, auto b) { return a < b; };
constexpr auto kEqual = [](auto a, auto b) { return a == b; };
// Not greater: also where either side is NaN.
constexpr auto kNotGreater = [](auto a, auto b) { return !(a > b); };

template <class E>
void swapLanes(E& a, E& b, int l) {
  const double t = lane(a, l);
  setLane(a, l, lane(b, l));
  setLane(b, l, t);
}

// The elements of one matrix, or of a batch, row by row with MaxOrder
// elements to a row.
template <class E>
struct Elements {
  E* a;
  E& operator()(int r, int c) const { return a[r * kStride + c]; }
};

template <class E>
using RowScales = std::array<E, Matrix::MaxOrder>;

// 1 / the largest magnitude in each row; 0.0 for an all-zero row.
template <class E>
RowScales<E> rowScales(Elements<E> M, int n) {
  RowScales<E> scale{};
  const E zero = broadcast<E>(0.0);
  for (int i = 0; i < n; ++i) {
    E best = zero;
    for (int j = 0; j < n; ++j) {
      const E v = magnitude(M(i, j));
      best = choose(kLess, best, v, v, best);
    }
    scale[i] = choose(kEqual, best, zero, zero, 1 / best);  // 1/0 is formed but not taken
  }
  return scale;
}

// Row i of column j: the element less the inner product of row i of L and
// column j of U, each product subtracted on its own, in order. Inlined: it is
// the innermost loop.
template <class E>
[[gnu::always_inline]] inline void eliminate(Elements<E> M, int i, int j, int terms) {
  E s = M(i, j);
  for (int k = 0; k < terms; ++k) s = s - M(i, k) * M(k, j);
  M(i, j) = s;
}

// The pivot of column j: rows j .. n-1 receive their sums, not yet divided
// by the pivot, and each lane chooses the row of largest scaled magnitude,
// exchanges it into row j and replaces a zero pivot. A tie goes to the later
// row, and a score that does not compare (NaN) is taken too.
template <class E>
void pivotColumn(Elements<E> M, int n, int j, RowScales<E>& scale, E& sign) {
  E best = broadcast<E>(0.0);
  E row = broadcast<E>(j);  // the pivot row of each lane
  for (int i = j; i < n; ++i) {
    eliminate(M, i, j, j);
    const E score = scale[i] * magnitude(M(i, j));
    row = choose(kNotGreater, best, score, broadcast<E>(i), row);
    best = choose(kNotGreater, best, score, score, best);
  }
  for (int l = 0; l < laneCount(row); ++l) {
    const int p = int(lane(row, l));
    if (p == j) continue;
    for (int c = 0; c < n; ++c) swapLanes(M(p, c), M(j, c), l);
    setLane(sign, l, -lane(sign, l));
    setLane(scale[p], l, lane(scale[j], l));
  }
  const E zero = broadcast<E>(0.0);
  M(j, j) = choose(kEqual, M(j, j), zero, broadcast<E>(kZeroPivot), M(j, j));
}

// The factorisation of the leading n x n block, in place, column by column:
// rows above the diagonal are elements of U, the others of L before their
// division by the pivot. The signed product of the pivots per lane.
template <class E>
E factorise(Elements<E> M, int n) {
  RowScales<E> scale = rowScales(M, n);
  E sign = broadcast<E>(1.0);
  for (int j = 0; j < n; ++j) {
    for (int i = 0; i < j; ++i) eliminate(M, i, j, i);
    pivotColumn(M, n, j, scale, sign);
    if (j != n - 1) {
      // One reciprocal for the whole column, not a division per element.
      const E r = 1 / M(j, j);
      for (int i = j + 1; i < n; ++i) M(i, j) = M(i, j) * r;
    }
    rt::RuntimeBackgroundTask();
  }
  E det = sign;
  for (int j = 0; j < n; ++j) det = det * M(j, j);
  return det;
}

}  // namespace

namespace detail {

double LUProduct(Matrix& M) { return factorise(Elements<double>{M.Data()}, std::min(M.rows(), M.cols())); }

void LUProducts(MatrixBatch& batch, int order, double (&products)[Lanes::kCount]) {
  const Lanes det = factorise(Elements<Lanes>{batch.element}, order);
  for (int l = 0; l < Lanes::kCount; ++l) products[l] = det.Get(l);
}

double ApplyZeroThreshold(double det) { return std::fabs(det) > kZeroThreshold ? det : 0.0; }

}  // namespace detail

double Det_LU_Decomposition(Matrix& M) { return detail::ApplyZeroThreshold(detail::LUProduct(M)); }

}  // namespace Globals
