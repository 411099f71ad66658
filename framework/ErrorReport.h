#pragma once
// The default report for errors that escape an event handler: a message box
// with the error's text, after which the program goes on. Tests replace it
// with a hook that records the texts.

#include <functional>
#include <string>

namespace fw {

using ErrorReportHook = std::function<void(const std::string& message)>;

// Installs a replacement for the message box; an empty hook restores it.
// Returns the hook that was installed before.
ErrorReportHook SetErrorReportHook(ErrorReportHook hook);

// Shows the report of an error with this text.
void ReportError(const std::string& message);

// Runs a handler; whatever it throws goes to ReportError and stops there.
// Returns false when the handler threw.
bool RunGuarded(const std::function<void()>& handler);

}  // namespace fw
