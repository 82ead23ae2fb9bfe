#pragma once
// A row of image-only tabs that we paint from a strip of a bitmap resource. A click on a tab
// selects it and tells the parent: WM_COMMAND with the control id and TCN_SELCHANGE.

#include "platform/core/COLORREF.h"
#include "platform/core/CString.h"
#include "platform/ui/CWnd.h"

#include <vector>

constexpr UINT TCN_SELCHANGE = 0xFDD9;

class CTabCtrl : public CWnd {
public:
    CTabCtrl();
    ~CTabCtrl() override;

    // The row as a child of the parent; FALSE without a parent window.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // The tab images: the bitmap resource cut into images `cx` pixels wide, `mask` shown
    // through.
    BOOL SetImages(UINT nBitmapId, int cx, COLORREF mask);
    // A tab at `nItem` (the end when past it) with an image; the text is kept, not shown.
    int InsertItem(int nItem, const CString& text, int nImage);
    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    CString GetItemText(int nItem) const;
    // The selected tab, -1 for none; selecting by program tells nobody.
    int GetCurSel() const { return m_nSelected; }
    int SetCurSel(int nItem);
    // The tab under a point of the client area, -1 for none.
    int HitTest(const CPoint& point) const;
    // A click on the tab, as the user makes it.
    void ClickTab(int nItem);
    // The tabs' total height in pixels.
    int GetRowHeight() const;

    struct Item {
        CString text;
        int image;
    };
    struct Impl;

private:
    std::vector<Item> m_items;
    int m_nSelected = -1;
    Impl* m_pImpl = nullptr;
};
