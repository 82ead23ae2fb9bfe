#pragma once
// The tool strip: a row of buttons of our own drawing in place of the window system's toolbar.
// Each button shows an image of a strip of equal-sized images, separators leave a gap; buttons
// are drawn checked, pressed, greyed or indeterminate from their state. A click sends the
// button's command to the owner; resting on a button shows its tool tip and sends the owner's
// frame the fly-by prompt (WM_SETMESSAGESTRING with the command id).

#include "platform/core/CRect.h"
#include "platform/ui/CWnd.h"

#include <vector>

class CBitmap;
class CDC;
class wxImage;

constexpr BYTE TBSTATE_CHECKED = 0x01;
constexpr BYTE TBSTATE_PRESSED = 0x02;
constexpr BYTE TBSTATE_ENABLED = 0x04;
constexpr BYTE TBSTATE_INDETERMINATE = 0x10;
constexpr BYTE TBSTATE_WRAP = 0x20;
constexpr BYTE TBSTYLE_BUTTON = 0x00;
constexpr BYTE TBSTYLE_SEP = 0x01;
constexpr BYTE TBSTYLE_CHECK = 0x02;

struct TBBUTTON {
    int iBitmap;
    int idCommand;
    BYTE fsState;
    BYTE fsStyle;
};

class CToolBarCtrl : public CWnd {
public:
    // The strip as a child of pParentWnd; commands and prompts go to the owner (the parent
    // unless set).
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void SetOwner(CWnd* pOwner) { m_pOwner = pOwner; }

    BOOL SetButtonSize(CSize size);
    BOOL SetBitmapSize(CSize size);
    CSize GetButtonSize() const { return m_sizeButton; }
    CSize GetBitmapSize() const { return m_sizeImage; }
    // The image strip (kept, not copied: the caller owns it), replacing any before.
    BOOL SetImages(CBitmap* pBitmap, int nImages);
    int GetImageCount() const { return m_nImages; }

    void SetButtons(const std::vector<TBBUTTON>& buttons);
    int GetButtonCount() const { return static_cast<int>(m_buttons.size()); }
    BOOL GetButton(int nIndex, TBBUTTON* pButton) const;
    BOOL SetButton(int nIndex, const TBBUTTON& button);
    // Places the buttons at the given rectangles (one for each button).
    void SetItemRects(const std::vector<CRect>& rects);
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    // The index of the (non-separator) button under the point, or -1.
    int HitTest(CPoint point) const;
    // The tool tip of the button under the mouse: the second line of the command's string.
    CString GetToolTipText(int nIndex) const;

protected:
    void OnPaint() override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnCaptureChanged(CWnd* pWnd) override;

private:
    void DrawButton(CDC& dc, CDC& images, int nIndex, const wxImage& pixels);
    // A greyed button's picture: its dark pixels embossed in the shadow and highlight colours.
    void DrawEmbossed(CDC& dc, const wxImage& pixels, int nImage, CPoint at) const;
    CWnd* Owner() const;
    void Prompt(UINT nID);

    std::vector<TBBUTTON> m_buttons;
    std::vector<CRect> m_rects;
    CBitmap* m_pImages = nullptr;
    int m_nImages = 0;
    CSize m_sizeButton{23, 22};
    CSize m_sizeImage{16, 15};
    CWnd* m_pOwner = nullptr;
    int m_nPressed = -1;
    int m_nHot = -1;
};
