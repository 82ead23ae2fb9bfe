#include "editors/QZJavaView.h"

#include "content/QZVantrelJava.h"
#include "editors/QZDocument.h"
#include "editors/QZRelativeSitePath.h"
#include "res/ImageViewResources.h"

IMPLEMENT_DYNCREATE(QZJavaView, QZBoundFormView)

BEGIN_MESSAGE_MAP(QZJavaView, QZBoundFormView)
ON_COMMAND(IDC_ATTR_BROWSE_FILE, OnBrowse)
END_MESSAGE_MAP()

namespace {

constexpr int kTitleLimit = 100;
constexpr LPCTSTR kFilter = "Java Applets (*.class)|*.class|All files (*.*)|*.*||";

} // namespace

QZJavaView::QZJavaView() : QZBoundFormView(IDD_JAVA_VIEW) {
    using B = QZFieldBinding;
    using S = CJavaSet;
    std::function<S*()> row = [this] { return Java() ? Java()->GetRecordset() : nullptr; };
    // The directory is read through the object's getter, as everything else reads it.
    const B::Column<CString> directory{
        [this] { return Java() ? Java()->GetDirectory() : CString(); },
        B::Member(row, &S::m_Directory).set};
    m_binding
        .Text(IDC_ATTR_ALTERNATE_TEXT, m_strAlternateText, B::Member(row, &S::m_AlternateText), 255)
        .Shown(IDC_ATTR_RELATIVE_PATH, m_strRelativePath)
        .Text(IDC_ATTR_DIRECTORY, m_strDirectory, directory, 30)
        .Text(IDC_JAVA_CODE, m_strCode, B::Member(row, &S::m_Code))
        .Number(IDC_ATTR_HSPACE, m_nHSpace, B::NumberMember(row, &S::m_HSpace), B::kByte,
                {IDC_ATTR_HSPACE_SPIN, 0, 100})
        .Number(IDC_ATTR_VSPACE, m_nVSpace, B::NumberMember(row, &S::m_VSpace), B::kByte,
                {IDC_ATTR_VSPACE_SPIN, 0, 100})
        .Number(IDC_ATTR_WIDTH, m_nWidth, B::NumberMember(row, &S::m_Width), B::kShort,
                {IDC_ATTR_WIDTH_SPIN, 0, 100})
        .Number(IDC_ATTR_HEIGHT, m_nHeight, B::NumberMember(row, &S::m_Height), B::kShort,
                {IDC_ATTR_HEIGHT_SPIN, 0, 100})
        .Number(IDC_ATTR_BORDER, m_nDownload, B::NumberMember(row, &S::m_Download), B::kShort,
                {IDC_ATTR_BORDER_SPIN, 0, 100});
}

QZJavaView::~QZJavaView() = default;

QZVantrelJava* QZJavaView::Java() const {
    return dynamic_cast<QZVantrelJava*>(GetObject());
}

void QZJavaView::FillMembers() {
    QZVantrelJava* java = Java();
    if (!java)
        return;
    m_binding.Fill();
    m_strRelativePath = QZRelativeSitePath(java->GetServiceKey(), java->GetSectionKey());
}

void QZJavaView::OnInitialUpdate() {
    FillMembers();
    InitBoundControls(kTitleLimit, &m_edDirectory);
}

void QZJavaView::LoadFromObject() {
    FillMembers();
    QZFormView::LoadFromObject();
}

void QZJavaView::OnBrowse() {
    CString fileDir;
    CopyFileIntoSite(kFilter, m_strCode, m_strDirectory, fileDir);
    UpdateData(FALSE);
}
