#include "editors/QZActionProps.h"

#include "content/commands/QZCmdRowActionMember.h"
#include "res/Resource.h"

QZActionProps::QZActionProps(QZCmdRowActionMember& command, CString&, CString& rest)
    : QZObjectPropsDlg(IDD_ACTION_PROPS, m_Queries, command.GetQueryKey(),
                       [&command](const QZKeyCombo& key) { command.SetQueryKey(key); }),
      m_rest(rest) {
    m_strOther = rest;
}

void QZActionProps::StoreFields() {
    QZObjectPropsDlg::StoreFields();
    m_rest = m_strOther;
}
