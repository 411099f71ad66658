// The liquid-vapour equilibrium window driven as a user would.

#include "windows/phase_behaviour/LiquidVapourEq.h"

#include <stdexcept>

#include "tests/windows/phase_behaviour/PhaseTestSupport.h"

namespace {

using namespace phasetest;

class LiquidVapourEqTest : public WindowTest {
 protected:
  LiquidVapourEq& window = Open<LiquidVapourEq>();

  void Calculate(const char* Vb, const char* T) {
    Enter(window, "dataEntry", Vb);
    Enter(window, "dataEntry1", T);
    Press(window, "CalFirstApproach");
    Press(window, "calculate");
  }
  std::string Status() { return TextOf(window, "ResultText"); }
};

TEST_F(LiquidVapourEqTest, OpensInKelvinWithEverythingEmpty) {
  EXPECT_EQ(window.Title(), "Liquid-Vapour Equilibrium");
  EXPECT_EQ(window.Width(), 615);
  EXPECT_EQ(window.Height(), 700);
  EXPECT_EQ(window.Controls().size(), 49u);
  EXPECT_TRUE(window.radioButton("Kelvin").Value());
  EXPECT_EQ(TextOf(window, "StaticText3"), "Kelvin");
  for (const char* field : {"dataEntry", "dataEntry1", "dataEntry2", "dataEntry3"})
    EXPECT_EQ(window.editField(field).Text(), "");
  EXPECT_EQ(window.listBox("ListBoxFracX").RowCount(), 0);
  EXPECT_EQ(window.scrollBar("ScrollBar1").Maximum(), 135);
  EXPECT_EQ(window.scrollBar("ScrollBar1").Height(), 685);
  EXPECT_EQ(window.rectangle("Rectangle1").Height(), 835);
  EXPECT_TRUE(window.pushButton("calculate").IsDefault());
}

// The start pressure is the mean of Raoult's bubble and dew pressures; the
// phases are the fluid split half and half with Wilson's K-values, each
// divided by its total (without the 10^-12 grain).
TEST_F(LiquidVapourEqTest, FirstApproachSplitsTheFluidHalfAndHalfWithWilsonKValues) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Globals::IntegerFraction[N2] = 7;
  Enter(window, "dataEntry3", "0.9");
  Choose(window, "Celsius");
  Enter(window, "dataEntry1", "-73.15");
  Press(window, "CalFirstApproach");
  const double T = -73.15 + 273.15;
  EXPECT_EQ(Globals::TempKelvin, T);
  EXPECT_EQ(window.editField("dataEntry3").Text(), "0.5");
  const double PsCO2 = Globals::SaturationPressure(CO2, T), PsCH4 = Globals::SaturationPressure(CH4, T);
  const double P = 0.5 * ((0.5 * PsCO2 + 0.5 * PsCH4) + 1 / (0.5 / PsCO2 + 0.5 / PsCH4));
  EXPECT_NEAR(Globals::PresMPa, P, 1e-13 * P);
  EXPECT_NEAR(rt::Val(window.editField("dataEntry2").Text()), P, 1e-13 * P);

  const double K1 = Wilson(CO2, T, P), K9 = Wilson(CH4, T, P);
  const double x1 = 0.5 / ((K1 + 1) / 2), x9 = 0.5 / ((K9 + 1) / 2);
  EXPECT_NEAR(Globals::xgas[CO2], x1 / (x1 + x9), 1e-12);
  EXPECT_NEAR(Globals::ygas[CH4], K9 * x9 / (K1 * x1 + K9 * x9), 1e-12);
  EXPECT_EQ(Globals::xgas[N2], 0.0);
  EXPECT_EQ(Globals::IntegerFraction[N2], 7);  // no normaliser here
  EXPECT_EQ(ListValues(window, "ListBoxPhaseY")[CH4], rt::Val(rt::Str(Globals::ygas[CH4])));
}

