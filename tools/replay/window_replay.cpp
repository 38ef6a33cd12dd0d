// tarnolo-replay --window: the script on the real window.
#include "window_replay.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTest>
#include <QTranslator>
#include <algorithm>
#include <ostream>

#include "about/about_box.h"
#include "core/number_text.h"
#include "informe/qt_text.h"
#include "principal/radio_group.h"
#include "principal/slider.h"
#include "principal/window_session.h"
#include "shell/application.h"
#include "shell/help_viewer.h"

namespace tarnolo::replay {

namespace {

QPoint middle(const QWidget& widget) {
  return widget.rect().center();
}

void sendKey(QWidget& widget, QEvent::Type type, Qt::Key key, bool autoRepeat) {
  QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
  QApplication::sendEvent(&widget, &event);
}

// The off-screen platform says what it cannot do (raise a window, grab the keyboard) at every
// dialog: that is no news about the session.
QtMessageHandler g_standardHandler = nullptr;

void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  if (g_standardHandler) g_standardHandler(type, context, message);
}

}  // namespace

WindowTarget::WindowTarget()
    : m_session(std::make_unique<WindowSession>(
          [this](const std::string& text) {
            m_messages.push_back({Message::Notice, text});
          },
          [this](const std::string& text) { reportFailure(text); })),
      m_help(std::make_unique<HelpViewer>(QString::fromLatin1(kHelpFile))) {
  m_session->desktop.setHelpViewer(
      [this](QWidget* owner, int command, int data) { m_help->OpenHelp(owner, command, data); });
  useLocaleSeparator(m_session->view);
  m_boxes.setInterval(10);
  QObject::connect(&m_boxes, &QTimer::timeout, [this] { closeModalBoxes(); });
  m_boxes.start();
  TcalcForm1& window = m_session->window;
  window.show();
  window.activateWindow();
  (void)QTest::qWaitForWindowActive(&window);
}

WindowTarget::~WindowTarget() {
  shutDown(m_session, *m_help);
}

QObject* WindowTarget::find(std::string_view control) const {
  return m_session->window.findChild<QObject*>(qstring(control));
}

std::optional<ControlKind> WindowTarget::kind(std::string_view control) const {
  if (!m_names.has(control) || !find(control)) return std::nullopt;
  return m_names.control(control).kind;
}

void WindowTarget::write(std::string_view control, const std::string& text) {
  m_session->view.setText(control, text);
}

void WindowTarget::click(std::string_view control) {
  QObject* object = find(control);
  if (auto* item = qobject_cast<QAction*>(object)) {
    chooseMenuItem(*m_session->window.menuBar(), *item);
    return;
  }
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget && widget->isVisible()) QTest::mouseClick(widget, Qt::LeftButton, {}, middle(*widget));
}

bool WindowTarget::focus(std::string_view control) {
  auto* widget = qobject_cast<QWidget*>(find(control));
  if (!widget || !widget->isVisible()) return true;
  if (qobject_cast<RadioGroup*>(widget)) {  // the item that Tab reaches
    for (QRadioButton* item : widget->findChildren<QRadioButton*>())
      if (item->focusPolicy() & Qt::TabFocus) widget = item;
  }
  widget->setFocus(Qt::TabFocusReason);
  return true;
}

void WindowTarget::type(std::string_view control, const std::string& text) {
  auto* box = qobject_cast<QLineEdit*>(find(control));
  if (!box || !box->isVisible()) return;
  focus(control);
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box, qstring(text));
}

bool WindowTarget::pressKeys(const std::string& keys) {
  QWidget* target = QApplication::activePopupWidget();
  if (!target) target = QApplication::focusWidget();
  if (!target) target = &m_session->window;
  if (keys == "Alt") {
    QTest::keyPress(target, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(target, Qt::Key_Alt, Qt::NoModifier);
    return true;
  }
  const QKeyCombination combination = QKeySequence::fromString(qstring(keys))[0];
  QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
  // An access key holds its button down for a moment and clicks it on the release.
  (void)QTest::qWaitFor([this] {
    const QList<QAbstractButton*> buttons = m_session->window.findChildren<QAbstractButton*>();
    return std::none_of(buttons.begin(), buttons.end(), [](auto* b) { return b->isDown(); });
  });
  return true;
}

void chooseMenuItem(QMenuBar& bar, QAction& item) {
  for (QAction* title : bar.actions()) {
    QMenu* menu = title->menu();
    if (!menu || !menu->actions().contains(&item)) continue;
    if (!title->isVisible() || !item.isVisible()) return;
    QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(title).center());
    if (!QTest::qWaitForWindowExposed(menu)) return;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(&item).center());
    if (menu->isVisible()) menu->close();  // a disabled item leaves its menu open
    return;
  }
}

