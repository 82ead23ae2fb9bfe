#pragma once
// The "Data" tab of the photo editor: keywords, caption, and the thumbnail's file name and
// size.

#include "editors/QZBoundFormView.h"

class QZVantrelPhoto;

class QZPhotoForm : public QZBoundFormView {
    DECLARE_DYNCREATE(QZPhotoForm)
public:
    QZPhotoForm();
    ~QZPhotoForm() override;

    void OnInitialUpdate() override;
    BOOL SaveToObject() override;

    int m_nThumbnailHeight = 0;
    int m_nThumbnailWidth = 0;
    CString m_strThumbnailFileName;
    CString m_strCaption;
    CString m_strKeywords;
    CString m_strSizeText;

private:
    QZVantrelPhoto* Photo() const;

    int m_lFileSize = 0;
};
