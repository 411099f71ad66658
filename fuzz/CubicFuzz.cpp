// A libFuzzer target for the roots of the cubic: 24 bytes are the
// coefficients A, B and C of y^3 + A y^2 + B y + C; every finite triple
// must give roots that the quadruple-precision judge accepts.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/Globals.h"
#include "tests/engine/CubicJudge.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size != 3 * sizeof(double)) return -1;  // not an input: keep it out of the corpus
  double c[3];
  std::memcpy(c, data, sizeof c);
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
