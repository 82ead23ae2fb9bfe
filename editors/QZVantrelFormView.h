#pragma once
// The form text editor (the form's "Form" tab). The main window's "Form Controls" bar shows
// while it is active and hides when it is left, unless the bar was showing when the form's
// editor was opened.

#include "editors/QZEditView.h"

class QZVantrelFormView : public QZEditView {
    DECLARE_DYNCREATE(QZVantrelFormView)
public:
    QZVantrelFormView() = default;

    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
};
