#include "editors/QZMacroProps.h"

#include "content/commands/QZCmdTemplate.h"
#include "res/Resource.h"

QZMacroProps::QZMacroProps(QZCmdTemplate& command, CString&, CString& rest)
    : QZObjectPropsDlg(IDD_MACRO_PROPS, m_Macros, command.GetMacroKey(),
                       [&command](const QZKeyCombo& key) { command.SetMacroKey(key); }),
      m_rest(rest) {
    m_strOther = rest;
}

void QZMacroProps::StoreFields() {
    QZObjectPropsDlg::StoreFields();
    m_rest = m_strOther;
}
