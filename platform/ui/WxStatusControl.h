#pragma once
// The window of a status control (private to the ui layer): the window system's status bar,
// remembering the right edges it was given so that they read back as they were set.

#include <wx/statusbr.h>

#include <vector>

class WxStatusControl : public wxStatusBar {
public:
    WxStatusControl(wxWindow* parent, wxWindowID id, bool sizeGrip)
        : wxStatusBar(parent, id, sizeGrip ? wxSTB_SIZEGRIP : 0) {
        SetFieldsCount(1);
    }

    std::vector<int> edges;

protected:
    // Before the bar gives the control a size its parts have no area to redraw.
    void DoUpdateStatusText(int number) override {
        wxRect rect;
        if (GetFieldRect(number, rect) && rect.width > 0 && rect.height > 0)
            wxStatusBar::DoUpdateStatusText(number);
    }
};
