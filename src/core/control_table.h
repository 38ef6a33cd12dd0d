// The one table of the main window's controls: what the form holds, of which kind, what a
// screen reader says of each, its place in the tab order and its state at start-up.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tarnolo {

enum class ControlKind {
  TextBox,
  MaskedCell,
  LimitCell,
  Bar,
  Slider,
  RadioGroup,
  Button,
  MenuItem,
  Label,  // a panel that labels or groups other controls; never a control of the model
};

// What a user can type into a masked cell (a count cell): one digit a position, at most this many.
inline constexpr int kCountCellPositions = 7;

// True for the kinds that hold a text: text boxes, masked cells and limit cells.
bool hasText(ControlKind kind);

struct ControlEntry {
  std::string_view name;  // the form's object name
  ControlKind kind;
  // Spanish name and description for a screen reader; a null name keeps the name the control
  // has of itself (a button's caption without its "&"), a null description gives none.
  const char* accessibleName = nullptr;
  const char* description = nullptr;
  int tabOrder = -1;  // place in the window's tab chain from 0, -1 when Tab never stops there
  bool visible = true, enabled = true;
  int32_t min = 0, max = 0;  // range of a bar, slider or radio group at start-up
};

// Every control of the main window, the model's controls first in the order the replay lists
// them, then the labels.
std::span<const ControlEntry> controlTable();

// The entry of name, or nullptr when the table has none.
const ControlEntry* findControl(std::string_view name);

}  // namespace tarnolo
