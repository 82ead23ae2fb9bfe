#include "shell/QZSiteWizardP7.h"

#include "content/QZAttributes.h"
#include "res/SiteWizardIds.h"
#include "shell/HtmlColor.h"
#include "shell/QZSiteWizardBase.h"

#include <iterator>

namespace {

// The wells' controls and the style's colours they edit, in the wells' order.
struct WellColumn {
    UINT id;
    CString (QZAttributes::*get)() const;
    void (QZAttributes::*set)(const CString&);
};

const WellColumn kWells[] = {
    {IDC_SWIZ_BACKCOLOR, &QZAttributes::GetBackColor, &QZAttributes::SetBackColor},
    {IDC_SWIZ_TEXTCOLOR, &QZAttributes::GetTextColor, &QZAttributes::SetTextColor},
    {IDC_SWIZ_LINKCOLOR, &QZAttributes::GetLinkColor, &QZAttributes::SetLinkColor},
    {IDC_SWIZ_ALINKCOLOR, &QZAttributes::GetActiveLinkColor, &QZAttributes::SetActiveLinkColor},
    {IDC_SWIZ_VLINKCOLOR, &QZAttributes::GetUsedLinkColor, &QZAttributes::SetUsedLinkColor},
};

} // namespace

QZSiteWizardP7::QZSiteWizardP7() : CPropertyPage(IDD_SITEWIZ_P7) {}

BOOL QZSiteWizardP7::OnInitDialog() {
    m_pSheet = dynamic_cast<QZSiteWizardBase*>(GetParent());
    CPropertyPage::OnInitDialog();
    for (size_t i = 0; i < std::size(kWells); ++i) {
        SECWellButton& well = m_Wells[i];
        well.AttachToDlgItem(kWells[i].id, this);
        if (m_pStyle)
            well.SetColor(ParseHtmlColor((m_pStyle->*kWells[i].get)()));
        well.SetUsePalette(FALSE);
        well.SetOtherColorChoice(TRUE);
    }
    return TRUE;
}

BOOL QZSiteWizardP7::OnSetActive() {
    if (m_pSheet)
        m_pSheet->SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

LRESULT QZSiteWizardP7::OnWizardNext() {
    return Store();
}

LRESULT QZSiteWizardP7::OnWizardBack() {
    return Store();
}

LRESULT QZSiteWizardP7::Store() {
    if (!UpdateData(TRUE))
        return -1;
    if (m_pStyle) {
        for (size_t i = 0; i < std::size(kWells); ++i)
            (m_pStyle->*kWells[i].set)(FormatHtmlColor(m_Wells[i].GetColor()));
    }
    return 0;
}

SECWellButton* QZSiteWizardP7::GetWell(UINT id) {
    for (size_t i = 0; i < std::size(kWells); ++i) {
        if (kWells[i].id == id)
            return &m_Wells[i];
    }
    return nullptr;
}
