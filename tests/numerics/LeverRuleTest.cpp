// The lever rule against the mass balance of one mole of fluid: with n mol
// in phase Y, Vb = (1 - n) Vx + n Vy, so n = (Vb - Vx)/(Vy - Vx), and
// phase Y fills the volume fraction beta = n Vy / Vb.

#include "numerics/LeverRule.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Bulk molar volumes that give the mole fraction n of phase Y.
double BulkVolume(double Vx, double Vy, double n) { return Vx + n * (Vy - Vx); }

TEST(LeverRule, ShareAndVolumeFractionFollowTheMassBalance) {
  struct Row {
    const char* name;
    double Vx, Vy, n;  // the share by the mass balance
    double split;      // the share the pass splits with
  };
  const Row rows[] = {
      {"vapour a fifth of the moles", 50, 1000, 0.2, 0.2},
      {"liquid and vapour swapped", 1000, 50, 0.2, 0.2},
      {"beyond the vapour, below the ceiling", 50, 1000, 1.5, 1.5},
      {"just below the ceiling", 50, 1000, 1.99, 1.99},
      {"above the ceiling: an even split", 50, 1000, 2.5, 0.5},
      {"beyond the liquid, above the floor", 600, 1000, -0.5, -0.5},
      {"just above the floor", 600, 1000, -0.99, -0.99},
      {"below the floor: no share", 900, 1000, -3, 0.0},
  };
  for (const Row& row : rows) {
    const double Vb = BulkVolume(row.Vx, row.Vy, row.n);
    ASSERT_GT(Vb, 0.0) << row.name;
    phase::Lever lever{.beta = 0.7};
    const double n = lever.Share(Vb, row.Vx, row.Vy);
    EXPECT_NEAR(n, row.split, 1e-14) << row.name;
    const double beta = row.n * row.Vy / Vb;
    EXPECT_NEAR(lever.beta, beta, 1e-14 * std::fabs(beta)) << row.name;
  }
}

// Without a bulk volume above 0, or with equal phase volumes, the rule does
// not apply: an even split, and beta keeps its value.
TEST(LeverRule, DoesNotApplyWithoutABulkVolumeOrWithEqualPhases) {
  struct Row {
    const char* name;
    double Vb, Vx, Vy;
  };
  const Row rows[] = {
      {"bulk volume 0", 0, 50, 1000},
      {"bulk volume below 0", -100, 50, 1000},
      {"bulk volume no number", std::nan(""), 50, 1000},
      {"equal phases", 200, 300, 300},
      {"both phases at 0", 200, 0, 0},
  };
  for (const Row& row : rows) {
    phase::Lever lever{.beta = 0.7};
    EXPECT_EQ(lever.Share(row.Vb, row.Vx, row.Vy), 0.5) << row.name;
    EXPECT_EQ(lever.beta, 0.7) << row.name;
  }
}

}  // namespace
