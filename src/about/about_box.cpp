// The About box.
#include "about/about_box.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include "ui_about_box.h"

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner), m_ui(std::make_unique<Ui::TAboutBox>()) {
  m_ui->setupUi(this);
  // The stand-in face runs a little wider than the original one: narrow it so that every
  // text keeps to its control.
  QFont narrow = font();
  narrow.setStretch(QFont::SemiCondensed);
  for (QWidget* w : {static_cast<QWidget*>(m_ui->Label1), static_cast<QWidget*>(m_ui->Version),
                     static_cast<QWidget*>(m_ui->Memo1)})
    w->setFont(narrow);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(366, 228);
  m_ui->Image1->setPixmap(QPixmap::fromImage(picture()));
  connect(m_ui->OKButton, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
  if (const QScreen* screen = owner ? owner->screen() : nullptr) {
    move(screen->geometry().center() - rect().center());
  }
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();  // the box has no cancel button: Escape does nothing
    return;
  }
  QDialog::keyPressEvent(event);
}

QImage TAboutBox::picture() {
  QImage image(128, 76, QImage::Format_RGB888);
  image.fill(QColor(0xF4, 0xF1, 0xE8));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Axes: 1 - specificity across, sensitivity up.
  const QRectF plot(10, 6, 60, 60);
  p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
  p.drawLine(plot.bottomLeft(), plot.bottomRight());
  p.drawLine(plot.bottomLeft(), plot.topLeft());
  p.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 1, Qt::DashLine));
  p.drawLine(plot.bottomLeft(), plot.topRight());  // a test that tells nothing
  QPainterPath curve(plot.bottomLeft());
  curve.cubicTo(QPointF(plot.left() + 4, plot.top() + 14),
                QPointF(plot.left() + 22, plot.top() + 2), plot.topRight());
  p.setPen(QPen(QColor(0xC0, 0x10, 0x10), 2));
  p.drawPath(curve);
  // The two-by-two table beside it, in the program's colours.
  const QColor cells[] = {QColor(0xFF, 0x80, 0x00), QColor(0x40, 0x80, 0x80),
                          QColor(0x40, 0x80, 0x80), QColor(0xFF, 0x80, 0x00)};
  for (int i = 0; i < 4; ++i) {
    p.fillRect(QRectF(84 + (i % 2) * 18, 12 + (i / 2) * 18, 16, 16), cells[i]);
  }
  p.setPen(QColor(0x80, 0x00, 0x00));
  QFont font("Liberation Sans");
  font.setPixelSize(11);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRectF(78, 50, 48, 14), Qt::AlignCenter, "2x2");
  return image;
}
