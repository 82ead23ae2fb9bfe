#pragma once
// The page text editor (the page's "Edit" tab).

#include "editors/QZEditView.h"

class CVantrel3View : public QZEditView {
    DECLARE_DYNCREATE(CVantrel3View)
public:
    CVantrel3View() = default;
};
