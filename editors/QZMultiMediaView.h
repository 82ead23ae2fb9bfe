#pragma once
// The "Properties" tab of the multimedia object editor: the sound or movie file (chosen and
// brought into the site) and its directory.

#include "editors/QZBoundFormView.h"
#include "shell/QZDirectoryEdit.h"

class QZVantrelMedia;

class QZMultiMediaView : public QZBoundFormView {
    DECLARE_DYNCREATE(QZMultiMediaView)
public:
    QZMultiMediaView();
    ~QZMultiMediaView() override;

    void OnInitialUpdate() override;
    void LoadFromObject() override;

    CString m_strRelativePath;
    CString m_strDirectory;
    CString m_strFileName;
    QZDirectoryEdit m_edDirectory;

protected:
    // Button 1191: the sound or movie file, brought into the site.
    void OnBrowse();

private:
    QZVantrelMedia* Media() const;
    void FillMembers();

    DECLARE_MESSAGE_MAP()
};
