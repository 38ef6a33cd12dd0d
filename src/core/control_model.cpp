// The main window's controls in memory.
#include "core/control_model.h"

#include <algorithm>
#include <stdexcept>

namespace tarnolo {

namespace {

std::vector<ModelControl> startUpControls() {
  std::vector<ModelControl> list;
  for (const ControlEntry& entry : controlTable()) {
    if (entry.kind == ControlKind::Label) continue;
    ModelControl c;
    c.name = std::string(entry.name);
    c.kind = entry.kind;
    c.min = entry.min, c.max = entry.max;
    c.value = entry.min;  // a slider at its lowest, a radio group with no item chosen
    c.enabled = entry.enabled, c.visible = entry.visible;
    list.push_back(std::move(c));
  }
  return list;
}

}  // namespace

ControlModel::ControlModel() : controls_(startUpControls()) {}

void ControlModel::attach(EventTable& table) {
  table_ = &table;
  runHandlersFrom(table);
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

bool ControlModel::storeItemIndex(std::string_view control, int32_t index) {
  ModelControl& c = find(control);
  const int32_t clamped = std::clamp(index, c.min, c.max);
  if (clamped == c.value) return false;
  c.value = clamped;
  return clamped != -1;
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
