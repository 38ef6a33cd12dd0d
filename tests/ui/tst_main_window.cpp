// The main window: its controls at start, sizes, focus order, texts, the routing of user
// events to the handlers, and a user's session compared with the control model.
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "core/control_names.h"
#include "core/control_table.h"
#include "core/session.h"
#include "informe/qt_text.h"
#include "modal_watchdog.h"
#include "principal/bitmap_button.h"
#include "principal/label_panel.h"
#include "principal/masked_cell.h"
#include "principal/percent_bar.h"
#include "principal/radio_group.h"
#include "principal/slider.h"
#include "principal/window_session.h"
#include "replayed_steps.h"
#include "shell/messages.h"
#include "window_replay.h"

using namespace tarnolo;

namespace {

// A session whose notices and failure boxes are recorded instead of shown.
struct RecordedSession {
  QStringList messages;  // "notice: ...", "error: ..." in the order shown
  std::unique_ptr<WindowSession> session;

  RecordedSession() {
    session = std::make_unique<WindowSession>(
        [this](const std::string& t) { messages << "notice: " + QString::fromStdString(t); },
        [this](const std::string& t) { messages << "error: " + QString::fromStdString(t); });
  }
  TcalcForm1& window() { return session->window; }
  QtView& view() { return session->view; }
  template <class T = QWidget>
  T* control(const QString& name) {
    return window().findChild<T*>(name);
  }
  bool show() {
    window().show();
    window().activateWindow();
    return QTest::qWaitForWindowActive(&window());
  }
};

// Every control of the model, read back from the window in the model's terms.
QStringList describe(const ControlModel& model,
                     const std::function<ModelControl(const ModelControl&)>& read) {
  QStringList lines;
  for (const ModelControl& c : model.controls()) {
    const ModelControl r = read(c);
    lines << QStringLiteral("%1 text=%2 value=%3 enabled=%4 visible=%5")
                 .arg(QString::fromStdString(c.name), QString::fromStdString(r.text))
                 .arg(r.value)
                 .arg(r.enabled)
                 .arg(r.visible);
  }
  return lines;
}

QStringList describeModel(const ControlModel& model) {
  return describe(model, [&](const ModelControl& c) {
    ModelControl r = c;
    r.text = hasText(c.kind) ? model.text(c.name) : std::string();
    if (c.kind == ControlKind::Button || c.kind == ControlKind::MenuItem) r.value = 0;
    return r;
  });
}

QStringList describeWindow(const ControlModel& model, const QtView& view) {
  return describe(model, [&](const ModelControl& c) {
    ModelControl r = c;
    r.text = hasText(c.kind) ? view.text(c.name) : std::string();
    r.value = c.kind == ControlKind::Bar          ? view.progress(c.name)
              : c.kind == ControlKind::Slider     ? view.position(c.name)
              : c.kind == ControlKind::RadioGroup ? view.itemIndex(c.name)
                                                  : 0;
    r.enabled = view.enabled(c.name);
    r.visible = view.visible(c.name);
    return r;
  });
}

QString focusName() {
  QWidget* focus = QApplication::focusWidget();
  return focus ? focus->objectName() : QStringLiteral("(none)");
}

}  // namespace

class tst_MainWindow : public QObject {
  Q_OBJECT

 private slots:
  void formMatchesControlTable();
  void stateAtStart();
  void geometry_data();
  void geometry();
  void sizes();
  void tabOrder_data();
  void tabOrder();
  void texts();
  void fontsAndColours_data();
  void fontsAndColours();
  void everyUserEventReachesTheTable_data();
  void everyUserEventReachesTheTable();
  void failingHandlerShowsOneBoxAndTheWindowGoesOn();
  void programWriteOfItemIndex();
  void sessionMatchesModel_data();
  void sessionMatchesModel();
};

