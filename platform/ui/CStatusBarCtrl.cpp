#include "platform/ui/CStatusBarCtrl.h"

#include "platform/ui/WxStatusControl.h"
#include "platform/ui/WxText.h"

namespace {

// The borders the control leaves: none at the sides, 2 above and below, 2 between parts.
constexpr int kHorzBorder = 0;
constexpr int kVertBorder = 2;
constexpr int kGap = 2;

WxStatusControl* ControlOf(const CWnd& wnd) {
    return dynamic_cast<WxStatusControl*>(wnd.GetSafeHwnd());
}

int WxStyleOf(int type) {
    if (type & SBT_NOBORDERS)
        return wxSB_FLAT;
    if (type & SBT_POPOUT)
        return wxSB_RAISED;
    return wxSB_SUNKEN;
}

int TypeOf(int wxStyle) {
    if (wxStyle == wxSB_FLAT)
        return static_cast<int>(SBT_NOBORDERS);
    if (wxStyle == wxSB_RAISED)
        return static_cast<int>(SBT_POPOUT);
    return 0;
}

} // namespace

BOOL CStatusBarCtrl::SetText(LPCTSTR lpszText, int nPane, int nType) {
    WxStatusControl* control = ControlOf(*this);
    if (!control || nPane < 0 || nPane >= control->GetFieldsCount())
        return FALSE;
    std::vector<int> styles(static_cast<size_t>(control->GetFieldsCount()));
    for (size_t i = 0; i < styles.size(); ++i)
        styles[i] = control->GetStatusStyle(static_cast<int>(i));
    styles[static_cast<size_t>(nPane)] = WxStyleOf(nType);
    control->SetStatusStyles(static_cast<int>(styles.size()), styles.data());
    control->SetStatusText(ToWx(lpszText ? lpszText : ""), nPane);
    return TRUE;
}

CString CStatusBarCtrl::GetText(int nPane, int* pType) const {
    const WxStatusControl* control = ControlOf(*this);
    if (!control || nPane < 0 || nPane >= control->GetFieldsCount())
        return CString();
    if (pType)
        *pType = TypeOf(control->GetStatusStyle(nPane));
    return FromWx(control->GetStatusText(nPane));
}

BOOL CStatusBarCtrl::SetParts(int nParts, const int* pWidths) {
    WxStatusControl* control = ControlOf(*this);
    if (!control || nParts <= 0 || !pWidths)
        return FALSE;
    control->edges.assign(pWidths, pWidths + nParts);
    std::vector<int> widths;
    int left = 0;
    for (int edge : control->edges) {
        // A part to the right edge takes what is left.
        widths.push_back(edge < 0 ? -1 : std::max(edge - left, 0));
        left = edge < 0 ? left : edge;
    }
    control->SetFieldsCount(nParts, widths.data());
    return TRUE;
}

std::vector<int> CStatusBarCtrl::GetParts() const {
    const WxStatusControl* control = ControlOf(*this);
    return control ? control->edges : std::vector<int>();
}

BOOL CStatusBarCtrl::GetBorders(int* pBorders) const {
    if (!GetSafeHwnd() || !pBorders)
        return FALSE;
    pBorders[0] = kHorzBorder;
    pBorders[1] = kVertBorder;
    pBorders[2] = kGap;
    return TRUE;
}

void CStatusBarCtrl::SetMinHeight(int nMin) {
    if (WxStatusControl* control = ControlOf(*this))
        control->SetMinHeight(nMin);
}

int CStatusBarCtrl::GetMinHeight() const {
    const WxStatusControl* control = ControlOf(*this);
    return control ? control->GetMinHeight() : 0;
}
