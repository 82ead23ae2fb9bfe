#pragma once
// The editor frame of the e-mail message: its tabs are its row of QZEditorTabs.

#include "editors/QZChildFrame.h"

class CChildMsgFrame : public QZChildFrame {
    DECLARE_DYNCREATE(CChildMsgFrame)
public:
    CChildMsgFrame();
};
