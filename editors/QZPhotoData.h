#pragma once
// The "Service" tab of the photo editor: the press agency's data (photographer, bureau,
// location, overline, credits, copyright) and the dates the photo was taken and sent. The date
// edits open empty; an empty one keeps the stored date.

#include "editors/QZBoundFormView.h"

class QZVantrelPhoto;

class QZPhotoData : public QZBoundFormView {
    DECLARE_DYNCREATE(QZPhotoData)
public:
    QZPhotoData();
    ~QZPhotoData() override;

    void OnInitialUpdate() override;

    CString m_strBureau;
    CString m_strCopyright;
    CString m_strLocation;
    CString m_strOverline;
    CString m_strPhotographer;
    CString m_strCredits;
    COleDateTime m_dtDateTaken;
    COleDateTime m_dtDateTransmitted;

private:
    QZVantrelPhoto* Photo() const;
};
