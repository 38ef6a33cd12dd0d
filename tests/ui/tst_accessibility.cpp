// The main window as a screen reader and a keyboard user meet it: the accessible tree with the
// names and roles of the controls, the bars' values, the alerts, Tab, access keys and menus.
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>

#include "core/control_model.h"
#include "informe/qt_text.h"
#include "modal_watchdog.h"
#include "principal/accessibility.h"
#include "principal/radio_group.h"
#include "principal/window_session.h"
#include "replayed_steps.h"
#include "shell/messages.h"
#include "window_replay.h"

using namespace tarnolo;

namespace {

// A window whose notices and failure boxes are recorded instead of shown.
struct Session {
  QStringList messages;
  WindowSession session{
      [this](const std::string& t) { messages << "notice: " + QString::fromStdString(t); },
      [this](const std::string& t) { messages << "error: " + QString::fromStdString(t); }};

  TcalcForm1& window() { return session.window; }
  QWidget* control(const QString& name) { return window().findChild<QWidget*>(name); }
};

// Every accessible object below root, by the object it stands for.
void walk(QAccessibleInterface* root, QHash<QObject*, QAccessibleInterface*>& seen, int depth = 0) {
  QVERIFY2(depth < 20, "the accessible tree runs in a circle");
  for (int i = 0; i < root->childCount(); ++i) {
    QAccessibleInterface* child = root->child(i);
    QVERIFY(child && child->isValid());
    if (child->object()) seen.insert(child->object(), child);
    walk(child, seen, depth + 1);
  }
}

// The controls of the main window, each with its kind.
const std::vector<ModelControl>& modelControls() {
  static const ControlModel model;
  return model.controls();
}

QString focusName() {
  QWidget* focus = QApplication::focusWidget();
  return focus ? focus->objectName() : QStringLiteral("(none)");
}

// Reads the accessible side of each modal box that opens, then closes it.
struct AlertReader {
  QStringList read;  // "alert | NAME | VALUE", or "role N | ..." when not read as an alert
  ModalWatchdog watchdog{
      10, [this](QDialog& box) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&box);
        const QString role = iface->role() == QAccessible::AlertMessage
                                 ? QStringLiteral("alert")
                                 : QStringLiteral("role %1").arg(int(iface->role()));
        read << QStringLiteral("%1 | %2 | %3")
                    .arg(role, iface->text(QAccessible::Name), iface->text(QAccessible::Value));
        box.reject();
      }};
};

const QStringList kTable{"ENFERMOS", "SANOS", "positivos", "negativos", "total",
                         "VP",       "FP",    "FN",        "VN"};
const QStringList kLimits{"sensli", "sensls", "espli",  "espls",  "vppli",    "vppls",
                          "vpnli",  "vpnls",  "prevli", "prevls", "prevapli", "prevapls",
                          "cppli",  "cppls",  "cpnli",  "cpnls"};
const QStringList kCounts{"type VP 6", "type FP 3", "type FN 1", "type VN 10"};

QWidget* control(replay::WindowTarget& target, const QString& name) {
  return target.session().window.findChild<QWidget*>(name);
}

}  // namespace

class tst_Accessibility : public QObject {
  Q_OBJECT

 private slots:
  void everyControlHasItsNameAndRole();
  void namesTellControlsApart();
  void everyDescribedControlExists();
  void barReadsItsPercentage_data();
  void barReadsItsPercentage();
  void boxesAreReadAsAlerts_data();
  void boxesAreReadAsAlerts();
  void tabReachesEveryControl_data();
  void tabReachesEveryControl();
  void keysReachCommands_data();
  void keysReachCommands();
};

