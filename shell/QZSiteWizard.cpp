#include "shell/QZSiteWizard.h"

#include "content/QZService.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CaughtDaoError.h"
#include "shell/QZSiteWizardBase.h"

BOOL RunNewSiteWizard(CWnd* pParent, QZKeyCombo& newSite) {
    try {
        QZSiteWizardBase wizard("Site", pParent);
        wizard.SetWizardMode();
        if (wizard.DoModal() != ID_WIZFINISH)
            return FALSE;
        newSite = wizard.GetSite()->GetKey();
        return TRUE;
    } catch (CDaoException* e) {
        // The rows could not be made or saved: the engine says why, and there is no new site.
        CaughtDaoError error(e);
        AfxMessageBox(error.Message());
        return FALSE;
    }
}
