#include "windows/phase_behaviour/BubbleDewPoint.h"

#include "engine/Globals.h"
#include "resources/Pictures.h"
#include "runtime/Runtime.h"
#include "windows/phase_behaviour/EndReport.h"
#include "windows/phase_behaviour/TwoPhases.h"
#include "windows/shared/FiniteNumber.h"

namespace {

using fw::Italic;
using fw::Kind;
using phase::layout::GasList;
using phase::layout::ValueList;

constexpr const char* kSelectGroup = "select";
constexpr const char* kModeGroup = "mode";
constexpr const char* kPanel = "Rectangle1";

const fw::WindowSpec kWindow = {
    .title = "Bubble-Dew point",
    .width = 635,
    .height = 700,
    .resizable = true,
    .minWidth = 635,
    .minHeight = 400,
    .maxWidth = 635,
    .maxHeight = 925,
    .placement = fw::Placement::Centred};

const fw::ControlSpec kGiven[] = {
    // kind, name, text, left, top, width, height, text size, flags, parent, font, group
    {Kind::GroupBox, "GroupBox6", "Select", 20, 15, 480, 130, 16, Italic, kPanel},
    {Kind::RadioButton, "RadioButtonTh", "Homogenization Temperature", 35, 45, 260, 25, 16, fw::On,
     "GroupBox6", "System", kSelectGroup},
    {Kind::EditField, "dataEntryTh", "", 305, 45, 100, 25, 16, 0, "GroupBox6"},
    {Kind::StaticText, "StaticText3", "Kelvin", 415, 45, 70, 25, 16, 0, "GroupBox6"},
    {Kind::RadioButton, "RadioButtonPh", "Homogenization Pressure", 35, 105, 260, 25, 16, 0,
     "GroupBox6", "System", kSelectGroup},
    {Kind::EditField, "dataEntryPh", "", 305, 105, 100, 25, 16, 0, "GroupBox6"},
    {Kind::StaticText, "StaticText4", "MPa", 418, 105, 70, 25, 16, 0, "GroupBox6"},
    {Kind::PushButton, "calculate", "calculate", 250, 500, 100, 30, 18, fw::DefaultButton, kPanel},
};

const fw::ControlSpec kBelowSwitch[] = {
    {Kind::GroupBox, "GroupBox7", "Mode", 20, 155, 270, 85, 16, Italic, kPanel},
    {Kind::RadioButton, "Vapour1", " Vapour", 28, 183, 110, 25, 16, 0, "GroupBox7", "System", kModeGroup},
    {Kind::RadioButton, "Liquid1", " Liquid", 28, 206, 110, 25, 16, 0, "GroupBox7", "System", kModeGroup},
    {.kind = Kind::ImageWell, .name = "ImageWell3", .left = 155, .top = 185, .width = 120, .height = 45,
     .flags = fw::Hidden, .parent = "GroupBox7", .picture = &Pictures::Liquid},
    {.kind = Kind::ImageWell, .name = "ImageWell4", .left = 156, .top = 185, .width = 120, .height = 45,
     .flags = fw::Hidden, .parent = "GroupBox7", .picture = &Pictures::Vapour},
    {Kind::PushButton, "FirstApproach", "calculate first approach", 205, 255, 170, 25, 12, 0, kPanel},
    {Kind::StaticText, "MolarVolume", "Molar Volume", 20, 605, 120, 25, 16, 0, kPanel},
    {Kind::StaticText, "Compositions", "Composition", 20, 685, 110, 25, 16, 0, kPanel},
    {Kind::StaticText, "PhaseX1", "Phase X", 165, 580, 190, 20, 14, 0, kPanel},
    {Kind::StaticText, "PhaseY1", "Phase Y", 390, 580, 190, 20, 14, 0, kPanel},
    {Kind::GroupBox, "GroupBox5", "First Approach", 20, 280, 560, 190, 16, Italic, kPanel},
    {Kind::StaticText, "Homogen", "Homogenization Pressure", 30, 315, 210, 20, 14, 0, "GroupBox5"},
    {Kind::EditField, "dataEntry2", "", 250, 315, 120, 20, 14, 0, "GroupBox5"},
    {Kind::StaticText, "Composition", "Composition", 30, 355, 90, 20, 14, 0, "GroupBox5"},
    {Kind::StaticText, "PhaseX", "Phase X", 150, 355, 60, 20, 14, 0, "GroupBox5"},
    {Kind::StaticText, "PhaseY", "Phase Y", 370, 355, 60, 20, 14, 0, "GroupBox5"},
    GasList("ListBoxPhaseX", 150, 375, "GroupBox5"),
    GasList("ListBoxPhaseY", 370, 375, "GroupBox5"),
    {Kind::StaticText, "Dimension", "MPa", 380, 315, 50, 20, 14, 0, "GroupBox5"},
    {Kind::StaticText, "Homogen2", "Homogenization Pressure", 20, 545, 240, 25, 16, 0, kPanel},
    {Kind::StaticText, "Answer", "", 270, 545, 120, 25, 16, 0, kPanel},
    {Kind::StaticText, "Dimension2", "MPa", 400, 545, 70, 25, 16, 0, kPanel},
    ValueList("ListBoxVmX", 165, 605),
    ValueList("ListBoxVmY", 390, 605),
    GasList("ListBoxPhaseX1", 165, 685, kPanel),
    GasList("ListBoxPhaseY1", 390, 685, kPanel),
    {Kind::StaticText, "Fugacity", "Fugacity (MPa)", 20, 775, 125, 25, 16, 0, kPanel},
    GasList("ListBoxPhaseX2", 165, 775, kPanel),
    GasList("ListBoxPhaseY2", 390, 775, kPanel),
    {Kind::RoundRectangle, "RoundRectangle1", "", 20, 875, 560, 25, 0, 0, kPanel},
    {Kind::StaticText, "ResultText", "", 30, 878, 540, 19, 14, 0, "RoundRectangle1"},
    {Kind::StaticText, "Density", "Density", 20, 645, 120, 25, 16, 0, kPanel},
    ValueList("ListBoxDX", 165, 645),
    ValueList("ListBoxDY", 390, 645),
    {Kind::StaticText, "StaticText1", "* The values in \"First Approach\" can be manually changed", 290,
     470, 290, 15, 10, fw::MultiLine, kPanel},
    {Kind::PushButton, "Clear", "clear", 550, 20, 50, 20, 10, fw::TabLast, kPanel},
};

const std::vector<fw::ControlSpec> kLayout = shared::ScrollingPanel::Layout(
    kWindow, 925, {kGiven, shared::TemperatureSwitch::Rows(520, 65, kPanel), kBelowSwitch});

// The eight lists of the result area.
constexpr const char* kResultLists[] = {"ListBoxVmX", "ListBoxDX", "ListBoxPhaseX1", "ListBoxPhaseX2",
                                        "ListBoxVmY", "ListBoxDY", "ListBoxPhaseY1", "ListBoxPhaseY2"};

constexpr const char* kHomogenizationPressure = "Homogenization Pressure";
constexpr const char* kHomogenizationTemperature = "Homogenization Temperature";

// The start temperature of a pressure-given search, K.
constexpr double kStartTemperature = 298.15;

}  // namespace

