#include "shell/QZQueryWizardBase.h"

#include "content/QZVantrelQuery.h"
#include "platform/core/CMemoryException.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/CWaitCursor.h"
#include "platform/ui/CWinApp.h"

#include <new>

namespace {

BOOL IsEmptyKey(const QZKeyCombo& key) {
    return (key.m_DbID == 0 && key.m_KeyID == 0) || (key.m_DbID == -1 && key.m_KeyID == -1);
}

void FreeTexts(CPtrList*& list) {
    if (!list)
        return;
    for (POSITION pos = list->GetHeadPosition(); pos != nullptr;)
        delete static_cast<CString*>(list->GetNext(pos));
    delete list;
    list = nullptr;
}

const CString* TextAt(const CPtrList* list, int index) {
    if (!list || index < 0 || index >= static_cast<int>(list->GetCount()))
        return nullptr;
    return static_cast<const CString*>(list->GetAt(list->FindIndex(index)));
}

} // namespace

QZQueryWizardBase::QZQueryWizardBase(LPCTSTR caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage), m_QueryKey(-1, -1) {
    AddPage(&m_P1);
}

QZQueryWizardBase::~QZQueryWizardBase() {
    FreeQueryInfo();
}

void QZQueryWizardBase::SetUpPages() {
    while (GetPageCount() > 1)
        RemovePage(GetPageCount() - 1);
    m_strParameters.Empty();
    m_strFields.Empty();
    m_strRowCount.Empty();
    m_strNoRows.Empty();
    m_strGroup.Empty();
    m_strButtons.Empty();
    LoadQueryInfo(m_QueryKey);
    if (m_pParameters && m_pParameters->GetCount() > 0) {
        m_P2.Clear();
        AddPage(&m_P2);
    }
    AddPage(&m_P3);
    if (m_nMode == ADD_ROWS || m_nMode == EDIT_ROWS) {
        AddPage(&m_P7);
    } else {
        AddPage(&m_P4);
        AddPage(&m_P6);
    }
}

void QZQueryWizardBase::LoadQueryInfo(const QZKeyCombo& key) {
    FreeQueryInfo();
    m_pFields = new CPtrList;
    m_pParameters = new CPtrList;
    if (IsEmptyKey(key))
        return;
    CWaitCursor wait;
    try {
        // The lister swallows the engine's errors itself: the lists stay as far as filled.
        QZVantrelQuery query(key, FALSE);
        query.ListFieldsAndParameters(key, *m_pFields, *m_pParameters);
    } catch (CMemoryException* e) {
        e->Delete();
        AfxMessageBox("Unable to allocate memory.");
    } catch (const std::bad_alloc&) {
        AfxMessageBox("Unable to allocate memory.");
    } catch (CException* e) {
        e->Delete();
    }
}

void QZQueryWizardBase::BuildQueryText() {
    m_strResult = "// " + (m_pQuery ? m_pQuery->GetName() : CString());
    m_strResult += "\r\n<<query " + m_QueryKey.Format();
    if (!m_strParameters.IsEmpty())
        m_strResult += ", " + m_strParameters;
    m_strResult += ">>\r\n";
    if (!m_strRowCount.IsEmpty())
        m_strResult += "\t<<firstrow>>\r\n\t\t" + m_strRowCount + "\t<</firstrow>>\r\n\r\n";
    m_strResult += m_strGroup;
    m_strResult += "\r\n";
    m_strResult += m_strFields;
    if (!m_strNoRows.IsEmpty())
        m_strResult += "\r\n\t<<norows>>\r\n\t\t" + m_strNoRows;
    m_strResult += "<</query>>\r\n";
    m_strResult += m_strButtons;
}

void QZQueryWizardBase::FreeQueryInfo() {
    FreeTexts(m_pFields);
    FreeTexts(m_pParameters);
}

void QZQueryWizardBase::SetQuery(std::unique_ptr<QZVantrelQuery> query, const QZKeyCombo& key) {
    m_pQuery = std::move(query);
    m_QueryKey = key;
}

int QZQueryWizardBase::GetFieldCount() const {
    return m_pFields ? static_cast<int>(m_pFields->GetCount()) : 0;
}

CString QZQueryWizardBase::GetFieldName(int index) const {
    const CString* entry = TextAt(m_pFields, index);
    if (!entry)
        return CString();
    const int tab = entry->Find('\t');
    return tab < 0 ? *entry : entry->Left(tab);
}

LONG QZQueryWizardBase::GetFieldWidth(int index) const {
    const CString* entry = TextAt(m_pFields, index);
    const int tab = entry ? entry->Find('\t') : -1;
    return tab < 0 ? 0 : static_cast<LONG>(atol(entry->Mid(tab + 1)));
}

std::vector<CString> QZQueryWizardBase::GetParameterNames() const {
    std::vector<CString> names;
    for (int i = 0; m_pParameters && i < static_cast<int>(m_pParameters->GetCount()); ++i)
        names.push_back(*TextAt(m_pParameters, i));
    return names;
}

CString RunQueryWizard(CWnd* parent) {
    QZQueryWizardBase wizard("Query Wizard", parent);
    wizard.SetWizardMode();
    const INT_PTR result = wizard.DoModal();
    if (result == IDCANCEL || result < 0)
        return CString();
    return wizard.m_strResult;
}
