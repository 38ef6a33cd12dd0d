// What a screen reader reads of the main window, and the keys that reach its menus.
#pragma once

class QMainWindow;

namespace tarnolo {

// Gives the controls of window the Spanish names and descriptions of controlTable(), and opens
// the first menu with F10. Controls that the window lacks are skipped.
void makeAccessible(QMainWindow& window);

}  // namespace tarnolo