TEST_F(LiquidVapourEqTest, FirstApproachOfAnEmptyFluidStartsAtHalfTheDewFallback) {
  SetFluid({});
  Globals::xgas.fill(0.3);
  Enter(window, "dataEntry1", "300");
  Press(window, "CalFirstApproach");
  EXPECT_EQ(Globals::PresMPa, 0.05);
  EXPECT_EQ(Globals::xgas, Globals::Composition{});
  EXPECT_EQ(Globals::ygas, Globals::Composition{});
  EXPECT_EQ(window.listBox("ListBoxPhaseX").RowCount(), 0);

  SetFluid({{CO2, 1.0}});
  Press(window, "CalFirstApproach");
  EXPECT_EQ(Globals::xgas[CO2], 1.0);
  EXPECT_EQ(Globals::ygas[CO2], 1.0);
}

// Pure gases: whatever bulk molar volume between the two roots, the fluid
// splits at the saturation pressure, and the vapour's volume fraction fills
// the bulk volume with the two roots.
TEST_F(LiquidVapourEqTest, PureGasesSplitAtTheirSaturationPressureByTheLeverRule) {
  for (Gas gas : kPureGases) {
    Globals::CriticalValues();
    const double T = 0.7 * Globals::Tcrit[gas];
    const vdwref::Real Psat = vdwref::SaturationPressure(gas, T);
    const auto& ref = vdwref::Gases();
    const auto roots = vdwref::Roots(ref.a[gas], ref.b[gas], T, Psat);
    const double VL = static_cast<double>(roots.front()), VV = static_cast<double>(roots.back());
    SetFluid({{gas, 1.0}});
    for (double share : {0.2, 0.7}) {
      const double Vb = (1 - share) * VL + share * VV;  // moles in the vapour: share
      Calculate(rt::Str(Vb).c_str(), rt::Str(T).c_str());
      ASSERT_TRUE(StartsWith(Status(), "Solution after")) << Globals::GasNames[gas] << " " << Status();
      EXPECT_NEAR(NumberOf(window, "Answer"), Psat, 1e-11 * Psat) << Globals::GasNames[gas];
      EXPECT_NEAR(ValueOf(window, "ListBoxVmX"), VL, 1e-9 * VL);
      EXPECT_NEAR(ValueOf(window, "ListBoxVmY"), VV, 1e-9 * VV);
      const double beta = share * VV / Vb;
      EXPECT_NEAR(ValueOf(window, "ListBoxFracY"), beta, 1e-9);
      EXPECT_NEAR(ValueOf(window, "ListBoxFracX"), 1 - beta, 1e-9);
    }
  }
}

// CO2 0.5 / CH4 0.5 at 200 K filling 100 cm3/mol: the pressure lies between
// the dew and bubble pressures, every gas has the same fugacity in both
// phases, and the phases hold the fluid: z = (1 - n) x + n y with the vapour
// share n that fills the bulk volume.
TEST_F(LiquidVapourEqTest, CO2MethaneSplitBalancesFugacitiesAndHoldsTheFluid) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  for (const char* Vb : {"70", "100", "395"}) {
    Calculate(Vb, "200");
    ASSERT_TRUE(StartsWith(Status(), "Solution after")) << Vb << " " << Status();
    const double P = NumberOf(window, "Answer"), T = 200, V = rt::Val(Vb);
    EXPECT_GT(P, 1.9758);  // the dew pressure at 200 K
    EXPECT_LT(P, 3.1167);  // the bubble pressure
    const Globals::Composition x = ListValues(window, "ListBoxPhaseX1"), y = ListValues(window, "ListBoxPhaseY1");
    const double Vx = ValueOf(window, "ListBoxVmX"), Vy = ValueOf(window, "ListBoxVmY");
    const auto& ref = vdwref::Gases();
    EXPECT_NEAR(vdwref::Pressure(ref.aMix(x), ref.bMix(x), T, Vx), P, 1e-9 * P);
    EXPECT_NEAR(vdwref::Pressure(ref.aMix(y), ref.bMix(y), T, Vy), P, 1e-9 * P);
    for (Gas gas : {CO2, CH4}) {
      const double fx = vdwref::Fugacity(x, gas, T, Vx), fy = vdwref::Fugacity(y, gas, T, Vy);
      EXPECT_NEAR(fx, fy, 1e-9 * fx) << Globals::GasNames[gas];
      EXPECT_NEAR(ListValues(window, "ListBoxPhaseY2")[gas], fy, 1e-9 * fy);
    }
    const double n = (V - Vx) / (Vy - Vx);
    for (Gas gas : {CO2, CH4}) EXPECT_NEAR((1 - n) * x[gas] + n * y[gas], 0.5, 1e-9) << Vb;
    EXPECT_NEAR(ValueOf(window, "ListBoxFracY"), n * Vy / V, 1e-9);
  }
}

