// The comparison of two tests as text: its CSV, the clipboard's table and the case file.
#include "core/paired_text.h"

#include <gtest/gtest.h>

#include <string>

#include "core/failures.h"

namespace tarnolo {
namespace {

constexpr PairedCounts kPaired1{319, 78, 22, 32, 31, 53, 22, 155};

TEST(PairedCsv, ReportLayoutWithOneLinePerKey) {
  const PairedComparison c = comparePaired(kPaired1, IntervalMethod::Wilson, 95);
  for (char separator : {'.', ','}) {
    SCOPED_TRACE(separator);
    const std::string csv = pairedCsv(c, separator);
    const char d = separator == ',' ? ';' : ',';
    const std::string header = std::string("clave") + d + "estimación" + d +
                               "inferior IC 95 % Wilson" + d + "superior IC 95 % Wilson" + d +
                               "motivo\r\n";
    EXPECT_EQ(csv.substr(0, header.size()), header);
    size_t at = header.size();
    for (std::string_view key : kPairedKeys) {
      EXPECT_EQ(csv.substr(at, key.size() + 1), std::string(key) + d) << key;
      at = csv.find("\r\n", at) + 2;
    }
    EXPECT_EQ(at, csv.size());
  }
  const std::string csv = pairedCsv(c, '.');
  EXPECT_NE(csv.find("\r\nmcnemar_sens,31.36,,,\r\n"), std::string::npos);
  EXPECT_NE(csv.find("\r\nrel_sens,0.858942065491184,"), std::string::npos);
}

TEST(PairedTable, NamesBothTestsAndShowsProportionsInPercent) {
  const PairedComparison c = comparePaired(kPaired1, IntervalMethod::Wilson, 95);
  const std::string text = pairedTable(c, {"TAC", "RM, nueva"}, ',');
  for (const char* part :
       {"Índice\tTAC\tinferior\tsuperior\tRM, nueva\tinferior\tsuperior\n",
        "Enfermos\ta\t319\tb\t78\tc\t22\td\t32\n", "Sensibilidad (%)\t88,0266075388027\t",
        "\nSensibilidad: McNemar sin corrección, χ² (1 gl)\t31,36\t\t\t\n"}) {
    EXPECT_NE(text.find(part), std::string::npos) << part;
  }
}

TEST(PairedCase, RoundTripsCountsAndNamesInAnyOrder) {
  const std::array<int32_t, 8> counts{319, 78, 22, 32, 31, 53, 2147483647, -5};
  const struct {
    const char* name;
    TestNames names;
  } kCases[] = {
      {"the default names", {}},
      {"a comma and quotes", {"TAC, \"rápida\"", "RM"}},
      {"empty names", {"", ""}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string bytes = pairedCaseCsv(counts, c.names);
    const PairedCase back = parsePairedCase(bytes);
    EXPECT_EQ(back.counts, counts);
    EXPECT_EQ(back.names.first, c.names.first);
    EXPECT_EQ(back.names.second, c.names.second);
  }
  EXPECT_EQ(pairedCaseCsv({1, 2, 3, 4, 5, 6, 7, 8}, {}),
            "celda,recuento\r\na,1\r\nb,2\r\nc,3\r\nd,4\r\ne,5\r\nf,6\r\ng,7\r\nh,8\r\n"
            "prueba1,Prueba 1\r\nprueba2,Prueba 2\r\n");
  // Read back in any order and with either line end.
  const PairedCase read = parsePairedCase(
      "\xEF\xBB\xBF"
      "celda,recuento\nh,8\ng,7\nf,6\ne,5\nd,4\nc,3\nb,2\na,1\n");
  EXPECT_EQ(read.counts, (std::array<int32_t, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(read.names.first, "Prueba 1");
}

TEST(PairedCase, RefusesWhatIsNoCase) {
  const struct {
    const char* name;
    const char* bytes;
    FailureKind kind;
  } kCases[] = {
      {"empty", "", FailureKind::InOutError},
      {"a case of the main window", "\x06\0\0\0", FailureKind::InOutError},
      {"a missing cell", "celda,recuento\na,1\nb,2\nc,3\nd,4\ne,5\nf,6\ng,7\n",
       FailureKind::InOutError},
      {"a repeated cell", "celda,recuento\na,1\na,1\nb,2\nc,3\nd,4\ne,5\nf,6\ng,7\nh,8\n",
       FailureKind::InOutError},
      {"an unknown cell", "celda,recuento\nz,1\n", FailureKind::InOutError},
      {"three fields", "celda,recuento\na,1,2\n", FailureKind::InOutError},
      {"a count that is no integer", "celda,recuento\na,1.5\nb,2\nc,3\nd,4\ne,5\nf,6\ng,7\nh,8\n",
       FailureKind::ConvertError},
      {"a count beyond 32 bits",
       "celda,recuento\na,2147483648\nb,2\nc,3\nd,4\ne,5\nf,6\ng,7\nh,8\n",
       FailureKind::ConvertError},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    try {
      parsePairedCase(c.bytes);
      ADD_FAILURE() << "accepted";
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.kind(), c.kind);
    }
  }
}

}  // namespace
}  // namespace tarnolo
