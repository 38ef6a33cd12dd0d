// Start-up, the event loop and the end of the program.
#pragma once

namespace tarnolo {

class TcalcForm1;

// The help file handed to the help viewer by the help command.
inline constexpr const char* kHelpFile = "C:\\TEST\\Lmq\\Lmq.hlp";

// Numbers are written and read with the decimal separator of the toolkit's locale: reads it.
void useLocaleSeparator();
// Reads the separator again whenever window is told that the regional settings changed.
void followLocaleChanges(TcalcForm1& window);

// Runs the program: start-up, the event loop until the main window closes, the end. Returns
// the exit code: 0 after a normal end, 1 after a failure during start-up, 2 when there is no
// graphical session to show the window in.
//
// "--screenshot FILE" saves a picture of the window as it starts, instead of running; without
// a graphical session it draws off screen.
int runTarnolo(int argc, char** argv);

}  // namespace tarnolo
