// The bubble-dew point window driven as a user would.

#include "windows/phase_behaviour/BubbleDewPoint.h"

#include "app/Start2Window.h"
#include "tests/windows/phase_behaviour/PhaseTestSupport.h"

namespace {

using namespace phasetest;

class BubbleDewPointTest : public WindowTest {
 protected:
  BubbleDewPoint& window = Open<BubbleDewPoint>();

  // The given temperature (K) or, with "Homogenization Pressure", pressure
  // (MPa); the mode; then "calculate first approach".
  void FirstApproach(const char* given, const char* mode, bool pressureGiven = false) {
    Choose(window, pressureGiven ? "RadioButtonPh" : "RadioButtonTh");
    Enter(window, pressureGiven ? "dataEntryPh" : "dataEntryTh", given);
    if (mode) Choose(window, mode);
    Press(window, "FirstApproach");
  }
  std::string Status() { return TextOf(window, "ResultText"); }
};

TEST_F(BubbleDewPointTest, OpensWithTemperatureGivenInKelvinNoModeAndNothingShown) {
  EXPECT_EQ(window.Title(), "Bubble-Dew point");
  EXPECT_EQ(window.Width(), 635);
  EXPECT_EQ(window.Height(), 700);
  EXPECT_TRUE(window.radioButton("RadioButtonTh").Value());
  EXPECT_FALSE(window.radioButton("RadioButtonPh").Value());
  EXPECT_TRUE(window.radioButton("Kelvin").Value());
  EXPECT_FALSE(window.radioButton("Vapour1").Value());
  EXPECT_FALSE(window.radioButton("Liquid1").Value());
  EXPECT_FALSE(window.imageWell("ImageWell3").Visible());
  EXPECT_FALSE(window.imageWell("ImageWell4").Visible());
  EXPECT_TRUE(window.imageWell("ImageWell3").Image() != nullptr);
  for (const char* label : {"Homogen", "Homogen2"}) EXPECT_EQ(TextOf(window, label), "Homogenization Pressure");
  for (const char* label : {"Dimension", "Dimension2"}) EXPECT_EQ(TextOf(window, label), "MPa");
  EXPECT_EQ(TextOf(window, "Answer"), "");
  EXPECT_EQ(window.listBox("ListBoxPhaseX1").ColumnCount(), 2);
  EXPECT_TRUE(window.pushButton("calculate").IsDefault());
  // Every control but the bar lies on the panel, which starts at the top.
  EXPECT_EQ(window.rectangle("Rectangle1").Top(), 0);
  EXPECT_EQ(window.control("ResultText").Top(), 878);
  EXPECT_EQ(window.scrollBar("ScrollBar1").Maximum(), 225);
  EXPECT_EQ(&BubbleDewPoint::Get(), &window);

  // A window closed and asked for again starts afresh.
  Enter(window, "dataEntryTh", "200");
  test::CloseByCloseBox(window);
  EXPECT_EQ(BubbleDewPoint::Get().editField("dataEntryTh").Text(), "");
}

TEST_F(BubbleDewPointTest, SelectRadiosRenameTheSoughtQuantityAndDropTheOtherEntry) {
  Enter(window, "dataEntryTh", "200");
  Enter(window, "dataEntry2", "3");
  Choose(window, "Celsius");
  Choose(window, "RadioButtonPh");
  EXPECT_EQ(window.editField("dataEntryTh").Text(), "");
  for (const char* label : {"Homogen", "Homogen2"}) EXPECT_EQ(TextOf(window, label), "Homogenization Temperature");
  // The solved temperature is in kelvin whatever the unit switch shows.
  for (const char* label : {"Dimension", "Dimension2"}) EXPECT_EQ(TextOf(window, label), "Kelvin");
  EXPECT_EQ(TextOf(window, "StaticText3"), "\u02DACelsius");
  EXPECT_EQ(window.editField("dataEntry2").Text(), "3");

  Enter(window, "dataEntryPh", "2");
  Choose(window, "RadioButtonTh");
  EXPECT_EQ(window.editField("dataEntryPh").Text(), "");
  EXPECT_EQ(TextOf(window, "Dimension2"), "MPa");
  Choose(window, "Kelvin");
  EXPECT_EQ(TextOf(window, "StaticText3"), "Kelvin");
}

TEST_F(BubbleDewPointTest, ModeRadiosShowOnlyTheirOwnPicture) {
  Choose(window, "Vapour1");
  EXPECT_TRUE(window.imageWell("ImageWell4").Visible());
  EXPECT_FALSE(window.imageWell("ImageWell3").Visible());
  Choose(window, "Liquid1");
  EXPECT_TRUE(window.imageWell("ImageWell3").Visible());
  EXPECT_FALSE(window.imageWell("ImageWell4").Visible());
  EXPECT_FALSE(window.radioButton("Vapour1").Value());
}

// Bubble mode: phase X is the fluid, phase Y its Wilson K-values times the
// fluid, normalised; the start pressure is Raoult's sum of z_i Psat_i.
TEST_F(BubbleDewPointTest, FirstApproachInCelsiusGivesRaoultBubblePressureAndWilsonPhases) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Choose(window, "Celsius");
  FirstApproach("-73.15", "Liquid1");
  const double T = -73.15 + 273.15;
  EXPECT_EQ(Globals::TempKelvin, T);
  const double P = 0.5 * Globals::SaturationPressure(CO2, T) + 0.5 * Globals::SaturationPressure(CH4, T);
  EXPECT_NEAR(rt::Val(window.editField("dataEntry2").Text()), P, 1e-13 * P);
  EXPECT_EQ(Globals::PresMPa, P);

