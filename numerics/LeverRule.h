#pragma once
// The lever rule of the liquid-vapour equilibrium: how much of a fluid of a
// given bulk molar volume lies in phase Y (vapour-like) when it splits into
// phases of two given molar volumes. Qt-free.

namespace phase {

// The share of phase Y when the lever rule gives none: an even split. While
// the phases do not enclose the bulk volume between them, the rule's share
// lies outside 0 to 1, and it grows without bound as their volumes draw
// together. A share from kShareFloor to kShareCeiling is split with as it
// is; one beyond would throw the split far off: above the ceiling the pass
// splits evenly, below the floor it leaves phase Y no share.
inline constexpr double kEvenShare = 0.5;
inline constexpr double kShareCeiling = 2.0;
inline constexpr double kShareFloor = -1.0;
inline constexpr double kNoShare = 0.0;

// The lever rule: the volume fraction beta of phase Y that fills the bulk
// molar volume Vb with phases of molar volumes Vx and Vy, and the mole
// fraction n of phase Y that gives it. Without a bulk volume above 0 or with
// equal phase volumes it does not apply: n is the even share and beta stays.
struct Lever {
  double beta = 0.0;

  // The mole fraction of phase Y to split the fluid with (cm3/mol each);
  // updates beta where the rule applies.
  double Share(double Vb, double Vx, double Vy);
};

}  // namespace phase
