#pragma once
// Bars for the docking tests: a sizable toolkit bar, and a fixed-size one standing for a toolbar
// (its own size whatever the mode), both usable with or without a window.

#include "tests/support/GeometryPrint.h"
#include "wintoolkit/docking/SECControlBar.h"

class SizableBar : public SECControlBar {
public:
    explicit SizableBar(float share = 1.0f, CSize horz = CSize(300, 100),
                        CSize vert = CSize(120, 300)) {
        m_fPctWidth = share;
        m_szMRUHorzDock = horz;
        m_szMRUVertDock = vert;
        m_szMRUFloat = CSize(300, 180);
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

class FixedBar : public SECControlBar {
public:
    explicit FixedBar(CSize size = CSize(100, 26)) : m_size(size) {
        m_dwExStyle = CBRS_EX_FIXEDSIZE;
    }
    CSize CalcDynamicLayout(int, DWORD dwMode) override {
        return (dwMode & LM_HORZ) || (dwMode & LM_HORZDOCK) ? m_size : CSize(m_size.cy, m_size.cx);
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}

private:
    CSize m_size;
};
