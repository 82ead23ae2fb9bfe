#include "editors/QZScriptProps.h"

#include "res/Resource.h"

QZScriptProps::QZScriptProps(QZKeyCombo& key)
    : QZObjectPropsDlg(IDD_SCRIPT_PROPS, m_Scripts, key,
                       [&key](const QZKeyCombo& chosen) { key = chosen; }) {}
