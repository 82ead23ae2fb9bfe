#include "editors/QZIntLinkProps.h"

#include "content/QZVantrelPage.h"
#include "content/commands/QZCmdIntLink.h"
#include "res/Resource.h"

#include <memory>

namespace {

BOOL IsUnsetOrEmpty(const QZKeyCombo& key) {
    return (key.m_DbID == 0 && key.m_KeyID == 0) || (key.m_DbID == -1 && key.m_KeyID == -1);
}

} // namespace

QZIntLinkProps::QZIntLinkProps(QZCmdIntLink& command, const CString&)
    : QZCommandPropsDlg(IDD_INTLINK_PROPS, m_Pages), m_command(command) {
    m_strAnchor = command.m_strAnchor;
    m_strOther = command.m_strOther;
}

BOOL QZIntLinkProps::OnInitDialog() {
    m_Sections.SubclassDlgItem(IDC_PROPS_SECTION, this);
    m_AnchorEdit.SubclassDlgItem(IDC_PROPS_ANCHOR, this);
    return QZCommandPropsDlg::OnInitDialog();
}

void QZIntLinkProps::DoDataExchange(CDataExchange* pDX) {
    QZCommandPropsDlg::DoDataExchange(pDX);
    ExchangeText(pDX, m_AnchorEdit, m_strAnchor);
}

void QZIntLinkProps::FillLists() {
    const QZKeyCombo& key = m_command.GetTargetKey();
    std::unique_ptr<QZVantrelPage> page;
    if (key.m_KeyID > 0 && key.m_ObjectType != OBJ_IMAGE) {
        page = std::make_unique<QZVantrelPage>(key, FALSE);
        if (!page->IsLoaded())
            page.reset();
    }
    m_SiteKey = page ? page->GetServiceKey() : QZKeyCombo(-1, -1);
    m_SectionKey = page ? page->GetSectionKey() : QZKeyCombo(-1, -1);
    if (IsUnsetOrEmpty(m_SiteKey))
        m_SiteKey = SelectedSite();
    if (IsUnsetOrEmpty(m_SectionKey))
        m_SectionKey = SelectedSection();
    m_Sections.Fill(m_SiteKey, m_SectionKey);
    FillObjectList(m_SectionKey, key);
}

void QZIntLinkProps::OnSectionChosen() {
    m_SectionKey = m_Sections.GetSelectedKey();
    FillObjectList(m_SectionKey, m_command.GetTargetKey());
}

void QZIntLinkProps::OnObjectChosen() {
    m_command.SetTargetKey(SelectedKey());
}

void QZIntLinkProps::StoreFields() {
    m_command.SetTargetKey(ChosenKey(m_command.GetTargetKey()));
    m_command.m_strAnchor = m_strAnchor;
    m_command.m_strOther = m_strOther;
}
