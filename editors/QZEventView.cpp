#include "editors/QZEventView.h"

IMPLEMENT_DYNCREATE(QZEventView, QZEditView)
