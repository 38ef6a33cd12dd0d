// What a screen reader reads of the main window, and the keys that reach its menus.
#pragma once

#include <span>

class QMainWindow;

namespace tarnolo {

// The Spanish name and description of one control, by its object name. A null name keeps the
// name that the control has of itself (a button's caption without its "&").
struct AccessibleText {
  const char* control;
  const char* name;
  const char* description;
};

// Every control of the main window that takes input, shows a result, labels or groups them,
// and the buttons, whose descriptions say what they do.
std::span<const AccessibleText> accessibleTexts();

// Gives the controls of window their accessibleTexts(), and opens the first menu with F10.
// Controls that the window lacks are skipped.
void makeAccessible(QMainWindow& window);

}  // namespace tarnolo
