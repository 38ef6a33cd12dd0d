// The main window calcForm1: the form, its size rules, and the routing of every user event of
// its controls to the event table.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "core/events.h"

class QLineEdit;
class QMouseEvent;

namespace Ui {
class TcalcForm1;
}

namespace tarnolo {

class TcalcForm1 : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 450;

  explicit TcalcForm1(QWidget* parent = nullptr);
  ~TcalcForm1() override;

  // Delivers the controls' user events to table, which must outlive the window: clicks of
  // buttons, menu items and text boxes, a choice in the radio group, each step and the end of
  // a slider gesture. Whether a handler is bound is the table's business.
  void attach(const EventTable& table);

  // The height of the area below the menu bar; the width stays 450, the top-left corner stays
  // where it is, and whatever lies below is cut off.
  void setClientHeight(int height);
  int clientHeight() const;

 signals:
  // The regional settings changed.
  void localeChanged();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Q_DISABLE_COPY(TcalcForm1)

  void deliver(const QString& control, Event event) const;
  bool clickInTextBox(QLineEdit* box, QMouseEvent* event);
  // The Enter key in the window: see enterAction.
  void pressEnter(QWidget* focus, Qt::KeyboardModifiers modifiers);
  int menuHeight() const;
  void centreOnScreen();
  void setProgramIcon();

  std::unique_ptr<Ui::TcalcForm1> m_ui;
  const EventTable* m_table = nullptr;
  QPointer<QObject> m_pressed;  // the text box that a left-button press went into
  bool m_placed = false;
};

// What the Enter key does in the main window: nothing while Shift, Ctrl or Alt is held; on a
// focused push button it clicks that button, elsewhere it clicks the default button "&Calcular"
// if that is shown and enabled.
enum class EnterAction { None, ClickFocused, ClickDefault };
EnterAction enterAction(Qt::KeyboardModifiers modifiers, bool focusOnButton,
                        bool defaultButtonUsable);

// Every font that the form gives a widget becomes sized in pixels (withPixelSize).
void usePixelFontSizes(QWidget& root);

}  // namespace tarnolo
