// The solution chooser in the nine windows that carry it, as the user meets
// it: a radio whose row has no root shows nothing, and Return on a chosen
// root or on the unit switch keeps the choice and its results.

#include <string>
#include <vector>

#include "tests/windows/WindowTestSupport.h"
#include "windows/energy/ChemPotWindow.h"
#include "windows/energy/EnergyWindow.h"
#include "windows/energy/EnthalpyWindow.h"
#include "windows/energy/EntropyWindow.h"
#include "windows/energy/GibbsWindow.h"
#include "windows/energy/HelmholtzWindow.h"
#include "windows/single_phase/ActivityWindow.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/single_phase/VolumeWindow.h"

namespace {

using namespace wintest;

using WindowOpener = fw::Window& (*)();

// The eight windows whose one action button is "calculate".
const WindowOpener kSingleButton[] = {
    Opener::Of<VolumeWindow>,    Opener::Of<FugacityWindow>,  Opener::Of<EnergyWindow>,
    Opener::Of<EnthalpyWindow>,  Opener::Of<EntropyWindow>,   Opener::Of<HelmholtzWindow>,
    Opener::Of<GibbsWindow>,     Opener::Of<ChemPotWindow>};

constexpr const char* kChoices[] = {"Choice0", "Choice1", "Choice2"};
constexpr const char* kRootTexts[] = {"TextChoice0", "TextChoice1", "TextChoice2"};

class SolutionChooserTest : public WindowTest {
 protected:
  // Everything the window shows for a chosen root: its result labels and the
  // cells of its list.
  static std::vector<std::string> Results(fw::Window& window) {
    std::vector<std::string> texts;
    for (const char* label : {"Result", "Result1", "Result2", "Result3", "ExcessVol", "DensityResult"})
      if (window.HasControl(label)) texts.push_back(TextOf(window, label));
    if (window.HasControl("ListBox1")) {
      fw::ListBox& list = window.listBox("ListBox1");
      for (int row = 0; row < list.RowCount(); ++row)
        for (int column = 0; column < list.ColumnCount(); ++column) texts.push_back(list.Cell(row, column));
    }
    return texts;
  }
  static bool ShowsNothing(fw::Window& window) {
    for (const std::string& text : Results(window))
      if (!text.empty()) return false;
    return true;
  }
  static std::vector<std::string> RootTexts(fw::Window& window) {
    return {TextOf(window, kRootTexts[0]), TextOf(window, kRootTexts[1]), TextOf(window, kRootTexts[2])};
  }
  static void List(fw::Window& window, const std::string& P, const std::string& T) {
    Enter(window, "dataEntry", P);
    Enter(window, "dataEntry1", T);
    Press(window, "calculate");
  }
  static int Chosen(fw::Window& window) {
    for (int k = 0; k < 3; ++k)
      if (window.radioButton(kChoices[k]).Value()) return k;
    return -1;
  }
};

// CO2 at 280 K and 5 MPa: the reduced van der Waals isotherm
// 8 Tr / (3 Vr - 1) - 3 / Vr^2 at Tr = 280 / 304.128 has its minimum and
// maximum at about 4.1 and 5.7 MPa, so the cubic has three real roots and
// every radio a root of its own to show.
TEST_F(SolutionChooserTest, ARadioWhoseRowHasNoRootShowsNothing) {
  SetFluid({{CO2, 1.0}});
  const WindowOpener all[] = {Opener::Of<VolumeWindow>,   Opener::Of<FugacityWindow>, Opener::Of<ActivityWindow>,
                              Opener::Of<EnergyWindow>,   Opener::Of<EnthalpyWindow>, Opener::Of<EntropyWindow>,
                              Opener::Of<HelmholtzWindow>, Opener::Of<GibbsWindow>,   Opener::Of<ChemPotWindow>};
  for (WindowOpener open : all) {
    fw::Window& window = open();
    const std::string where = window.Title();
    List(window, "5", "280");
    const std::vector<std::string> roots = RootTexts(window);
    for (const std::string& root : roots) ASSERT_EQ(root.find(" and "), std::string::npos) << where << ": " << root;
    Choose(window, "Choice2");
    ASSERT_EQ(TextOf(window, "Result"), roots[2]) << where;

    // A refused temperature blanks the list; no radio brings back a root of
    // the listing before.
    Enter(window, "dataEntry1", "nan");
    Press(window, "calculate");
    ASSERT_EQ(RootTexts(window), std::vector<std::string>(3, "")) << where;
    for (int k = 0; k < 3; ++k) {
      Choose(window, kChoices[k]);
      EXPECT_TRUE(window.radioButton(kChoices[k]).Value()) << where;
      EXPECT_TRUE(ShowsNothing(window)) << where << ", " << kChoices[k] << ": " << TextOf(window, "Result");
    }
    // Nor after another window listed roots: this window's rows stay empty.
    fw::Window& other = open == all[0] ? Opener::Of<FugacityWindow>() : Opener::Of<VolumeWindow>();
    List(other, "5", "280");
    test::Activate(window);
    Choose(window, "Choice1");
    EXPECT_TRUE(ShowsNothing(window)) << where << " after a listing elsewhere";

    // "clear" makes the radios evaluate the stored roots again, and a
    // listing that is taken gives every row its root.
    Press(window, "Clear");
    Choose(window, "Choice0");
    EXPECT_EQ(TextOf(window, "Result"), roots[0]) << where << " after clear";
    List(window, "5", "280");
    Choose(window, "Choice1");
    EXPECT_EQ(TextOf(window, "Result"), roots[1]) << where << " listed again";
    test::CloseByCloseBox(window);
    test::CloseByCloseBox(other);
  }
}

// Return on the chosen root, or on either radio of the unit switch, keeps
// the choice, the root texts and the results; it lists nothing, so the
// temperature in the shared state stays the listing's even with the unit
// switched to ˚C. On a root that a refused listing left empty it shows
// nothing.
TEST_F(SolutionChooserTest, ReturnOnAChosenRootOrTheUnitSwitchKeepsTheChoice) {
  SetFluid({{CO2, 1.0}});
  for (WindowOpener open : kSingleButton) {
    fw::Window& window = open();
    const std::string where = window.Title();
    List(window, "5", "280");
    Choose(window, "Choice2");
    const std::vector<std::string> roots = RootTexts(window);
    const std::vector<std::string> results = Results(window);
    ASSERT_FALSE(ShowsNothing(window)) << where;
    for (const char* control : {"Choice2", "Kelvin", "Celsius", "Kelvin"}) {
      if (control != std::string("Choice2")) Choose(window, control);
      test::PressReturn(window.control(control));
      EXPECT_EQ(Chosen(window), 2) << where << ", Return on " << control;
      EXPECT_EQ(RootTexts(window), roots) << where << ", Return on " << control;
      EXPECT_EQ(Results(window), results) << where << ", Return on " << control;
      EXPECT_EQ(Globals::TempKelvin, 280.0) << where << ", Return on " << control;
    }
    KeepScreenshot(window, "return_on_chosen_root " + where);
    Enter(window, "dataEntry1", "nan");
    Press(window, "calculate");
    Choose(window, "Choice2");
    test::PressReturn(window.radioButton("Choice2"));
    EXPECT_EQ(Chosen(window), 2) << where;
    EXPECT_TRUE(ShowsNothing(window)) << where << ", Return on a root of a refused listing";
    test::CloseByCloseBox(window);
  }
}

// With no root chosen, Return on the unit switch lists the roots as
// "calculate" does, with the entry read in ˚C.
TEST_F(SolutionChooserTest, ReturnOnTheUnitSwitchWithNoRootChosenListsTheRoots) {
  SetFluid({{CO2, 1.0}});
  for (WindowOpener open : kSingleButton) {
    fw::Window& window = open();
    Enter(window, "dataEntry", "5");
    Enter(window, "dataEntry1", "6.85");
    Choose(window, "Celsius");
    test::PressReturn(window.radioButton("Celsius"));
    EXPECT_EQ(Globals::TempKelvin, 6.85 + 273.15) << window.Title();
    for (int k = 0; k < 3; ++k) EXPECT_FALSE(TextOf(window, kRootTexts[k]).empty()) << window.Title() << " " << k;
    EXPECT_EQ(Chosen(window), -1) << window.Title();
    test::CloseByCloseBox(window);
  }
}

}  // namespace
