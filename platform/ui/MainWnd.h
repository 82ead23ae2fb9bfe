#pragma once
// The program's main window, which owns dialogs and message boxes made without a parent.

class CWnd;

// The main window, or nullptr before the program has one.
CWnd* AfxGetMainWnd();
// Sets the main window (not owned) and returns the one it replaces.
CWnd* SetMainWnd(CWnd* window);
