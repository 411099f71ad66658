#include "framework/ErrorReport.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace fw {

namespace {

ErrorReportHook& Hook() {
  static ErrorReportHook hook;
  return hook;
}

void ShowMessageBox(const std::string& message) {
  QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(),
                        QString::fromStdString(message));
}

}  // namespace

ErrorReportHook SetErrorReportHook(ErrorReportHook hook) {
  ErrorReportHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

void ReportError(const std::string& message) {
  if (Hook())
    Hook()(message);
  else
    ShowMessageBox(message);
}

bool RunGuarded(const std::function<void()>& handler) {
  // Qt's event loop must never see an exception: it would end the process.
  try {
    if (handler) handler();
    return true;
  } catch (const std::exception& error) {
    ReportError(error.what());
  } catch (...) {
    ReportError("unknown error");
  }
  return false;
}

}  // namespace fw
