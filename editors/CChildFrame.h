#pragma once
// The editor frame of the page: its tabs are its row of QZEditorTabs.

#include "editors/QZChildFrame.h"

class CChildFrame : public QZChildFrame {
    DECLARE_DYNCREATE(CChildFrame)
public:
    CChildFrame();
};