  const double KCO2 = Wilson(CO2, T, P), KCH4 = Wilson(CH4, T, P);
  EXPECT_NEAR(Globals::K_liq_vap[CH4], KCH4, 1e-12 * KCH4);
  EXPECT_NEAR(Globals::xgas[CO2], 0.5, 1e-12);
  EXPECT_NEAR(Globals::ygas[CO2], KCO2 / (KCO2 + KCH4), 1e-11);
  EXPECT_NEAR(Globals::ygas[CH4], KCH4 / (KCO2 + KCH4), 1e-11);
  EXPECT_EQ(Globals::xgas[N2], 0.0);

  // The lists show the same numbers, CO2 before CH4.
  fw::ListBox& listY = window.listBox("ListBoxPhaseY");
  ASSERT_EQ(listY.RowCount(), 2);
  EXPECT_EQ(listY.Cell(0, 0), "CO2");
  EXPECT_EQ(listY.Cell(1, 1), rt::Str(Globals::ygas[CH4]));
  EXPECT_EQ(TextOf(window, "PhaseX1"), "Phase X");
}

TEST_F(BubbleDewPointTest, DewModeKeepsTheFluidAsPhaseYAndStartsFromTheDewPressure) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  FirstApproach("220", "Vapour1");
  const double PsCO2 = Globals::SaturationPressure(CO2, 220), PsCH4 = Globals::SaturationPressure(CH4, 220);
  const double P = 1 / (0.5 / PsCO2 + 0.5 / PsCH4);
  EXPECT_NEAR(rt::Val(window.editField("dataEntry2").Text()), P, 1e-13 * P);
  EXPECT_NEAR(Globals::ygas[CO2], 0.5, 1e-12);
  const double rCO2 = 1 / Wilson(CO2, 220, P), rCH4 = 1 / Wilson(CH4, 220, P);
  EXPECT_NEAR(Globals::xgas[CO2], rCO2 / (rCO2 + rCH4), 1e-11);
}

// Given the pressure, the search starts at 298.15 K (in kelvin, whatever the
// unit switch says) with Wilson's K-values at that temperature.
TEST_F(BubbleDewPointTest, PressureGivenStartsAt298_15Kelvin) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Choose(window, "Celsius");
  FirstApproach("2.5", "Liquid1", true);
  EXPECT_EQ(window.editField("dataEntry2").Text(), "298.15");
  EXPECT_EQ(Globals::TempKelvin, 298.15);
  EXPECT_EQ(Globals::PresMPa, 2.5);
  EXPECT_NEAR(Globals::K_liq_vap[CO2], Wilson(CO2, 298.15, 2.5), 1e-12 * Globals::K_liq_vap[CO2]);

  FirstApproach("0", "Liquid1", true);  // Wilson needs a pressure above 0
  EXPECT_EQ(Globals::K_liq_vap[CO2], 1.0);
  EXPECT_EQ(ListValues(window, "ListBoxPhaseY")[CH4], 0.5);
}

