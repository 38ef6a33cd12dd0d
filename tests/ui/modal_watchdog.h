// The one helper for modal boxes in the window tests: each modal box that opens is recorded
// and handed to the test, or closed, so that no test can hang on one.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
  QString kind;  // the box's class: "QMessageBox", "QFileDialog", "TAboutBox", ...
};

class ModalWatchdog : public QObject {
 public:
  // What the test does with a box; a box it leaves open is not handed to it again.
  using Action = std::function<void(QDialog& box)>;

  // Every intervalMs, a modal box not met before is recorded in seen, then handed to act, or
  // rejected when there is no act; a modal window that is no dialog is closed.
  explicit ModalWatchdog(int intervalMs = 10, Action act = {}) : m_act(std::move(act)) {
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::onTick);
    m_timer.start();
  }

  QList<SeenBox> seen;

  // Stops looking for boxes until resumed, as between the steps of a test that watches each step
  // on its own.
  void setActive(bool active) { active ? m_timer.start() : m_timer.stop(); }

  // Hands act only the boxes of kind T, each once; other boxes stay open for another watchdog.
  template <class T>
  static Action only(std::function<void(T& box)> act) {
    return [act](QDialog& box) {
      if (auto* t = qobject_cast<T*>(&box)) act(*t);
    };
  }

  // A hook for a window's file dialog, run before the dialog shows: path is chosen and accepted
  // as soon as it shows; filters, when given, receives the dialog's name filters. The dialog
  // must be the toolkit's own, whose name box a user types into.
  static Action answeredWith(const QString& path, QStringList* filters = nullptr) {
    return [path, filters](QDialog& dialog) {
      auto* files = qobject_cast<QFileDialog*>(&dialog);
      QVERIFY(files && files->testOption(QFileDialog::DontUseNativeDialog));
      if (filters) *filters = files->nameFilters();
      files->selectFile(path);
      QMetaObject::invokeMethod(files, &QDialog::accept, Qt::QueuedConnection);
    };
  }

  // Answers each file dialog as a user does: the path that answer gives at that moment is chosen
  // with the dialog's own accept, an empty path cancels, and a dialog still open then (it went
  // into a folder) is cancelled. Any other box is handed to other, or rejected.
  static Action answeringFiles(std::function<QString()> answer, Action other = {}) {
    return [answer, other](QDialog& box) {
      auto* files = qobject_cast<QFileDialog*>(&box);
      if (!files) {
        other ? other(box) : box.reject();
        return;
      }
      if (const QString path = answer(); !path.isEmpty()) {
        files->selectFile(path);
        box.accept();  // the dialog's own accept, as its button does
      }
      if (files->isVisible()) files->reject();
    };
  }

 private:
  void onTick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == m_handed) return;
    seen << describe(*modal);
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (!dialog) {
      modal->close();
      return;
    }
    if (!m_act) {
      dialog->reject();
      return;
    }
    m_handed = dialog;
    m_act(*dialog);
  }

  static SeenBox describe(const QWidget& dialog) {
    SeenBox box;
    box.kind = QString::fromLatin1(dialog.metaObject()->className());
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
  QPointer<QWidget> m_handed;
  QTimer m_timer;
};
