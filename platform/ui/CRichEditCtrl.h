#pragma once
// A multi-line text control whose characters carry their own format (colour, weight, face), as
// logs and read-only notices need: the text, a selection, replacing the selection, the format
// of the selection and of new text, and the clipboard. Positions are byte offsets into the
// UTF-8 text. A read-only control refuses the user's typing; the program still changes it.

#include "platform/core/COLORREF.h"
#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"
#include "platform/core/CString.h"
#include "platform/ui/CScrollBar.h"
#include "platform/ui/CWnd.h"

#include <vector>

constexpr DWORD CFM_BOLD = 0x00000001;
constexpr DWORD CFM_COLOR = 0x40000000;
constexpr DWORD CFM_FACE = 0x20000000;
constexpr DWORD CFE_BOLD = 0x00000001;
constexpr DWORD CFE_AUTOCOLOR = 0x40000000;
// Styles of the control (edit control bits).
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_AUTOVSCROLL = 0x0040;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_NOHIDESEL = 0x0100;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD ES_SAVESEL = 0x00008000;

// A character format: which fields count (dwMask), the effects, the colour and the face.
struct CHARFORMAT {
    UINT cbSize = sizeof(CHARFORMAT);
    DWORD dwMask = 0;
    DWORD dwEffects = 0;
    LONG yHeight = 0;
    COLORREF crTextColor = 0;
    char szFaceName[32] = {};
};

// The face name that stands for the desktop's fixed-pitch font.
inline constexpr const char* kMonospaceFace = "monospace";

// What an editor that does its own editing hears of the control's input: a key pressed (a
// virtual key with its modifiers), a character typed (its UTF-8 bytes) and a double-click.
// TRUE takes the input; FALSE leaves it to the control.
class CRichEditInput {
public:
    virtual ~CRichEditInput() = default;
    virtual BOOL OnEditKey(UINT nVirtKey, BOOL ctrl, BOOL shift, BOOL alt) = 0;
    virtual BOOL OnEditChar(const CString& character) = 0;
    virtual BOOL OnEditDblClk(BOOL ctrl) = 0;
};

// What an editor that takes drops itself hears in place of the control's own drag and drop: text
// (plain or the private insert-text format) dropped at a position with DROPEFFECT_COPY (Ctrl
// held) or DROPEFFECT_MOVE, files dropped, and the start of a drag of the selection, which the
// handler runs. The answers are the effects taken.
class CRichEditDropHandler {
public:
    virtual ~CRichEditDropHandler() = default;
    virtual DWORD OnDropText(const CString& text, long position, DWORD effect) = 0;
    virtual DWORD OnDropFiles(const std::vector<CString>& paths, long position) = 0;
    virtual void OnBeginDrag(long start, long end) = 0;
};

class CDC;

class CRichEditCtrl : public CWnd {
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    CRichEditCtrl();
    ~CRichEditCtrl() override;

    using CWnd::Create;
    // A child control (ES_ and WS_ bits); OnCreate runs once it exists. FALSE when it cannot be
    // made or OnCreate answers -1.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    long GetTextLength() const;
    // The whole text (the window's label is not its text).
    void GetWindowText(CString& text) const;
    void SetWindowText(LPCTSTR text);
    void SetSel(long nStartChar, long nEndChar);
    void GetSel(long& nStartChar, long& nEndChar) const;
    CString GetSelText() const;
    // Replaces the selection (the caret when it is empty) with the text, in the default format.
    void ReplaceSel(LPCTSTR lpszNewText);
    void HideSelection(BOOL bHide, BOOL bPerm);
    // The line of a character (-1: the caret's), and the first character of a line (-1: the
    // caret's line).
    int LineFromChar(long nIndex = -1) const;
    int LineIndex(int nLine = -1) const;
    int GetLineCount() const;
    void LineScroll(int nLines, int nChars = 0);
    int GetFirstVisibleLine() const;
    void SetReadOnly(BOOL bReadOnly = TRUE);

    // The format of new text, and of the selected text; the selection's is read at its start.
    BOOL SetDefaultCharFormat(CHARFORMAT& cf);
    BOOL SetSelectionCharFormat(CHARFORMAT& cf);
    DWORD GetSelectionCharFormat(CHARFORMAT& cf) const;

    void Copy();
    void Clear();

    // The bytes of a range as they are, and bytes in place of a range (the caret after them,
    // the new bytes in style 0); no line end is converted and bytes that are not UTF-8 stay.
    CString GetTextRangeRaw(long nStart, long nEnd) const;
    void ReplaceRangeRaw(long nStart, long nEnd, const CString& text);
    // The length of a line, its break left out.
    int LineLength(int nLine) const;
    // The style number that shows the format (the default format's fields where it names
    // none), and styling a range with a style number.
    int StyleOfFormat(const CHARFORMAT& cf);
    void SetRangeStyle(long nStart, long nLength, int style);
    int GetStyleAt(long nPosition) const;
    // Holds back or resumes drawing.
    void FreezeDrawing(BOOL bFreeze);
    // The control leaves all editing to the input handler: its own undo, pop-up menu and the
    // key bindings that edit (cut, paste, undo, word and line commands, overtype) are off.
    void SetInputHandler(CRichEditInput* pInput);
    // The control's drop target gives way to one that hands text, the private format and file
    // lists to the handler; dragging the selection starts the handler's drag.
    void SetDropHandler(CRichEditDropHandler* pHandler);
    CRichEditDropHandler* GetDropHandler() const { return m_pDropHandler; }

    // The client point of a character, and the character nearest a client point.
    CPoint PosFromChar(long nChar) const;
    long CharFromPos(CPoint point) const;

    // Wrapping: no target device and width 1 does not wrap, width 0 wraps to the window; with
    // the printer as target, lines wrap at the width in twips (or the window, if narrower).
    void SetTargetDevice(BOOL bPrinter, long nLineWidthTwips);
    BOOL IsTargetPrinter() const { return m_bTargetPrinter; }
    long GetTargetLineWidth() const { return m_nTargetLineWidth; }

    // Lays out (and with bRender draws) the text from nStart up to nEnd (-1: the end) on the
    // context within rcPrint, on a page rcPage, both in twips; the first character that did not
    // fit. With no context the layout cache is cleared (there is none to clear).
    long FormatRange(BOOL bRender, long nStart, long nEnd, CDC* pDC, const CRect& rcPrint,
                     const CRect& rcPage);

protected:
    BOOL m_bReadOnly = FALSE;

private:
    int StyleFor(const CHARFORMAT& cf);
    void ApplyStyle(int style, const CHARFORMAT& cf);

    CHARFORMAT m_defaultFormat;
    void ApplyWrap();

    CRichEditInput* m_pInput = nullptr;
    CRichEditDropHandler* m_pDropHandler = nullptr;
    BOOL m_bTargetPrinter = FALSE;
    long m_nTargetLineWidth = 0;
    int m_nFrozen = 0;
    std::vector<CHARFORMAT> m_styles;
};