// At start-up every K-value is 0: the first split has no phase Y to divide,
// which counts as a total of 1 instead of giving 0/0.
TEST_F(LiquidVapourEqTest, CalculatingBeforeAnyFirstApproachStillSolves) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Enter(window, "dataEntry", "100");
  Enter(window, "dataEntry1", "200");
  Enter(window, "dataEntry2", "3");
  Enter(window, "dataEntry3", "0.5");
  Press(window, "calculate");
  EXPECT_TRUE(StartsWith(Status(), "Solution after")) << Status();
  EXPECT_NEAR(NumberOf(window, "Answer"), 3.0208, 1e-4);
  for (Gas gas : {CO2, CH4}) EXPECT_TRUE(std::isfinite(ListValues(window, "ListBoxPhaseY1")[gas]));
}

// Pure Ar filling 200 cm3/mol at 120 K: the start pressure lies above the
// vapour spinodal, where the isotherm has one root, so both phases are the
// same; the typed volume fraction stays, and the warning is the trivial one.
TEST_F(LiquidVapourEqTest, APureFluidWithOneRootIsAPossibleTrivialSolution) {
  SetFluid({{Ar, 1.0}});
  Calculate("200", "120");
  EXPECT_EQ(Status(), kTrivial);
  const double P = NumberOf(window, "Answer");
  const auto& ref = vdwref::Gases();
  EXPECT_EQ(vdwref::Roots(ref.a[Ar], ref.b[Ar], 120, P).size(), 1u);
  EXPECT_EQ(ValueOf(window, "ListBoxVmX"), ValueOf(window, "ListBoxVmY"));
  EXPECT_EQ(ValueOf(window, "ListBoxFracY"), 0.5);
  EXPECT_EQ(ValueOf(window, "ListBoxFracX"), 0.5);
  // Typed outside (0, 1], the fraction still fails its check.
  Enter(window, "dataEntry3", "1.5");
  Press(window, "calculate");
  EXPECT_EQ(Status(), kFractions);
}

// Volume fractions need a bulk molar volume above 0 and lie above 0 and up
// to 1.
TEST_F(LiquidVapourEqTest, FractionsNotFormedOrOutsideZeroToOneFailTheFractionsCheck) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  for (const char* Vb : {"", "abc", "-5", "0", "40", "1000"}) {
    Calculate(Vb, "200");
    EXPECT_EQ(Status(), kFractions) << Vb;
  }
  Calculate("", "200");
  EXPECT_EQ(ValueOf(window, "ListBoxFracY"), 0.5);  // shown, but never formed
}

// (A start at or below 0 is refused at once: BadInputTest.)
TEST_F(LiquidVapourEqTest, ATinyStartClimbsToTheSplit) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Enter(window, "dataEntry", "100");
  Enter(window, "dataEntry1", "200");
  Press(window, "CalFirstApproach");
  // A start far below the split pressure, where the small root of the cubic
  // must be exact for the iteration to climb: it reaches the true split.
  Enter(window, "dataEntry2", "1e-10");
  Press(window, "calculate");
  ASSERT_TRUE(StartsWith(Status(), "Solution after")) << Status();
  ExpectEquilibrium(window, 200, rt::Val(TextOf(window, "Answer")), "start 1e-10");
}

// The lists' edits go into the shared phases, which this window's calculation
// does not read.
TEST_F(LiquidVapourEqTest, ListEditsReachThePhasesButNotTheResult) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Enter(window, "dataEntry", "100");
  Enter(window, "dataEntry1", "200");
  Press(window, "CalFirstApproach");
  const Globals::GasTable K = Globals::K_liq_vap;
  Press(window, "calculate");
  const std::string answer = TextOf(window, "Answer");

  fw::ListBox& listY = window.listBox("ListBoxPhaseY");
  test::ClickCell(listY, RowOf(listY, CO2), 0);
  test::RetypeInCellEditor(listY, "0.9");
  test::CommitCellEditor(listY);
  EXPECT_EQ(Globals::ygas[CO2], 0.9);
  EXPECT_EQ(listY.Cell(RowOf(listY, CO2), 1), "0.9");
  Globals::K_liq_vap = K;
  Press(window, "calculate");
  EXPECT_EQ(TextOf(window, "Answer"), answer);
  EXPECT_EQ(Globals::ygas[CO2], 0.9);
}

