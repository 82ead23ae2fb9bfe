#include "editors/QZReturnProps.h"

#include "content/commands/QZCmdReturn.h"
#include "res/Resource.h"

QZReturnProps::QZReturnProps(QZCmdReturn& command, CString&, CString& rest)
    : QZObjectPropsDlg(IDD_ACTION_PROPS, m_Pages, command.GetPageKey(),
                       [&command](const QZKeyCombo& key) { command.SetPageKey(key); }),
      m_rest(rest) {
    m_strOther = rest;
}

void QZReturnProps::StoreFields() {
    QZObjectPropsDlg::StoreFields();
    m_rest = m_strOther;
}
