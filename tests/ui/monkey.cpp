// A random user on the real main window.
#include "monkey.h"

#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <iterator>

#include "core/number_text.h"
#include "principal/slider.h"
#include "shell/application.h"

namespace tarnolo {

namespace {

const char* const kEditableCells[] = {"VP",     "FP",    "FN",    "VN",    "total",
                                      "sensli", "espls", "cppli", "vpnls", "prevapli"};
const char* const kSliders[] = {"sensScrollBar", "espScrollBar", "prevScrollBar", "CPPScrollBar",
                                "CPNScrollBar"};

// Pieces of what a user types: counts, signs, separators, letters, Unicode (an emoji is two
// UTF-16 units, typed one at a time).
const QString kPieces[] = {"0",   "7",   "42",     "1234567", "99999999",     "-3",
                           " ",   "+",   "1.5",    "1,5",     "1E3",          "x",
                           "$FF", "abc", "\u00f1", "€",       "\u6f22\u5b57", "😀",
                           "\t",  "e",   "...",    "00",      "2147483647"};

// Types each UTF-16 unit as one key; one outside ASCII comes with no key code, as from an
// input method that sends key events.
void typeInto(QWidget* cell, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() > 0 && c.unicode() < 128) {
      QTest::keyClick(cell, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, cell, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

}  // namespace

bool Monkey::isLimitCell(const QString& name) {
  return std::find(std::begin(kLimitCells), std::end(kLimitCells), name) != std::end(kLimitCells);
}

Monkey::Monkey(uint32_t seed, CaseFolder& folder)
    : m_rng(seed), m_folder(folder), m_help(QString::fromLatin1(kHelpFile)) {
  m_session = std::make_unique<WindowSession>(
      [this](const std::string& text) {
        m_boxes.push_back({true, QString::fromStdString(text)});
      },
      [this](const std::string& text) {
        m_boxes.push_back({false, QString::fromStdString(text)});
      });
  m_session->desktop.setHelpViewer(
      [this](QWidget* owner, int command, int data) { m_help.OpenHelp(owner, command, data); });
  m_session->openDialog1.setHook([this](QFileDialog&) { ++m_openRuns; });
  m_session->saveDialog1.setHook([this](QFileDialog&) { ++m_saveRuns; });
  m_watchdog.setActive(false);
  m_files = m_folder.record();
  useLocaleSeparator(m_session->view);
  followLocaleChanges(m_session->window, m_session->view);
  m_session->window.show();
  m_session->window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&m_session->window));
}

Monkey::~Monkey() {
  QLocale::setDefault(QLocale::c());
}

void Monkey::step() {
  m_boxes.clear();
  m_countsBefore = countTexts();
  m_modals.clear();
  m_watchdog.seen.clear();
  m_openRuns = m_saveRuns = 0;
  m_watchdog.setActive(true);
  // How often each kind of event comes, per thousand.
  static const std::pair<uint32_t, void (Monkey::*)()> kEvents[] = {
      {190, &Monkey::clickButton},   {50, &Monkey::clickTextBox},   {210, &Monkey::typeText},
      {30, &Monkey::composeOrPaste}, {173, &Monkey::pressKey},      {3, &Monkey::changeRegion},
      {4, &Monkey::pressMnemonic},   {40, &Monkey::chooseLevel},    {250, &Monkey::sliderGesture},
      {15, &Monkey::menuItem},       {8, &Monkey::openCase},        {8, &Monkey::saveCase},
      {16, &Monkey::helpOrAbout},    {3, &Monkey::quitAndShowAgain}};
  uint32_t dice = pick(1000);
  for (const auto& [weight, event] : kEvents) {
    if (dice < weight) {
      (this->*event)();
      break;
    }
    dice -= weight;
  }
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  m_watchdog.setActive(false);
  for (const SeenBox& box : m_watchdog.seen) {
    if (box.kind != QLatin1String("QFileDialog")) m_modals << box.kind;
  }
  if (!QTest::currentTestFailed()) checkAfter(m_log.isEmpty() ? QString() : m_log.last());
}

QString Monkey::summary() const {
  return QStringLiteral(
             "%1 notices, %2 failure boxes, %3 About boxes, %4 file dialogs, %5 files saved, "
             "%6 case files opened")
      .arg(m_notices)
      .arg(m_failures)
      .arg(m_aboutBoxes)
      .arg(m_dialogs)
      .arg(m_saved)
      .arg(m_opened);
}

void Monkey::rememberTyped(QWidget* cell) {
  if (isLimitCell(cell->objectName()))
    m_typed[cell->objectName()] = static_cast<QLineEdit*>(cell)->text();
}

void Monkey::note(const QString& event) {
  if (qEnvironmentVariableIntValue("MONKEY_VERBOSE")) qInfo().noquote() << event;
  m_log << event;
  if (m_log.size() > 12) m_log.removeFirst();
}

QStringList Monkey::countTexts() const {
  QStringList texts;
  for (const char* cell : {"VP", "FP", "FN", "VN"})
    texts << QString::fromStdString(m_session->view.text(cell));
  return texts;
}

QWidget* Monkey::control(const char* name) const {
  return m_session->window.findChild<QWidget*>(QString::fromLatin1(name));
}

// Shown and inside the window as it is cut off now, so that a mouse can reach it.
bool Monkey::reachable(QWidget* widget) const {
  const TcalcForm1& window = m_session->window;
  if (!widget || !widget->isVisibleTo(&window)) return false;
  return window.rect().contains(widget->mapTo(&window, widget->rect().center()));
}

QString Monkey::randomText() {
  QString text;
  const uint32_t pieces = pick(20) == 0 ? 20 + pick(40) : 1 + pick(4);  // now and then long
  for (uint32_t i = 0; i < pieces; ++i) text += kPieces[pick(std::size(kPieces))];
  return text;
}

void Monkey::clickButton() {
  static const char* const kButtons[] = {"BitBtn6", "BitBtn6", "BitBtn5",    "BitBtn1",
                                         "BitBtn4", "ic",      "bayesboton", "BayesOk"};
  QWidget* button = control(kButtons[pick(std::size(kButtons))]);
  note("click " + button->objectName());
  if (reachable(button)) QTest::mouseClick(button, Qt::LeftButton);
}

void Monkey::clickTextBox() {
  const QList<QLineEdit*> boxes = m_session->window.findChildren<QLineEdit*>();
  QLineEdit* box = boxes.at(pick(boxes.size()));
  note("click in " + box->objectName());
  if (!reachable(box)) return;
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(1 + pick(box->width() - 2), box->height() / 2));
}

