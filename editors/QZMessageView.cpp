#include "editors/QZMessageView.h"

IMPLEMENT_DYNCREATE(QZMessageView, QZEditView)
