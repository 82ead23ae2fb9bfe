#pragma once
// The macro text editor.

#include "editors/QZEditView.h"

class QZVantrel3TemplateView : public QZEditView {
    DECLARE_DYNCREATE(QZVantrel3TemplateView)
public:
    QZVantrel3TemplateView() = default;
};
