#include "platform/ui/CDockBar.h"

#include "platform/ui/CControlBarInfo.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/WindowStyles.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating), m_bLayoutQuery(FALSE) {
    m_arrBars.Add(nullptr);
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    m_dwStyle = dwStyle & CBRS_ALL;
    return CWnd::Create(nullptr, nullptr, dwStyle | WS_CHILD, CRect(), pParentWnd, nID);
}

CControlBar* CDockBar::GetDockedControlBar(int nPos) const {
    if (nPos < 0 || nPos >= m_arrBars.GetSize())
        return nullptr;
    void* entry = m_arrBars[nPos];
    return entry && !IsPlaceHolder(entry) ? static_cast<CControlBar*>(entry) : nullptr;
}

int CDockBar::GetDockedCount() const {
    int count = 0;
    for (int i = 0; i < m_arrBars.GetSize(); ++i)
        count += GetDockedControlBar(i) != nullptr;
    return count;
}

int CDockBar::GetDockedVisibleCount() const {
    int count = 0;
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        if (CControlBar* bar = GetDockedControlBar(i))
            count += bar->IsVisible() ? 1 : 0;
    }
    return count;
}

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude) const {
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        if (i != nPosExclude && m_arrBars[i] == pBar)
            return i;
    }
    return -1;
}

void CDockBar::RemovePlaceHolder(CControlBar* pBar) {
    void* placeholder = PlaceHolderOf(static_cast<UINT>(pBar->GetDlgCtrlID()));
    for (int pos = FindBar(static_cast<CControlBar*>(placeholder)); pos >= 0;
         pos = FindBar(static_cast<CControlBar*>(placeholder))) {
        m_arrBars.RemoveAt(pos);
        if (pos > 0 && pos < m_arrBars.GetSize() && !m_arrBars[pos] && !m_arrBars[pos - 1])
            m_arrBars.RemoveAt(pos);
    }
}

void CDockBar::ShowAll(BOOL bShow) {
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* bar = GetDockedControlBar(i);
        if (bar && bar->m_pDockSite && bar->IsVisible() != bShow)
            bar->m_pDockSite->ShowControlBar(bar, bShow, FALSE);
    }
}

void CDockBar::TakeBar(CControlBar* pBar, BOOL bPlaceHolder) {
    // Made a child here first: the old dock bar's floating frame may go when the bar leaves it.
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    if (pBar->m_pDockBar && pBar->m_pDockBar != this)
        pBar->m_pDockBar->RemoveControlBar(pBar, -1, bPlaceHolder);
    pBar->m_pDockBar = this;
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT) {
    const DWORD align = m_dwStyle & CBRS_ALIGN_ANY;
    pBar->SetBarStyle((pBar->GetBarStyle() & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | align |
                      (m_bFloating ? CBRS_FLOATING : 0));
    TakeBar(pBar, TRUE);
    if (FindBar(pBar) < 0) {
        if (m_arrBars[m_arrBars.GetSize() - 1] != nullptr)
            m_arrBars.Add(nullptr);
        m_arrBars.Add(pBar);
        m_arrBars.Add(nullptr);
    }
    RemovePlaceHolder(pBar);
    if (CFrameWnd* frame = GetDockingFrame())
        frame->DelayRecalcLayout();
}

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect) {
    const int pos =
        FindBar(static_cast<CControlBar*>(PlaceHolderOf(static_cast<UINT>(pBar->GetDlgCtrlID()))));
    if (pos < 0) {
        DockControlBar(pBar, lpRect);
        return;
    }
    TakeBar(pBar, TRUE);
    m_arrBars[pos] = pBar;
    RemovePlaceHolder(pBar);
    if (CFrameWnd* frame = GetDockingFrame())
        frame->DelayRecalcLayout();
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int nAddPlaceHolder) {
    const int pos = FindBar(pBar, nPosExclude);
    if (pos < 0)
        return FALSE;
    void* placeholder = PlaceHolderOf(static_cast<UINT>(pBar->GetDlgCtrlID()));
    if (nAddPlaceHolder && FindBar(static_cast<CControlBar*>(placeholder), pos) < 0) {
        m_arrBars[pos] = placeholder;
    } else {
        m_arrBars.RemoveAt(pos);
        if (pos < m_arrBars.GetSize() && !m_arrBars[pos] && !m_arrBars[pos - 1])
            m_arrBars.RemoveAt(pos);
    }
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;
    return AfterRemove();
}

