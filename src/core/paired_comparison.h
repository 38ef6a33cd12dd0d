// Two tests read on the same patients: each test's own indices and the paired comparisons of
// sensitivity, specificity and the predictive values.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/report.h"

namespace tarnolo {

// The eight counts. Among the diseased: both tests positive (a), test 1 positive and test 2
// negative (b), test 1 negative and test 2 positive (c), both negative (d); among the healthy
// e, f, g, h in the same order.
struct PairedCounts {
  int64_t a = 0, b = 0, c = 0, d = 0, e = 0, f = 0, g = 0, h = 0;
};

// Each test's own two-by-two table: test 1 VP = a + b, FN = c + d, FP = e + f, VN = g + h;
// test 2 VP = a + c, FN = b + d, FP = e + g, VN = f + h.
CountTable firstTestTable(const PairedCounts& counts);
CountTable secondTestTable(const PairedCounts& counts);

inline constexpr std::string_view kPairedKeys[] = {
    "sens1",
    "sens2",
    "esp1",
    "esp2",
    "vpp1",
    "vpp2",
    "vpn1",
    "vpn2",
    "mcnemar_sens",
    "p_mcnemar_sens",
    "mcnemar_cc_sens",
    "p_mcnemar_cc_sens",
    "p_exacta_sens",
    "p_midp_sens",
    "mcnemar_esp",
    "p_mcnemar_esp",
    "mcnemar_cc_esp",
    "p_mcnemar_cc_esp",
    "p_exacta_esp",
    "p_midp_esp",
    "conjunta",
    "p_conjunta",
    "dif_sens_wald",
    "dif_sens_wald_cc",
    "dif_sens_agresti_min",
    "dif_sens_bonett_price",
    "dif_sens_tango",
    "dif_esp_wald",
    "dif_esp_wald_cc",
    "dif_esp_agresti_min",
    "dif_esp_bonett_price",
    "dif_esp_tango",
    "rel_sens",
    "p_rel_sens",
    "rel_esp",
    "p_rel_esp",
    "rel_fpf",
    "p_rel_fpf",
    "gs_vpp",
    "p_gs_vpp",
    "gs_vpn",
    "p_gs_vpn",
    "wgs_vpp",
    "p_wgs_vpp",
    "wgs_vpn",
    "p_wgs_vpn",
    "rel_vpp",
    "rel_vpn",
};

// What the user reads for a key of kPairedKeys: pairedLabel("p_exacta_sens") ->
// "Sensibilidad: McNemar exacto (binomial), p". Requires such a key.
std::string_view pairedLabel(std::string_view key);

struct PairedComparison {
  IntervalMethod method;            // of each test's own indices
  ConfidenceLevel level;            // of each test's own indices (wald-cc keeps 1.96 and 2.576)
  ConfidenceLevel comparisonLevel;  // of the comparisons: z always from the level's tail
  PairedCounts counts;
  Report test1, test2;          // each test's own report, as its own table gives it
  std::vector<ReportRow> rows;  // one per key of kPairedKeys, in that order
};

// The comparison of the counts, each test's indices with limits by method at percent, the
// comparisons' limits at the same level. Requires 50 <= percent <= 99.9. Nothing is NaN or
// infinite: what cannot be computed is Undefined with the reason in the row's note. A statistic
// and its p each get a row, the value in the estimate. Differences are test 2 - test 1, the
// relative fractions test 2 / test 1.
//  - McNemar on the discordant pairs (b, c for sensitivity, f, g for specificity), with s = b + c:
//    (b - c)²/s; corrected max(0, |b - c| - 1)²/s; exact p = min(1, 2·P(X <= min(b, c))) and
//    mid-p = P(X <= min) + P(X <= min - 1), X ~ Bin(s, 1/2). With s = 0 every p is 1 and the
//    statistic is Undefined, noted.
//  - conjunta: the sum of the two uncorrected statistics, χ² with 2 degrees of freedom; a side
//    without discordant pairs adds 0.
//  - The difference (c - b)/n (sensitivity) or (f - g)/n (specificity): Wald, Wald with
//    continuity correction z·SE + 1/n (Fleiss), Agresti-Min (SE with ½ added to every cell),
//    Bonett-Price (adjusted Wald, 1 added to each discordant cell, 2 to n) and Tango's score
//    interval, whose limits are roots found by bisection to adjacent doubles.
//  - Relative fractions by the log method: var log r = (b + c)/((a + b)(a + c)) for rel_sens,
//    (f + g)/((f + h)(g + h)) for rel_esp, (f + g)/((e + f)(e + g)) for rel_fpf.
//  - gs: Leisenring, Alonzo and Pepe's generalized score statistic; wgs: Kosinski's weighted
//    form (model variances, empirical covariance); rel_vpp, rel_vpn: the relative predictive
//    values with log limits from the multinomial delta method (Moskowitz and Pepe 2006).
PairedComparison comparePaired(const PairedCounts& counts, IntervalMethod method, double percent);

// The root finding of Tango's interval, exposed for its tests: the limits of (x - y)/n with x
// the pairs that favour test 2 and y those that favour test 1, at z. Requires n >= 1,
// x + y <= n, z > 0.
Limits tangoLimits(int64_t x, int64_t y, int64_t n, double z);

// Two-sided binomial p of McNemar's exact test for b and c, capped at 1, and its mid-p.
struct ExactP {
  double exact, midP;
};
ExactP mcnemarExact(int64_t b, int64_t c);

}  // namespace tarnolo
