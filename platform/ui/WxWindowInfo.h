#pragma once
// What the layer keeps with each window it makes (private to the ui layer): the original's
// style bits, its class style, its kind, and the state of an owner-drawn button.

#include "platform/core/Types.h"

#include <wx/clntdata.h>

class wxWindow;

enum class WindowKind {
    plain,      // a window of the program's own class (drawn by its CWnd)
    popup,      // the same, as a top-level window: the client of a frame of its own
    popupHost,  // the frame that holds a pop-up window
    ownerDrawn, // a push button drawn by its CButton
    native,     // a control of the window system (button, check box, text)
    dialog,     // a dialog built from a template
};

struct WindowInfo : wxClientData {
    WindowKind kind = WindowKind::plain;
    // The original's control id: it may lie beyond the window system's range of ids.
    UINT controlId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT classStyle = 0;
    // Owner-drawn buttons: pushed in, following the mouse with the capture, and what the next
    // paint draws for.
    bool pushed = false;
    bool tracking = false;
    UINT drawAction = 0x0001; // ODA_DRAWENTIRE
    // WM_DESTROY has been sent.
    bool destroyed = false;
};

// The window's record, or nullptr for a window the layer did not make.
WindowInfo* InfoOf(const wxWindow* window);
// The window's record, made when it has none.
WindowInfo& EnsureInfo(wxWindow* window);

// A control id as the window system's id: the ids it cannot hold (above 32767) are kept in the
// window's record instead, and the window gets an id of its own.
int WxIdOf(UINT controlId);
// The original's control id of a window.
UINT ControlIdOf(const wxWindow* window);

// The frame that holds a pop-up window, or nullptr when the window is not a pop-up.
wxWindow* PopupHostOf(const wxWindow* window);
// The window that moves, shows and goes as a whole: a pop-up's frame, or the window itself.
wxWindow* OuterWindowOf(wxWindow* window);

// The class style of a class registered with AfxRegisterWndClass (0 for other names).
UINT ClassStyleOf(const char* className);
