#include "windows/phase_behaviour/CriticalPointWindow.h"

#include "engine/Globals.h"
#include "framework/BusyCursor.h"
#include "numerics/CriticalSearch.h"
#include "numerics/Stability.h"
#include "runtime/Runtime.h"
#include "windows/explanation/Explain.h"
#include "windows/phase_behaviour/MathAnal.h"
#include "windows/shared/FiniteNumber.h"

namespace {

using fw::Kind;

const fw::WindowSpec kWindow = {
    .title = "Critical Point",
    .width = 450,
    .height = 660};

constexpr const char* kFrame = "GroupBox2";
constexpr const char* kNoSolution = "no solution";

const fw::ControlSpec kAboveSwitch[] = {
    // kind, name, text, left, top, width, height, text size, flags, parent, font, group
    {Kind::StaticText, "StaticText1",
     "Determinant of matrices with elements of the derivatives of the Helmholtz Energy as a function of "
     "volume (V), temperature (T) and amount of substance (n)",
     140, 20, 270, 60, 12, fw::MultiLine},
    {Kind::StaticText, "StaticText2", "Definition", 20, 20, 100, 20, 18},
    {Kind::StaticText, "StaticText10", "Pseudo-critical Conditions", 20, 100, 220, 20, 18, fw::MultiLine},
    {Kind::StaticText, "PseudoV", "Molar Volume", 80, 135, 100, 15, 14, fw::MultiLine},
    {Kind::StaticText, "PseudoT", "Temperature", 80, 160, 100, 15, 14, fw::MultiLine},
    {Kind::StaticText, "PseudoP", "Pressure", 80, 185, 100, 15, 14, fw::MultiLine},
    {Kind::StaticText, "VcmText", "cm /mol", 275, 135, 60, 15, 14},
    {Kind::StaticText, "KelvinText", "Kelvin", 275, 160, 60, 15, 14},
    {Kind::StaticText, "MPaText", "MPa", 275, 185, 60, 15, 14},
    {Kind::StaticText, "StaticText12", "3", 294, 131, 15, 15, 11},
    {Kind::StaticText, "ResultPseudoV", "", 190, 135, 70, 15, 14},
    {Kind::StaticText, "ResultPseudoT", "", 190, 160, 70, 15, 14},
    {Kind::StaticText, "ResultPseudoP", "", 190, 185, 70, 15, 14},
    {Kind::GroupBox, kFrame, "Sectant Method (root-finding)", 20, 230, 410, 360, 16, fw::Italic},
    {Kind::StaticText, "Homogen", "First-guess Molar Volume", 30, 270, 180, 20, 14, 0, kFrame},
    {Kind::StaticText, "Homogen1", "V2", 215, 300, 20, 20, 14, 0, kFrame},
    {Kind::StaticText, "VcmText1", "cm /mol", 355, 270, 60, 20, 14, 0, kFrame},
    {Kind::StaticText, "VcmText11", "cm /mol", 354, 300, 60, 20, 14, 0, kFrame},
    {Kind::StaticText, "StaticText13", "3", 374, 268, 15, 15, 11, 0, kFrame},
    {Kind::StaticText, "StaticText14", "3", 373, 298, 15, 15, 11, 0, kFrame},
    {Kind::EditField, "dataEntry1", "", 240, 270, 110, 20, 14, 0, kFrame},
    {Kind::EditField, "dataEntry2", "", 240, 300, 110, 20, 14, 0, kFrame},
    {Kind::StaticText, "MolarVolume", "Molar Volume", 30, 395, 130, 20, 16, 0, kFrame},
    {Kind::PushButton, "calculate", "calculate", 175, 345, 100, 30, 18, fw::DefaultButton, kFrame},
    {Kind::StaticText, "Temperature", "Temperature", 30, 435, 130, 20, 16, 0, kFrame},
    {Kind::StaticText, "StaticText3", "MPa", 270, 495, 80, 20, 16, 0, kFrame},
};

const fw::ControlSpec kBelowSwitch[] = {
    {Kind::StaticText, "Pressure", "Pressure", 30, 495, 130, 20, 16, 0, kFrame},
    {Kind::StaticText, "ResultV", "", 165, 395, 100, 20, 16, 0, kFrame},
    {Kind::StaticText, "StaticText4", "cm /mol", 270, 395, 80, 20, 16, 0, kFrame},
    {Kind::StaticText, "StaticText5", "3", 292, 392, 15, 20, 12, 0, kFrame},
    {Kind::StaticText, "StaticText6", "Kelvin", 270, 435, 80, 20, 16, 0, kFrame},
    {Kind::StaticText, "ResultT", "", 165, 435, 100, 20, 16, 0, kFrame},
    {Kind::StaticText, "ResultP", "", 165, 495, 100, 20, 16, 0, kFrame},
    {Kind::StaticText, "StaticText7", "*", 342, 391, 16, 20, 12, 0, kFrame},
    {Kind::StaticText, "StaticText8",
     "* the \"a\" and \"b\" values in the equation of state are calculated with the critical temperature "
     "and pressure. The mathematical molar volume at the critical point may deviate from the real molar "
     "volume.",
     145, 535, 270, 50, 10, fw::MultiLine, kFrame},
    {Kind::StaticText, "Homogen11", "V1", 215, 270, 20, 20, 14, 0, kFrame},
    {Kind::PushButton, "Analysis", "Mathematical Analysis", 270, 610, 150, 25, 12},
    {Kind::StaticText, "StaticText9", "In case of a curious solution:", 84, 615, 180, 20, 12},
    {Kind::PushButton, "pseudo", "Explain", 360, 100, 60, 20, 10},
};

const std::vector<fw::ControlSpec> kLayout =
    fw::JoinLayout({kAboveSwitch, shared::TemperatureSwitch::Rows(352, 430, kFrame), kBelowSwitch});

}  // namespace

