#pragma once
// The workbook main window: a docking MDI frame that, in workbook mode, shows each worksheet
// (SECWorksheet) as a tab it draws itself in a strip under the MDI client, with a 3D border
// round the client; a click on a tab activates its sheet. With the mode off it is the plain
// docking MDI frame: no margins, no tabs.

#include "platform/core/CObArray.h"
#include "platform/ui/CFont.h"
#include "platform/ui/CPen.h"
#include "wintoolkit/frame/SECMDIFrameWnd.h"

class CRgn;
class SECWorkbookClient;
class SECWorksheet;

class SECWorkbook : public SECMDIFrameWnd {
    DECLARE_DYNCREATE(SECWorkbook)
public:
    SECWorkbook();
    ~SECWorkbook() override;

    virtual void AddSheet(SECWorksheet* pSheet);
    virtual void RemoveSheet(SECWorksheet* pSheet);
    // The outline of the sheet's tab, 7 points; the caller frees the array with delete[].
    virtual void GetTabPolygon(SECWorksheet* pSheet, CPoint** ppPoints, int* pCount);
    virtual HICON GetTabIcon(SECWorksheet* pSheet);
    // The title of the sheet's active document, or null without one.
    virtual LPCTSTR GetTabLabel(SECWorksheet* pSheet);
    virtual void DrawTab(CDC* pDC, SECWorksheet* pSheet);
    virtual void DrawTabLabel(CDC* pDC, SECWorksheet* pSheet);

    void RecalcLayout(BOOL bNotify = TRUE) override;

    // Switches the tabs, border and margins on or off at once.
    void SetWorkbookMode(BOOL bOn = TRUE);
    BOOL GetWorkbookMode() const { return m_bWorkbookMode; }
    int GetSheetCount() const { return m_arrSheets.GetSize(); }
    SECWorksheet* GetSheet(int nIndex) const;
    // TRUE and the index when the sheet is in the list; FALSE and the count otherwise.
    BOOL FindSheet(SECWorksheet* pSheet, int* pIndex) const;
    void GetTabRegion(SECWorksheet* pSheet, CRgn* pRgn);
    int CalcTabWidth();
    void InvalidateTab(SECWorksheet* pSheet, BOOL bToRightEdge = FALSE);
    void InvalidateTabStrip();
    // The MDI client's rectangle in this frame's client coordinates.
    CRect GetClientRectInFrame() const;
    BOOL IsSheetRaised(SECWorksheet* pSheet) const;
    SECWorkbookClient* GetWorkbookClient() const { return m_pClient; }
    int GetTabWidth() const { return m_nTabWidth; }

    CObArray m_arrSheets;
    BOOL m_bWorkbookMode;
    BOOL m_bShowIcons;
    CFont m_fontTab;
    SECWorkbookClient* m_pClient;
    CPen m_penWhite;
    CPen m_penBlack;
    CPen m_penShadow;
    CPen m_penFace;
    int m_nTabWidth;
    int m_nTabHeight;
    int m_nBevel;
    CRect m_rectLastWorkbookLayout;

protected:
    BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu) override;
    BOOL OnEraseBkgnd(CDC* pDC) override;
    void OnPaint() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnDestroy() override;

private:
    CRect QueryLeftOver();
    void ApplyMargins();
};
