#pragma once
// The editor frame of the scheduled event: its tabs are its row of QZEditorTabs.

#include "editors/QZChildFrame.h"

class QZChildEventFrame : public QZChildFrame {
    DECLARE_DYNCREATE(QZChildEventFrame)
public:
    QZChildEventFrame();
};
