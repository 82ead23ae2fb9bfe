#pragma once
// The New Site wizard as the New Site command runs it.

#include "db/QZKeyCombo.h"

class CWnd;

// Runs the wizard modally; answers TRUE on Finish and sets `newSite` to the site it created.
BOOL RunNewSiteWizard(CWnd* pParent, QZKeyCombo& newSite);
