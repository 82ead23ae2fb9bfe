#include "platform/ui/CDragOutline.h"

#include <wx/app.h>
#include <wx/popupwin.h>
#include <wx/weakref.h>

#include <algorithm>
#include <array>

// Four edge windows; the first alone stands for a filled band.
// The windows may go with the top-level window they belong to before the outline does.
struct CDragOutline::Windows {
    std::array<wxWeakRef<wxPopupWindow>, 4> edges{};

    ~Windows() {
        for (auto& edge : edges) {
            if (wxPopupWindow* window = edge.get())
                window->Destroy();
        }
    }
    wxPopupWindow* Edge(size_t i) {
        if (!edges[i].get() && wxTheApp && wxTheApp->GetTopWindow())
            edges[i] = new wxPopupWindow(wxTheApp->GetTopWindow(), wxBORDER_NONE);
        return edges[i].get();
    }
    void Place(size_t i, const CRect& r, const wxColour& colour) {
        wxPopupWindow* edge = Edge(i);
        if (!edge)
            return;
        if (r.IsRectEmpty()) {
            edge->Hide();
            return;
        }
        edge->SetBackgroundColour(colour);
        edge->SetSize(r.left, r.top, r.Width(), r.Height());
        edge->Show();
        edge->Refresh();
    }
};

CDragOutline::CDragOutline() : m_windows(std::make_unique<Windows>()) {}

CDragOutline::~CDragOutline() = default;

void CDragOutline::Show(const CRect& rect, int thickness, COLORREF colour) {
    const wxColour wx(GetRValue(colour), GetGValue(colour), GetBValue(colour));
    const int t = std::max(1, std::min<int>(thickness, std::min(rect.Width(), rect.Height()) / 2));
    m_windows->Place(0, CRect(rect.left, rect.top, rect.right, rect.top + t), wx);
    m_windows->Place(1, CRect(rect.left, rect.bottom - t, rect.right, rect.bottom), wx);
    m_windows->Place(2, CRect(rect.left, rect.top + t, rect.left + t, rect.bottom - t), wx);
    m_windows->Place(3, CRect(rect.right - t, rect.top + t, rect.right, rect.bottom - t), wx);
    m_shown = TRUE;
    m_rect = rect;
    m_thickness = t;
}

void CDragOutline::ShowFilled(const CRect& rect, COLORREF colour) {
    const wxColour wx(GetRValue(colour), GetGValue(colour), GetBValue(colour));
    m_windows->Place(0, rect, wx);
    for (size_t i = 1; i < 4; ++i)
        m_windows->Place(i, CRect(), wx);
    m_shown = TRUE;
    m_rect = rect;
    m_thickness = std::min(rect.Width(), rect.Height());
}

void CDragOutline::Hide() {
    for (auto& edge : m_windows->edges) {
        if (wxPopupWindow* window = edge.get())
            window->Hide();
    }
    m_shown = FALSE;
}
