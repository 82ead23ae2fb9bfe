#pragma once
// Small helpers of window tests that need the window system running but register nothing, so
// that support files linked into every test executable of a folder can use them.

#include <wx/app.h>
#include <wx/event.h>
#include <wx/toplevel.h>

// Lets the window system finish what is waiting, including windows waiting to be deleted.
inline void SettleWindows() {
    wxTheApp->Yield(true);
    wxTheApp->ProcessIdle();
}

// The number of top-level windows that are alive and not waiting to be deleted.
inline size_t LiveTopLevelWindows() {
    size_t count = 0;
    for (wxWindow* window : wxTopLevelWindows) {
        if (!window->IsBeingDeleted() && !wxPendingDelete.Member(window))
            ++count;
    }
    return count;
}

// Presses `key` in `window`'s top-level window as the keyboard would deliver it there first.
// (Real keystrokes are not used: the ui tests of several executables share one display.)
inline void PressKey(wxWindow* window, int key) {
    wxWindow* top = wxGetTopLevelParent(window);
    wxKeyEvent event(wxEVT_CHAR_HOOK);
    event.m_keyCode = key;
    event.SetEventObject(top);
    top->GetEventHandler()->ProcessEvent(event);
}
