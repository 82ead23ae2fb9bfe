#include "editors/QZVantrelFormView.h"

#include "editors/CChildFormFrame.h"
#include "editors/QZCommandBars.h"
#include "platform/ui/CFrameWnd.h"

IMPLEMENT_DYNCREATE(QZVantrelFormView, QZEditView)

void QZVantrelFormView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
    auto* frame = dynamic_cast<CChildFormFrame*>(GetParentFrameOf(this));
    if (frame && !frame->m_bFormBarWasVisible)
        ShowMainCommandBar("Form Controls", bActivate);
    QZEditView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}
