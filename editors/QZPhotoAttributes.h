#pragma once
// The "Properties" tab of the photo editor: the photo's file, map file, alternate text, size,
// spacing and border, edited through the photo's image operations. It has no file choosers.

#include "editors/QZBoundFormView.h"

class QZVantrelPhoto;

class QZPhotoAttributes : public QZBoundFormView {
    DECLARE_DYNCREATE(QZPhotoAttributes)
public:
    QZPhotoAttributes();
    ~QZPhotoAttributes() override;

    void OnInitialUpdate() override;
    BOOL SaveToObject() override;

    int m_nHeight = 0;
    int m_nBorder = 0;
    int m_nWidth = 0;
    CString m_strAlternateText;
    CString m_strFileName;
    CString m_strMapFile;
    CString m_strSizeText;
    int m_nVSpace = 0;
    int m_nHSpace = 0;
    CString m_strDirectory;
    CString m_strRelativePath;

private:
    QZVantrelPhoto* Photo() const;

    // The file size, taken back from the size text when saving.
    int m_lFileSize = 0;
};
