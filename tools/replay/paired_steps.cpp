// The replay step "paired".
#include "paired_steps.h"

#include <charconv>
#include <cstdint>
#include <sstream>
#include <vector>

#include "core/events.h"
#include "core/number_text.h"
#include "core/paired_text.h"
#include "core/text_file.h"

namespace tarnolo::replay {

namespace {

template <typename T>
bool parseWhole(const std::string& text, T& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end;
}

}  // namespace

std::string runPairedStep(const std::string& args, Target& target) {
  constexpr const char* kUsage = "paired needs A B C D E F G H METHOD LEVEL PATH";
  std::istringstream in(args);
  std::vector<std::string> words(10);
  for (std::string& word : words)
    if (!(in >> word)) return kUsage;
  std::string path;
  std::getline(in >> std::ws, path);
  if (path.empty()) return kUsage;
  int32_t n[8];
  for (int i = 0; i < 8; ++i)
    if (!parseWhole(words[i], n[i])) return "paired needs eight 32-bit integer counts";
  const auto method = methodFromKey(words[8]);
  if (!method) return "unknown method '" + words[8] + "'";
  double level = 0;
  if (!parseWhole(words[9], level) || !(level >= 50 && level <= 99.9))
    return "paired needs a level from 50 to 99.9";
  const PairedCounts counts{n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7]};
  runGuarded(
      [&] {
        const PairedComparison comparison = comparePaired(counts, *method, level);
        writeTextFile(path, pairedCsv(comparison, target.view().separator()));
      },
      [&](const std::string& text) { target.reportFailure(text); });
  return "";
}

}  // namespace tarnolo::replay
