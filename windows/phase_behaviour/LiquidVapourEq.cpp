#include "windows/phase_behaviour/LiquidVapourEq.h"

#include <optional>

#include "engine/Globals.h"
#include "runtime/Runtime.h"
#include "numerics/LeverRule.h"
#include "windows/phase_behaviour/EndReport.h"
#include "windows/phase_behaviour/TwoPhases.h"
#include "windows/shared/FiniteNumber.h"

namespace {

using fw::Kind;
using phase::Composition;
using phase::layout::GasList;
using phase::layout::ValueList;

constexpr const char* kPanel = "Rectangle1";
constexpr const char* kGroup = "FirstApproach";

const fw::WindowSpec kWindow = {
    .title = "Liquid-Vapour Equilibrium",
    .width = 615,
    .height = 700,
    .resizable = true,
    .minWidth = 615,
    .maxWidth = 615,
    .maxHeight = 835,
    .placement = fw::Placement::Centred};

const fw::ControlSpec kAboveSwitch[] = {
    // kind, name, text, left, top, width, height, text size, flags, parent, font, group
    {Kind::PushButton, "calculate", "calculate", 250, 395, 100, 30, 18, fw::DefaultButton, kPanel},
    {Kind::StaticText, "MolarVolume", "Molar Volume", 20, 535, 150, 25, 16, 0, kPanel},
    {Kind::StaticText, "Compositions", "Composition", 20, 605, 150, 25, 16, 0, kPanel},
    {Kind::StaticText, "PhaseX1", "Phase X", 180, 475, 60, 20, 14, 0, kPanel},
    {Kind::StaticText, "PhaseY1", "Phase Y", 390, 475, 60, 20, 14, 0, kPanel},
    {Kind::GroupBox, "FirstApproach", "First Approach", 20, 155, 560, 215, 16, fw::Italic, kPanel},
    {Kind::StaticText, "Pstart", "Pressure", 30, 190, 190, 20, 14, 0, kGroup},
    {Kind::EditField, "dataEntry2", "", 265, 190, 100, 20, 14, 0, kGroup},
    {Kind::StaticText, "Composition", "Composition", 30, 258, 100, 20, 14, 0, kGroup},
    {Kind::StaticText, "PhaseX", "Phase X", 150, 258, 60, 20, 14, 0, kGroup},
    {Kind::StaticText, "PhaseY", "Phase Y", 370, 258, 60, 20, 14, 0, kGroup},
    GasList("ListBoxPhaseX", 150, 278, kGroup),
    GasList("ListBoxPhaseY", 370, 278, kGroup),
    {Kind::StaticText, "Dimension", "MPa", 375, 190, 50, 20, 14, 0, kGroup},
    {Kind::StaticText, "FracStart", "Volume fraction of vapour phase", 30, 222, 230, 20, 14, 0, kGroup},
    {Kind::EditField, "dataEntry3", "", 265, 222, 100, 20, 14, 0, kGroup},
    {Kind::StaticText, "ResultPressure", "Pressure", 20, 440, 100, 25, 16, 0, kPanel},
    {Kind::StaticText, "Answer", "", 134, 440, 120, 25, 16, 0, kPanel},
    {Kind::StaticText, "Dimension2", "MPa", 264, 440, 70, 25, 16, 0, kPanel},
    ValueList("ListBoxVmX", 180, 535),
    ValueList("ListBoxVmY", 390, 535),
    GasList("ListBoxPhaseX1", 180, 605, kPanel),
    GasList("ListBoxPhaseY1", 390, 605, kPanel),
    {Kind::StaticText, "Fugacity", "Fugacity (MPa)", 20, 695, 150, 25, 16, 0, kPanel},
    GasList("ListBoxPhaseX2", 180, 695, kPanel),
    GasList("ListBoxPhaseY2", 390, 695, kPanel),
    {Kind::StaticText, "MolarVolume1", "Molar Volume", 20, 20, 130, 25, 16, 0, kPanel},
    {Kind::StaticText, "Temperature", "Temperature", 20, 60, 130, 25, 16, 0, kPanel},
};

const fw::ControlSpec kBelowSwitch[] = {
    {Kind::EditField, "dataEntry", "", 155, 20, 120, 25, 16, 0, kPanel},
    {Kind::EditField, "dataEntry1", "", 155, 60, 120, 25, 16, 0, kPanel},
    {Kind::StaticText, "StaticText1", "cm /mol", 285, 20, 80, 25, 16, 0, kPanel},
    {Kind::StaticText, "StaticText2", "3", 307, 19, 16, 20, 12, 0, kPanel},
    {Kind::StaticText, "StaticText3", "Kelvin", 285, 60, 80, 25, 16, 0, kPanel},
    {Kind::StaticText, "ResultFraction", "Volume Fraction", 20, 500, 150, 25, 16, 0, kPanel},
    ValueList("ListBoxFracX", 180, 500),
    ValueList("ListBoxFracY", 390, 500),
    {Kind::PushButton, "CalFirstApproach", "calculate first approach", 205, 130, 160, 25, 12, 0, kPanel},
    {Kind::RoundRectangle, "RoundRectangle1", "", 20, 790, 560, 25, 0, 0, kPanel},
    {Kind::StaticText, "ResultText", "", 30, 793, 540, 19, 14, 0, "RoundRectangle1"},
    {Kind::StaticText, "Density", "Density", 20, 570, 150, 25, 16, 0, kPanel},
    ValueList("ListBoxDX", 180, 570),
    ValueList("ListBoxDY", 390, 570),
    {Kind::StaticText, "StaticText4", "* The values in \"First Approach\" can be manually changed", 290,
     370, 290, 15, 10, fw::MultiLine, kPanel},
    {Kind::PushButton, "Clear", "clear", 530, 20, 50, 20, 10, fw::TabLast, kPanel},
};

const std::vector<fw::ControlSpec> kLayout = shared::ScrollingPanel::Layout(
    kWindow, 835, {kAboveSwitch, shared::TemperatureSwitch::Rows(368, 60, kPanel), kBelowSwitch});

// The ten lists of the result area.
constexpr const char* kResultLists[] = {"ListBoxVmX", "ListBoxDX", "ListBoxFracX", "ListBoxPhaseX1",
                                        "ListBoxPhaseX2", "ListBoxVmY", "ListBoxDY", "ListBoxFracY",
                                        "ListBoxPhaseY1", "ListBoxPhaseY2"};

constexpr const char* kFractionsFailure = "The fractions must have a number between 0 and 1";

// The first approach: phase Y takes half of the fluid, and the start
// pressure is the mean of the bubble and dew pressures, half their sum.
constexpr double kStartVapourShare = 0.5;
constexpr double kHalfOfSum = 0.5;

// Splits the bulk composition z with the shared K-values and the share s of
// phase Y; returns the totals before any normalisation. With `presentOnly`,
// a gas whose bulk fraction is not above 0 gets 0 in both phases.
phase::SplitSums SplitBulk(const Composition& z, double s, Composition& x, Composition& y,
                           bool presentOnly) {
  phase::SplitSums sums;
  for (int i = 0; i < Globals::NumGases; ++i) {
    if (presentOnly && !(z[i] > 0.0)) {
      x[i] = 0.0;
      y[i] = 0.0;
    } else {
      phase::SplitGas(z[i], Globals::K_liq_vap[i], s, x[i], y[i]);
    }
    sums.Sx = sums.Sx + x[i];
    sums.Sy = sums.Sy + y[i];
    rt::RuntimeBackgroundTask();
  }
  return sums;
}

}  // namespace

