#include "template/expressions/QZExprLexer.h"

#include "template/expressions/QZExprContext.h"
#include "template/expressions/QZExprStmt.h"
#include "template/expressions/QZExprToken.h"
#include "template/expressions/QZOperatorLexer.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <cctype>
#include <string_view>

bool QZExprLexer::IsAlpha(int c) {
    return c > 0 && c < 128 && std::isalpha(c);
}

bool QZExprLexer::IsDigit(int c) {
    return c >= '0' && c <= '9';
}

bool QZExprLexer::IsAlnum(int c) {
    return IsAlpha(c) || IsDigit(c);
}

int QZExprLexer::Peek() const {
    const CString& text = m_context.m_text;
    int position = m_context.m_nPosition;
    if (position < 0 || position >= text.GetLength())
        return 0;
    return static_cast<unsigned char>(text.str()[position]);
}

void QZExprLexer::SkipSpace() {
    bool translating = m_context.IsTranslatingText();
    while (Peek() > 0 && std::isspace(Peek())) {
        int c = m_context.GetChar();
        if (translating)
            m_context.m_translated += static_cast<char>(c);
    }
    m_context.m_nTokenStart = m_context.m_nPosition;
}

BOOL QZExprLexer::AfterOperand() const {
    switch (m_context.m_nPrevToken) {
    case TOKEN_IDENTIFIER:
    case TOKEN_BUILTIN:
    case TOK_RPAREN:
    case TOK_INTEGER:
    case TOK_STRING:
    case TOK_FLOAT:
    case TOK_DATE:
    case TOK_CURRENCY:
    case TOK_SPAN:
    case TOK_KEY:
        return TRUE;
    default:
        return FALSE;
    }
}

int QZExprLexer::NextToken() {
    QZExprContext& c = m_context;
    c.m_nPrevToken = c.m_nCurrentToken;
    c.m_bError = FALSE;
    c.m_pCurrentEntry = nullptr;
    c.m_nOperatorCode = CODE_NONE;
    c.m_nTokenStart = c.m_nPosition;
    SkipSpace();
    int first = c.GetChar();
    if (first == 0) {
        c.UngetChar();
        return TOKEN_EOF;
    }
    if (IsAlpha(first))
        return LexIdentifier();
    if (IsDigit(first))
        return LexNumber();
    switch (first) {
    case '.':
        return AfterOperand() ? TOK_DOT : LexFraction();
    case '"':
        return LexString();
    case '[':
        return LexField();
    case '$':
        return LexCurrency();
    case '#':
        return LexDate();
    default:
        return LexOperator(first);
    }
}

int QZExprLexer::LexIdentifier() {
    // Letters and digits only: an underscore ends the name.
    while (IsAlnum(Peek()))
        m_context.GetChar();
    SymbolTable* table = m_context.Table();
    // On the right of a local assignment, names are those of the enclosing scope.
    if (m_context.m_bRhs && m_context.m_pQueryContext != &m_context &&
        table->GetParent() != nullptr)
        table = table->GetParent();
    m_context.m_pCurrentEntry = table->Define(m_context.TokenText(), TRUE);
    m_context.m_nOperatorCode = CODE_NAME;
    return m_context.m_pCurrentEntry->GetKind();
}

int QZExprLexer::LexNumber() {
    while (IsDigit(Peek()))
        m_context.GetChar();
    int c = Peek();
    // After "." the number is an index: "a.1.2" is element 2 of element 1.
    if (c == '.' && m_context.m_nPrevToken != TOK_DOT) {
        m_context.GetChar();
        return LexFraction();
    }
    if (c == ':') {
        m_context.GetChar();
        return LexKeyRest();
    }
    if (IsAlpha(c)) {
        while (IsAlnum(Peek()))
            m_context.GetChar();
        CString text = m_context.TokenText();
        m_context.m_pCurrentEntry =
            m_context.Table()->AddSpanConst(QZConstantReader::SpanFromText(text.str()), text);
        return TOK_SPAN;
    }
    m_context.m_pCurrentEntry = m_context.Table()->AddIntConst(m_context.TokenText());
    return TOK_INTEGER;
}

