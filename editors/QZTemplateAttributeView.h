#pragma once
// The attributes of a macro or a form (form 133): identifier, title and site.

#include "editors/QZFormView.h"

class QZTemplateAttributeView : public QZFormView {
    DECLARE_DYNCREATE(QZTemplateAttributeView)
public:
    QZTemplateAttributeView();
};
