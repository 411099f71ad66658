#include "numerics/LeverRule.h"

namespace phase {

double Lever::Share(double Vb, double Vx, double Vy) {
  double n = kEvenShare;
  if (Vb > 0.0 && Vx - Vy != 0.0) {
    beta = (Vy * (Vb - Vx)) / (Vb * (Vy - Vx));
    n = (beta * Vx) / (Vy + beta * (Vx - Vy));
  }
  if (n > kShareCeiling) n = kEvenShare;
  if (n < kShareFloor) n = kNoShare;
  return n;
}

}  // namespace phase
