// The main window.
#include "principal/calc_form.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "principal/accessibility.h"
#include "principal/bitmap_button.h"
#include "principal/first_frame.h"
#include "principal/pixel_font.h"
#include "principal/radio_group.h"
#include "principal/slider.h"
#include "ui_calc_form.h"

namespace tarnolo {

void usePixelFontSizes(QWidget& root) {
  QList<QWidget*> widgets = root.findChildren<QWidget*>();
  widgets.prepend(&root);
  for (QWidget* widget : widgets) {
    if (!widget->testAttribute(Qt::WA_SetFont) || widget->font().pointSizeF() <= 0) continue;
    widget->setFont(withPixelSize(widget->font()));
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
  setClientHeight(m_ui->Panel19->geometry().bottom() + 2);  // the design height
  // Every control passes its keys through the window first (the default button), and the
  // text boxes their mouse buttons (a click in a box).
  for (QWidget* control : findChildren<QWidget*>()) control->installEventFilter(this);
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
    // The desktop shows the icon a moment later; the first frame does not wait for it.
    if (QWindow* window = windowHandle()) afterFirstFrame(*window, [this] { setProgramIcon(); });
  }
  QMainWindow::showEvent(event);
}

// From pictures read as PNG: an icon given file names would probe every image plug-in (and
// load the SVG and JPEG libraries) to learn their format.
void TcalcForm1::setProgramIcon() {
  QIcon icon;
  for (int size : {48, 32, 16})
    icon.addPixmap(QPixmap::fromImage(readPng(QStringLiteral(":/artwork/icon%1.png").arg(size))));
  setWindowIcon(icon);
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

EnterAction enterAction(Qt::KeyboardModifiers modifiers, bool focusOnButton,
                        bool defaultButtonUsable) {
  if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
    return EnterAction::None;
  if (focusOnButton) return EnterAction::ClickFocused;
  return defaultButtonUsable ? EnterAction::ClickDefault : EnterAction::None;
}

void TcalcForm1::pressEnter(QWidget* focus, Qt::KeyboardModifiers modifiers) {
  auto* focused = qobject_cast<QPushButton*>(focus);
  QPushButton* calcular = m_ui->BitBtn6;
  switch (enterAction(modifiers, focused, calcular->isVisible() && calcular->isEnabled())) {
    case EnterAction::ClickFocused:
      focused->click();
      break;
    case EnterAction::ClickDefault:
      calcular->click();
      break;
    case EnterAction::None:
      break;
  }
}

// The window itself holds the focus (no control has it): Enter clicks the default button.
void TcalcForm1::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    pressEnter(nullptr, event->modifiers());
    event->accept();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

// A click in a text box: a left-button press and release, both inside the box.
bool TcalcForm1::clickInTextBox(QLineEdit* box, QMouseEvent* mouse) {
  if (mouse->button() != Qt::LeftButton) return false;
  if (mouse->type() == QEvent::MouseButtonPress) {
    m_pressed = box;
    return false;
  }
  if (m_pressed != box) return false;
  m_pressed = nullptr;
  if (!box->rect().contains(mouse->position().toPoint())) return false;
  // Let the box take the release first (the caret, the selection), then deliver.
  QCoreApplication::sendEvent(box, mouse);
  deliver(box->objectName(), Event::Click);
  return true;
}

bool TcalcForm1::eventFilter(QObject* watched, QEvent* event) {
  auto* control = static_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::KeyPress: {
      // Enter and Return, keypad or not, are the window's; the menu bar and its popup menus
      // (windows of their own) keep theirs. Escape goes on to the control, which ignores it.
      const auto* key = static_cast<QKeyEvent*>(event);
      if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
          control->window() != this || qobject_cast<QMenuBar*>(control))
        break;
      pressEnter(control, key->modifiers());
      return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
      if (auto* box = qobject_cast<QLineEdit*>(watched))
        return clickInTextBox(box, static_cast<QMouseEvent*>(event));
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace tarnolo
