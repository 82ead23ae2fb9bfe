#pragma once
// The New Site wizard's page of the default style's colours: five colour wells.

#include "platform/ui/CPropertyPage.h"
#include "wintoolkit/colorwell/SECWellButton.h"

class QZAttributes;
class QZSiteWizardBase;

class QZSiteWizardP7 : public CPropertyPage {
public:
    QZSiteWizardP7();

    void SetStyle(QZAttributes* style) { m_pStyle = style; }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    // The wells' colours into the style, as colour text.
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;

    // The well of control `id` (one of the five colour buttons), or nullptr.
    SECWellButton* GetWell(UINT id);

private:
    LRESULT Store();

    QZSiteWizardBase* m_pSheet = nullptr;
    QZAttributes* m_pStyle = nullptr;
    SECWellButton m_Wells[5];
};
