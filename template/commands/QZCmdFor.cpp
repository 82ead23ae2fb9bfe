#include "template/commands/QZCmdFor.h"

#include "template/commands/QZFlowParts.h"
#include "template/commands/QZRunLimit.h"
#include "template/expressions/QZExprContext.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelStmtContext.h"
#include "template/values/QZSymbol.h"

IMPLEMENT_DYNAMIC(QZCmdFor, QZCommandBase)

QZCmdFor::QZCmdFor(QZVantrelContext* context, const CString& arguments, int firstSemicolon,
                   int secondSemicolon)
    : QZCommandBase(context), m_nFirstSemicolon(firstSemicolon),
      m_nSecondSemicolon(firstSemicolon >= 0 ? secondSemicolon : -1) {
    m_source = arguments;
    int first = m_nFirstSemicolon;
    int second = m_nSecondSemicolon;
    CString init = first >= 0 ? arguments.Left(first) : arguments;
    CString condition = second >= 0 ? arguments.Mid(first + 1, second - first - 1) : CString();
    CString step = second >= 0  ? arguments.Mid(second + 1)
                   : first >= 0 ? arguments.Mid(first + 1)
                                : CString();
    m_pInit.reset(QZFlowParts::MakeLocal(context, init, FALSE));
    // A missing condition is not parsed: it is no empty expression to report, only absent.
    m_pCondition.reset(QZFlowParts::MakeLocal(context, condition, TRUE, second >= 0));
    m_pStep.reset(QZFlowParts::MakeLocal(context, step, FALSE, first >= 0));
    m_pBody = std::make_unique<QZVantrelStmtContext>(context, this);
}

QZCmdFor::~QZCmdFor() = default;

QZCommandBase* QZCmdFor::Make(QZVantrelContext* context, const CString& arguments) {
    int first = -1;
    int second = -1;
    FindSemicolons(arguments, first, second);
    return new QZCmdFor(context, arguments, first, second);
}

void QZCmdFor::FindSemicolons(const CString& arguments, int& first, int& second) {
    first = second = -1;
    bool quoted = false;
    for (int i = 0; i < arguments.GetLength() && second < 0; i++) {
        char c = arguments.GetAt(i);
        if (quoted) {
            // A doubled quote stays inside the string.
            if (c == '"' && i + 1 < arguments.GetLength() && arguments.GetAt(i + 1) == '"')
                i++;
            else if (c == '"')
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ';') {
            (first < 0 ? first : second) = i;
        }
    }
}

CString QZCmdFor::GetSkeleton() {
    return "<<for i=0; i<10; i=i+1>>\r\n<</for>>";
}

void QZCmdFor::WriteSource(CString& text) {
    text += "<<for " + QZFlowParts::TranslatedText(m_pInit.get());
    if (m_nFirstSemicolon >= 0)
        text += ";";
    if (m_nSecondSemicolon >= 0)
        text += QZFlowParts::TranslatedText(m_pCondition.get()) + ";";
    text += QZFlowParts::TranslatedText(m_pStep.get()) + ">>";
    if (!QZFlowParts::WritesBlocks(m_pContext))
        return;
    m_pBody->WriteSource(text);
    if (m_bClosed)
        text += "<</for>>";
}

void QZCmdFor::Execute() {
    m_pInit->Execute();
    if (QZFlowParts::FirstResult(m_pCondition.get()) == nullptr) {
        Error("for statement requires a conditional expression");
        return;
    }
    m_pCondition->Execute();
    QZSymbol* condition = QZFlowParts::FirstResult(m_pCondition.get());
    QZRunLimit limit(m_pRunOwner);
    while (condition->IsTrue() && limit.AllowsTurn()) {
        m_pBody->Execute();
        m_pStep->Execute();
        m_pCondition->Execute();
    }
    if (condition->IsTrue())
        Error("infinite for loop");
}

QZVantrelStmtContext* QZCmdFor::GetSection(Section section) {
    return section == SECTION_BODY ? m_pBody.get() : nullptr;
}

void QZCmdFor::KeepWord(int token, const CString&) {
    if (token == TOKEN_ENDFOR)
        m_bClosed = TRUE;
}
