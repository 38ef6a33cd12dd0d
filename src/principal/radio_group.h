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

 public:
  explicit RadioGroup(QWidget* parent = nullptr);

  QStringList items() const;
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

 private:
  Q_DISABLE_COPY(RadioGroup)

  void select(int index);
  void layOut();
  void onButtonClicked(int index);

  QList<QRadioButton*> m_buttons;
  int m_index = -1;
};

}  // namespace tarnolo