// Reached from the window through the accessible tree, each control of the model, and each
// item of the radio group, reads as its kind with a Spanish name of its own.
void tst_Accessibility::everyControlHasItsNameAndRole() {
  Session s;
  QHash<QObject*, QAccessibleInterface*> tree;
  walk(QAccessible::queryAccessibleInterface(&s.window()), tree);
  const QHash<ControlKind, QList<QAccessible::Role>> roles{
      {ControlKind::TextBox, {QAccessible::EditableText, QAccessible::StaticText}},
      {ControlKind::MaskedCell, {QAccessible::EditableText}},
      {ControlKind::LimitCell, {QAccessible::EditableText}},
      {ControlKind::Bar, {QAccessible::ProgressBar}},
      {ControlKind::Slider, {QAccessible::Slider, QAccessible::ScrollBar}},
      {ControlKind::RadioGroup, {QAccessible::Grouping}},
      {ControlKind::Button, {QAccessible::Button}},
      {ControlKind::MenuItem, {QAccessible::MenuItem}}};
  QList<std::pair<QString, ControlKind>> controls;
  for (const ModelControl& c : modelControls())
    controls << std::pair{QString::fromStdString(c.name), c.kind};
  controls << std::pair{QStringLiteral("Zalfa0"), ControlKind::Button}
           << std::pair{QStringLiteral("Zalfa1"), ControlKind::Button};
  for (const auto& [name, kind] : controls) {
    QObject* object = s.window().findChild<QObject*>(name);
    QAccessibleInterface* iface = tree.value(object);
    QVERIFY2(iface, qPrintable(name + " is not in the accessible tree"));
    const QString spoken = iface->text(QAccessible::Name);
    QVERIFY2(!spoken.isEmpty() && spoken != name && !spoken.contains(u'&'), qPrintable(name));
    if (name.startsWith("Zalfa") && name != "Zalfa")
      QVERIFY2(iface->role() == QAccessible::RadioButton, qPrintable(name));
    else
      QVERIFY2(roles[kind].contains(iface->role()), qPrintable(name));
  }
}

// Two result cells read alike would leave a listener guessing which is which.
void tst_Accessibility::namesTellControlsApart() {
  Session s;
  QHash<QString, QString> owner;
  for (const ModelControl& c : modelControls()) {
    if (c.kind == ControlKind::MenuItem) continue;  // the menu repeats the buttons' commands
    const QString name = QString::fromStdString(c.name);
    const QString spoken =
        QAccessible::queryAccessibleInterface(s.control(name))->text(QAccessible::Name);
    QVERIFY2(!owner.contains(spoken), qPrintable(name + " reads as " + owner.value(spoken)));
    owner.insert(spoken, name);
  }
  QCOMPARE(owner.key("VP"), QStringLiteral("Verdaderos positivos"));
  QCOMPARE(owner.key("sens"), QStringLiteral("Sensibilidad"));
  QCOMPARE(owner.key("sensli"), QStringLiteral("Sensibilidad, límite inferior"));
  QCOMPARE(owner.key("SensGauge"), QStringLiteral("Barra de sensibilidad"));
  QCOMPARE(owner.key("sensScrollBar"), QStringLiteral("Deslizador de sensibilidad"));
  QCOMPARE(owner.key("BitBtn6"), QStringLiteral("Calcular"));
  QVERIFY(owner.key("Zalfa").contains(QStringLiteral("nivel de confianza")));
}

// Every name and description of the table reaches its widget (menu items read as their texts).
void tst_Accessibility::everyDescribedControlExists() {
  Session s;
  for (const ControlEntry& entry : controlTable()) {
    if (entry.kind == ControlKind::MenuItem) continue;
    const QString name = qstring(entry.name);
    QWidget* control = s.control(name);
    QVERIFY2(control, qPrintable(name));
    if (entry.accessibleName)
      QCOMPARE(control->accessibleName(), QString::fromUtf8(entry.accessibleName));
    if (entry.description)
      QCOMPARE(control->accessibleDescription(), QString::fromUtf8(entry.description));
  }
}

void tst_Accessibility::barReadsItsPercentage_data() {
  QTest::addColumn<int>("before");
  QTest::addColumn<int>("written");
  QTest::addColumn<QString>("spoken");
  QTest::newRow("inside") << 0 << 57 << "57%";
  QTest::newRow("above 100 reads 100") << 40 << 150 << "100%";
  QTest::newRow("below 0 reads 0") << 40 << -5 << "0%";
  QTest::newRow("the same value again") << 57 << 57 << "57%";
}

// The bar's value as a screen reader asks for it.
void tst_Accessibility::barReadsItsPercentage() {
  QFETCH(int, before);
  QFETCH(int, written);
  QFETCH(QString, spoken);
  Session s;
  s.session.view.setProgress("SensGauge", before);
  s.session.view.setProgress("SensGauge", written);
  QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(s.control("SensGauge"));
  QCOMPARE(bar->role(), QAccessible::ProgressBar);
  QVERIFY(bar->valueInterface());
  QCOMPARE(bar->valueInterface()->currentValue().toInt(), spoken.chopped(1).toInt());
  QCOMPARE(bar->valueInterface()->minimumValue().toInt(), 0);
  QCOMPARE(bar->valueInterface()->maximumValue().toInt(), 100);
  QCOMPARE(bar->text(QAccessible::Value), spoken);
}