int QZExprLexer::LexKeyRest() {
    if (!IsDigit(Peek())) {
        m_context.ReportError("key combo missing key ID");
    } else {
        while (IsDigit(Peek()))
            m_context.GetChar();
        if (Peek() == '@') {
            m_context.GetChar();
            while (IsAlpha(Peek()))
                m_context.GetChar();
        }
    }
    m_context.m_pCurrentEntry = m_context.Table()->AddKeyConst(m_context.TokenText());
    return TOK_KEY;
}

int QZExprLexer::LexFraction() {
    while (IsDigit(Peek()))
        m_context.GetChar();
    m_context.m_pCurrentEntry = m_context.Table()->AddFloatConst(m_context.TokenText());
    return TOK_FLOAT;
}

int QZExprLexer::LexString() {
    int start = m_context.m_nPosition;
    int end;
    for (;;) {
        int c = m_context.GetChar();
        if (c == 0) {
            m_context.UngetChar();
            end = m_context.m_nPosition;
            m_context.ReportError("string constant missing closing \"");
            break;
        }
        // Two quotes in a row stay in the string, both of them.
        if (c == '"' && Peek() == '"') {
            m_context.GetChar();
        } else if (c == '"') {
            end = m_context.m_nPosition - 1;
            break;
        }
    }
    m_context.m_pCurrentEntry =
        m_context.Table()->AddStringConst(m_context.m_text.Mid(start, end - start));
    return TOK_STRING;
}

int QZExprLexer::LexField() {
    for (;;) {
        int c = m_context.GetChar();
        if (c == 0) {
            m_context.UngetChar();
            m_context.ReportError("']' must end query field");
            break;
        }
        if (c == ']')
            break;
    }
    m_context.m_pCurrentEntry = m_context.Table()->Define(m_context.TokenText(), TRUE);
    m_context.m_nOperatorCode = CODE_FIELD;
    return TOKEN_IDENTIFIER;
}

int QZExprLexer::LexCurrency() {
    int start = m_context.m_nPosition;
    while (IsDigit(Peek()))
        m_context.GetChar();
    if (Peek() == '.') {
        m_context.GetChar();
        while (IsDigit(Peek()))
            m_context.GetChar();
    }
    std::string_view digits(m_context.m_text.str().data() + start, m_context.m_nPosition - start);
    m_context.m_pCurrentEntry = m_context.Table()->AddCurrencyConst(
        QZConstantReader::CurrencyFromText(digits), m_context.TokenText());
    return TOK_CURRENCY;
}

int QZExprLexer::LexDate() {
    m_context.SkipWhiteSpace();
    COleDateTime date;
    if (IsAlpha(Peek())) {
        // A date in words goes to the date parser as it stands.
        int start = m_context.m_nPosition;
        while (Peek() != 0 && Peek() != '#')
            m_context.GetChar();
        CString words = m_context.m_text.Mid(start, m_context.m_nPosition - start);
        if (Peek() == '#')
            m_context.GetChar();
        date.ParseDateTime(words);
    } else {
        QZConstantReader::DateParts parts;
        if (!LexDateParts(parts))
            m_context.ReportError("invalid or unterminated date constant");
        date = QZConstantReader::DateFromParts(parts);
    }
    m_context.m_pCurrentEntry = m_context.Table()->AddDateConst(date, m_context.TokenText());
    return TOK_DATE;
}

LONG QZExprLexer::ReadNumber() {
    LONG value = 0;
    while (IsDigit(Peek()))
        value = QZConstantReader::Saturate(value, m_context.GetChar() - '0');
    return value;
}

bool QZExprLexer::LexTime(QZConstantReader::DateParts& parts) {
    // The hour is read; ":" minutes and optionally ":" seconds follow.
    if (Peek() != ':')
        return false;
    m_context.GetChar();
    if (!IsDigit(Peek()))
        return false;
    parts.minute = ReadNumber();
    if (Peek() == ':') {
        m_context.GetChar();
        if (!IsDigit(Peek()))
            return false;
        parts.second = ReadNumber();
    }
    return true;
}

