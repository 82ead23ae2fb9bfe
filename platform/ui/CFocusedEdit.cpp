#include "platform/ui/CFocusedEdit.h"

#include <wx/clipbrd.h>
#include <wx/textctrl.h>
#include <wx/window.h>

CFocusedEdit::CFocusedEdit() : m_pText(dynamic_cast<wxTextCtrl*>(wxWindow::FindFocus())) {}

BOOL CFocusedEdit::HasSelection() const {
    if (!m_pText)
        return FALSE;
    long from = 0;
    long to = 0;
    m_pText->GetSelection(&from, &to);
    return from != to;
}

BOOL CFocusedEdit::CanPaste() const {
    if (!m_pText || !m_pText->IsEditable() || !wxTheClipboard->Open())
        return FALSE;
    const bool text =
        wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT);
    wxTheClipboard->Close();
    return text;
}

BOOL CFocusedEdit::CanUndo() const {
    return m_pText && m_pText->CanUndo();
}

void CFocusedEdit::Copy() {
    if (m_pText)
        m_pText->Copy();
}

void CFocusedEdit::Cut() {
    if (m_pText)
        m_pText->Cut();
}

void CFocusedEdit::Paste() {
    if (m_pText)
        m_pText->Paste();
}

void CFocusedEdit::Undo() {
    if (m_pText)
        m_pText->Undo();
}
