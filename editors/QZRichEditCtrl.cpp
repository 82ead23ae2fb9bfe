#include "editors/QZRichEditCtrl.h"

#include "editors/QZEditContextMenu.h"
#include "editors/QZEditStyles.h"
#include "editors/QZEditViewLogic.h"
#include "platform/ui/WindowMessages.h"
#include "platform/ui/WindowStyles.h"
#include "shell/CVantrel3App.h"

IMPLEMENT_DYNAMIC(QZRichEditCtrl, CRichEditCtrl)

namespace {

constexpr DWORD kEditorStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                               ES_AUTOVSCROLL | ES_NOHIDESEL | ES_SAVESEL;

CHARFORMAT FormatOf(COLORREF colour) {
    CHARFORMAT cf;
    cf.dwMask = CFM_COLOR | CFM_BOLD | CFM_FACE;
    cf.dwEffects = 0;
    cf.crTextColor = colour;
    std::snprintf(cf.szFaceName, sizeof cf.szFaceName, "%s", kMonospaceFace);
    return cf;
}

} // namespace

BOOL QZRichEditCtrl::CreateEditor(CWnd* pParent, UINT nID, QZEditViewLogic& logic) {
    // Wrapping to the window is the mode the editor starts in.
    if (!Create(kEditorStyle, CRect(0, 0, 100, 100), pParent, nID))
        return FALSE;
    m_pLogic = &logic;
    ApplyColors();
    SetInputHandler(this);
    return TRUE;
}

void QZRichEditCtrl::ApplyColors() {
    CHARFORMAT text = FormatOf(g_EditorColors.text);
    SetDefaultCharFormat(text);
    m_styles[STYLE_TEXT] = 0;
    m_styles[STYLE_COMMAND] = StyleOfFormat(FormatOf(g_EditorColors.vantrel));
    m_styles[STYLE_TAG] = StyleOfFormat(FormatOf(g_EditorColors.html));
    m_styles[STYLE_COMMENT] = StyleOfFormat(FormatOf(g_EditorColors.comment));
    m_styles[STYLE_BRACKET] = StyleOfFormat(FormatOf(g_EditorColors.bracket));
}

int QZRichEditCtrl::ControlStyle(int editorStyle) const {
    return editorStyle >= 0 && editorStyle < 5 ? m_styles[editorStyle] : 0;
}

LONG QZRichEditCtrl::GetLength() const {
    return GetTextLength();
}

void QZRichEditCtrl::GetSel(LONG& start, LONG& end) const {
    long s = 0, e = 0;
    CRichEditCtrl::GetSel(s, e);
    start = s;
    end = e;
}

void QZRichEditCtrl::SetSel(LONG start, LONG end) {
    CRichEditCtrl::SetSel(start, end);
}

CString QZRichEditCtrl::GetTextRange(LONG start, LONG end) const {
    return GetTextRangeRaw(start, end);
}

void QZRichEditCtrl::ReplaceRange(LONG start, LONG end, const CString& text) {
    ReplaceRangeRaw(start, end, text);
}

LONG QZRichEditCtrl::GetLineCount() const {
    return CRichEditCtrl::GetLineCount();
}

LONG QZRichEditCtrl::LineFromChar(LONG position) const {
    return CRichEditCtrl::LineFromChar(position);
}

LONG QZRichEditCtrl::LineIndex(LONG line) const {
    return CRichEditCtrl::LineIndex(line);
}

LONG QZRichEditCtrl::LineLength(LONG line) const {
    return CRichEditCtrl::LineLength(line);
}

void QZRichEditCtrl::SetStyle(LONG start, LONG length, int style) {
    SetRangeStyle(start, length, ControlStyle(style));
}

void QZRichEditCtrl::FreezeDrawing(BOOL freeze) {
    CRichEditCtrl::FreezeDrawing(freeze);
}

BOOL QZRichEditCtrl::OnEditKey(UINT nVirtKey, BOOL ctrl, BOOL shift, BOOL alt) {
    if (!m_pLogic)
        return FALSE;
    QZRichEditLogic& control = m_pLogic->GetControl();
    const BOOL plain = !ctrl && !alt;
    switch (nVirtKey) {
    case VK_RETURN:
        if (plain)
            control.Enter();
        return TRUE;
    case VK_TAB:
        if (plain && !shift)
            control.Tab();
        return !ctrl;
    case VK_BACK:
        if (plain)
            control.Backspace();
        return TRUE;
    case VK_DELETE:
        if (plain && !shift)
            control.Delete();
        return TRUE;
    case VK_INSERT:
        // Overtype stays off; Ctrl+Insert copies.
        return !ctrl || shift;
    default:
        return FALSE;
    }
}

BOOL QZRichEditCtrl::OnEditChar(const CString& character) {
    if (m_pLogic)
        m_pLogic->GetControl().TypeText(character);
    return TRUE;
}

BOOL QZRichEditCtrl::OnEditDblClk(BOOL ctrl) {
    return m_pLogic && m_pLogic->GetControl().SelectCommandAtCaret(ctrl);
}

void QZRichEditCtrl::OnRButtonUp(UINT, CPoint point) {
    CWnd* owner = GetParent();
    if (!m_pLogic || !owner)
        return;
    ClientToScreen(&point);
    QZEditContextMenu::Show(m_pLogic->GetControl(), *owner, point);
}
