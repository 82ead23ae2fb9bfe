#pragma once
// Runs the application object on the window system: InitInstance when the window system is up,
// the main loop while the main window lives, ExitInstance at the end. Key and mouse-button
// presses go through the object's PreTranslateMessage before any window sees them. SIGTERM and
// SIGHUP, like the main loop's own end, ask the program to quit (MessagePump.h): the main window
// is closed once no long run is pumping, and the program ends normally. The X11 backend is
// chosen (docking needs screen positions) unless GDK_BACKEND is set.

class CWinApp;

// The program's exit code: ExitInstance's, or 1 when no display can be opened.
int RunWinApp(CWinApp& app, int argc, char** argv);
