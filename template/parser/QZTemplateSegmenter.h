#pragma once
// The colouring pass of the source editor: cuts template text into segments of plain text,
// tags, commands and comments, in text order. In modes 1 and 3 a command's segment is the text
// that the command writes back, so the editor shows what saving will write; the commands made
// for that stay in the parser's statement list.

#include "template/parser/QZVantrelMemoFld.h"

class QZTemplateSegmenter {
public:
    explicit QZTemplateSegmenter(QZVantrelMemoFld& parser);
    QZTemplateSegmenter(const QZTemplateSegmenter&) = delete;
    QZTemplateSegmenter& operator=(const QZTemplateSegmenter&) = delete;

    // Appends a segment (QZNameAndId: the text and its SEGMENT_ kind) for every token of the
    // text to the list.
    void Run(const CString& text, QZVantrelMemoFld::SegmentList& segments);

    // Appends the span of every token of the text, as written, to the list; what the lexer
    // cannot read (from a NUL byte on) follows as plain text.
    void Spans(const CString& text, QZVantrelMemoFld::ColorSpanList& spans);

private:
    LONG TokenKind(const CString& tokenText) const;
    QZNameAndId* MakeSegment();
    CString CommandText(const CString& tokenText);

    QZVantrelMemoFld& m_parser;
};
