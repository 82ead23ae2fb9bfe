#include "editors/QZQueryProps.h"

#include "content/QZVantrelQuery.h"
#include "content/commands/QZCmdQuery.h"
#include "platform/core/CMemoryException.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/CWaitCursor.h"
#include "res/Resource.h"

#include <new>

namespace {

void FreeTexts(CPtrList& list) {
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        delete static_cast<CString*>(list.GetNext(pos));
    list.RemoveAll();
}

} // namespace

QZQueryProps::QZQueryProps(QZCmdQuery& command, const CString& rest)
    : QZObjectPropsDlg(IDD_QUERY_PROPS, m_Queries, command.GetQueryKey(),
                       [&command](const QZKeyCombo& key) { command.SetQueryKey(key); }),
      m_command(command) {
    m_strOther = rest;
}

void QZQueryProps::OnObjectChosen() {
    QZObjectPropsDlg::OnObjectChosen();
    m_strOther.Empty();
    RebuildParameters();
}

void QZQueryProps::StoreFields() {
    QZObjectPropsDlg::StoreFields();
    m_command.SetRest(m_strOther);
}

void QZQueryProps::RebuildParameters() {
    if (IsNoKey(m_Key))
        return;
    CWaitCursor wait;
    CPtrList fields;
    CPtrList parameters;
    try {
        QZVantrelQuery query(m_Key, FALSE);
        query.ListFieldsAndParameters(m_Key, fields, parameters);
        for (POSITION pos = parameters.GetHeadPosition(); pos != nullptr;) {
            m_strOther += *static_cast<CString*>(parameters.GetNext(pos));
            m_strOther += "=???";
            if (pos != nullptr)
                m_strOther += ", ";
        }
    } catch (CMemoryException* e) {
        e->Delete();
        AfxMessageBox("Unable to allocate memory.");
    } catch (const std::bad_alloc&) {
        AfxMessageBox("Unable to allocate memory.");
    } catch (CException* e) {
        // A query that cannot be read leaves the text as far as it was built.
        e->Delete();
    }
    FreeTexts(fields);
    FreeTexts(parameters);
}
