#pragma once
// What the layer keeps with each window it makes (private to the ui layer): the original's
// style bits, its class style, its kind, and the state of an owner-drawn button.

#include "platform/core/Types.h"

#include <wx/clntdata.h>

class wxWindow;

enum class WindowKind {
    plain,      // a window of the program's own class (drawn by its CWnd)
    popup,      // the same, as a top-level window
    ownerDrawn, // a push button drawn by its CButton
    native,     // a control of the window system (button, check box, text)
    dialog,     // a dialog built from a template
};

struct WindowInfo : wxClientData {
    WindowKind kind = WindowKind::plain;
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

// The class style of a class registered with AfxRegisterWndClass (0 for other names).
UINT ClassStyleOf(const char* className);
