#include "editors/QZAdSpaceProps.h"

#include "res/Resource.h"

QZAdSpaceProps::QZAdSpaceProps(QZKeyCombo& key)
    : QZObjectPropsDlg(IDD_ACTION_PROPS, m_AdSpaces, key,
                       [&key](const QZKeyCombo& chosen) { key = chosen; }) {
    m_bExchangeOther = FALSE;
}
