#pragma once
// The logic of the text editor view over a text buffer: loading the edited object's text with
// its colours and storing it back, the one way text is inserted (wrap, replace or append, with
// or without an undo pair), the command-with-properties path of the object commands, the
// multi-level undo and redo lists and their replay, the read-only state of a copy another user
// holds, the modified flag and the caret's status text. The view in a window forwards its
// commands here.

#include "editors/QZRichEditLogic.h"
#include "template/parser/QZUndoRedo.h"
#include "template/parser/QZVantrelMemoFld.h"

#include <functional>
#include <vector>

class QZEditTarget;
class QZTextBuffer;

class QZEditViewLogic {
public:
    enum InsertMode { INSERT_WRAP = 0, INSERT_REPLACE = 1, INSERT_APPEND = 2 };

    // `target` may be null: the view of an object without template text, which neither colours
    // nor parses.
    QZEditViewLogic(QZTextBuffer& buffer, QZEditTarget* target);
    QZEditViewLogic(const QZEditViewLogic&) = delete;
    QZEditViewLogic& operator=(const QZEditViewLogic&) = delete;

    // A read-only copy turns read-only, the object's text is loaded and the view starts
    // unmodified.
    void OnInitialUpdate();
    // The target's text into the buffer, coloured, the caret at 0; no undo pair.
    void LoadFromObject();
    void SaveToObject();
    // Styles the text from `start` by the spans, which lie one after another.
    void ColorSpans(const QZVantrelMemoFld::ColorSpanList& spans, LONG start);

    // Puts the text in by the mode (InsertMode), recording an undo pair when asked.
    void InsertText(const CString& text, int mode, BOOL recordUndo);
    // The object commands' dialog path: the skeleton's opening command with "?" made "0"
    // goes through the command's property dialog; what it gives back, then (without
    // keepSelection) the selected text, then the skeleton's rest replace the selection.
    void InsertCommandWithProperties(const CString& skeleton, BOOL keepSelection);

    void OnEditUndo();
    void OnEditRedo();
    void ClearRedo();
    BOOL CanUndo() const { return !m_bReadOnly && !m_undo.empty(); }
    BOOL CanRedo() const { return !m_bReadOnly && !m_redo.empty(); }
    // False on a read-only copy: every editing command is greyed there.
    BOOL CanEdit() const { return !m_bReadOnly; }

    void SetReadOnly(BOOL readOnly) { m_bReadOnly = readOnly; }
    BOOL IsReadOnly() const { return m_bReadOnly; }
    // Every change of the text marks the document modified through the handler.
    void SetModifiedHandler(std::function<void(BOOL)> handler) { m_onModified = handler; }
    void SetModified(BOOL modified);
    BOOL IsModified() const { return m_bModified; }

    // " Ln %ld, Col %ld" of the caret, counting from 1; a column counts characters.
    CString GetStatusText() const;

    // The pairs recorded: R0 (the state before) then R1 (after) for each edit.
    std::vector<QZUndoRedo>& GetUndoList() { return m_undo; }
    std::vector<QZUndoRedo>& GetRedoList() { return m_redo; }
    void RecordUndo(const QZUndoRedo& before, const QZUndoRedo& after);

    QZTextBuffer& GetBuffer() const { return m_buffer; }
    QZEditTarget* GetTarget() const { return m_pTarget; }
    QZRichEditLogic& GetControl() { return m_control; }

private:
    // Replaces `from`'s range by `to`'s text as the record's kind says, then selects it.
    void Replay(const QZUndoRedo& from, const QZUndoRedo& to);
    static void BuildInsertion(const CString& text, int mode, const CString& selected, LONG start,
                               CString& result, LONG& caret);

    QZTextBuffer& m_buffer;
    QZEditTarget* m_pTarget;
    QZRichEditLogic m_control;
    std::vector<QZUndoRedo> m_undo;
    std::vector<QZUndoRedo> m_redo;
    BOOL m_bReadOnly = FALSE;
    BOOL m_bModified = FALSE;
    std::function<void(BOOL)> m_onModified;
};

// The index just after the opening command of a skeleton: after its first ">", or after ">>"
// when that ">" is doubled; the length when there is no ">".
int OpeningPartEnd(const CString& skeleton);
