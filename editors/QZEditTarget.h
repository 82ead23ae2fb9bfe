#pragma once
// What the text editor asks of the object whose text it edits: the text, where it is stored,
// its colour spans, the command range around a position and the command of a text. The
// template-text kinds answer through their template text; a page's header and a form's action
// text are other fields of the same objects (QZEditTargets.h).

#include "template/parser/QZVantrelMemoFld.h"

#include <utility>

class QZCommandBase;

class QZEditTarget {
public:
    virtual ~QZEditTarget() = default;

    virtual CString GetText() = 0;
    virtual void SetText(const CString& text) = 0;
    virtual QZVantrelMemoFld::ColorSpanList GetColorSpans(const CString& text) = 0;
    // The command that contains the position of the line text, from its first "<" to its last
    // ">", or the text between a ">>" before and a "<<" after; start equals end when neither.
    virtual std::pair<int, int> FindCommandRange(const CString& lineText, int position) = 0;
    // The first command that the text makes, or null.
    virtual QZCommandBase* SetSourceText(const CString& text) = 0;
    // False for a read-only copy.
    virtual BOOL IsWritable() = 0;
};
