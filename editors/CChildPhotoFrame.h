#pragma once
// The editor frame of the photo: its tabs are its row of QZEditorTabs.

#include "editors/QZChildFrame.h"

class CChildPhotoFrame : public QZChildFrame {
    DECLARE_DYNCREATE(CChildPhotoFrame)
public:
    CChildPhotoFrame();
};
