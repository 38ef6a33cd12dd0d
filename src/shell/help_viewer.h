// The help viewer: the program's own help pages in a window owned by the main window.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "core/desktop.h"

class QTextBrowser;

namespace tarnolo {

// Shows the help pages kept in the program (":/help/index.html" and the pages it links),
// whatever the help file setting names: the setting only tells which help is meant.
class HelpViewer {
 public:
  explicit HelpViewer(QString helpFile) : m_helpFile(std::move(helpFile)) {}
  HelpViewer(const HelpViewer&) = delete;
  HelpViewer& operator=(const HelpViewer&) = delete;
  ~HelpViewer();

  // kHelpContents opens (or raises) the help window at its contents, owned by owner;
  // kHelpQuit closes it. Nothing happens while the help file setting is empty.
  void OpenHelp(QWidget* owner, int command, int data);

  // The help window while it is open, or nullptr.
  QWidget* window() const { return m_window; }
  const QString& helpFile() const { return m_helpFile; }

 private:
  QWidget* createWindow(QWidget* owner);

  QString m_helpFile;
  QPointer<QWidget> m_window;
};

}  // namespace tarnolo
