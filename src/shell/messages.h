// How messages reach the user: the notice for the program's own texts, the failure box for a
// failure that left a handler, and the box of a failure during start-up.
#pragma once

#include <QDialog>
#include <QString>
#include <exception>
#include <string>

class QLabel;
class QPushButton;

namespace tarnolo {

// The caption of every notice and failure box; the main window has a caption of its own.
inline const QString kApplicationTitle = QStringLiteral("Tarnolo");

// The notice: the text word-wrapped to at most half the screen width, one "OK" button that
// Enter and Esc both press, margins of 8 dialog units, 10 between text and button, a button at
// least 50 x 14 dialog units; centred on the screen. A screen reader reads it as an alert, the
// caption as its name and the text as its value, as it reads the failure box.
class NoticeDialog : public QDialog {
  Q_OBJECT

 public:
  explicit NoticeDialog(const QString& text, QWidget* parent = nullptr);

  QLabel* label() const { return m_label; }
  QPushButton* button() const { return m_button; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Q_DISABLE_COPY(NoticeDialog)

  QLabel* m_label;
  QPushButton* m_button;
};

// Shows the notice modally; returns when the user has closed it. The text is shown unchanged.
// The focus is then back on the control that had it, as after the failure box.
void showNotice(const std::string& text);

// The failure box: ends a mouse capture, then shows text (the full stop already added) modally
// with the stop icon, caption "Tarnolo" and one OK button; the window that was active before
// is active again afterwards, the focus on the control that had it.
void reportFailure(const std::string& text);

// The text of the start-up failure box:
// startUpFailureText("EInvalidOp", "tarnolo", "00000000004012A0",
//                    "Invalid floating point operation")
//   -> "Exception EInvalidOp in module tarnolo at 00000000004012A0.\n"
//      "Invalid floating point operation."
// A message that is empty or already ends in "." gets no full stop.
QString startUpFailureText(const QString& className, const QString& module, const QString& address,
                           const QString& message);

// Shows the start-up failure box "Application Error" for failure, raised at address, and
// returns when it has been closed.
void showStartUpFailure(std::exception_ptr failure, const void* address);

}  // namespace tarnolo
