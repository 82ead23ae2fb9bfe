#pragma once
// The e-mail message's header form: the To, CC, Subject, From and Reply To lines, template text
// stored as typed.

#include "db/CMessagesSet.h"
#include "editors/QZBoundFormView.h"

class QZMessageForm : public QZBoundFormView {
    DECLARE_DYNCREATE(QZMessageForm)
public:
    QZMessageForm();

    void OnInitialUpdate() override;
    BOOL SaveToObject() override;
    void LoadFromObject() override;

private:
    CMessagesSet* Row() const;

    CString m_strSubject;
    CString m_strTo;
    CString m_strCc;
    CString m_strReplyTo;
    CString m_strFrom;
};
