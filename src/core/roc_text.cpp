// A graded test's results as text.
#include "core/roc_text.h"

#include "core/number_text.h"

namespace tarnolo {

namespace {

struct CsvWriter {
  char separator, delimiter;
  std::string text;

  std::string field(const ReportValue& v) const {
    return v.defined() ? valueText(v, separator) : "";
  }
  void line(std::initializer_list<std::string> fields) {
    bool first = true;
    for (const std::string& f : fields) {
      if (!first) text += delimiter;
      first = false;
      text += csvField(f, delimiter);
    }
    text += "\r\n";
  }
  void row(const std::string& key, const ReportValue& estimate, const Limits& limits) {
    line({key, field(estimate), field(limits.lower), field(limits.upper), limits.note});
  }
};

std::string tabs(std::initializer_list<std::string> fields) {
  std::string line;
  bool first = true;
  for (const std::string& f : fields) {
    if (!first) line += '\t';
    first = false;
    line += f;
  }
  return line + "\n";
}

}  // namespace

std::string rocIntervalName(const RocAnalysis& analysis, char separator) {
  return "IC " + RealToText(analysis.level.percent, separator) + " % " +
         std::string(methodName(analysis.method));
}

std::string rocCsv(const RocAnalysis& analysis, char separator) {
  CsvWriter out{separator, csvDelimiter(separator), {}};
  const std::string interval = rocIntervalName(analysis, separator);
  out.line({"clave", "estimación", "inferior " + interval, "superior " + interval, "motivo"});
  const RocArea& area = analysis.area;
  out.row("auc", ReportValue::of(area.area), area.deLong);
  out.row("auc_hanley_mcneil", ReportValue::of(area.area), area.hanleyMcNeil);
  out.row("ee_delong", area.seDeLong, {{}, {}, area.deLong.note});
  out.row("ee_hanley_mcneil", area.seHanleyMcNeil, {});
  for (const RocCutoff& c : analysis.cutoffs) {
    const std::string at = "@" + std::to_string(c.k);
    for (const ReportRow* r : {&c.sens, &c.esp, &c.cpp, &c.rvNeg, &c.youden})
      out.row(std::string(r->key) + at, r->estimate, r->limits);
  }
  for (const RocLevelRatio& r : analysis.ratios)
    out.row("rv_nivel@" + std::to_string(r.k), r.ratio.estimate, r.ratio.limits);
  out.line({"mejor_corte", std::to_string(analysis.best), "", "", ""});
  return out.text;
}

std::string rocResultsTable(const RocAnalysis& analysis, char separator, ProportionScale scale) {
  auto v = [&](std::string_view key, const ReportValue& value) {
    return valueText(key, value, separator, scale);
  };
  const bool percent = scale == ProportionScale::Percent;
  const RocArea& area = analysis.area;
  std::string text = "Curva ROC de una prueba con varios niveles\n";
  text += tabs({"Enfermos", std::to_string(analysis.table.enfermos), "Sanos",
                std::to_string(analysis.table.sanos)});
  text +=
      tabs({"Nivel de confianza", "IC " + RealToText(analysis.level.percent, separator) + " %"});
  text += tabs({"Proporciones", std::string(methodName(analysis.method)) + " (" +
                                    std::string(methodReference(analysis.method)) + ")"});
  text += tabs({"Cocientes de los puntos de corte", std::string(ratioMethodName(analysis.method))});
  text += tabs({"Cocientes de los niveles", "método logarítmico"});
  text += "\n" + tabs({"", "Estimación", "Límite inferior", "Límite superior", "Nota"});
  text +=
      tabs({"Área bajo la curva, " + std::string(kDeLongName), v("", ReportValue::of(area.area)),
            v("", area.deLong.lower), v("", area.deLong.upper), area.deLong.note});
  text += tabs({"Área bajo la curva, " + std::string(kHanleyMcNeilName),
                v("", ReportValue::of(area.area)), v("", area.hanleyMcNeil.lower),
                v("", area.hanleyMcNeil.upper), area.hanleyMcNeil.note});
  text += tabs({"Error estándar, DeLong", v("", area.seDeLong)});
  text += tabs({"Error estándar, Hanley y McNeil", v("", area.seHanleyMcNeil)});
  text += tabs({"Mejor punto de corte (índice de Youden máximo)",
                "positivo desde el nivel " + std::to_string(analysis.best)});
  text += "\nNiveles, del menos al más sugestivo de enfermedad\n";
  text += tabs({"Nivel", "Etiqueta", "Enfermos", "Sanos", "Cociente del nivel", "Límite inferior",
                "Límite superior", "Nota"});
  for (const RocLevelRatio& r : analysis.ratios) {
    const RocLevel& level = analysis.table.levels[r.k - 1];
    text += tabs({std::to_string(r.k), level.label, std::to_string(level.enfermos),
                  std::to_string(level.sanos), v("", r.ratio.estimate), v("", r.ratio.limits.lower),
                  v("", r.ratio.limits.upper), r.ratio.limits.note});
  }
  text += "\nPuntos de corte: positivo desde el nivel K\n";
  const std::string unit = percent ? " (%)" : "";
  text += tabs({"K",        "VP",       "FP",
                "FN",       "VN",       "Sensibilidad" + unit,
                "Inferior", "Superior", "Especificidad" + unit,
                "Inferior", "Superior", "CP+",
                "Inferior", "Superior", "Cociente negativo",
                "Inferior", "Superior", "Índice de Youden",
                "Inferior", "Superior"});
  for (const RocCutoff& c : analysis.cutoffs) {
    std::string line = std::to_string(c.k) + "\t" + std::to_string(c.counts.vp) + "\t" +
                       std::to_string(c.counts.fp) + "\t" + std::to_string(c.counts.fn) + "\t" +
                       std::to_string(c.counts.vn);
    for (const ReportRow* r : {&c.sens, &c.esp, &c.cpp, &c.rvNeg, &c.youden}) {
      line += "\t" + v(r->key, r->estimate) + "\t" + v(r->key, r->limits.lower) + "\t" +
              v(r->key, r->limits.upper);
    }
    text += line + "\n";
  }
  return text;
}

}  // namespace tarnolo