// CH4 0.8 / C2H6 0.2 at 180 K: the phases that the first approach and the
// calculation normalise are no fluid of the fluid window's, whose "continue"
// takes the same fluid again.
TEST_F(BubbleDewPointTest, NoCalculationChangesTheFluidThatTheFluidWindowTakes) {
  Start2Window& fluid = Open<Start2Window>();
  Enter(fluid, "CH4number", "0.8");
  Enter(fluid, "C2H6number", "0.2");
  Press(fluid, "continue2");
  const auto integers = Globals::IntegerFraction;
  FirstApproach("180", "Liquid1");
  Press(window, "calculate");
  ASSERT_TRUE(StartsWith(Status(), "Solution after")) << Status();
  EXPECT_EQ(Globals::IntegerFraction, integers);
  Press(fluid, "continue2");
  EXPECT_EQ(TextOf(fluid, "Sum"), "1");
  EXPECT_EQ(Globals::fraction[CH4], 0.8);
  EXPECT_EQ(Globals::fraction[C2H6], 0.2);
}

// A click on either cell of a row opens its value cell; each keystroke stores
// the number typed so far into that gas of the list's phase, and nothing else.
TEST_F(BubbleDewPointTest, TypingInTheValueCellStoresEveryKeystrokeIntoThePhase) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  FirstApproach("200", "Liquid1");
  const Globals::Composition x = Globals::xgas, y = Globals::ygas;
  // The fill wrote the values without storing anything.
  EXPECT_EQ(ListValues(window, "ListBoxPhaseX")[CO2], rt::Val(rt::Str(x[CO2])));

  fw::ListBox& list = window.listBox("ListBoxPhaseX");
  test::ClickCell(list, RowOf(list, CH4), 0);
  EXPECT_TRUE(list.CellEditable(RowOf(list, CH4), 1));
  EXPECT_FALSE(list.CellEditable(RowOf(list, CH4), 0));
  test::RetypeInCellEditor(list, "0.3");
  EXPECT_EQ(Globals::xgas[CH4], 0.3);
  test::TypeInCellEditor(list, "5");
  EXPECT_EQ(Globals::xgas[CH4], 0.35);
  test::CommitCellEditor(list);
  EXPECT_EQ(Globals::xgas[CO2], x[CO2]);
  EXPECT_EQ(Globals::ygas, y);

  fw::ListBox& listY = window.listBox("ListBoxPhaseY");
  test::ClickCell(listY, RowOf(listY, CO2), 1);
  test::RetypeInCellEditor(listY, "");
  EXPECT_EQ(Globals::ygas[CO2], 0.0);
  EXPECT_EQ(Globals::xgas[CH4], 0.35);
}

// The calculation starts from the edited phases. At 10 MPa the fluid has one
// root; with phase Y typed equal to the fluid both phases are the same, so
// the very first pass (a quarter of the way to 0.9 of the start) balances,
// a possible trivial solution. Without the edit the run goes elsewhere.
TEST_F(BubbleDewPointTest, HandEditsOfTheListsReachTheCalculation) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  FirstApproach("200", "Liquid1");
  Enter(window, "dataEntry2", "10");
  const Globals::Composition x = Globals::xgas, y = Globals::ygas;
  Press(window, "calculate");
  EXPECT_NE(TextOf(window, "Answer"), "9.75");

  Globals::xgas = x;
  Globals::ygas = y;
  fw::ListBox& listY = window.listBox("ListBoxPhaseY");
  for (Gas gas : {CO2, CH4}) {
    test::ClickCell(listY, RowOf(listY, gas), 1);
    test::RetypeInCellEditor(listY, "5");  // normalised before the first pass
    test::CommitCellEditor(listY);
  }
  Press(window, "calculate");
  EXPECT_EQ(TextOf(window, "Answer"), "9.75");
  EXPECT_EQ(Status(), kTrivial);
  EXPECT_EQ(Globals::ygas[CO2], 0.5);
  // The lists keep the first approach's values and the edits.
  EXPECT_EQ(ListValues(window, "ListBoxPhaseY")[CO2], 5.0);
}

