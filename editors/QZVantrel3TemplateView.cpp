#include "editors/QZVantrel3TemplateView.h"

IMPLEMENT_DYNCREATE(QZVantrel3TemplateView, QZEditView)
