#include "editors/QZImageAttributeView.h"

#include "content/QZServiceLookups.h"
#include "content/QZVantrelImage.h"
#include "editors/QZDocument.h"
#include "editors/QZRelativeSitePath.h"
#include "editors/QZSiteFileCopy.h"
#include "platform/core/Paths.h"
#include "platform/ui/CFileDialog.h"
#include "res/ImageViewResources.h"
#include "shell/QZImageSize.h"

IMPLEMENT_DYNCREATE(QZImageAttributeView, QZBoundFormView)

BEGIN_MESSAGE_MAP(QZImageAttributeView, QZBoundFormView)
ON_COMMAND(IDC_ATTR_BROWSE_FILE, OnBrowseFile)
ON_COMMAND(IDC_ATTR_BROWSE_MAP, OnBrowseMapFile)
END_MESSAGE_MAP()

namespace {

constexpr int kTitleLimit = 100;
constexpr LPCTSTR kImageFilter = "Image Files (*.gif;*.jpg)|*.gif;*.jpg|All files (*.*)|*.*||";
constexpr LPCTSTR kMapFilter = "Map Files (*.map)|*.map|All files (*.*)|*.*||";

} // namespace

CString QZImageSizeText(LONG fileSize) {
    CString text;
    text.Format("%.3f kb", static_cast<double>(fileSize) * 0.001);
    return text;
}

QZImageAttributeView::QZImageAttributeView() : QZBoundFormView(IDD_IMAGE_ATTRIBUTES) {
    using B = QZFieldBinding;
    auto text = [this](CString (QZVantrelImage::*get)() const,
                       void (QZVantrelImage::*set)(const CString&)) {
        return B::Column<CString>{[this, get] { return Image() ? (Image()->*get)() : CString(); },
                                  [this, set](const CString& value) {
                                      if (Image())
                                          (Image()->*set)(value);
                                  }};
    };
    auto number = [this](auto get, auto set) {
        return B::Column<int32_t>{[this, get] { return Image() ? (Image()->*get)() : 0; },
                                  [this, set](const int32_t& value) {
                                      if (Image())
                                          set(Image(), value);
                                  }};
    };
    auto directory =
        B::Column<CString>{[this] { return Image() ? Image()->GetDirectory() : CString(); },
                           [this](const CString& value) {
                               if (Image())
                                   Image()->SetDirectory(value);
                           }};
    auto fileName =
        B::Column<CString>{[this] { return Image() ? Image()->GetFileName() : CString(); },
                           [this](const CString& value) {
                               if (Image())
                                   Image()->SetFileName(value);
                           }};
    m_binding
        .Number(IDC_ATTR_BORDER, m_nBorder,
                number(&QZVantrelImage::GetBorderWidth,
                       [](QZVantrelImage* image, int32_t v) {
                           image->SetBorderWidth(static_cast<short>(v));
                       }),
                B::kShort, {IDC_ATTR_BORDER_SPIN, 0, 100})
        .Text(IDC_ATTR_ALTERNATE_TEXT, m_strAlternateText,
              text(&QZVantrelImage::GetAlternateText, &QZVantrelImage::SetAlternateText), 255)
        .Text(IDC_ATTR_FILE_NAME, m_strFileName, fileName, 30)
        .Text(IDC_ATTR_MAP_FILE, m_strMapFile,
              text(&QZVantrelImage::GetMapFile, &QZVantrelImage::SetMapFile), 50)
        .Shown(IDC_ATTR_SIZE, m_strSizeText)
        .Number(IDC_ATTR_VSPACE, m_nVSpace,
                number(&QZVantrelImage::GetVSpace,
                       [](QZVantrelImage* image, int32_t v) {
                           image->SetVSpace(static_cast<BYTE>(v));
                       }),
                B::kByte, {IDC_ATTR_VSPACE_SPIN, 0, 100})
        .Number(IDC_ATTR_HSPACE, m_nHSpace,
                number(&QZVantrelImage::GetHSpace,
                       [](QZVantrelImage* image, int32_t v) {
                           image->SetHSpace(static_cast<BYTE>(v));
                       }),
                B::kByte, {IDC_ATTR_HSPACE_SPIN, 0, 100})
        .Text(IDC_ATTR_DIRECTORY, m_strDirectory, directory, 30)
        .Shown(IDC_ATTR_RELATIVE_PATH, m_strRelativePath)
        .Number(IDC_ATTR_HEIGHT, m_nHeight,
                number(&QZVantrelImage::GetHeight,
                       [](QZVantrelImage* image, int32_t v) {
                           image->SetHeight(static_cast<short>(v));
                       }),
                B::kUnsignedShort, {IDC_ATTR_HEIGHT_SPIN, 0, 1000})
        .Number(IDC_ATTR_WIDTH, m_nWidth,
                number(&QZVantrelImage::GetWidth,
                       [](QZVantrelImage* image, int32_t v) {
                           image->SetWidth(static_cast<short>(v));
                       }),
                B::kUnsignedShort, {IDC_ATTR_WIDTH_SPIN, 0, 1000})
        .Number(0, m_lFileSize,
                number(&QZVantrelImage::GetImageFileSize,
                       [](QZVantrelImage* image, int32_t v) { image->SetImageFileSize(v); }),
                B::kLong)
        .StoreOrder({&m_strAlternateText, &m_strFileName, &m_strDirectory, &m_strMapFile,
                     &m_nHSpace, &m_nVSpace, &m_nWidth, &m_nHeight, &m_nBorder, &m_lFileSize});
}

