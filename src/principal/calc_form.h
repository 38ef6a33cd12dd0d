// The main window calcForm1: the form, its size rules, and the routing of every user event of
// its controls to the event table.
#pragma once

#include <QMainWindow>
#include <memory>

#include "core/events.h"

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
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Q_DISABLE_COPY(TcalcForm1)

  void deliver(const QString& control, Event event) const;
  int menuHeight() const;
  void centreOnScreen();

  std::unique_ptr<Ui::TcalcForm1> m_ui;
  const EventTable* m_table = nullptr;
  QObject* m_pressed = nullptr;  // the text box that a left-button press went into
  bool m_placed = false;
};

// The form gives font sizes in points at 96 dots per inch; they become pixel sizes, so that
// texts keep their size against the pixel geometry whatever the screen's logical density.
void usePixelFontSizes(QWidget& root);

}  // namespace tarnolo