LiquidVapourEq::LiquidVapourEq() : fw::Window(kWindow, kLayout), results_{*this, kResultLists} {
  onAction("calculate", [this] { calculate_Action(); });
  onAction("CalFirstApproach", [this] { CalFirstApproach_Action(); });
  onAction("Clear", [this] { Clear_Action(); });
  // The molar volume, the temperature and its unit lead to the first
  // approach; Return elsewhere presses the default button "calculate".
  ReturnPresses("CalFirstApproach", {"dataEntry", "dataEntry1", "Kelvin", "Celsius"});
}

// The start values: the mean of the bubble and dew pressures at the entered
// temperature, a vapour share of 0.5, Wilson K-values, and the phases of the
// split of the fluid with them. A temperature that is no finite number or
// not above 0 K, or a start pressure that is not finite, is refused before
// anything is stored: the status line says so and the first approach and
// the results are left empty.
void LiquidVapourEq::CalFirstApproach_Action() {
  staticText("ResultText").SetText("");
  double T = Globals::TempKelvin;
  const double s = kStartVapourShare;
  std::optional<double> start;
  if (unit_.Read(T) && T > 0.0) {
    const double bubble = Globals::RaoultPressure(Globals::fraction, T, 0);
    const double dew = Globals::RaoultPressure(Globals::fraction, T, 1);
    start = shared::Finite(kHalfOfSum * (bubble + dew));
  }
  if (!start) {
    for (const char* field : {"dataEntry2", "dataEntry3"}) editField(field).SetText("");
    lists_.Clear();
    results_.Refuse();
    return;
  }
  Globals::TempKelvin = T;
  editField("dataEntry3").SetText(shared::FiniteText(s));
  Globals::PresMPa = *start;
  editField("dataEntry2").SetText(shared::FiniteText(Globals::PresMPa));
  Globals::K_liq_vap = Globals::WilsonDistribution(Globals::TempKelvin, Globals::PresMPa);
  const phase::SplitSums sums = SplitBulk(Globals::fraction, s, Globals::xgas, Globals::ygas, false);
  phase::DivideBySums(Globals::xgas, Globals::ygas, sums);
  lists_.Fill();
  results_.Empty();
}

