#pragma once
// The editor frame of the Java applet: its tabs are its row of QZEditorTabs.

#include "editors/QZChildFrame.h"

class QZChildJavaFrame : public QZChildFrame {
    DECLARE_DYNCREATE(QZChildJavaFrame)
public:
    QZChildJavaFrame();
};
