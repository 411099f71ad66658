#pragma once

#include "framework/Window.h"

// The procedure chooser: "continue" shows the window of every selected
// procedure.
class Start3Window : public fw::Window {
 public:
  Start3Window();
  static Start3Window& Get() { return fw::GetImplicitWindow<Start3Window>("Start3Window.Start3Window"); }

  void PushButton1_Action();
};