BOOL CDockBar::AfterRemove() {
    if (m_bFloating && GetDockedVisibleCount() == 0) {
        CFrameWnd* frame = GetParentFrameOf(this);
        if (!frame)
            return FALSE;
        if (GetDockedCount() > 0) {
            frame->ShowWindow(SW_HIDE);
            return FALSE;
        }
        frame->DestroyWindow();
        return TRUE;
    }
    if (CFrameWnd* frame = GetDockingFrame())
        frame->DelayRecalcLayout();
    return FALSE;
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    CSize total = CControlBar::CalcFixedLayout(bStretch, bHorz);
    int along = 0;
    int across = 0;
    int row = 0;
    for (int i = 0; i < m_arrBars.GetSize(); ++i) {
        CControlBar* bar = GetDockedControlBar(i);
        if (bar && bar->IsVisible()) {
            const CSize size =
                bar->CalcDynamicLayout(-1, bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK);
            if (!m_bLayoutQuery)
                bar->SetWindowPos(nullptr, bHorz ? along : across, bHorz ? across : along, size.cx,
                                  size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
            along += bHorz ? size.cx : size.cy;
            row = std::max<int>(row, bHorz ? size.cy : size.cx);
        }
        if (!m_arrBars[i] && row > 0) {
            across += row;
            row = 0;
            along = 0;
        }
    }
    if (bHorz)
        total.cy = std::max<LONG>(total.cy, across);
    else
        total.cx = std::max<LONG>(total.cx, across);
    return total;
}

void CDockBar::GetBarInfo(CControlBarInfo* pInfo) {
    CControlBar::GetBarInfo(pInfo);
    pInfo->m_bDockBar = TRUE;
    pInfo->m_bFloating = m_bFloating;
    pInfo->m_bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    pInfo->m_arrBarID.RemoveAll();
    for (int i = 0; i < m_arrBars.GetSize() && pInfo->m_arrBarID.GetSize() < MQ_MAX_SAVED_BARS;
         ++i) {
        void* entry = m_arrBars[i];
        if (!entry) {
            if (i > 0)
                pInfo->m_arrBarID.Add(0);
        } else if (IsPlaceHolder(entry)) {
            pInfo->m_arrBarID.Add(static_cast<DWORD>(reinterpret_cast<uintptr_t>(entry)) |
                                  MQ_PLACEHOLDER_ID);
        } else {
            pInfo->m_arrBarID.Add(
                static_cast<DWORD>(static_cast<CControlBar*>(entry)->GetDlgCtrlID()) & 0xFFFF);
        }
    }
}

void CDockBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd) {
    m_arrBars.RemoveAll();
    m_arrBars.Add(nullptr);
    for (int i = 0; i < pInfo->m_arrBarID.GetSize(); ++i) {
        const DWORD id = pInfo->m_arrBarID[i];
        if (id == 0) {
            if (m_arrBars[m_arrBars.GetSize() - 1] != nullptr)
                m_arrBars.Add(nullptr);
            continue;
        }
        const UINT barId = id & 0xFFFF;
        CControlBar* bar =
            (id & MQ_PLACEHOLDER_ID) || !pFrameWnd ? nullptr : pFrameWnd->GetControlBar(barId);
        if (!bar || bar->IsDockBar()) {
            m_arrBars.Add(PlaceHolderOf(barId));
            continue;
        }
        if (bar->GetParent() != this)
            bar->SetParent(this);
        if (bar->m_pDockBar && bar->m_pDockBar != this)
            bar->m_pDockBar->RemoveControlBar(bar, -1, 0);
        bar->m_pDockBar = this;
        const DWORD align = m_dwStyle & CBRS_ALIGN_ANY;
        bar->SetBarStyle((bar->GetBarStyle() & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | align |
                         (m_bFloating ? CBRS_FLOATING : 0));
        m_arrBars.Add(bar);
    }
    if (m_arrBars[m_arrBars.GetSize() - 1] != nullptr)
        m_arrBars.Add(nullptr);
}
