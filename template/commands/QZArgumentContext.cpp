#include "template/commands/QZArgumentContext.h"

#include "template/commands/QZArgumentText.h"

namespace {
QZArgumentContext::Maker templateMaker = nullptr;
}

QZArgumentContext::QZArgumentContext(QZVantrelContext* parent) : QZVantrelCompileContext(parent) {}

void QZArgumentContext::SetTemplateMaker(Maker maker) {
    templateMaker = maker;
}

QZArgumentContext* QZArgumentContext::MakeTemplateContext(QZVantrelContext* parent) {
    if (templateMaker != nullptr)
        return templateMaker(parent);
    return new QZArgumentText(parent);
}
