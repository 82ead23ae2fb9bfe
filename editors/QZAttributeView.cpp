#include "editors/QZAttributeView.h"

#include "content/QZServiceLookups.h"
#include "content/QZVantrelPage.h"
#include "editors/QZDocument.h"
#include "platform/ui/CDataExchange.h"
#include "res/TextEditorIds.h"

IMPLEMENT_DYNCREATE(QZAttributeView, QZFormView)

namespace {

constexpr int kKeywordsLimit = 255;
constexpr int kFileNameLimit = 30;
constexpr int kDirectoryLimit = 30;
constexpr int kTitleLimit = 100;

} // namespace

QZAttributeView::QZAttributeView() : QZFormView(IDD_PAGE_ATTRIBUTES) {}

QZVantrelPage* QZAttributeView::Page() const {
    return dynamic_cast<QZVantrelPage*>(GetObject());
}

void QZAttributeView::DoDataExchange(CDataExchange* pDX) {
    QZFormView::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PAGE_KEYWORDS, m_strKeywords);
    DDV_MaxChars(pDX, m_strKeywords, kKeywordsLimit);
    DDX_Text(pDX, IDC_PAGE_FILENAME, m_strFileName);
    DDV_MaxChars(pDX, m_strFileName, kFileNameLimit);
    DDX_Text(pDX, IDC_PAGE_DIRECTORY, m_strDirectory);
    DDV_MaxChars(pDX, m_strDirectory, kDirectoryLimit);
    DDX_Text(pDX, IDC_PAGE_RELATIVE_PATH, m_strRelativePath);
}

void QZAttributeView::OnInitialUpdate() {
    m_cbStyle.SubclassDlgItem(IDC_PAGE_STYLE, this);
    m_edDirectory.SubclassDlgItem(IDC_PAGE_DIRECTORY, this);
    // The shared controls are filled by the base's first update, the page's own here.
    ReadPage();
    QZFormView::OnInitialUpdate();
    LimitTitle();
}

void QZAttributeView::LimitTitle() {
    // Page titles are longer than the other objects' names.
    if (m_edTitle.GetSafeHwnd())
        m_edTitle.LimitText(kTitleLimit);
}

void QZAttributeView::LoadFromObject() {
    ReadPage();
    QZFormView::LoadFromObject();
    LimitTitle();
}

void QZAttributeView::ReadPage() {
    if (QZVantrelPage* page = Page()) {
        m_strFileName = page->GetFileName();
        m_strKeywords = page->GetKeywords();
        m_strDirectory = page->GetDirectory();
        m_strRelativePath =
            GetServiceSectionDirectory(page->GetServiceKey(), page->GetSectionKey());
        if (m_cbStyle.GetSafeHwnd())
            m_cbStyle.Fill(page->GetServiceKey(), page->GetStyleKey());
    }
}

BOOL QZAttributeView::SaveToObject() {
    if (!QZFormView::SaveToObject())
        return FALSE;
    QZVantrelPage* page = Page();
    QZDocument* document = GetEditorDocument();
    if (!page || !document)
        return FALSE;
    m_strFileName.TrimLeft();
    m_strFileName.TrimRight();
    if (m_strFileName.Compare(page->GetFileName()) != 0) {
        page->SetFileName(m_strFileName);
        document->SetModifiedFlag(TRUE);
    }
    if (m_strKeywords.Compare(page->GetKeywords()) != 0) {
        page->SetKeywords(m_strKeywords);
        document->SetModifiedFlag(TRUE);
    }
    if (m_strDirectory.Compare(page->GetDirectory()) != 0) {
        page->SetDirectory(m_strDirectory);
        document->SetModifiedFlag(TRUE);
    }
    if (m_cbStyle.GetSafeHwnd() && IsChosenKey(m_cbStyle.GetSelectedKey(), page->GetStyleKey())) {
        page->SetStyleKey(m_cbStyle.GetSelectedKey());
        document->SetModifiedFlag(TRUE);
    }
    UpdateData(FALSE);
    return TRUE;
}

void QZAttributeView::RefreshSectionList() {
    QZFormView::RefreshSectionList();
    QZVantrelPage* page = Page();
    if (!page || !m_cbStyle.GetSafeHwnd())
        return;
    const QZKeyCombo site =
        m_cbService.GetSafeHwnd() ? m_cbService.GetSelectedKey() : page->GetServiceKey();
    m_cbStyle.Fill(site, page->GetStyleKey());
}
