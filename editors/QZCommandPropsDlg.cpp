#include "editors/QZCommandPropsDlg.h"

#include "db/QZApplication.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/DialogModalLoop.h"
#include "res/Resource.h"
#include "shell/QZListComboBox.h"

#include <cerrno>
#include <cstdlib>

namespace {

// Set while the controls are read for a choice in a list, which must not stop on a message.
BOOL g_bQuietExchange = FALSE;

const LPCTSTR kAlignments[] = {"Left", "Top", "Right", "Bottom", "Middle"};

BOOL ParseNumber(const CString& text, LONG& value) {
    CString trimmed = text;
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return FALSE;
    errno = 0;
    char* end = nullptr;
    const long number = std::strtol(trimmed, &end, 10);
    if (errno != 0 || end == nullptr || *end != '\0' || number < INT32_MIN || number > INT32_MAX)
        return FALSE;
    value = static_cast<LONG>(number);
    return TRUE;
}

} // namespace

QZCommandPropsDlg::QZCommandPropsDlg(UINT templateId, QZListComboBox& list)
    : m_List(list), m_nTemplate(templateId) {}

INT_PTR QZCommandPropsDlg::DoModal() {
    m_nModalResult = IDCANCEL;
    // Over the main window, so that no window manager puts the dialog behind it.
    if (!Create(m_nTemplate, GetSafeOwner(nullptr)))
        return -1;
    RunDialogModalLoop(*this);
    DestroyWindow();
    return m_nModalResult;
}

BOOL QZCommandPropsDlg::OnInitDialog() {
    m_List.SubclassDlgItem(IDC_PROPS_OBJECT, this);
    m_OtherEdit.SubclassDlgItem(IDC_PROPS_OTHER, this);
    FillLists();
    CDialog::OnInitDialog();
    return TRUE;
}

void QZCommandPropsDlg::OnOK() {
    if (!UpdateData(TRUE))
        return;
    StoreFields();
    EndDialog(IDOK);
}

void QZCommandPropsDlg::DoDataExchange(CDataExchange* pDX) {
    if (m_bExchangeOther)
        ExchangeText(pDX, m_OtherEdit, m_strOther);
}

BOOL QZCommandPropsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (HIWORD(wParam) == CBN_SELENDOK && (id == IDC_PROPS_OBJECT || id == IDC_PROPS_SECTION)) {
        // What the user typed elsewhere stays: the controls are read before the refresh.
        ReadQuietly();
        if (id == IDC_PROPS_OBJECT) {
            m_bPicked = TRUE;
            OnObjectChosen();
        } else {
            OnSectionChosen();
        }
        UpdateData(FALSE);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void QZCommandPropsDlg::ReadQuietly() {
    g_bQuietExchange = TRUE;
    UpdateData(TRUE);
    g_bQuietExchange = FALSE;
}

void QZCommandPropsDlg::FillObjectList(const QZKeyCombo& parent, const QZKeyCombo& key) {
    // A command without a key opens on "None"; the list must never be left without entries.
    const BOOL noKey = IsNoKey(key);
    m_List.Fill(parent, noKey ? QZKeyCombo(0, 0) : key, TRUE);
    m_bKeyListed = noKey || m_List.FindKey(key) >= 0;
    if (!m_bKeyListed)
        m_List.SetCurSel(-1);
}

QZKeyCombo QZCommandPropsDlg::ChosenKey(const QZKeyCombo& current) const {
    if (!m_bPicked && !m_bKeyListed)
        return current;
    return SelectedKey();
}

const QZKeyCombo& QZCommandPropsDlg::SelectedKey() const {
    return m_List.GetSelectedKey();
}

QZKeyCombo QZCommandPropsDlg::SelectedSite() {
    QZApplication* app = GetVantrelApp();
    return app ? app->GetCurrentServiceKey() : QZKeyCombo(-1, -1);
}

QZKeyCombo QZCommandPropsDlg::SelectedSection() {
    QZApplication* app = GetVantrelApp();
    return app ? app->GetCurrentSectionKey() : QZKeyCombo(-1, -1);
}

BOOL QZCommandPropsDlg::IsNoKey(const QZKeyCombo& key) {
    return key.m_KeyID <= 0;
}

void ExchangeText(CDataExchange* pDX, CEdit& edit, CString& value) {
    if (!edit.GetSafeHwnd())
        return;
    if (pDX->m_bSaveAndValidate)
        edit.GetWindowText(value);
    else
        edit.SetWindowText(value);
}

void ExchangeNumber(CDataExchange* pDX, CEdit& edit, LONG& value, BOOL quiet) {
    if (!edit.GetSafeHwnd())
        return;
    if (!pDX->m_bSaveAndValidate) {
        CString text;
        text.Format("%d", value);
        edit.SetWindowText(text);
        return;
    }
    CString text;
    edit.GetWindowText(text);
    if (ParseNumber(text, value) || quiet || g_bQuietExchange)
        return;
    AfxMessageBox("Please enter an integer.", MB_ICONEXCLAMATION);
    edit.SetFocus();
    pDX->Fail();
}

void ExchangeCheck(CDataExchange* pDX, CButton& box, BOOL& value) {
    if (!box.GetSafeHwnd())
        return;
    if (pDX->m_bSaveAndValidate)
        value = box.GetCheck() == BST_CHECKED;
    else
        box.SetCheck(value ? BST_CHECKED : BST_UNCHECKED);
}

void ExchangeIndex(CDataExchange* pDX, CComboBox& list, int& index) {
    if (!list.GetSafeHwnd())
        return;
    if (pDX->m_bSaveAndValidate)
        index = list.GetCurSel();
    else
        list.SetCurSel(index);
}

void FillAlignments(CComboBox& list) {
    list.ResetContent();
    for (LPCTSTR alignment : kAlignments)
        list.AddString(alignment);
}

int AlignIndex(LONG align) {
    return align >= 1 && align <= 5 ? static_cast<int>(align) - 1 : -1;
}

LONG AlignNumber(int index) {
    return index >= 0 && index < 5 ? index + 1 : 0;
}
