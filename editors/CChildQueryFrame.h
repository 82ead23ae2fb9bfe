#pragma once
// The editor frame of the query: its tabs are its row of QZEditorTabs.

#include "editors/QZChildFrame.h"

class CChildQueryFrame : public QZChildFrame {
    DECLARE_DYNCREATE(CChildQueryFrame)
public:
    CChildQueryFrame();
};
