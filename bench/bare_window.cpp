// The bare Qt window that the start-up benchmark compares Tarnolo with: an empty top-level
// widget of the size given as WIDTH HEIGHT, shown, and the event loop. With a third argument
// it shows that text in the window's default font, the least a window with text pays for.
#include <QApplication>
#include <QByteArray>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QLabel window;
  if (argc >= 3) window.setFixedSize(QByteArray(argv[1]).toInt(), QByteArray(argv[2]).toInt());
  if (argc >= 4) window.setText(QString::fromLocal8Bit(argv[3]));
  window.show();
  return QApplication::exec();
}
