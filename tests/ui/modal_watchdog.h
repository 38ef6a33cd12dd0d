// The one helper for modal boxes in the window tests: each modal box that opens is recorded
// and handed to the test, or closed, so that no test can hang on one.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
};

class ModalWatchdog : public QObject {
 public:
  // What the test does with a box; a box it leaves open is not handed to it again.
  using Action = std::function<void(QDialog& box)>;

  // Every intervalMs, a modal box not met before is recorded in seen, then handed to act, or
  // rejected when there is no act.
  explicit ModalWatchdog(int intervalMs = 10, Action act = {}) : m_act(std::move(act)) {
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::onTick);
    m_timer.start();
  }

  QList<SeenBox> seen;

  // Hands act only the boxes of kind T, each once; other boxes stay open for another watchdog.
  template <class T>
  static Action only(std::function<void(T& box)> act) {
    return [act](QDialog& box) {
      if (auto* t = qobject_cast<T*>(&box)) act(*t);
    };
  }

 private:
  void onTick() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || dialog == m_handed) return;
    seen << describe(*dialog);
    if (!m_act) {
      dialog->reject();
      return;
    }
    m_handed = dialog;
    m_act(*dialog);
  }

  static SeenBox describe(const QDialog& dialog) {
    SeenBox box;
    box.title = dialog.windowTitle();
    if (auto* message = qobject_cast<const QMessageBox*>(&dialog)) {
      box.text = message->text();
      box.icon = message->icon();
    } else if (auto* label = dialog.findChild<QLabel*>()) {
      box.text = label->text();
    }
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) box.buttons << button->text();
    return box;
  }

  Action m_act;
  QPointer<QDialog> m_handed;
  QTimer m_timer;
};
