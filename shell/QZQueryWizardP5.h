#pragma once
// The query wizard's "Query Special Handling" page: whether the text runs for the first row
// only, with its text. The wizard never adds it, and it writes nothing.

#include "platform/ui/CPropertyPage.h"

class QZQueryWizardP5 : public CPropertyPage {
public:
    QZQueryWizardP5();
};
