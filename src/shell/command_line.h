// The program's command line: "tarnolo [opciones] [CASO.ROC]", read before any window exists.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace tarnolo {

struct CommandLine {
  QByteArray caseFile;         // the case to open at start, as the system names it; empty: none
  QByteArray screenshot;       // --screenshot FILE
  bool platformGiven = false;  // the toolkit's own -platform
  // Set when the program ends at once: the exit code, after out (stdout) or err (stderr).
  std::optional<int> exitCode;
  QString out, err;
};

// Reads the arguments (argv[0] first), the toolkit's own options (-platform, -display, -style
// ...) included, which it only notes. --help and --version print in Spanish and end with 0; an
// unknown option, a missing value or a second case file print the usage to err and end with 2.
CommandLine readCommandLine(const QList<QByteArray>& arguments);

// The usage and the options, in Spanish.
QString helpText();

}  // namespace tarnolo
