// A random user on the real main window, and the checks of what a user relies on after each
// of its events.
#pragma once

#include <QHash>
#include <QStringList>
#include <deque>
#include <memory>
#include <random>

#include "case_folder.h"
#include "modal_watchdog.h"
#include "principal/window_session.h"
#include "shell/help_viewer.h"

class QFileDialog;
class QWidget;

namespace tarnolo {

class Monkey {
 public:
  // A window shown and active, its boxes recorded instead of shown, its file dialogs answered
  // by the monkey on folder, which must outlive it. The same seed gives the same events.
  Monkey(uint32_t seed, CaseFolder& folder);
  ~Monkey();

  // One random event, then the checks; a failed check fails the running Qt test.
  void step();
  // The last events, oldest first, for the message of a failed check.
  QString lastEvents() const { return m_log.join(u'\n'); }
  // How often the events so far reached the program's boxes and files.
  QString summary() const;

 private:
  // The sixteen limit cells: editable, so that a user may leave any text in them.
  static constexpr const char* kLimitCells[] = {
      "sensli",   "sensls",   "espli",  "espls",  "cppli", "cppls", "cpnli", "cpnls",
      "prevapli", "prevapls", "prevli", "prevls", "vppli", "vppls", "vpnli", "vpnls"};
  static bool isLimitCell(const QString& name);

  struct Box {
    bool notice;
    QString text;
  };

  // Events.
  void clickButton();
  void clickTextBox();
  void typeText();
  void composeOrPaste();
  void pressKey();
  void changeRegion();
  void pressMnemonic();
  void chooseLevel();
  void sliderGesture();
  void openCase();
  void saveCase();
  void fileCommand(bool save);
  void menuItem();
  void helpOrAbout();
  void quitAndShowAgain();

  // Checks.
  void checkAfter(const QString& event);
  void checkCells();
  void checkBoxes(const QString& event);
  void checkFolder();

  uint32_t pick(uint32_t n) { return m_rng() % n; }
  QString randomText();
  QWidget* control(const char* name) const;
  QStringList countTexts() const;  // VP, FP, FN, VN as the cells show them
  bool reachable(QWidget* widget) const;
  void note(const QString& event);
  // Remembers the text that the user left in a limit cell, which need not be a number.
  void rememberTyped(QWidget* cell);

  std::mt19937 m_rng;
  CaseFolder& m_folder;
  FolderRecord m_files;
  std::unique_ptr<WindowSession> m_session;
  HelpViewer m_help;
  QList<Box> m_boxes;
  QStringList m_modals;  // the classes of the modal boxes but file dialogs that the event opened
  QString m_answer;      // the name the next file dialog is answered with; empty: cancel
  // Answers the file dialogs and closes any other modal box while an event runs.
  ModalWatchdog m_watchdog{0, ModalWatchdog::answeringFiles([this] { return m_answer; })};
  int m_openRuns = 0, m_saveRuns = 0;
  QStringList m_countsBefore;       // the count cells before the event
  QHash<QString, QString> m_typed;  // limit cells: the text the user left in each
  QStringList m_log;
  int m_notices = 0, m_failures = 0, m_aboutBoxes = 0, m_dialogs = 0, m_saved = 0, m_opened = 0;
};

}  // namespace tarnolo