TEST_F(BubbleDewPointTest, AnEditArrivingForARowTheListNoLongerHasStoresNothing) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  FirstApproach("200", "Liquid1");
  fw::ListBox& list = window.listBox("ListBoxPhaseX");
  test::ClickCell(list, 1, 1);
  Press(window, "Clear");
  const Globals::Composition x = Globals::xgas;
  window.Lists().ListBoxPhaseX_CellTextChange(1, 1);
  window.Lists().ListBoxPhaseX_CellClick(1, 1);
  EXPECT_EQ(Globals::xgas, x);
  EXPECT_EQ(list.RowCount(), 0);
}

// Pure gases below their critical temperature: the homogenization pressure
// is the saturation pressure where the two roots have equal fugacities, in
// both modes; given that pressure, the temperature comes back.
TEST_F(BubbleDewPointTest, PureGasesHomogenizeAtTheirSaturationPressureAndTemperature) {
  for (Gas gas : kPureGases) {
    Globals::CriticalValues();
    const double T = 0.7 * Globals::Tcrit[gas];
    const double Psat = static_cast<double>(vdwref::SaturationPressure(gas, T));
    SetFluid({{gas, 1.0}});
    for (const char* mode : {"Liquid1", "Vapour1"}) {
      FirstApproach(rt::Str(T).c_str(), mode);
      Press(window, "calculate");
      EXPECT_TRUE(StartsWith(Status(), "Solution after")) << Globals::GasNames[gas] << " " << mode;
      EXPECT_NEAR(NumberOf(window, "Answer"), Psat, 1e-11 * Psat) << Globals::GasNames[gas] << " " << mode;
      // Phase X has the smaller molar volume: with " Liquid" it is marked,
      // with " Vapour" phase Y is.
      const bool liquid = mode == std::string("Liquid1");
      EXPECT_EQ(TextOf(window, liquid ? "PhaseX1" : "PhaseY1"), liquid ? "Phase X, solution" : "Phase Y, solution");
      EXPECT_EQ(TextOf(window, liquid ? "PhaseY1" : "PhaseX1"), liquid ? "Phase Y" : "Phase X");
    }
    if (gas != CO2 && gas != H2O) continue;
    // The start and the solved temperature are in kelvin whatever the unit.
    Choose(window, "Celsius");
    FirstApproach(rt::Str(Psat).c_str(), "Vapour1", true);
    Enter(window, "dataEntry2", rt::Str(0.95 * T));
    Press(window, "calculate");
    EXPECT_TRUE(StartsWith(Status(), "Solution after")) << Globals::GasNames[gas];
    EXPECT_NEAR(NumberOf(window, "Answer"), T, 1e-11 * T) << Globals::GasNames[gas];
    Choose(window, "RadioButtonTh");
    Choose(window, "Kelvin");
  }
}

// Pure CO2 at 250 K from 1e-10 MPa, far below its saturation pressure: there
// phase Y's total is its K-value, the ratio of the liquid's and the vapour's
// fugacity coefficients, some 10^10, far beyond the integers of the 10^-12
// grain. Taken as it is, it drives the pressure up to where K = 1.
TEST_F(BubbleDewPointTest, AStartFarBelowTheSaturationPressureClimbsToIt) {
  const double Psat = static_cast<double>(vdwref::SaturationPressure(CO2, 250));
  SetFluid({{CO2, 1.0}});
  FirstApproach("250", "Liquid1");
  Enter(window, "dataEntry2", "1e-10");
  Press(window, "calculate");
  ASSERT_TRUE(StartsWith(Status(), "Solution after")) << Status();
  EXPECT_NEAR(NumberOf(window, "Answer"), Psat, 1e-11 * Psat);
  EXPECT_EQ(TextOf(window, "PhaseX1"), "Phase X, solution");
}

