#include "platform/ui/WxProgressBar.h"

#include <algorithm>
#include <cstdlib>

WxProgressBar::WxProgressBar(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                             const wxSize& size)
    : wxGauge(parent, id, 1, pos, size, wxGA_HORIZONTAL) {
#ifdef __WXGTK3__
    // The desktop theme draws a thin line; the bar fills the box its template gives it, as the
    // original control did.
    const wxString css = wxString::Format(
        "progressbar trough, progressbar progress { min-height: %dpx; }", std::max(size.y - 2, 1));
    GTKApplyCssStyle(css.utf8_str());
#endif
    ShowRange();
}

void WxProgressBar::ShowRange() {
    // The gauge counts from 0; an empty range still draws (as an empty bar).
    const int lower = std::min(m_range.GetLower(), m_range.GetUpper());
    const int span = std::abs(m_range.GetUpper() - m_range.GetLower());
    SetRange(std::max(span, 1));
    SetValue(m_range.GetPos() - lower);
}
