// The replay step of the comparison of two tests.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "session_helpers.h"

namespace tarnolo {
namespace {

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(PairedStep, WritesTheComparisonOfTheEightCounts) {
  const std::string path = ::testing::TempDir() + "tarnolo paired.csv";
  ModelSession session;
  test::run(session, "paired 319 78 22 32 31 53 22 155 clopper-pearson 95 " + path + "\n");
  const std::string csv = fileText(path);
  std::remove(path.c_str());
  EXPECT_TRUE(test::errors(session).empty());
  for (const char* line :
       {"clave,estimación,inferior IC 95 % Clopper-Pearson exacto,"
        "superior IC 95 % Clopper-Pearson exacto,motivo\r\n",
        "\r\nsens1,0.880266075388027,0.84667451773168,0.908759233549536,\r\n",
        "\r\nmcnemar_sens,31.36,,,\r\n", "\r\nconjunta,44.1733333333333,,,\r\n"}) {
    EXPECT_NE(csv.find(line), std::string::npos) << line << csv;
  }
}

TEST(PairedStep, RefusesMalformedSteps) {
  const struct {
    const char* script;
    const char* err;
  } kCases[] = {
      {"paired\n", "line 1: paired needs A B C D E F G H METHOD LEVEL PATH\n"},
      {"paired 1 2 3 4 5 6 7 8 wald 95\n",
       "line 1: paired needs A B C D E F G H METHOD LEVEL PATH\n"},
      {"paired 1 2 3 4 5 6 7 x wald 95 p.csv\n",
       "line 1: paired needs eight 32-bit integer counts\n"},
      {"paired 1 2 3 4 5 6 7 2147483648 wald 95 p.csv\n",
       "line 1: paired needs eight 32-bit integer counts\n"},
      {"paired 1 2 3 4 5 6 7 8 exact 95 p.csv\n", "line 1: unknown method 'exact'\n"},
      {"paired 1 2 3 4 5 6 7 8 wald 99.95 p.csv\n",
       "line 1: paired needs a level from 50 to 99.9\n"},
      {"paired 1 2 3 4 5 6 7 8 wald 95,5 p.csv\n",
       "line 1: paired needs a level from 50 to 99.9\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.script);
    ModelSession session;
    std::istringstream in(c.script);
    std::ostringstream err;
    EXPECT_EQ(replay::runScript(in, session, err), 2);
    EXPECT_EQ(err.str(), c.err);
  }
}

TEST(PairedStep, FileThatCannotBeWrittenShowsTheFailureBox) {
  ModelSession session;
  test::run(session,
            "paired 1 2 3 4 5 6 7 8 wald 95 " + ::testing::TempDir() + "no-such-folder/p.csv\n");
  EXPECT_EQ(test::errors(session), std::vector<std::string>{"Invalid filename."});
}

}  // namespace
}  // namespace tarnolo
