#include "shell/QZEngineMessageCtrl.h"

#include "content/QZEngineMessage.h"
#include "shell/CVantrel3App.h"

#include <cstring>

IMPLEMENT_DYNAMIC(QZEngineMessageCtrl, CRichEditCtrl)

QZEngineMessageCtrl::QZEngineMessageCtrl() = default;

int QZEngineMessageCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CRichEditCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_cf = CHARFORMAT{};
    m_cf.dwMask = CFM_BOLD | CFM_COLOR | CFM_FACE;
    m_cf.dwEffects = 0;
    m_cf.crTextColor = g_EditorColors.text;
    std::strncpy(m_cf.szFaceName, kMonospaceFace, sizeof m_cf.szFaceName - 1);
    SetDefaultCharFormat(m_cf);
    // The log starts with one empty line; messages go in before its end.
    ReplaceSel("\n");
    return 0;
}

void QZEngineMessageCtrl::AddMessage(QZEngineMessage* message) {
    if (message == nullptr)
        return;
    const CString line = message->GetDisplayText();
    HideSelection(TRUE, FALSE);
    // A cleared log gets its closing empty line back, so that lines never run together.
    if (GetTextLength() == 0) {
        SetSel(0, 0);
        ReplaceSel("\n");
    }
    const long start = GetTextLength() - 1;
    SetSel(start, start);
    ReplaceSel(line + "\n");
    if (line.Find("error") >= 0) {
        CHARFORMAT red = m_cf;
        red.dwMask = CFM_COLOR;
        red.crTextColor = kErrorColor;
        SetSel(start, start + line.GetLength());
        SetSelectionCharFormat(red);
    }
    const long end = GetTextLength() - 1;
    SetSel(end, end);
    LineScroll(1);
    HideSelection(FALSE, FALSE);
    delete message;
}

void QZEngineMessageCtrl::Clear() {
    SetSel(0, -1);
    ReplaceSel("");
}

int QZEngineMessageCtrl::GetCaretLine() const {
    return LineFromChar(-1) + 1;
}

int QZEngineMessageCtrl::GetCaretColumn() const {
    long start = 0;
    long end = 0;
    GetSel(start, end);
    return static_cast<int>(end - LineIndex(-1)) + 1;
}
