#include "editors/QZPhotoData.h"

#include "content/QZVantrelPhoto.h"
#include "editors/QZDocument.h"
#include "platform/core/OleTypes.h"
#include "res/ImageViewResources.h"

IMPLEMENT_DYNCREATE(QZPhotoData, QZBoundFormView)

QZPhotoData::QZPhotoData() : QZBoundFormView(IDD_PHOTO_DATA) {
    using B = QZFieldBinding;
    using S = CPhotoImagesSet;
    std::function<S*()> row = [this] { return Photo() ? Photo()->GetPhotoRecordset() : nullptr; };
    m_binding.Text(IDC_PHOTO_BUREAU, m_strBureau, B::Member(row, &S::m_Bureau), 50)
        .Text(IDC_PHOTO_COPYRIGHT, m_strCopyright, B::Member(row, &S::m_Copyright), 50)
        .Text(IDC_PHOTO_LOCATION, m_strLocation, B::Member(row, &S::m_Location), 50)
        .Text(IDC_PHOTO_OVERLINE, m_strOverline, B::Member(row, &S::m_Overline), 255)
        .Text(IDC_PHOTO_PHOTOGRAPHER, m_strPhotographer, B::Member(row, &S::m_Photographer), 50)
        .Text(IDC_PHOTO_CREDITS, m_strCredits, B::Member(row, &S::m_Credits), 50)
        .Date(IDC_PHOTO_DATE_TAKEN, m_dtDateTaken, B::Member(row, &S::m_DateTaken),
              VAR_DATEVALUEONLY, B::DateEntry::readAtStore)
        .Date(IDC_PHOTO_DATE_TRANSMITTED, m_dtDateTransmitted,
              B::Member(row, &S::m_DateTransmitted), VAR_DATEVALUEONLY, B::DateEntry::readAtStore);
}

QZPhotoData::~QZPhotoData() = default;

QZVantrelPhoto* QZPhotoData::Photo() const {
    return dynamic_cast<QZVantrelPhoto*>(GetObject());
}

void QZPhotoData::OnInitialUpdate() {
    if (Photo())
        m_binding.Fill();
    QZFormView::OnInitialUpdate();
    if (QZDocument* document = GetEditorDocument())
        document->SetModifiedFlag(FALSE);
}
