#include "windows/energy/ChemPotWindow.h"

#include "engine/Globals.h"
#include "resources/Pictures.h"
#include "runtime/Runtime.h"
#include "windows/shared/FiniteNumber.h"

namespace {

using fw::Kind;

const energy::WindowDesign kDesign = {
    .window = {.title = "Chemical Potentials", .width = 450, .height = 730,
               .placement = fw::Placement::Centred},
    .heading = "Partial Derivative",
    .headingBox = {20, 20, 160, 25},
    .formula = &Pictures::chem_125,
    .formulaBox = {230, 20, 125, 60},
    .citation = {233, 90, 130, 10},
    .pressureTop = 130,
    .temperatureTop = 170,
    .clear = {375, 130, 50, 20},
    .unitSwitch = {360, 165},
    .calculate = {105, 225, 230, 30},
    .roots = {90, 275},
    .footnoteName = "StaticText1",
    .footnote = {240, 390},
    .resultFrame = {20, 425, 410, 40},
    .molarVolume = {30, 432, 130, 25},
    .result = {190, 432, 120, 25},
    .volumeUnit = {320, 432, 75, 25},
    .standardStateName = "StaticText11",
    .standardState = {160, 680, 270, 40}};

const fw::ControlSpec kList[] = {
    {.kind = Kind::GroupBox, .name = "GroupBox3", .text = "Chemical Potentials", .left = 55,
     .top = 480, .width = 340, .height = 190, .textSize = 18},
    {.kind = Kind::ListBox, .name = "ListBox1", .left = 69, .top = 515, .width = 310, .height = 140,
     .textSize = 14, .flags = fw::Italic | fw::Heading | fw::GridVertical, .parent = "GroupBox3",
     .columns = 2, .columnWidths = "30%, 70%"},
};

}  // namespace

ChemPotWindow::ChemPotWindow() : energy::EnergyFunctionWindow(kDesign, {}, kList) {}

void ChemPotWindow::Event_Activate() {
  fw::ListBox& list = listBox("ListBox1");
  list.SetHeading(0, "gas");
  list.SetHeading(1, "J/mol");
}

void ChemPotWindow::EmptyResultTexts() { staticText("Result").SetText(""); }

void ChemPotWindow::EmptyResultList() { listBox("ListBox1").DeleteAllRows(); }

// Every potential is computed before the first row is added. A gas counts
// when its fraction is above 0, however small: the engine does not test the
// gas's own fraction, so it is never asked about an absent gas. A potential
// beyond the range of numbers leaves its cell empty.
void ChemPotWindow::Evaluate(int k) {
  fw::ListBox& list = listBox("ListBox1");
  list.DeleteAllRows();
  const double V = shared::SolutionChooser::Root(k);
  staticText("Result").SetText(shared::FiniteText(V));
  Globals::GasTable potential{};
  for (int i = 0; i < Globals::NumGases; ++i) {
    if (0.0 < Globals::fraction[i])
      potential[i] = Globals::ChemicalPotential(i, Globals::fraction, Globals::TempKelvin, V);
    rt::RuntimeBackgroundTask();
  }
  for (int i = 0; i < Globals::NumGases; ++i) {
    if (0.0 < Globals::fraction[i]) list.AddRow({Globals::GasNames[i], shared::FiniteText(potential[i])});
    rt::RuntimeBackgroundTask();
  }
}
