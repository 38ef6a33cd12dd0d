// The main window's controls in memory.
#include "core/control_model.h"

#include <algorithm>
#include <stdexcept>

#include "core/control_names.h"

namespace tarnolo {

namespace {

using namespace names;

ModelControl make(std::string_view name, ControlKind kind) {
  ModelControl c;
  c.name = std::string(name);
  c.kind = kind;
  if (kind == ControlKind::Bar) c.max = 100;
  if (kind == ControlKind::RadioGroup) c.value = -1, c.min = -1, c.max = 1;
  return c;
}

ModelControl hidden(ModelControl c) {
  c.visible = false;
  return c;
}

ModelControl disabled(ModelControl c) {
  c.enabled = false;
  return c;
}

ModelControl slider(std::string_view name, int32_t min, int32_t max) {
  ModelControl c = hidden(make(name, ControlKind::Slider));
  c.min = min, c.max = max, c.value = min;
  return c;
}

std::vector<ModelControl> startUpControls() {
  using K = ControlKind;
  std::vector<ModelControl> list;
  for (auto n : {kVP, kFP, kFN, kVN}) list.push_back(make(n, K::MaskedCell));
  for (auto n : {kPositivos, kNegativos, kEnfermos, kSanos, kTotal})
    list.push_back(make(n, K::TextBox));
  for (auto n : {kAbrir, kSalvar, kNuevo, kCalcular, kRecalc, kRedimens, kIc})
    list.push_back(make(n, K::Button));
  list.push_back(hidden(make(kZalfa, K::RadioGroup)));
  for (auto n : {kSens, kEsp, kCPP, kCPN, kPrevap, kPrevalencia, kVPP, kVPN})
    list.push_back(make(n, K::TextBox));
  for (auto n : {kSensli, kSensls, kEspli, kEspls, kCppli, kCppls, kCpnli, kCpnls, kPrevapli,
                 kPrevapls, kPrevli, kPrevls, kVppli, kVppls, kVpnli, kVpnls})
    list.push_back(hidden(make(n, K::LimitCell)));
  for (auto n : {kSensGauge, kEspGauge, kCPPGauge, kCPNGauge, kPrevapGauge, kPrevgauge, kVppGauge,
                 kVpngauge}) {
    const bool neverShown = n == kCPPGauge || n == kCPNGauge;
    list.push_back(neverShown ? hidden(make(n, K::Bar)) : make(n, K::Bar));
  }
  list.push_back(slider(kSensScrollBar, 1, 99));
  list.push_back(slider(kEspScrollBar, 1, 99));
  list.push_back(disabled(slider(kCPPScrollBar, 0, 100)));
  list.push_back(disabled(slider(kCPNScrollBar, 0, 100)));
  list.push_back(slider(kPrevScrollBar, 1, 99));
  list.push_back(disabled(make(kBayes, K::Button)));
  list.push_back(disabled(make(kBayesOk, K::Button)));
  for (auto n : {kNuevo1, kAbrir1, kGuardar1, kSalir1, kPruebasdiagnsticas1, kAcercade1})
    list.push_back(make(n, K::MenuItem));
  return list;
}

bool hasText(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::MaskedCell ||
         kind == ControlKind::LimitCell;
}

}  // namespace

ControlModel::ControlModel() : controls_(startUpControls()) {}

void ControlModel::attach(EventTable& table) {
  table_ = &table;
  table.setFailureReporter([this](const std::string& text) { reportFailure(text); });
}

bool ControlModel::has(std::string_view control) const {
  return std::any_of(controls_.begin(), controls_.end(),
                     [&](const ModelControl& c) { return c.name == control; });
}

const ModelControl& ControlModel::control(std::string_view name) const {
  return const_cast<ControlModel*>(this)->find(name);
}

ModelControl& ControlModel::find(std::string_view name) {
  for (auto& c : controls_) {
    if (c.name == name) return c;
  }
  throw std::out_of_range("no control named " + std::string(name));
}

std::string ControlModel::text(std::string_view control) const {
  const ModelControl& c = this->control(control);
  if (c.kind != ControlKind::MaskedCell) return c.text;
  // A masked cell pads to seven positions with blanks and reads without trailing blanks.
  return c.text.substr(0, c.text.find_last_not_of(' ') + 1);
}

void ControlModel::setText(std::string_view control, const std::string& text) {
  ModelControl& c = find(control);
  if (!hasText(c.kind)) throw std::out_of_range(c.name + " has no text");
  c.text = text;
}

void ControlModel::setProgress(std::string_view control, int32_t progress) {
  ModelControl& c = find(control);
  c.value = std::clamp(progress, c.min, c.max);
}

int32_t ControlModel::position(std::string_view control) const {
  return this->control(control).value;
}

void ControlModel::setPosition(std::string_view control, int32_t position) {
  ModelControl& c = find(control);
  const int32_t clamped = std::clamp(position, c.min, c.max);
  if (clamped == c.value) return;
  c.value = clamped;
  c.enabled = true;
}

void ControlModel::setEnabled(std::string_view control, bool enabled) {
  find(control).enabled = enabled;
}

void ControlModel::setVisible(std::string_view control, bool visible) {
  find(control).visible = visible;
}

int32_t ControlModel::itemIndex(std::string_view control) const {
  return this->control(control).value;
}

void ControlModel::setItemIndex(std::string_view control, int32_t index) {
  ModelControl& c = find(control);
  const int32_t clamped = std::clamp(index, c.min, c.max);
  if (clamped == c.value) return;
  c.value = clamped;
  if (clamped != -1 && table_) table_->invoke(control, Event::Click);
}

void ControlModel::showNotice(const std::string& text) {
  messages_.push_back({Message::Notice, text});
}

void ControlModel::reportFailure(const std::string& text) {
  messages_.push_back({Message::Error, text});
}

void ControlModel::userClick(std::string_view control) {
  if (takesInput(find(control)) && table_) table_->deliver(control, Event::Click);
}

void ControlModel::userSelect(std::string_view control, int32_t index) {
  ModelControl& c = find(control);
  if (!takesInput(c) || index < 0 || index > c.max || index == c.value) return;
  c.value = index;
  if (table_) table_->deliver(control, Event::Click);
}

void ControlModel::userScroll(std::string_view control, int32_t position) {
  ModelControl& c = find(control);
  if (!takesInput(c)) return;
  const int32_t target = std::clamp(position, c.min, c.max);
  if (table_ && !table_->deliver(control, Event::Scroll)) return;
  c.value = target;
  if (table_) table_->deliver(control, Event::Scroll);
}

}  // namespace tarnolo
