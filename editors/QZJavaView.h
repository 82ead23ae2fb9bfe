#pragma once
// The "Properties" tab of the Java applet editor: the applet's class file (chosen and brought
// into the site), its directory, alternate text, size, spacing and download size.

#include "editors/QZBoundFormView.h"
#include "shell/QZDirectoryEdit.h"

class QZVantrelJava;

class QZJavaView : public QZBoundFormView {
    DECLARE_DYNCREATE(QZJavaView)
public:
    QZJavaView();
    ~QZJavaView() override;

    void OnInitialUpdate() override;
    void LoadFromObject() override;

    CString m_strAlternateText;
    CString m_strRelativePath;
    CString m_strDirectory;
    CString m_strCode;
    int m_nHSpace = 0;
    int m_nVSpace = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nDownload = 0;
    QZDirectoryEdit m_edDirectory;

protected:
    // Button 1191: the class file, brought into the site.
    void OnBrowse();

private:
    QZVantrelJava* Java() const;
    void FillMembers();

    DECLARE_MESSAGE_MAP()
};
