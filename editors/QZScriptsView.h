#pragma once
// The script text editor. While it is active the main window's "Actions" bar shows.

#include "editors/QZEditView.h"

class QZScriptsView : public QZEditView {
    DECLARE_DYNCREATE(QZScriptsView)
public:
    QZScriptsView() = default;

    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;
};