BubbleDewPoint::BubbleDewPoint() : fw::Window(kWindow, kLayout), results_{*this, kResultLists} {
  onAction("RadioButtonTh", [this] { RadioButtonTh_Action(); });
  onAction("RadioButtonPh", [this] { RadioButtonPh_Action(); });
  onAction("Vapour1", [this] { Vapour1_Action(); });
  onAction("Liquid1", [this] { Liquid1_Action(); });
  onAction("Clear", [this] { Clear_Action(); });
  onAction("FirstApproach", [this] { FirstApproach_Action(); });
  onAction("calculate", [this] { calculate_Action(); });
  // The given condition, its unit and the mode lead to the first approach;
  // Return elsewhere presses the default button "calculate".
  ReturnPresses("FirstApproach", {"GroupBox6", "Kelvin", "Celsius", "GroupBox7"});
}

int BubbleDewPoint::SplitMode() {
  int s = 0;
  if (radioButton("Liquid1").Value()) s = 0;
  if (radioButton("Vapour1").Value()) s = 1;
  return s;
}

// The captions of the sought quantity, beside its start value and its answer.
void BubbleDewPoint::SetSought(const char* name, const char* unit) {
  staticText("Homogen").SetText(name);
  staticText("Dimension").SetText(unit);
  staticText("Homogen2").SetText(name);
  staticText("Dimension2").SetText(unit);
}

void BubbleDewPoint::RadioButtonTh_Action() {
  if (!radioButton("RadioButtonTh").Value()) return;
  editField("dataEntryPh").SetText("");
  SetSought(kHomogenizationPressure, "MPa");
}

