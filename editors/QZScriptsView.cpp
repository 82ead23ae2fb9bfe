#include "editors/QZScriptsView.h"

IMPLEMENT_DYNCREATE(QZScriptsView, QZEditView)
