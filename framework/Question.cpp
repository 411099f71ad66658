#include "framework/Question.h"

#include <QMessageBox>
#include <QPushButton>

#include "framework/Window.h"

namespace fw {

bool Ask(Window& over, const std::string& question, const std::string& yes, const std::string& no) {
  QMessageBox box(QMessageBox::Question, over.windowTitle(), QString::fromStdString(question), QMessageBox::NoButton,
                  &over);
  box.setTextFormat(Qt::PlainText);
  QPushButton* accept = box.addButton(QString::fromStdString(yes), QMessageBox::AcceptRole);
  QPushButton* reject = box.addButton(QString::fromStdString(no), QMessageBox::RejectRole);
  box.setDefaultButton(reject);
  box.setEscapeButton(reject);
  over.RunDialog(box);
  return box.clickedButton() == accept;
}

}  // namespace fw
