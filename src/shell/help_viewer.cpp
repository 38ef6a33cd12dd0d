// The help viewer.
#include "shell/help_viewer.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tarnolo {

HelpViewer::~HelpViewer() {
  delete m_window.data();
}

void HelpViewer::OpenHelp(QWidget* owner, int command, int /*data*/) {
  if (m_helpFile.isEmpty()) return;
  if (command == kHelpQuit) {
    delete m_window.data();
    return;
  }
  if (command != kHelpContents) return;
  if (!m_window) m_window = createWindow(owner);
  auto* browser = m_window->findChild<QTextBrowser*>("HelpBrowser");
  browser->setSource(QUrl("qrc:/help/index.html"));
  m_window->show();
  m_window->raise();
  m_window->activateWindow();
}

QWidget* HelpViewer::createWindow(QWidget* owner) {
  auto* window = new QWidget(owner, Qt::Window);
  window->setObjectName("HelpWindow");
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowTitle(QStringLiteral("Ayuda de Tarnolo"));
  window->resize(580, 460);
  auto* browser = new QTextBrowser(window);
  browser->setObjectName("HelpBrowser");
  browser->setOpenExternalLinks(false);
  auto* contents = new QPushButton(QStringLiteral("&Contenido"), window);
  auto* back = new QPushButton(QStringLiteral("&Atrás"), window);
  auto* forward = new QPushButton(QStringLiteral("A&delante"), window);
  auto* close = new QPushButton(QStringLiteral("C&errar"), window);
  back->setEnabled(false);
  forward->setEnabled(false);
  QObject::connect(contents, &QPushButton::clicked, browser, &QTextBrowser::home);
  QObject::connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
  QObject::connect(forward, &QPushButton::clicked, browser, &QTextBrowser::forward);
  QObject::connect(browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  QObject::connect(browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
  QObject::connect(browser, &QTextBrowser::sourceChanged, window,
                   [window, browser] { window->setWindowTitle(browser->documentTitle()); });
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {contents, back, forward}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(window);
  layout->addLayout(buttons);
  layout->addWidget(browser);
  return window;
}

}  // namespace tarnolo
