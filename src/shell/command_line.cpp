// The program's command line.
#include "shell/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

namespace tarnolo {

namespace {

// The options that QApplication takes for itself, with a value or without.
const char* const kToolkitValued[] = {"platform",
                                      "platformpluginpath",
                                      "platformtheme",
                                      "plugin",
                                      "qwindowgeometry",
                                      "qwindowicon",
                                      "qwindowtitle",
                                      "style",
                                      "stylesheet",
                                      "session",
                                      "display",
                                      "geometry",
                                      "title",
                                      "name",
                                      "font",
                                      "fn",
                                      "background",
                                      "bg",
                                      "foreground",
                                      "fg",
                                      "button",
                                      "btn",
                                      "visual",
                                      "qmljsdebugger",
                                      "qwindowscreen"};
const char* const kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb",
                                     "sync",    "cmap",        "ncols"};

void addToolkitOptions(QCommandLineParser& parser) {
  for (const char* name : kToolkitValued) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("valor"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : kToolkitFlags) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

// The argument as the system gave it, so that a name that is no valid text still opens.
QByteArray rawArgument(const QList<QByteArray>& arguments, const QString& decoded) {
  for (const QByteArray& raw : arguments) {
    if (QFile::decodeName(raw) == decoded) return raw;
  }
  return QFile::encodeName(decoded);
}

CommandLine endWith(int code, QString text) {
  CommandLine line;
  line.exitCode = code;
  (code == 0 ? line.out : line.err) = std::move(text);
  return line;
}

}  // namespace

QString helpText() {
  return QStringLiteral(
      "Uso: tarnolo [opciones] [CASO.ROC]\n"
      "Calculadora de la exactitud de una prueba diagnóstica. Con CASO.ROC, abre ese caso al\n"
      "empezar, como lo hace \"Abrir\".\n"
      "\n"
      "Opciones:\n"
      "  -h, --help               muestra esta ayuda y termina\n"
      "  -v, --version            muestra la versión y termina\n"
      "  --screenshot IMAGEN.png  guarda una imagen de la ventana tal como empieza y termina;\n"
      "                           sin sesión gráfica la dibuja fuera de pantalla\n"
      "  -platform NOMBRE         la plataforma gráfica de Qt (xcb, wayland, offscreen...)\n"
      "\n"
      "Estado de salida: 0 si todo fue bien, 1 si falló el arranque, 2 si la línea de órdenes\n"
      "no es válida o no hay sistema de ventanas al que llegar.\n");
}

CommandLine readCommandLine(const QList<QByteArray>& arguments) {
  QCommandLineParser parser;
  // "-platform xcb" as Qt reads it; "-h" and "-v" are still found, as long names.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
  const QCommandLineOption screenshot(QStringLiteral("screenshot"), QString(),
                                      QStringLiteral("IMAGEN"));
  parser.addOptions({help, version, screenshot});
  addToolkitOptions(parser);

  QStringList decoded;
  for (const QByteArray& raw : arguments) decoded << QFile::decodeName(raw);
  const QString usage = QStringLiteral(
      "Uso: tarnolo [opciones] [CASO.ROC]; "
      "tarnolo --help muestra las opciones.\n");
  if (!parser.parse(decoded)) {
    const QStringList unknown = parser.unknownOptionNames();
    const QString why = unknown.isEmpty()
                            ? QStringLiteral("a una opción le falta su valor")
                            : QStringLiteral("opción desconocida: %1").arg(unknown.front());
    return endWith(2, QStringLiteral("tarnolo: %1\n").arg(why) + usage);
  }
  if (parser.isSet(help)) return endWith(0, helpText());
  if (parser.isSet(version))
    return endWith(0, QStringLiteral("Tarnolo %1\n").arg(QStringLiteral(TARNOLO_VERSION)));
  const QStringList cases = parser.positionalArguments();
  if (cases.size() > 1)
    return endWith(2, QStringLiteral("tarnolo: sobra un argumento: %1\n").arg(cases[1]) + usage);

  CommandLine line;
  if (!cases.isEmpty()) line.caseFile = rawArgument(arguments.mid(1), cases.front());
  if (parser.isSet(screenshot)) line.screenshot = QFile::encodeName(parser.value(screenshot));
  line.platformGiven = parser.isSet(QStringLiteral("platform"));
  return line;
}

}  // namespace tarnolo
