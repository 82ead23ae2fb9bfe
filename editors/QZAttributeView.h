#pragma once
// The page's attributes (form 119): besides the identifier, title, site and section, its
// keywords, output file name, directory (shown with the site's and section's folders before
// it) and style. The title takes up to 100 characters; choosing another site refills the
// sections and the styles with that site's.

#include "editors/QZFormView.h"
#include "shell/QZDirectoryEdit.h"
#include "shell/QZStyleComboBox.h"

class QZVantrelPage;

class QZAttributeView : public QZFormView {
    DECLARE_DYNCREATE(QZAttributeView)
public:
    QZAttributeView();

    void OnInitialUpdate() override;
    // The fields into the page, each changed one marking the document modified; FALSE when the
    // exchange refused a value or there is no page.
    BOOL SaveToObject() override;
    void LoadFromObject() override;
    void RefreshSectionList() override;

    CString m_strKeywords;
    CString m_strFileName;
    CString m_strDirectory;
    CString m_strRelativePath;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    QZVantrelPage* Page() const;
    // The page's own fields into the members and the style list.
    void ReadPage();
    void LimitTitle();

    QZStyleComboBox m_cbStyle;
    QZDirectoryEdit m_edDirectory;
};
