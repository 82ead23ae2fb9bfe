#include "editors/QZVantrelFormView.h"

IMPLEMENT_DYNCREATE(QZVantrelFormView, QZEditView)
