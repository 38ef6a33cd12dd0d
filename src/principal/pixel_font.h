// The form gives font sizes in points at 96 dots per inch; they become pixel sizes, so that
// texts keep their size against the pixel geometry whatever the screen's logical density.
#pragma once

#include <QFont>
#include <QtMath>

namespace tarnolo {

// font with its point size turned into the pixel size it has at 96 dots per inch; a font
// already sized in pixels is returned as it is.
inline QFont withPixelSize(QFont font) {
  if (font.pointSizeF() > 0) font.setPixelSize(qRound(font.pointSizeF() * 96 / 72));
  return font;
}

}  // namespace tarnolo
