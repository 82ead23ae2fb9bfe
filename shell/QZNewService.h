#pragma once
// The Site page of the site settings sheet: the site's title, default style, webmaster,
// development root and directory and the client databases. On OK it writes them into the
// site, makes the site's directory (or, for a site deleted on the Status page, marks its
// objects deleted) and saves the site.

#include "platform/core/CString.h"
#include "platform/ui/CPropertyPage.h"
#include "shell/QZDirectoryEdit.h"
#include "shell/QZStyleComboBox.h"

class QZService;

class QZNewService : public CPropertyPage {
public:
    QZNewService();

    void SetService(QZService* service) { m_pService = service; }

    BOOL OnInitDialog() override;
    // A directory name that the rule refuses keeps the sheet open: nothing is saved or made.
    BOOL OnApply() override;
    void OnOK() override;
    void OnCancel() override;

    CString m_strKey;
    CString m_strTitle;
    CString m_strWebmaster;
    CString m_strDevRoot;
    CString m_strDirectory;
    CString m_strClientsDb;
    CString m_strClientsProdDb;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void WriteFields();
    // Offers to make Dev Root joined with Directory.
    void MakeDirectory();
    // Sets the flags of a deleted site and marks its objects deleted.
    void DeleteSiteObjects();
    void SaveService();
    void Browse(UINT button);

    QZService* m_pService = nullptr;
    QZStyleComboBox m_Styles;
    QZDirectoryEdit m_Directory;
};
