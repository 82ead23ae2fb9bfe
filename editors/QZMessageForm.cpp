#include "editors/QZMessageForm.h"

#include "content/QZVantrelMessage.h"
#include "editors/QZDocument.h"
#include "res/AdEventViewIds.h"

IMPLEMENT_DYNCREATE(QZMessageForm, QZBoundFormView)

QZMessageForm::QZMessageForm() : QZBoundFormView(IDD_MESSAGE_FORM) {
    auto column = [this](CString CMessagesSet::*field) {
        return QZFieldBinding::At<CString>([this, field]() -> CString* {
            CMessagesSet* row = Row();
            return row ? &(row->*field) : nullptr;
        });
    };
    m_binding.Text(IDC_MESSAGE_SUBJECT, m_strSubject, column(&CMessagesSet::m_SubjectLine), 50)
        .Text(IDC_MESSAGE_TO, m_strTo, column(&CMessagesSet::m_ToLine), 255)
        .Text(IDC_MESSAGE_CC, m_strCc, column(&CMessagesSet::m_CcLine), 255)
        .Text(IDC_MESSAGE_REPLY_TO, m_strReplyTo, column(&CMessagesSet::m_ReplyTo), 50)
        .Text(IDC_MESSAGE_FROM, m_strFrom, column(&CMessagesSet::m_FromLine), 50)
        .StoreOrder({&m_strTo, &m_strCc, &m_strSubject, &m_strFrom, &m_strReplyTo});
}

CMessagesSet* QZMessageForm::Row() const {
    auto* message = dynamic_cast<QZVantrelMessage*>(GetObject());
    return message ? message->GetRecordset() : nullptr;
}

void QZMessageForm::OnInitialUpdate() {
    m_binding.Fill();
    QZFormView::OnInitialUpdate();
}

void QZMessageForm::LoadFromObject() {
    m_binding.Fill();
    QZFormView::LoadFromObject();
}

BOOL QZMessageForm::SaveToObject() {
    if (!QZFormView::SaveToObject())
        return FALSE;
    m_binding.Store(GetEditorDocument());
    return TRUE;
}
