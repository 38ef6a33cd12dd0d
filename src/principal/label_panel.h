// Panels of the main window: the label panel, a caption in a raised face inside a sunken frame.
#pragma once

#include <QLabel>

namespace tarnolo {

class LabelPanel : public QLabel {
  Q_OBJECT

 public:
  explicit LabelPanel(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Q_DISABLE_COPY(LabelPanel)
};

}  // namespace tarnolo
