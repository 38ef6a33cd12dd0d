// What the main window's own commands ask of the desktop around it: ending the program, the
// help viewer and the About box.
#pragma once

namespace tarnolo {

// Commands of the help viewer.
inline constexpr int kHelpQuit = 2;      // close the help of the program
inline constexpr int kHelpContents = 3;  // show the contents page

class Desktop {
 public:
  virtual ~Desktop() = default;
  // Closes the main window, which ends the program; nothing asks and nothing refuses.
  virtual void closeMainWindow() = 0;
  // Hands the help file to the help viewer with a command and its argument.
  virtual void openHelp(int command, int data) = 0;
  // Creates the About box, shows it modally and destroys it once closed, also when a failure
  // leaves it.
  virtual void showAboutBox() = 0;
};

// A desktop that only counts what was asked of it: the tests and tarnolo-replay use it.
struct RecordingDesktop : Desktop {
  bool closed = false;
  int helpContents = 0, aboutBoxes = 0;
  void closeMainWindow() override { closed = true; }
  void openHelp(int command, int) override { helpContents += command == kHelpContents; }
  void showAboutBox() override { ++aboutBoxes; }
};

}  // namespace tarnolo
