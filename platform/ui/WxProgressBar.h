#pragma once
// The window of a progress bar control (private to the ui layer): a gauge that shows a
// ProgressRange, so that any CProgressCtrl over the window sees the same state.

#include "platform/ui/ProgressRange.h"

#include <wx/gauge.h>

class WxProgressBar : public wxGauge {
public:
    WxProgressBar(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);

    const ProgressRange& Range() const { return m_range; }
    // Changes the state through `change` and redraws the gauge; returns what `change` returns.
    template <typename Change> int Update(Change change) {
        const int result = change(m_range);
        ShowRange();
        return result;
    }

private:
    void ShowRange();

    ProgressRange m_range;
};