namespace {

// Whether object is a widget or menu item of kind, as the form must make it.
bool isOfKind(const QObject* object, ControlKind kind, std::string_view name) {
  const auto* box = qobject_cast<const QLineEdit*>(object);
  switch (kind) {
    case ControlKind::TextBox:
      return box && !qobject_cast<const MaskedCell*>(object) &&
             box->isReadOnly() == (name != names::kTotal);
    case ControlKind::MaskedCell:
      return qobject_cast<const MaskedCell*>(object);
    case ControlKind::LimitCell:
      return box && !qobject_cast<const MaskedCell*>(object) && !box->isReadOnly();
    case ControlKind::Bar:
      return qobject_cast<const PercentBar*>(object);
    case ControlKind::Slider:
      return qobject_cast<const Slider*>(object);
    case ControlKind::RadioGroup:
      return qobject_cast<const RadioGroup*>(object);
    case ControlKind::Button:
      return qobject_cast<const BitmapButton*>(object);
    case ControlKind::MenuItem:
      return qobject_cast<const QAction*>(object);
    case ControlKind::Label:
      return qobject_cast<const LabelPanel*>(object) ||
             (object->metaObject() == &QFrame::staticMetaObject);
  }
  return false;
}

}  // namespace

// The form and the table of controls agree: each entry is in the form as its kind, each named
// control of the form is in the table, and the form's tab chain visits them in the table's order.
void tst_MainWindow::formMatchesControlTable() {
  RecordedSession s;
  QStringList missing;
  for (const ControlEntry& entry : controlTable()) {
    const QObject* object = s.window().findChild<QObject*>(qstring(entry.name));
    if (!object || !isOfKind(object, entry.kind, entry.name)) missing << qstring(entry.name);
  }
  QCOMPARE(missing, QStringList());
  QStringList unlisted;
  for (const QObject* object : s.window().findChildren<QObject*>()) {
    const auto* action = qobject_cast<const QAction*>(object);
    const bool control =
        (action && !action->isSeparator() && !action->menu()) ||
        qobject_cast<const QLineEdit*>(object) || qobject_cast<const PercentBar*>(object) ||
        qobject_cast<const Slider*>(object) || qobject_cast<const RadioGroup*>(object) ||
        qobject_cast<const BitmapButton*>(object) || qobject_cast<const LabelPanel*>(object);
    if (control && !object->objectName().isEmpty() &&
        !findControl(object->objectName().toStdString()))
      unlisted << object->objectName();
  }
  QCOMPARE(unlisted, QStringList());
  // The chain from the window round to it again, kept to the table's stops.
  QStringList chain;
  for (QWidget* w = s.window().nextInFocusChain(); w != &s.window(); w = w->nextInFocusChain()) {
    const ControlEntry* entry = findControl(w->objectName().toStdString());
    if (entry && entry->tabOrder >= 0 && !chain.contains(w->objectName())) chain << w->objectName();
  }
  QStringList order;
  for (const ControlEntry& entry : controlTable()) {
    if (entry.tabOrder < 0) continue;
    if (order.size() <= entry.tabOrder) order.resize(entry.tabOrder + 1);
    order[entry.tabOrder] = qstring(entry.name);
  }
  QCOMPARE(chain, order);
}

// Each control of the model is, at start, in the model's start-up state.
void tst_MainWindow::stateAtStart() {
  RecordedSession s;
  ModelSession model;
  QCOMPARE(describeWindow(model.model, s.view()), describeModel(model.model));
  QCOMPARE(s.view().clientHeight(), model.model.clientHeight());
}

