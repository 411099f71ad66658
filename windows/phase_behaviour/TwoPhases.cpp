#include "windows/phase_behaviour/TwoPhases.h"

#include <algorithm>
#include <cmath>

#include "runtime/Runtime.h"
#include "windows/phase_behaviour/PhaseLists.h"
#include "windows/shared/FiniteNumber.h"

namespace phase {

namespace {

// A phase's molar volume at the chosen root (mode 2 smallest, 0 largest) and
// its fugacity coefficients.
double EvaluatePhase(const Composition& c, double T, double P, int mode, GasTable& phi) {
  Globals::RootArray roots = Globals::Volume(c, T, P);
  const double V = Globals::VolumeChoice(roots, mode);
  Globals::Fugacities(c, T, P, V);
  for (int i = 0; i < Globals::NumGases; ++i) {
    phi[i] = Globals::Coefficient[i];
    rt::RuntimeBackgroundTask();
  }
  return V;
}

constexpr double kFugacityTolerance = 1e-9;
constexpr double kFractionGrain = 2e-12;

}  // namespace

void DivideBySums(Composition& x, Composition& y, SplitSums sums) {
  if (!(sums.Sx > 0.0)) sums.Sx = 1.0;
  if (!(sums.Sy > 0.0)) sums.Sy = 1.0;
  for (int i = 0; i < Globals::NumGases; ++i) {
    x[i] = x[i] / sums.Sx;
    y[i] = y[i] / sums.Sy;
    rt::RuntimeBackgroundTask();
  }
}

void PhasePair::Evaluate(const Composition& x, const Composition& y, double T, double P) {
  Vx = EvaluatePhase(x, T, P, 2, phiX);
  Vy = EvaluatePhase(y, T, P, 0, phiY);
}

bool PhasePair::EvaluateEquilibrium(const Composition& x, const Composition& y, double T, double P) {
  Evaluate(x, y, T, P);
  // The engine takes a coefficient as 1 where |ln phi| reaches 227, and the
  // windows show it so; the judgement takes each as the formula gives it,
  // in logarithms, so that fugacities beyond the Doubles are judged too.
  const std::optional<GasTable> lnPhiX = Globals::LnFugacityCoefficients(x, T, P, Vx);
  const std::optional<GasTable> lnPhiY = Globals::LnFugacityCoefficients(y, T, P, Vy);
  if (!lnPhiX || !lnPhiY || !(P > 0.0)) return false;
  const double lnP = std::log(P);
  for (int i = 0; i < Globals::NumGases; ++i) {
    if (!(Globals::fraction[i] > 0.0)) continue;
    const double lnFx = std::log(x[i]) + (*lnPhiX)[i] + lnP;
    const double lnFy = std::log(y[i]) + (*lnPhiY)[i] + lnP;
    const double lnGrain = std::log(kFractionGrain) + std::max((*lnPhiX)[i], (*lnPhiY)[i]) + lnP;
    // Everything in units of the largest of the three, which is then 1 (a
    // NaN anywhere fails the comparison below).
    const double lnUnit = std::max({lnFx, lnFy, lnGrain});
    const double fx = std::exp(lnFx - lnUnit), fy = std::exp(lnFy - lnUnit);
    const double tolerance = kFugacityTolerance * std::max(fx, fy) + std::exp(lnGrain - lnUnit);
    if (!(std::fabs(fx - fy) <= tolerance)) return false;
  }
  return true;
}

std::optional<SplitSums> Normalise(Composition& x, Composition& y) {
  SplitSums totals{Globals::Normaliser(x), 0.0};
  if (std::isnan(totals.Sx)) return std::nullopt;
  totals.Sy = Globals::Normaliser(y);
  if (std::isnan(totals.Sy)) return std::nullopt;
  return totals;
}

PhaseRun IteratePhases(const SecantStart& start, Composition& x, Composition& y,
                       const std::function<Conditions(double X)>& apply,
                       const std::function<std::optional<double>(const PhasePair& phases)>& update) {
  PhaseRun result;
  PhasePair phases;  // of the pass, at the compositions it started from
  const auto pass = [&](double X) -> std::optional<double> {
    result.at = apply(X);
    phases.Evaluate(x, y, result.at.T, result.at.P);
    if (!phases.Evaluable()) {
      result.evaluable = false;
      return std::nullopt;
    }
    for (int i = 0; i < Globals::NumGases; ++i) {
      Globals::K_liq_vap[i] = phases.K(i);
      rt::RuntimeBackgroundTask();
    }
    const std::optional<double> balance = update(phases);
    if (!balance) result.evaluable = false;
    return balance;
  };
  const auto equilibrium = [&] { return result.shown.EvaluateEquilibrium(x, y, result.at.T, result.at.P); };
  result.run = HalfSecant(start, pass, equilibrium);
  if (result.evaluable) result.shown.Evaluate(x, y, result.at.T, result.at.P);
  return result;
}

void ResultArea::Empty() const {
  for (const char* list : lists) window.listBox(list).DeleteAllRows();
  window.staticText("ResultText").SetText("");
  window.staticText("Answer").SetText("");
}

void ResultArea::Refuse(const char* status) const {
  Empty();
  window.staticText("ResultText").SetText(status);
}

void ShowValue(fw::ListBox& list, double value) {
  list.DeleteAllRows();
  list.AddRow(shared::FiniteText(value));
}

void ShowPhases(fw::Window& window, const Composition& x, const Composition& y,
                const PhasePair& phases, double P) {
  ShowValue(window.listBox("ListBoxVmX"), phases.Vx);
  ShowValue(window.listBox("ListBoxDX"), Globals::Density(x, phases.Vx));
  ShowValue(window.listBox("ListBoxVmY"), phases.Vy);
  ShowValue(window.listBox("ListBoxDY"), Globals::Density(y, phases.Vy));

  fw::ListBox& fractionsX = window.listBox("ListBoxPhaseX1");
  fw::ListBox& fractionsY = window.listBox("ListBoxPhaseY1");
  fw::ListBox& fugacitiesX = window.listBox("ListBoxPhaseX2");
  fw::ListBox& fugacitiesY = window.listBox("ListBoxPhaseY2");
  for (fw::ListBox* list : {&fractionsX, &fractionsY, &fugacitiesX, &fugacitiesY})
    list->DeleteAllRows();
  for (int i = 0; i < Globals::NumGases; ++i) {
    if (Globals::fraction[i] != 0.0) {
      AddGasRow(fractionsX, i, x[i]);
      AddGasRow(fractionsY, i, y[i]);
      AddGasRow(fugacitiesX, i, (x[i] * phases.phiX[i]) * P);
      AddGasRow(fugacitiesY, i, (y[i] * phases.phiY[i]) * P);
    }
    rt::RuntimeBackgroundTask();
  }
}

}  // namespace phase
