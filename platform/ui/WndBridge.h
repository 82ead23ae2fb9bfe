#pragma once
// Where the window system's events become the original's messages (private to the ui layer):
// each event of a window the layer made is turned into its message and handed to the window's
// CWnd::WindowProc; what a handler leaves to Default is the window system's own processing.

#include "platform/ui/CWnd.h"

class wxEvent;

class WndBridge {
public:
    // Routes the events of `window` to its CWnd. Windows of the program's own classes get
    // every event; controls of the window system their keys, mouse, focus and notifications.
    static void BindEvents(wxWindow* window);
    // Routes the button and check-box notifications of a dialog's controls as WM_COMMAND.
    static void BindCommands(wxWindow* window);

    // Calls the window's WindowProc with the message, remembering it (and the event it came
    // from, if any) for Default.
    static LRESULT Dispatch(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, wxEvent* event);
    // The window's DefWindowProc of the message it is handling now (CWnd::Default).
    static LRESULT DefaultOfCurrent(CWnd* wnd);
    // The window system's processing of a message (CWnd::DefWindowProc).
    static LRESULT DefaultProcessing(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Sends WM_DESTROY once and stops the window's timers.
    static void NotifyDestroy(CWnd* wnd);
};

// The original's key code for a wx key code (0 for none).
UINT VirtualKeyOf(int wxKeyCode);
