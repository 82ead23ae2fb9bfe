#include "editors/QZMultiMediaProps.h"

#include "res/Resource.h"

QZMultiMediaProps::QZMultiMediaProps(QZKeyCombo& key, const CString& parameters)
    : QZObjectPropsDlg(IDD_MEDIA_PROPS, m_Media, key,
                       [&key](const QZKeyCombo& chosen) { key = chosen; }) {
    m_strOther = parameters;
}