// The fluid window's "clear" takes effect at once: with a fluid without
// fractions, the first pass splits it into phases of 0 only, which cannot
// be brought to a unit sum. The calculation is refused with the shared state
// as it was before the press, though its start phases were sound.
TEST_F(BubbleDewPointTest, APassWhosePhasesCannotSumTo1RefusesTheCalculation) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  FirstApproach("200", "Liquid1");
  Press(window, "calculate");
  ASSERT_TRUE(StartsWith(Status(), "Solution after")) << Status();
  SetFluid(Globals::Composition{});
  const Globals::Composition x = Globals::xgas, y = Globals::ygas;
  const Globals::GasTable K = Globals::K_liq_vap;
  Globals::TempKelvin = 123;
  Press(window, "calculate");
  EXPECT_EQ(Status(), kNoSolution);
  EXPECT_EQ(TextOf(window, "Answer"), "");
  EXPECT_EQ(window.listBox("ListBoxVmY").RowCount(), 0);
  EXPECT_EQ(Globals::xgas, x);
  EXPECT_EQ(Globals::ygas, y);
  EXPECT_EQ(Globals::K_liq_vap, K);
  EXPECT_EQ(Globals::TempKelvin, 123);
}

// Phase compositions typed into the first-approach lists are normalised
// when "calculate" starts. Parts beyond the integers of the 10^-12 grain
// keep their proportions; parts whose total is 0, or so small that they
// cannot be divided by it, cannot be brought to a unit sum: the calculation
// is refused with the shared state as it was.
TEST_F(BubbleDewPointTest, TypedPhasesAreNormalisedOrTheCalculationRefused) {
  SetFluid({{CO2, 0.3}, {CH4, 0.3}, {C2H6, 0.4}});
  struct Row {
    const char* name;
    const char* co2;
    const char* ch4;
    const char* c2h6;
    bool refused;
  };
  const Row rows[] = {
      {"tenths", "0.3", "0.3", "0.4", false},
      {"the same beyond the integers", "3e7", "3e7", "4e7", false},
      {"the same below the grain", "3e-20", "3e-20", "4e-20", false},
      {"a total of 0", "0.5", "-0.5", "0", true},
      {"a total of 1e-320", "1e-6", "-1e-6", "1e-320", true},
      {"a total beyond the Doubles", "1e308", "1e308", "0", true},
  };
  std::string solvedAnswer;
  for (const Row& row : rows) {
    FirstApproach("200", "Liquid1");
    fw::ListBox& list = window.listBox("ListBoxPhaseX");
    for (auto [gas, text] : {std::pair{CO2, row.co2}, {CH4, row.ch4}, {C2H6, row.c2h6}}) {
      test::ClickCell(list, RowOf(list, gas), 1);
      test::RetypeInCellEditor(list, text);
      test::CommitCellEditor(list);
    }
    const Globals::Composition x = Globals::xgas, y = Globals::ygas;
    const Globals::GasTable K = Globals::K_liq_vap;
    Press(window, "calculate");
    if (row.refused) {
      EXPECT_EQ(Status(), kNoSolution) << row.name;
      EXPECT_EQ(TextOf(window, "Answer"), "") << row.name;
      EXPECT_EQ(window.listBox("ListBoxPhaseX1").RowCount(), 0) << row.name;
      EXPECT_EQ(Globals::xgas, x) << row.name;
      EXPECT_EQ(Globals::ygas, y) << row.name;
      EXPECT_EQ(Globals::K_liq_vap, K) << row.name;
      continue;
    }
    // Phase X starts as the fluid itself in every row that is not refused.
    ASSERT_TRUE(StartsWith(Status(), "Solution after")) << row.name << ": " << Status();
    if (solvedAnswer.empty()) solvedAnswer = TextOf(window, "Answer");
    EXPECT_EQ(TextOf(window, "Answer"), solvedAnswer) << row.name;
    ExpectEquilibrium(window, 200, NumberOf(window, "Answer"), row.name);
  }
}

