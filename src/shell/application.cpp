// Start-up, the event loop and the end of the program.
#include "shell/application.h"

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

#include "comparar/paired_command.h"
#include "core/arithmetic.h"
#include "core/events.h"
#include "core/named_file.h"
#include "core/number_text.h"
#include "graficos/graficos_command.h"
#include "informe/locale_separator.h"
#include "informe/report_command.h"
#include "principal/lazy_icon_style.h"
#include "principal/window_session.h"
#include "roc/roc_command.h"
#include "shell/command_line.h"
#include "shell/font_warm_up.h"
#include "shell/help_viewer.h"
#include "shell/messages.h"

namespace tarnolo {

namespace {

bool isSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value && *value;
}

bool hasGraphicalSession(const CommandLine& line) {
  return line.platformGiven || isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") ||
         isSet("WAYLAND_DISPLAY");
}

QtMessageHandler toolkitMessages = nullptr;

// While the application starts, a fatal message of the toolkit means that the window system
// cannot be reached or its platform not loaded: the program says so and ends with 2 instead of
// aborting. The toolkit's own lines before it stay, for whoever looks into it.
void startUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    if (toolkitMessages) toolkitMessages(type, context, text);
    return;
  }
  std::fputs(
      "tarnolo: no se puede mostrar la ventana: no se llega al sistema de ventanas o no se puede "
      "cargar la plataforma gráfica (vea DISPLAY, WAYLAND_DISPLAY y QT_QPA_PLATFORM)\n",
      stderr);
  std::fflush(stderr);
  std::_Exit(2);
}

int endAtOnce(const CommandLine& line) {
  std::fputs(line.out.toLocal8Bit().constData(), stdout);
  std::fputs(line.err.toLocal8Bit().constData(), stderr);
  return *line.exitCode;
}

// Opens the case named on the command line as "Abrir" opens a chosen one; false when it failed.
bool openNamedCase(WindowSession& session, const QByteArray& path, const FailureReporter& report) {
  NamedFile named(path.toStdString());
  return runGuarded([&] { AbrirCaso(session.state(), session.view, named, session.files); },
                    report);
}

void reportOnStderr(const std::string& text) {
  std::fprintf(stderr, "tarnolo: %s\n", text.c_str());
}

std::unique_ptr<WindowSession> createMainWindow() {
  return std::make_unique<WindowSession>(showNotice, reportFailure);
}

int saveScreenshot(QWidget& window, const QByteArray& file) {
  QCoreApplication::processEvents();
  if (window.grab().save(QFile::decodeName(file))) return 0;
  std::fprintf(stderr, "tarnolo: could not write %s\n", file.constData());
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
  view.setSeparator(localeSeparator());
}

void followLocaleChanges(TcalcForm1& window, View& view) {
  QObject::connect(&window, &TcalcForm1::localeChanged, &window,
                   [&view] { useLocaleSeparator(view); });
}

int runTarnolo(int argc, char** argv) {
  QList<QByteArray> arguments;
  for (int i = 0; i < argc; ++i) arguments << QByteArray(argv[i]);
  const CommandLine line = readCommandLine(arguments);
  if (line.exitCode) return endAtOnce(line);
  if (!hasGraphicalSession(line)) {
    if (line.screenshot.isEmpty()) {
      std::fputs(
          "tarnolo: needs a graphical session (DISPLAY or WAYLAND_DISPLAY); "
          "for a picture of its window run: tarnolo --screenshot window.png\n",
          stderr);
      return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }

  FontConfigWarmUp fonts;
  loadFloatingPointSetting();
  toolkitMessages = qInstallMessageHandler(startUpMessage);
  QApplication application(argc, argv);
  qInstallMessageHandler(toolkitMessages);
  useProgramStyle();
  QTranslator toolkitTexts;
  useToolkitTranslation(toolkitTexts);
  // The title goes on the boxes only: no display name, so that the toolkit adds nothing to
  // the main window's caption.
  QApplication::setApplicationName(kApplicationTitle);

  std::unique_ptr<WindowSession> session;
  fonts.wait();
  try {
    session = createMainWindow();
  } catch (...) {
    showStartUpFailure(std::current_exception(), reinterpret_cast<const void*>(&createMainWindow));
    return 1;
  }
  useLocaleSeparator(session->view);
  followLocaleChanges(session->window, session->view);
  ReportCommand::install(session->window, session->table, session->state(), reportFailure);
  PairedCommand::install(session->window, session->table, reportFailure);
  RocCommand::install(session->window, session->view, session->table, reportFailure);
  GraficosCommand::install(session->window, session->table, session->state(), reportFailure);
  HelpViewer help(QString::fromLatin1(kHelpFile));
  connectHelp(*session, help);

  session->window.show();
  session->window.activateWindow();
  if (!line.screenshot.isEmpty()) {
    const bool opened =
        line.caseFile.isEmpty() || openNamedCase(*session, line.caseFile, reportOnStderr);
    const int saved = saveScreenshot(session->window, line.screenshot);
    return opened ? saved : 1;
  }
  if (!line.caseFile.isEmpty()) {
    // Once the window is up, so that a failure box has it as its owner.
    QTimer::singleShot(0, &session->window,
                       [&] { openNamedCase(*session, line.caseFile, reportFailure); });
  }
  QApplication::exec();
  shutDown(session, help);
  return 0;
}

}  // namespace tarnolo
