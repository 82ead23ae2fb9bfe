#include "shell/QZSiteWizard.h"

#include "content/QZService.h"
#include "shell/QZSiteWizardBase.h"

BOOL RunNewSiteWizard(CWnd* pParent, QZKeyCombo& newSite) {
    QZSiteWizardBase wizard("Site", pParent);
    wizard.SetWizardMode();
    if (wizard.DoModal() != ID_WIZFINISH)
        return FALSE;
    newSite = wizard.GetSite()->GetKey();
    return TRUE;
}