void Monkey::typeText() {
  auto* cell = static_cast<QLineEdit*>(control(kEditableCells[pick(std::size(kEditableCells))]));
  const QString text = randomText();
  note(QStringLiteral("type into %1: %2").arg(cell->objectName(), text.left(40)));
  if (!cell->isVisibleTo(&m_session->window)) return;
  if (reachable(cell)) {
    QTest::mouseClick(cell, Qt::LeftButton);
  } else {
    cell->setFocus(Qt::TabFocusReason);  // reached by Tab below the window's edge
  }
  if (pick(4)) QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);  // typed over
  typeInto(cell, text);
  rememberTyped(cell);
}

// An input method's commit or a paste from the clipboard, of any length.
void Monkey::composeOrPaste() {
  auto* cell = static_cast<QLineEdit*>(control(kEditableCells[pick(std::size(kEditableCells))]));
  QString text = randomText();
  if (pick(3) == 0) text = text.repeated(200 + pick(800));  // up to the box's 32767 and past
  const bool paste = pick(2);
  note(QStringLiteral("%1 %2 characters into %3")
           .arg(paste ? "paste" : "compose")
           .arg(text.size())
           .arg(cell->objectName()));
  if (!cell->isVisibleTo(&m_session->window)) return;
  cell->setFocus(Qt::TabFocusReason);
  if (paste) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
  } else {
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(cell, &event);
  }
  rememberTyped(cell);
}

void Monkey::pressKey() {
  struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  };
  static const Key kKeys[] = {{Qt::Key_Return, {}},
                              {Qt::Key_Enter, {}},
                              {Qt::Key_Tab, {}},
                              {Qt::Key_Tab, {}},
                              {Qt::Key_Backtab, Qt::ShiftModifier},
                              {Qt::Key_Escape, {}},
                              {Qt::Key_Space, {}},
                              {Qt::Key_Left, {}},
                              {Qt::Key_Right, {}},
                              {Qt::Key_Up, {}},
                              {Qt::Key_Down, {}},
                              {Qt::Key_Home, {}},
                              {Qt::Key_End, {}},
                              {Qt::Key_PageUp, {}},
                              {Qt::Key_PageDown, {}},
                              {Qt::Key_Backspace, {}},
                              {Qt::Key_Delete, {}},
                              {Qt::Key_A, Qt::ControlModifier},
                              {Qt::Key_Z, Qt::ControlModifier},
                              {Qt::Key_X, Qt::ControlModifier},
                              {Qt::Key_V, Qt::ControlModifier}};
  const Key& key = kKeys[pick(std::size(kKeys))];
  QWidget* target = m_session->window.focusWidget();
  if (!target) target = &m_session->window;
  note(QStringLiteral("key %1 (modifiers %2) in %3")
           .arg(QKeySequence(key.key).toString())
           .arg(int(key.modifiers))
           .arg(target->objectName()));
  QTest::keyClick(target, key.key, key.modifiers);
  rememberTyped(target);
}

// The regional settings change between a point and a comma as the decimal separator.
void Monkey::changeRegion() {
  const bool comma = pick(2);
  note(comma ? "region: Spain" : "region: C");
  QLocale::setDefault(comma ? QLocale(QLocale::Spanish, QLocale::Spain) : QLocale::c());
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(qApp, &change);
}

