#pragma once
// The editor frame of the ad: its tabs are its row of QZEditorTabs.

#include "editors/QZChildFrame.h"

class QZChildAdFrame : public QZChildFrame {
    DECLARE_DYNCREATE(QZChildAdFrame)
public:
    QZChildAdFrame();
};
