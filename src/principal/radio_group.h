// The radio group: a framed caption over one radio button per item, in one column.
#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QRadioButton;

namespace tarnolo {

class RadioGroup : public QGroupBox {
  Q_OBJECT
  Q_PROPERTY(QStringList items READ items WRITE setItems)
  // The group's own font, taken when the group is first shown: a group hidden at start loads
  // no font of its own before then (the first frame does not wait for it).
  Q_PROPERTY(QFont shownFont READ shownFont WRITE setShownFont)

 public:
  explicit RadioGroup(QWidget* parent = nullptr);

  QStringList items() const;
  QFont shownFont() const { return m_shownFont; }
  void setShownFont(const QFont& font);
  // Replaces the items; none is selected afterwards.
  void setItems(const QStringList& items);

  // The selected item, -1 when none is.
  int itemIndex() const { return m_index; }
  // A program write: clamped to -1..last. Returns true when an item (not -1) became selected,
  // so that the caller runs the group's click handler, as a user's choice would.
  bool setItemIndexByProgram(int index);

 signals:
  // The user picked an item other than the selected one; itemIndex() is already the new one.
  void chosen();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  Q_DISABLE_COPY(RadioGroup)

  void select(int index);
  void layOut();
  void onButtonClicked(int index);

  QList<QRadioButton*> m_buttons;
  int m_index = -1;
  QFont m_shownFont;
  bool m_shownFontPending = false;
};

}  // namespace tarnolo
