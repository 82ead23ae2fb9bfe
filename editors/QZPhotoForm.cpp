#include "editors/QZPhotoForm.h"

#include "content/QZVantrelPhoto.h"
#include "editors/QZDocument.h"
#include "res/ImageViewResources.h"

#include <cstdlib>

IMPLEMENT_DYNCREATE(QZPhotoForm, QZBoundFormView)

QZPhotoForm::QZPhotoForm() : QZBoundFormView(IDD_PHOTO_FORM) {
    using B = QZFieldBinding;
    using S = CPhotoImagesSet;
    std::function<S*()> row = [this] { return Photo() ? Photo()->GetPhotoRecordset() : nullptr; };
    m_binding
        .Number(IDC_ATTR_HEIGHT, m_nThumbnailHeight, B::NumberMember(row, &S::m_ThumbnailHeight),
                B::kShort, {IDC_ATTR_HEIGHT_SPIN, 0, 10000})
        .Number(IDC_ATTR_WIDTH, m_nThumbnailWidth, B::NumberMember(row, &S::m_ThumbnailWidth),
                B::kShort, {IDC_ATTR_WIDTH_SPIN, 0, 10000})
        .Text(IDC_ATTR_FILE_NAME, m_strThumbnailFileName, B::Member(row, &S::m_ThumbnailFileName),
              50)
        .Text(IDC_PHOTO_CAPTION, m_strCaption, B::Member(row, &S::m_Caption))
        .Text(IDC_PHOTO_KEYWORDS, m_strKeywords, B::Member(row, &S::m_Keywords), 255)
        .Shown(IDC_ATTR_SIZE, m_strSizeText)
        .Number(0, m_lFileSize, B::NumberMember(row, &S::m_ImageFileSize), B::kLong)
        .StoreOrder({&m_strThumbnailFileName, &m_strCaption, &m_strKeywords, &m_nThumbnailWidth,
                     &m_nThumbnailHeight, &m_lFileSize});
}

QZPhotoForm::~QZPhotoForm() = default;

QZVantrelPhoto* QZPhotoForm::Photo() const {
    return dynamic_cast<QZVantrelPhoto*>(GetObject());
}

void QZPhotoForm::OnInitialUpdate() {
    if (Photo()) {
        m_binding.Fill();
        m_strSizeText.Format("%d", m_lFileSize);
    }
    m_binding.InitSpins(this);
    QZFormView::OnInitialUpdate();
    if (QZDocument* document = GetEditorDocument())
        document->SetModifiedFlag(FALSE);
}

BOOL QZPhotoForm::SaveToObject() {
    // The tab has none of the shared controls: only its own fields.
    if (!UpdateData(TRUE))
        return FALSE;
    m_lFileSize = std::atoi(m_strSizeText);
    return m_binding.Store(GetEditorDocument(), this);
}