void tst_Accessibility::boxesAreReadAsAlerts_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("read");
  QTest::newRow("notice") << "notice"
                          << "alert | Tarnolo | El texto no es numérico";
  QTest::newRow("failure box") << "failure"
                               << "alert | Tarnolo | Floating point overflow.";
  QTest::newRow("start-up failure box")
      << "start-up"
      << "alert | Application Error | Exception Exception in module "
         "tst_accessibility at 0000000000000000.\nboom.";
}

// A box reads as an alert with its caption as its name and its text as its value.
void tst_Accessibility::boxesAreReadAsAlerts() {
  QFETCH(QString, box);
  QFETCH(QString, read);
  AlertReader reader;
  if (box == "notice") showNotice("El texto no es numérico");
  if (box == "failure") reportFailure("Floating point overflow.");
  if (box == "start-up")
    showStartUpFailure(std::make_exception_ptr(std::runtime_error("boom")), nullptr);
  QCOMPARE(reader.read, QStringList{read});
}

void tst_Accessibility::tabReachesEveryControl_data() {
  QTest::addColumn<QStringList>("steps");
  QTest::addColumn<QStringList>("order");
  const QStringList buttons{"BitBtn4", "BitBtn7", "BitBtn8", "BitBtn5", "BitBtn6", "ic"};
  QTest::newRow("at start") << QStringList{}
                            << QStringList{"PREVALENCIA", "VPN", "VPP", "esp",
                                           "sens",        "CPP", "CPN", "prevap"} +
                                   kTable + buttons + QStringList{"BitBtn1"};
  QTest::newRow("limits before any calculation: the first level")
      << QStringList{"focus ic", "press Space"}
      << QStringList{"PREVALENCIA", "VPN", "VPP", "esp", "sens", "CPP", "CPN", "prevap"} + kLimits +
             kTable + buttons + QStringList{"Zalfa0", "BitBtn1"};
  QTest::newRow("Bayes mode and the limits, reached by the access keys")
      << kCounts + QStringList{"press Alt+C", "press Alt+B", "focus ic", "press Space"}
      << QStringList{"prevScrollBar", "sensScrollBar", "PREVALENCIA", "VPN", "VPP", "esp",
                     "sens",          "espScrollBar",  "BayesOk",     "CPP", "CPN", "prevap"} +
             kLimits + kTable + buttons + QStringList{"Zalfa0", "BitBtn1"};
}

// The window's first focus, then Tab round the window and back, and Shift+Tab the other way:
// every shown, enabled control that takes the focus is reached, in the window's order.
void tst_Accessibility::tabReachesEveryControl() {
  QFETCH(QStringList, steps);
  QFETCH(QStringList, order);
  replay::WindowTarget target;
  QCOMPARE(focusName(), QStringLiteral("PREVALENCIA"));
  QVERIFY(runSteps(target, steps));
  QVERIFY2(shownMessages(target).isEmpty(), qPrintable(shownMessages(target).join(u'\n')));
  QStringList stops;
  for (QWidget* w : target.session().window.findChildren<QWidget*>())
    if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
      stops << w->objectName();
  QStringList sorted = order;
  sorted.sort();
  stops.sort();
  QCOMPARE(stops, sorted);

  control(target, order.first())->setFocus(Qt::TabFocusReason);
  QStringList forward{focusName()}, backward{focusName()};
  for (qsizetype i = 0; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    forward << focusName();
  }
  for (qsizetype i = 0; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    backward.prepend(focusName());
  }
  QCOMPARE(forward, order + QStringList{order.first()});
  QCOMPARE(backward, forward);
}

