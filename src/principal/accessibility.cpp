// What a screen reader reads of the main window, and the keys that reach its menus.
#include "principal/accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

#include "core/control_table.h"
#include "informe/qt_text.h"
#include "principal/percent_bar.h"

namespace tarnolo {

namespace {

// A percentage bar reads as a progress bar whose value is its percentage, "57%".
class PercentBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit PercentBarAccessible(PercentBar* bar)
      : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Value) return QStringLiteral("%1%").arg(bar()->progress());
    return QAccessibleWidget::text(type);
  }
  QVariant currentValue() const override { return bar()->progress(); }
  void setCurrentValue(const QVariant&) override {}  // only the program sets a bar
  QVariant maximumValue() const override { return 100; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  PercentBar* bar() const { return static_cast<PercentBar*>(widget()); }
};

QAccessibleInterface* percentBarFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(PercentBar::staticMetaObject.className())) return nullptr;
  return new PercentBarAccessible(static_cast<PercentBar*>(object));
}

// Before any window exists, so that no bar is ever described by the toolkit's plain interface.
void installFactories() {
  QAccessible::installFactory(percentBarFactory);
}
Q_COREAPP_STARTUP_FUNCTION(installFactories)

// F10 opens the first menu, as in the other desktop programs; Alt alone reaches the menu bar
// through the toolkit's own menu-bar navigation.
void openMenusWithF10(QMainWindow& window) {
  QMenuBar* bar = window.menuBar();
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &window);
  QObject::connect(f10, &QShortcut::activated, bar, [bar] {
    if (!bar->actions().isEmpty()) bar->setActiveAction(bar->actions().first());
  });
}

}  // namespace

void makeAccessible(QMainWindow& window) {
  // One walk through the window's widgets, rather than one search per entry.
  QHash<QString, QWidget*> controls;
  for (QWidget* widget : window.findChildren<QWidget*>())
    if (!controls.contains(widget->objectName())) controls.insert(widget->objectName(), widget);
  for (const ControlEntry& entry : controlTable()) {
    QWidget* control = controls.value(qstring(entry.name));
    if (!control) continue;
    if (entry.accessibleName) control->setAccessibleName(QString::fromUtf8(entry.accessibleName));
    if (entry.description) control->setAccessibleDescription(QString::fromUtf8(entry.description));
  }
  openMenusWithF10(window);
}

}  // namespace tarnolo