void tst_MainWindow::geometry_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("parent");
  QTest::addColumn<QRect>("rect");
  QTest::newRow("Panel19") << "Panel19"
                           << "client" << QRect(0, 112, 450, 199);
  QTest::newRow("Panel16") << "Panel16"
                           << "client" << QRect(0, 0, 169, 105);
  QTest::newRow("Panel17") << "Panel17"
                           << "client" << QRect(176, 0, 273, 105);
  QTest::newRow("Panel15") << "Panel15"
                           << "Panel16" << QRect(8, 8, 33, 18);
  QTest::newRow("VN") << "VN"
                      << "Panel16" << QRect(80, 48, 41, 24);
  QTest::newRow("total") << "total"
                         << "Panel16" << QRect(120, 72, 41, 24);
  QTest::newRow("BitBtn6") << "BitBtn6"
                           << "Panel17" << QRect(96, 8, 73, 25);
  QTest::newRow("BitBtn1") << "BitBtn1"
                           << "Panel17" << QRect(96, 72, 75, 25);
  QTest::newRow("Zalfa") << "Zalfa"
                         << "Panel17" << QRect(192, 40, 65, 57);
  QTest::newRow("Panel7") << "Panel7"
                          << "Panel19" << QRect(8, 8, 78, 20);
  QTest::newRow("Panel10") << "Panel10"
                           << "Panel19" << QRect(8, 176, 78, 17);
  QTest::newRow("prevli") << "prevli"
                          << "Panel19" << QRect(88, 128, 33, 21);
  QTest::newRow("PREVALENCIA") << "PREVALENCIA"
                               << "Panel19" << QRect(120, 128, 41, 21);
  QTest::newRow("vpnls") << "vpnls"
                         << "Panel19" << QRect(160, 176, 33, 21);
  QTest::newRow("SensGauge") << "SensGauge"
                             << "Panel19" << QRect(200, 7, 129, 18);
  QTest::newRow("CPPGauge") << "CPPGauge"
                            << "Panel19" << QRect(200, 54, 129, 18);
  QTest::newRow("vpngauge") << "vpngauge"
                            << "Panel19" << QRect(200, 176, 131, 17);
  QTest::newRow("sensScrollBar") << "sensScrollBar"
                                 << "Panel19" << QRect(337, 7, 104, 18);
  QTest::newRow("CPNScrollBar") << "CPNScrollBar"
                                << "Panel19" << QRect(336, 80, 105, 17);
  QTest::newRow("prevScrollBar") << "prevScrollBar"
                                 << "Panel19" << QRect(337, 129, 104, 16);
  QTest::newRow("bayesboton") << "bayesboton"
                              << "Panel19" << QRect(337, 152, 52, 41);
  QTest::newRow("BayesOk") << "BayesOk"
                           << "Panel19" << QRect(395, 152, 46, 41);
}

void tst_MainWindow::geometry() {
  QFETCH(QString, name);
  QFETCH(QString, parent);
  QFETCH(QRect, rect);
  RecordedSession s;
  QWidget* control = s.control(name);
  QVERIFY(control);
  QCOMPARE(control->parentWidget()->objectName(), parent);
  QCOMPARE(control->geometry(), rect);
}

// Compact and centred at start; 311 after a calculation, growing downwards.
void tst_MainWindow::sizes() {
  replay::WindowTarget target;
  TcalcForm1& window = target.session().window;
  QCOMPARE(window.centralWidget()->size(), QSize(450, 105));
  QCOMPARE(window.minimumSize(), window.maximumSize());
  QCOMPARE(window.frameGeometry().center(), window.screen()->geometry().center());
  const QPoint topLeft = window.pos();
  QVERIFY(runSteps(target, "type VP 6\ntype FP 3\ntype FN 1\ntype VN 10\nclick BitBtn6"));
  QVERIFY(shownMessages(target).isEmpty());
  QTRY_COMPARE(window.centralWidget()->size(), QSize(450, 311));
  QCOMPARE(window.pos(), topLeft);
  QCOMPARE(window.minimumSize(), window.maximumSize());
  QCOMPARE(window.findChild<QWidget*>("Panel19")->geometry().bottom() + 1, 311);
}

void tst_MainWindow::tabOrder_data() {
  QTest::addColumn<QStringList>("steps");
  QTest::addColumn<QStringList>("order");
  const QStringList table{"ENFERMOS", "SANOS", "positivos", "negativos", "total",
                          "VP",       "FP",    "FN",        "VN"};
  QTest::newRow("at start")
      << QStringList{}
      << (QStringList{"PREVALENCIA", "VPN", "VPP", "esp", "sens", "CPP", "CPN", "prevap"} + table +
          QStringList{"BitBtn4", "BitBtn7", "BitBtn8", "BitBtn5", "BitBtn6", "ic", "BitBtn1"});
  QTest::newRow("limits shown") << QStringList{"type VP 6",  "type FP 3",     "type FN 1",
                                               "type VN 10", "click BitBtn6", "click ic"}
                                << (QStringList{
                                        "PREVALENCIA", "VPN",   "VPP",    "esp",    "sens",
                                        "bayesboton",  "CPP",   "CPN",    "prevap", "sensli",
                                        "sensls",      "espli", "espls",  "vppli",  "vppls",
                                        "vpnli",       "vpnls", "prevli", "prevls", "prevapli",
                                        "prevapls",    "cppli", "cppls",  "cpnli",  "cpnls"} +
                                    table +
                                    QStringList{"BitBtn4", "BitBtn7", "BitBtn8", "BitBtn5",
                                                "BitBtn6", "ic", "Zalfa0", "BitBtn1"});
}

