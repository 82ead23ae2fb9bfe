#pragma once
// Find, Find Next and Replace of one text editor, on its text buffer: where each search
// starts, wrapping once to the start of the text and then sounding instead of going round
// again, the undo pair of every replacement, and where the dialog goes so that it does not hide
// the match. The texts and options are the run's one search state (QZFindReplaceState); the
// dialog itself is the window view's, which forwards its buttons here.

#include "platform/core/CPoint.h"
#include "platform/core/CRect.h"
#include "platform/core/CString.h"

#include <functional>

class QZEditViewLogic;
class QZFindReplaceState;

class QZFindReplaceLogic {
public:
    explicit QZFindReplaceLogic(QZEditViewLogic& view);
    virtual ~QZFindReplaceLogic() = default;
    QZFindReplaceLogic(const QZFindReplaceLogic&) = delete;
    QZFindReplaceLogic& operator=(const QZFindReplaceLogic&) = delete;

    // The dialog is being opened: its first search starts where the selection is then.
    void BeginDialogSearch() { m_bFirstSearch = TRUE; }
    // The find text the dialog opens with: the selected text, or the stored one when the
    // selection is empty or spans a line break.
    CString GetProposedFindText() const;

    // The dialog's buttons.
    virtual void OnFindNext(const CString& find, BOOL next, BOOL matchCase, BOOL wholeWord);
    virtual void OnReplaceSel(const CString& find, BOOL next, BOOL matchCase, BOOL wholeWord,
                              const CString& replacement);
    virtual void OnReplaceAll(const CString& find, const CString& replacement, BOOL matchCase,
                              BOOL wholeWord);
    // Plays the not-found sound; no message box.
    virtual void OnTextNotFound(const CString& find);
    // F3: the next match of the stored find text.
    void OnEditRepeat();

    // Find needs a text; Find Next also a stored find text; Replace a text that may change.
    BOOL CanFind() const;
    BOOL CanRepeat() const;
    BOOL CanReplace() const;

    // Selects the next match of the stored text and options; false when there is none.
    BOOL FindText();
    BOOL FindTextSimple(const CString& find, BOOL matchCase, BOOL wholeWord);
    // The selection is the text, exactly or without case (whole word plays no part).
    BOOL SameAsSelected(const CString& text, BOOL matchCase) const;
    void TextNotFound(const CString& find);

    // Called after each match is selected, to move the dialog off it.
    void SetFoundHandler(std::function<void()> handler) { m_onFound = std::move(handler); }

    // Where the dialog goes so that it does not cover the selection's start (a screen point):
    // above the point when there is room above, else below it when there is room below the
    // point before the screen's bottom, else where it is.
    static CRect AdjustDialogPosition(const CRect& dialog, const CPoint& selection,
                                      int screenHeight);

    BOOL IsFirstSearch() const { return m_bFirstSearch; }
    LONG GetInitialSearchPos() const { return m_lInitialSearchPos; }

private:
    QZFindReplaceState& State() const;
    void StoreOptions(const CString& find, BOOL matchCase, BOOL wholeWord);
    void FindOrSound();
    void ReplaceSelection();
    BOOL FindAndSelect(const CString& find, LONG from, LONG to, BOOL matchCase, BOOL wholeWord);
    LONG CharacterEndAt(LONG position) const;

    QZEditViewLogic& m_view;
    BOOL m_bFirstSearch = TRUE;
    // Where the searches of this dialog began; below 0 once they have wrapped to the start
    // (then the text length plus it is where they stop).
    LONG m_lInitialSearchPos = 0;
    std::function<void()> m_onFound;
};
