#pragma once
// The text editor's control: the editing control in a view, seen by the editor's logic as its
// text buffer (raw bytes, byte positions, line ends as they are), coloured in the five editor
// styles on the desktop's monospace font, and handing every key that edits to the logic so
// each edit is recorded for undo.

#include "editors/QZTextBuffer.h"
#include "platform/ui/CRichEditCtrl.h"

class QZEditViewLogic;

class QZRichEditCtrl : public CRichEditCtrl, public QZTextBuffer, public CRichEditInput {
    DECLARE_DYNAMIC(QZRichEditCtrl)
public:
    QZRichEditCtrl() = default;

    // Makes the control a child of the view; the logic takes its keys from then on.
    BOOL CreateEditor(CWnd* pParent, UINT nID, QZEditViewLogic& logic);
    // The five styles from the editor colour settings.
    void ApplyColors();
    // The control's style number of an editor style.
    int ControlStyle(int editorStyle) const;

    // The text buffer. The selected text is read as raw bytes like every other range.
    using QZTextBuffer::GetSelText;
    LONG GetLength() const override;
    void GetSel(LONG& start, LONG& end) const override;
    void SetSel(LONG start, LONG end) override;
    CString GetTextRange(LONG start, LONG end) const override;
    void ReplaceRange(LONG start, LONG end, const CString& text) override;
    LONG GetLineCount() const override;
    LONG LineFromChar(LONG position) const override;
    LONG LineIndex(LONG line) const override;
    LONG LineLength(LONG line) const override;
    void SetStyle(LONG start, LONG length, int style) override;
    void FreezeDrawing(BOOL freeze) override;

    // The control's input.
    BOOL OnEditKey(UINT nVirtKey, BOOL ctrl, BOOL shift, BOOL alt) override;
    BOOL OnEditChar(const CString& character) override;
    BOOL OnEditDblClk(BOOL ctrl) override;

protected:
    // The right button's release opens the context menu (QZEditContextMenu).
    void OnRButtonUp(UINT nFlags, CPoint point) override;

private:
    QZEditViewLogic* m_pLogic = nullptr;
    int m_styles[5] = {0, 0, 0, 0, 0};
};