// An editor left open while the rows are rebuilt edits nothing.
TEST_F(LiquidVapourEqTest, EditsOfRowsDeletedMeanwhileAreIgnored) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Enter(window, "dataEntry1", "200");
  Press(window, "CalFirstApproach");
  fw::ListBox& list = window.listBox("ListBoxPhaseX");
  test::ClickCell(list, 1, 1);
  Press(window, "CalFirstApproach");
  const Globals::Composition x = Globals::xgas;
  try {
    test::TypeInCellEditor(list, "9");
  } catch (const std::logic_error&) {
    // the editor closed with its row
  }
  EXPECT_EQ(Globals::xgas, x);

  Press(window, "Clear");
  window.Lists().ListBoxPhaseX_CellTextChange(1, 1);
  window.Lists().ListBoxPhaseY_CellTextChange(0, 1);
  EXPECT_EQ(Globals::xgas, x);
}

TEST_F(LiquidVapourEqTest, TheUnitSwitchDecidesHowTheTemperatureIsRead) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Calculate("100", "200");
  const std::string kelvin = TextOf(window, "Answer");
  Enter(window, "dataEntry1", "-73.15");
  Choose(window, "Celsius");
  EXPECT_EQ(TextOf(window, "StaticText3"), "\u02DACelsius");
  EXPECT_EQ(window.editField("dataEntry1").Text(), "-73.15");
  Press(window, "CalFirstApproach");
  Press(window, "calculate");
  EXPECT_NEAR(NumberOf(window, "Answer"), rt::Val(kelvin), 1e-9);
  Choose(window, "Kelvin");
  EXPECT_EQ(TextOf(window, "StaticText3"), "Kelvin");
}

TEST_F(LiquidVapourEqTest, ClearEmptiesTextsAndListsButKeepsUnitAndSharedState) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Choose(window, "Celsius");
  Calculate("100", "-73.15");
  const Globals::GasTable K = Globals::K_liq_vap;
  const Globals::Composition y = Globals::ygas;
  Press(window, "Clear");
  for (const char* field : {"dataEntry", "dataEntry1", "dataEntry2", "dataEntry3"})
    EXPECT_EQ(window.editField(field).Text(), "");
  EXPECT_EQ(TextOf(window, "Answer"), "");
  EXPECT_EQ(Status(), "");
  for (const char* list : {"ListBoxVmX", "ListBoxDX", "ListBoxFracX", "ListBoxPhaseX", "ListBoxPhaseX1", "ListBoxPhaseX2",
                           "ListBoxVmY", "ListBoxDY", "ListBoxFracY", "ListBoxPhaseY", "ListBoxPhaseY1", "ListBoxPhaseY2"})
    EXPECT_EQ(window.listBox(list).RowCount(), 0) << list;
  EXPECT_TRUE(window.radioButton("Celsius").Value());
  EXPECT_EQ(Globals::K_liq_vap, K);
  EXPECT_EQ(Globals::ygas, y);
}

TEST_F(LiquidVapourEqTest, TheWindowShrinksTo64PixelsAndScrollsThroughTheWholePanel) {
  fw::ScrollBar& bar = window.scrollBar("ScrollBar1");
  test::ResizeClient(window, 615, 64);
  EXPECT_EQ(window.Height(), 64);
  EXPECT_EQ(bar.Height(), 49);
  EXPECT_EQ(bar.Maximum(), 771);
  test::DragThumbTo(bar, 771);
  EXPECT_EQ(window.rectangle("Rectangle1").Top(), -771);
  EXPECT_EQ(window.control("ResultText").Top(), 793 - 771);
  test::ResizeClient(window, 615, 835);
  EXPECT_EQ(bar.Maximum(), 0);
  EXPECT_EQ(window.rectangle("Rectangle1").Top(), 0);
}

}  // namespace
