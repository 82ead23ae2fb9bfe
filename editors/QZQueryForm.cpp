#include "editors/QZQueryForm.h"

#include "content/QZVantrelQuery.h"
#include "editors/QZDocument.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/WindowMessages.h"
#include "res/AdEventViewIds.h"
#include "shell/QZQueryBrowse.h"

IMPLEMENT_DYNCREATE(QZQueryForm, QZBoundFormView)

namespace {

constexpr const char* kDatabaseFilter = "Access databases (*.mdb)|*.mdb|All files (*.*)|*.*||";
constexpr int kEngineMessageLimit = 255;

} // namespace

QZQueryForm::QZQueryForm() : QZBoundFormView(IDD_QUERY_FORM) {
    auto column = [this](CString CQuerySet::*field) {
        return QZFieldBinding::At<CString>([this, field]() -> CString* {
            CQuerySet* row = Row();
            return row ? &(row->*field) : nullptr;
        });
    };
    m_binding.Text(IDC_QUERY_DATABASE, m_strDatabase, column(&CQuerySet::m_DatabaseName), 255)
        .Text(IDC_QUERY_PRODUCTION, m_strProduction, column(&CQuerySet::m_ClientsProdDb), 255)
        .Text(IDC_QUERY_NAME, m_strSQLName, column(&CQuerySet::m_SQLName), 50)
        .Text(IDC_QUERY_DSN, m_strDSN, column(&CQuerySet::m_DSN), 50)
        .Text(IDC_QUERY_SQL, m_strSQLCode, column(&CQuerySet::m_SQLCode))
        .Number(0, m_nQueryType, QZFieldBinding::NumberAt<BYTE>([this]() -> BYTE* {
                    CQuerySet* row = Row();
                    return row ? &row->m_QueryType : nullptr;
                }),
                QZFieldBinding::kByte)
        .StoreOrder({&m_strSQLName, &m_strSQLCode, &m_strDSN, &m_strDatabase, &m_strProduction,
                     &m_nQueryType});
}

CQuerySet* QZQueryForm::Row() const {
    auto* query = dynamic_cast<QZVantrelQuery*>(GetObject());
    return query ? query->GetRecordset() : nullptr;
}

void QZQueryForm::OnInitialUpdate() {
    m_binding.Fill();
    QZFormView::OnInitialUpdate();
    ShowQueryType();
}

void QZQueryForm::LoadFromObject() {
    m_binding.Fill();
    ShowQueryType();
    QZFormView::LoadFromObject();
}

void QZQueryForm::ShowQueryType() {
    if (!m_btnQuery.GetSafeHwnd())
        m_btnQuery.SubclassDlgItem(IDC_QUERY_IS_QUERY, this);
    if (!m_btnTable.GetSafeHwnd())
        m_btnTable.SubclassDlgItem(IDC_QUERY_IS_TABLE, this);
    m_btnTable.SetCheck(m_nQueryType != 0 ? BST_CHECKED : BST_UNCHECKED);
    m_btnQuery.SetCheck(m_nQueryType != 0 ? BST_UNCHECKED : BST_CHECKED);
}

BOOL QZQueryForm::SaveToObject() {
    if (!QZFormView::SaveToObject())
        return FALSE;
    // No production database: the development one serves for both, which is no edit.
    CQuerySet* row = Row();
    if (row && m_strProduction.IsEmpty()) {
        m_strProduction = m_strDatabase;
        row->m_ClientsProdDb = m_strDatabase;
        UpdateData(FALSE);
    }
    m_binding.Store(GetEditorDocument());
    return TRUE;
}

BOOL QZQueryForm::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0 || HIWORD(wParam) != BN_CLICKED)
        return QZFormView::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_QUERY_IS_QUERY:
        m_nQueryType = 0;
        return TRUE;
    case IDC_QUERY_IS_TABLE:
        m_nQueryType = 1;
        return TRUE;
    case IDC_QUERY_DATABASE_BROWSE:
        OnChooseDatabase();
        return TRUE;
    case IDC_QUERY_PRODUCTION_BROWSE:
        OnChooseProduction();
        return TRUE;
    case IDC_QUERY_NAME_BROWSE:
        OnBrowseQuery();
        return TRUE;
    default:
        return QZFormView::OnCommand(wParam, lParam);
    }
}

void QZQueryForm::OnChooseDatabase() {
    ChooseFile(IDC_QUERY_DATABASE, m_strDatabase);
}

void QZQueryForm::OnChooseProduction() {
    ChooseFile(IDC_QUERY_PRODUCTION, m_strProduction);
}

void QZQueryForm::ChooseFile(UINT editId, CString& member) {
    CFileDialog dialog(TRUE, "mdb", member, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kDatabaseFilter,
                       this);
    if (dialog.DoModal() != IDOK)
        return;
    member = dialog.GetPathName();
    ReplaceText(editId, member);
}

void QZQueryForm::ReplaceText(UINT editId, const CString& text) {
    CEdit edit;
    if (!edit.SubclassDlgItem(editId, this))
        return;
    edit.SetSel(0, -1);
    edit.ReplaceSel(text, TRUE);
    edit.Detach();
}

void QZQueryForm::OnBrowseQuery() {
    SaveToObject();
    QZQueryBrowse browse(this);
    try {
        browse.OpenDatabase(m_strDatabase);
        browse.m_strName = m_strSQLName;
        browse.m_nTable = m_nQueryType;
        if (browse.DoModal() != IDOK)
            return;
    } catch (CDaoException* e) {
        const CaughtDaoError error(e);
        AfxMessageBox(error.Message().Left(kEngineMessageLimit));
        return;
    }
    m_nQueryType = browse.m_nTable != 0 ? 1 : 0;
    ShowQueryType();
    m_strSQLName = browse.m_strName;
    ReplaceText(IDC_QUERY_NAME, m_strSQLName);
}