// The solved temperature and its start value are always in kelvin, whatever
// the unit switch shows.
void BubbleDewPoint::RadioButtonPh_Action() {
  if (!radioButton("RadioButtonPh").Value()) return;
  editField("dataEntryTh").SetText("");
  SetSought(kHomogenizationTemperature, "Kelvin");
}

void BubbleDewPoint::Vapour1_Action() { ShowModePicture("Vapour1", "ImageWell4", "ImageWell3"); }
void BubbleDewPoint::Liquid1_Action() { ShowModePicture("Liquid1", "ImageWell3", "ImageWell4"); }

// A mode radio turned on shows its own picture, then hides the other; turned
// off, it hides its own.
void BubbleDewPoint::ShowModePicture(const char* radio, const char* own, const char* other) {
  if (radioButton(radio).Value()) {
    imageWell(own).SetVisible(true);
    imageWell(other).SetVisible(false);
  } else {
    imageWell(own).SetVisible(false);
  }
}

// Empties what the window shows; the shared state and every caption stay.
void BubbleDewPoint::Clear_Action() {
  for (const char* field : {"dataEntryTh", "dataEntryPh", "dataEntry2"}) editField(field).SetText("");
  results_.Empty();
  radioButton("Liquid1").SetValue(false);
  radioButton("Vapour1").SetValue(false);
  imageWell("ImageWell3").SetVisible(false);
  imageWell("ImageWell4").SetVisible(false);
  lists_.Clear();
}

void BubbleDewPoint::ResetCaptions() {
  staticText("PhaseX1").SetText("Phase X");
  staticText("PhaseY1").SetText("Phase Y");
}

// The given condition into the shared state, a start value for the sought
// one, Wilson K-values and the starting phases: with the fluid as phase X
// (split mode 0) y = K z; as phase Y (mode 1) x = z / K; both normalised.
// A given condition that its field does not hold, a start pressure that is
// not finite, or starting phases that cannot be brought to a unit sum (a
// fluid without fractions, K-values beyond the Doubles) are refused before
// anything is stored: the status line says so and the first approach and
// the results are left empty.
void BubbleDewPoint::FirstApproach_Action() {
  staticText("ResultText").SetText("");
  const int s = SplitMode();
  ResetCaptions();
  const bool temperatureGiven = radioButton("RadioButtonTh").Value();
  const std::optional<double> given = Given();
  std::optional<double> start;
  if (given && temperatureGiven) start = shared::Finite(Globals::RaoultPressure(Globals::fraction, *given, s));
  if (given && !temperatureGiven) start = kStartTemperature;
  if (!start) return RefuseFirstApproach();
  const double T = temperatureGiven ? *given : *start;
  const double P = temperatureGiven ? *start : *given;
  const Globals::GasTable K = Globals::WilsonDistribution(T, P);
  phase::Composition x{}, y{};
  for (int i = 0; i < Globals::NumGases; ++i) {
    phase::SplitGas(Globals::fraction[i], K[i], s, x[i], y[i]);
    rt::RuntimeBackgroundTask();
  }
  if (!phase::Normalise(x, y)) return RefuseFirstApproach();
  Globals::TempKelvin = T;
  Globals::PresMPa = P;
  editField("dataEntry2").SetText(shared::FiniteText(*start));
  Globals::K_liq_vap = K;
  Globals::xgas = x;
  Globals::ygas = y;
  lists_.Fill();
  results_.Empty();
}

// No start values: the first approach and the results empty, the status
// line saying that nothing was solved.
void BubbleDewPoint::RefuseFirstApproach() {
  editField("dataEntry2").SetText("");
  lists_.Clear();
  results_.Refuse();
}

// The given condition as its field holds it: a temperature through the unit
// switch, above 0 K, or a pressure that is a finite number; nothing when the
// field holds no such entry.
std::optional<double> BubbleDewPoint::Given() {
  if (radioButton("RadioButtonTh").Value()) {
    double T = Globals::TempKelvin;
    if (!unit_.Read(T) || !(T > 0.0)) return std::nullopt;
    return T;
  }
  if (radioButton("RadioButtonPh").Value()) return shared::FiniteEntry(editField("dataEntryPh").Text());
  return std::nullopt;
}

