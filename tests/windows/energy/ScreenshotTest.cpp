// The six energy-function windows after a calculation, against what their
// layouts fix: pictures taken headless for a person to look at
// (energy_<title>.png in the folder that VDW_SCREENSHOTS names), the pixels of the formula, the
// "∆" mark, the raised "3" and the result frame, and the relations between
// the controls (frames, groups, rows).

#include <QImage>
#include <algorithm>

#include "resources/Pictures.h"
#include "tests/windows/LayoutChecks.h"
#include "tests/windows/energy/EnergyTestSupport.h"

namespace {

using namespace energytest;

struct Design {
  fw::Window& (*open)();
  fw::PictureGetter formula;
  const char* rowLabel;  // the label of the total, nullptr for the list window
  bool delta;            // a "∆" mark (`StaticText1`) before it
};

class EnergyScreenshotTest : public EnergyTest {
 protected:
  static int DarkPixels(const QImage& shot, fw::Control& control) {
    const double ratio = shot.devicePixelRatio();
    int dark = 0;
    for (int y = control.Top(); y < control.Top() + control.Height(); ++y)
      for (int x = control.Left(); x < control.Left() + control.Width(); ++x)
        if (qGray(shot.pixel(int(x * ratio), int(y * ratio))) < 128) ++dark;
    return dark;
  }
  static bool Inside(fw::Control& inner, fw::Control& outer) {
    return inner.Left() >= outer.Left() && inner.Top() >= outer.Top() &&
           inner.Left() + inner.Width() <= outer.Left() + outer.Width() &&
           inner.Top() + inner.Height() <= outer.Top() + outer.Height();
  }

  static void Check(const Design& d) {
    fw::Window& window = d.open();
    SCOPED_TRACE(window.Title());
    List(window, "3", "200");
    Choose(window, d.rowLabel ? "Choice2" : "Choice0");  // a real root
    test::ProcessEvents();
    const QImage shot = window.Client().grab().toImage();
    std::string name = "energy_" + window.Title();
    std::replace(name.begin(), name.end(), ' ', '_');
    KeepScreenshot(window, name);
    ExpectNothingCutOff(window);
    EXPECT_EQ(shot.pixelColor(3, 3), QColor(Qt::white));

    EXPECT_EQ(window.canvas("Canvas1").Backdrop(), d.formula());
    EXPECT_GT(DarkPixels(shot, window.control("Canvas1")), 20) << "formula picture";
    fw::Control& frame = window.control("RoundRectangle1");
    const double ratio = shot.devicePixelRatio();
    EXPECT_EQ(shot.pixelColor(int((frame.Left() + frame.Width() / 2) * ratio), int(frame.Top() * ratio)),
              QColor(Qt::black));
    // "3" over the gap of "cm /mol", both drawn on the frame.
    fw::Control& unit = window.control("StaticText7");
    fw::Control& exponent = window.control("StaticText8");
    EXPECT_EQ(exponent.Left(), unit.Left() + 22);
    EXPECT_GT(DarkPixels(shot, exponent), 3);
    std::vector<const char*> onFrame = {"MolarVolume", "Result", "StaticText7", "StaticText8"};
    if (d.rowLabel) onFrame.insert(onFrame.end(), {d.rowLabel, "Result1", "Result2", "Result3"});
    if (d.delta) onFrame.push_back("StaticText1");
    for (const char* name : onFrame) {
      EXPECT_TRUE(Inside(window.control(name), frame)) << name;
      EXPECT_EQ(window.control(name).Widget().parentWidget(), &frame.Widget()) << name;
      if (std::string(name).starts_with("Result")) {
        EXPECT_GT(DarkPixels(shot, window.control(name)), 20) << name;
      }
    }
    if (d.delta) {
      EXPECT_EQ(TextOf(window, "StaticText1"), "\u2206");
      EXPECT_GT(DarkPixels(shot, window.control("StaticText1")), 15) << "the \u2206 mark";
      EXPECT_LE(window.control("StaticText1").Left() + window.control("StaticText1").Width(),
                window.control(d.rowLabel).Left());
    }

    // Radios inside the frames created after them, in two groups of their own.
    for (const char* radio : {"Kelvin", "Celsius"})
      EXPECT_TRUE(Inside(window.control(radio), window.control("GroupBox1"))) << radio;
    for (int k = 0; k < 3; ++k) {
      EXPECT_TRUE(Inside(window.control(kChoices[k]), window.control("GroupBox2")));
      EXPECT_TRUE(Inside(window.control(kRootTexts[k]), window.control("GroupBox2")));
    }
    EXPECT_TRUE(window.radioButton("Kelvin").Value());
    EXPECT_TRUE(window.radioButton(d.rowLabel ? "Choice2" : "Choice0").Value());
    for (fw::Control* control : window.Controls()) {
      EXPECT_LE(control->Left() + control->Width(), window.Width()) << control->Name();
      EXPECT_LE(control->Top() + control->Height(), window.Height()) << control->Name();
    }
    EXPECT_EQ(window.Controls().back()->Name(), "Canvas1");
  }
};

TEST_F(EnergyScreenshotTest, EveryWindowMatchesItsLayout) {
  SetFluid({{CO2, 0.5}, {CH4, 0.5}});
  Check({Opener::Of<EntropyWindow>, &Pictures::Entropy_141, "EntropyText", false});
  EXPECT_FALSE(EntropyWindow::Get().HasControl("StaticText2"));
  Check({Opener::Of<HelmholtzWindow>, &Pictures::Helmholtz_122, "EntropyText", true});
  Check({Opener::Of<EnergyWindow>, &Pictures::Energy_203, "IntEnergyText", true});
  Check({Opener::Of<EnthalpyWindow>, &Pictures::Enthalpy_165, "EnthalpyText", true});
  Check({Opener::Of<GibbsWindow>, &Pictures::Gibbs_218, "GibbsText", true});
  SetFluid({{H2O, 0.2}, {CO2, 0.3}, {CH4, 0.5}});
  Check({Opener::Of<ChemPotWindow>, &Pictures::chem_125, nullptr, false});
  fw::ListBox& list = ChemPotWindow::Get().listBox("ListBox1");
  EXPECT_EQ(list.RowCount(), 3);
  EXPECT_EQ(list.Widget().parentWidget(), &ChemPotWindow::Get().control("GroupBox3").Widget());
  EXPECT_NEAR(list.columnWidth(0), 0.3 * list.viewport()->width(), 2.0);
}

}  // namespace
