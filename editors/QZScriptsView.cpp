#include "editors/QZScriptsView.h"

#include "editors/QZCommandBars.h"

IMPLEMENT_DYNCREATE(QZScriptsView, QZEditView)

void QZScriptsView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
    // Leaving the view leaves the bar as it is.
    if (bActivate)
        ShowMainCommandBar("Actions", TRUE);
    QZEditView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}
