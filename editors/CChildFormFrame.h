#pragma once
// The editor frame of the form: its tabs are its row of QZEditorTabs. It records once, when it
// is made, whether the main window's "Form Controls" bar was showing, for the form text view.

#include "editors/QZChildFrame.h"

class CChildFormFrame : public QZChildFrame {
    DECLARE_DYNCREATE(CChildFormFrame)
public:
    CChildFormFrame();

    BOOL m_bFormBarWasVisible = FALSE;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
};
