#pragma once
// "Internal Link Command": the page a link command links to, chosen under a section of its
// site, with the anchor and further attributes.

#include "editors/QZCommandPropsDlg.h"
#include "shell/QZListComboBoxes.h"
#include "shell/QZSectionComboBox.h"

class QZCmdIntLink;

class QZIntLinkProps : public QZCommandPropsDlg {
public:
    QZIntLinkProps(QZCmdIntLink& command, const CString& rest);

    CString m_strAnchor;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void FillLists() override;
    void OnSectionChosen() override;
    void OnObjectChosen() override;
    void StoreFields() override;

private:
    QZCmdIntLink& m_command;
    QZKeyCombo m_SiteKey;
    QZKeyCombo m_SectionKey;
    QZSectionComboBox m_Sections;
    QZPagesSectionComboBox m_Pages;
    CEdit m_AnchorEdit;
};
