// The replay steps of the pictures.
#include "picture_steps.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <vector>

#include "core/events.h"
#include "core/fagan.h"
#include "core/number_text.h"
#include "core/predictive_curve.h"
#include "core/report_text.h"
#include "core/text_file.h"

namespace tarnolo::replay {

namespace {

struct Choice {
  IntervalMethod method = IntervalMethod::Wilson;
  double level = 95;
};

Choice& lastChoice() {
  static Choice choice;
  return choice;
}

PlotWriter& plotWriter() {
  static PlotWriter writer;
  return writer;
}

// The words of args: the first count - 1 separated by blanks, the last the rest of the line
// (a path may hold blanks). Empty when there are fewer.
std::vector<std::string> words(const std::string& args, size_t count) {
  std::vector<std::string> result;
  size_t start = 0;
  while (result.size() + 1 < count) {
    const size_t space = args.find(' ', start);
    if (space == std::string::npos) return {};
    result.push_back(args.substr(start, space - start));
    start = space + 1;
  }
  if (start >= args.size()) return {};
  result.push_back(args.substr(start));
  return result;
}

bool parsePercent(const std::string& text, double& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end && value >= 0 && value <= 100;
}

// Reads M L of a step into a report of the state; returns why not, or an empty text.
std::string readChoice(const std::string& verb, const std::string& method, const std::string& level,
                       Target& target, std::optional<Report>& report) {
  const auto m = methodFromKey(method);
  if (!m) return "unknown " + verb + " method '" + method + "'";
  double percent = 0;
  if (!parseLevel(level, percent)) return verb + " needs a level from 50 to 99.9";
  report = buildReport(target.state(), *m, percent);
  return "";
}

void writeGuarded(Target& target, const std::function<void()>& write) {
  runGuarded(write, [&](const std::string& text) { target.reportFailure(text); });
}

std::string runCurve(const std::string& args, Target& target) {
  const auto w = words(args, 3);
  if (w.empty()) return "curve needs METHOD LEVEL PATH";
  std::optional<Report> report;
  if (auto why = readChoice("curve", w[0], w[1], target, report); !why.empty()) return why;
  writeGuarded(target, [&] { writeTextFile(w[2], curveCsv(*report, target.view().separator())); });
  return "";
}

std::string runNomogram(const std::string& args, Target& target) {
  const auto w = words(args, 4);
  if (w.empty()) return "nomogram needs PRETEST METHOD LEVEL PATH";
  double pretest = 0;
  if (!parsePercent(w[0], pretest)) return "nomogram needs a pre-test probability from 0 to 100";
  std::optional<Report> report;
  if (auto why = readChoice("nomogram", w[1], w[2], target, report); !why.empty()) return why;
  writeGuarded(target, [&] {
    writeTextFile(w[3], nomogramCsv(*report, pretest / 100, target.view().separator()));
  });
  return "";
}

std::string runPlot(const std::string& args, Target& target) {
  const auto w = words(args, 3);
  if (w.empty()) return "plot needs KIND FORMAT PATH";
  if (w[0] != "curve" && w[0] != "nomogram") return "plot draws curve or nomogram";
  if (w[1] != "png" && w[1] != "svg" && w[1] != "pdf") return "plot writes png, svg or pdf";
  if (!plotWriter()) return "plot needs the program built with the window";
  const Choice choice = lastChoice();
  PlotRequest request{w[0],
                      w[1],
                      w[2],
                      buildReport(target.state(), choice.method, choice.level),
                      std::clamp(target.state().prev, 0.0, 1.0),
                      target.view().separator()};
  writeGuarded(target, [&] { plotWriter()(request); });
  return "";
}

}  // namespace

bool parseLevel(const std::string& text, double& level) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, level);
  return error == std::errc() && stop == end && level >= 50 && level <= 99.9;
}

void rememberReportChoice(IntervalMethod method, double level) {
  lastChoice() = {method, level};
}

void resetPictureChoice() {
  lastChoice() = {};
}

void setPlotWriter(PlotWriter writer) {
  plotWriter() = std::move(writer);
}

std::optional<std::string> runPictureStep(const std::string& verb, const std::string& args,
                                          Target& target) {
  if (verb == "curve") return runCurve(args, target);
  if (verb == "nomogram") return runNomogram(args, target);
  if (verb == "plot") return runPlot(args, target);
  return std::nullopt;
}

}  // namespace tarnolo::replay
