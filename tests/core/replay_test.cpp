// Whole user sessions through the replay tool's script reader.
#include "replay.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/number_text.h"

namespace tarnolo::replay {
namespace {

struct Replayed {
  int status;
  std::string out, err;
};

Replayed replay(const std::string& script) {
  ModelSession session;
  std::istringstream in(script);
  std::ostringstream out, err;
  const int status = runScript(in, session, err);
  if (status == 0) printSnapshot(session, out);
  return {status, out.str(), err.str()};
}

bool hasLine(const Replayed& run, const std::string& line) {
  return run.out.find(line + "\n") != std::string::npos;
}

TEST(Replay, CalculationWithLimitsAt99Percent) {
  const Replayed run = replay(
      "# a worked table\n"
      "set VP 90\nset FP 10\nset FN 10\nset VN 90\n"
      "click BitBtn6\nclick ic\nselect Zalfa 1\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const char* lines[] = {
      "control\tsensli\ttext=\"81.772\"\tenabled=1\tvisible=1",
      "control\tZalfa\titemindex=1\tenabled=1\tvisible=1",
      "control\tSensGauge\tprogress=90\tenabled=1\tvisible=1",
      "control\tsensScrollBar\tposition=90\tenabled=1\tvisible=0",
      "control\tBitBtn6\tenabled=1\tvisible=1",
      "height\t311",
      "state\ttotal\t200",
      "state\tsens\t0x1.ccccccccccccdp-1",
      "state\tzAlfa\t0x1.49ba5e353f7cfp+1",
      "state\tciVisible\t1",
  };
  for (const char* line : lines) EXPECT_TRUE(hasLine(run, line)) << line << "\n" << run.out;
}

TEST(Replay, MessagesComeFirstInTheOrderShown) {
  const Replayed run =
      replay("set FP 1\nset FN 1\nset VN 1\nclick BitBtn6\nset FP x\nclick BitBtn6\n");
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("notice\tEl texto no es numérico\n"
                          "notice\tEl texto no es numérico\n"
                          "error\t'x' is not a valid integer value.\n"
                          "control\tVP\t",
                          0),
            0u)
      << run.out;
}

TEST(Replay, SeparatorStepChangesLaterTextsOnly) {
  const Replayed run = replay(
      "set VP 1\nset FP 3\nset FN 7\nset VN 5\nclick BitBtn6\nseparator ,\n"
      "set VP 1\nclick BitBtn6\n");
  ASSERT_EQ(run.status, 0);
  EXPECT_TRUE(hasLine(run, "control\tsens\ttext=\"12,5\"\tenabled=1\tvisible=1")) << run.out;
}

TEST(Replay, ClicksOnDisabledOrHiddenControlsDoNothing) {
  const Replayed run = replay("click bayesboton\nselect Zalfa 1\nclick Salir1\n");
  ASSERT_EQ(run.status, 0);
  EXPECT_TRUE(hasLine(run, "control\tZalfa\titemindex=-1\tenabled=1\tvisible=0"));
  EXPECT_TRUE(hasLine(run, "height\t105"));
}

// On the model, typed text arrives whole, as the program's own write does, but a count cell
// keeps only what its mask lets through: a digit a position, seven at most.
TEST(Replay, TypedTextIsWhatTheControlTakes) {
  const std::pair<const char*, const char*> cases[] = {
      {"type VP 6\ntype FP 3\ntype FN 1\ntype VN 10\nclick BitBtn6\n",
       "set VP 6\nset FP 3\nset FN 1\nset VN 10\nclick BitBtn6\n"},
      {"type VN 17x7\n", "set VN 177\n"},
      {"type VP -3\n", "set VP 3\n"},
      {"type VP 123456789\n", "set VP 1234567\n"},
      {"type VP x\n", "set VP\n"},
      {"type total 6x\n", "set total 6x\n"},
      {"type sensli 1,5\n", "set sensli 1,5\n"},
  };
  for (const auto& [typed, written] : cases) {
    SCOPED_TRACE(typed);
    EXPECT_EQ(replay(typed).out, replay(written).out);
  }
}

TEST(Replay, EmptyTextsAndTextsWithBlanks) {
  const Replayed run = replay("set total\nset FP  4 \nset sensli a\"b\\c\n");
  ASSERT_EQ(run.status, 0);
  EXPECT_TRUE(hasLine(run, "control\ttotal\ttext=\"\"\tenabled=1\tvisible=1"));
  EXPECT_TRUE(hasLine(run, "control\tFP\ttext=\" 4\"\tenabled=1\tvisible=1"));
  EXPECT_TRUE(hasLine(run, "control\tsensli\ttext=\"a\\\"b\\\\c\"\tenabled=1\tvisible=0"));
}

TEST(Replay, BadStepsStopWithTheLineNumber) {
  const std::pair<const char*, const char*> cases[] = {
      {"set VP 1\njump VP\n", "line 2: unknown step 'jump'\n"},
      {"\n# c\nclick Nothing\n", "line 3: unknown control 'Nothing'\n"},
      {"select Zalfa one\n", "line 1: select needs an integer\n"},
      {"scroll VP 3\n", "line 1: VP is no slider\n"},
      // The window delivers a choice of item only, and a click on a slider is a gesture.
      {"click Zalfa\n", "line 1: a radio group takes select, not click\n"},
      {"click espScrollBar\n", "line 1: a slider takes scroll, not click\n"},
      {"set SensGauge 3\n", "line 1: SensGauge has no text\n"},
      {"separator ab\n", "line 1: separator needs '.' or ','\n"},
      // Issue 13: a digit as separator turned "2.17" into "2017".
      {"separator 0\n", "line 1: separator needs '.' or ','\n"},
      {"separator  \n", "line 1: separator needs '.' or ','\n"},
      // Issue 13: steps after the window closed went on acting on the model.
      {"click Salir1\nset VP 1\n", "line 2: the window is closed: no step reaches it\n"},
      {"click Salir1\n# c\n\nclick BitBtn6\n",
       "line 4: the window is closed: no step reaches it\n"},
      {"click a\tb\n", "line 1: unknown control 'a\\u0009b'\n"},
      {"line VP +1\n", "line 1: VP is no slider\n"},
      {"line sensScrollBar 2\n", "line 1: line needs -1 or +1\n"},
      {"page sensScrollBar\n", "line 1: page needs -1 or +1\n"},
      {"key sensScrollBar Top\n", "line 1: key needs Home or End\n"},
      {"drag sensScrollBar\n", "line 1: drag needs at least one position\n"},
      {"drag sensScrollBar 5 x\n", "line 1: drag needs integer positions\n"},
      // Typing needs a text box, focus and keys the window.
      {"type SensGauge 3\n", "line 1: SensGauge has no text\n"},
      {"type Nothing 3\n", "line 1: unknown control 'Nothing'\n"},
      {"focus VP\n", "line 1: focus needs the window\n"},
      {"focus VP FP\n", "line 1: focus takes only a control name\n"},
      {"press Alt+C\n", "line 1: press needs the window\n"},
      {"press\n", "line 1: press needs keys\n"},
      {"report\n", "line 1: report needs METHOD LEVEL PATH\n"},
      {"report wald 95\n", "line 1: report needs METHOD LEVEL PATH\n"},
      {"report exact 95 r.csv\n", "line 1: unknown report method 'exact'\n"},
      {"report wald 99.95 r.csv\n", "line 1: report needs a level from 50 to 99.9\n"},
      {"report wald 49.9 r.csv\n", "line 1: report needs a level from 50 to 99.9\n"},
      {"report wald 95,5 r.csv\n", "line 1: report needs a level from 50 to 99.9\n"},
  };
  for (const auto& [script, err] : cases) {
    SCOPED_TRACE(script);
    const Replayed run = replay(script);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, err);
  }
}

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string firstLines(const std::string& text, int count) {
  size_t end = 0;
  for (int i = 0; i < count && end != std::string::npos; ++i) end = text.find('\n', end + 1);
  return text.substr(0, end + 1);
}

