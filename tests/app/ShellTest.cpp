// The application shell driven headless as a user would.

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/Program.h"
#include "app/Start1Window.h"
#include "app/Start2Window.h"
#include "app/Start3Window.h"
#include "engine/Globals.h"
#include "framework/TestSupport.h"
#include "tests/windows/WindowTestSupport.h"
#include "windows/explanation/Explain.h"
#include "windows/phase_behaviour/CriticalPointWindow.h"
#include "windows/phase_behaviour/SpinodalWindow.h"
#include "windows/single_phase/TemperatureWindow.h"
#include "windows/single_phase/VolumeWindow.h"

namespace {

namespace test = fw::test;

// Started up as the program starts, and shut down after each test.
class Shell : public wintest::WindowTest {
 protected:
  static App* app() { return static_cast<App*>(fw::Application::Instance()); }

  // Opens the fluid window as the start window's "continue" does.
  Start2Window& fluidWindow() {
    test::Click(Start1Window::Get().pushButton("continue1"));
    return Start2Window::Get();
  }

  static void typeFraction(Start2Window& window, const char* field, const std::string& text) {
    test::Type(window.editField(field), text);
  }

  static std::string sumText(Start2Window& window) { return window.staticText("Sum").Text(); }

  static bool isOpen(std::string_view lookup) { return fw::FindImplicitWindow(lookup) != nullptr; }

