#include "platform/ui/CColorDialog.h"

#include <wx/app.h>
#include <wx/cmndata.h>
#include <wx/colordlg.h>
#include <wx/colour.h>

IMPLEMENT_DYNAMIC(CColorDialog, CDialog)

namespace {

wxColour WxColour(COLORREF color) {
    return wxColour(GetRValue(color), GetGValue(color), GetBValue(color));
}

COLORREF ColorOf(const wxColour& colour) {
    return RGB(colour.Red(), colour.Green(), colour.Blue());
}

} // namespace

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : m_cc{sizeof(CHOOSECOLOR), nullptr, clrInit, m_customColors, dwFlags}, m_customColors{} {
    m_pParentWnd = pParentWnd;
    if (clrInit != 0)
        m_cc.Flags |= CC_RGBINIT;
    for (COLORREF& custom : m_customColors)
        custom = RGB(255, 255, 255);
}

INT_PTR CColorDialog::DoModal() {
    if (!wxTheApp)
        return IDCANCEL;
    wxColourData data;
    if (m_cc.Flags & CC_RGBINIT)
        data.SetColour(WxColour(m_cc.rgbResult));
    data.SetChooseFull((m_cc.Flags & CC_FULLOPEN) != 0);
    if (m_cc.lpCustColors) {
        for (int i = 0; i < 16; ++i)
            data.SetCustomColour(i, WxColour(m_cc.lpCustColors[i]));
    }
    CWnd* owner = GetSafeOwner(m_pParentWnd);
    // The desktop's colour dialog always shows its colour editor: it is open in full.
    wxColourDialog dialog(owner ? owner->GetSafeHwnd() : nullptr, &data);
    if (dialog.ShowModal() != wxID_OK)
        return IDCANCEL;
    const wxColourData& chosen = dialog.GetColourData();
    m_cc.rgbResult = ColorOf(chosen.GetColour());
    if (m_cc.lpCustColors) {
        for (int i = 0; i < 16; ++i) {
            if (chosen.GetCustomColour(i).IsOk())
                m_cc.lpCustColors[i] = ColorOf(chosen.GetCustomColour(i));
        }
    }
    return IDOK;
}
