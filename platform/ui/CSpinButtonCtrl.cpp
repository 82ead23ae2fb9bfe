#include "platform/ui/CSpinButtonCtrl.h"

#include "platform/ui/WxListControls.h"

#include <wx/spinbutt.h>

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

namespace {

wxSpinButton* SpinOf(const CSpinButtonCtrl* spin) {
    return dynamic_cast<wxSpinButton*>(spin->GetSafeHwnd());
}

} // namespace

void CSpinButtonCtrl::SetRange(short nLower, short nUpper) {
    if (wxSpinButton* spin = SpinOf(this))
        spin->SetRange(nLower, nUpper);
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const {
    const wxSpinButton* spin = SpinOf(this);
    lower = spin ? spin->GetMin() : 0;
    upper = spin ? spin->GetMax() : 0;
}

int CSpinButtonCtrl::SetPos(int nPos) {
    wxSpinButton* spin = SpinOf(this);
    if (!spin)
        return 0;
    const int old = spin->GetValue();
    spin->SetValue(nPos);
    WriteSpinBuddy(spin);
    return old;
}

int CSpinButtonCtrl::GetPos() const {
    const wxSpinButton* spin = SpinOf(this);
    return spin ? spin->GetValue() : 0;
}
