// Any file contents (0 to 64 bytes) opened by "&Abrir", then the gestures that its bytes after
// the record choose: never a crash, no more boxes than a gesture may show, every cell readable.
#include <unistd.h>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "core/control_names.h"
#include "core/number_text.h"
#include "core/session.h"

namespace {

using namespace tarnolo;
using namespace tarnolo::names;

// The case file, in a folder of this process's own that goes when the process ends.
class CaseFolder {
 public:
  CaseFolder() {
    std::filesystem::create_directories(folder_);
    file_ = (folder_ / "caso.ROC").string();
  }
  ~CaseFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  const std::string& file() const { return file_; }

 private:
  std::filesystem::path folder_ =
      std::filesystem::temp_directory_path() / ("tarnolo-fuzz-" + std::to_string(::getpid()));
  std::string file_;
};

const std::string& casePath() {
  static const CaseFolder folder;
  return folder.file();
}

void writeFile(const uint8_t* data, size_t size) {
  // A new file each time: a file system may flush a truncated one to the disk when it closes.
  std::filesystem::remove(casePath());
  std::ofstream out(casePath(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) std::abort();
}

// The boxes a calculation or an Open may show; anything else (a programming error that the
// guard caught) is a finding.
bool expectedText(const Message& m) {
  if (m.kind == Message::Notice) return m.text == "El texto no es numérico";
  for (std::string_view known :
       {"Floating point division by zero.", "Invalid floating point operation.",
        "Floating point overflow.", "Integer overflow.", "Read beyond end of file."}) {
    if (m.text == known) return true;
  }
  return m.text.ends_with("' is not a valid integer value.");
}

bool readable(const std::string& text, char separator) {
  if (text.empty() || text == "error" || text == "*") return true;
  try {
    TextToReal(text, separator);
    return true;
  } catch (const Failure&) {
    return false;
  }
}

// What a user may rely on after any gesture.
void checkWindow(const ModelSession& s, size_t messagesBefore) {
  // A gesture shows at most the notice about VP, then at most one failure box.
  const auto& messages = s.model.messages();
  int notices = 0, failures = 0;
  for (size_t i = messagesBefore; i < messages.size(); ++i) {
    if (!expectedText(messages[i])) std::abort();
    (messages[i].kind == Message::Notice ? notices : failures) += 1;
    if (messages[i].kind == Message::Notice && failures > 0) std::abort();
  }
  if (notices > 1 || failures > 1) std::abort();
  for (const ModelControl& c : s.model.controls()) {
    if ((c.kind == ControlKind::LimitCell || c.kind == ControlKind::TextBox) && c.name != kTotal &&
        !readable(c.text, s.model.separator()))
      std::abort();
    if (c.kind == ControlKind::Bar && (c.value < 0 || c.value > 100)) std::abort();
    if (c.kind == ControlKind::Slider && c.visible && (c.value < 1 || c.value > 99)) std::abort();
  }
  const int32_t height = s.model.clientHeight();
  if (height != kCompactHeight && height != kFullHeight) std::abort();
}

// One gesture chosen by a byte, with the next byte as its argument.
void gesture(ModelSession& s, uint8_t what, uint8_t argument) {
  constexpr std::string_view kSliders[] = {kSensScrollBar, kEspScrollBar, kPrevScrollBar};
  switch (what % 10) {
    case 0:
      s.model.userClick(kCalcular);
      break;
    case 1:
      s.model.userClick(kIc);
      break;
    case 2:
      s.model.userSelect(kZalfa, argument % 2);
      break;
    case 3:
      s.model.userClick(kBayes);
      break;
    case 4:
      s.model.userScroll(kSliders[argument % 3], argument / 3 % 101);
      break;
    case 5:
      s.model.userClick(kBayesOk);
      break;
    case 6:
      s.model.setText(kTotal, IntegerToText(static_cast<int8_t>(argument) * 1000003));
      s.model.userClick(kRecalc);
      break;
    case 7:
      s.model.userClick(argument % 2 ? kRedimens : kTotal);
      break;
    case 8:
      s.model.userClick(argument % 2 ? kNuevo1 : kNuevo);
      break;
    default:
      s.model.setText(kFN, IntegerToText(argument));
      s.model.userClick(kCalcular);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 64) return 0;
  writeFile(data, size);
  ModelSession s;
  s.openDialog1.willChoose(casePath());
  s.model.userClick(kAbrir);
  checkWindow(s, 0);
  if (size < kRecordSize) {
    // The short file is refused, and nothing of it shown.
    const auto& messages = s.model.messages();
    if (messages.size() != 1 || messages[0].text != "Read beyond end of file." ||
        !s.model.text(kVP).empty())
      std::abort();
  } else {
    RecordBytes bytes{};
    std::copy(data, data + kRecordSize, bytes.begin());
    const CaseRecord record = decodeRecord(bytes);
    if (s.model.text(kVP) != IntegerToText(record.vp) ||
        s.model.text(kVN) != IntegerToText(record.vn))
      std::abort();
  }
  if (s.files.openHandles() != 0) std::abort();
  for (size_t i = kRecordSize; i + 1 < size; i += 2) {
    const size_t before = s.model.messages().size();
    gesture(s, data[i], data[i + 1]);
    checkWindow(s, before);
  }
  return 0;
}
