#pragma once
// One line of the log that long operations (generating, previewing, compiling, publishing,
// importing) write to the output pane: the object it speaks of, the line of that object's
// template text, its kind and its text, rendered as one display line.

#include "db/QZKeyCombo.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class QZEngineMessage : public CObject {
    DECLARE_DYNAMIC(QZEngineMessage)
public:
    // Kinds of messages.
    enum Kind : int { kindError = 0, kindWarning = 1, kindProgress = 2, kindDetail = 3 };

    // A line that names no object (a banner): key 0:0, type -1, line 0.
    QZEngineMessage(int nKind, CString text);
    // A line about an object and a line of its template text (0 for none).
    QZEngineMessage(int nKind, WORD nObjectType, QZKeyCombo key, CString text, int nLine);

    // Rebuilds the display line: object word, key, ", Line n", ": ", the kind's word, the text.
    const CString& GetDisplayText();

    int GetKind() const { return m_nKind; }
    SHORT GetObjectType() const { return m_nObjectType; }
    const QZKeyCombo& GetKey() const { return m_Key; }
    const CString& GetText() const { return m_Text; }
    int GetLine() const { return m_nLine; }

private:
    QZKeyCombo m_Key;
    CString m_Text;
    int m_nKind;
    SHORT m_nObjectType;
    int m_nLine;
    CString m_DisplayText;
};
