// A libFuzzer target for the roots of the cubic: every finite triple of
// coefficients must give roots that the quadruple-precision judge accepts.
// An input of 24 bytes is the coefficients A, B and C of
// y^3 + A y^2 + B y + C. An input of 12 bytes is structured: a double root
// beside a simple one with short mantissas (cubicsweep::MultipleRoots),
// where a random triple almost never lands:
//   byte 0      flags: 1 the double root the larger, 2 negative, 4 the
//               simple root of the other sign, 8 scaled, 16 nudged;
//   bytes 1-2   the exponent, -340 to 330;
//   bytes 3-5   the ratio's j, 1 to 2^18 - 1;
//   byte 6      the odd mantissa, 1 to 31;
//   bytes 7-9   the nudges of A, B and C, -4 to 4 units in the last place;
//   bytes 10-11 the scale in (1, 2).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/Globals.h"
#include "tests/engine/CubicJudge.h"
#include "tests/engine/CubicSweep.h"

namespace {

constexpr std::size_t kCoefficientBytes = 3 * sizeof(double);
constexpr std::size_t kStructuredBytes = 12;

unsigned bytesAt(const std::uint8_t* data, int first, int count) {
  unsigned value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | data[first + i];
  return value;
}

cubicsweep::Coefficients structured(const std::uint8_t* data) {
  cubicsweep::MultipleRoots m;
  const unsigned flags = data[0];
  m.doubleRootLarger = flags & 1;
  m.negative = flags & 2;
  m.oppositeSigns = flags & 4;
  m.exponent = static_cast<int>(bytesAt(data, 1, 2) % 671) - 340;
  m.ratio = bytesAt(data, 3, 3) % ((1u << 18) - 1) + 1;
  m.odd = 2 * (data[6] % 16u) + 1;
  if (flags & 16) {
    for (int k = 0; k < 3; ++k) m.nudge[k] = static_cast<int>(data[7 + k] % 9u) - 4;
  }
  if (flags & 8) m.scale = 1 + (bytesAt(data, 10, 2) + 1) / 65537.0;
  return cubicsweep::multipleRoots(m);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double c[3];
  if (size == kCoefficientBytes) {
    std::memcpy(c, data, sizeof c);
  } else if (size == kStructuredBytes) {
    const cubicsweep::Coefficients coefficients = structured(data);
    c[0] = coefficients.A, c[1] = coefficients.B, c[2] = coefficients.C;
  } else {
    return -1;  // not an input: keep it out of the corpus
  }
  for (double v : c) {
    if (!std::isfinite(v)) return -1;
  }
  const Globals::RootArray r = Globals::CubicEquation(c[0], c[1], c[2]);
  const cubicjudge::Verdict verdict = cubicjudge::Judge(c[0], c[1], c[2], r);
  if (!verdict.fault.empty()) {
    std::fprintf(stderr, "%s: A %.17g B %.17g C %.17g\n", verdict.fault.c_str(), c[0], c[1], c[2]);
    std::abort();
  }
  return 0;
}
