#pragma once
// The editor frame of the advertiser: its tabs are its row of QZEditorTabs.

#include "editors/QZChildFrame.h"

class QZChildAdvertiserFrame : public QZChildFrame {
    DECLARE_DYNCREATE(QZChildAdvertiserFrame)
public:
    QZChildAdvertiserFrame();
};
