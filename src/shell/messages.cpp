// Notices and failure boxes.
#include "shell/messages.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <new>

#include "core/failures.h"

namespace tarnolo {

namespace {

// Dialog units of a font: a quarter of its average character width across, an eighth of its
// character height down.
struct DialogUnits {
  int charWidth, charHeight;
  int x(int units) const { return (units * charWidth + 2) / 4; }
  int y(int units) const { return (units * charHeight + 4) / 8; }
};

DialogUnits dialogUnits(const QFontMetrics& metrics) {
  const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {(metrics.horizontalAdvance(alphabet) + 26) / 52, metrics.height()};
}

QRect screenGeometry() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

class NoticeAccessible : public QAccessibleWidget {
 public:
  explicit NoticeAccessible(NoticeDialog* notice)
      : QAccessibleWidget(notice, QAccessible::AlertMessage) {}

  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Value) return static_cast<NoticeDialog*>(widget())->label()->text();
    return QAccessibleWidget::text(type);
  }
};

QAccessibleInterface* noticeFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(NoticeDialog::staticMetaObject.className())) return nullptr;
  return new NoticeAccessible(static_cast<NoticeDialog*>(object));
}

// Before any notice exists, so that none is described by the toolkit's plain dialog interface.
void installFactories() {
  QAccessible::installFactory(noticeFactory);
}
Q_COREAPP_STARTUP_FUNCTION(installFactories)

}  // namespace

NoticeDialog::NoticeDialog(const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_label(new QLabel(text, this)),
      m_button(new QPushButton(QStringLiteral("OK"), this)) {
  setWindowTitle(kApplicationTitle);
  setWindowModality(Qt::ApplicationModal);
  m_label->setTextFormat(Qt::PlainText);
  m_label->setWordWrap(true);
  m_button->setDefault(true);
  m_button->setFocus();
  connect(m_button, &QPushButton::clicked, this, &QDialog::accept);

  const QFontMetrics metrics(font());
  const DialogUnits du = dialogUnits(metrics);
  const QRect screen = screenGeometry();
  const QSize textSize = metrics
                             .boundingRect(QRect(0, 0, screen.width() / 2, screen.height()),
                                           Qt::TextWordWrap | Qt::AlignLeft, text)
                             .size();
  const QSize buttonSize(std::max(du.x(50), metrics.horizontalAdvance(m_button->text()) + du.x(8)),
                         du.y(14));
  const int width = std::max(textSize.width(), buttonSize.width()) + 2 * du.x(8);
  const int buttonTop = du.y(8) + textSize.height() + du.y(10);
  m_label->setGeometry(QRect(QPoint(du.x(8), du.y(8)), textSize));
  m_button->setGeometry(QRect(QPoint((width - buttonSize.width()) / 2, buttonTop), buttonSize));
  setFixedSize(width, buttonTop + buttonSize.height() + du.y(8));

  QRect frame(QPoint(), size());
  frame.moveCenter(screen.center());
  move(frame.topLeft());
}

// A screen reader reads an alert as it appears.
void NoticeDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

namespace {

// Runs a modal box; then the window that was active is active again, with the focus on the
// control that had it (either may have gone meanwhile).
void runModal(QDialog& box) {
  const QPointer<QWidget> active = QApplication::activeWindow();
  const QPointer<QWidget> focused = QApplication::focusWidget();
  box.exec();
  if (active) active->activateWindow();
  if (focused && focused->isVisible()) focused->setFocus(Qt::OtherFocusReason);
}

}  // namespace

void showNotice(const std::string& text) {
  NoticeDialog notice(QString::fromStdString(text));
  runModal(notice);
}

void reportFailure(const std::string& text) {
  if (QWidget* capture = QWidget::mouseGrabber()) capture->releaseMouse();
  QMessageBox box(QMessageBox::Critical, kApplicationTitle, QString::fromStdString(text),
                  QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  runModal(box);
}

QString startUpFailureText(const QString& className, const QString& module, const QString& address,
                           const QString& message) {
  const QString stop =
      message.isEmpty() || message.endsWith(u'.') ? QString() : QStringLiteral(".");
  return QStringLiteral("Exception %1 in module %2 at %3.\n%4%5")
      .arg(className, module, address, message, stop);
}

void showStartUpFailure(std::exception_ptr failure, const void* address) {
  QString className = QStringLiteral("Exception");
  QString message;
  try {
    std::rethrow_exception(failure);
  } catch (const Failure& f) {
    className = QString::fromLatin1(f.className());
    message = QString::fromStdString(f.message());
  } catch (const std::bad_alloc&) {
    className = QStringLiteral("EOutOfMemory");
    message = QStringLiteral("Out of memory");
  } catch (const std::exception& e) {
    message = QString::fromStdString(e.what());
  } catch (...) {
  }
  const QString module = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
  const QString where =
      QStringLiteral("%1").arg(reinterpret_cast<quintptr>(address), 16, 16, QChar(u'0')).toUpper();
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Application Error"),
                  startUpFailureText(className, module, where, message), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace tarnolo
