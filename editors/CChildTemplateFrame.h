#pragma once
// The editor frame of the macro: its tabs are its row of QZEditorTabs.

#include "editors/QZChildFrame.h"

class CChildTemplateFrame : public QZChildFrame {
    DECLARE_DYNCREATE(CChildTemplateFrame)
public:
    CChildTemplateFrame();
};
