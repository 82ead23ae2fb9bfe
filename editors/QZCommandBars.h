#pragma once
// The main window's command bars as the text views reach them, by their titles ("Form
// Controls", "Actions"): whether one is showing, and showing or hiding it at once with the
// window laid out again.

#include "platform/core/Types.h"

class CControlBar;

// The bar of that title, or null (no main window, no such bar).
CControlBar* FindMainCommandBar(const char* title);
// Shows or hides the bar now and lays the main window out again; nothing without the bar.
void ShowMainCommandBar(const char* title, BOOL show);
