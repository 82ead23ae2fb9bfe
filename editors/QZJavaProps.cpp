#include "editors/QZJavaProps.h"

#include "res/Resource.h"

QZJavaProps::QZJavaProps(QZCmdJava& command) : QZEmbeddedPropsDlg(IDD_JAVA_PROPS, command) {}
