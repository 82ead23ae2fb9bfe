#pragma once
// The Save As dialog of the editors: the user gives an object about to be saved under a new
// identity its title, site, section (for an object that belongs to one) and, for a page, file
// name. It works on plain values: the caller sets them before DoModal, and after OK they hold
// what the user settled. The dialog changes and saves no object itself.

#include "db/QZKeyCombo.h"
#include "platform/core/CString.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"
#include "shell/QZSectionComboBox.h"
#include "shell/QZServiceComboBox.h"

class QZSaveAsDlg : public CDialog {
public:
    // Reads the list of sites (engine errors pass on).
    explicit QZSaveAsDlg(CWnd* pParent = nullptr);

    // IDOK or IDCANCEL; -1 when the dialog cannot be shown.
    INT_PTR DoModal();

    // The page's file name (edited only when m_bPage is set).
    CString m_strFileName;
    // Whether the object belongs to a section: only then is the section shown and chosen.
    BOOL m_bSection;
    // Whether the object is a page: only then is the file name shown and edited.
    BOOL m_bPage;
    // The title; the key text shown as the object's Id.
    CString m_strTitle;
    CString m_strKey;
    // The object's site and section; after OK, the ones chosen.
    QZKeyCombo m_ServiceKey;
    QZKeyCombo m_SectionKey;

    // The dialog's controls, for the code that drives them.
    QZServiceComboBox m_ServiceCombo;
    QZSectionComboBox m_SectionCombo;

protected:
    BOOL OnInitDialog() override;
    // Closes the dialog with OK and takes the values the user settled.
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // A site was picked: the sections of that site, selecting the object's section.
    void OnSiteChosen();
    void ShowItem(UINT id, BOOL show);

    CEdit m_TitleEdit;
    CEdit m_FileNameEdit;
};
