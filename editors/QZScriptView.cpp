#include "editors/QZScriptView.h"

#include "content/QZVantrelForm.h"
#include "editors/QZCommandBars.h"
#include "editors/QZEditTargets.h"

IMPLEMENT_DYNCREATE(QZScriptView, QZEditView)

std::unique_ptr<QZEditTarget> QZScriptView::MakeTarget(QZVantrelBase* object) {
    if (auto* owner = dynamic_cast<QZVantrelForm*>(object))
        return std::make_unique<QZActionEditTarget>(*owner);
    return nullptr;
}

void QZScriptView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
    // Leaving the view leaves the bar as it is.
    if (bActivate)
        ShowMainCommandBar("Actions", TRUE);
    QZEditView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}
