#pragma once

#include "framework/Window.h"

// The pressure of the current fluid along an isochore: at the molar volume
// in element 0 of Globals::MolarVolumes (the pressure window's, unless a root
// listing has replaced it), for temperatures from a minimum to a maximum in
// equal steps, in degrees Celsius; and its export as a text file.
class Isochore : public fw::Window {
 public:
  // The list and the export file hold at most this many rows.
  static constexpr int kMaxRows = 10000;

  Isochore();
  // The one window of this class: the open one, or a new one built from its layout.
  static Isochore& Get() { return fw::GetImplicitWindow<Isochore>("Isochore.Isochore"); }

  void Event_Activate() override;
  // Fills the list; entries it cannot use show "put number", and entries
  // that would make no list of at most kMaxRows rows are reported.
  void calculate_Action();
  // Writes "<molar volume>.txt" into the working directory, asking first
  // before it replaces a file of that name, and shows the file's full path
  // in the line under the button. The rows are computed again from the
  // entries, which must pass the checks of calculate_Action; entries that do
  // not, a molar volume or pressure that is not finite, and a file that
  // cannot be written throw (the error report says why), leaving any old
  // file as it was.
  void Export_Action();
};
