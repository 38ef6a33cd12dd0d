// Two tests on the same patients: the paired comparisons.
#include "core/paired_comparison.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <string>

#include "core/arithmetic.h"
#include "core/beta_distribution.h"

namespace tarnolo {

namespace {

constexpr std::string_view kLabels[] = {
    "Sensibilidad, prueba 1",
    "Sensibilidad, prueba 2",
    "Especificidad, prueba 1",
    "Especificidad, prueba 2",
    "Valor predictivo positivo, prueba 1",
    "Valor predictivo positivo, prueba 2",
    "Valor predictivo negativo, prueba 1",
    "Valor predictivo negativo, prueba 2",
    "Sensibilidad: McNemar sin corrección, χ² (1 gl)",
    "Sensibilidad: McNemar sin corrección, p",
    "Sensibilidad: McNemar con corrección de continuidad, χ² (1 gl)",
    "Sensibilidad: McNemar con corrección de continuidad, p",
    "Sensibilidad: McNemar exacto (binomial), p",
    "Sensibilidad: McNemar mid-p, p",
    "Especificidad: McNemar sin corrección, χ² (1 gl)",
    "Especificidad: McNemar sin corrección, p",
    "Especificidad: McNemar con corrección de continuidad, χ² (1 gl)",
    "Especificidad: McNemar con corrección de continuidad, p",
    "Especificidad: McNemar exacto (binomial), p",
    "Especificidad: McNemar mid-p, p",
    "Sensibilidad y especificidad a la vez: prueba conjunta, χ² (2 gl)",
    "Sensibilidad y especificidad a la vez: prueba conjunta, p",
    "Diferencia de sensibilidad (2 - 1), Wald",
    "Diferencia de sensibilidad (2 - 1), Wald con corrección de continuidad (Fleiss)",
    "Diferencia de sensibilidad (2 - 1), Agresti-Min",
    "Diferencia de sensibilidad (2 - 1), Bonett-Price",
    "Diferencia de sensibilidad (2 - 1), Tango (score)",
    "Diferencia de especificidad (2 - 1), Wald",
    "Diferencia de especificidad (2 - 1), Wald con corrección de continuidad (Fleiss)",
    "Diferencia de especificidad (2 - 1), Agresti-Min",
    "Diferencia de especificidad (2 - 1), Bonett-Price",
    "Diferencia de especificidad (2 - 1), Tango (score)",
    "Sensibilidad relativa (2/1)",
    "Sensibilidad relativa (2/1), p",
    "Especificidad relativa (2/1)",
    "Especificidad relativa (2/1), p",
    "Fracción de falsos positivos relativa (2/1)",
    "Fracción de falsos positivos relativa (2/1), p",
    "Valor predictivo positivo: score generalizado, χ² (1 gl)",
    "Valor predictivo positivo: score generalizado, p",
    "Valor predictivo negativo: score generalizado, χ² (1 gl)",
    "Valor predictivo negativo: score generalizado, p",
    "Valor predictivo positivo: score generalizado ponderado, χ² (1 gl)",
    "Valor predictivo positivo: score generalizado ponderado, p",
    "Valor predictivo negativo: score generalizado ponderado, χ² (1 gl)",
    "Valor predictivo negativo: score generalizado ponderado, p",
    "Valor predictivo positivo relativo (2/1)",
    "Valor predictivo negativo relativo (2/1)",
};
static_assert(std::size(kLabels) == std::size(kPairedKeys));

// The key as kPairedKeys holds it, so that a row's key outlives the text it was looked up by.
std::string_view stableKey(std::string_view key) {
  const auto it = std::find(std::begin(kPairedKeys), std::end(kPairedKeys), key);
  assert(it != std::end(kPairedKeys));
  return *it;
}

ReportRow emptyRow(std::string_view key, const std::string& note = "") {
  return {stableKey(key), pairedLabel(key), {}, {{}, {}, note}};
}

ReportRow valueRow(std::string_view key, Ext value, const std::string& note = "") {
  ReportRow row = emptyRow(key, note);
  row.estimate = ReportValue::of(store(value));
  return row;
}

// The upper tail of χ² with 1 degree of freedom at x: erfc(√(x/2)).
Ext chiSquare1P(Ext x) {
  return std::erfc(std::sqrt(x / 2));
}

// The two-sided normal p of a standardized value.
Ext normalP(Ext z) {
  return std::erfc(std::fabs(z) / std::sqrt(static_cast<Ext>(2)));
}

// P(X <= k) for X ~ Bin(n, 1/2): I_½(n - k, k + 1).
double binomialHalfCdf(int64_t k, int64_t n) {
  if (k < 0) return 0;
  if (k >= n) return 1;
  return betaTails(0.5, static_cast<double>(n - k), static_cast<double>(k + 1)).lower;
}

// The six McNemar rows of one index, suffix "sens" or "esp"; empty explains a margin of 0.
void mcnemarRows(std::vector<ReportRow>& rows, int64_t b, int64_t c, const std::string& suffix,
                 const char* empty) {
  const std::string keys[] = {"mcnemar_" + suffix,    "p_mcnemar_" + suffix,
                              "mcnemar_cc_" + suffix, "p_mcnemar_cc_" + suffix,
                              "p_exacta_" + suffix,   "p_midp_" + suffix};
  if (empty) {
    for (const std::string& key : keys) rows.push_back(emptyRow(key, empty));
    return;
  }
  const int64_t s = b + c;
  if (s == 0) {
    const std::string why = "sin pares discordantes: no hay estadístico, p = 1";
    rows.push_back(emptyRow(keys[0], why));
    rows.push_back(valueRow(keys[1], 1, why));
    rows.push_back(emptyRow(keys[2], why));
    for (int i = 3; i < 6; ++i) rows.push_back(valueRow(keys[i], 1, why));
    return;
  }
  const Ext diff = static_cast<Ext>(b) - c;
  const Ext plain = diff * diff / s;
  const Ext excess = std::max<Ext>(0, std::fabs(diff) - 1);
  const Ext corrected = excess * excess / s;
  rows.push_back(valueRow(keys[0], plain));
  rows.push_back(valueRow(keys[1], chiSquare1P(plain)));
  rows.push_back(valueRow(keys[2], corrected));
  rows.push_back(valueRow(keys[3], chiSquare1P(corrected)));
  const ExactP exact = mcnemarExact(b, c);
  rows.push_back(valueRow(keys[4], exact.exact));
  rows.push_back(valueRow(keys[5], exact.midP));
}

// A difference limit kept inside [-1, 1], noted when cut.
ReportValue differenceLimit(Ext value, std::string& note) {
  if (value < -1 || value > 1) {
    addNote(note, "truncado a -1..1");
    return ReportValue::of(value < 0 ? -1 : 1);
  }
  return ReportValue::of(store(value));
}

Limits symmetricLimits(Ext center, Ext half) {
  Limits limits;
  limits.lower = differenceLimit(center - half, limits.note);
  std::string upperNote;
  limits.upper = differenceLimit(center + half, upperNote);
  if (limits.note.empty()) limits.note = upperNote;
  return limits;
}

// The five rows of the difference (x - y)/n, prefix "dif_sens_" or "dif_esp_".
void differenceRows(std::vector<ReportRow>& rows, int64_t x, int64_t y, int64_t n, Ext z,
                    const std::string& prefix, const char* empty) {
  const std::string keys[] = {prefix + "wald", prefix + "wald_cc", prefix + "agresti_min",
                              prefix + "bonett_price", prefix + "tango"};
  if (empty) {
    for (const std::string& key : keys) rows.push_back(emptyRow(key, empty));
    return;
  }
  const Ext nn = n, d = (static_cast<Ext>(x) - y) / nn;
  const Ext se = std::sqrt(std::max<Ext>(0, x + y - (static_cast<Ext>(x) - y) * d)) / nn;
  ReportRow wald = valueRow(keys[0], d), waldCc = valueRow(keys[1], d);
  if (se > 0) {
    wald.limits = symmetricLimits(d, z * se);
  } else {
    wald.limits.note = "el error estándar es 0: el intervalo de Wald no tiene anchura";
  }
  waldCc.limits = symmetricLimits(d, z * se + 1 / nn);
  rows.push_back(wald);
  rows.push_back(waldCc);

  // Agresti-Min: the standard error of the table with ½ added to every cell, around d.
  const Ext xa = x + 0.5L, ya = y + 0.5L, na = nn + 2;
  const Ext seAm = std::sqrt(xa + ya - (xa - ya) * (xa - ya) / na) / na;
  ReportRow agrestiMin = valueRow(keys[2], d);
  agrestiMin.limits = symmetricLimits(d, z * seAm);
  rows.push_back(agrestiMin);

  // Bonett-Price: 1 added to each discordant cell and 2 to n, centred on the adjusted difference.
  const Ext px = (x + 1) / (nn + 2), py = (y + 1) / (nn + 2), db = px - py;
  const Ext seBp = std::sqrt((px + py - db * db) / (nn + 2));
  ReportRow bonettPrice = valueRow(keys[3], d);
  bonettPrice.limits = symmetricLimits(db, z * seBp);
  rows.push_back(bonettPrice);

  ReportRow tango = valueRow(keys[4], d);
  tango.limits = tangoLimits(x, y, n, static_cast<double>(z));
  rows.push_back(tango);
}

// Tango's score statistic minus z at delta, for the difference (x - y)/n: positive below the
// lower limit, 0 or negative above. Compares the numerator with z times the root of the
// variance, so that a variance of 0 divides nothing.
Ext tangoExcess(Ext x, Ext y, Ext n, Ext z, Ext delta) {
  const Ext spread = delta * (1 - delta);
  const Ext w = -x - y + (2 * n - x + y) * delta;
  const Ext root = std::sqrt(std::max<Ext>(0, w * w + 8 * n * y * spread));
  const Ext q = (root - w) / (4 * n);  // the restricted estimate of y's cell probability
  const Ext variance = std::max<Ext>(0, n * (2 * q + spread));
  return (x - y - n * delta) - z * std::sqrt(variance);
}

// The lower limit: bisection on [-1, d] to two adjacent doubles, the nearer to the root kept.
double tangoLower(int64_t x, int64_t y, int64_t n, double z) {
  const Ext xe = x, ye = y, ne = n;
  double lo = -1, hi = static_cast<double>((xe - ye) / ne);
  if (tangoExcess(xe, ye, ne, z, lo) <= 0) return lo;
  for (;;) {
    const double mid = lo + (hi - lo) / 2;
    if (mid <= lo || mid >= hi) break;
    (tangoExcess(xe, ye, ne, z, mid) > 0 ? lo : hi) = mid;
  }
  const Ext below = std::fabs(tangoExcess(xe, ye, ne, z, lo));
  const Ext above = std::fabs(tangoExcess(xe, ye, ne, z, hi));
  return below < above ? lo : hi;
}

// The three relative-fraction rows r = num2/num1 with var log r = discordant/(num1·num2).
void relativeRows(std::vector<ReportRow>& rows, const std::string& key, int64_t num2, int64_t num1,
                  int64_t discordant, Ext z, const char* empty, const char* noFirst) {
  const std::string pKey = "p_" + key;
  if (empty || num1 == 0) {
    const std::string why = empty ? empty : noFirst;
    rows.push_back(emptyRow(key, why));
    rows.push_back(emptyRow(pKey, why));
    return;
  }
  const Ext r = static_cast<Ext>(num2) / num1;
  ReportRow ratio = valueRow(key, r);
  if (num2 == 0) {
    ratio.limits.note = "el cociente es 0: el método logarítmico no da límites";
    rows.push_back(ratio);
    rows.push_back(emptyRow(pKey, ratio.limits.note));
    return;
  }
  if (discordant == 0) {
    ratio.limits.note = "sin pares discordantes: el cociente es 1 sin variabilidad";
    rows.push_back(ratio);
    rows.push_back(valueRow(pKey, 1, ratio.limits.note));
    return;
  }
  const Ext se = std::sqrt(discordant / (static_cast<Ext>(num1) * num2));
  ratio.limits.lower = ReportValue::of(store(r * std::exp(-z * se)));
  ratio.limits.upper = ReportValue::of(store(r * std::exp(z * se)));
  rows.push_back(ratio);
  rows.push_back(valueRow(pKey, normalP(std::log(r) / se)));
}

// The readings of one predictive value: A, B, C those of the patients the value counts as
// right (both tests, test 1 only, test 2 only), E, F, G the others. For the positive value
// (a, b, c, e, f, g), for the negative one (h, g, f, d, c, b).
struct PvCells {
  Ext A, B, C, E, F, G;
};

struct ScoreStatistics {
  bool defined = false;
  std::string note;
  Ext gs = 0, wgs = 0;
  bool wgsDefined = false;
};

// The generalized score statistic U²/Σ rᵢ², with U the score of test 2's effect at the pooled
// value p and rᵢ each patient's contribution less k times its share of the intercept's score,
// k = N2/(N1 + N2); the weighted form replaces each test's own empirical variance by the
// model's p(1 - p) and keeps the empirical covariance of the patients read by both.
ScoreStatistics scoreStatistics(const PvCells& v) {
  ScoreStatistics s;
  const Ext n1 = v.A + v.B + v.E + v.F, n2 = v.A + v.C + v.E + v.G, n = n1 + n2;
  if (n1 == 0 || n2 == 0) {
    s.note = "una de las pruebas no tiene resultados de ese signo";
    return s;
  }
  const Ext p = (2 * v.A + v.B + v.C) / n, k = n2 / n, m = 1 - k;
  const Ext u = (v.A + v.C) * (1 - p) - (v.E + v.G) * p;
  auto sq = [](Ext t) { return t * t; };
  const Ext empirical = v.A * sq((1 - p) * (m - k)) + v.B * sq(k * (1 - p)) +
                        v.C * sq(m * (1 - p)) + v.E * sq(p * (m - k)) + v.F * sq(k * p) +
                        v.G * sq(m * p);
  if (!(empirical > 0)) {
    s.note = "la varianza es 0: los dos valores predictivos son 0 o 1";
    return s;
  }
  s.defined = true;
  s.gs = u * u / empirical;
  const Ext weighted = p * (1 - p) * n1 * n2 / n - 2 * k * m * (v.A * sq(1 - p) + v.E * sq(p));
  s.wgsDefined = weighted > 0;
  if (s.wgsDefined) s.wgs = u * u / weighted;
  return s;
}

void scoreRows(std::vector<ReportRow>& rows, const std::string& key, bool defined, Ext value,
               const std::string& note) {
  if (!defined) {
    rows.push_back(emptyRow(key, note));
    rows.push_back(emptyRow("p_" + key, note));
    return;
  }
  rows.push_back(valueRow(key, value));
  rows.push_back(valueRow("p_" + key, chiSquare1P(value)));
}

// The relative predictive value PV2/PV1 with log limits; the variance of log r by the delta
// method on the multinomial cells.
ReportRow relativePvRow(const std::string& key, const PvCells& v, Ext z) {
  const Ext p1 = v.A + v.B + v.E + v.F, p2 = v.A + v.C + v.E + v.G;
  const Ext right1 = v.A + v.B, right2 = v.A + v.C;
  if (p1 == 0 || p2 == 0)
    return emptyRow(key, "una de las pruebas no tiene resultados de ese signo");
  if (right1 == 0) return emptyRow(key, "el valor predictivo de la prueba 1 es 0");
  const Ext r = right2 * p1 / (right1 * p2);
  ReportRow row = valueRow(key, r);
  if (right2 == 0) {
    row.limits.note = "el cociente es 0: el método logarítmico no da límites";
    return row;
  }
  const Ext gA = 1 / right2 - 1 / p2 - 1 / right1 + 1 / p1, gB = 1 / p1 - 1 / right1,
            gC = 1 / right2 - 1 / p2, gE = 1 / p1 - 1 / p2, gF = 1 / p1, gG = -1 / p2;
  const Ext variance =
      v.A * gA * gA + v.B * gB * gB + v.C * gC * gC + v.E * gE * gE + v.F * gF * gF + v.G * gG * gG;
  if (!(variance > 0)) {
    row.limits.note = "la varianza es 0: sin límites";
    return row;
  }
  const Ext se = std::sqrt(variance);
  row.limits.lower = ReportValue::of(store(r * std::exp(-z * se)));
  row.limits.upper = ReportValue::of(store(r * std::exp(z * se)));
  return row;
}

void testRows(std::vector<ReportRow>& rows, const Report& test1, const Report& test2) {
  constexpr std::string_view kIndices[] = {"sens", "esp", "vpp", "vpn"};
  for (size_t i = 0; i < std::size(kIndices); ++i) {
    for (const Report* test : {&test1, &test2}) {
      ReportRow row = test->rows[i];
      assert(row.key == kIndices[i]);
      const std::string key = std::string(kIndices[i]) + (test == &test1 ? "1" : "2");
      row.key = stableKey(key);
      row.label = pairedLabel(key);
      rows.push_back(row);
    }
  }
}

}  // namespace

std::string_view pairedLabel(std::string_view key) {
  const auto it = std::find(std::begin(kPairedKeys), std::end(kPairedKeys), key);
  assert(it != std::end(kPairedKeys));
  return kLabels[it - std::begin(kPairedKeys)];
}

CountTable firstTestTable(const PairedCounts& k) {
  const int64_t vp = k.a + k.b, fp = k.e + k.f, fn = k.c + k.d, vn = k.g + k.h;
  return {vp, fp, fn, vn, vp + fn, fp + vn, vp + fp, fn + vn, vp + vn, vp + fp + fn + vn};
}

CountTable secondTestTable(const PairedCounts& k) {
  const int64_t vp = k.a + k.c, fp = k.e + k.g, fn = k.b + k.d, vn = k.f + k.h;
  return {vp, fp, fn, vn, vp + fn, fp + vn, vp + fp, fn + vn, vp + vn, vp + fp + fn + vn};
}

ExactP mcnemarExact(int64_t b, int64_t c) {
  const int64_t s = b + c, k = std::min(b, c);
  if (s == 0) return {1, 1};
  const double atMost = binomialHalfCdf(k, s), below = binomialHalfCdf(k - 1, s);
  // With b = c the doubled tail counts the middle twice and passes 1.
  return {std::min(1.0, 2 * atMost), std::min(1.0, atMost + below)};
}

Limits tangoLimits(int64_t x, int64_t y, int64_t n, double z) {
  assert(n >= 1 && x >= 0 && y >= 0 && x + y <= n && z > 0);
  // Swapping the two tests mirrors the difference: the upper limit is the mirrored lower one.
  return {ReportValue::of(tangoLower(x, y, n, z)), ReportValue::of(-tangoLower(y, x, n, z)), ""};
}

PairedComparison comparePaired(const PairedCounts& k, IntervalMethod method, double percent) {
  PairedComparison result{method,
                          confidenceLevel(percent, method),
                          confidenceLevel(percent, IntervalMethod::Wald),
                          k,
                          buildReport(firstTestTable(k), method, percent),
                          buildReport(secondTestTable(k), method, percent),
                          {}};
  std::vector<ReportRow>& rows = result.rows;
  testRows(rows, result.test1, result.test2);
  if (std::min({k.a, k.b, k.c, k.d, k.e, k.f, k.g, k.h}) < 0) {
    for (size_t i = rows.size(); i < std::size(kPairedKeys); ++i)
      rows.push_back(emptyRow(kPairedKeys[i], "hay recuentos negativos"));
    return result;
  }
  const Ext z = result.comparisonLevel.z;
  const int64_t diseased = k.a + k.b + k.c + k.d, healthy = k.e + k.f + k.g + k.h;
  const char* noDiseased = diseased == 0 ? "no hay enfermos" : nullptr;
  const char* noHealthy = healthy == 0 ? "no hay sanos" : nullptr;
  mcnemarRows(rows, k.b, k.c, "sens", noDiseased);
  mcnemarRows(rows, k.f, k.g, "esp", noHealthy);

  if (noDiseased || noHealthy) {
    const std::string why = "hacen falta enfermos y sanos";
    rows.push_back(emptyRow("conjunta", why));
    rows.push_back(emptyRow("p_conjunta", why));
  } else {
    auto statistic = [](int64_t b, int64_t c) {
      const Ext diff = static_cast<Ext>(b) - c;
      return b + c == 0 ? 0 : diff * diff / (b + c);
    };
    const Ext joint = statistic(k.b, k.c) + statistic(k.f, k.g);
    const bool none = k.b + k.c == 0 || k.f + k.g == 0;
    const std::string note = none ? "un lado sin pares discordantes suma 0" : "";
    rows.push_back(valueRow("conjunta", joint, note));
    rows.push_back(valueRow("p_conjunta", std::exp(-joint / 2), note));
  }

  differenceRows(rows, k.c, k.b, diseased, z, "dif_sens_", noDiseased);
  differenceRows(rows, k.f, k.g, healthy, z, "dif_esp_", noHealthy);

  relativeRows(rows, "rel_sens", k.a + k.c, k.a + k.b, k.b + k.c, z, noDiseased,
               "la sensibilidad de la prueba 1 es 0");
  relativeRows(rows, "rel_esp", k.f + k.h, k.g + k.h, k.f + k.g, z, noHealthy,
               "la especificidad de la prueba 1 es 0");
  relativeRows(rows, "rel_fpf", k.e + k.g, k.e + k.f, k.f + k.g, z, noHealthy,
               "la fracción de falsos positivos de la prueba 1 es 0");

  const PvCells positive{Ext(k.a), Ext(k.b), Ext(k.c), Ext(k.e), Ext(k.f), Ext(k.g)};
  const PvCells negative{Ext(k.h), Ext(k.g), Ext(k.f), Ext(k.d), Ext(k.c), Ext(k.b)};
  const ScoreStatistics sp = scoreStatistics(positive), sn = scoreStatistics(negative);
  const std::string noWeighted = "la varianza ponderada no es positiva";
  scoreRows(rows, "gs_vpp", sp.defined, sp.gs, sp.note);
  scoreRows(rows, "gs_vpn", sn.defined, sn.gs, sn.note);
  scoreRows(rows, "wgs_vpp", sp.defined && sp.wgsDefined, sp.wgs,
            sp.defined ? noWeighted : sp.note);
  scoreRows(rows, "wgs_vpn", sn.defined && sn.wgsDefined, sn.wgs,
            sn.defined ? noWeighted : sn.note);
  rows.push_back(relativePvRow("rel_vpp", positive, z));
  rows.push_back(relativePvRow("rel_vpn", negative, z));
  assert(rows.size() == std::size(kPairedKeys));
  return result;
}

}  // namespace tarnolo