// The first focus of a fresh window, and Tab from there round to it again.
void tst_MainWindow::tabOrder() {
  QFETCH(QStringList, steps);
  QFETCH(QStringList, order);
  replay::WindowTarget target;
  QCOMPARE(focusName(), QStringLiteral("PREVALENCIA"));
  QVERIFY(runSteps(target, steps));
  target.session().window.findChild<QWidget*>("PREVALENCIA")->setFocus(Qt::OtherFocusReason);
  QStringList seen{focusName()};
  for (int i = 0; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    seen << focusName();
    // A text box reached by the keyboard has its whole text selected.
    if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        box && !box->text().isEmpty())
      QVERIFY2(box->selectedText() == box->displayText(), qPrintable(focusName()));
  }
  QCOMPARE(seen, order + QStringList{order.first()});
}

void tst_MainWindow::texts() {
  RecordedSession s;
  QCOMPARE(s.window().windowTitle(), QStringLiteral("Miravel. Versión 2.1"));
  auto* zalfa = s.control<RadioGroup>("Zalfa");
  QCOMPARE(zalfa->title(), QStringLiteral("1-α"));
  QCOMPARE(zalfa->items(), (QStringList{"95%", "99%"}));
  const QStringList buttons{"BitBtn8", "BitBtn7", "BitBtn4",    "BitBtn6", "BitBtn5",
                            "BitBtn1", "ic",      "bayesboton", "BayesOk"};
  const QStringList captions{"&Abrir",    "&Salvar", "&Nuevo", "&Calcular", "&Recalc.",
                             "Redimens.", "IC",      "&Bayes", "Ok"};
  for (int i = 0; i < buttons.size(); ++i) {
    auto* button = s.control<BitmapButton>(buttons[i]);
    QCOMPARE(button->text(), captions[i]);
    QCOMPARE(button->icon().isNull(), i >= 7);  // the Bayes buttons have no picture
  }
  QVERIFY(s.control<BitmapButton>("BitBtn6")->isDefault());
  QVERIFY(s.control("total")->toolTip().startsWith("Puede modificar el valor de esta celda."));
  QVERIFY(s.control("ic")->toolTip().startsWith("Pulse aqui para ver u ocultar"));
  QVERIFY(s.show());  // the icon comes right after the first frame
  QTRY_VERIFY(!s.window().windowIcon().isNull());

  QStringList menus;
  for (QAction* title : s.window().menuBar()->actions()) {
    QStringList items;
    for (QAction* item : title->menu()->actions())
      items << (item->isSeparator() ? "-" + item->objectName()
                                    : item->objectName() + "=" + item->text());
    menus << title->menu()->objectName() + "=" + title->text() + ": " + items.join(", ");
  }
  QCOMPARE(menus, (QStringList{
                      "Archivo1=Archivo: Nuevo1=Nuevo, Abrir1=Abrir, Guardar1=Guardar, -N3, "
                      "Salir1=Salir",
                      "Anlisis1=Análisis: Informecompleto1=Informe completo…, "
                      "Valorespredictivos1=Valores predictivos y prevalencia…, "
                      "NomogramadeFagan1=Nomograma de Fagan…, "
                      "Pruebaconvariosniveles1=Prueba con varios niveles…, "
                      "Dospruebas1=Dos pruebas en los mismos pacientes…",
                      "Informacin1=Información: Pruebasdiagnsticas1=Pruebas diagnósticas .., -N2, "
                      "Acercade1=Acerca de ..."}));
}

