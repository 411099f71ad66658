// What to try when a two-phase window solves nothing, tried on real fluids
// as a user would: the start values typed, the other window asked, and what
// comes out checked against the van der Waals reference (its own bubble
// points and its own test of whether a fluid is stable as one phase).

#include <cmath>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/windows/phase_behaviour/PhaseTestSupport.h"
#include "tests/windows/single_phase/VdwPhysics.h"
#include "windows/phase_behaviour/BubbleDewPoint.h"
#include "windows/phase_behaviour/CriticalPointWindow.h"
#include "windows/phase_behaviour/LiquidVapourEq.h"

namespace {

using namespace phasetest;
using vdwref::Real;

// The gases with a fraction above 0.
std::vector<int> Present(const Globals::Composition& z) {
  std::vector<int> gases;
  for (int i = 0; i < Globals::NumGases; ++i)
    if (z[i] > 0) gases.push_back(i);
  return gases;
}

// A bubble point of the reference: the liquid of two gases in equal parts
// coexists at T and P with the vapour whose fraction of `second` is y2.
struct BubblePoint {
  Real P = 0, y2 = 0, Vliquid = 0, Vvapour = 0, residual = 0;
};

// Equal fugacities of both gases in the liquid z (smallest root) and the
// vapour (largest root), solved for (y2, P) by Newton's method with a
// difference Jacobian and damped steps, from a start away from the trivial
// y = z, until the steps lie below the rounding of the fractions.
BubblePoint ReferenceBubblePoint(int first, int second, Real T, Real P, Real y2) {
  const auto& ref = vdwref::Gases();
  Globals::Composition z{};
  z[first] = z[second] = 0.5;
  BubblePoint point;
  const auto residuals = [&](Real y, Real p, Real r[2]) {
    Globals::Composition v{};
    v[first] = static_cast<double>(1 - y);
    v[second] = static_cast<double>(y);
    point.Vliquid = vdwref::Roots(ref.aMix(z), ref.bMix(z), T, p).front();
    point.Vvapour = vdwref::Roots(ref.aMix(v), ref.bMix(v), T, p).back();
    for (int k = 0; k < 2; ++k) {
      const int gas = k ? second : first;
      r[k] = std::log(Real(v[gas])) + vdwref::LnPhi(v, gas, T, point.Vvapour) - std::log(Real(z[gas])) -
             vdwref::LnPhi(z, gas, T, point.Vliquid);
    }
  };
  Real r[2], ry[2], rp[2];
  for (int pass = 0; pass < 100; ++pass) {
    const Real hy = 1e-9L, hp = 1e-9L * P;
    residuals(y2, P, r);
    residuals(y2 + hy, P, ry);
    residuals(y2, P + hp, rp);
    const Real a = (ry[0] - r[0]) / hy, b = (rp[0] - r[0]) / hp, c = (ry[1] - r[1]) / hy, d = (rp[1] - r[1]) / hp;
    const Real det = a * d - b * c;
    Real dy = (d * r[0] - b * r[1]) / det, dP = (a * r[1] - c * r[0]) / det;
    if (!std::isfinite(dy) || !std::isfinite(dP)) break;
    // Damped far from the solution, where a phase's root may jump.
    const Real damping = std::min({Real(1), 0.02L / std::fabs(dy), 0.05L * P / std::fabs(dP)});
    dy *= damping;
    dP *= damping;
    y2 -= dy;
    P -= dP;
    if (std::fabs(dy) < 1e-15L && std::fabs(dP) < 1e-15L * P) break;
  }
  residuals(y2, P, r);
  point.P = P;
  point.y2 = y2;
  point.residual = std::max(std::fabs(r[0]), std::fabs(r[1]));
  return point;
}

// Whether the fluid z, filling V at T as one phase, is stable by the
// tangent-plane test: from trial phases rich in each of its gases, on the
// liquid-like and on the vapour-like root at the fluid's pressure, the
// successive substitution W_i = exp(ln z_i + ln phi_i(z) - ln phi_i(w)) ends
// with a sum of W at most 1 (a sum above 1 is a phase that lowers the
// Gibbs energy).
bool StableAsOnePhase(const Globals::Composition& z, Real T, Real V) {
  const auto& ref = vdwref::Gases();
  const Real P = vdwref::Pressure(ref.aMix(z), ref.bMix(z), T, V);
  const std::vector<int> gases = Present(z);
  Real d[Globals::NumGases] = {};
  for (int i : gases) d[i] = std::log(Real(z[i])) + vdwref::LnPhi(z, i, T, V);
  for (int rich : gases) {
    for (bool liquid : {true, false}) {
      Globals::Composition w{};
      for (int i : gases) w[i] = i == rich ? 0.9 : 0.1 / (gases.size() - 1);
      Real sum = 0;
      for (int pass = 0; pass < 300; ++pass) {
        const auto roots = vdw::RealRoots(vdw::Of(w), static_cast<double>(T), static_cast<double>(P));
        const Real Vw = liquid ? roots.front() : roots.back();
        Real W[Globals::NumGases] = {};
        sum = 0;
        for (int i : gases) sum += W[i] = std::exp(d[i] - vdwref::LnPhi(w, i, T, Vw));
        for (int i : gases) w[i] = static_cast<double>(W[i] / sum);
      }
      if (sum > 1 + 1e-9L) return false;
    }
  }
  return true;
}

class TwoPhaseAdviceTest : public WindowTest {
 protected:
  // A first approach at T in the bubble-dew point window, given the
  // temperature, in the mode; then the start pressure and phase Y's
  // fractions typed where given; then "calculate".
  static void Homogenize(BubbleDewPoint& window, const char* T, const char* mode, const std::string& start = "",
                         const std::vector<std::pair<Gas, const char*>>& phaseY = {}) {
    Choose(window, "RadioButtonTh");
    Enter(window, "dataEntryTh", T);
    Choose(window, mode);
    Press(window, "FirstApproach");
    if (!start.empty()) Enter(window, "dataEntry2", start);
    fw::ListBox& list = window.listBox("ListBoxPhaseY");
    for (const auto& [gas, fraction] : phaseY) {
      test::ClickCell(list, RowOf(list, gas), 1);
      test::RetypeInCellEditor(list, fraction);
      test::CommitCellEditor(list);
    }
    Press(window, "calculate");
  }
  static std::string Status(fw::Window& window) { return TextOf(window, "ResultText"); }

