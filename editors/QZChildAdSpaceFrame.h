#pragma once
// The editor frame of the ad space: its tabs are its row of QZEditorTabs.

#include "editors/QZChildFrame.h"

class QZChildAdSpaceFrame : public QZChildFrame {
    DECLARE_DYNCREATE(QZChildAdSpaceFrame)
public:
    QZChildAdSpaceFrame();
};