TEST(Replay, ReportStepWritesTheCsvOfTheCurrentTable) {
  const std::string exact = ::testing::TempDir() + "tarnolo_report_exact.csv";
  const std::string wilson = ::testing::TempDir() + "tarnolo report wilson.csv";
  const Replayed run = replay(
      "set VP 397\nset FP 84\nset FN 54\nset VN 177\nclick BitBtn6\n"
      "report clopper-pearson 95 " +
      exact +
      "\nseparator ,\n"
      "report wilson 99.9 " +
      wilson + "\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find("error\t"), std::string::npos) << run.out;
  EXPECT_EQ(firstLines(fileText(exact), 2),
            "clave,estimación,inferior IC 95 % Clopper-Pearson exacto,"
            "superior IC 95 % Clopper-Pearson exacto,motivo\r\n"
            "sens,0.880266075388027,0.84667451773168,0.908759233549536,\r\n");
  EXPECT_EQ(firstLines(fileText(wilson), 2),
            "clave;estimación;inferior IC 99,9 % Wilson;superior IC 99,9 % Wilson;motivo\r\n"
            "sens;0,880266075388027;0,820847878256647;0,921853565150151;\r\n");
  std::remove(exact.c_str());
  std::remove(wilson.c_str());
}

TEST(Replay, ReportFileThatCannotBeWrittenShowsTheFailureBox) {
  const std::string folder = ::testing::TempDir();
  const Replayed run = replay("report wald 90 " + folder + "no-such-folder/r.csv\n" +
                              "report wald 90 " + folder + "\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("error\tInvalid filename.\nerror\tFile access denied.\ncontrol\t", 0), 0u)
      << run.out;
}

// Issue 13: a tab, carriage return or NUL in a message broke the one-record-a-line output, and a
// NUL cut the message short.
TEST(Replay, MessagesStayOneRecordALineAndWhole) {
  const std::pair<std::string, const char*> cases[] = {
      {"a\tb", "error\t'a\\u0009b' is not a valid integer value.\n"},
      {"a\rb", "error\t'a\\u000db' is not a valid integer value.\n"},
      {std::string("a\0b", 3), "error\t'a\\u0000b' is not a valid integer value.\n"},
      {"a\\b", "error\t'a\\\\b' is not a valid integer value.\n"},
  };
  for (const auto& [text, line] : cases) {
    SCOPED_TRACE(line);
    const Replayed run = replay("set total " + text + "\nclick BitBtn1\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind(line, 0), 0u) << run.out;
  }
}

TEST(JsonString, EscapesQuotesBackslashesAndControls) {
  EXPECT_EQ(jsonString("a\"b\\c\td\x01"), "\"a\\\"b\\\\c\\u0009d\\u0001\"");
  EXPECT_EQ(jsonString("Versión"), "\"Versión\"");
}

}  // namespace
}  // namespace tarnolo::replay
