// Graded tests: the checks of the typed levels, pasted text and CSV files, the published area
// of Hanley and McNeil, the cut-offs against the report, and the edges of the counts.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/roc_analysis.h"
#include "core/roc_table.h"
#include "core/roc_text.h"
#include "core/text_file.h"
#include "session_helpers.h"

namespace tarnolo {
namespace {

using M = IntervalMethod;
using State = ReportValue::State;

// A checked table of the counts per level, least suggestive first; the test fails if refused.
RocTable levels(const std::vector<std::pair<int64_t, int64_t>>& counts) {
  std::vector<RocRowText> rows;
  for (const auto& [enfermos, sanos] : counts)
    rows.push_back({"", std::to_string(enfermos), std::to_string(sanos)});
  const RocCheck check = checkRocRows(rows);
  EXPECT_TRUE(check.ok()) << check.error;
  return check.table;
}

// Hanley and McNeil (1982), table 1: 109 CT images rated 1 to 5, as (diseased, healthy).
const RocTable kHanleyMcNeil = levels({{3, 33}, {2, 6}, {2, 6}, {11, 11}, {33, 2}});

struct BadRows {
  const char* why;
  std::vector<RocRowText> rows;
  const char* message;
  int row;
  RocColumn column;
};

const BadRows kRefused[] = {
    {"empty count",
     {{"a", "", "1"}, {"b", "1", "1"}},
     "Fila 1, columna «Enfermos»: falta el número.",
     1,
     RocColumn::Enfermos},
    {"letters",
     {{"a", "1", "1"}, {"b", "1", "x1"}},
     "Fila 2, columna «Sanos»: «x1» no es un número.",
     2,
     RocColumn::Sanos},
    {"decimal point",
     {{"a", "2.5", "1"}, {"b", "1", "1"}},
     "Fila 1, columna «Enfermos»: «2.5» no es un número entero.",
     1,
     RocColumn::Enfermos},
    {"decimal comma",
     {{"a", "1", "1"}, {"b", "1", "2,5"}},
     "Fila 2, columna «Sanos»: «2,5» no es un número entero.",
     2,
     RocColumn::Sanos},
    {"negative",
     {{"a", "1", "1"}, {"b", "-3", "1"}},
     "Fila 2, columna «Enfermos»: «-3» es negativo.",
     2,
     RocColumn::Enfermos},
    {"one count too large",
     {{"a", "2147483648", "0"}, {"b", "1", "1"}},
     "Fila 1, columna «Enfermos»: «2147483648» pasa del límite de 2147483647.",
     1,
     RocColumn::Enfermos},
    {"a 64-bit overflow in the digits",
     {{"a", "1", "99999999999999999999999"}, {"b", "1", "1"}},
     "Fila 1, columna «Sanos»: «99999999999999999999999» pasa del límite de 2147483647.",
     1,
     RocColumn::Sanos},
    {"the total one past the limit",
     {{"a", "1", "2147483640"}, {"b", "7", "0"}},
     "Fila 2, columna «Enfermos»: con este número el total de casos pasa de 2147483647.",
     2,
     RocColumn::Enfermos},
    {"sign alone",
     {{"a", "+", "1"}, {"b", "1", "1"}},
     "Fila 1, columna «Enfermos»: «+» no es un número.",
     1,
     RocColumn::Enfermos},
    {"exponent",
     {{"a", "1e3", "1"}, {"b", "1", "1"}},
     "Fila 1, columna «Enfermos»: «1e3» no es un número.",
     1,
     RocColumn::Enfermos},
    {"one level", {{"a", "1", "1"}}, "La tabla necesita al menos 2 niveles.", 0, RocColumn::None},
    {"no diseased",
     {{"a", "0", "1"}, {"b", "0", "4"}},
     "No hay ningún enfermo: la curva ROC necesita enfermos y sanos.",
     0,
     RocColumn::None},
    {"no healthy",
     {{"a", "3", "0"}, {"b", "1", "0"}},
     "No hay ningún sano: la curva ROC necesita enfermos y sanos.",
     0,
     RocColumn::None},
    {"a hundred and one levels", std::vector<RocRowText>(101, {"", "1", "1"}),
     "La tabla admite como mucho 100 niveles.", 0, RocColumn::None},
};

TEST(CheckRocRows, EveryRefusalNamesItsRowAndColumn) {
  for (const BadRows& c : kRefused) {
    SCOPED_TRACE(c.why);
    const RocCheck check = checkRocRows(c.rows);
    EXPECT_FALSE(check.ok());
    EXPECT_EQ(check.error, c.message);
    EXPECT_EQ(check.row, c.row);
    EXPECT_EQ(check.column, c.column);
  }
}

TEST(CheckRocRows, AcceptsBlanksEmptyLevelsAndTheLargestTotal) {
  const RocCheck check = checkRocRows(
      {{" bajo ", " 0 ", "+0"}, {"", "0", "0"}, {"alto", "1", "2147483646"}, {"x", "-0", "0"}});
  ASSERT_TRUE(check.ok()) << check.error;
  ASSERT_EQ(check.table.levels.size(), 4u);
  EXPECT_EQ(check.table.levels[0].label, "bajo");
  EXPECT_EQ(check.table.levels[1].label, "2");  // no label typed: the level's number
  EXPECT_EQ(check.table.enfermos, 1);
  EXPECT_EQ(check.table.sanos, 2147483646);
}

TEST(CheckRocRows, ReversedTurnsTheLevelsRound) {
  const RocCheck check =
      checkRocRows({{"alto", "9", "1"}, {"medio", "2", "2"}, {"bajo", "1", "9"}}, true);
  ASSERT_TRUE(check.ok());
  EXPECT_EQ(check.table.levels.front().label, "bajo");
  EXPECT_EQ(check.table.levels.back().label, "alto");
}

struct PastedText {
  const char* why;
  const char* text;
  std::vector<RocRowText> rows;
  const char* error = "";
};

const PastedText kPasted[] = {
    {"tabs with a header",
     "Nivel\tEnfermos\tSanos\r\n1\t3\t33\r\n2\t2\t6\r\n",
     {{"1", "3", "33"}, {"2", "2", "6"}}},
    {"tabs without a header", "bajo\t3\t33\nalto\t2\t6", {{"bajo", "3", "33"}, {"alto", "2", "6"}}},
    {"a header with digits is data", "a1\tb2\tc3\n", {{"a1", "b2", "c3"}}},
    {"our own CSV with a byte-order mark",
     "\xEF\xBB\xBFnivel,enfermos,sanos\r\n\"1,5 mg\",4,5\r\n",
     {{"1,5 mg", "4", "5"}}},
    {"semicolons", "nivel;enfermos;sanos\r\n\"a;\"\"b\"\"\";1;2\r\n", {{"a;\"b\"", "1", "2"}}},
    {"empty lines and trailing empty columns",
     "\n1\t2\t3\t\t\n\n2\t4\t5\n",
     {{"1", "2", "3"}, {"2", "4", "5"}}},
    {"a label alone", "solo\n", {{"solo", "", ""}}},
    {"a fourth column with text: nothing",
     "a\t1\t2\nb\t1\t2\tx\n",
     {},
     "Fila 2: hay más de tres columnas (nivel, enfermos, sanos)."},
};

TEST(ParseRocText, PastedAndReadTables) {
  for (const PastedText& c : kPasted) {
    SCOPED_TRACE(c.why);
    std::string error = "left over";
    EXPECT_EQ(parseRocText(c.text, error), c.rows);
    EXPECT_EQ(error, c.error);
  }
}

TEST(RocTableCsv, WritesAndReadsBackWithEitherSeparator) {
  const RocTable table = checkRocRows({{"1,5 \"mg\"", "3", "33"}, {"alto", "2", "0"}}).table;
  for (const auto& [separator, expected] :
       {std::pair{'.', "nivel,enfermos,sanos\r\n\"1,5 \"\"mg\"\"\",3,33\r\nalto,2,0\r\n"},
        std::pair{',', "nivel;enfermos;sanos\r\n\"1,5 \"\"mg\"\"\";3;33\r\nalto;2;0\r\n"}}) {
    SCOPED_TRACE(separator);
    const std::string csv = rocTableCsv(table, separator);
    EXPECT_EQ(csv, expected);
    const std::string path = ::testing::TempDir() + "tarnolo_roc_table.csv";
    writeTextFile(path, csv);
    const RocCheck read = readRocCsv(path);
    ASSERT_TRUE(read.ok()) << read.error;
    ASSERT_EQ(read.table.levels.size(), 2u);
    EXPECT_EQ(read.table.levels[0].label, "1,5 \"mg\"");
    EXPECT_EQ(read.table.levels[0].sanos, 33);
  }
}

TEST(ReadRocCsv, AMissingFileGivesItsFailureAndABadCellItsMessage) {
  EXPECT_EQ(readRocCsv(::testing::TempDir() + "no-such-roc.csv").error, "File not found.");
  EXPECT_EQ(readRocCsv(::testing::TempDir()).error, "File access denied.");  // a folder
  const std::string path = ::testing::TempDir() + "tarnolo_roc_bad.csv";
  writeTextFile(path, "nivel,enfermos,sanos\r\na,1,1\r\nb,x,1\r\n");
  EXPECT_EQ(readRocCsv(path).error, "Fila 2, columna «Enfermos»: «x» no es un número.");
}

TEST(AnalyseRoc, HanleyAndMcNeilsCtImages) {
  const RocAnalysis a = analyseRoc(kHanleyMcNeil, M::Wilson, 95);
  EXPECT_NEAR(a.area.area, 0.893, 0.0005);  // as published
  EXPECT_NEAR(a.area.seHanleyMcNeil.value, 0.032, 0.0005);
  // The exact fractions, computed apart, to the last digits.
  EXPECT_NEAR(a.area.area, 0.8931710615280595, 1e-15);
  EXPECT_NEAR(a.area.seHanleyMcNeil.value, 0.03248657960734213, 1e-15);
  EXPECT_NEAR(a.area.seDeLong.value, 0.03072440837938112, 1e-15);
  // Their limits, as the results file prints them.
  EXPECT_NEAR(a.area.deLong.lower.value, 0.832952327658172, 1e-15);
  EXPECT_NEAR(a.area.hanleyMcNeil.upper.value, 0.956843587539343, 1e-15);
  EXPECT_EQ(a.best, 4);  // positive from "probably abnormal": sens 44/51, esp 45/58
  ASSERT_EQ(a.curve.size(), 6u);
  EXPECT_EQ(a.curve.front().fpf, 0);
  EXPECT_EQ(a.curve.back().sens, 1);
  EXPECT_EQ(a.curve[1].k, 5);
  EXPECT_DOUBLE_EQ(a.curve[1].sens, 33.0 / 51);
}

// The area is the trapezoids under the points, for every shape of table.
TEST(AnalyseRoc, AreaIsTheTrapezoidsUnderTheCurve) {
  const RocTable tables[] = {kHanleyMcNeil, levels({{0, 5}, {5, 0}}), levels({{5, 0}, {0, 5}}),
                             levels({{2, 2}, {0, 0}, {3, 3}}), levels({{1, 4}, {7, 0}, {0, 2}})};
  for (const RocTable& t : tables) {
    const RocAnalysis a = analyseRoc(t, M::Wald, 90);
    double trapezoids = 0;
    for (size_t i = 1; i < a.curve.size(); ++i)
      trapezoids +=
          (a.curve[i].fpf - a.curve[i - 1].fpf) * (a.curve[i].sens + a.curve[i - 1].sens) / 2;
    EXPECT_NEAR(a.area.area, trapezoids, 1e-15);
  }
}

// A table of two levels is the two-by-two table of its one cut-off: the same rows as the report.
TEST(AnalyseRoc, TwoLevelsAgreeWithTheReportOfTheSameCounts) {
  constexpr M kMethods[] = {M::WaldCc,         M::Wald,         M::Wilson,  M::WilsonCc,
                            M::ClopperPearson, M::AgrestiCoull, M::Jeffreys};
  // (vp, fp, fn, vn): the level below the cut-off holds fn and vn.
  const int32_t tables[][4] = {{6, 3, 1, 10}, {10, 0, 5, 8}, {0, 4, 9, 2}, {1000, 1, 0, 999}};
  for (M method : kMethods) {
    for (const auto& t : tables) {
      SCOPED_TRACE(::testing::Message() << methodKey(method) << " " << t[0] << "," << t[1]);
      const RocAnalysis a = analyseRoc(levels({{t[2], t[3]}, {t[0], t[1]}}), method, 97.5);
      const Report report = buildReport(test::table(t[0], t[1], t[2], t[3]), method, 97.5);
      const RocCutoff& c = cutoffAt(a, 2);
      const std::string csv = rocCsv(a, '.');
      for (const ReportRow* r : {&c.sens, &c.esp, &c.cpp, &c.rvNeg, &c.youden}) {
        for (const ReportRow& want : report.rows) {
          if (want.key != r->key) continue;
          EXPECT_EQ(r->estimate.state, want.estimate.state) << want.key;
          EXPECT_EQ(r->estimate.value, want.estimate.value) << want.key;
          EXPECT_EQ(r->limits.lower.value, want.limits.lower.value) << want.key;
          EXPECT_EQ(r->limits.upper.value, want.limits.upper.value) << want.key;
          EXPECT_EQ(r->limits.note, want.limits.note) << want.key;
        }
      }
    }
  }
}

struct LevelRatioCase {
  const char* why;
  int64_t enfermos, sanos;
  State state;
  double ratio;  // of 10 diseased and 20 healthy in all
  const char* note;
};

const LevelRatioCase kLevelRatios[] = {
    {"both counts", 5, 5, State::Value, 2, ""},
    {"no healthy", 5, 0, State::Undefined, 0, "ningún sano en el nivel: cociente infinito"},
    {"no diseased", 0, 5, State::Value, 0, "ningún enfermo en el nivel: cociente 0, sin límites"},
    {"no case", 0, 0, State::Undefined, 0, "nivel sin casos: 0/0"},
};

TEST(AnalyseRoc, LevelRatiosAndTheirZeroCounts) {
  for (const LevelRatioCase& c : kLevelRatios) {
    SCOPED_TRACE(c.why);
    const RocAnalysis a =
        analyseRoc(levels({{10 - c.enfermos, 20 - c.sanos}, {c.enfermos, c.sanos}}), M::Wilson, 95);
    const ReportRow& r = a.ratios[1].ratio;
    EXPECT_EQ(r.estimate.state, c.state);
    if (c.state == State::Value) {
      EXPECT_EQ(r.estimate.value, c.ratio);
    }
    EXPECT_EQ(r.limits.note, c.note);
    EXPECT_EQ(r.limits.lower.defined(), *c.note == '\0');
  }
  // Published log-method limits for 5/10 over 5/20: SE² = 1/5 - 1/10 + 1/5 - 1/20.
  const RocAnalysis a = analyseRoc(levels({{5, 15}, {5, 5}}), M::Wilson, 95);
  const double spread = a.level.z * std::sqrt(0.25);
  EXPECT_NEAR(a.ratios[1].ratio.limits.lower.value, 2 * std::exp(-spread), 1e-15);
  EXPECT_NEAR(a.ratios[1].ratio.limits.upper.value, 2 * std::exp(spread), 1e-14);
}

TEST(AnalyseRoc, AllDiseasedAtOneLevel) {
  // Every diseased case at the top level, the healthy spread: a perfect test at cut-off 3.
  const RocAnalysis a = analyseRoc(levels({{0, 4}, {0, 3}, {6, 0}}), M::ClopperPearson, 95);
  EXPECT_EQ(a.area.area, 1);
  EXPECT_EQ(a.area.seDeLong.value, 0);
  EXPECT_EQ(a.area.deLong.lower.value, 1);
  EXPECT_EQ(a.best, 3);
  // Every diseased case at the bottom level, with one healthy case: only that tie adds to the
  // area, and the best cut-off is the one with the least negative index (-1/2 at 3).
  const RocAnalysis b = analyseRoc(levels({{6, 1}, {0, 3}, {0, 4}}), M::Wald, 95);
  EXPECT_EQ(b.area.area, 1.0 / 16);
  EXPECT_EQ(b.best, 3);
  // One diseased case only: DeLong has no variance, Hanley and McNeil still does.
  const RocAnalysis c = analyseRoc(levels({{0, 4}, {1, 3}}), M::Wald, 95);
  EXPECT_FALSE(c.area.seDeLong.defined());
  EXPECT_EQ(c.area.deLong.note, "DeLong necesita al menos 2 enfermos y 2 sanos");
  EXPECT_TRUE(c.area.seHanleyMcNeil.defined());
}

TEST(AnalyseRoc, YoudenTieGoesToTheLowestCutOff) {
  // Cut-offs 2 and 4 both have J = 1/2 exactly; 3 has 0.
  const RocAnalysis a = analyseRoc(levels({{0, 1}, {1, 0}, {0, 1}, {1, 0}}), M::Wald, 95);
  EXPECT_EQ(cutoffAt(a, 2).youden.estimate.value, 0.5);
  EXPECT_EQ(cutoffAt(a, 4).youden.estimate.value, 0.5);
  EXPECT_EQ(a.best, 2);
}

TEST(AnalyseRoc, AHundredLevelsNearTheCountLimit) {
  std::vector<std::pair<int64_t, int64_t>> counts;
  // 2147483647 in all, the largest total a count holds; the top level has 47 diseased more.
  for (int k = 0; k < 100; ++k) counts.push_back({k == 99 ? 10737465 : 10737418, 10737418});
  const RocTable t = levels(counts);
  ASSERT_EQ(t.enfermos + t.sanos, 2147483647);
  const RocAnalysis a = analyseRoc(t, M::Jeffreys, 99.9);
  EXPECT_EQ(a.cutoffs.size(), 99u);
  EXPECT_NEAR(a.area.area, 0.5000000216672192, 1e-15);  // exact fractions, apart
  EXPECT_TRUE(a.area.seDeLong.defined());
  EXPECT_LT(a.area.deLong.lower.value, a.area.area);
  EXPECT_EQ(a.best, 100);
  for (const RocCutoff& c : a.cutoffs) EXPECT_EQ(c.counts.total, 2147483647);
}

TEST(RocCsv, KeysInOrderWithFractionsAndTheBestCutOff) {
  const RocAnalysis a = analyseRoc(kHanleyMcNeil, M::Wilson, 95);
  const std::string csv = rocCsv(a, ',');
  EXPECT_EQ(csv.substr(0, csv.find('\n') + 1),
            "clave;estimación;inferior IC 95 % Wilson;superior IC 95 % Wilson;motivo\r\n");
  std::vector<std::string> keys;
  for (size_t at = csv.find('\n') + 1; at < csv.size(); at = csv.find('\n', at) + 1)
    keys.push_back(csv.substr(at, csv.find(';', at) - at));
  ASSERT_EQ(keys.size(), 4u + 4 * 5 + 5 + 1);
  EXPECT_EQ(keys[0], "auc");
  EXPECT_EQ(keys[3], "ee_hanley_mcneil");
  EXPECT_EQ(keys[4], "sens@2");
  EXPECT_EQ(keys[8], "youden@2");
  EXPECT_EQ(keys[23], "youden@5");
  EXPECT_EQ(keys[24], "rv_nivel@1");
  EXPECT_NE(csv.find("\r\nsens@5;0,6470588235294"), std::string::npos);  // 33/51
  EXPECT_NE(csv.find("\r\nmejor_corte;4;;;\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tarnolo
