#pragma once
// The form action editor (the form's "Action" tab): it edits the form's action text,
// coloured by the form's action context. While it is active the main window's "Actions" bar
// shows.

#include "editors/QZEditView.h"

class QZScriptView : public QZEditView {
    DECLARE_DYNCREATE(QZScriptView)
public:
    QZScriptView() = default;

    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

protected:
    std::unique_ptr<QZEditTarget> MakeTarget(QZVantrelBase* object) override;
};
