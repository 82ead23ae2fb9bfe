#include "editors/CVantrel3View.h"

IMPLEMENT_DYNCREATE(CVantrel3View, QZEditView)
