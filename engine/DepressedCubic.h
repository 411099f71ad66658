#pragma once
// Engine-internal, shared with the tests that judge the roots: the cubic
// y^3 + A y^2 + B y + C in z = y + A/3, z^3 + p z + q, with p and q formed
// as the closed form of the roots forms them (this grouping, in Doubles, or
// in extended precision for a cubic that Doubles cannot hold), so that
// whoever asks which case of the closed form a cubic falls in gets the
// closed form's own answer.

namespace Globals::detail {

template <class Number>
struct DepressedCubic {
  Number p, q;
};

template <class Number>
DepressedCubic<Number> Depressed(Number A, Number B, Number C) {
  return {(3 * B - A * A) / 3, ((2 * A) * A * A - (9 * A) * B + 27 * C) / 27};
}

}  // namespace Globals::detail
