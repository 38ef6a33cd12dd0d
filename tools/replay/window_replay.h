// tarnolo-replay --window: the same script on the real window, each step delivered as a user's
// input events (mouse clicks and drags, keys, typing into the file dialogs).
#pragma once

#include <QPointer>
#include <QTimer>
#include <iosfwd>
#include <memory>
#include <vector>

#include "core/control_model.h"
#include "replay.h"

class QAction;
class QFileDialog;
class QMenuBar;
class QWidget;

namespace tarnolo {

struct WindowSession;
class HelpViewer;
class Slider;

namespace replay {

// A click on the title of the menu in bar that holds item, then on the item in the open menu.
// Nothing when the item or its menu is hidden.
void chooseMenuItem(QMenuBar& bar, QAction& item);

// The real main window, started as the program starts it and shown (off screen when there is
// no other platform). Notices and failure boxes are recorded instead of shown; an About box is
// closed with its OK button; any other modal box is rejected and recorded as an error line
// "unexpected box: TITLE". Needs a QApplication.
//
// How each step arrives: set is the program's write through the view, as on the model; type
// gives the box the focus as Tab does, selects its text with Ctrl+A and sends one key a
// character; focus gives the control the focus as Tab does; press sends the keys to the open
// menu, else to the focused control, and waits until no button is held down; click
// is a left-button click in the middle of the button or text box, or on the menu's title in the
// menu bar and then on the item; select clicks the item's radio button; scroll takes the thumb
// with the mouse and drags it to the position in one move when a pixel of the track gives that
// position, and otherwise holds the arrow key down from the position it stands at to the new one
// (one gesture either way; a thumb taken and let go where it stands when the position is the
// one it holds); line, page and key press the arrow, page, Home or End key on the slider and
// let it go; drag takes the thumb, moves the mouse through each position and lets it go, but
// reaches a position that no pixel gives with the arrow key, as scroll does, between two
// drags; open and save click the button or menu item, put the path into the name box
// of the file dialog that opens (whole, as a paste does: any character) and press Enter, or
// press Escape in it to cancel. A hidden
// control takes nothing; a disabled one gets the events and ignores them. A relative path is
// taken from the dialog's folder: the working folder until a path in another folder is chosen.
class WindowTarget : public Target {
 public:
  WindowTarget();
  ~WindowTarget() override;
  WindowTarget(const WindowTarget&) = delete;
  WindowTarget& operator=(const WindowTarget&) = delete;

  std::optional<ControlKind> kind(std::string_view control) const override;
  void write(std::string_view control, const std::string& text) override;
  void click(std::string_view control) override;
  void type(std::string_view control, const std::string& text) override;
  bool focus(std::string_view control) override;
  bool pressKeys(const std::string& keys) override;
  void select(std::string_view control, int32_t index) override;
  void scroll(std::string_view control, int32_t position) override;
  void press(std::string_view control, SliderKey key) override;
  void drag(std::string_view control, const std::vector<int32_t>& positions) override;
  void fileCommand(std::string_view control, bool open,
                   const std::optional<std::string>& name) override;
  CaseState& state() override;
  View& view() override;
  void reportFailure(const std::string& text) override;
  Snapshot snapshot() const override;
  bool closed() const override;

  WindowSession& session() { return *m_session; }

 private:
  QObject* find(std::string_view control) const;
  Slider* shownSlider(std::string_view control) const;
  void dragThumb(Slider& slider, int position);
  void holdArrowKey(Slider& slider, int position);
  void answerDialog(QFileDialog& dialog, const std::optional<std::string>& name);
  void closeModalBoxes();

  ControlModel m_names;  // the names and kinds of the controls, in the model's order
  std::vector<Message> m_messages;
  std::unique_ptr<WindowSession> m_session;
  std::unique_ptr<HelpViewer> m_help;
  QTimer m_boxes;
};

// Runs the script on the real window and prints its snapshot to out; returns as runScript does.
// Creates the QApplication (platform "offscreen" unless QT_QPA_PLATFORM names another) with the
// program's style.
int runOnWindow(int argc, char** argv, std::istream& script, std::ostream& out, std::ostream& err);

}  // namespace replay
}  // namespace tarnolo
