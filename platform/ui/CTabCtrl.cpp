#include "platform/ui/CTabCtrl.h"

#include "platform/ui/WinTypes.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WxChildControl.h"
#include "platform/ui/WxImageStrip.h"
#include "platform/ui/WxWindowInfo.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>
#include <wx/window.h>

#include <memory>

namespace {

constexpr int kPadding = 4;
constexpr int kImageSize = 16;

} // namespace

// The painted row: each tab a box around its image, the selected one raised and joined to the
// area below.
struct CTabCtrl::Impl : public wxWindow {
    Impl(CTabCtrl& owner, wxWindow* parent, int id, const wxPoint& pos, const wxSize& size)
        : wxWindow(parent, id, pos, size, wxFULL_REPAINT_ON_RESIZE), tabs(owner) {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        Bind(wxEVT_PAINT, &Impl::OnPaint, this);
        Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
            tabs.ClickTab(tabs.HitTest(CPoint(event.GetX(), event.GetY())));
        });
    }
    ~Impl() override {
        if (tabs.m_pImpl == this)
            tabs.m_pImpl = nullptr;
    }
    int TabWidth() const { return imageWidth + 2 * kPadding; }
    void OnPaint(wxPaintEvent&) {
        wxAutoBufferedPaintDC dc(this);
        dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
        dc.Clear();
        const int height = GetClientSize().y;
        const wxColour dark = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
        dc.SetPen(wxPen(dark));
        dc.DrawLine(0, height - 1, GetClientSize().x, height - 1);
        for (int i = 0; i < tabs.GetItemCount(); ++i) {
            const bool selected = i == tabs.GetCurSel();
            const wxRect box(i * TabWidth(), selected ? 0 : 2, TabWidth(),
                             height - (selected ? 0 : 3));
            dc.SetBrush(wxBrush(selected ? wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)
                                         : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
            dc.DrawRectangle(box);
            if (images && tabs.m_items[i].image < images->GetImageCount())
                images->Draw(tabs.m_items[i].image, dc, box.x + kPadding,
                             box.y + (box.height - kImageSize) / 2, wxIMAGELIST_DRAW_TRANSPARENT);
        }
    }

    CTabCtrl& tabs;
    std::unique_ptr<wxImageList> images;
    int imageWidth = kImageSize;
};

CTabCtrl::CTabCtrl() = default;

CTabCtrl::~CTabCtrl() = default;

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    Impl* control = MakeChildControl<Impl>(*this, dwStyle, rect, pParentWnd, nID);
    if (!control)
        return FALSE;
    m_pImpl = control;
    return Attach(m_pImpl);
}

BOOL CTabCtrl::SetImages(UINT nBitmapId, int cx, COLORREF mask) {
    if (!m_pImpl)
        return FALSE;
    m_pImpl->images.reset(MakeImageStrip(nBitmapId, cx, mask));
    m_pImpl->imageWidth = cx;
    m_pImpl->Refresh();
    return m_pImpl->images->GetImageCount() > 0;
}

int CTabCtrl::InsertItem(int nItem, const CString& text, int nImage) {
    const int at = nItem < 0 || nItem > GetItemCount() ? GetItemCount() : nItem;
    m_items.insert(m_items.begin() + at, Item{text, nImage});
    if (m_pImpl)
        m_pImpl->Refresh();
    return at;
}

CString CTabCtrl::GetItemText(int nItem) const {
    return nItem >= 0 && nItem < GetItemCount() ? m_items[nItem].text : CString();
}

int CTabCtrl::SetCurSel(int nItem) {
    const int previous = m_nSelected;
    if (nItem < -1 || nItem >= GetItemCount())
        return -1;
    m_nSelected = nItem;
    if (m_pImpl)
        m_pImpl->Refresh();
    return previous;
}

int CTabCtrl::HitTest(const CPoint& point) const {
    const int width = m_pImpl ? m_pImpl->TabWidth() : kImageSize + 2 * kPadding;
    if (point.x < 0 || point.y < 0 || point.y >= GetRowHeight())
        return -1;
    const int tab = point.x / width;
    return tab < GetItemCount() ? tab : -1;
}

void CTabCtrl::ClickTab(int nItem) {
    if (nItem < 0 || nItem >= GetItemCount() || nItem == m_nSelected)
        return;
    SetCurSel(nItem);
    wxWindow* window = GetSafeHwnd();
    wxWindow* parent = window ? window->GetParent() : nullptr;
    if (CWnd* owner = parent ? CWnd::FromHandle(parent) : nullptr)
        owner->SendMessage(WM_COMMAND,
                           MAKEWPARAM(static_cast<int>(ControlIdOf(window)), TCN_SELCHANGE),
                           reinterpret_cast<LPARAM>(window));
}

int CTabCtrl::GetRowHeight() const {
    return kImageSize + 2 * kPadding;
}
