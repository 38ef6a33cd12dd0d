// Hands the table of a cut-off to the main window.
#include "core/roc_use.h"

#include <cassert>
#include <cstdint>

#include "core/control_names.h"
#include "core/number_text.h"

namespace tarnolo {

bool useCutoff(const CountTable& table, View& view, const EventTable& events) {
  assert(table.vp >= 0 && table.fp >= 0 && table.fn >= 0 && table.vn >= 0 &&
         table.total <= INT32_MAX);
  view.setText(names::kVP, IntegerToText(static_cast<int32_t>(table.vp)));
  view.setText(names::kFP, IntegerToText(static_cast<int32_t>(table.fp)));
  view.setText(names::kFN, IntegerToText(static_cast<int32_t>(table.fn)));
  view.setText(names::kVN, IntegerToText(static_cast<int32_t>(table.vn)));
  return events.deliver(names::kCalcular, Event::Click);
}

}  // namespace tarnolo
