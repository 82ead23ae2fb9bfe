#pragma once
// A dock bar: the bar along one side of a frame (or inside a floating frame) that holds docked
// bars in rows. Its bar array keeps the rows: an entry is a bar, a placeholder (a bar's id,
// standing for the place of a bar that is elsewhere now), or null; the array starts with a null
// and each row ends with one.

#include "platform/core/CPtrArray.h"
#include "platform/ui/CControlBar.h"

class CDockBar : public CControlBar {
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);

    // A child of the frame with the dock bar's style (CBRS_ALIGN_ and border bits) and id.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    // The framework's layout: each row's bars at their own sizes, end to end.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
    BOOL IsDockBar() const override { return TRUE; }
    void GetBarInfo(CControlBarInfo* pInfo) override;
    // Rebuilds the bar array from the record's contained ids, taking in the frame's bars.
    void SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) override;

    // Docks the bar in a new last row (the framework's; the toolkit's dock bar places it by the
    // rectangle, in screen coordinates).
    virtual void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Docks the bar at its placeholder when it has one, else as DockControlBar.
    virtual void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Takes the bar out, leaving a placeholder when nAddPlaceHolder is not 0. TRUE when that
    // destroyed the floating frame that held it.
    virtual BOOL RemoveControlBar(CControlBar* pBar, int nPosExclude = -1, int nAddPlaceHolder = 0);
    virtual int GetDockedVisibleCount() const;
    int GetDockedCount() const;
    // The position of the bar (or of its placeholder, when pBar is an id), or -1.
    int FindBar(CControlBar* pBar, int nPosExclude = -1) const;
    void RemovePlaceHolder(CControlBar* pBar);
    // Shows or hides every docked bar.
    void ShowAll(BOOL bShow);
    // The bar at a position; nullptr for a null or a placeholder.
    CControlBar* GetDockedControlBar(int nPos) const;

    BOOL m_bFloating;
    CPtrArray m_arrBars;
    BOOL m_bLayoutQuery;
    CRect m_rectLayout;

protected:
    // Makes the bar one of this dock bar's: out of its old dock bar (leaving a placeholder
    // there when bPlaceHolder), a child of this one, with this dock bar as its own.
    void TakeBar(CControlBar* pBar, BOOL bPlaceHolder);
    // After a bar left: a floating frame with no visible bar left is hidden, or destroyed when
    // no bar is left at all (TRUE); otherwise the docking frame lays out again at idle.
    BOOL AfterRemove();
};

// A placeholder entry stands for a bar's id; a bar entry is the bar itself.
inline bool IsPlaceHolder(const void* entry) {
    return entry && reinterpret_cast<uintptr_t>(entry) <= 0xFFFF;
}
inline void* PlaceHolderOf(UINT nID) {
    return reinterpret_cast<void*>(static_cast<uintptr_t>(nID));
}
