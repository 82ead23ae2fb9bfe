#include "shell/QZQueryWizardP5.h"

#include "res/Resource.h"

QZQueryWizardP5::QZQueryWizardP5() : CPropertyPage(IDD_QUERYWIZ_P5) {}