void tst_MainWindow::fontsAndColours_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("family");
  QTest::addColumn<int>("pixels");
  QTest::addColumn<bool>("bold");
  QTest::addColumn<QColor>("text");
  QTest::addColumn<QColor>("base");  // invalid: the box's default
  const QColor blue(0x0000FF), black(Qt::black), none;
  const QString sans = QStringLiteral("Liberation Sans"),
                serif = QStringLiteral("Liberation Serif");
  QTest::newRow("count cell") << "VP" << sans << 15 << false << black << none;
  QTest::newRow("table total") << "SANOS" << sans << 15 << false << black << QColor(0xF0CAA6);
  QTest::newRow("table label") << "Panel1" << sans << 11 << false << black << none;
  QTest::newRow("row label") << "Panel11" << sans << 12 << false << black << none;
  QTest::newRow("result cell") << "VPP" << sans << 11 << true << blue << QColor(0xC0DCC0);
  QTest::newRow("limit cell, window font") << "vppls" << sans << 11 << false << blue << none;
  QTest::newRow("command button") << "BitBtn5" << sans << 11 << false << black << none;
  QTest::newRow("Bayes button") << "bayesboton" << sans << 12 << false << black << none;
  QTest::newRow("radio group") << "Zalfa" << serif << 11 << false << black << none;
  QTest::newRow("bar text, window font") << "prevgauge" << sans << 11 << false << black << none;
}

void tst_MainWindow::fontsAndColours() {
  QFETCH(QString, name);
  QFETCH(QString, family);
  QFETCH(int, pixels);
  QFETCH(bool, bold);
  QFETCH(QColor, text);
  QFETCH(QColor, base);
  RecordedSession s;
  QWidget* control = s.control(name);
  // As shown: the confidence levels' group, hidden at start, takes its own font then.
  QVERIFY(s.show());
  s.view().setVisible(name.toStdString(), true);
  QCOMPARE(control->font().family(), family);
  QCOMPARE(control->font().pixelSize(), pixels);
  QCOMPARE(control->font().bold(), bold);
  if (qobject_cast<QLineEdit*>(control)) {
    QCOMPARE(control->palette().color(QPalette::Text), text);
    if (base.isValid()) QCOMPARE(control->palette().color(QPalette::Base), base);
  }
}

void tst_MainWindow::everyUserEventReachesTheTable_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<int>("event");
  QTest::addColumn<int>("runs");
  QTest::newRow("button click") << "BitBtn1" << int(Event::Click) << 1;
  QTest::newRow("menu item") << "Acercade1" << int(Event::Click) << 1;
  QTest::newRow("click in the total cell") << "total" << int(Event::Click) << 1;
  QTest::newRow("click in a count cell") << "FN" << int(Event::Click) << 1;
  QTest::newRow("radio group choice") << "Zalfa" << int(Event::Click) << 1;
  QTest::newRow("slider key: step and end") << "espScrollBar" << int(Event::Scroll) << 2;
  QTest::newRow("disabled button") << "BayesOk" << int(Event::Click) << 0;
}

// A handler bound later to any control's event runs without any change to the window.
void tst_MainWindow::everyUserEventReachesTheTable() {
  QFETCH(QString, control);
  QFETCH(int, event);
  QFETCH(int, runs);
  RecordedSession s;
  int ran = 0;
  s.session->table.bind(control.toStdString(), Event(event), [&] { ++ran; });
  QVERIFY(s.show());
  QObject* target = s.window().findChild<QObject*>(control);
  if (auto* item = qobject_cast<QAction*>(target)) {
    item->trigger();
  } else if (auto* group = qobject_cast<RadioGroup*>(target)) {
    group->show();
    QTest::mouseClick(group->findChildren<QRadioButton*>().at(1), Qt::LeftButton, {}, QPoint(6, 6));
  } else if (auto* slider = qobject_cast<Slider*>(target)) {
    slider->show();
    QTest::keyClick(slider, Qt::Key_Right);
  } else {
    QTest::mouseClick(static_cast<QWidget*>(target), Qt::LeftButton, {}, QPoint(5, 5));
  }
  QCOMPARE(ran, runs);
}

