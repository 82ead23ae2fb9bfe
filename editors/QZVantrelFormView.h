#pragma once
// The form text editor (the form's "Form" tab).

#include "editors/QZEditView.h"

class QZVantrelFormView : public QZEditView {
    DECLARE_DYNCREATE(QZVantrelFormView)
public:
    QZVantrelFormView() = default;
};
