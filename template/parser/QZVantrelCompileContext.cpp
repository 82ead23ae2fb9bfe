#include "template/parser/QZVantrelCompileContext.h"

#include "template/parser/QZTemplateRunOwner.h"

#include <cctype>

QZVantrelCompileContext::QZVantrelCompileContext(QZVantrelContext* parent)
    : QZVantrelContext(parent) {}

int QZVantrelCompileContext::GetChar() {
    int position = m_nPosition++;
    if (position < 0 || position >= m_text.GetLength())
        return kEndOfText;
    int c = static_cast<unsigned char>(m_text.str()[position]);
    if (c == '\n')
        m_nLine++;
    return c;
}

void QZVantrelCompileContext::UngetChar() {
    m_nPosition--;
    if (m_nPosition >= 0 && m_nPosition < m_text.GetLength() && m_text.str()[m_nPosition] == '\n')
        m_nLine--;
}

void QZVantrelCompileContext::SkipWhiteSpace() {
    const std::string& text = m_text.str();
    while (m_nPosition >= 0 && m_nPosition < static_cast<int>(text.size()) &&
           std::isspace(static_cast<unsigned char>(text[m_nPosition]))) {
        if (text[m_nPosition] == '\n')
            m_nLine++;
        m_nPosition++;
    }
}

void QZVantrelCompileContext::Match(int expected) {
    if (m_nCurrentToken == expected)
        m_nCurrentToken = NextToken();
    else
        ReportError("Syntax error: Expected %s, got %s", GetTokenName(expected),
                    GetTokenName(m_nCurrentToken));
}

void QZVantrelCompileContext::ReportError(LPCTSTR format, const CString& first,
                                          const CString& second) {
    if (m_nMode == MODE_GENERATE && m_pMessageOwner != nullptr) {
        CString message;
        message.Format(format, first, second);
        m_pMessageOwner->PostEngineMessage(QZTemplateOwner::MSG_ERROR, message, m_nLine);
    }
    m_bError = TRUE;
}
