#pragma once
// The Production page of the site settings sheet: where and how the site is published, on a
// local disk (domain root, database) or by FTP (address, relative root, user, password).

#include "platform/core/CString.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CPropertyPage.h"

class QZService;

class QZServicePubPage : public CPropertyPage {
public:
    QZServicePubPage();

    void SetService(QZService* service) { m_pService = service; }

    BOOL OnInitDialog() override;
    // Writes the fields into the site and saves it.
    void OnOK() override;

    CString m_strDomain;
    CString m_strDomainRoot;
    CString m_strDatabase;
    CString m_strFtpAddress;
    CString m_strFtpRoot;
    CString m_strFtpUser;
    CString m_strFtpPassword;
    BOOL m_bRemote = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // Enables the FTP group and disables the Local group for Remote, and the reverse.
    void EnableGroups();
    void Browse(UINT button);

    QZService* m_pService = nullptr;
    CButton m_Local;
    CButton m_Remote;
};