// Iterates from the start value in `dataEntry2`, the given condition in its
// field and the phases in Globals::xgas and Globals::ygas, which it updates
// in every pass, until the two phases are in equilibrium. Refused, with the
// shared state as it was, when the given condition is no finite number (a
// temperature not above 0 K), when the start value is not a finite number
// above 0 (a run from a pressure or temperature at or below 0 can never
// succeed), when a value of the first-approach lists reads as none, or when
// the phases cannot be brought to a unit sum, at the start (as the lists'
// edits left them) or in a pass. A pass at a state that cannot be evaluated
// (a phase's molar volume beyond the largest Double, as at a pressure near
// 0 or a temperature near the largest Double) ends the run at once, refused
// in the same way.
void BubbleDewPoint::calculate_Action() {
  const bool temperatureGiven = radioButton("RadioButtonTh").Value();
  const bool pressureGiven = radioButton("RadioButtonPh").Value();
  const int s = SplitMode();
  ResetCaptions();
  const std::optional<double> given = Given();
  const std::optional<double> X0 = shared::FiniteEntry(editField("dataEntry2").Text());
  // The phases with the hand edits of the first-approach lists.
  phase::Composition x = Globals::xgas, y = Globals::ygas;
  if (!given || !X0 || !(*X0 > 0.0) || !lists_.ShowFiniteNumbers() || !phase::Normalise(x, y)) {
    results_.Refuse();
    return;
  }
  const phase::Composition xBefore = Globals::xgas, yBefore = Globals::ygas;
  const Globals::GasTable KBefore = Globals::K_liq_vap;
  double T = 0.0, P = 0.0;
  if (temperatureGiven) T = *given;
  if (pressureGiven) P = *given;
  Globals::xgas = x;
  Globals::ygas = y;

  phase::SecantStart start{.Fprev = phase::kAssumedLowerBalance, .Fcur = phase::kAssumedStartBalance};
  if (temperatureGiven) start.Xprev = phase::kLowerStartPressure * *X0, start.Xcur = *X0;
  if (pressureGiven) start.Xprev = *X0 - phase::kLowerStartTemperature, start.Xcur = *X0;

  const fw::RadioButton& solvePressure = radioButton("RadioButtonTh");
  const fw::RadioButton& solveTemperature = radioButton("RadioButtonPh");
  const auto apply = [&](double X) {
    if (solvePressure.Value()) P = X;
    if (solveTemperature.Value()) T = X;
    return phase::Conditions{T, P};
  };
  // The balance: the difference of the phases' totals before normalising.
  const auto update = [&](const phase::PhasePair&) -> std::optional<double> {
    for (int i = 0; i < Globals::NumGases; ++i) {
      phase::SplitGas(Globals::fraction[i], Globals::K_liq_vap[i], s, Globals::xgas[i], Globals::ygas[i]);
      rt::RuntimeBackgroundTask();
    }
    const std::optional<phase::SplitSums> totals = phase::Normalise(Globals::xgas, Globals::ygas);
    if (!totals) return std::nullopt;
    return totals->Sx - totals->Sy;
  };
  const phase::PhaseRun result = phase::IteratePhases(start, Globals::xgas, Globals::ygas, apply, update);
  if (!result.evaluable) {
    Globals::xgas = xBefore;
    Globals::ygas = yBefore;
    Globals::K_liq_vap = KBefore;
    results_.Refuse();
    return;
  }
  if (temperatureGiven) Globals::TempKelvin = *given;
  if (pressureGiven) Globals::PresMPa = *given;
  const phase::PhasePair& shown = result.shown;

  staticText("Answer").SetText(shared::FiniteText(result.run.X));
  phase::ShowPhases(*this, Globals::xgas, Globals::ygas, shown, result.at.P);

  // The phase that is the fluid itself is marked as the solution: in
  // " Liquid" mode the one with the smaller molar volume, in " Vapour" mode
  // the one with the larger; with equal volumes, or no mode, neither.
  const auto marks = [&] {
    const double Vx = shown.Vx, Vy = shown.Vy;
    if (radioButton("Liquid1").Value()) {
      staticText("PhaseX1").SetText(Vx < Vy ? "Phase X, solution" : "Phase X");
      staticText("PhaseY1").SetText(Vy < Vx ? "Phase Y, solution" : "Phase Y");
    }
    if (radioButton("Vapour1").Value()) {
      staticText("PhaseY1").SetText(Vx < Vy ? "Phase Y, solution" : "Phase Y");
      staticText("PhaseX1").SetText(Vy < Vx ? "Phase X, solution" : "Phase X");
    }
  };
  phase::EndReport(staticText("ResultText"),
                   {result.run, Globals::xgas, Globals::ygas, shown.Vx, shown.Vy},
                   {.marks = marks, .captionReset = [this] { ResetCaptions(); }});
}
