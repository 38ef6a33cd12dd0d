// The main window.
#include "principal/calc_form.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>

#include "principal/accessibility.h"
#include "principal/radio_group.h"
#include "principal/slider.h"
#include "ui_calc_form.h"

namespace tarnolo {

void usePixelFontSizes(QWidget& root) {
  QList<QWidget*> widgets = root.findChildren<QWidget*>();
  widgets.prepend(&root);
  for (QWidget* widget : widgets) {
    if (!widget->testAttribute(Qt::WA_SetFont) || widget->font().pointSizeF() <= 0) continue;
    QFont font = widget->font();
    font.setPixelSize(qRound(font.pointSizeF() * 96 / 72));
    widget->setFont(font);
  }
}

TcalcForm1::TcalcForm1(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::TcalcForm1>()) {
  m_ui->setupUi(this);
  usePixelFontSizes(*this);
  makeAccessible(*this);
  QIcon icon;
  for (int size : {48, 32, 16}) icon.addFile(QStringLiteral(":/artwork/icon%1.png").arg(size));
  setWindowIcon(icon);
  setClientHeight(m_ui->Panel19->geometry().bottom() + 2);  // the design height
}

TcalcForm1::~TcalcForm1() = default;

void TcalcForm1::attach(const EventTable& table) {
  m_table = &table;
  for (QPushButton* button : findChildren<QPushButton*>()) {
    connect(button, &QAbstractButton::clicked, this,
            [this, button] { deliver(button->objectName(), Event::Click); });
  }
  for (QAction* item : findChildren<QAction*>()) {
    if (item->objectName().isEmpty() || item->isSeparator()) continue;
    connect(item, &QAction::triggered, this,
            [this, item] { deliver(item->objectName(), Event::Click); });
  }
  for (QLineEdit* box : findChildren<QLineEdit*>()) box->installEventFilter(this);
  for (RadioGroup* group : findChildren<RadioGroup*>()) {
    connect(group, &RadioGroup::chosen, this,
            [this, group] { deliver(group->objectName(), Event::Click); });
  }
  for (Slider* slider : findChildren<Slider*>()) {
    const std::string name = slider->objectName().toStdString();
    slider->setNotifier([this, name] { return m_table->deliver(name, Event::Scroll); });
  }
}

void TcalcForm1::deliver(const QString& control, Event event) const {
  if (m_table) m_table->deliver(control.toStdString(), event);
}

// The window's layout gives the menu bar the height it asks for at the window's width.
int TcalcForm1::menuHeight() const {
  const int height = menuBar()->heightForWidth(kWidth);
  return height >= 0 ? height : menuBar()->sizeHint().height();
}

void TcalcForm1::setClientHeight(int height) {
  setFixedSize(kWidth, menuHeight() + height);
}

int TcalcForm1::clientHeight() const {
  return height() - menuHeight();
}

void TcalcForm1::showEvent(QShowEvent* event) {
  if (!m_placed) {
    m_placed = true;
    centreOnScreen();
  }
  QMainWindow::showEvent(event);
}

void TcalcForm1::centreOnScreen() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->geometry().center());
  move(frame.topLeft());
}

void TcalcForm1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LocaleChange) emit localeChanged();
  QMainWindow::changeEvent(event);
}

// A click in a text box: a left-button press and release, both inside the box.
bool TcalcForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    auto* box = static_cast<QWidget*>(watched);
    if (mouse->button() == Qt::LeftButton) {
      if (event->type() == QEvent::MouseButtonPress) {
        m_pressed = watched;
      } else if (m_pressed == watched) {
        m_pressed = nullptr;
        if (box->rect().contains(mouse->position().toPoint())) {
          // Let the box take the release first (the caret, the selection), then deliver.
          QCoreApplication::sendEvent(box, event);
          deliver(box->objectName(), Event::Click);
          return true;
        }
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace tarnolo
