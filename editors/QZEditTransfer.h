#pragma once
// The text editor's clipboard and drag and drop, on its text buffer: Cut and Paste with their
// undo pairs, text dropped on the editor copied or moved (a move out of the same editor records
// one pair that Undo reverses whole, the source taken out once after the text went in), files
// dropped turned into file commands, and the end of a drag that started in the editor. Pasted
// and dropped text takes the editor's line ends. A read-only copy takes nothing.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <vector>

class QZEditViewLogic;

class QZEditTransfer {
public:
    explicit QZEditTransfer(QZEditViewLogic& view);
    QZEditTransfer(const QZEditTransfer&) = delete;
    QZEditTransfer& operator=(const QZEditTransfer&) = delete;

    // Takes the selection out (the caller has copied it), with its pair.
    void Cut();
    BOOL CanCut() const;
    // Puts the text in place of the selection, with one pair.
    void Paste(const CString& text);

    // A drag of the range out of this editor begins / has ended with the effect the target
    // chose. A move that went to another window takes the source out, with its pair.
    void BeginDrag(LONG start, LONG end);
    void EndDrag(DWORD effect);
    BOOL IsDragging() const { return m_bDragging; }
    // Text dropped at the position with DROPEFFECT_COPY or DROPEFFECT_MOVE; answers the effect
    // taken (DROPEFFECT_NONE when nothing went in).
    DWORD DropText(const CString& text, LONG position, DWORD effect);
    // Files dropped: one file command each at the caret, each with its pair.
    void DropFiles(const std::vector<CString>& paths);

    // "<<file \"path\">>", a double quote in the path written \".
    static CString FileCommand(const CString& path);
    // Every line end ("\r\n", "\n" or "\r") made "\r\n".
    static CString WithEditorLineEnds(const CString& text);

private:
    DWORD MoveWithin(LONG position);

    QZEditViewLogic& m_view;
    BOOL m_bDragging = FALSE;
    // The drop of the current drag landed in this editor (it moved or copied the text itself).
    BOOL m_bDroppedInside = FALSE;
    LONG m_lDragStart = 0;
    LONG m_lDragEnd = 0;
};