  static int openCount() { return static_cast<int>(fw::OpenWindows().size()); }
};

TEST_F(Shell, StartUpShowsOnlyTheStartWindowWithItsMenuBar) {
  ASSERT_EQ(openCount(), 1);
  Start1Window& start = Start1Window::Get();
  EXPECT_TRUE(start.isVisible());
  EXPECT_EQ(start.Title(), "Start");
  ASSERT_NE(start.MenuBar(), nullptr);
  QStringList menus;
  for (QAction* action : start.MenuBar()->actions()) menus << action->text();
  EXPECT_EQ(menus, QStringList({"&File", "&Edit"}));
  EXPECT_EQ(Globals::PrecisionFactor, 1'000'000'000'000);
}

TEST_F(Shell, MenuBarHoldsQuitAndTheEditCommands) {
  MenuBar1& bar = MenuBar1::Get();
  EXPECT_EQ(&bar, &MenuBar1::Get());
  fw::MenuItem* file = bar.Child("FileMenu");
  ASSERT_NE(file, nullptr);
  ASSERT_NE(file->Child("FileQuit"), nullptr);
  EXPECT_EQ(file->Child("FileQuit")->GetType(), fw::MenuItem::Type::Quit);
  EXPECT_EQ(file->Children().size(), 1u);
  fw::MenuItem* edit = bar.Child("EditMenu");
  ASSERT_NE(edit, nullptr);
  const char* names[] = {"EditUndo", "UntitledMenu1", "EditCut", "EditCopy", "EditPaste",
                         "EditClear", "UntitledMenu0", "EditSelectAll"};
  ASSERT_EQ(edit->Children().size(), std::size(names));
  for (std::size_t i = 0; i < std::size(names); ++i) EXPECT_EQ(edit->Children()[i]->Name(), names[i]);
  EXPECT_EQ(edit->Child("EditClear")->KeyboardShortcut(), "");
  EXPECT_EQ(edit->Child("EditCut")->KeyboardShortcut(), "Cmd+X");
}

TEST_F(Shell, QuitEndsTheEventLoop) {
  QTimer::singleShot(0, [] { fw::Application::Instance()->Quit(); });
  EXPECT_EQ(app()->Run(), 0);
}

TEST_F(Shell, AQuitRunEndsWithTheLoopsStatusAndShutsDown) {
  Program::ShutDown();  // the run starts the program afresh
  QTimer::singleShot(0, [] {
    EXPECT_EQ(openCount(), 1) << "started up";
    fw::Application::Instance()->Quit();
  });
  EXPECT_EQ(Program::Run(*app()), 0);
  EXPECT_EQ(openCount(), 0) << "shut down";
  Program::StartUp(*app());  // for TearDown
}

TEST_F(Shell, AnExceptionEscapingTheEventLoopIsReportedAndEndsTheRunWithAFailure) {
  Program::ShutDown();
  test::ErrorCapture reports;
  QTimer::singleShot(0, [] { throw std::runtime_error("escaped the loop"); });
  EXPECT_NE(Program::Run(*app()), 0);
  EXPECT_EQ(reports.Messages(), std::vector<std::string>{"escaped the loop"});
  EXPECT_EQ(openCount(), 0) << "shut down after the report";
  Program::StartUp(*app());
}

TEST_F(Shell, StartWindowOpensOneFluidWindow) {
  Start2Window& first = fluidWindow();
  typeFraction(first, "H2Onumber", "0.5");
  Start2Window& second = fluidWindow();
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(second.editField("H2Onumber").Text(), "0.5");  // contents as the user left them
  EXPECT_EQ(openCount(), 2);
}

TEST_F(Shell, OneWholeFractionIsAccepted) {
  Start2Window& fluid = fluidWindow();
  typeFraction(fluid, "H2Onumber", "1");
  EXPECT_EQ(sumText(fluid), "1");
  test::Click(fluid.pushButton("continue2"));
  EXPECT_EQ(Globals::fraction[0], 1.0);
  for (int i = 1; i < Globals::NumGases; ++i) EXPECT_EQ(Globals::fraction[i], 0.0);
  EXPECT_TRUE(isOpen("Start3Window.Start3Window"));
  EXPECT_EQ(sumText(fluid), "1");  // the sum keeps its text
}

TEST_F(Shell, FractionsThatDoNotAddUpAreRefused) {
  Start2Window& fluid = fluidWindow();
  Globals::fraction[4] = 0.25;  // a fluid accepted before
  for (const char* field : {"CO2number", "N2number", "CH4number"}) typeFraction(fluid, field, "0.3");
  EXPECT_EQ(sumText(fluid), "0.9");
  test::Click(fluid.pushButton("continue2"));
  EXPECT_EQ(sumText(fluid), "adjust fractions!");
  EXPECT_EQ(Globals::fraction[4], 0.25);  // the old fluid stays
  EXPECT_FALSE(isOpen("Start3Window.Start3Window"));
  // The next change rewrites the sum.
  typeFraction(fluid, "Arnumber", "0.1");
  EXPECT_EQ(sumText(fluid), "1");
}

TEST_F(Shell, FractionsAddingUpToMoreThanOneAreRefused) {
  Start2Window& fluid = fluidWindow();
  typeFraction(fluid, "O2number", "0.6");
  typeFraction(fluid, "Arnumber", "0.6");
  EXPECT_EQ(sumText(fluid), "1.2");
  test::Click(fluid.pushButton("continue2"));
  EXPECT_EQ(sumText(fluid), "adjust fractions!");
  EXPECT_EQ(Globals::fraction[6], 0.0);
  EXPECT_FALSE(isOpen("Start3Window.Start3Window"));
}

TEST_F(Shell, EntriesTooLargeForTheGrainNeverMakeAFluid) {
  // Each set sums, with saturation, to exactly 10^12 in index order.
  const char* const sets[][3] = {{"1e308", "-1e308", "1.000000000001"},
                                 {"inf", "-inf", "1.000000000001"},
                                 {"-1e7", "1e7", "1.000000000001"}};
  for (const auto& set : sets) {
    SCOPED_TRACE(set[0]);
    Start2Window& fluid = fluidWindow();
    test::Click(fluid.pushButton("Clear"));
    typeFraction(fluid, "H2Onumber", set[0]);
    typeFraction(fluid, "CO2number", set[1]);
    typeFraction(fluid, "N2number", set[2]);
    test::Click(fluid.pushButton("continue2"));
    EXPECT_EQ(sumText(fluid), "adjust fractions!");
    EXPECT_FALSE(isOpen("Start3Window.Start3Window"));
    EXPECT_EQ(Globals::fraction[2], 0.0);
  }
}

TEST_F(Shell, ASumThatOverflowsOnTheWayIsRefused) {
  // Every entry fits (9e6 x 10^12 < 2^63), but the first two overflow 64 bits.
  Start2Window& fluid = fluidWindow();
  typeFraction(fluid, "H2Onumber", "9000000");
  typeFraction(fluid, "CO2number", "9000000");
  typeFraction(fluid, "N2number", "-9000000");
  typeFraction(fluid, "H2Snumber", "-9000000");
  typeFraction(fluid, "NH3number", "1");
  EXPECT_NE(sumText(fluid), "1") << "the running sum cannot show it";
  test::Click(fluid.pushButton("continue2"));
  EXPECT_EQ(sumText(fluid), "adjust fractions!");
  EXPECT_FALSE(isOpen("Start3Window.Start3Window"));
  // Without the overflow the sum is 1, but the negative fractions stay refused.
  test::Retype(fluid.editField("CO2number"), "-9000000");
  test::Retype(fluid.editField("N2number"), "9000000");
  EXPECT_EQ(sumText(fluid), "1");
  test::Click(fluid.pushButton("continue2"));
  EXPECT_EQ(sumText(fluid), "adjust fractions!");
  EXPECT_EQ(Globals::fraction[4], 0.0);
}

TEST_F(Shell, DigitsBeyondTheTwelfthPlaceAreLost) {
  Start2Window& fluid = fluidWindow();
  for (const char* field : {"H2Onumber", "CO2number", "N2number"}) typeFraction(fluid, field, "0.3333333333333");
  EXPECT_EQ(Globals::IntegerFraction[0], 333'333'333'333);
  EXPECT_EQ(sumText(fluid), "0.999999999999");
  test::Click(fluid.pushButton("continue2"));
  EXPECT_EQ(sumText(fluid), "adjust fractions!");
}

TEST_F(Shell, DecimalFractionsThatAddUpAreAccepted) {
  // 0.0021 x 10^12 falls just below a whole number in Double arithmetic.
  Start2Window& fluid = fluidWindow();
  typeFraction(fluid, "N2number", "0.0021");
  typeFraction(fluid, "O2number", "0.9979");
  EXPECT_EQ(Globals::IntegerFraction[2], 2'100'000'000);
  test::Click(fluid.pushButton("continue2"));
  EXPECT_TRUE(isOpen("Start3Window.Start3Window"));
  EXPECT_EQ(Globals::fraction[2], 0.0021);
  EXPECT_EQ(Globals::fraction[6], 0.9979);
}

// Eleven gases in equal parts: 1/11 in twelve decimals falls 10^-12 short
// eleven times over, and more digits are lost to the grain; the last field
// takes the rest, 1 - 10 x 0.090909090909.
TEST_F(Shell, ElevenEqualPartsAddUpWhenTheLastFieldTakesTheRest) {
  Start2Window& fluid = fluidWindow();
  const char* const fields[] = {"H2Onumber", "CO2number", "N2number", "H2Snumber",
                                "NH3number", "H2number",  "O2number", "COnumber",
                                "Arnumber",  "CH4number", "C2H6number"};
  for (const char* field : fields) typeFraction(fluid, field, "0.0909090909090909");
  EXPECT_EQ(sumText(fluid), "0.999999999999");
  test::Click(fluid.pushButton("continue2"));
  EXPECT_EQ(sumText(fluid), "adjust fractions!");

  for (const char* field : fields) test::Retype(fluid.editField(field), "0.090909090909");
  test::Retype(fluid.editField("C2H6number"), "0.09090909091");
  EXPECT_EQ(sumText(fluid), "1");
  test::Click(fluid.pushButton("continue2"));
  EXPECT_TRUE(isOpen("Start3Window.Start3Window"));
  for (int i = 0; i < Globals::NumGases - 1; ++i) EXPECT_EQ(Globals::fraction[i], 0.090909090909);
  EXPECT_EQ(Globals::fraction[Globals::NumGases - 1], 0.09090909091);
}

// A mole fraction below 0 has no meaning, however the sum comes out; one
// below half the grain is stored as 0 and does no harm.
TEST_F(Shell, NegativeFractionsAreRefusedLikeABadSum) {
  Start2Window& fluid = fluidWindow();
  Globals::fraction[4] = 1.0;  // a fluid accepted before
  typeFraction(fluid, "H2Onumber", "-0.5");
  typeFraction(fluid, "O2number", "1.5");
  EXPECT_EQ(sumText(fluid), "1");
  test::Click(fluid.pushButton("continue2"));
  EXPECT_EQ(sumText(fluid), "adjust fractions!");
  EXPECT_FALSE(isOpen("Start3Window.Start3Window"));
  EXPECT_EQ(Globals::fraction[4], 1.0);
  EXPECT_EQ(Globals::fraction[0], 0.0);

  test::Retype(fluid.editField("H2Onumber"), "-4e-13");
  test::Retype(fluid.editField("O2number"), "1");
  test::Click(fluid.pushButton("continue2"));
  EXPECT_TRUE(isOpen("Start3Window.Start3Window"));
  EXPECT_EQ(Globals::fraction[0], 0.0);
  EXPECT_EQ(Globals::fraction[6], 1.0);
}

TEST_F(Shell, ReturnInAFieldPressesContinue) {
  Start2Window& fluid = fluidWindow();
  typeFraction(fluid, "H2number", "1");
  test::PressReturn(fluid.editField("H2number"));
  EXPECT_EQ(Globals::fraction[5], 1.0);
  EXPECT_TRUE(isOpen("Start3Window.Start3Window"));
}

TEST_F(Shell, ReturnOnTheFocusedClearButtonClearsInsteadOfContinuing) {
  Start2Window& fluid = fluidWindow();
  typeFraction(fluid, "H2number", "1");
  fw::PushButton& clear = fluid.pushButton("Clear");
  clear.setFocus(Qt::TabFocusReason);
  QTest::keyClick(&clear, Qt::Key_Return);
  EXPECT_EQ(fluid.editField("H2number").Text(), "");
  EXPECT_EQ(sumText(fluid), "0");
  EXPECT_FALSE(isOpen("Start3Window.Start3Window"));
}


TEST_F(Shell, TabWalksTheFluidFieldsTopToBottom) {
  Start2Window& fluid = fluidWindow();
  test::Activate(fluid);
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "H2Onumber");
  // Gas-index order on the screen, although CH4 and C2H6 are made third and fifth.
  const std::vector<std::string> order = {"CO2number", "N2number", "H2Snumber", "NH3number",
                                          "H2number",  "O2number", "COnumber",  "Arnumber",
                                          "CH4number", "C2H6number", "continue2", "Clear",
                                          "H2Onumber"};
  EXPECT_EQ(test::WalkFocus(13, Qt::Key_Tab), order);
}

TEST_F(Shell, TheProcedureIsChosenWithTheArrowKeysAndOpenedWithReturn) {
  Start3Window& chooser = Start3Window::Get();
  test::Activate(chooser);
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "MolarVolumes");
  EXPECT_EQ(test::WalkFocus(2, Qt::Key_Tab), (std::vector<std::string>{"PushButton1", "MolarVolumes"}))
      << "the fifteen procedures are one stop";
  // Spinodal stands eighth from the top, though made last.
  const std::vector<std::string> down = {"Pressures", "Temperatures", "Fugacities", "Activities",
                                         "Homogenisation", "LiquidVapour", "Spinodal"};
  EXPECT_EQ(test::WalkFocus(7, Qt::Key_Down), down);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_TRUE(chooser.radioButton("Spinodal").Value());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // the choice moves along
  EXPECT_TRUE(chooser.radioButton("CriticalPoint").Value());
  EXPECT_FALSE(chooser.radioButton("Spinodal").Value());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(isOpen("CriticalPointWindow.CriticalPointWindow"));
  EXPECT_FALSE(isOpen("SpinodalWindow.SpinodalWindow"));
}

TEST_F(Shell, ClearEmptiesTheFluidAndTheFields) {
  Start2Window& fluid = fluidWindow();
  typeFraction(fluid, "H2Onumber", "0.4");
  typeFraction(fluid, "C2H6number", "0.6");
  test::Click(fluid.pushButton("continue2"));
  ASSERT_EQ(Globals::fraction[10], 0.6);
  test::Click(fluid.pushButton("Clear"));
  for (int i = 0; i < Globals::NumGases; ++i) {
    EXPECT_EQ(Globals::fraction[i], 0.0);
    EXPECT_EQ(Globals::IntegerFraction[i], 0);
  }
  EXPECT_EQ(fluid.editField("C2H6number").Text(), "");
  EXPECT_EQ(sumText(fluid), "0");
  test::Click(fluid.pushButton("continue2"));
  EXPECT_EQ(sumText(fluid), "adjust fractions!");
  EXPECT_EQ(Globals::fraction[0], 0.0);
}

// Closed and opened again, the window shows the fluid in effect, each
// fraction as the decimal typed for it (not "1e-12" or a binary expansion),
// and "continue" right away keeps exactly that fluid.
TEST_F(Shell, AReopenedWindowShowsTheFluidInEffectAndContinueKeepsIt) {
  const char* const fields[] = {"H2Onumber", "CO2number", "N2number", "H2Snumber",
                                "NH3number", "H2number",  "O2number", "COnumber",
                                "Arnumber",  "CH4number", "C2H6number"};
  struct Fluid {
    const char* name;
    std::vector<std::string> typed;  // by gas index, "" for none
  };
  const Fluid fluids[] = {
      {"one gas", {"", "", "", "", "", "", "", "", "1", "", ""}},
      {"quarters", {"", "", "", "", "", "", "", "0.25", "0.75", "", ""}},
      {"falls below a whole number when scaled", {"", "", "0.0021", "", "", "", "0.9979", "", "", "", ""}},
      {"one grain", {"0.000000000001", "", "", "", "", "", "", "", "", "", "0.999999999999"}},
      {"eleven parts",
       {"0.090909090909", "0.090909090909", "0.090909090909", "0.090909090909", "0.090909090909",
        "0.090909090909", "0.090909090909", "0.090909090909", "0.090909090909", "0.090909090909",
        "0.09090909091"}},
  };
  for (const Fluid& f : fluids) {
    SCOPED_TRACE(f.name);
    Start2Window& fluid = fluidWindow();
    test::Click(fluid.pushButton("Clear"));
    for (int gas = 0; gas < Globals::NumGases; ++gas)
      if (!f.typed[gas].empty()) typeFraction(fluid, fields[gas], f.typed[gas]);
    test::Click(fluid.pushButton("continue2"));
    const Globals::Composition accepted = Globals::fraction;
    ASSERT_NE(accepted, Globals::Composition{});
    test::CloseByCloseBox(fluid);
    test::ProcessEvents();
    ASSERT_FALSE(isOpen("Start2Window.Start2Window"));
    // Integers left by edits that were never accepted do not count: the sum
    // is the reopened fields' own.
    Globals::IntegerFraction.fill(1'000'000);

    Start2Window& reopened = fluidWindow();
    for (int gas = 0; gas < Globals::NumGases; ++gas)
      EXPECT_EQ(reopened.editField(fields[gas]).Text(), f.typed[gas]) << fields[gas];
    EXPECT_EQ(sumText(reopened), "1");
    KeepScreenshot(reopened, std::string("fluid_reopened_") + f.name);
    test::Click(reopened.pushButton("continue2"));
    EXPECT_EQ(sumText(reopened), "1");
    EXPECT_EQ(Globals::fraction, accepted);
    test::CloseByCloseBox(reopened);
    test::ProcessEvents();
  }
}

// After "clear" the fluid in effect is empty: a reopened window shows empty
// fields and the sum 0, and "continue" refuses them.
TEST_F(Shell, AReopenedWindowAfterClearIsEmpty) {
  Start2Window& fluid = fluidWindow();
  typeFraction(fluid, "COnumber", "0.25");
  typeFraction(fluid, "Arnumber", "0.75");
  test::Click(fluid.pushButton("continue2"));
  test::Click(fluid.pushButton("Clear"));
  test::CloseByCloseBox(fluid);
  test::ProcessEvents();
  Start2Window& reopened = fluidWindow();
  EXPECT_EQ(reopened.editField("COnumber").Text(), "");
  EXPECT_EQ(sumText(reopened), "0");
  test::Click(reopened.pushButton("continue2"));
  EXPECT_EQ(sumText(reopened), "adjust fractions!");
  EXPECT_EQ(Globals::fraction, Globals::Composition{});
}

// Whatever else wrote the shared integers, "continue" takes the fields' fluid.
TEST_F(Shell, ContinueTakesTheFieldsNotIntegersWrittenElsewhere) {
  Start2Window& fluid = fluidWindow();
  typeFraction(fluid, "N2number", "0.5");
  typeFraction(fluid, "CH4number", "0.5");
  Globals::IntegerFraction = {};
  Globals::IntegerFraction[1] = 1'000'000'000'000;
  test::Click(fluid.pushButton("continue2"));
  EXPECT_TRUE(isOpen("Start3Window.Start3Window"));
  EXPECT_EQ(Globals::fraction[1], 0.0);
  EXPECT_EQ(Globals::fraction[2], 0.5);
  EXPECT_EQ(Globals::fraction[9], 0.5);
}

TEST_F(Shell, ChooserWithNothingSelectedOpensNothing) {
  Start3Window& chooser = Start3Window::Get();
  int before = openCount();
  test::Click(chooser.pushButton("PushButton1"));
  EXPECT_EQ(openCount(), before);
}

TEST_F(Shell, ChooserOpensExactlyTheSelectedWindowOnce) {
  Start3Window& chooser = Start3Window::Get();
  test::Click(chooser.radioButton("Spinodal"));
  test::Click(chooser.pushButton("PushButton1"));
  test::Click(chooser.pushButton("PushButton1"));
  EXPECT_TRUE(isOpen("SpinodalWindow.SpinodalWindow"));
  EXPECT_FALSE(isOpen("CriticalPointWindow.CriticalPointWindow"));
  EXPECT_EQ(openCount(), 3);  // start, chooser, spinodal
  EXPECT_EQ(SpinodalWindow::Get().Title(), "Spinodal");
  // Choosing another procedure switches the first off.
  test::Click(chooser.radioButton("MolarVolumes"));
  EXPECT_FALSE(chooser.radioButton("Spinodal").Value());
  test::Click(chooser.pushButton("PushButton1"));
  EXPECT_TRUE(VolumeWindow::Get().isVisible());
  EXPECT_EQ(openCount(), 4);
}

TEST_F(Shell, ChooserShowsAWindowDesignedHidden) {
  Start3Window& chooser = Start3Window::Get();
  test::Click(chooser.radioButton("Temperatures"));
  test::Click(chooser.pushButton("PushButton1"));
  EXPECT_TRUE(TemperatureWindow::Get().isVisible());
}

TEST_F(Shell, EveryProcedureOpensItsOwnWindow) {
  struct Choice { const char* radio; const char* lookup; const char* title; };
  const Choice choices[] = {
      {"MolarVolumes", "VolumeWindow.VolumeWindow", "Molar Volumes"},
      {"Pressures", "PressureWindow.PressureWindow", "Pressures"},
      {"Temperatures", "TemperatureWindow.TemperatureWindow", "Temperatures"},
      {"Fugacities", "FugacityWindow.FugacityWindow", "Fugacities"},
      {"Activities", "ActivityWindow.ActivityWindow", "Activities"},
      {"Homogenisation", "BubbleDewPoint.BubbleDewPoint", "Bubble-Dew point"},
      {"LiquidVapour", "LiquidVapourEq.LiquidVapourEq", "Liquid-Vapour Equilibrium"},
      {"CriticalPoint", "CriticalPointWindow.CriticalPointWindow", "Critical Point"},
      {"Spinodal", "SpinodalWindow.SpinodalWindow", "Spinodal"},
      {"InternalEnergy", "EnergyWindow.EnergyWindow", "Internal Energy"},
      {"Enthalpy", "EnthalpyWindow.EnthalpyWindow", "Enthalpy"},
      {"Entropy", "EntropyWindow.EntropyWindow", "Entropy"},
      {"HelmholtzEnergy", "HelmholtzWindow.HelmholtzWindow", "Helmholtz Energy"},
      {"GibbsEnergy", "GibbsWindow.GibbsWindow", "Gibbs Energy"},
      {"ChemicalPotentials", "ChemPotWindow.ChemPotWindow", "Chemical Potentials"},
  };
  Start3Window& chooser = Start3Window::Get();
  for (const Choice& choice : choices) {
    int before = openCount();
    test::Click(chooser.radioButton(choice.radio));
    test::Click(chooser.pushButton("PushButton1"));
    fw::Window* window = fw::FindImplicitWindow(choice.lookup);
    ASSERT_NE(window, nullptr) << choice.radio;
    EXPECT_EQ(window->Title(), choice.title);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(openCount(), before + 1) << choice.radio;
  }
}

TEST_F(Shell, ExplanationWindowIsSingle) {
  Explain& first = Explain::Get();
  first.Show();
  Explain& second = Explain::Get();
  second.Show();
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(first.Title(), "Explanation");
  EXPECT_EQ(openCount(), 2);
  EXPECT_EQ(first.Width(), 435);
  EXPECT_EQ(first.Height(), 445);
}

TEST_F(Shell, WindowsHaveTheirDesignedSizes) {
  EXPECT_EQ(Start1Window::Get().Width(), 540);
  EXPECT_EQ(Start1Window::Get().Height(), 605);
  Start2Window& fluid = fluidWindow();
  EXPECT_EQ(fluid.Width(), 310);
  EXPECT_EQ(fluid.Height(), 595);
  EXPECT_EQ(fluid.Title(), "Fluid");
  EXPECT_EQ(Start3Window::Get().Height(), 570);
}

}  // namespace
