#pragma once
// The Section page of the section settings sheet: the section's name and title, its site,
// default style and default page, its directory under the site's directory and its Secure CGI
// switch. On OK it keeps the section's directory on disk in step with the Directory field
// (made, renamed, or moved with the section to another site) and saves the section; for a
// section deleted on the Status page it marks the section's objects deleted instead.

#include "platform/core/CString.h"
#include "platform/ui/CPropertyPage.h"
#include "shell/QZDirectoryEdit.h"
#include "shell/QZPageComboBox.h"
#include "shell/QZServiceComboBox.h"
#include "shell/QZStyleComboBox.h"

class QZSection;

class QZNewSection : public CPropertyPage {
public:
    QZNewSection();

    void SetSection(QZSection* section) { m_pSection = section; }

    BOOL OnInitDialog() override;
    // A directory name that the rule refuses keeps the sheet open: nothing is saved or made.
    BOOL OnApply() override;
    void OnOK() override;
    void OnCancel() override;

    CString m_strKey;
    CString m_strName;
    CString m_strTitle;
    CString m_strRelativePath;
    CString m_strDirectory;
    int m_bSecureCGI = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void OnSecureCGI();
    // Brings the disk in step with the new Directory under the chosen site; FALSE when a
    // rename or move failed (the section then keeps its old site and directory).
    BOOL UpdateDiskDirectory(const QZKeyCombo& newSite);
    void WriteFields(const QZKeyCombo& site, BOOL moved);
    void DeleteSectionObjects();
    void SaveSection();

    QZSection* m_pSection = nullptr;
    QZDirectoryEdit m_Directory;
    QZServiceComboBox m_Sites;
    QZStyleComboBox m_Styles;
    QZPageComboBox m_Pages;
};
