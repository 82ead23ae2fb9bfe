#pragma once
// A button control: a push button, check box, radio button or group box of the window system,
// or an owner-drawn push button (BS_OWNERDRAW) that the layer pushes and clicks like the
// others and that its DrawItem paints, given the item's rectangle and state.

#include "platform/ui/CWnd.h"
#include "platform/ui/WindowStyles.h"

// Button states and check states.
constexpr UINT BST_UNCHECKED = 0x0000;
constexpr UINT BST_CHECKED = 0x0001;
constexpr UINT BST_INDETERMINATE = 0x0002;
constexpr UINT BST_PUSHED = 0x0004;
constexpr UINT BST_FOCUS = 0x0008;

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;

    using CWnd::Create;
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Takes the place of the dialog's control `nID` (in the parent's client coordinates): the
    // same rectangle, id, text, Tab place, visibility and enabling; the old control goes. The
    // new button has the old one's window style bits, WS_TABSTOP, and the button style
    // `dwButtonStyle` (BS_OWNERDRAW for a button drawn by DrawItem).
    BOOL ReplaceDlgItem(UINT nID, CWnd* pParentWnd, DWORD dwButtonStyle);

    // BST_PUSHED while pushed in, BST_FOCUS with the focus, and the check state.
    UINT GetState() const;
    // Pushes the button in or lets it out (an owner-drawn button is redrawn).
    void SetState(BOOL bHighlight);
    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);

    // Paints an owner-drawn button; the base does nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    // WM_DRAWITEM passed back by the parent goes to DrawItem.
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
