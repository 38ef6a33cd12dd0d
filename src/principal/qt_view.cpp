// The view operations on the real window.
#include "principal/qt_view.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <stdexcept>

#include "informe/qt_text.h"
#include "principal/calc_form.h"
#include "principal/masked_cell.h"
#include "principal/percent_bar.h"
#include "principal/radio_group.h"
#include "principal/slider.h"

namespace tarnolo {

QtView::QtView(TcalcForm1& window, const EventTable& table, NoticePresenter notice)
    : m_window(window), m_notice(std::move(notice)) {
  runHandlersFrom(table);
  for (QObject* object : window.findChildren<QObject*>()) {
    if (!object->objectName().isEmpty()) m_controls.insert(object->objectName(), object);
  }
}

QObject* QtView::find(std::string_view control) const {
  QObject* object = m_controls.value(qstring(control));
  if (!object) throw std::out_of_range("no control named " + std::string(control));
  return object;
}

template <class T>
T* QtView::find(std::string_view control) const {
  T* object = qobject_cast<T*>(find(control));
  if (!object) throw std::out_of_range(std::string(control) + " is no control of that kind");
  return object;
}

std::string QtView::text(std::string_view control) const {
  if (auto* cell = qobject_cast<MaskedCell*>(find(control))) return cell->cellText().toStdString();
  return find<QLineEdit>(control)->text().toStdString();
}

void QtView::setText(std::string_view control, const std::string& text) {
  const QString value = QString::fromStdString(text);
  if (auto* cell = qobject_cast<MaskedCell*>(find(control))) {
    cell->setCellText(value);
    return;
  }
  auto* box = find<QLineEdit>(control);
  box->setText(value);
  box->setCursorPosition(0);  // a long text shows its beginning
}

void QtView::setProgress(std::string_view control, int32_t progress) {
  find<PercentBar>(control)->setProgress(progress);
}

int32_t QtView::progress(std::string_view control) const {
  return find<PercentBar>(control)->progress();
}

int32_t QtView::position(std::string_view control) const {
  return find<Slider>(control)->value();
}

void QtView::setPosition(std::string_view control, int32_t position) {
  find<Slider>(control)->setPositionByProgram(position);
}

// A control that loses the keyboard focus by a program write leaves it with the window, as on
// Windows, instead of Qt's handing it on to the next control as if Tab had been pressed (a
// text box reached so would select its whole text).
void QtView::setEnabled(std::string_view control, bool enabled) {
  QObject* object = find(control);
  if (auto* item = qobject_cast<QAction*>(object)) {
    item->setEnabled(enabled);
    return;
  }
  auto* widget = find<QWidget>(control);
  if (!enabled) keepFocusInWindow(*widget);
  widget->setEnabled(enabled);
}

void QtView::keepFocusInWindow(QWidget& widget) {
  QWidget* focus = QApplication::focusWidget();
  if (focus && (focus == &widget || widget.isAncestorOf(focus)))
    m_window.setFocus(Qt::OtherFocusReason);
}

bool QtView::enabled(std::string_view control) const {
  if (auto* item = qobject_cast<QAction*>(find(control))) return item->isEnabled();
  return !find<QWidget>(control)->testAttribute(Qt::WA_ForceDisabled);  // its own flag
}

void QtView::setVisible(std::string_view control, bool visible) {
  if (auto* item = qobject_cast<QAction*>(find(control))) {
    item->setVisible(visible);
    return;
  }
  auto* widget = find<QWidget>(control);
  if (!visible) keepFocusInWindow(*widget);
  widget->setVisible(visible);
}

bool QtView::visible(std::string_view control) const {
  if (auto* item = qobject_cast<QAction*>(find(control))) return item->isVisible();
  return !find<QWidget>(control)->isHidden();
}

int32_t QtView::itemIndex(std::string_view control) const {
  return find<RadioGroup>(control)->itemIndex();
}

bool QtView::storeItemIndex(std::string_view control, int32_t index) {
  return find<RadioGroup>(control)->setItemIndexByProgram(index);
}

void QtView::setClientHeight(int32_t height) {
  m_window.setClientHeight(height);
}

int32_t QtView::clientHeight() const {
  return m_window.clientHeight();
}

void QtView::showNotice(const std::string& text) {
  if (m_notice) m_notice(text);
}

}  // namespace tarnolo
