#pragma once
// The advertiser's form: the business (the title edit) and its contact's first and last name,
// e-mail address and phone.

#include "db/CAdvertiserSet.h"
#include "editors/QZBoundFormView.h"

class QZAdvertiserView : public QZBoundFormView {
    DECLARE_DYNCREATE(QZAdvertiserView)
public:
    QZAdvertiserView();

    void OnInitialUpdate() override;
    BOOL SaveToObject() override;
    void LoadFromObject() override;

private:
    CAdvertiserSet* Row() const;

    CString m_strFirstName;
    CString m_strLastName;
    CString m_strEmail;
    CString m_strPhone;
};
