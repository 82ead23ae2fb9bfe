#include "editors/QZMultiMediaView.h"

#include "content/QZVantrelMedia.h"
#include "editors/QZDocument.h"
#include "editors/QZRelativeSitePath.h"
#include "res/ImageViewResources.h"

IMPLEMENT_DYNCREATE(QZMultiMediaView, QZBoundFormView)

BEGIN_MESSAGE_MAP(QZMultiMediaView, QZBoundFormView)
ON_COMMAND(IDC_ATTR_BROWSE_FILE, OnBrowse)
END_MESSAGE_MAP()

namespace {

constexpr int kTitleLimit = 100;
constexpr LPCTSTR kFilter =
    "Sound Files (*.wav)|*.wav|Movie Files (*.avi)|*.avi|All files (*.*)|*.*||";

} // namespace

QZMultiMediaView::QZMultiMediaView() : QZBoundFormView(IDD_MULTIMEDIA_VIEW) {
    using B = QZFieldBinding;
    using S = CMediaSet;
    std::function<S*()> row = [this] { return Media() ? Media()->GetRecordset() : nullptr; };
    // Both are read through the object's getters, as everything else reads them.
    const B::Column<CString> directory{
        [this] { return Media() ? Media()->GetDirectory() : CString(); },
        B::Member(row, &S::m_Directory).set};
    const B::Column<CString> fileName{
        [this] { return Media() ? Media()->GetFileName() : CString(); },
        B::Member(row, &S::m_FileName).set};
    m_binding.Shown(IDC_ATTR_RELATIVE_PATH, m_strRelativePath)
        .Text(IDC_ATTR_DIRECTORY, m_strDirectory, directory)
        .Text(IDC_MEDIA_FILE_NAME, m_strFileName, fileName)
        .StoreOrder({&m_strFileName, &m_strDirectory});
}

QZMultiMediaView::~QZMultiMediaView() = default;

QZVantrelMedia* QZMultiMediaView::Media() const {
    return dynamic_cast<QZVantrelMedia*>(GetObject());
}

void QZMultiMediaView::FillMembers() {
    QZVantrelMedia* media = Media();
    if (!media)
        return;
    m_binding.Fill();
    m_strRelativePath = QZRelativeSitePath(media->GetServiceKey(), media->GetSectionKey());
}

void QZMultiMediaView::OnInitialUpdate() {
    FillMembers();
    InitBoundControls(kTitleLimit, &m_edDirectory);
}

void QZMultiMediaView::LoadFromObject() {
    FillMembers();
    QZFormView::LoadFromObject();
}

void QZMultiMediaView::OnBrowse() {
    CString fileDir;
    CopyFileIntoSite(kFilter, m_strFileName, m_strDirectory, fileDir);
    UpdateData(FALSE);
}
