// The radio group.
#include "principal/radio_group.h"

#include <QEvent>
#include <QRadioButton>
#include <algorithm>
#include <utility>

#include "principal/pixel_font.h"

namespace tarnolo {

// The group holds a place in its window's tab order until its items take it over (setItems).
RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent) {
  setFocusPolicy(Qt::TabFocus);
}

QStringList RadioGroup::items() const {
  QStringList list;
  for (const QRadioButton* button : m_buttons) list << button->text();
  return list;
}

void RadioGroup::setItems(const QStringList& items) {
  qDeleteAll(m_buttons);
  m_buttons.clear();
  m_index = -1;
  for (qsizetype i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items.at(i), this);
    button->setObjectName(objectName() + QString::number(i));
    connect(button, &QAbstractButton::clicked, this, [this, i] { onButtonClicked(int(i)); });
    m_buttons << button;
  }
  setFocusPolicy(Qt::TabFocus);  // a widget without focus cannot be placed in the tab order
  QWidget* previous = this;
  for (QRadioButton* button : m_buttons) setTabOrder(std::exchange(previous, button), button);
  setFocusPolicy(Qt::NoFocus);
  select(-1);
  layOut();
}

bool RadioGroup::setItemIndexByProgram(int index) {
  index = std::clamp(index, -1, int(m_buttons.size()) - 1);
  if (index == m_index) return false;
  select(index);
  return index != -1;
}

void RadioGroup::onButtonClicked(int index) {
  if (index == m_index) return;
  select(index);
  emit chosen();
}

// Stores the index and checks its button alone. Only the checked button is reached by Tab;
// while none is checked the first one is, so that the keyboard can make the first choice.
void RadioGroup::select(int index) {
  m_index = index;
  for (qsizetype i = 0; i < m_buttons.size(); ++i) {
    QRadioButton* button = m_buttons.at(i);
    button->setAutoExclusive(false);
    button->setChecked(i == index);
    button->setAutoExclusive(true);
    const bool tabStop = index == -1 ? i == 0 : i == index;
    button->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

// The items share the height below the caption, one under the other.
void RadioGroup::layOut() {
  if (m_buttons.isEmpty()) return;
  const int top = fontMetrics().height();
  const int rowHeight = std::max(1, int((height() - top - 4) / m_buttons.size()));
  for (qsizetype i = 0; i < m_buttons.size(); ++i)
    m_buttons.at(i)->setGeometry(8, top + int(i) * rowHeight, width() - 12, rowHeight);
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  layOut();
}

void RadioGroup::setShownFont(const QFont& font) {
  m_shownFont = withPixelSize(font);
  m_shownFontPending = !isVisible();
  if (!m_shownFontPending) setFont(m_shownFont);
}

// Before the first paint: the font's change measures the caption and lays the rows out anew.
void RadioGroup::showEvent(QShowEvent* event) {
  if (m_shownFontPending) {
    m_shownFontPending = false;
    setFont(m_shownFont);
  }
  QGroupBox::showEvent(event);
}

void RadioGroup::changeEvent(QEvent* event) {
  QGroupBox::changeEvent(event);
  if (event->type() == QEvent::FontChange) layOut();
}

}  // namespace tarnolo