CriticalPointWindow::CriticalPointWindow() : fw::Window(kWindow, kLayout) {
  onAction("calculate", [this] { calculate_Action(); });
  onAction("Analysis", [this] { Analysis_Action(); });
  onAction("pseudo", [this] { pseudo_Action(); });
}

// A fluid without a gas has no pseudo-critical temperature (0/0): its label
// stays empty, which "calculate" reads as 0.
void CriticalPointWindow::Event_Activate() {
  const stability::PseudoCriticalPoint pc = stability::PseudoCritical(Globals::fraction);
  staticText("ResultPseudoV").SetText(shared::FiniteText(pc.V));
  staticText("ResultPseudoT").SetText(shared::FiniteText(pc.T));
  staticText("ResultPseudoP").SetText(shared::FiniteText(pc.P));
  editField("dataEntry1").SetText(shared::FiniteText(pc.V));
  editField("dataEntry2").SetText(shared::FiniteText(pc.b + (pc.V - pc.b) / 2.0));
}

// A pure gas is its own pseudo-critical point, as the labels show it. Any
// other fluid is searched from the two first guesses; the point where the
// search stops is shown only when it is a critical point. Where it is not,
// the search goes on along the whole spinodal and shows the critical point
// of highest temperature found there. Leaves the temperature and pressure in
// the shared state.
void CriticalPointWindow::calculate_Action() {
  fw::BusyCursor busy;
  const double Tpc = rt::Val(staticText("ResultPseudoT").Text());
  const double Vpc = rt::Val(staticText("ResultPseudoV").Text());
  double T = Tpc, V = Vpc, P = 0.0;
  bool found = false;
  if (stability::PureGas(Globals::fraction) >= 0) {
    if (T > 0 && V > 0) P = Globals::Pressure(Globals::fraction, T, V);
    found = T > 0;
  } else {
    const auto poll = [&busy] { busy.Poll(); };
    const stability::SearchRun run = stability::RunCriticalSearch(
        Globals::fraction, rt::Val(editField("dataEntry1").Text()), rt::Val(editField("dataEntry2").Text()), poll);
    T = run.T;
    V = run.V;
    if (const auto point = stability::AcceptCriticalPoint(Globals::fraction, run)) {
      P = point->P;
      found = true;
    } else if (const auto further = stability::SearchAlongSpinodal(Globals::fraction, poll)) {
      T = further->T;
      V = further->V;
      P = further->P;
      found = true;
    } else if (run.Converged()) {
      // A stop that is no critical point leaves no conditions behind.
      T = 0.0;
    } else if (T > 0 && V > 0) {
      P = Globals::Pressure(Globals::fraction, T, V);
    }
  }
  unit_.SelectKelvin();
  Globals::TempKelvin = T;
  Globals::PresMPa = P;
  if (found) {
    ShowResults(T, V, P);
  } else {
    ShowNoSolution();
  }
}

void CriticalPointWindow::ShowResults(double T, double V, double P) {
  staticText("ResultT").SetText(shared::FiniteText(T, kNoSolution));
  staticText("ResultV").SetText(shared::FiniteText(V, kNoSolution));
  staticText("ResultP").SetText(shared::FiniteText(P, kNoSolution));
}

void CriticalPointWindow::ShowNoSolution() {
  for (const char* label : {"ResultT", "ResultV", "ResultP"}) staticText(label).SetText(kNoSolution);
}

void CriticalPointWindow::Analysis_Action() { MathAnal::Get().Show(); }

void CriticalPointWindow::pseudo_Action() { Explain::Get().Show(); }
