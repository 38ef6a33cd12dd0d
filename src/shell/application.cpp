// Start-up, the event loop and the end of the program.
#include "shell/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "core/arithmetic.h"
#include "core/number_text.h"
#include "informe/report_command.h"
#include "principal/lazy_icon_style.h"
#include "principal/window_session.h"
#include "shell/help_viewer.h"
#include "shell/messages.h"

namespace tarnolo {

namespace {

struct Options {
  const char* screenshot = nullptr;
  bool platformGiven = false;
};

Options readOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) options.screenshot = argv[++i];
    if (std::strcmp(argv[i], "-platform") == 0) options.platformGiven = true;
  }
  return options;
}

bool isSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value && *value;
}

bool hasGraphicalSession(const Options& options) {
  return options.platformGiven || isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") ||
         isSet("WAYLAND_DISPLAY");
}

std::unique_ptr<WindowSession> createMainWindow() {
  return std::make_unique<WindowSession>(showNotice, reportFailure);
}

int saveScreenshot(QWidget& window, const char* file) {
  QCoreApplication::processEvents();
  if (window.grab().save(QString::fromLocal8Bit(file))) return 0;
  std::fprintf(stderr, "tarnolo: could not write %s\n", file);
  return 1;
}

}  // namespace

void connectHelp(WindowSession& session, HelpViewer& help) {
  session.desktop.setHelpViewer(
      [&help](QWidget* owner, int command, int data) { help.OpenHelp(owner, command, data); });
}

void shutDown(std::unique_ptr<WindowSession>& session, HelpViewer& help) {
  session.reset();
  help.OpenHelp(nullptr, kHelpQuit, 0);
}

void useToolkitTranslation(QTranslator& translator) {
  // The program speaks Spanish whatever the locale, and so do the toolkit's own dialogs.
  if (translator.load(QStringLiteral("qtbase_es"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&translator);
}

void useProgramStyle() {
  QApplication::setStyle(new LazyIconStyle(QStyleFactory::create(QStringLiteral("Windows"))));
}

void useLocaleSeparator(View& view) {
  view.setSeparator(separatorOf(QLocale().decimalPoint().toStdString()));
}

void followLocaleChanges(TcalcForm1& window, View& view) {
  QObject::connect(&window, &TcalcForm1::localeChanged, &window,
                   [&view] { useLocaleSeparator(view); });
}

int runTarnolo(int argc, char** argv) {
  const Options options = readOptions(argc, argv);
  if (!hasGraphicalSession(options)) {
    if (!options.screenshot) {
      std::fputs(
          "tarnolo: needs a graphical session (DISPLAY or WAYLAND_DISPLAY); "
          "for a picture of its window run: tarnolo --screenshot window.png\n",
          stderr);
      return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }

  loadFloatingPointSetting();
  QApplication application(argc, argv);
  useProgramStyle();
  QTranslator toolkitTexts;
  useToolkitTranslation(toolkitTexts);
  // The title goes on the boxes only: no display name, so that the toolkit adds nothing to
  // the main window's caption.
  QApplication::setApplicationName(kApplicationTitle);

  std::unique_ptr<WindowSession> session;
  try {
    session = createMainWindow();
  } catch (...) {
    showStartUpFailure(std::current_exception(), reinterpret_cast<const void*>(&createMainWindow));
    return 1;
  }
  useLocaleSeparator(session->view);
  followLocaleChanges(session->window, session->view);
  ReportCommand::install(session->window, session->table, session->state(), reportFailure);
  HelpViewer help(QString::fromLatin1(kHelpFile));
  connectHelp(*session, help);

  session->window.show();
  session->window.activateWindow();
  if (options.screenshot) return saveScreenshot(session->window, options.screenshot);
  QApplication::exec();
  shutDown(session, help);
  return 0;
}

}  // namespace tarnolo
