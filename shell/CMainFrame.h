#pragma once
// The program's main window: the workbook frame titled "Marquill". Closing it keeps its
// placement in "Size". Its bars, panes and commands come with the main window's own work.

#include "wintoolkit/workbook/SECWorkbook.h"

// The frame class the main window stands on.
using CMainFrameBase = SECWorkbook;

class CMainFrame : public CMainFrameBase {
public:
    CMainFrame();
    ~CMainFrame() override;

    // Makes the frame (not shown yet): FALSE when it cannot be made.
    BOOL LoadFrame();

protected:
    void OnClose() override;
    void OnDestroy() override;
};
