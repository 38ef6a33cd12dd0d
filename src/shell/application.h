// Start-up, the event loop and the end of the program.
#pragma once

#include <memory>

class QTranslator;

namespace tarnolo {

class TcalcForm1;
class View;
class HelpViewer;
struct WindowSession;

// The help file handed to the help viewer by the help command.
inline constexpr const char* kHelpFile = "C:\\TEST\\Lmq\\Lmq.hlp";

// The toolkit's own texts (the file dialogs, the buttons of the failure box) in Spanish, from
// Qt's translations when they are installed; translator must outlive their use.
void useToolkitTranslation(QTranslator& translator);

// The program's look: the toolkit's "Windows" style, its standard icons read when first used.
// Needs the application object.
void useProgramStyle();

// Numbers are written and read with the decimal separator of the toolkit's locale: gives it to
// view.
void useLocaleSeparator(View& view);
// Gives view the separator again whenever window is told that the regional settings changed;
// view must outlive window.
void followLocaleChanges(TcalcForm1& window, View& view);

// Hands the window's help command to help, which must outlive the session's use.
void connectHelp(WindowSession& session, HelpViewer& help);
// The end of the program: the windows go first (the help window with its owner), then the help
// viewer is told to quit, whether or not the help was ever opened.
void shutDown(std::unique_ptr<WindowSession>& session, HelpViewer& help);

// Runs the program: start-up, the event loop until the main window closes, the end. Returns
// the exit code: 0 after a normal end, 1 after a failure during start-up, 2 when there is no
// graphical session to show the window in, the window system cannot be reached or the command
// line is wrong (see command_line.h). A case named on the command line is opened as "Abrir"
// opens it, once the window is up.
//
// "--screenshot FILE" saves a picture of the window as it starts (with the named case opened),
// instead of running; without a graphical session it draws off screen. It ends with 1 when the
// case could not be opened, the failure said on stderr.
int runTarnolo(int argc, char** argv);

}  // namespace tarnolo
