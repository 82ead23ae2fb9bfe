#include "editors/QZHeaderView.h"

#include "content/QZVantrelPage.h"
#include "editors/QZEditTargets.h"

IMPLEMENT_DYNCREATE(QZHeaderView, QZEditView)

std::unique_ptr<QZEditTarget> QZHeaderView::MakeTarget(QZVantrelBase* object) {
    if (auto* owner = dynamic_cast<QZVantrelPage*>(object))
        return std::make_unique<QZHeaderEditTarget>(*owner);
    return nullptr;
}