// The real failure box over the real window: shown once, and the window then works on.
void tst_MainWindow::failingHandlerShowsOneBoxAndTheWindowGoesOn() {
  ModalWatchdog watchdog;
  WindowSession session([](const std::string&) { QFAIL("no notice expected"); }, reportFailure);
  session.table.bind("BitBtn1", Event::Click, [] { throw std::runtime_error("boom"); });
  session.window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&session.window));
  for (const char* cell : {"VP", "FP", "FN", "VN"}) session.view.setText(cell, "0");
  QTest::mouseClick(session.window.findChild<QWidget*>("BitBtn6"), Qt::LeftButton);
  QCOMPARE(watchdog.seen.size(), 1);
  QCOMPARE(watchdog.seen[0].title, QStringLiteral("Tarnolo"));
  QCOMPARE(watchdog.seen[0].text, QStringLiteral("Invalid floating point operation."));
  QCOMPARE(watchdog.seen[0].icon, QMessageBox::Critical);
  QCOMPARE(watchdog.seen[0].buttons, QStringList{"OK"});
  QCOMPARE(session.view.clientHeight(), kCompactHeight);

  QTest::mouseClick(session.window.findChild<QWidget*>("BitBtn1"), Qt::LeftButton);
  QCOMPARE(watchdog.seen.size(), 2);
  QCOMPARE(watchdog.seen[1].text, QStringLiteral("boom."));

  session.view.setText("VP", "6");
  session.view.setText("FP", "3");
  session.view.setText("FN", "1");
  session.view.setText("VN", "10");
  QTest::mouseClick(session.window.findChild<QWidget*>("BitBtn6"), Qt::LeftButton);
  QCOMPARE(watchdog.seen.size(), 2);
  QCOMPARE(session.view.clientHeight(), kFullHeight);
  QCOMPARE(session.view.text("total"), std::string("20"));
}

// The program's write runs the click handler once, after storing; a failure of the handler
// leaves the write.
void tst_MainWindow::programWriteOfItemIndex() {
  RecordedSession s;
  QList<int> seen;
  bool fail = false;
  s.session->table.bind("Zalfa", Event::Click, [&] {
    seen << s.view().itemIndex("Zalfa");
    if (fail) throw std::runtime_error("nested");
  });
  s.view().setItemIndex("Zalfa", 0);
  s.view().setItemIndex("Zalfa", 0);
  s.view().setItemIndex("Zalfa", 5);
  s.view().setItemIndex("Zalfa", -1);
  QCOMPARE(seen, (QList<int>{0, 1}));
  fail = true;
  QVERIFY_THROWS_EXCEPTION(std::runtime_error, s.view().setItemIndex("Zalfa", 0));
  QCOMPARE(s.view().itemIndex("Zalfa"), 0);
  QVERIFY(s.messages.isEmpty());
}

void tst_MainWindow::sessionMatchesModel_data() {
  QTest::addColumn<QStringList>("steps");
  const QStringList table{"type VP 6", "type FP 3", "type FN 1", "type VN 10", "click BitBtn6"};
  QTest::newRow("table, IC, 99%") << table + QStringList{"click ic", "select Zalfa 1"};
  QTest::newRow("IC shown and hidden") << table + QStringList{"click ic", "click ic"};
  QTest::newRow("all counts zero")
      << QStringList{"type VP 0", "type FP 0", "type FN 0", "type VN 0", "click BitBtn6"};
  QTest::newRow("a zero column gives error cells") << QStringList{
      "type VP 5", "type FP 0", "type FN 0", "type VN 5", "click BitBtn6", "click ic"};
  QTest::newRow("text in VP: notice, then a failure")
      << QStringList{"set VP x1", "type FP 3", "type FN 1", "type VN 10", "click BitBtn6"};
  QTest::newRow("long counts from a file")
      << QStringList{"set VP 12345678", "set FP -3", "type FN 1", "type VN 10", "click BitBtn6"};
}

// The same steps on the window and on the control model: the same boxes, controls, height and
// state.
void tst_MainWindow::sessionMatchesModel() {
  QFETCH(QStringList, steps);
  replay::WindowTarget window;
  ModelSession session;
  replay::ModelTarget model(session);
  QVERIFY(runSteps(window, steps));
  QVERIFY(runSteps(model, steps));
  QCOMPARE(printedSnapshot(window), printedSnapshot(model));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_main_window.moc"
