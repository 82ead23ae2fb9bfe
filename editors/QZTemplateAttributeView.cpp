#include "editors/QZTemplateAttributeView.h"

#include "res/TextEditorIds.h"

IMPLEMENT_DYNCREATE(QZTemplateAttributeView, QZFormView)

QZTemplateAttributeView::QZTemplateAttributeView() : QZFormView(IDD_TEMPLATE_ATTRIBUTES) {}
