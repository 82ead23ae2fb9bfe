#include "editors/QZFormProps.h"

#include "content/commands/QZCmdForm.h"
#include "res/Resource.h"

QZFormProps::QZFormProps(QZCmdForm& command, const CString& rest)
    : QZObjectPropsDlg(IDD_FORM_PROPS, m_Forms, command.GetFormKey(),
                       [&command](const QZKeyCombo& key) { command.SetFormKey(key); }),
      m_command(command) {
    m_strOther = rest;
}

void QZFormProps::StoreFields() {
    QZObjectPropsDlg::StoreFields();
    m_command.SetRest(m_strOther);
}
