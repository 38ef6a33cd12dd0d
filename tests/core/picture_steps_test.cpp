// The replay steps of the pictures: the curve's and the nomogram's CSV, and plot's choice of
// method and level.
#include "picture_steps.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/number_text.h"
#include "session_helpers.h"

namespace tarnolo::replay {
namespace {

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string line(const std::string& text, int index) {
  size_t start = 0;
  for (int i = 0; i < index && start != std::string::npos; ++i)
    start = text.find("\r\n", start) + 2;
  return text.substr(start, text.find("\r\n", start) - start);
}

const char kTable[] = "set VP 90\nset FP 9\nset FN 10\nset VN 91\nclick BitBtn6\n";

TEST(PictureSteps, BadStepsStopWithTheLineNumber) {
  const std::pair<const char*, const char*> cases[] = {
      {"curve\n", "line 1: curve needs METHOD LEVEL PATH\n"},
      {"curve wilson 95\n", "line 1: curve needs METHOD LEVEL PATH\n"},
      {"curve exact 95 c.csv\n", "line 1: unknown curve method 'exact'\n"},
      {"curve wilson 99.95 c.csv\n", "line 1: curve needs a level from 50 to 99.9\n"},
      {"nomogram 25 wilson 95\n", "line 1: nomogram needs PRETEST METHOD LEVEL PATH\n"},
      {"nomogram 100.5 wilson 95 n.csv\n",
       "line 1: nomogram needs a pre-test probability from 0 to 100\n"},
      {"nomogram 25,5 wilson 95 n.csv\n",
       "line 1: nomogram needs a pre-test probability from 0 to 100\n"},
      {"nomogram 25 Wilson 95 n.csv\n", "line 1: unknown nomogram method 'Wilson'\n"},
      {"plot curve png\n", "line 1: plot needs KIND FORMAT PATH\n"},
      {"plot roc png p.png\n", "line 1: plot draws curve or nomogram\n"},
      {"plot curve gif p.gif\n", "line 1: plot writes png, svg or pdf\n"},
      // The core alone cannot draw.
      {"plot curve png p.png\n", "line 1: plot needs the program built with the window\n"},
  };
  for (const auto& [script, err] : cases) {
    SCOPED_TRACE(script);
    ModelSession session;
    std::istringstream in(script);
    std::ostringstream errors;
    EXPECT_EQ(runScript(in, session, errors), 2);
    EXPECT_EQ(errors.str(), err);
  }
}

// Each writes its CSV, or shows the failure box for a file that cannot be written.
TEST(PictureSteps, CurveAndNomogramWriteTheirCsv) {
  const std::string curve = ::testing::TempDir() + "tarnolo curve.csv";
  const std::string nomogram = ::testing::TempDir() + "tarnolo_nomogram.csv";
  ModelSession session;
  const std::string missing = ::testing::TempDir() + "no-such-folder/";
  test::run(session, std::string(kTable) + "curve wilson 95 " + curve + "\nseparator ,\n" +
                         "nomogram 25 wilson 95 " + nomogram + "\nseparator .\n" +
                         "curve wald 90 " + missing + "c.csv\nnomogram 10 wald 90 " + missing +
                         "n.csv\n");
  EXPECT_EQ(test::errors(session),
            (std::vector<std::string>{"Invalid filename.", "Invalid filename."}));
  const std::string curveText = fileText(curve), nomogramText = fileText(nomogram);
  EXPECT_EQ(line(curveText, 0), "prevalencia,vpp,vpp_inf,vpp_sup,vpn,vpn_inf,vpn_sup");
  EXPECT_EQ(line(curveText, 25).substr(0, 23), "0.25,0.769230769230769,");
  EXPECT_EQ(line(nomogramText, 0),
            "clave;estimación;inferior IC 95 % Wilson;superior IC 95 % Wilson;motivo");
  EXPECT_EQ(line(nomogramText, 1), "pre;0,25;;;");
  EXPECT_EQ(line(nomogramText, 3).substr(0, 27), "post_pos;0,769230769230769;");
  std::remove(curve.c_str());
  std::remove(nomogram.c_str());
}

TEST(PictureSteps, PlotDrawsAtTheLastReportsMethodAndLevel) {
  std::vector<PlotRequest> seen;
  setPlotWriter([&seen](const PlotRequest& r) { seen.push_back(r); });
  const std::string report = ::testing::TempDir() + "tarnolo_plot_report.csv";
  ModelSession session;
  test::run(session, std::string(kTable) + "plot curve png a.png\nreport jeffreys 90 " + report +
                         "\nplot nomogram pdf b.pdf\n");
  ModelSession again;  // a new script starts again at Wilson 95 %
  test::run(again, "plot curve svg c.svg\n");
  setPlotWriter(nullptr);
  std::remove(report.c_str());
  ASSERT_EQ(seen.size(), 3u);
  struct Expected {
    const char *kind, *format, *path;
    IntervalMethod method;
    double level, prevalence;
  };
  const Expected expected[] = {{"curve", "png", "a.png", IntervalMethod::Wilson, 95, 0.5},
                               {"nomogram", "pdf", "b.pdf", IntervalMethod::Jeffreys, 90, 0.5},
                               {"curve", "svg", "c.svg", IntervalMethod::Wilson, 95, 0}};
  for (size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(expected[i].path);
    EXPECT_EQ(seen[i].kind, expected[i].kind);
    EXPECT_EQ(seen[i].format, expected[i].format);
    EXPECT_EQ(seen[i].path, expected[i].path);
    EXPECT_EQ(seen[i].report.method, expected[i].method);
    EXPECT_EQ(seen[i].report.level.percent, expected[i].level);
    EXPECT_EQ(seen[i].prevalence, expected[i].prevalence);
  }
}

}  // namespace
}  // namespace tarnolo::replay
