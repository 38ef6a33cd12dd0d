// tarnolo-replay: a user session as a script.
#include "replay.h"

#include <charconv>
#include <cstdio>
#include <istream>
#include <ostream>
#include <sstream>

#include "core/control_names.h"
#include "core/events.h"
#include "core/number_text.h"
#include "core/report_text.h"
#include "core/text_file.h"
#include "paired_steps.h"
#include "picture_steps.h"
#include "roc_steps.h"

namespace tarnolo::replay {

namespace {

struct Step {
  std::string verb, name, rest;  // rest: everything after "verb name "
  std::string args;              // everything after "verb "
};

Step parse(const std::string& line) {
  Step step;
  const size_t verbEnd = line.find(' ');
  step.verb = line.substr(0, verbEnd);
  if (verbEnd == std::string::npos) return step;
  step.args = line.substr(verbEnd + 1);
  const size_t nameEnd = line.find(' ', verbEnd + 1);
  step.name =
      line.substr(verbEnd + 1, nameEnd == std::string::npos ? nameEnd : nameEnd - verbEnd - 1);
  if (nameEnd != std::string::npos) step.rest = line.substr(nameEnd + 1);
  return step;
}

bool parseInt(const std::string& text, int32_t& value) {
  std::istringstream in(text);
  long long v = 0;
  if (!(in >> v) || !in.eof() || v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<int32_t>(v);
  return true;
}

// A file command: a click on control, and the user's one answer to the dialog it opens.
struct FileStep {
  std::string_view verb;
  bool open;  // the open dialog, else the save dialog
  std::string_view control;
  bool withPath;
};

constexpr FileStep kFileSteps[] = {
    {"open", true, names::kAbrir, true},         {"open-menu", true, names::kAbrir1, true},
    {"save", false, names::kSalvar, true},       {"save-menu", false, names::kGuardar1, true},
    {"cancel-open", true, names::kAbrir, false}, {"cancel-save", false, names::kSalvar, false},
};

// Runs a file step; returns an empty text or why it cannot run.
std::string runFileStep(const FileStep& file, const Step& step, Target& target) {
  if (file.withPath == step.args.empty())
    return std::string(file.verb) + (file.withPath ? " needs a path" : " takes nothing");
  target.fileCommand(file.control, file.open,
                     file.withPath ? std::optional<std::string>(step.args) : std::nullopt);
  return "";
}

// report METHOD LEVEL PATH: the report's CSV of the current state into PATH. A file that cannot
// be written shows the failure box, as it would in the window.
std::string runReportStep(const Step& step, Target& target) {
  const size_t space = step.rest.find(' ');
  if (space == std::string::npos || space + 1 == step.rest.size())
    return "report needs METHOD LEVEL PATH";
  const auto method = methodFromKey(step.name);
  if (!method) return "unknown report method '" + step.name + "'";
  double level = 0;
  if (!parseLevel(step.rest.substr(0, space), level)) return "report needs a level from 50 to 99.9";
  const std::string path = step.rest.substr(space + 1);
  rememberReportChoice(*method, level);
  runGuarded(
      [&] {
        const Report report = buildReport(target.state(), *method, level);
        writeTextFile(path, reportCsv(report, target.view().separator()));
      },
      [&](const std::string& text) { target.reportFailure(text); });
  return "";
}

// The key of a slider step: "line -1", "page +1", "key Home"...; none for anything else.
std::optional<SliderKey> sliderKey(const std::string& verb, const std::string& argument) {
  if (verb == "key") {
    if (argument == "Home") return SliderKey::Home;
    if (argument == "End") return SliderKey::End;
  } else if (argument == "-1" || argument == "+1") {
    const bool up = argument == "+1";
    if (verb == "line") return up ? SliderKey::LineMore : SliderKey::LineLess;
    return up ? SliderKey::PageMore : SliderKey::PageLess;
  }
  return std::nullopt;
}

// line, page, key and drag on a slider; returns an empty text or why the step cannot run.
std::string runSliderStep(const Step& step, Target& target) {
  if (step.verb == "drag") {
    std::vector<int32_t> positions;
    std::istringstream in(step.rest);
    for (std::string word; in >> word;) {
      if (!parseInt(word, positions.emplace_back())) return "drag needs integer positions";
    }
    if (positions.empty()) return "drag needs at least one position";
    target.drag(step.name, positions);
    return "";
  }
  const std::optional<SliderKey> key = sliderKey(step.verb, step.rest);
  if (!key) return step.verb == "key" ? "key needs Home or End" : step.verb + " needs -1 or +1";
  target.press(step.name, *key);
  return "";
}

bool isSliderStep(const std::string& verb) {
  return verb == "line" || verb == "page" || verb == "key" || verb == "drag";
}

// Runs a step on a control; returns an empty text or why it cannot run.
std::string runControlStep(const Step& step, Target& target) {
  const std::optional<ControlKind> kind = target.kind(step.name);
  if (!kind) return "unknown control '" + step.name + "'";
  int32_t number = 0;
  if (isSliderStep(step.verb)) {
    if (*kind != ControlKind::Slider) return step.name + " is no slider";
    return runSliderStep(step, target);
  }
  if (step.verb == "set" || step.verb == "type") {
    if (!hasText(*kind)) return step.name + " has no text";
    if (step.verb == "set") {
      target.write(step.name, step.rest);
    } else {
      target.type(step.name, step.rest);
    }
  } else if (step.verb == "focus") {
    if (!step.rest.empty()) return "focus takes only a control name";
    if (!target.focus(step.name)) return "focus needs the window";
  } else if (step.verb == "click") {
    if (!step.rest.empty()) return "click takes only a control name";
    if (*kind == ControlKind::RadioGroup) return "a radio group takes select, not click";
    if (*kind == ControlKind::Slider) return "a slider takes scroll, not click";
    target.click(step.name);
  } else if (!parseInt(step.rest, number)) {
    return step.verb + " needs an integer";
  } else if (step.verb == "select") {
    if (*kind != ControlKind::RadioGroup) return step.name + " is no radio group";
    target.select(step.name, number);
  } else {
    if (*kind != ControlKind::Slider) return step.name + " is no slider";
    target.scroll(step.name, number);
  }
  return "";
}

// Runs one step; returns an empty text or why it cannot run.
std::string runStep(const Step& step, Target& target) {
  if (step.verb == "report") return runReportStep(step, target);
  if (step.verb == "paired") return runPairedStep(step.args, target);
  if (step.verb == "roc") return runRocStep(step.name, step.rest, target);
  if (auto why = runPictureStep(step.verb, step.args, target)) return *why;
  for (const FileStep& file : kFileSteps) {
    if (step.verb == file.verb) return runFileStep(file, step, target);
  }
  if (step.verb == "separator") {
    if ((step.name != "." && step.name != ",") || !step.rest.empty())
      return "separator needs '.' or ','";
    target.view().setSeparator(step.name[0]);
    return "";
  }
  if (step.verb == "press") {
    if (step.args.empty()) return "press needs keys";
    if (!target.pressKeys(step.args)) return "press needs the window";
    return "";
  }
  if (step.verb != "set" && step.verb != "type" && step.verb != "focus" && step.verb != "click" &&
      step.verb != "select" && step.verb != "scroll" && !isSliderStep(step.verb))
    return "unknown step '" + step.verb + "'";
  return runControlStep(step, target);
}

std::string hexFloat(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%a", value);
  return buffer;
}

void printControl(const ModelControl& c, std::ostream& out) {
  out << "control\t" << c.name;
  switch (c.kind) {
    case ControlKind::TextBox:
    case ControlKind::MaskedCell:
    case ControlKind::LimitCell:
      out << "\ttext=" << jsonString(c.text);
      break;
    case ControlKind::Bar:
      out << "\tprogress=" << c.value;
      break;
    case ControlKind::Slider:
      out << "\tposition=" << c.value;
      break;
    case ControlKind::RadioGroup:
      out << "\titemindex=" << c.value;
      break;
    case ControlKind::Button:
    case ControlKind::MenuItem:
    case ControlKind::Label:
      break;
  }
  out << "\tenabled=" << c.enabled << "\tvisible=" << c.visible << "\n";
}

}  // namespace

std::optional<ControlKind> ModelTarget::kind(std::string_view control) const {
  if (!m_session.model.has(control)) return std::nullopt;
  return m_session.model.control(control).kind;
}

void ModelTarget::write(std::string_view control, const std::string& text) {
  m_session.model.setText(control, text);
}

void ModelTarget::type(std::string_view control, const std::string& text) {
  if (m_session.model.control(control).kind != ControlKind::MaskedCell) {
    m_session.model.setText(control, text);
    return;
  }
  // A count cell takes a digit a position; it refuses any other key.
  std::string digits;
  for (char c : text) {
    if (c >= '0' && c <= '9' && digits.size() < size_t{kCountCellPositions}) digits += c;
  }
  m_session.model.setText(control, digits);
}

void ModelTarget::click(std::string_view control) {
  m_session.model.userClick(control);
}

void ModelTarget::select(std::string_view control, int32_t index) {
  m_session.model.userSelect(control, index);
}

void ModelTarget::scroll(std::string_view control, int32_t position) {
  m_session.model.userScroll(control, position);
}

void ModelTarget::press(std::string_view control, SliderKey key) {
  keyGesture(m_session.model, m_session.table, control, key);
}

void ModelTarget::drag(std::string_view control, const std::vector<int32_t>& positions) {
  dragGesture(m_session.model, m_session.table, control, positions);
}

void ModelTarget::fileCommand(std::string_view control, bool open,
                              const std::optional<std::string>& name) {
  ScriptedDialog& dialog = open ? m_session.openDialog1 : m_session.saveDialog1;
  if (name) {
    dialog.willChoose(*name);
  } else {
    dialog.willCancel();
  }
  m_session.model.userClick(control);
  dialog.forgetAnswers();  // left when the click opened no dialog
}

Snapshot ModelTarget::snapshot() const {
  return modelSnapshot(m_session);
}

Snapshot modelSnapshot(const ModelSession& session) {
  const ControlModel& model = session.model;
  Snapshot snapshot{model.messages(), model.controls(), model.clientHeight(),
                    session.calculator.state()};
  for (ModelControl& c : snapshot.controls) {
    if (hasText(c.kind)) c.text = model.text(c.name);  // as the view reads it
  }
  return snapshot;
}

int runScript(std::istream& script, ModelSession& session, std::ostream& err) {
  ModelTarget target(session);
  return runScript(script, target, err);
}

int runScript(std::istream& script, Target& target, std::ostream& err) {
  resetPictureChoice();
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::string why =
        target.closed() ? "the window is closed: no step reaches it" : runStep(parse(line), target);
    if (!why.empty()) {
      err << "line " << number << ": " << escapedText(why) << "\n";
      return 2;
    }
  }
  if (script.bad()) {
    err << "tarnolo-replay: cannot read the script\n";
    return 2;
  }
  return 0;
}

void printSnapshot(const ModelSession& session, std::ostream& out) {
  printSnapshot(modelSnapshot(session), out);
}

void printSnapshot(const Snapshot& snapshot, std::ostream& out) {
  for (const Message& m : snapshot.messages)
    out << (m.kind == Message::Notice ? "notice\t" : "error\t") << escapedText(m.text) << "\n";
  for (const ModelControl& c : snapshot.controls) {
    if (c.kind != ControlKind::MenuItem) printControl(c, out);
  }
  out << "height\t" << snapshot.height << "\n";
  const CaseState& s = snapshot.state;
  const std::pair<const char*, int32_t> counts[] = {{"vp", s.vp},
                                                    {"fp", s.fp},
                                                    {"fn", s.fn},
                                                    {"vn", s.vn},
                                                    {"enfermos", s.enfermos},
                                                    {"sanos", s.sanos},
                                                    {"positivos", s.positivos},
                                                    {"negativos", s.negativos},
                                                    {"total", s.total}};
  for (const auto& [name, value] : counts) out << "state\t" << name << "\t" << value << "\n";
  const std::pair<const char*, double> reals[] = {
      {"sens", s.sens},         {"esp", s.esp},           {"vpp", s.vpp},
      {"vpn", s.vpn},           {"prev", s.prev},         {"prevap", s.prevap},
      {"cpp", s.cpp},           {"cpn", s.cpn},           {"sensLi", s.sensLi},
      {"sensLs", s.sensLs},     {"espLi", s.espLi},       {"espLs", s.espLs},
      {"vppLi", s.vppLi},       {"vppLs", s.vppLs},       {"vpnLi", s.vpnLi},
      {"vpnLs", s.vpnLs},       {"prevLi", s.prevLi},     {"prevLs", s.prevLs},
      {"prevapLi", s.prevapLi}, {"prevapLs", s.prevapLs}, {"cppLi", s.cppLi},
      {"cppLs", s.cppLs},       {"cpnLi", s.cpnLi},       {"cpnLs", s.cpnLs},
      {"zAlfa", s.zAlfa}};
  for (const auto& [name, value] : reals)
    out << "state\t" << name << "\t" << hexFloat(value) << "\n";
  out << "state\tciVisible\t" << (s.ciVisible ? 1 : 0) << "\n";
}

std::string jsonString(const std::string& text) {
  return "\"" + escapedText(text) + "\"";
}

std::string escapedText(const std::string& text) {
  std::string json;
  for (unsigned char ch : text) {
    if (ch == '"' || ch == '\\') {
      json += '\\';
      json += static_cast<char>(ch);
    } else if (ch < 0x20 || ch == 0x7f) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", ch);
      json += escape;
    } else {
      json += static_cast<char>(ch);
    }
  }
  return json;
}

}  // namespace tarnolo::replay
