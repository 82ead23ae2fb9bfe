#include "editors/QZActiveXProps.h"

#include "res/Resource.h"

QZActiveXProps::QZActiveXProps(QZCmdActiveX& command)
    : QZEmbeddedPropsDlg(IDD_ACTIVEX_PROPS, command) {}
