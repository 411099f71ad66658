#include "framework/ErrorReport.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "framework/Window.h"

namespace fw {

namespace {

ErrorReportHook& Hook() {
  static ErrorReportHook hook;
  return hook;
}

// Over the active window; closing it is no return to a window of ours.
void ShowMessageBox(const std::string& message) {
  QWidget* over = QApplication::activeWindow();
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), QString::fromStdString(message),
                  QMessageBox::Ok, over);
  box.setTextFormat(Qt::PlainText);  // a path is shown as it is
  if (auto* window = dynamic_cast<Window*>(over))
    window->RunDialog(box);
  else
    box.exec();
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