  // A user's action: "field=text" types, a bare name clicks, and
  // "ListBoxPhaseY:CO2=0.3" types a value into the row of a gas in a phase list.
  static void Act(fw::Window& window, const std::string& action) {
    const auto colon = action.find(':'), at = action.find('=');
    if (colon == std::string::npos || colon > at) return Perform(window, {action});
    fw::ListBox& list = window.listBox(action.substr(0, colon));
    const std::string gas = action.substr(colon + 1, at - colon - 1);
    int row = -1;
    for (int i = 0; i < Globals::NumGases; ++i)
      if (gas == Globals::GasNames[i]) row = RowOf(list, Gas(i));
    ASSERT_GE(row, 0) << action;
    test::ClickCell(list, row, 1);
    test::RetypeInCellEditor(list, action.substr(at + 1));
    test::CommitCellEditor(list);
  }
  // The number a label, a field or a one-value list shows.
  static double NumberShown(fw::Window& window, const char* name) {
    if (window.control(name).GetKind() == fw::Kind::ListBox) return ValueOf(window, name);
    return rt::Val(Shown(window, name));
  }
};

// The shown window of that title, made the active one as a click on it does.
fw::Window& Showing(const std::string& title) {
  fw::Window* window = ShownWindow(title);
  if (!window) throw std::runtime_error(title + " is not shown");
  test::Activate(*window);
  return *window;
}

// Half a unit of the last digit of a number as the guide quotes it: 0.005
// for "8.47", 5e7 for "1.1e9".
double HalfUnit(const std::string& quoted) {
  const auto e = quoted.find_first_of("eE");
  const std::string mantissa = quoted.substr(0, e);
  const auto point = mantissa.find('.');
  const int decimals = point == std::string::npos ? 0 : int(mantissa.size() - point - 1);
  const int exponent = e == std::string::npos ? 0 : std::stoi(quoted.substr(e + 1));
  return 0.5 * std::pow(10.0, exponent - decimals);
}

// A step of the guide's examples: in the window of that title, the actions
// as the guide gives them, then the start of the status line and a number
// that the window shows (a label, field or one-value list), as the guide
// quotes it.
struct GuideStep {
  const char* window;
  std::vector<std::string> actions;
  std::string status = "";
  const char* shown = nullptr;
  const char* quoted = nullptr;
};

const std::string kSolved = "Solution after";
const char* const kBubbleDew = "Bubble-Dew point";
const char* const kLiquidVapour = "Liquid-Vapour Equilibrium";

// The guide's examples of the two-phase windows in its order, from the start
// window on, in one program: each start value typed after a new first
// approach, except where the guide shows what happens without one.
const GuideStep kGuide[] = {
    {"Start", {"continue1"}},
    {"Fluid", {"Clear", "CO2number=0.5", "CH4number=0.5", "continue2"}},
    {"Procedures", {"CriticalPoint", "PushButton1"}},
    {"Critical Point", {"calculate"}, "", "ResultT", "251"},  // 240 K is 11 K below
    {"Procedures", {"Homogenisation", "PushButton1"}},
    // Each "calculate" goes on from the last run.
    {kBubbleDew, {"RadioButtonTh", "dataEntryTh=240", "Liquid1", "FirstApproach", "dataEntry2=5.5", "calculate"},
     kSolved, "Answer", "5.9165512848"},
    {kBubbleDew, {"calculate"}, kTrivial, "Answer", "5.35005"},
    {kBubbleDew, {"FirstApproach", "dataEntry2=7", "calculate"}, kTrivial},
    {kBubbleDew, {"dataEntry2=5.5", "calculate"}, kTrivial},
    // "Possible trivial solution" or "No solution".
    {kBubbleDew, {"FirstApproach"}, "", "dataEntry2", "8.47"},
    {kBubbleDew, {"calculate"}, kTrivial},
    {kBubbleDew, {"FirstApproach", "dataEntry2=5", "calculate"}, kTrivial},
    {kBubbleDew, {"FirstApproach", "dataEntry2=6", "calculate"}, kTrivial},
    {kBubbleDew, {"FirstApproach", "dataEntry2=7", "calculate"}, kTrivial},
    {kBubbleDew, {"FirstApproach", "dataEntry2=5.5", "calculate"}, kSolved, "Answer", "5.9165512848"},
    {kBubbleDew, {"FirstApproach", "dataEntry2=5.9", "calculate"}, kSolved, "Answer", "5.9165512848"},
    {kBubbleDew,
     {"FirstApproach", "dataEntry2=6.2", "ListBoxPhaseY:CO2=0.3", "ListBoxPhaseY:CH4=0.7", "calculate"},
     kSolved, "Answer", "5.9165512848"},
    {"Fluid", {"Clear", "O2number=0.5", "H2number=0.5", "continue2"}},
    {"Procedures", {"CriticalPoint", "PushButton1"}},
    {"Critical Point", {"calculate"}, "", "ResultT", "104.19"},  // 103.55 K is 0.64 K below
    {"Procedures", {"Homogenisation", "PushButton1"}},
    {kBubbleDew, {"dataEntryTh=103.55", "Liquid1", "FirstApproach", "calculate"}, kNoSolution},
    {kBubbleDew, {"FirstApproach", "dataEntry2=11.6509", "calculate"}, kNoSolution},
    {kBubbleDew, {"Vapour1", "FirstApproach", "calculate"}, kSolved, "Answer", "1.92675"},
    // Below a gas's triple point.
    {"Fluid", {"Clear", "N2number=0.1598", "Arnumber=0.8402", "continue2"}},
    {"Procedures", {"Homogenisation", "PushButton1"}},
    {kBubbleDew, {"dataEntryTh=57.974", "Liquid1", "FirstApproach"}, "", "dataEntry2", "-1.426"},
    {kBubbleDew, {"calculate"}, kNoSolution},
    {kBubbleDew, {"dataEntry2=0.02", "calculate"}, kSolved, "Answer", "0.0250"},
    // "The fractions must have a number between 0 and 1".
    {"Fluid", {"Clear", "H2Onumber=0.375928", "CO2number=0.35588", "N2number=0.268192", "continue2"}},
    {"Procedures", {"LiquidVapour", "PushButton1"}},
    {kLiquidVapour, {"dataEntry=675.19", "dataEntry1=325.17", "CalFirstApproach"}, "", "dataEntry2", "15.64"},
    {kLiquidVapour, {"calculate"}, kFractions, "Answer", "122.575"},
    {kLiquidVapour, {}, kFractions, "ListBoxFracY", "1.1e9"},
    {kLiquidVapour, {"dataEntry2=1.80653", "calculate"}, kFractions},
    {"Procedures", {"Homogenisation", "PushButton1"}},
    {kBubbleDew, {"dataEntryTh=325.17", "Vapour1", "FirstApproach", "calculate"}, kSolved, "Answer", "1.80653"},
    {kBubbleDew, {}, kSolved, "ListBoxVmY", "1397.6"},
    {"Procedures", {"LiquidVapour", "PushButton1"}},
    {kLiquidVapour, {"CalFirstApproach", "dataEntry2=1.80653", "calculate"}, kSolved, "Answer", "2.98676"},
    {kLiquidVapour, {}, kSolved, "ListBoxFracY", "0.989"},
    {kLiquidVapour, {"CalFirstApproach", "dataEntry2=7.82", "calculate"}, kSolved, "Answer", "2.98676"},
};

// The guide's examples run as written, one step after the other in one
// program; every solution among them is an equilibrium by the reference.
TEST_F(TwoPhaseAdviceTest, TheGuidesExamplesHoldRunOneAfterTheOther) {
  for (size_t i = 0; i < std::size(kGuide); ++i) {
    const GuideStep& step = kGuide[i];
    std::string what = "step " + std::to_string(i) + " in " + step.window + ":";
    for (const std::string& action : step.actions) what += " " + action;
    SCOPED_TRACE(what);
    fw::Window& window = Showing(step.window);
    for (const std::string& action : step.actions) Act(window, action);
    if (window.HasControl("ResultText")) {
      ASSERT_TRUE(StartsWith(Status(window), step.status)) << Status(window);
    }
    if (step.shown) {
      EXPECT_NEAR(NumberShown(window, step.shown), rt::Val(step.quoted), HalfUnit(step.quoted));
    }
    if (step.status == kSolved) {
      const double T = rt::Val(Shown(window, window.HasControl("dataEntryTh") ? "dataEntryTh" : "dataEntry1"));
      ExpectEquilibrium(window, T, NumberOf(window, "Answer"), what);
    }
  }
}

// H2O/CO2/N2 filling 675.19 cm3/mol at 325.17 K. From its own first approach
// the run climbs to 122.575 MPa, where the lever rule gives a vapour share of
// about 1.1e9: "The fractions must have a number between 0 and 1". Yet the
// fluid is unstable as one phase there and splits at 2.98676 MPa. Lower
// starts find the split: the dew pressure that the bubble-dew point window
// gives at the same temperature, or the first approach's start halved until
// a run solves.
// At 2000 cm3/mol, more than the dew-point vapour's molar volume, the fluid
// is stable as one phase: there is no split to find.
TEST_F(TwoPhaseAdviceTest, TheFractionsMessageIsNoProofThatTheFluidDoesNotSplit) {
  SetFluid({{H2O, 0.375928}, {CO2, 0.35588}, {N2, 0.268192}});
  const double T = 325.17, Vb = 675.19;
  auto& lve = Open<LiquidVapourEq>();
  Enter(lve, "dataEntry", "675.19");
  Enter(lve, "dataEntry1", "325.17");
  Press(lve, "CalFirstApproach");
  const double firstStart = rt::Val(lve.editField("dataEntry2").Text());
  EXPECT_NEAR(firstStart, 15.6403, 1e-4);
  Press(lve, "calculate");
  EXPECT_EQ(Status(lve), kFractions);
  EXPECT_NEAR(NumberOf(lve, "Answer"), 122.575, 1e-3);
  EXPECT_GT(ValueOf(lve, "ListBoxFracY"), 1e9);
  EXPECT_FALSE(StableAsOnePhase(Globals::fraction, T, Vb));

  auto& dew = Open<BubbleDewPoint>();
  Homogenize(dew, "325.17", "Vapour1");
  ASSERT_TRUE(StartsWith(Status(dew), "Solution after")) << Status(dew);
  const std::string dewPressure = TextOf(dew, "Answer");
  ExpectEquilibrium(dew, T, rt::Val(dewPressure), "dew point");
  const double VyDew = ValueOf(dew, "ListBoxVmY");
  EXPECT_GT(VyDew, Vb);

  // The start halved until a run solves (here at once, from 7.82 MPa).
  std::string halved = rt::Str(firstStart);
  for (int halving = 0; halving < 6 && !StartsWith(Status(lve), "Solution after"); ++halving) {
    halved = rt::Str(rt::Val(halved) / 2);
    Press(lve, "CalFirstApproach");
    Enter(lve, "dataEntry2", halved);
    Press(lve, "calculate");
  }

  for (const std::string& start : {dewPressure, halved}) {
    test::Activate(lve);
    Press(lve, "CalFirstApproach");
    Enter(lve, "dataEntry2", start);
    Press(lve, "calculate");
    ASSERT_TRUE(StartsWith(Status(lve), "Solution after")) << start << " " << Status(lve);
    const double P = NumberOf(lve, "Answer");
    EXPECT_NEAR(P, 2.98676, 1e-5) << start;
    ExpectEquilibrium(lve, T, P, "start " + start);
    // The phases hold the fluid and fill the bulk volume: with the vapour's
    // share of the moles n, z = (1 - n) x + n y and Vb = (1 - n) Vx + n Vy.
    const Globals::Composition x = ListValues(lve, "ListBoxPhaseX1"), y = ListValues(lve, "ListBoxPhaseY1");
    const double Vx = ValueOf(lve, "ListBoxVmX"), Vy = ValueOf(lve, "ListBoxVmY");
    const double n = (Vb - Vx) / (Vy - Vx);
    for (Gas gas : {H2O, CO2, N2})
      EXPECT_NEAR((1 - n) * x[gas] + n * y[gas], Globals::fraction[gas], 1e-9) << start << " " << Globals::GasNames[gas];
    EXPECT_NEAR(ValueOf(lve, "ListBoxFracY"), n * Vy / Vb, 1e-9);
    EXPECT_NEAR(ValueOf(lve, "ListBoxFracY"), 0.989415, 1e-6);
  }
  EXPECT_TRUE(StableAsOnePhase(Globals::fraction, T, 2000));
  EXPECT_GT(2000, VyDew);
}

// CO2 0.5 / CH4 0.5 as a liquid at 240 K, 11 K below its critical point:
// its bubble point at 5.9165512848 MPa is reached from 6.2 MPa with phase Y
// typed nearer the vapour, CO2 0.3 / CH4 0.7, and from 5.5 or 5.9 MPa as
// they stand (other starts end in a possible trivial solution, above).
// Wherever a run solves it, the pressure agrees with the reference's to
// 1e-10, whatever digits follow.
TEST_F(TwoPhaseAdviceTest, ABubblePointNearTheCriticalPointIsReachedFromBetterStarts) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  const BubblePoint ref = ReferenceBubblePoint(CO2, CH4, 240, 6, 0.7);
  ASSERT_LT(ref.residual, 1e-12);
  EXPECT_NEAR(static_cast<double>(ref.P), 5.9165512848, 1e-10);

