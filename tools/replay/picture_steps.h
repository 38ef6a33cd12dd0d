// The replay steps of the pictures: the curve's CSV, the nomogram's CSV, and a picture's file.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/report.h"
#include "replay.h"

namespace tarnolo::replay {

// A confidence level in percent, "50" to "99.9", in the script's own notation ("." always).
bool parseLevel(const std::string& text, double& level);

// The method and level of the last report step, which plot draws with; Wilson at 95 % before
// any (and again after resetPictureChoice, at the start of every script).
void rememberReportChoice(IntervalMethod method, double level);
void resetPictureChoice();

// What draws a picture into a file: kind "curve" or "nomogram", format "png", "svg" or "pdf",
// the report, the case's prevalence (the curve's mark; the nomogram's pre-test probability,
// kept inside 0.1..99.9 %) and the separator. A file that cannot be written raises the
// program's InOutError. Programs built with the window install one.
struct PlotRequest {
  std::string kind, format, path;
  Report report;
  double prevalence;
  char separator;
};
using PlotWriter = std::function<void(const PlotRequest&)>;
void setPlotWriter(PlotWriter writer);

// Steps:
//   curve M L PATH           the curve's CSV (predictive_curve.h) by method key M at level L
//   nomogram P M L PATH      the nomogram's CSV (fagan.h) at pre-test probability P percent
//                            ("0" to "100", always with ".")
//   plot KIND FORMAT PATH    the picture KIND ("curve", "nomogram") as FORMAT ("png", "svg",
//                            "pdf") at the last report step's method and level
// A file that cannot be written shows the failure box. Returns nothing for another verb, else
// an empty text or why the step cannot run.
std::optional<std::string> runPictureStep(const std::string& verb, const std::string& args,
                                          Target& target);

}  // namespace tarnolo::replay
