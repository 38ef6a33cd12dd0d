// The bitmap button: a push button with a two-state 16 x 16 picture left of its caption.
#pragma once

#include <QImage>
#include <QPushButton>
#include <QString>

namespace tarnolo {

struct Glyph {
  QImage enabled;   // 16 x 16, the ground transparent
  QImage disabled;  // the grey outline version
};

// Reads the PNG picture at path as Format_ARGB32 (a null image when it cannot). Unlike
// QImage(path), which asks every image plug-in whether it knows the data and so loads them all,
// and QImageReader, which still looks through the plug-in folder, it reads with libpng alone.
QImage readPng(const QString& path);

// Splits a 32 x 16 picture into its two images: the left half for the enabled state, the
// right half for the disabled one. The colour of the bottom-left pixel is the ground: it
// becomes transparent in both.
Glyph splitGlyph(const QImage& picture);

class BitmapButton : public QPushButton {
  Q_OBJECT
  Q_PROPERTY(QString glyph READ glyph WRITE setGlyph)

 public:
  explicit BitmapButton(QWidget* parent = nullptr);

  // Resource path of the 32 x 16 picture; empty for none.
  QString glyph() const { return m_glyph; }
  void setGlyph(const QString& path);

 private:
  Q_DISABLE_COPY(BitmapButton)

  QString m_glyph;
};

}  // namespace tarnolo
