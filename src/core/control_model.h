// The main window's controls in memory: the view operations with the rules of each kind of
// control, the start-up state, and a user's gestures delivered through the event table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/control_table.h"
#include "core/events.h"
#include "core/view.h"

namespace tarnolo {

struct ModelControl {
  std::string name;
  ControlKind kind;
  std::string text;          // as stored; a masked cell reads it without trailing blanks
  int32_t value = 0;         // progress, position or item index
  int32_t min = 0, max = 0;  // range of a bar, slider or radio group
  bool enabled = true;
  bool visible = true;
};

struct Message {
  enum Kind { Notice, Error } kind;
  std::string text;
};

class ControlModel : public View {
 public:
  // Every control of controlTable() but the labels, as at start-up; client height 0 until
  // FormCreate.
  ControlModel();

  // The table whose handlers the controls' events run. Must outlive the model's use.
  void attach(EventTable& table);

  // View operations. A name that is no control of the main window is a programming error
  // (std::out_of_range).
  std::string text(std::string_view control) const override;
  void setText(std::string_view control, const std::string& text) override;
  void setProgress(std::string_view control, int32_t progress) override;
  int32_t position(std::string_view control) const override;
  void setPosition(std::string_view control, int32_t position) override;
  void setEnabled(std::string_view control, bool enabled) override;
  void setVisible(std::string_view control, bool visible) override;
  int32_t itemIndex(std::string_view control) const override;
  void setClientHeight(int32_t height) override { height_ = height; }
  void showNotice(const std::string& text) override;

  // A user's gestures. Each does nothing on a hidden or disabled control.
  void userClick(std::string_view control);
  // Picks item index of a radio group; picking the selected item delivers nothing.
  void userSelect(std::string_view control, int32_t index);
  // Drags the thumb of a slider to position: one notification with the clamped position, the
  // position stored, then the end-of-gesture notification. The handler sees the stored position,
  // so the first run shows the old one. A failing handler ends the gesture (nothing stored).
  void userScroll(std::string_view control, int32_t position);

  // The failure box, as the failure guard of the table presents it.
  void reportFailure(const std::string& text);

  bool has(std::string_view control) const;
  const ModelControl& control(std::string_view name) const;
  const std::vector<ModelControl>& controls() const { return controls_; }
  int32_t clientHeight() const { return height_; }
  // Notices and failure boxes in the order shown.
  const std::vector<Message>& messages() const { return messages_; }

 protected:
  bool storeItemIndex(std::string_view control, int32_t index) override;

 private:
  ModelControl& find(std::string_view name);
  bool takesInput(const ModelControl& c) const { return c.enabled && c.visible; }

  std::vector<ModelControl> controls_;
  std::vector<Message> messages_;
  EventTable* table_ = nullptr;
  int32_t height_ = 0;
};

}  // namespace tarnolo