// CO2 0.5 / CH4 0.5: at the bubble point the fluid is the liquid and the
// vapour that coexists with it has the same fugacity of every gas; at the dew
// point the fluid is the vapour.
TEST_F(BubbleDewPointTest, CO2MethaneBubbleAndDewPointsBalanceEveryFugacity) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  struct Case {
    const char* T;
    const char* mode;
    double P;
  };
  for (const Case c : {Case{"200", "Liquid1", 3.1166}, Case{"220", "Vapour1", 3.2360}}) {
    FirstApproach(c.T, c.mode);
    Press(window, "calculate");
    ASSERT_TRUE(StartsWith(Status(), "Solution after")) << c.mode;
    const double P = NumberOf(window, "Answer"), T = rt::Val(c.T);
    EXPECT_NEAR(P, c.P, 5e-5 * c.P);
    const Globals::Composition x = ListValues(window, "ListBoxPhaseX1"), y = ListValues(window, "ListBoxPhaseY1");
    // The fluid stays whole in its own phase: the lever puts all of it there.
    const Globals::Composition& whole = c.mode == std::string("Liquid1") ? x : y;
    EXPECT_NEAR(whole[CO2], 0.5, 1e-12);
    EXPECT_NEAR(x[CO2] + x[CH4], 1.0, 1e-12);
    EXPECT_NEAR(y[CO2] + y[CH4], 1.0, 1e-12);
    const double Vx = ValueOf(window, "ListBoxVmX"), Vy = ValueOf(window, "ListBoxVmY");
    const auto& ref = vdwref::Gases();
    EXPECT_NEAR(vdwref::Pressure(ref.aMix(x), ref.bMix(x), T, Vx), P, 1e-9 * P);
    EXPECT_NEAR(vdwref::Pressure(ref.aMix(y), ref.bMix(y), T, Vy), P, 1e-9 * P);
    for (Gas gas : {CO2, CH4}) {
      const double fx = vdwref::Fugacity(x, gas, T, Vx), fy = vdwref::Fugacity(y, gas, T, Vy);
      EXPECT_NEAR(fx, fy, 1e-9 * fx) << Globals::GasNames[gas];
      EXPECT_NEAR(ListValues(window, "ListBoxPhaseX2")[gas], fx, 1e-9 * fx);
      EXPECT_NEAR(ListValues(window, "ListBoxPhaseY2")[gas], fy, 1e-9 * fy);
    }
    // Each phase's density is its own molar mass over its own molar volume.
    Globals::MolecularMasses();
    const auto molarMass = [](const Globals::Composition& c) {
      return c[CO2] * Globals::MM[CO2] + c[CH4] * Globals::MM[CH4];
    };
    const struct {
      const char* list;
      double M, V;
    } densities[] = {{"ListBoxDX", molarMass(x), Vx}, {"ListBoxDY", molarMass(y), Vy}};
    for (const auto& d : densities) EXPECT_NEAR(ValueOf(window, d.list), d.M / d.V, 1e-12 * d.M / d.V) << d.list;
  }
}

// Near a critical point the balance and the steps of the pressure become
// small while the incipient phase still moves. A run is shown as a solution
// only where the phases are in equilibrium by the reference, else as none;
// either way the lists show the fugacities of the compositions and molar
// volumes they show.
TEST_F(BubbleDewPointTest, ASolutionIsShownOnlyWhereThePhasesAreInEquilibrium) {
  struct Case {
    const char* name;
    std::initializer_list<std::pair<Gas, double>> fluid;
    const char* T;
    const char* mode;
    const char* start;  // typed over the first approach's, or ""
    bool solves;        // or may end without a solution
  };
  const Case cases[] = {
      {"O2/H2 bubble at 103.55 K", {{O2, 0.5}, {H2, 0.5}}, "103.55", "Liquid1", "", false},
      {"O2/H2 bubble at 102.108 K", {{O2, 0.5}, {H2, 0.5}}, "102.108", "Liquid1", "", false},
      {"O2/H2S/H2O/H2 dew at 301.51 K", {{O2, 0.25}, {H2S, 0.25}, {H2O, 0.25}, {H2, 0.25}}, "301.51", "Vapour1",
       "13.218", true},
      {"CO2/CH4 bubble at 210 K", {{CO2, 0.5}, {CH4, 0.5}}, "210", "Liquid1", "", true},
  };
  for (const Case& c : cases) {
    SetFluid(c.fluid);
    FirstApproach(c.T, c.mode);
    if (*c.start) Enter(window, "dataEntry2", c.start);
    Press(window, "calculate");
    const double T = rt::Val(c.T), P = NumberOf(window, "Answer");
    const bool bubble = c.mode == std::string("Liquid1");
    ExpectShownStateBelongsTogether(window, T, P, c.name);
    if (!StartsWith(Status(), "Solution after")) {
      EXPECT_EQ(Status(), kNoSolution) << c.name;
      EXPECT_FALSE(c.solves) << c.name;
      EXPECT_EQ(TextOf(window, bubble ? "PhaseX1" : "PhaseY1"), bubble ? "Phase X" : "Phase Y") << c.name;
      continue;
    }
    ExpectEquilibrium(window, T, P, c.name);
    // The incipient phase is no copy of the fluid.
    const Globals::Composition other = ListValues(window, bubble ? "ListBoxPhaseY1" : "ListBoxPhaseX1");
    double apart = 0;
    for (int gas = 0; gas < Globals::NumGases; ++gas) apart = std::max(apart, std::fabs(other[gas] - Globals::fraction[gas]));
    EXPECT_GT(apart, 1e-3) << c.name;
  }
}

