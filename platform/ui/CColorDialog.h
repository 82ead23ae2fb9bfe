#pragma once
// The colour dialog of the window system, run modally: it opens with a colour and, on OK,
// gives the colour the user chose. The desktop's dialog always shows its colour editor, as
// CC_FULLOPEN asks.

#include "platform/core/COLORREF.h"
#include "platform/core/MessageBox.h" // IDOK, IDCANCEL
#include "platform/ui/CDialog.h"

constexpr DWORD CC_RGBINIT = 0x00000001;
constexpr DWORD CC_FULLOPEN = 0x00000002;
constexpr DWORD CC_PREVENTFULLOPEN = 0x00000004;

struct CHOOSECOLOR {
    DWORD lStructSize;
    HWND hwndOwner;
    COLORREF rgbResult;
    COLORREF* lpCustColors; // 16 colours, or null
    DWORD Flags;
};

class CColorDialog : public CDialog {
    DECLARE_DYNAMIC(CColorDialog)
public:
    // With CC_RGBINIT (always set when a colour is given) the dialog opens with clrInit.
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    // IDOK with the chosen colour in m_cc.rgbResult (and the custom colours written back), or
    // IDCANCEL; IDCANCEL at once without a window system.
    virtual INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLOR m_cc;

private:
    COLORREF m_customColors[16];
};
