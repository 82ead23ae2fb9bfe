#pragma once
// The editor frame of the style: its tabs are its row of QZEditorTabs.

#include "editors/QZChildFrame.h"

class CChildStyleFrame : public QZChildFrame {
    DECLARE_DYNCREATE(CChildStyleFrame)
public:
    CChildStyleFrame();
};
