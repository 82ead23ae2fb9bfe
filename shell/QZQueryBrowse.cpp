#include "shell/QZQueryBrowse.h"

#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/ui/DialogModalLoop.h"
#include "res/Resource.h"

QZQueryBrowse::QZQueryBrowse(CWnd* pParent) : m_nTable(0) {
    m_pParentWnd = pParent;
}

QZQueryBrowse::~QZQueryBrowse() {
    if (m_Database.IsOpen())
        m_Database.Close();
}

void QZQueryBrowse::OpenDatabase(LPCTSTR path) {
    // A data database may also be a plain SQLite file made by another program.
    m_Database.OpenDataFile(path, FALSE);
}

INT_PTR QZQueryBrowse::DoModal() {
    m_nModalResult = IDCANCEL;
    if (!Create(IDD_QUERY_BROWSE, GetSafeOwner(m_pParentWnd)))
        return -1;
    RunDialogModalLoop(*this);
    DestroyWindow();
    return m_nModalResult;
}

void QZQueryBrowse::ListTables() {
    m_List.ResetContent();
    const int count = m_Database.IsOpen() ? m_Database.GetTableDefCount() : 0;
    for (int index = 0; index < count; ++index) {
        CDaoTableDefInfo info;
        try {
            m_Database.GetTableDefInfo(index, info);
        } catch (CDaoException* e) {
            // A table whose description cannot be read is left out.
            e->Delete();
            continue;
        }
        if (info.m_lAttributes == 0)
            m_List.AddString(info.m_strName);
    }
    SelectChosenName();
}

void QZQueryBrowse::ListQueries() {
    m_List.ResetContent();
    const int count = m_Database.IsOpen() ? m_Database.GetQueryDefCount() : 0;
    for (int index = 0; index < count; ++index) {
        CDaoQueryDefInfo info;
        try {
            m_Database.GetQueryDefInfo(index, info);
        } catch (CDaoException* e) {
            e->Delete();
            continue;
        }
        m_List.AddString(info.m_strName);
    }
    SelectChosenName();
}

BOOL QZQueryBrowse::OnInitDialog() {
    CDialog::OnInitDialog();
    m_List.SubclassDlgItem(IDC_QBROWSE_LIST, this);
    m_QueryRadio.SubclassDlgItem(IDC_QBROWSE_QUERY, this);
    m_TableRadio.SubclassDlgItem(IDC_QBROWSE_TABLE, this);
    if (m_nTable) {
        m_TableRadio.SetCheck(BST_CHECKED);
        ListTables();
    } else {
        m_QueryRadio.SetCheck(BST_CHECKED);
        ListQueries();
    }
    return TRUE;
}

BOOL QZQueryBrowse::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == IDC_QBROWSE_QUERY && code == BN_CLICKED)
        OnQueries();
    else if (id == IDC_QBROWSE_TABLE && code == BN_CLICKED)
        OnTables();
    else if (id == IDC_QBROWSE_LIST && code == LBN_SELCHANGE)
        OnSelectionChange();
    else if (id == IDC_QBROWSE_LIST && code == LBN_DBLCLK)
        OnDoubleClick();
    else
        return CDialog::OnCommand(wParam, lParam);
    return TRUE;
}

void QZQueryBrowse::OnQueries() {
    m_nTable = 0;
    ListQueries();
}

void QZQueryBrowse::OnTables() {
    m_nTable = 1;
    ListTables();
}

void QZQueryBrowse::OnSelectionChange() {
    const int selection = m_List.GetCurSel();
    if (selection == LB_ERR)
        m_strName.Empty();
    else
        m_List.GetText(selection, m_strName);
}

void QZQueryBrowse::OnDoubleClick() {
    OnSelectionChange();
    OnOK();
}

void QZQueryBrowse::SelectChosenName() {
    const int line = m_strName.IsEmpty() ? LB_ERR : m_List.FindStringExact(-1, m_strName);
    if (line != LB_ERR)
        m_List.SetCurSel(line);
}