  auto& window = Open<BubbleDewPoint>();
  struct Start {
    const char* P;
    std::vector<std::pair<Gas, const char*>> phaseY;
  };
  const Start starts[] = {{"6.2", {{CO2, "0.3"}, {CH4, "0.7"}}}, {"5.5", {}}, {"5.9", {}}};
  for (const Start& start : starts) {
    Homogenize(window, "240", "Liquid1", start.P, start.phaseY);
    ASSERT_TRUE(StartsWith(Status(window), "Solution after")) << start.P << " " << Status(window);
    const double P = NumberOf(window, "Answer");
    EXPECT_NEAR(P, static_cast<double>(ref.P), 1e-10 * P) << start.P;
    ExpectEquilibrium(window, 240, P, std::string("start ") + start.P);
    EXPECT_NEAR(ListValues(window, "ListBoxPhaseX1")[CO2], 0.5, 1e-12) << "the fluid is the liquid";
    EXPECT_NEAR(ListValues(window, "ListBoxPhaseY1")[CH4], static_cast<double>(ref.y2), 1e-8);
  }
}

// O2 0.5 / H2 0.5 at 103.55 K, 0.64 K below its critical point (104.19 K):
// its bubble point, at 11.6509 MPa by the reference, has an incipient vapour
// within 1 % of the liquid's molar volume. " Liquid" ends near it with "No
// solution" from the Raoult start and from starts about it, also with phase
// Y typed as the reference's vapour. " Vapour" finds the dew point.
TEST_F(TwoPhaseAdviceTest, NearTheCriticalPointOnlyTheDewPointIsWithinReach) {
  SetFluid({{O2, 0.5}, {H2, 0.5}});
  auto& critical = Open<CriticalPointWindow>();
  Press(critical, "calculate");
  EXPECT_NEAR(NumberOf(critical, "ResultT"), 104.19, 0.01);

  const BubblePoint ref = ReferenceBubblePoint(O2, H2, 103.55L, 11.6L, 0.51L);
  ASSERT_LT(ref.residual, 1e-12);
  EXPECT_NEAR(static_cast<double>(ref.P), 11.6509, 1e-4);
  EXPECT_GT(ref.y2 - 0.5, 0.005) << "no trivial point";
  EXPECT_LT(std::fabs(ref.Vvapour - ref.Vliquid), 0.01 * ref.Vliquid);

  auto& window = Open<BubbleDewPoint>();
  const std::string y2 = rt::Str(static_cast<double>(ref.y2)), y1 = rt::Str(static_cast<double>(1 - ref.y2));
  for (const char* start : {"", "11.6", "11.6509", "11.7"}) {
    for (bool typedY : {false, true}) {
      std::vector<std::pair<Gas, const char*>> phaseY;
      if (typedY) phaseY = {{H2, y2.c_str()}, {O2, y1.c_str()}};
      Homogenize(window, "103.55", "Liquid1", start, phaseY);
      EXPECT_EQ(Status(window), kNoSolution) << "start " << start << (typedY ? ", phase Y typed" : "");
      EXPECT_NEAR(NumberOf(window, "Answer"), static_cast<double>(ref.P), 1e-4 * ref.P) << "start " << start;
    }
  }
  Homogenize(window, "103.55", "Vapour1");
  ASSERT_TRUE(StartsWith(Status(window), "Solution after")) << Status(window);
  const double P = NumberOf(window, "Answer");
  EXPECT_NEAR(P, 1.92675, 1e-5);
  ExpectEquilibrium(window, 103.55, P, "dew point");
  EXPECT_NEAR(ListValues(window, "ListBoxPhaseY1")[H2], 0.5, 1e-12) << "the fluid is the vapour";
}

}  // namespace
