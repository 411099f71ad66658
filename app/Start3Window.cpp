#include "app/Start3Window.h"

#include "windows/energy/ChemPotWindow.h"
#include "windows/energy/EnergyWindow.h"
#include "windows/energy/EnthalpyWindow.h"
#include "windows/energy/EntropyWindow.h"
#include "windows/energy/GibbsWindow.h"
#include "windows/energy/HelmholtzWindow.h"
#include "windows/phase_behaviour/BubbleDewPoint.h"
#include "windows/phase_behaviour/CriticalPointWindow.h"
#include "windows/phase_behaviour/LiquidVapourEq.h"
#include "windows/phase_behaviour/SpinodalWindow.h"
#include "windows/single_phase/ActivityWindow.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/single_phase/PressureWindow.h"
#include "windows/single_phase/TemperatureWindow.h"
#include "windows/single_phase/VolumeWindow.h"

namespace {

using fw::Kind;

const fw::WindowSpec kWindow = {.title = "Procedures", .width = 300, .height = 570};

const fw::ControlSpec kLayout[] = {
    {Kind::StaticText, "StaticText1", "Calculation procedure", 20, 20, 200, 22, 18},
    {Kind::PushButton, "PushButton1", "continue", 205, 525, 75, 25, 12, fw::DefaultButton},
    {Kind::RadioButton, "MolarVolumes", "Molar Volumes", 40, 60, 130, 20, 14},
    {Kind::RadioButton, "Pressures", "Pressures", 40, 90, 100, 20, 14},
    {Kind::RadioButton, "Temperatures", "Temperatures", 40, 120, 125, 20, 14},
    {Kind::RadioButton, "Fugacities", "Fugacities", 40, 148, 100, 20, 14},
    {Kind::RadioButton, "Activities", "Activities", 40, 180, 90, 20, 14},
    {Kind::RadioButton, "Homogenisation", "Homogenization", 40, 210, 145, 20, 14},
    {Kind::RadioButton, "LiquidVapour", "Liquid-Vapour equilibria", 40, 240, 200, 20, 14},
    {Kind::RadioButton, "InternalEnergy", "Relative internal energy (U)", 40, 330, 210, 20, 14},
    {Kind::RadioButton, "Enthalpy", "Relative enthalpy (H)", 40, 360, 170, 20, 14},
    {Kind::RadioButton, "Entropy", "Entropy (S)", 40, 390, 105, 20, 14},
    {Kind::RadioButton, "HelmholtzEnergy", "Relative Helmholtz energy (A)", 40, 420, 230, 20, 14},
    {Kind::RadioButton, "GibbsEnergy", "Relative Gibbs energy (G)", 40, 450, 230, 20, 14},
    {Kind::RadioButton, "ChemicalPotentials", "Chemical potentials", 40, 480, 160, 20, 14},
    {Kind::RadioButton, "CriticalPoint", "Critical Point", 40, 300, 115, 20, 14},
    {Kind::RadioButton, "Spinodal", "Spinodal", 40, 270, 90, 20, 14},
};

template <class W>
fw::Window& open() {
  return W::Get();
}

// Each radio button and the window it opens, in the order of the tests.
struct Procedure {
  const char* radio;
  fw::Window& (*window)();
};

constexpr Procedure kProcedures[] = {
    {"MolarVolumes", open<VolumeWindow>},
    {"Pressures", open<PressureWindow>},
    {"Temperatures", open<TemperatureWindow>},
    {"Fugacities", open<FugacityWindow>},
    {"Activities", open<ActivityWindow>},
    {"Homogenisation", open<BubbleDewPoint>},
    {"LiquidVapour", open<LiquidVapourEq>},
    {"CriticalPoint", open<CriticalPointWindow>},
    {"Spinodal", open<SpinodalWindow>},
    {"InternalEnergy", open<EnergyWindow>},
    {"Enthalpy", open<EnthalpyWindow>},
    {"Entropy", open<EntropyWindow>},
    {"HelmholtzEnergy", open<HelmholtzWindow>},
    {"GibbsEnergy", open<GibbsWindow>},
    {"ChemicalPotentials", open<ChemPotWindow>},
};

}  // namespace

Start3Window::Start3Window() : fw::Window(kWindow, kLayout) {
  onAction("PushButton1", [this] { PushButton1_Action(); });
}

// Every radio button that is on has its window shown; with none on nothing opens.
void Start3Window::PushButton1_Action() {
  for (const Procedure& procedure : kProcedures) {
    if (radioButton(procedure.radio).Value()) procedure.window().Show();
  }
}
