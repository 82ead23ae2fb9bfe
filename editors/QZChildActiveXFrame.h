#pragma once
// The editor frame of the ActiveX object: its tabs are its row of QZEditorTabs.

#include "editors/QZChildFrame.h"

class QZChildActiveXFrame : public QZChildFrame {
    DECLARE_DYNCREATE(QZChildActiveXFrame)
public:
    QZChildActiveXFrame();
};
