// Closes every modal box that a test opens, so that no test can hang on one, and records what
// each box showed.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
};

class ModalWatchdog : public QObject {
 public:
  explicit ModalWatchdog(int intervalMs = 10) {
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::closeModal);
    m_timer.start();
  }

  QList<SeenBox> seen;

 private:
  void closeModal() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    SeenBox box;
    box.title = dialog->windowTitle();
    if (auto* message = qobject_cast<QMessageBox*>(dialog)) {
      box.text = message->text();
      box.icon = message->icon();
    } else if (auto* label = dialog->findChild<QLabel*>()) {
      box.text = label->text();
    }
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) box.buttons << button->text();
    seen << box;
    dialog->reject();
  }

  QTimer m_timer;
};
