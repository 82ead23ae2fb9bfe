#include "editors/QZEditTargets.h"

#include "content/QZVantrelForm.h"
#include "content/QZVantrelPage.h"

CString QZTemplateEditTarget::GetText() {
    return m_object.GetTemplateText();
}

void QZTemplateEditTarget::SetText(const CString& text) {
    m_object.SetTemplateText(text);
}

QZVantrelMemoFld::ColorSpanList QZTemplateEditTarget::GetColorSpans(const CString& text) {
    return m_object.GetColorSpans(text);
}

std::pair<int, int> QZTemplateEditTarget::FindCommandRange(const CString& lineText, int position) {
    return m_object.FindCommandRange(lineText, position);
}

QZCommandBase* QZTemplateEditTarget::SetSourceText(const CString& text) {
    return m_object.SetSourceText(text);
}

BOOL QZTemplateEditTarget::IsWritable() {
    return m_object.m_bEditable;
}

QZHeaderEditTarget::QZHeaderEditTarget(QZVantrelPage& page)
    : QZTemplateEditTarget(page), m_page(page) {}

CString QZHeaderEditTarget::GetText() {
    return m_page.GetHeader();
}

void QZHeaderEditTarget::SetText(const CString& text) {
    m_page.SetHeader(text);
}

QZActionEditTarget::QZActionEditTarget(QZVantrelForm& form)
    : QZTemplateEditTarget(form), m_form(form) {}

CString QZActionEditTarget::GetText() {
    return m_form.GetActionBody();
}

void QZActionEditTarget::SetText(const CString& text) {
    m_form.SetActionBody(text);
}

QZVantrelMemoFld::ColorSpanList QZActionEditTarget::GetColorSpans(const CString& text) {
    return m_form.GetActionColorSpans(text);
}