bool QZExprLexer::LexDateParts(QZConstantReader::DateParts& parts) {
    if (!IsDigit(Peek()))
        return false;
    LONG first = ReadNumber();
    if (Peek() == ':') {
        parts.hour = first;
        if (!LexTime(parts))
            return false;
    } else if (Peek() == '/' || Peek() == '-') {
        m_context.GetChar();
        parts.month = first;
        if (!IsDigit(Peek()))
            return false;
        parts.day = ReadNumber();
        if (Peek() == '/' || Peek() == '-') {
            m_context.GetChar();
            if (!IsDigit(Peek()))
                return false;
            parts.year = ReadNumber();
            parts.hasYear = true;
        }
        m_context.SkipWhiteSpace();
        if (IsDigit(Peek())) {
            parts.hour = ReadNumber();
            if (!LexTime(parts))
                return false;
        }
    } else {
        parts.hour = first; // a single number is the hour
    }
    m_context.SkipWhiteSpace();
    if (Peek() != '#')
        return false;
    m_context.GetChar();
    return true;
}

int QZExprLexer::LexOperator(int c) {
    const QZOperatorLexer::Spelling* spelling = QZOperatorLexer::Match(c, Peek());
    if (spelling == nullptr) {
        m_context.ReportError("invalid character %s", CString(static_cast<char>(c)));
        return TOKEN_UNRECOGNIZED;
    }
    if (spelling->second != 0)
        m_context.GetChar();
    m_context.m_nOperatorCode = spelling->code;
    switch (spelling->token) {
    case TOK_ADDOP:
        if (spelling->code == CODE_MINUS && !AfterOperand()) {
            m_context.m_nOperatorCode = CODE_SOLE;
            return TOK_UMINUS;
        }
        break;
    case TOK_MULOP:
        if (spelling->code == CODE_DIVIDE && m_context.m_bLiteralMode) {
            m_context.m_nOperatorCode = CODE_SOLE;
            return TOK_DATESEP;
        }
        break;
    case TOK_ASSIGN:
        if (spelling->code == CODE_ASSIGN)
            return LexLoneEquals();
        break;
    case TOK_COLON:
        if (IsDigit(Peek()))
            return LexKeyRest(); // ":12", a key in the open database
        break;
    default:
        break;
    }
    return spelling->token;
}

// A lone "=" compares where the command says so (if, while, repeat); otherwise it assigns, or
// only initialises where the command says so (setdefault).
int QZExprLexer::LexLoneEquals() {
    if (m_context.m_bEqualsCompares) {
        m_context.m_nOperatorCode = CODE_EQUAL;
        return TOK_EQOP;
    }
    m_context.m_nOperatorCode =
        m_context.m_nAssignmentCode == QZExprStmt::OP_ASSIGN ? CODE_ASSIGN : CODE_INITIALISE;
    return TOK_ASSIGN;
}

CString QZExprLexer::TokenName(int token) {
    switch (token) {
    case TOKEN_IDENTIFIER:
    case TOKEN_BUILTIN:
        return "identifier";
    case TOK_INTEGER:
        return "integer constant";
    case TOK_ADDOP:
        return "+ or -";
    case TOK_MULOP:
        return "*, / or %";
    case TOK_RELOP:
        return "<, <=, >, or >=";
    case TOK_EQOP:
        return "== or <>";
    case TOKEN_AND:
        return "and";
    case TOKEN_OR:
        return "or";
    case TOK_COMMA:
        return ",";
    case TOK_ASSIGN:
        return "= or :=";
    case TOK_LPAREN:
        return "(";
    case TOK_RPAREN:
        return ")";
    case TOK_FLOAT:
        return "floating-point constant";
    case TOK_STRING:
        return "string constant";
    case TOK_UMINUS:
        return "- (unary)";
    case TOKEN_NOT:
        return "not";
    default:
        return CString();
    }
}
