#pragma once
// The "Properties" tab of the image editor: the image's file (chosen and brought into the
// site, measured from its header), map file, alternate text, size, spacing and border.

#include "editors/QZBoundFormView.h"
#include "shell/QZDirectoryEdit.h"

class QZVantrelImage;

class QZImageAttributeView : public QZBoundFormView {
    DECLARE_DYNCREATE(QZImageAttributeView)
public:
    QZImageAttributeView();
    ~QZImageAttributeView() override;

    void OnInitialUpdate() override;
    void LoadFromObject() override;

    int m_lFileSize = 0;
    int m_nBorder = 0;
    CString m_strAlternateText;
    CString m_strFileName;
    CString m_strMapFile;
    CString m_strSizeText;
    int m_nVSpace = 0;
    int m_nHSpace = 0;
    CString m_strDirectory;
    CString m_strRelativePath;
    int m_nHeight = 0;
    int m_nWidth = 0;
    QZDirectoryEdit m_edDirectory;

protected:
    // Button 1191: the image file, brought into the site and measured.
    void OnBrowseFile();
    // Button 1193: the map file, which always ends up beside the image.
    void OnBrowseMapFile();

private:
    QZVantrelImage* Image() const;
    void FillMembers();
    void ShowFileSize();

    DECLARE_MESSAGE_MAP()
};

// The size text of a file's length: thousands of bytes with three decimals, "1.234 kb".
CString QZImageSizeText(LONG fileSize);