// N2/Ar 0.1598/0.8402 at 57.974 K, below argon's triple point, where its
// vapour-pressure correlation is negative: the first approach proposes a
// negative start pressure. "calculate" refuses it at once, stores nothing
// and shows no number; from a typed start of 0.02 it finds the bubble point,
// 0.0249955228658 MPa by a 60-digit reference.
TEST_F(BubbleDewPointTest, ANegativeStartIsRefusedATypedPositiveOneFindsTheBubblePoint) {
  SetFluid({{N2, 0.1598}, {Ar, 0.8402}});
  FirstApproach("57.974", "Liquid1");
  EXPECT_NEAR(rt::Val(window.editField("dataEntry2").Text()), -1.426, 5e-4);
  const Globals::Composition x = Globals::xgas, y = Globals::ygas;
  const Globals::GasTable K = Globals::K_liq_vap;
  const double T = Globals::TempKelvin, P = Globals::PresMPa;
  Press(window, "calculate");
  EXPECT_EQ(Status(), kNoSolution);
  EXPECT_EQ(TextOf(window, "Answer"), "");
  for (const char* list : {"ListBoxVmX", "ListBoxDX", "ListBoxPhaseX1", "ListBoxPhaseX2", "ListBoxVmY", "ListBoxDY",
                           "ListBoxPhaseY1", "ListBoxPhaseY2"})
    EXPECT_EQ(window.listBox(list).RowCount(), 0) << list;
  EXPECT_TRUE(Globals::xgas == x && Globals::ygas == y && Globals::K_liq_vap == K);
  EXPECT_TRUE(Globals::TempKelvin == T && Globals::PresMPa == P);

  Enter(window, "dataEntry2", "0.02");
  Press(window, "calculate");
  ASSERT_TRUE(StartsWith(Status(), "Solution after")) << Status();
  EXPECT_NEAR(NumberOf(window, "Answer"), 0.0249955228658206, 1e-9 * 0.025);
  ExpectEquilibrium(window, 57.974, NumberOf(window, "Answer"), "N2/Ar");
}

// (A start at or below 0 is refused at once: BadInputTest.)
TEST_F(BubbleDewPointTest, RunsThatSolveNothingSayNoSolution) {
  // Before any first approach: 0 K and no phases.
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Press(window, "calculate");
  EXPECT_EQ(Status(), kNoSolution);
}

TEST_F(BubbleDewPointTest, AStartInTheOnePhaseRegionEndsInAPossibleTrivialSolution) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  FirstApproach("200", "Liquid1");
  Enter(window, "dataEntry2", "10");
  Press(window, "calculate");
  EXPECT_EQ(Status(), kTrivial);
  EXPECT_EQ(TextOf(window, "PhaseX1"), "Phase X");
  EXPECT_NEAR(ValueOf(window, "ListBoxVmX"), ValueOf(window, "ListBoxVmY"), 0.01 * ValueOf(window, "ListBoxVmX"));

  // A temperature start typed in degrees Celsius runs away to 3e11 K, where
  // the cubic has one real root: both phases take it and balance trivially.
  SetFluid({{H2O, 1.0}});
  FirstApproach("0.1", "Liquid1", true);
  Enter(window, "dataEntry2", "60");
  Press(window, "calculate");
  EXPECT_EQ(Status(), kTrivial);
  EXPECT_GT(NumberOf(window, "Answer"), 1e11);
  EXPECT_EQ(ValueOf(window, "ListBoxVmX"), ValueOf(window, "ListBoxVmY"));
}

