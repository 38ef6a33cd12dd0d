// Timing of the number text and of one whole calculation on the control model.
#include <benchmark/benchmark.h>

#include "core/control_names.h"
#include "core/number_text.h"
#include "core/session.h"
#include "core/two_by_two.h"

namespace {

using namespace tarnolo;

void BM_RealToText(benchmark::State& state) {
  const Ext value = static_cast<Ext>(6.0 / 7) * 100;
  for (auto _ : state) benchmark::DoNotOptimize(RealToText(value, '.'));
}
BENCHMARK(BM_RealToText);

void BM_TextToInteger(benchmark::State& state) {
  const std::string text = "1234567";
  for (auto _ : state) benchmark::DoNotOptimize(TextToInteger(text));
}
BENCHMARK(BM_TextToInteger);

// "&Calcular" on the table 6, 3, 1, 10: CalcularTabla with its CalcularIC, every cell written.
void BM_CalcularTabla(benchmark::State& state) {
  ModelSession session;
  session.model.setText(names::kVP, "6");
  session.model.setText(names::kFP, "3");
  session.model.setText(names::kFN, "1");
  session.model.setText(names::kVN, "10");
  for (auto _ : state) CalcularTabla(session.state(), session.model);
}
BENCHMARK(BM_CalcularTabla);

}  // namespace

BENCHMARK_MAIN();
