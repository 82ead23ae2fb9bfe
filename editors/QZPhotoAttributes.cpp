#include "editors/QZPhotoAttributes.h"

#include "content/QZVantrelPhoto.h"
#include "editors/QZDocument.h"
#include "editors/QZRelativeSitePath.h"
#include "res/ImageViewResources.h"

#include <cstdlib>

IMPLEMENT_DYNCREATE(QZPhotoAttributes, QZBoundFormView)

namespace {

constexpr int kTitleLimit = 100;

} // namespace

QZPhotoAttributes::QZPhotoAttributes() : QZBoundFormView(IDD_PHOTO_ATTRIBUTES) {
    using B = QZFieldBinding;
    std::function<CPhotoImagesSet*()> row = [this] {
        return Photo() ? Photo()->GetPhotoRecordset() : nullptr;
    };
    auto number = [this](auto get, auto set) {
        return B::Column<int32_t>{[this, get] { return Photo() ? (Photo()->*get)() : 0; },
                                  [this, set](const int32_t& value) {
                                      if (Photo())
                                          set(Photo(), value);
                                  }};
    };
    auto text = [this](auto get, auto set) {
        return B::Column<CString>{[this, get] { return Photo() ? (Photo()->*get)() : CString(); },
                                  [this, set](const CString& value) {
                                      if (Photo())
                                          set(Photo(), value);
                                  }};
    };
    m_binding
        .Number(IDC_ATTR_HEIGHT, m_nHeight,
                number(&QZVantrelImage::GetHeight,
                       [](QZVantrelPhoto* p, int32_t v) { p->SetHeight(static_cast<short>(v)); }),
                B::kShort, {IDC_ATTR_HEIGHT_SPIN, 0, 10000})
        .Number(IDC_ATTR_BORDER, m_nBorder, B::NumberMember(row, &CPhotoImagesSet::m_BorderWidth),
                B::kShort, {IDC_ATTR_BORDER_SPIN, 0, 100})
        .Number(IDC_ATTR_WIDTH, m_nWidth,
                number(&QZVantrelImage::GetWidth,
                       [](QZVantrelPhoto* p, int32_t v) { p->SetWidth(static_cast<short>(v)); }),
                B::kShort, {IDC_ATTR_WIDTH_SPIN, 0, 10000})
        .Text(IDC_ATTR_ALTERNATE_TEXT, m_strAlternateText,
              B::Member(row, &CPhotoImagesSet::m_AlternateText), 255)
        .Text(IDC_ATTR_FILE_NAME, m_strFileName,
              text(&QZVantrelBase::GetFileName,
                   [](QZVantrelPhoto* p, const CString& v) { p->SetFileName(v); }),
              30)
        .Text(IDC_ATTR_MAP_FILE, m_strMapFile,
              text(&QZVantrelImage::GetMapFile,
                   [](QZVantrelPhoto* p, const CString& v) { p->SetMapFile(v); }),
              50)
        .Shown(IDC_ATTR_SIZE, m_strSizeText)
        .Number(IDC_ATTR_VSPACE, m_nVSpace,
                number(&QZVantrelImage::GetVSpace,
                       [](QZVantrelPhoto* p, int32_t v) { p->SetVSpace(static_cast<BYTE>(v)); }),
                B::kByte, {IDC_ATTR_VSPACE_SPIN, 0, 100})
        .Number(IDC_ATTR_HSPACE, m_nHSpace,
                number(&QZVantrelImage::GetHSpace,
                       [](QZVantrelPhoto* p, int32_t v) { p->SetHSpace(static_cast<BYTE>(v)); }),
                B::kByte, {IDC_ATTR_HSPACE_SPIN, 0, 100})
        .Text(IDC_ATTR_DIRECTORY, m_strDirectory,
              text(&QZVantrelBase::GetDirectory,
                   [](QZVantrelPhoto* p, const CString& v) { p->SetDirectory(v); }),
              50)
        .Shown(IDC_ATTR_RELATIVE_PATH, m_strRelativePath)
        .Number(0, m_lFileSize,
                number(&QZVantrelImage::GetImageFileSize,
                       [](QZVantrelPhoto* p, int32_t v) { p->SetImageFileSize(v); }),
                B::kLong)
        .StoreOrder({&m_strAlternateText, &m_strFileName, &m_strDirectory, &m_strMapFile,
                     &m_nHSpace, &m_nVSpace, &m_nWidth, &m_nHeight, &m_nBorder, &m_lFileSize});
}

QZPhotoAttributes::~QZPhotoAttributes() = default;

QZVantrelPhoto* QZPhotoAttributes::Photo() const {
    return dynamic_cast<QZVantrelPhoto*>(GetObject());
}

void QZPhotoAttributes::OnInitialUpdate() {
    if (QZVantrelPhoto* photo = Photo()) {
        m_binding.Fill();
        m_strRelativePath = QZRelativeSitePath(photo->GetServiceKey(), photo->GetSectionKey());
        m_strSizeText.Format("%d", m_lFileSize);
    }
    InitBoundControls(kTitleLimit);
    if (QZDocument* document = GetEditorDocument())
        document->SetModifiedFlag(FALSE);
}

BOOL QZPhotoAttributes::SaveToObject() {
    if (!QZFormView::SaveToObject())
        return FALSE;
    m_lFileSize = std::atoi(m_strSizeText);
    return m_binding.Store(GetEditorDocument(), this);
}
