#include "template/parser/QZCommandFactory.h"

#include "template/commands/QZCmdComment.h"
#include "template/commands/QZCmdGeneric.h"
#include "template/commands/QZCmdHTML.h"
#include "template/commands/QZCmdParam.h"
#include "template/commands/QZCmdStandIn.h"
#include "template/parser/QZTemplateLexer.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelCompileContext.h"

#include <map>

namespace {
std::map<int, QZCommandFactory::Maker>& Makers() {
    static std::map<int, QZCommandFactory::Maker> makers;
    return makers;
}
} // namespace

void QZCommandFactory::Register(int token, Maker maker) {
    if (maker != nullptr)
        Makers()[token] = maker;
    else
        Makers().erase(token);
}

QZCommandFactory::Maker QZCommandFactory::Find(int token) {
    auto found = Makers().find(token);
    return found != Makers().end() ? found->second : nullptr;
}

bool QZCommandFactory::HasCommand(int token) {
    switch (token) {
    case TOKEN_IF:
    case TOKEN_WHEN:
    case TOKEN_IS:
    case TOKEN_WHILE:
    case TOKEN_FOR:
    case TOKEN_UNTIL:
    case TOKEN_SET:
    case TOKEN_SETDEFAULT:
    case TOKEN_PRINT:
    case TOKEN_IMAGE:
    case TOKEN_MACRO:
    case TOKEN_FILE:
    case TOKEN_LINK:
    case TOKEN_EXTLINK:
    case TOKEN_FORM:
    case TOKEN_QUERY:
    case TOKEN_GROUP:
    case TOKEN_INTERPRET:
    case TOKEN_RETURNPAGE:
    case TOKEN_EMAIL:
    case TOKEN_ADDROW:
    case TOKEN_ADDROWS:
    case TOKEN_DELROW:
    case TOKEN_EDITROW:
    case TOKEN_EDITROWS:
    case TOKEN_EXECQUERY:
    case TOKEN_ENCRYPT:
    case TOKEN_ATTACH:
    case TOKEN_SETCOOKIE:
    case TOKEN_PARAM:
    case TOKEN_SCRIPT:
    case TOKEN_JAVA:
    case TOKEN_ACTIVEX:
    case TOKEN_MEDIA:
    case TOKEN_ADSPACE:
    case TOKEN_GENERATE:
    case TOKEN_READFILE:
    case TOKEN_WRITEFILE:
    case TOKEN_RUN:
    case TOKEN_DUMP:
        return true;
    default:
        return false;
    }
}

QZCommandBase* QZCommandFactory::Create(QZVantrelContext* context, int token,
                                        const QZTemplateLexer& lexer,
                                        QZVantrelCompileContext& reporter) {
    switch (token) {
    case TOKEN_HTML:
        return new QZCmdHTML(context, lexer.GetTokenText());
    case TOKEN_COMMENT:
        if (!lexer.IsKeptWhole())
            return new QZCmdComment(context, lexer.GetTokenText());
        break;
    case TOKEN_IDENTIFIER:
    case TOKEN_BUILTIN:
        reporter.ReportError("warning: unrecognized\tMarquill command %s", lexer.GetKeywordText());
        if (!lexer.IsKeptWhole())
            return new QZCmdGeneric(context, lexer.GetKeywordText(), lexer.GetArgumentText());
        break;
    default:
        if (!HasCommand(token))
            return nullptr;
        if (lexer.IsKeptWhole())
            break;
        if (Maker maker = Find(token))
            return maker(context, lexer.GetArgumentText());
        if (token == TOKEN_PARAM)
            return new QZCmdParam(context, lexer.GetArgumentText());
        break;
    }
    // Not linked in yet, or a command that cannot be written back as it was read (characters
    // skipped before its word, or cut off inside a string): kept whole.
    return new QZCmdStandIn(context, token, lexer.GetTokenText());
}
