#pragma once

#include "framework/Window.h"

// The start window: the program's title, the model as formula pictures, and
// "continue" to the fluid-composition window.
class Start1Window : public fw::Window {
 public:
  Start1Window();
  static Start1Window& Get() { return fw::GetImplicitWindow<Start1Window>("Start1Window.Start1Window"); }

  void continue1_Action();
};