// "calculate" reads the given condition from its field through the unit
// switch, as the first approach does, whatever another window left in the
// shared state since, and stores it there; the phases it shows are in
// equilibrium at that condition.
TEST_F(BubbleDewPointTest, TheCalculationTakesTheGivenConditionFromItsOwnField) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  FirstApproach("200", "Liquid1");
  Globals::TempKelvin = 193.283;  // as the spinodal window leaves it
  Press(window, "calculate");
  ASSERT_TRUE(StartsWith(Status(), "Solution after")) << Status();
  EXPECT_EQ(Globals::TempKelvin, 200.0);
  const double at200 = NumberOf(window, "Answer");
  ExpectEquilibrium(window, 200, at200, "200 K");

  // A new temperature typed in degrees Celsius, without a new first approach.
  Choose(window, "Celsius");
  Enter(window, "dataEntryTh", "-53.15");
  Press(window, "calculate");
  ASSERT_TRUE(StartsWith(Status(), "Solution after")) << Status();
  EXPECT_EQ(Globals::TempKelvin, -53.15 + 273.15);
  ExpectEquilibrium(window, -53.15 + 273.15, NumberOf(window, "Answer"), "220 K");
  EXPECT_GT(NumberOf(window, "Answer"), 1.2 * at200);

  // Given the pressure: the bubble temperature at the pressure in the field.
  FirstApproach("3", "Liquid1", true);
  Enter(window, "dataEntry2", "200");
  Globals::PresMPa = 7;
  Press(window, "calculate");
  ASSERT_TRUE(StartsWith(Status(), "Solution after")) << Status();
  EXPECT_EQ(Globals::PresMPa, 3.0);
  ExpectEquilibrium(window, NumberOf(window, "Answer"), 3.0, "3 MPa");
}

TEST_F(BubbleDewPointTest, ClearEmptiesTheWindowButKeepsCaptionsSelectionAndSharedState) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  FirstApproach("200", "Liquid1");
  Press(window, "calculate");
  ASSERT_EQ(TextOf(window, "PhaseX1"), "Phase X, solution");
  const Globals::Composition x = Globals::xgas;
  Press(window, "Clear");
  for (const char* field : {"dataEntryTh", "dataEntryPh", "dataEntry2"}) EXPECT_EQ(window.editField(field).Text(), "");
  EXPECT_EQ(TextOf(window, "Answer"), "");
  EXPECT_EQ(Status(), "");
  EXPECT_FALSE(window.radioButton("Liquid1").Value());
  EXPECT_FALSE(window.imageWell("ImageWell3").Visible());
  for (const char* list : {"ListBoxPhaseX", "ListBoxPhaseY1", "ListBoxVmY", "ListBoxDX"})
    EXPECT_EQ(window.listBox(list).RowCount(), 0) << list;
  EXPECT_EQ(TextOf(window, "PhaseX1"), "Phase X, solution");
  EXPECT_TRUE(window.radioButton("RadioButtonTh").Value());
  EXPECT_EQ(Globals::xgas, x);

  // A new first approach brings back the plain captions.
  FirstApproach("200", "Liquid1");
  EXPECT_EQ(TextOf(window, "PhaseX1"), "Phase X");
}

TEST_F(BubbleDewPointTest, ThePanelScrollsWithTheBarWhoseRangeFollowsTheHeight) {
  fw::ScrollBar& bar = window.scrollBar("ScrollBar1");
  test::ResizeClient(window, 635, 400);
  EXPECT_EQ(bar.Height(), 385);
  EXPECT_EQ(bar.Maximum(), 525);
  test::DragThumbTo(bar, 525);
  EXPECT_EQ(window.rectangle("Rectangle1").Top(), -525);
  EXPECT_EQ(window.control("ResultText").Top(), 878 - 525);
  test::ClickArrowUp(bar);
  EXPECT_EQ(window.rectangle("Rectangle1").Top(), -524);
  EXPECT_EQ(bar.Left(), 620);

  test::ResizeClient(window, 900, 925);  // only the height can change
  EXPECT_EQ(window.Width(), 635);
  EXPECT_EQ(bar.Maximum(), 0);
  EXPECT_EQ(window.rectangle("Rectangle1").Top(), 0);
}

}  // namespace