void WindowTarget::select(std::string_view control, int32_t index) {
  auto* group = qobject_cast<RadioGroup*>(find(control));
  if (!group || !group->isVisible()) return;
  const QList<QRadioButton*> items = group->findChildren<QRadioButton*>();
  if (index < 0 || index >= items.size()) return;
  QRadioButton* item = items.at(index);
  QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
}

Slider* WindowTarget::shownSlider(std::string_view control) const {
  auto* slider = qobject_cast<Slider*>(find(control));
  return slider && slider->isVisible() ? slider : nullptr;
}

void WindowTarget::scroll(std::string_view control, int32_t position) {
  Slider* slider = shownSlider(control);
  if (!slider) return;
  position = std::clamp(position, slider->minimum(), slider->maximum());
  if (position == slider->value() || slider->thumbDragTarget(position)) {
    dragThumb(*slider, position);
  } else {
    holdArrowKey(*slider, position);
  }
}

void WindowTarget::press(std::string_view control, SliderKey key) {
  Slider* slider = shownSlider(control);
  if (!slider) return;
  static const std::pair<SliderKey, Qt::Key> kKeys[] = {
      {SliderKey::LineLess, Qt::Key_Left},   {SliderKey::LineMore, Qt::Key_Right},
      {SliderKey::PageLess, Qt::Key_PageUp}, {SliderKey::PageMore, Qt::Key_PageDown},
      {SliderKey::Home, Qt::Key_Home},       {SliderKey::End, Qt::Key_End}};
  const auto* entry = std::find_if(std::begin(kKeys), std::end(kKeys),
                                   [key](const auto& k) { return k.first == key; });
  slider->setFocus(Qt::TabFocusReason);
  sendKey(*slider, QEvent::KeyPress, entry->second, false);
  sendKey(*slider, QEvent::KeyRelease, entry->second, false);
}

namespace {

// Moves the held thumb to position. Where the only pixel that gives position is the one the
// mouse is at (the drawing rounds one way, the drag the other), it goes a pixel aside and back.
void moveHeldThumb(Slider& slider, QPoint& mouse, int position) {
  if (position == slider.value()) return;
  const QPoint target = *slider.thumbDragTarget(position);
  if (target == mouse) QTest::mouseMove(&slider, mouse + QPoint(1, 0));
  mouse = target;
  QTest::mouseMove(&slider, mouse);
}

}  // namespace

void WindowTarget::drag(std::string_view control, const std::vector<int32_t>& positions) {
  Slider* slider = shownSlider(control);
  if (!slider) return;
  std::optional<QPoint> mouse;  // where the held thumb was taken or moved to
  for (int position : positions) {
    position = std::clamp(position, slider->minimum(), slider->maximum());
    if (position != slider->value() && !slider->thumbDragTarget(position)) {
      if (mouse) QTest::mouseRelease(slider, Qt::LeftButton, {}, *mouse);
      mouse.reset();
      holdArrowKey(*slider, position);
      if (slider->value() != position) return;  // a step failed: the gesture is over
      continue;
    }
    if (!mouse) {
      mouse = slider->thumbCentre();
      QTest::mousePress(slider, Qt::LeftButton, {}, *mouse);
    }
    moveHeldThumb(*slider, *mouse, position);
    if (slider->value() != position) break;  // a step failed: the gesture is over
  }
  if (mouse) QTest::mouseRelease(slider, Qt::LeftButton, {}, *mouse);
}

// Takes the thumb, drags it to position in one move (none when it stands there), lets it go.
void WindowTarget::dragThumb(Slider& slider, int position) {
  QPoint mouse = slider.thumbCentre();
  QTest::mousePress(&slider, Qt::LeftButton, {}, mouse);
  moveHeldThumb(slider, mouse, position);
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, mouse);
}

