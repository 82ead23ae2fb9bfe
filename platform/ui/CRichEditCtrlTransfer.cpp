// The editing control's drag and drop, wrapping and page layout.

#include "platform/ui/CDC.h"
#include "platform/ui/CRichEditCtrl.h"
#include "platform/ui/WxRichEditDropTarget.h"

#include <wx/dc.h>
#include <wx/settings.h>
#include <wx/stc/stc.h>

#include <algorithm>

namespace {

wxStyledTextCtrl* TextOf(const CWnd& control) {
    return dynamic_cast<wxStyledTextCtrl*>(control.GetSafeHwnd());
}

int TwipsToPixels(long twips, int perInch) {
    return static_cast<int>((static_cast<long long>(twips) * perInch + 720) / 1440);
}

wxRect ToPixels(const CRect& twips, const wxSize& ppi) {
    const int left = TwipsToPixels(twips.left, ppi.x);
    const int top = TwipsToPixels(twips.top, ppi.y);
    return wxRect(left, top, TwipsToPixels(twips.right, ppi.x) - left,
                  TwipsToPixels(twips.bottom, ppi.y) - top);
}

} // namespace

void CRichEditCtrl::SetDropHandler(CRichEditDropHandler* pHandler) {
    wxStyledTextCtrl* text = TextOf(*this);
    const bool first = m_pDropHandler == nullptr;
    m_pDropHandler = pHandler;
    if (!text || !first || !pHandler)
        return;
    text->SetDropTarget(new WxRichEditDropTarget(*this));
    // The control's own drag would take the source out behind the editor's back: the handler
    // runs the drag instead.
    text->Bind(wxEVT_STC_START_DRAG, [this, text](wxStyledTextEvent& event) {
        event.SetString(wxString());
        const long start = text->GetSelectionStart();
        const long end = text->GetSelectionEnd();
        if (m_pDropHandler && end > start)
            m_pDropHandler->OnBeginDrag(start, end);
    });
}

CPoint CRichEditCtrl::PosFromChar(long nChar) const {
    wxStyledTextCtrl* text = TextOf(*this);
    if (!text)
        return CPoint(0, 0);
    const wxPoint point = text->PointFromPosition(static_cast<int>(nChar));
    return CPoint(point.x, point.y);
}

long CRichEditCtrl::CharFromPos(CPoint point) const {
    wxStyledTextCtrl* text = TextOf(*this);
    return text ? text->PositionFromPoint(wxPoint(point.x, point.y)) : 0;
}

void CRichEditCtrl::SetTargetDevice(BOOL bPrinter, long nLineWidthTwips) {
    wxStyledTextCtrl* text = TextOf(*this);
    const bool bind = text && !m_bTargetPrinter && bPrinter;
    m_bTargetPrinter = bPrinter;
    m_nTargetLineWidth = nLineWidthTwips;
    if (bind)
        text->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
            event.Skip();
            ApplyWrap();
        });
    ApplyWrap();
}

void CRichEditCtrl::ApplyWrap() {
    wxStyledTextCtrl* text = TextOf(*this);
    if (!text)
        return;
    if (!m_bTargetPrinter) {
        text->SetWrapMode(m_nTargetLineWidth == 1 ? wxSTC_WRAP_NONE : wxSTC_WRAP_WORD);
        text->SetMarginRight(1);
        return;
    }
    // The page's line width on the screen; a narrower window wraps at its own width.
    text->SetWrapMode(wxSTC_WRAP_WORD);
    const int ppi = wxGetDisplayPPI().x > 0 ? wxGetDisplayPPI().x : 96;
    const int lineWidth = TwipsToPixels(m_nTargetLineWidth, ppi);
    int margins = text->GetMarginLeft();
    for (int i = 0; i < 5; ++i)
        margins += text->GetMarginWidth(i);
    const int textWidth = text->GetClientSize().GetWidth() - margins;
    text->SetMarginRight(std::max(1, textWidth - lineWidth));
}

long CRichEditCtrl::FormatRange(BOOL bRender, long nStart, long nEnd, CDC* pDC,
                                const CRect& rcPrint, const CRect& rcPage) {
    wxStyledTextCtrl* text = TextOf(*this);
    wxDC* dc = pDC ? pDC->GetWxDC() : nullptr;
    if (!text || !dc)
        return 0;
    if (nEnd < 0)
        nEnd = text->GetLength();
    const wxSize ppi = dc->GetPPI();
    // Printed lines always wrap at the page.
    text->SetPrintWrapMode(wxSTC_WRAP_WORD);
    text->SetPrintColourMode(wxSTC_PRINT_COLOURONWHITEDEFAULTBG);
    return text->FormatRange(bRender != FALSE, static_cast<int>(nStart), static_cast<int>(nEnd), dc,
                             dc, ToPixels(rcPrint, ppi), ToPixels(rcPage, ppi));
}
