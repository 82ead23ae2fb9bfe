#pragma once
// The editor frame of the multimedia object: its tabs are its row of QZEditorTabs.

#include "editors/QZChildFrame.h"

class QZChildMultiMediaFrame : public QZChildFrame {
    DECLARE_DYNCREATE(QZChildMultiMediaFrame)
public:
    QZChildMultiMediaFrame();
};
