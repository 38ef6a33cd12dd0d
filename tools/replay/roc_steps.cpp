// The replay step of graded tests.
#include "roc_steps.h"

#include <charconv>

#include "core/events.h"
#include "core/number_text.h"
#include "core/roc_analysis.h"
#include "core/roc_text.h"
#include "core/text_file.h"

namespace tarnolo::replay {

std::string runRocStep(std::string_view in, const std::string& rest, Target& target) {
  const size_t methodEnd = rest.find(' ');
  const size_t levelEnd =
      methodEnd == std::string::npos ? methodEnd : rest.find(' ', methodEnd + 1);
  if (in.empty() || levelEnd == std::string::npos || levelEnd + 1 == rest.size())
    return "roc needs IN METHOD LEVEL OUT";
  const std::string key = rest.substr(0, methodEnd);
  const auto method = methodFromKey(key);
  if (!method) return "unknown report method '" + key + "'";
  const std::string levelText = rest.substr(methodEnd + 1, levelEnd - methodEnd - 1);
  double level = 0;
  const char* end = levelText.data() + levelText.size();
  const auto [stop, error] = std::from_chars(levelText.data(), end, level);
  if (error != std::errc() || stop != end || !(level >= 50 && level <= 99.9))
    return "roc needs a level from 50 to 99.9";
  const RocCheck check = readRocCsv(std::string(in));
  if (!check.ok()) return check.error;
  const std::string out = rest.substr(levelEnd + 1);
  runGuarded(
      [&] {
        writeTextFile(out,
                      rocCsv(analyseRoc(check.table, *method, level), target.view().separator()));
      },
      [&](const std::string& text) { target.reportFailure(text); });
  return "";
}

}  // namespace tarnolo::replay
