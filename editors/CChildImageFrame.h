#pragma once
// The editor frame of the image: its tabs are its row of QZEditorTabs.

#include "editors/QZChildFrame.h"

class CChildImageFrame : public QZChildFrame {
    DECLARE_DYNCREATE(CChildImageFrame)
public:
    CChildImageFrame();
};
