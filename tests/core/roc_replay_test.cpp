// Graded tests through the replay tool and into the main window's cells.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "core/number_text.h"
#include "core/roc_use.h"
#include "core/text_file.h"
#include "session_helpers.h"

namespace tarnolo {
namespace {

using test::errors;
using test::run;

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The CT images of Hanley and McNeil (1982), as the window saves them, in a file of the running
// test's own: the tests run as processes of their own, side by side.
std::string ctImagesFile() {
  const std::string path = ::testing::TempDir() + "tarnolo_roc_ct_" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".csv";
  writeTextFile(path,
                "nivel,enfermos,sanos\r\nnormal,3,33\r\nprobablemente normal,2,6\r\n"
                "dudoso,2,6\r\nprobablemente anormal,11,11\r\nanormal,33,2\r\n");
  return path;
}

TEST(RocStep, WritesTheResultsInTheReportsLayoutOrShowsTheFailure) {
  const std::string in = ctImagesFile(), out = ::testing::TempDir() + "tarnolo roc out.csv";
  ModelSession session;
  // The last output cannot be written: the failure box, and the replay goes on.
  run(session, "roc " + in + " wilson 95 " + out + "\nseparator ,\nroc " + in +
                   " clopper-pearson 99.9 " + out + ".2\nroc " + in + " wald 90 " +
                   ::testing::TempDir() + "no-such-folder/o.csv\n");
  const std::string csv = fileText(out);
  EXPECT_EQ(csv.substr(0, csv.find("ee_delong")),
            "clave,estimación,inferior IC 95 % Wilson,superior IC 95 % Wilson,motivo\r\n"
            "auc,0.893171061528059,0.832952327658172,0.953389795397947,\r\n"
            "auc_hanley_mcneil,0.893171061528059,0.829498535516776,0.956843587539343,\r\n");
  EXPECT_NE(csv.find("\r\nee_hanley_mcneil,0.0324865796073421,,,\r\n"), std::string::npos);
  EXPECT_NE(csv.find("\r\nmejor_corte,4,,,\r\n"), std::string::npos);
  const std::string comma = fileText(out + ".2");
  EXPECT_EQ(comma.substr(0, comma.find("\r\n")),
            "clave;estimación;inferior IC 99,9 % Clopper-Pearson exacto;"
            "superior IC 99,9 % Clopper-Pearson exacto;motivo");
  EXPECT_NE(comma.find("\r\nsens@5;0,647058823529412;"), std::string::npos);
  EXPECT_EQ(errors(session), std::vector<std::string>{"Invalid filename."});
  for (const std::string& path : {in, out, out + ".2"}) std::remove(path.c_str());
}

TEST(RocStep, BadStepsAndRefusedFilesStopWithTheLineNumber) {
  const std::string dir = ::testing::TempDir(), good = ctImagesFile();
  const std::string bad = dir + "tarnolo_roc_refused.csv";
  writeTextFile(bad, "nivel,enfermos,sanos\r\na,1,2\r\nb,1,2.5\r\n");
  const std::pair<std::string, std::string> cases[] = {
      {"roc\n", "line 1: roc needs IN METHOD LEVEL OUT\n"},
      {"roc " + good + " wald 95\n", "line 1: roc needs IN METHOD LEVEL OUT\n"},
      {"roc " + good + " exact 95 o.csv\n", "line 1: unknown report method 'exact'\n"},
      {"roc " + good + " wald 99.95 o.csv\n", "line 1: roc needs a level from 50 to 99.9\n"},
      {"roc " + good + " wald 95,5 o.csv\n", "line 1: roc needs a level from 50 to 99.9\n"},
      {"roc " + dir + "no-such.csv wald 95 o.csv\n", "line 1: File not found.\n"},
      {"set VP 1\nroc " + bad + " wald 95 o.csv\n",
       "line 2: Fila 2, columna «Sanos»: «2.5» no es un número entero.\n"},
  };
  for (const auto& [script, message] : cases) {
    SCOPED_TRACE(script);
    ModelSession session;
    std::istringstream in(script);
    std::ostringstream err;
    EXPECT_EQ(replay::runScript(in, session, err), 2);
    EXPECT_EQ(err.str(), message);
  }
  std::remove(good.c_str());
  std::remove(bad.c_str());
}

struct CutoffCase {
  const char* why;
  CountTable table;
  const char* expected;  // the main window's controls afterwards
  std::vector<std::string> failures;
};

const CutoffCase kCutoffs[] = {
    {"the best cut-off of the CT images",
     countTable(44, 13, 7, 45),
     "VP=44 FP=13 FN=7 VN=45 ENFERMOS=51 total=109 sens=86.2745098039216",
     {}},
    // A cut-off above every case: Calcular fails on 0/0 as it does when the user types it.
    {"nothing positive",
     countTable(0, 0, 51, 58),
     "VP=0 FP=0 FN=51 VN=58 total=109",
     {"Invalid floating point operation."}},
    {"the largest counts",
     countTable(1073741800, 1, 1, 1073741845),
     "VP=1073741800 FN=1 VN=1073741845 total=2147483647",
     {}},
};

TEST(UseCutoff, TypesTheFourCellsAndCalculatesAsAUser) {
  for (const CutoffCase& c : kCutoffs) {
    SCOPED_TRACE(c.why);
    ModelSession session;
    int followed = 0;
    session.table.addDeliveryObserver([&followed] { ++followed; });
    EXPECT_EQ(useCutoff(c.table, session.model, session.table), c.failures.empty());
    test::expectControls(session, c.expected);
    EXPECT_EQ(followed, 1);  // the windows that follow the main one are told once
    EXPECT_EQ(session.state().vp, c.table.vp);
    EXPECT_EQ(errors(session), c.failures);
  }
}

}  // namespace
}  // namespace tarnolo