// Empties what the window shows; the unit switch and the shared state stay.
void LiquidVapourEq::Clear_Action() {
  for (const char* field : {"dataEntry", "dataEntry1", "dataEntry2", "dataEntry3"})
    editField(field).SetText("");
  results_.Empty();
  lists_.Clear();
}

// The pressure at which the fluid, filling the bulk molar volume, splits into
// two phases in equilibrium. Each pass updates the K-values from both phases'
// fugacity coefficients, takes phase Y's share from the lever rule and splits
// the bulk composition afresh; the balance is the difference of the phase
// totals before normalisation. Globals::xgas and Globals::ygas are not used.
//
// Refused, with the shared state as it was, when the bulk molar volume or
// the temperature is no finite number, the temperature is not above 0 K or
// the start pressure is not a finite number above 0 (a run from a pressure
// at or below 0 can never succeed): the status line says that nothing was
// solved; or when the start volume fraction is no finite number (the
// fractions text). A pass at a state that cannot be evaluated (a phase's
// molar volume beyond the largest Double, as at a pressure near 0 or a
// temperature near the largest Double) ends the run at once: the status
// line says that nothing was solved, the results stay empty and the
// K-values are those from before the press.
void LiquidVapourEq::calculate_Action() {
  const std::optional<double> bulk = shared::FiniteEntry(editField("dataEntry").Text());
  double T = 0.0;
  const bool temperature = unit_.Read(T) && T > 0.0;
  const std::optional<double> start = shared::FiniteEntry(editField("dataEntry2").Text());
  const bool startAboveZero = start && *start > 0.0;
  const std::optional<double> fraction = shared::FiniteEntry(editField("dataEntry3").Text());
  if (!bulk || !temperature || !startAboveZero || !fraction) {
    results_.Refuse(bulk && temperature && startAboveZero ? kFractionsFailure : phase::kNoSolution);
    return;
  }
  const double Vb = *bulk, X0 = *start, beta0 = *fraction;
  const Composition z = Globals::fraction;

  // The typed volume fraction serves as phase Y's mole fraction in the first
  // split only.
  Composition x{}, y{};
  phase::SplitSums sums = SplitBulk(z, beta0, x, y, true);
  const double F0 = sums.Sx - sums.Sy;
  phase::DivideBySums(x, y, sums);

  const Globals::GasTable KBefore = Globals::K_liq_vap;
  phase::Lever lever{.beta = beta0};
  const auto apply = [T](double X) { return phase::Conditions{T, X}; };
  const auto update = [&](const phase::PhasePair& phases) {
    const double n = lever.Share(Vb, phases.Vx, phases.Vy);
    sums = SplitBulk(z, n, x, y, true);
    phase::DivideBySums(x, y, sums);
    return sums.Sx - sums.Sy;
  };
  const phase::PhaseRun result = phase::IteratePhases(
      {.Xprev = phase::kLowerStartPressure * X0, .Xcur = X0, .Fprev = phase::kAssumedLowerBalance, .Fcur = F0}, x,
      y, apply, update);
  if (!result.evaluable) {
    Globals::K_liq_vap = KBefore;
    results_.Refuse();
    return;
  }
  const phase::PhasePair& shown = result.shown;

  staticText("Answer").SetText(shared::FiniteText(result.run.X));
  phase::ShowValue(listBox("ListBoxFracX"), 1 - lever.beta);
  phase::ShowValue(listBox("ListBoxFracY"), lever.beta);
  phase::ShowPhases(*this, x, y, shown, result.at.P);

  // Volume fractions need a bulk molar volume above 0 and lie above 0 and
  // up to 1. Equal phases (a trivial solution) keep the typed fraction.
  const auto fractionsCheck = [&] {
    if (!(Vb > 0.0) || lever.beta > 1.0 || !(lever.beta > 0.0))
      staticText("ResultText").SetText(kFractionsFailure);
  };
  phase::EndReport(staticText("ResultText"), {result.run, x, y, shown.Vx, shown.Vy},
                   {.finalCheck = fractionsCheck});
}
