#pragma once
// A question put to the user in a small modal dialog over a window, with two
// answers.

#include <string>

namespace fw {

class Window;

// Asks the question over the window and waits for the answer: true when the
// user chose `yes`, false for `no`. `no` is the default answer, which Return
// and Escape give, as does closing the dialog.
bool Ask(Window& over, const std::string& question, const std::string& yes, const std::string& no);

}  // namespace fw