void tst_Accessibility::keysReachCommands_data() {
  QTest::addColumn<QStringList>("ready");  // controls the program shows and enables first
  QTest::addColumn<QStringList>("steps");
  QTest::addColumn<QStringList>("events");
  QTest::newRow("Alt+A") << QStringList{} << QStringList{"press Alt+A"}
                         << QStringList{"BitBtn8 click"};
  QTest::newRow("Alt+S") << QStringList{} << QStringList{"press Alt+S"}
                         << QStringList{"BitBtn7 click"};
  QTest::newRow("Alt+N") << QStringList{} << QStringList{"press Alt+N"}
                         << QStringList{"BitBtn4 click"};
  QTest::newRow("Alt+C") << QStringList{} << QStringList{"press Alt+C"}
                         << QStringList{"BitBtn6 click"};
  QTest::newRow("Alt+R") << QStringList{} << QStringList{"press Alt+R"}
                         << QStringList{"BitBtn5 click"};
  QTest::newRow("Alt+B, Bayes enabled")
      << QStringList{"bayesboton"} << QStringList{"press Alt+B"} << QStringList{"bayesboton click"};
  QTest::newRow("Alt+B, Bayes disabled")
      << QStringList{} << QStringList{"press Alt+B", "press Alt+C"} << QStringList{"BitBtn6 click"};
  QTest::newRow("Space on Redimens.")
      << QStringList{} << QStringList{"focus BitBtn1", "press Space"}
      << QStringList{"BitBtn1 click"};
  QTest::newRow("Space on IC") << QStringList{} << QStringList{"focus ic", "press Space"}
                               << QStringList{"ic click"};
  QTest::newRow("Space on Ok") << QStringList{"BayesOk"}
                               << QStringList{"focus BayesOk", "press Space"}
                               << QStringList{"BayesOk click"};
  QTest::newRow("F10 opens Archivo: Nuevo")
      << QStringList{} << QStringList{"press F10", "press Down", "press Return"}
      << QStringList{"Nuevo1 click"};
  QTest::newRow("F10, Up to the last item: Salir")
      << QStringList{} << QStringList{"press F10", "press Up", "press Return"}
      << QStringList{"Salir1 click"};
  QTest::newRow("Alt, Down: Abrir")
      << QStringList{} << QStringList{"press Alt", "press Down", "press Down", "press Return"}
      << QStringList{"Abrir1 click"};
  QTest::newRow("Alt, Right past Análisis to Información: Acerca de")
      << QStringList{} << QStringList{"press Alt",  "press Right", "press Right",
                                      "press Down", "press Down",  "press Return"}
      << QStringList{"Acercade1 click"};
  QTest::newRow("Escape closes the menu, the access keys work again")
      << QStringList{} << QStringList{"press F10", "press Esc", "press Esc", "press Alt+C"}
      << QStringList{"BitBtn6 click"};
  QTest::newRow("Space makes the first choice of level")
      << QStringList{"Zalfa"} << QStringList{"focus Zalfa", "press Space"}
      << QStringList{"Zalfa click"};
  QTest::newRow("Space, then Down to the other level")
      << QStringList{"Zalfa"} << QStringList{"focus Zalfa", "press Space", "press Down"}
      << QStringList{"Zalfa click", "Zalfa click"};
  QTest::newRow("End on a slider: step and end of gesture")
      << QStringList{"sensScrollBar"} << QStringList{"focus sensScrollBar", "press End"}
      << QStringList{"sensScrollBar scroll", "sensScrollBar scroll"};
  QTest::newRow("Page Down on a slider")
      << QStringList{"prevScrollBar"} << QStringList{"focus prevScrollBar", "press PgDown"}
      << QStringList{"prevScrollBar scroll", "prevScrollBar scroll"};
}

// Commands reached by access keys, Space, the menus and the arrows deliver the event that the
// mouse would.
void tst_Accessibility::keysReachCommands() {
  QFETCH(QStringList, steps);
  QFETCH(QStringList, events);
  QFETCH(QStringList, ready);
  replay::WindowTarget target;
  QStringList delivered;
  for (const ModelControl& c : modelControls()) {
    const QString name = QString::fromStdString(c.name);
    target.session().table.bind(c.name, Event::Click, [&, name] { delivered << name + " click"; });
    target.session().table.bind(c.name, Event::Scroll,
                                [&, name] { delivered << name + " scroll"; });
  }
  for (const QString& name : ready) {
    control(target, name)->show();
    control(target, name)->setEnabled(true);
  }
  QVERIFY(runSteps(target, steps));
  QCOMPARE(delivered, events);
  QVERIFY(!QApplication::activePopupWidget());
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