// The arrow key towards position pressed, repeated by the keyboard until the slider stands
// there, and let go: one gesture of single steps. The repeat stops early where a step leaves
// the slider where it stood (a failed step ends the gesture) or carries it past position.
void WindowTarget::holdArrowKey(Slider& slider, int position) {
  const bool up = position > slider.value();
  const Qt::Key key = up ? Qt::Key_Right : Qt::Key_Left;
  slider.setFocus(Qt::TabFocusReason);
  int before = slider.value();
  sendKey(slider, QEvent::KeyPress, key, false);
  while (slider.value() != before && (up ? slider.value() < position : slider.value() > position)) {
    before = slider.value();
    sendKey(slider, QEvent::KeyRelease, key, true);
    sendKey(slider, QEvent::KeyPress, key, true);
  }
  sendKey(slider, QEvent::KeyRelease, key, false);
}

void WindowTarget::fileCommand(std::string_view control, bool open,
                               const std::optional<std::string>& name) {
  QtFileDialog& dialog = open ? m_session->openDialog1 : m_session->saveDialog1;
  dialog.setHook([this, name](QFileDialog& shown) {
    // Once the dialog runs its modal loop.
    QTimer::singleShot(0, &shown, [this, &shown, name] { answerDialog(shown, name); });
  });
  click(control);
  dialog.setHook(nullptr);  // the click opened no dialog
}

// The dialog is active with the focus in its name box, as a window manager gives it: typing a
// path there selects the files it names in the dialog's list as the typing goes on.
void WindowTarget::answerDialog(QFileDialog& dialog, const std::optional<std::string>& name) {
  dialog.activateWindow();
  QApplication::setActiveWindow(&dialog);  // the off-screen platform activates no dialog
  if (!name) {
    QTest::keyClick(&dialog, Qt::Key_Escape);
    return;
  }
  auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (!box) {
    reportFailure("the file dialog has no name box");
    dialog.reject();
    return;
  }
  if (QApplication::focusWidget() != box) box->setFocus(Qt::MouseFocusReason);
  // Typed key by key, a character without a key of its own would stop the replay.
  box->setText(QFile::decodeName(QByteArray::fromStdString(*name)));
  QTest::keyClick(box, Qt::Key_Return);
  if (dialog.isVisible()) {  // a folder's name, say: the dialog went there and stays open
    reportFailure("the file dialog did not take " + *name);
    dialog.reject();
  }
}

// The About box is closed as a user closes it; a box that no step expects is turned down.
void WindowTarget::closeModalBoxes() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible() || qobject_cast<QFileDialog*>(modal)) return;
  if (qobject_cast<TAboutBox*>(modal)) {
    if (auto* ok = modal->findChild<QPushButton*>(QStringLiteral("OKButton")))
      QTest::mouseClick(ok, Qt::LeftButton, {}, middle(*ok));
    return;
  }
  reportFailure("unexpected box: " + modal->windowTitle().toStdString());
  if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
}

bool WindowTarget::closed() const {
  return !m_session->window.isVisible();
}

CaseState& WindowTarget::state() {
  return m_session->state();
}

View& WindowTarget::view() {
  return m_session->view;
}

void WindowTarget::reportFailure(const std::string& text) {
  m_messages.push_back({Message::Error, text});
}

Snapshot WindowTarget::snapshot() const {
  const QtView& view = m_session->view;
  Snapshot snapshot{m_messages, m_names.controls(), view.clientHeight(),
                    m_session->calculator.state()};
  for (ModelControl& c : snapshot.controls) {
    if (hasText(c.kind)) c.text = view.text(c.name);
    if (c.kind == ControlKind::Bar) c.value = view.progress(c.name);
    if (c.kind == ControlKind::Slider) c.value = view.position(c.name);
    if (c.kind == ControlKind::RadioGroup) c.value = view.itemIndex(c.name);
    c.enabled = view.enabled(c.name);
    c.visible = view.visible(c.name);
  }
  return snapshot;
}

int runOnWindow(int argc, char** argv, std::istream& script, std::ostream& out, std::ostream& err) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  g_standardHandler = qInstallMessageHandler(quietPlatform);
  QApplication application(argc, argv);
  useProgramStyle();
  QTranslator toolkitTexts;
  useToolkitTranslation(toolkitTexts);
  WindowTarget target;
  const int status = runScript(script, target, err);
  if (status == 0) printSnapshot(target.snapshot(), out);
  return status;
}

}  // namespace tarnolo::replay
