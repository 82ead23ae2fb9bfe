#pragma once
// The e-mail message's header form: the To, CC, Subject, From and Reply To lines, template text
// stored as typed.

#include "db/CMessagesSet.h"
#include "editors/QZFieldBinding.h"
#include "editors/QZFormView.h"

class QZMessageForm : public QZFormView {
    DECLARE_DYNCREATE(QZMessageForm)
public:
    QZMessageForm();

    void OnInitialUpdate() override;
    BOOL SaveToObject() override;
    void LoadFromObject() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CMessagesSet* Row() const;

    CString m_strSubject;
    CString m_strTo;
    CString m_strCc;
    CString m_strReplyTo;
    CString m_strFrom;
    QZFieldBinding m_binding;
};
