#include "template/parser/QZTemplateSegmenter.h"

#include "template/parser/QZToken.h"

QZTemplateSegmenter::QZTemplateSegmenter(QZVantrelMemoFld& parser) : m_parser(parser) {}

void QZTemplateSegmenter::Run(const CString& text, QZVantrelMemoFld::SegmentList& segments) {
    m_parser.StartText(text);
    m_parser.m_contexts.Reset();
    m_parser.m_contexts.Push(&m_parser);
    for (m_parser.m_nCurrentToken = m_parser.NextToken(); m_parser.m_nCurrentToken != TOKEN_EOF;
         m_parser.m_nCurrentToken = m_parser.NextToken()) {
        m_parser.SetError(FALSE);
        segments.AddTail(MakeSegment());
    }
    m_parser.m_contexts.Pop();
}

// The segment of the current token.
QZNameAndId* QZTemplateSegmenter::MakeSegment() {
    CString tokenText = m_parser.GetTokenText();
    switch (m_parser.GetCurrentToken()) {
    case TOKEN_HTML: {
        bool tag = tokenText.Left(1) == "<" || tokenText.Right(1) == ">";
        return new QZNameAndId(tokenText, tag ? QZVantrelMemoFld::SEGMENT_TAG
                                              : QZVantrelMemoFld::SEGMENT_TEXT);
    }
    case TOKEN_COMMENT:
        return new QZNameAndId(tokenText, QZVantrelMemoFld::SEGMENT_COMMENT);
    default:
        return new QZNameAndId(CommandText(tokenText), QZVantrelMemoFld::SEGMENT_COMMAND);
    }
}

// A command as the editor shows it: written back in modes 1 and 3, as typed otherwise.
CString QZTemplateSegmenter::CommandText(const CString& tokenText) {
    SHORT mode = m_parser.GetMode();
    if (mode != QZVantrelContext::MODE_FIRST && mode != QZVantrelContext::MODE_REWRITE)
        return tokenText;
    QZCommandBase* command = m_parser.CreateCommand();
    if (command == nullptr)
        return tokenText;
    CString written;
    command->WriteSource(written);
    return written;
}
