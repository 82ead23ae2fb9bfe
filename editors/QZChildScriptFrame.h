#pragma once
// The editor frame of the script: its tabs are its row of QZEditorTabs.

#include "editors/QZChildFrame.h"

class QZChildScriptFrame : public QZChildFrame {
    DECLARE_DYNCREATE(QZChildScriptFrame)
public:
    QZChildScriptFrame();
};
