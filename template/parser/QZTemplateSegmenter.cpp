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

void QZTemplateSegmenter::Spans(const CString& text, QZVantrelMemoFld::ColorSpanList& spans) {
    m_parser.StartText(text);
    for (;;) {
        int start = m_parser.GetPosition();
        m_parser.m_nCurrentToken = m_parser.NextToken();
        if (m_parser.m_nCurrentToken == TOKEN_EOF || m_parser.GetPosition() <= start)
            break;
        CString tokenText = m_parser.GetTokenText();
        LONG kind = TokenKind(tokenText);
        spans.emplace_back();
        spans.back().m_Name = tokenText;
        spans.back().m_Id = kind;
    }
    int stop = m_parser.GetPosition();
    if (stop < text.GetLength()) {
        spans.emplace_back();
        spans.back().m_Name = text.Mid(stop);
        spans.back().m_Id = QZVantrelMemoFld::SEGMENT_TEXT;
    }
    m_parser.m_nCurrentToken = TOKEN_EOF;
}

// The segment kind of the current token.
LONG QZTemplateSegmenter::TokenKind(const CString& tokenText) const {
    switch (m_parser.GetCurrentToken()) {
    case TOKEN_HTML: {
        bool tag = tokenText.Left(1) == "<" || tokenText.Right(1) == ">";
        return tag ? QZVantrelMemoFld::SEGMENT_TAG : QZVantrelMemoFld::SEGMENT_TEXT;
    }
    case TOKEN_COMMENT:
        return QZVantrelMemoFld::SEGMENT_COMMENT;
    default:
        return QZVantrelMemoFld::SEGMENT_COMMAND;
    }
}

// The segment of the current token.
QZNameAndId* QZTemplateSegmenter::MakeSegment() {
    CString tokenText = m_parser.GetTokenText();
    LONG kind = TokenKind(tokenText);
    if (kind == QZVantrelMemoFld::SEGMENT_COMMAND)
        tokenText = CommandText(tokenText);
    return new QZNameAndId(tokenText, kind);
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
