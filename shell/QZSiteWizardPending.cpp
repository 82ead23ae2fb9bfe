// Stands in for the New Site wizard until it is built: the wizard is cancelled at once.
#include "shell/QZSiteWizard.h"

// Replaced when the wizard lands.
BOOL RunNewSiteWizard(CWnd*, QZKeyCombo&) {
    return FALSE;
}
