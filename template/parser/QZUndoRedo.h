#pragma once
// One record of the text editor's undo and redo lists: a text and the character range it
// occupies, with a kind that says how the record is replayed (0: its text takes the place of
// the other record's range; 1: the other record's range goes and its text is inserted at its
// own start). The spell check's words travel as such records too.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

class QZUndoRedo {
public:
    QZUndoRedo(const CString& text, LONG start, LONG end, LONG kind)
        : m_nKind(kind), m_strText(text), m_nStart(start), m_nEnd(end) {}

    bool operator==(const QZUndoRedo& other) const {
        return m_nKind == other.m_nKind && m_strText == other.m_strText &&
               m_nStart == other.m_nStart && m_nEnd == other.m_nEnd;
    }

    LONG m_nKind;
    CString m_strText;
    LONG m_nStart;
    LONG m_nEnd;
};
