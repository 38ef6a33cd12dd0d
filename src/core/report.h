// The full report of a two-by-two table: fifteen indices, each with its estimate and its
// confidence limits by a chosen method at a chosen level. The report window, the clipboard, the
// CSV file and the replay tool all show this model (report_text.h writes it).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/case_state.h"
#include "core/proportion_limits.h"
#include "core/report_value.h"

namespace tarnolo {

// The counts of the table and its margins, formed in 64 bits.
struct CountTable {
  int64_t vp, fp, fn, vn;
  int64_t enfermos, sanos, positivos, negativos, aciertos, total;  // aciertos = vp + vn
};
CountTable countTable(int32_t vp, int32_t fp, int32_t fn, int32_t vn);

struct ReportRow {
  std::string_view key;    // stable, the CSV's first column: "sens", "esp", ...
  std::string_view label;  // what the user reads: "Sensibilidad", ...
  ReportValue estimate;
  Limits limits;  // its note also says why the estimate is missing
};

struct Report {
  IntervalMethod method;
  ConfidenceLevel level;
  CountTable counts;
  std::vector<ReportRow> rows;  // one per key of kReportKeys, in that order
};

inline constexpr std::string_view kReportKeys[] = {"sens",   "esp",        "vpp",    "vpn", "prev",
                                                   "prevap", "exactitud",  "youden", "cpp", "cpn",
                                                   "rv_neg", "odds_ratio", "fpf",    "fnf", "nnd"};

// What the user reads for a key: reportLabel("sens") -> "Sensibilidad". Requires a key of
// kReportKeys.
std::string_view reportLabel(std::string_view key);

// The report of the four counts vp, fp, fn, vn of state; the margins are formed again from them.
// After a Calcular, sens, esp, vpp, vpn, prev, prevap, cpp and cpn, and with wald-cc at 95 and
// 99 % their limits, are bit for bit the main window's fields. After a Bayes step, whose fields
// come from the sliders, the report describes the rebuilt table of whole counts that the count
// cells show. Requires 50 <= percent <= 99.9.
//
// The indices, as fractions: sens = VP/(VP+FN), esp = VN/(FP+VN), vpp = VP/(VP+FP),
// vpn = VN/(FN+VN), prev = (VP+FN)/N, prevap = (VP+FP)/N, exactitud = (VP+VN)/N,
// fpf = FP/(FP+VN), fnf = FN/(VP+FN), with limits by proportionLimits; youden = sens + esp - 1;
// cpp = sens/(1 - esp), the positive likelihood ratio; rv_neg = (1 - sens)/esp, the negative
// likelihood ratio; cpn = esp/(1 - sens), the main window's "CP-", the reciprocal of rv_neg;
// odds_ratio = VP·VN/(FP·FN); nnd = 1/youden, the number needed to diagnose.
//
// Nothing is ever NaN or infinite: what cannot be computed is Undefined, with a short reason in
// Spanish in the row's note. The rules:
//  - A negative count (a Bayes step on a negative total gives them): every value Undefined.
//  - A proportion over a margin of 0: Undefined. At 0 or all successes each method follows its
//    own rule (proportion_limits.h): the exact, score and Jeffreys limits stay defined, Wald has
//    none, wald-cc marks a limit past 0 or 1 OutOfRange.
//  - An infinite or 0/0 ratio is Undefined: cpp needs FP > 0, cpn FN > 0, rv_neg VN > 0 and
//    odds_ratio FP·FN > 0. A ratio of 0 (VP = 0, say) is a value.
//  - Ratio limits by the log method with every method but wald-cc: R·exp(-/+ z·SE), with
//    SE² = 1/VP - 1/(VP+FN) + 1/FP - 1/(FP+VN) for cpp (Simel, Samsa and Matchar 1991),
//    1/FN - 1/(VP+FN) + 1/VN - 1/(FP+VN) for rv_neg and, reciprocally, cpn, and
//    1/VP + 1/FP + 1/FN + 1/VN for odds_ratio (Woolf 1955). A zero among the counts in SE
//    leaves both limits Undefined: no 0.5 is added to any cell.
//  - With wald-cc the main window's rule: ratios of the wald-cc limits, like with like,
//    cpp [sensLi/(1 - espLi), sensLs/(1 - espLs)], cpn [espLi/(1 - sensLi), espLs/(1 - sensLs)],
//    rv_neg [(1 - sensLs)/espLs, (1 - sensLi)/espLi], odds_ratio [cppLi·cpnLi, cppLs·cpnLs],
//    from the limits as computed, also those out of range; a division by zero leaves the limit
//    Undefined, a negative limit is OutOfRange ("*", as in the main window).
//  - youden's limits by Newcombe's square-and-add from the method's limits of sens and esp:
//    J - sqrt((sens - sensLi)² + (esp - espLi)²), J + sqrt((sensLs - sens)² + (espLs - esp)²);
//    Undefined where one of those limits is; past -1 or 1 OutOfRange (only wald-cc gets there).
//  - nnd is defined for youden > 0; its limits are 1/youdenLs and 1/youdenLi, the upper one
//    Undefined when youden's interval reaches 0.
Report buildReport(const CaseState& state, IntervalMethod method, double percent);

// The same report of a table of counts that need not fit the case state's 32-bit fields (a
// test's own table in the comparison of two tests, whose margins add two counts each).
Report buildReport(const CountTable& counts, IntervalMethod method, double percent);

}  // namespace tarnolo
