// The About box: title, version, web address, acknowledgements, a picture and the credit.
#pragma once

#include <QDialog>
#include <QImage>
#include <memory>

namespace Ui {
class TAboutBox;
}

class TAboutBox : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY(TAboutBox)

 public:
  explicit TAboutBox(QWidget* owner);
  ~TAboutBox() override;

  // The 128 x 76 picture of the box, in 24-bit colour: a test's sensitivity and specificity
  // traded against each other, drawn by the program.
  static QImage picture();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::unique_ptr<Ui::TAboutBox> m_ui;
};
