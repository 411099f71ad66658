#pragma once
// The solution chooser: at a pressure and temperature the van der Waals cubic
// has three roots in the molar volume. "calculate" lists them (`TextChoice0`
// to `TextChoice2`) and stores them in Globals::MolarVolumes, a complex root
// as 0; the radios `Choice0` to `Choice2` then evaluate the window's own
// quantity at the root of their row.
//
// The roots live in the shared state, not in the window: whichever window
// listed roots last decides what every window's root radios evaluate.

#include <array>
#include <functional>
#include <string>

#include "framework/Window.h"
#include "windows/shared/TemperatureSwitch.h"

namespace shared {

// The text of a root: its real part, or for a complex root the real part,
// " and ", the imaginary part with its own sign and "·i". A root with a part
// that is not finite has no text (empty).
std::string RootText(double real, double imaginary);

// How a window draws the chooser: the caption of its frame and the faces of
// its radios and root texts.
struct ChooserLook {
  const char* caption = "select mathematical solution*";
  int radioSize = 0;  // pixels; 0 = the desktop default
  const char* radioFont = "System";
  const char* textFont = "System";
};

class SolutionChooser {
 public:
  // The chooser's rows of a layout table, in window coordinates, on `parent`
  // (nullptr: the window).
  //
  // The entries it reads: the labels `Pressure` and `Temperature` at the left
  // edge, the fields `dataEntry` and `dataEntry1` beside them, and their unit
  // labels `StaticText4` ("MPa") and `StaticText3` ("Kelvin", relabelled by
  // the unit switch) from `unitLeft` on.
  static std::array<fw::ControlSpec, 6> EntryRows(int pressureTop, int temperatureTop, int unitLeft,
                                                  const char* parent = nullptr);
  // The frame `GroupBox2` (260 x 110) with its top-left corner at (left, top)
  // and in it a row per root, 25 pixels apart: the radio `Choice`k and the
  // root text `TextChoice`k.
  static std::array<fw::ControlSpec, 7> Rows(int left, int top, const char* parent = nullptr,
                                             const ChooserLook& look = {});
  // The footnote to the frame's "*", named `name`, 195 x 30.
  static fw::ControlSpec Footnote(const char* name, int left, int top, const char* parent = nullptr);

  // Evaluates the window's quantity at root k (0, 1, 2); runs only when the
  // radio of that root is on.
  using Evaluate = std::function<void(int root)>;
  using Step = std::function<void()>;

  // Binds the actions of `Choice0` to `Choice2`. The temperature is read
  // through `unit` from `dataEntry1`, the pressure from `dataEntry`.
  // `emptyResults` empties what the window shows for a root.
  //
  // The radio of a row that this window's last listing left without a root
  // (a refused listing, or a root with no text) shows nothing: it empties
  // the results. Before any listing and after "clear" every radio evaluates
  // the root stored in the shared state, whichever window stored it.
  //
  // Return on a root radio or on the unit switch keeps the chosen root: it
  // evaluates that root again; with no root chosen it presses the window's
  // default button. A window whose steps differ says so after building the
  // chooser (fw::Window::ReturnPresses).
  SolutionChooser(fw::Window& window, const TemperatureSwitch& unit, Evaluate evaluate, Step emptyResults);

  // The root listing: Globals::TempKelvin and Globals::PresMPa from the
  // entries, the roots of the cubic, `beforeRadiosOff` (windows that empty
  // their results before the radios), the root radios off, `afterRadiosOff`
  // (further radios of the window), then each root's text and stored value;
  // a root with a part that is not finite gets no text and is stored as 0,
  // like a complex one. The window empties its own results after it returns.
  //
  // An entry that is no finite number refuses the listing: the shared state
  // stays as it was, the steps and the radios go as above and every root
  // text is emptied.
  void ListRoots(const Step& beforeRadiosOff = {}, const Step& afterRadiosOff = {});

  // "clear": the root texts emptied, then the root radios off. The shared
  // state stays, and the radios evaluate it again.
  void ClearRoots();

  // The stored molar volume of root k (cm3/mol), 0 for a complex root.
  static double Root(int k);

 private:
  void Choice_Action(int k);
  void Return_Action();

  fw::Window& window_;
  const TemperatureSwitch& unit_;
  Evaluate evaluate_;
  Step emptyResults_;
  std::array<bool, 3> rootless_{};  // rows this window listed without a root
};

}  // namespace shared
