#pragma once
// The spelling run of the text editor: the words of the selection, or of the whole text when
// nothing is selected, as the template language's word collector gives them (the words a
// reader sees: no command words, no tags), each asked of the spelling engine; a word it does
// not accept is selected and put to the user, and the replacement given takes its place with
// an undo pair. The run ends quietly when stopped, with "Spell checking Complete" otherwise;
// the engine hears the end of every run, and the selection comes back over the same text.

#include "platform/spell/SpellEngine.h"
#include "template/parser/QZUndoRedo.h"

#include <functional>
#include <vector>

class QZEditViewLogic;

class QZSpellCheck {
public:
    // The words of a text, start and end (its last character) relative to the text.
    using WordCollector = std::function<std::vector<QZUndoRedo>(const CString&)>;

    // Without a collector (an object without template text) the run does nothing.
    QZSpellCheck(QZEditViewLogic& view, WordCollector collector);

    // The Spelling command.
    void CheckSpelling();
    // One word to the engine in use: nonzero when accepted.
    static BOOL SpellCheckWord(const CString& word, int mode, CWnd* owner, SpellResult& result);

private:
    // Checks the words, the first at `base` in the text; false when the run was stopped.
    BOOL CheckWords(const std::vector<QZUndoRedo>& words, LONG base);
    // A remembered position, moved over the replacements made before it.
    LONG Shifted(LONG position) const;

    struct Replacement {
        LONG start, end, newEnd;
    };

    QZEditViewLogic& m_view;
    WordCollector m_collector;
    std::vector<Replacement> m_replacements;
};