// Alt with a letter: the buttons' and menus' mnemonics, and letters that are none.
void Monkey::pressMnemonic() {
  static const char kLetters[] = "ASNCRBIUOQ";
  const char letter = kLetters[pick(sizeof kLetters - 1)];
  QWidget* target = m_session->window.focusWidget();
  if (!target) target = &m_session->window;
  note(QStringLiteral("Alt+%1").arg(QChar::fromLatin1(letter)));
  QTest::keyClick(target, letter, Qt::AltModifier);
  rememberTyped(target);  // a letter that is no mnemonic is typed
  // A button's mnemonic clicks it a tenth of a second later: that click belongs to this event.
  const QList<QAbstractButton*> buttons = m_session->window.findChildren<QAbstractButton*>();
  QVERIFY(QTest::qWaitFor([&] {
    return std::none_of(buttons.begin(), buttons.end(), [](auto* b) { return b->isDown(); });
  }));
}

void Monkey::chooseLevel() {
  auto* item = m_session->window.findChild<QRadioButton*>(pick(2) ? "Zalfa1" : "Zalfa0");
  note("choose " + item->objectName());
  if (reachable(item)) QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
}

// A thumb drag (sometimes past either end), a click in the track or on an arrow, a key or the
// wheel.
void Monkey::sliderGesture() {
  auto* slider = static_cast<Slider*>(control(kSliders[pick(std::size(kSliders))]));
  const uint32_t kind = pick(4);
  const int y = slider->height() / 2;
  const QPoint from(pick(slider->width()), y), to(int(pick(slider->width() + 80)) - 40, y);
  note(QStringLiteral("slider %1 gesture %2 from %3 to %4 at %5")
           .arg(slider->objectName())
           .arg(kind)
           .arg(from.x())
           .arg(to.x())
           .arg(slider->value()));
  if (!slider->isVisibleTo(&m_session->window)) return;
  if (kind < 2 && !reachable(slider)) return;
  if (kind == 0) {
    QTest::mousePress(slider, Qt::LeftButton, {}, from);
    QTest::mouseMove(slider, to);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, to);
  } else if (kind == 1) {
    QTest::mouseClick(slider, Qt::LeftButton, {}, from);
  } else if (kind == 2) {
    static const Qt::Key kKeys[] = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                    Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};
    QTest::keyClick(slider, kKeys[pick(std::size(kKeys))]);
  } else {
    const QPoint delta(0, pick(2) ? 120 : -120);
    QWheelEvent wheel(QPointF(from), slider->mapToGlobal(QPointF(from)), QPoint(), delta,
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(slider, &wheel);
  }
}

void Monkey::openCase() {
  fileCommand(false);
}

void Monkey::saveCase() {
  fileCommand(true);
}

void Monkey::menuItem() {
  note("menu Nuevo");
  m_session->window.findChild<QAction*>("Nuevo1")->trigger();
}

// Open or Save from the button or the menu; the user picks a file of any kind, a name that is
// not there, or cancels.
void Monkey::fileCommand(bool save) {
  static const std::string kOtherNames[] = {"nada.ROC",       "nuevo",    "otro.txt",
                                            "falta/caso.ROC", "año€.ROC", std::string(300, 'n')};
  const uint32_t choice = pick(20);
  std::string name;
  if (choice >= 3 && choice < 17) name = CaseFolder::kNames[pick(std::size(CaseFolder::kNames))];
  if (choice >= 17) name = kOtherNames[pick(std::size(kOtherNames))];
  m_answer = name.empty() ? QString() : QString::fromStdString(m_folder.path(name));
  QWidget* button = control(save ? "BitBtn7" : "BitBtn8");
  const bool fromMenu = pick(2) || !reachable(button);
  note(QStringLiteral("%1 %2 %3")
           .arg(save ? "save" : "open", fromMenu ? "from the menu" : "from the button",
                name.empty() ? QStringLiteral("(cancelled)") : QString::fromStdString(name)));
  if (fromMenu) {
    m_session->window.findChild<QAction*>(save ? "Guardar1" : "Abrir1")->trigger();
  } else {
    QTest::mouseClick(button, Qt::LeftButton);
  }
}

void Monkey::helpOrAbout() {
  QWidget* help = m_help.window();
  switch (pick(4)) {
    case 0:
      note("menu Acerca de");
      m_session->window.findChild<QAction*>("Acercade1")->trigger();
      break;
    case 1:
      note("menu Pruebas diagnósticas");
      m_session->window.findChild<QAction*>("Pruebasdiagnsticas1")->trigger();
      m_session->window.activateWindow();
      break;
    case 2:
      note("help: contents");
      for (QPushButton* b : help ? help->findChildren<QPushButton*>() : QList<QPushButton*>())
        if (b->text() == "&Contenido") QTest::mouseClick(b, Qt::LeftButton);
      break;
    default:
      note("help: close");
      if (help) help->close();
      break;
  }
}

// Salir closes the main window; the test shows it again, as a user would start the program.
void Monkey::quitAndShowAgain() {
  note("menu Salir");
  TcalcForm1& window = m_session->window;
  window.findChild<QAction*>("Salir1")->trigger();
  QVERIFY2(!window.isVisible(), "Salir left the window open");
  window.show();
  window.activateWindow();
}

}  // namespace tarnolo