QZImageAttributeView::~QZImageAttributeView() = default;

QZVantrelImage* QZImageAttributeView::Image() const {
    return dynamic_cast<QZVantrelImage*>(GetObject());
}

void QZImageAttributeView::FillMembers() {
    QZVantrelImage* image = Image();
    if (!image)
        return;
    m_binding.Fill();
    m_strRelativePath = QZRelativeSitePath(image->GetServiceKey(), image->GetSectionKey());
    ShowFileSize();
}

void QZImageAttributeView::ShowFileSize() {
    m_strSizeText = QZImageSizeText(m_lFileSize);
}

void QZImageAttributeView::OnInitialUpdate() {
    FillMembers();
    InitBoundControls(kTitleLimit, &m_edDirectory);
}

void QZImageAttributeView::LoadFromObject() {
    FillMembers();
    QZFormView::LoadFromObject();
}

void QZImageAttributeView::OnBrowseFile() {
    CString fileDir;
    const std::optional<CString> name =
        CopyFileIntoSite(kImageFilter, m_strFileName, m_strDirectory, fileDir);
    if (!name)
        return;
    CString path = fileDir;
    if (!name->IsEmpty() && path.Right(1) != "/")
        path += "/";
    path += *name;
    const QZImageSize size = MeasureImageFile(path);
    if (size.opened) {
        m_lFileSize = size.fileSize;
        ShowFileSize();
        // Files that are neither GIF nor ".jpg" keep the sizes shown.
        if (size.measured) {
            m_nWidth = size.width;
            m_nHeight = size.height;
        }
    }
    UpdateData(FALSE);
}

void QZImageAttributeView::OnBrowseMapFile() {
    QZVantrelImage* image = Image();
    if (!image)
        return;
    UpdateData(TRUE);
    const CString developDir =
        MapWindowsPath(GetSectionDevelopPath(image->GetServiceKey(), image->GetSectionKey()));
    QZSiteFileCopy copy(developDir, [this](const CString& initial, const CString& filter) {
        CFileDialog dialog(TRUE, "map", initial,
                           OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                               OFN_FILEMUSTEXIST,
                           filter, this);
        return dialog.DoModal() == IDOK ? std::optional<CString>(dialog.GetPathName())
                                        : std::nullopt;
    });
    const std::optional<CString> name = copy.RunInto(kMapFilter, m_strMapFile, m_strDirectory,
                                                     "This map file will be copied into:  %s");
    if (!name)
        return;
    m_strMapFile = *name;
    UpdateData(FALSE);
}
