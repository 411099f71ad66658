#pragma once

#include "framework/Window.h"

// A static page on the pseudo-critical conditions shown by the critical-point
// window.
class Explain : public fw::Window {
 public:
  Explain();
  static Explain& Get() { return fw::GetImplicitWindow<Explain>("Explain.Explain"); }
};
