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

private:
    QZNameAndId* MakeSegment();
    CString CommandText(const CString& tokenText);

    QZVantrelMemoFld& m_parser;
};
