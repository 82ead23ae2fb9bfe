#include "shell/CCreditDlg.h"

#include "platform/ui/CDC.h"
#include "platform/ui/CFont.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/WindowStyles.h"
#include "res/Resource.h"
#include "res/Resources.h"

#include <algorithm>

namespace {
constexpr UINT_PTR kTimerId = 1;
} // namespace

// The credits' drawing surface: the current frame and the text over it.
class CCreditCanvas : public CWnd {
public:
    explicit CCreditCanvas(CCreditDlg& dialog) : m_dialog(dialog) {}

protected:
    void OnPaint() override {
        CPaintDC dc(this);
        m_dialog.Draw(&dc);
    }
    BOOL OnEraseBkgnd(CDC*) override { return TRUE; }

private:
    CCreditDlg& m_dialog;
};

CCreditDlg::CCreditDlg(UINT nIDFirstBitmap, CWnd* pParentWnd)
    : CModalDialog(IDD_CREDITS, pParentWnd) {
    LoadFrame(nIDFirstBitmap);
}

CCreditDlg::~CCreditDlg() {
    DestroyWindow();
}

void CCreditDlg::SetFrames(int nCount, const UINT* pIDs) {
    StopTimer();
    m_nFrames = std::clamp(nCount, 0, kMaxFrames);
    std::copy(pIDs, pIDs + m_nFrames, m_nFrameIds);
    m_nCurrent = 0;
    m_nTicks = 0;
    if (GetSafeHwnd())
        StartTimer();
}

void CCreditDlg::SetFrameValues(int nCount, const UINT* pValues) {
    m_nValueCount = std::clamp(nCount, 0, kMaxFrames);
    std::copy(pValues, pValues + m_nValueCount, m_nValues);
}

void CCreditDlg::SetText(UINT nIDFirstString, int nSize, int nLeft, int nStart, int nRise,
                         int nPeriod, COLORREF crText, int nCount, BOOL bCentre) {
    m_strText.Empty();
    for (int i = 0; i < nCount; ++i) {
        CString part;
        part.LoadString(nIDFirstString + static_cast<UINT>(i));
        m_strText += part;
    }
    m_nSize = nSize;
    m_nLeft = nLeft;
    m_nStart = nStart;
    m_nRise = nRise;
    m_nPeriod = std::max(nPeriod, 1);
    m_crText = crText;
    m_bCentre = bCentre;
}

BOOL CCreditDlg::OnInitDialog() {
    CModalDialog::OnInitDialog();
    if (const DialogItemTemplate* item = FindOwnDialogItem(IDD_CREDITS, IDC_STATIC)) {
        CRect rect(item->x, item->y, item->x + item->cx, item->y + item->cy);
        MapDialogRect(&rect);
        m_pCanvas = std::make_unique<CCreditCanvas>(*this);
        m_pCanvas->Create(AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, rect, this,
                          IDC_STATIC);
    }
    StartTimer();
    return TRUE;
}

void CCreditDlg::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kTimerId || m_nFrames == 0)
        return;
    m_nRisen += m_nRise;
    const UINT stay = m_nCurrent < m_nValueCount ? std::max(m_nValues[m_nCurrent], 1u) : 1u;
    if (static_cast<UINT>(++m_nTicks) >= stay) {
        m_nTicks = 0;
        m_nCurrent = (m_nCurrent + 1) % m_nFrames;
        LoadFrame(m_nFrameIds[m_nCurrent]);
    }
    if (m_pCanvas && m_pCanvas->GetSafeHwnd())
        m_pCanvas->Invalidate(FALSE);
}

void CCreditDlg::OnDestroy() {
    StopTimer();
    m_bitmap.DeleteObject();
    CModalDialog::OnDestroy();
}

void CCreditDlg::StopTimer() {
    if (m_nTimer != 0)
        KillTimer(m_nTimer);
    m_nTimer = 0;
}

void CCreditDlg::StartTimer() {
    if (m_nTimer == 0 && m_nFrames > 0)
        m_nTimer = SetTimer(kTimerId, static_cast<UINT>(m_nPeriod), nullptr);
}

void CCreditDlg::LoadFrame(UINT nID) {
    // A missing frame leaves the picture shown before.
    CBitmap next;
    if (next.LoadBitmap(nID)) {
        m_bitmap.DeleteObject();
        m_bitmap.LoadBitmap(nID);
    }
}

void CCreditDlg::Draw(CDC* pDC) {
    CRect client;
    m_pCanvas->GetClientRect(&client);
    pDC->FillSolidRect(&client, RGB(0, 0, 0));
    if (m_bitmap.GetSafeHandle()) {
        CDC memory;
        if (memory.CreateCompatibleDC(pDC)) {
            BITMAP bm;
            m_bitmap.GetBitmap(&bm);
            CBitmap* old = memory.SelectObject(&m_bitmap);
            pDC->BitBlt(0, 0, std::min<int>(bm.bmWidth, client.Width()),
                        std::min<int>(bm.bmHeight, client.Height()), &memory, 0, 0, SRCCOPY);
            memory.SelectObject(old);
        }
    }
    // The text rises from below the picture and starts again once it has gone over the top.
    CFont* oldFont = pDC->SelectObject(GetFont());
    CRect text = client;
    text.left += m_nLeft;
    const int height = pDC->DrawText(m_strText, &text, DT_CALCRECT | DT_NOPREFIX);
    const int travel = client.Height() + m_nStart + height;
    const int risen = travel > 0 ? (m_nRisen / 10) % travel : 0;
    text = client;
    text.left += m_nLeft;
    text.top = client.bottom + m_nStart - risen;
    text.bottom = text.top + height;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_crText);
    pDC->DrawText(m_strText, &text, DT_NOPREFIX | (m_bCentre ? DT_CENTER : DT_LEFT));
    if (oldFont)
        pDC->SelectObject(oldFont);
}
