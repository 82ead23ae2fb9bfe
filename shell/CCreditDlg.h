#pragma once
// The credits: a frame animation of bitmaps of the resources, run by a timer, with the credits
// text rising over it in white on a transparent background, in the dialog's font.

#include "platform/core/COLORREF.h"
#include "platform/ui/CBitmap.h"
#include "platform/ui/CModalDialog.h"

#include <memory>

class CCreditCanvas;

class CCreditDlg : public CModalDialog {
public:
    // The player starts with the bitmap nIDFirstBitmap.
    explicit CCreditDlg(UINT nIDFirstBitmap, CWnd* pParentWnd = nullptr);
    ~CCreditDlg() override;

    // The frames' bitmap ids (at most 32 are kept); stops a running timer and starts over at
    // frame 0.
    void SetFrames(int nCount, const UINT* pIDs);
    // How many timer ticks each frame stays (at most 32 are kept; missing values count 1).
    void SetFrameValues(int nCount, const UINT* pValues);
    // The text: nCount strings from nIDFirstString on, joined, drawn in the dialog's font
    // (nSize is kept with it). The layout numbers are the left margin, the space below the picture
    // the text starts from, its rise per tick in tenths of a pixel, and the timer's period in
    // milliseconds; bCentre centres the lines.
    void SetText(UINT nIDFirstString, int nSize, int nLeft, int nStart, int nRise, int nPeriod,
                 COLORREF crText, int nCount, BOOL bCentre);

    BOOL OnInitDialog() override;

    int GetFrameCount() const { return m_nFrames; }
    int GetValueCount() const { return m_nValueCount; }
    int GetCurrentFrame() const { return m_nCurrent; }
    UINT GetFrameId(int nIndex) const { return m_nFrameIds[nIndex]; }
    UINT_PTR GetTimerId() const { return m_nTimer; }
    const CString& GetText() const { return m_strText; }

    static constexpr int kMaxFrames = 32;

protected:
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnDestroy() override;

private:
    friend class CCreditCanvas;
    void StopTimer();
    void StartTimer();
    void LoadFrame(UINT nID);
    void Draw(CDC* pDC);

    UINT_PTR m_nTimer = 0;
    UINT m_nFrameIds[kMaxFrames] = {};
    int m_nFrames = 0;
    int m_nCurrent = 0;
    UINT m_nValues[kMaxFrames] = {};
    int m_nValueCount = 0;
    int m_nTicks = 0;
    CString m_strText;
    COLORREF m_crText = RGB(255, 255, 255);
    int m_nSize = 11;
    int m_nLeft = 0;
    int m_nStart = 0;
    int m_nRise = 10;
    int m_nPeriod = 100;
    BOOL m_bCentre = FALSE;
    int m_nRisen = 0;
    CBitmap m_bitmap;
    std::unique_ptr<CCreditCanvas> m_pCanvas;
};
