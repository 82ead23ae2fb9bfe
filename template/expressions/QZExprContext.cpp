#include "template/expressions/QZExprContext.h"

#include "db/QZKeyCombo.h"
#include "db/QZKeyTable.h"
#include "template/expressions/QZBinaryExprStmt.h"
#include "template/expressions/QZFuncExprStmt.h"
#include "template/expressions/QZMethodExprStmt.h"
#include "template/expressions/QZUnaryExprStmt.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <cctype>

namespace {

bool IsAlpha(int c) {
    return c > 0 && c < 128 && std::isalpha(c);
}

bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

bool IsAlnum(int c) {
    return IsAlpha(c) || IsDigit(c);
}

bool IsSpace(int c) {
    return c > 0 && std::isspace(c);
}

} // namespace

QZExprContext::QZExprContext(QZVantrelContext* parent) : QZArgumentContext(parent) {
    // Messages count lines from where the command's arguments begin in the page.
    QZVantrelMemoFld* parser = m_pMessageOwner != nullptr ? m_pMessageOwner->GetParser() : nullptr;
    if (parent != nullptr && parser != nullptr)
        m_nStartLine = parser->GetArgumentLine();
    m_nLine = m_nStartLine;
    if (auto* query = dynamic_cast<QZExprContext*>(m_pQueryContext))
        m_pFieldTable = query->GetFieldTable();
}

QZExprContext::~QZExprContext() {
    DeleteStatements();
}

SymbolTable* QZExprContext::Table() {
    if (m_pSymbolTable == nullptr) {
        m_pOwnTable = std::make_unique<SymbolTable>(nullptr);
        m_pSymbolTable = m_pOwnTable.get();
    }
    return m_pSymbolTable;
}

void QZExprContext::SetDefaultKeyType(SHORT type) {
    m_nConfiguredKeyType = type;
    m_nDefaultKeyType = type;
}

// ---- Parse by mode

void QZExprContext::Parse(const CString& text) {
    m_text = text;
    m_translated.Empty();
    m_nPosition = 0;
    m_nTokenStart = 0;
    m_nLine = m_nStartLine;
    m_nCurrentToken = TOKEN_EOF;
    m_nPrevToken = TOKEN_EOF;
    m_pCurrentEntry = nullptr;
    m_pResults.reset();
    m_itemResults.clear();
    m_nDefaultKeyType = m_nConfiguredKeyType;
    m_nNesting = 0;
    m_bTooDeep = FALSE;
    m_nItem = 0;
    if (m_bLiteralMode) {
        CompileLiteral();
        return;
    }
    switch (m_nMode) {
    case MODE_FIRST:
    case MODE_REWRITE:
        Translate();
        break;
    case MODE_PLAIN:
        m_translated = text;
        break;
    default:
        Compile();
        break;
    }
}

void QZExprContext::Translate() {
    m_nCurrentToken = NextToken();
    while (m_nCurrentToken != TOKEN_EOF) {
        if (m_nCurrentToken == TOK_COMMA)
            m_nDefaultKeyType = OBJ_PAGE;
        Advance(m_nCurrentToken);
    }
    // A NUL character reads as the end of the text: what follows it is kept as it is.
    if (m_nTokenStart < m_text.GetLength())
        m_translated += m_text.Mid(m_nTokenStart);
}

void QZExprContext::TranslateToken() {
    if (m_nMode != MODE_FIRST && m_nMode != MODE_REWRITE)
        return;
    CString source = TokenText();
    // A key without its key ID ("3:") is kept as written: "3:0" could join what follows.
    if (m_nCurrentToken != TOK_KEY || source.Right(1) == ":") {
        m_translated += source;
        return;
    }
    int at = source.Find('@');
    QZKeyCombo key(source);
    if (at < 0)
        key.m_ObjectType = m_nDefaultKeyType;
    // Only while the text is being translated: the table of an earlier translation may be
    // gone by the time the text is saved again.
    if (m_bTranslate && m_pKeyTable != nullptr)
        key = m_pKeyTable->MapKey(key, key.m_ObjectType);
    CString written = m_nMode == MODE_FIRST ? key.Format() : key.FormatFull();
    // ":12" written out as "0:12" must not join the token before it ("x:12" is not "x0:12").
    int last = m_translated.IsEmpty()
                   ? 0
                   : static_cast<unsigned char>(m_translated.GetAt(m_translated.GetLength() - 1));
    if (source.GetAt(0) == ':' && IsDigit(written.GetAt(0)) &&
        (IsAlnum(last) || last == '$' || last == '#' || last == '.' || last == ':'))
        m_translated += ' ';
    m_translated += written;
    if (at >= 0)
        m_translated += source.Mid(at);
}

void QZExprContext::Compile() {
    DeleteStatements();
    m_nTempsUsed = 0;
    m_nCurrentToken = NextToken();
    ParseList();
    m_translated = m_text;
}

void QZExprContext::CompileLiteral() {
    DeleteStatements();
    m_nTempsUsed = 0;
    m_nCurrentToken = NextToken();
    QZSymbol* literal = ParseLiteral();
    new QZUnaryExprStmt(this, QZExprStmt::OP_ASSIGN, literal, m_pResult);
    m_translated = m_text;
}

// ---- Running

void QZExprContext::Execute() {
    m_nReplacedItem = -1;
    QZArgumentContext::Execute();
    // An assignment that replaced an array or record freed the entries that references and
    // addresses of earlier items may designate: those results are not to be followed.
    for (int i = 0; i < m_nReplacedItem && i < static_cast<int>(m_itemResults.size()); i++) {
        QZSymbol* entry = m_itemResults[i];
        if (entry != nullptr && entry->GetName().IsEmpty() &&
            (entry->GetType() == QZSymbol::TYPE_REFERENCE ||
             entry->GetType() == QZSymbol::TYPE_ADDRESS))
            entry->SetString(QZSymbol::kErrorValue);
    }
}

void QZExprContext::NoteAggregateReplaced(int item) {
    if (item > m_nReplacedItem)
        m_nReplacedItem = item;
}

// ---- Lexer

int QZExprContext::Peek() const {
    if (m_nPosition < 0 || m_nPosition >= m_text.GetLength())
        return 0;
    return static_cast<unsigned char>(m_text.str()[m_nPosition]);
}

CString QZExprContext::TokenText() const {
    return m_text.Mid(m_nTokenStart, m_nPosition - m_nTokenStart);
}

void QZExprContext::SkipSpace() {
    bool translating = m_nMode == MODE_FIRST || m_nMode == MODE_REWRITE;
    while (IsSpace(Peek())) {
        int c = GetChar();
        if (translating)
            m_translated += static_cast<char>(c);
    }
    m_nTokenStart = m_nPosition;
}

BOOL QZExprContext::AfterOperand() const {
    switch (m_nPrevToken) {
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

int QZExprContext::NextToken() {
    m_nPrevToken = m_nCurrentToken;
    m_bError = FALSE;
    m_pCurrentEntry = nullptr;
    m_nOperatorCode = 0;
    m_nTokenStart = m_nPosition;
    SkipSpace();
    int c = GetChar();
    if (c == 0) {
        UngetChar();
        return TOKEN_EOF;
    }
    if (IsAlpha(c))
        return LexIdentifier();
    if (IsDigit(c))
        return LexNumber();
    switch (c) {
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
        return LexOperator(c);
    }
}

int QZExprContext::LexIdentifier() {
    // Letters and digits only: an underscore ends the name.
    while (IsAlnum(Peek()))
        GetChar();
    SymbolTable* table = Table();
    // On the right of a local assignment, names are those of the enclosing scope.
    if (m_bRhs && m_pQueryContext != this && table->GetParent() != nullptr)
        table = table->GetParent();
    m_pCurrentEntry = table->Define(TokenText(), TRUE);
    m_nOperatorCode = CODE_FIRST;
    return m_pCurrentEntry->GetKind();
}

int QZExprContext::LexNumber() {
    while (IsDigit(Peek()))
        GetChar();
    int c = Peek();
    if (c == '.' && m_nPrevToken != TOK_DOT) {
        GetChar();
        return LexFraction();
    }
    if (c == ':') {
        GetChar();
        return LexKeyRest();
    }
    if (IsAlpha(c)) {
        while (IsAlnum(Peek()))
            GetChar();
        CString text = TokenText();
        m_pCurrentEntry = Table()->AddSpanConst(QZConstantReader::SpanFromText(text.str()), text);
        return TOK_SPAN;
    }
    m_pCurrentEntry = Table()->AddIntConst(TokenText());
    return TOK_INTEGER;
}

int QZExprContext::LexKeyRest() {
    if (!IsDigit(Peek())) {
        ReportError("key combo missing key ID");
    } else {
        while (IsDigit(Peek()))
            GetChar();
        if (Peek() == '@') {
            GetChar();
            while (IsAlpha(Peek()))
                GetChar();
        }
    }
    m_pCurrentEntry = Table()->AddKeyConst(TokenText());
    return TOK_KEY;
}

int QZExprContext::LexFraction() {
    while (IsDigit(Peek()))
        GetChar();
    m_pCurrentEntry = Table()->AddFloatConst(TokenText());
    return TOK_FLOAT;
}

int QZExprContext::LexString() {
    int start = m_nPosition;
    int end;
    for (;;) {
        int c = GetChar();
        if (c == 0) {
            UngetChar();
            end = m_nPosition;
            ReportError("string constant missing closing \"");
            break;
        }
        // Two quotes in a row stay in the string, both of them.
        if (c == '"' && Peek() == '"') {
            GetChar();
        } else if (c == '"') {
            end = m_nPosition - 1;
            break;
        }
    }
    m_pCurrentEntry = Table()->AddStringConst(m_text.Mid(start, end - start));
    return TOK_STRING;
}

int QZExprContext::LexField() {
    for (;;) {
        int c = GetChar();
        if (c == 0) {
            UngetChar();
            ReportError("']' must end query field");
            break;
        }
        if (c == ']')
            break;
    }
    m_pCurrentEntry = Table()->Define(TokenText(), TRUE);
    m_nOperatorCode = CODE_SECOND;
    return TOKEN_IDENTIFIER;
}

int QZExprContext::LexCurrency() {
    int start = m_nPosition;
    while (IsDigit(Peek()))
        GetChar();
    if (Peek() == '.') {
        GetChar();
        while (IsDigit(Peek()))
            GetChar();
    }
    std::string_view digits(m_text.str().data() + start, m_nPosition - start);
    m_pCurrentEntry =
        Table()->AddCurrencyConst(QZConstantReader::CurrencyFromText(digits), TokenText());
    return TOK_CURRENCY;
}

int QZExprContext::LexDate() {
    SkipWhiteSpace();
    COleDateTime date;
    if (IsAlpha(Peek())) {
        // A date in words goes to the date parser as it stands.
        int start = m_nPosition;
        while (Peek() != 0 && Peek() != '#')
            GetChar();
        CString words = m_text.Mid(start, m_nPosition - start);
        if (Peek() == '#')
            GetChar();
        date.ParseDateTime(words);
    } else {
        QZConstantReader::DateParts parts;
        if (!LexDateParts(parts))
            ReportError("invalid or unterminated date constant");
        date = QZConstantReader::DateFromParts(parts);
    }
    m_pCurrentEntry = Table()->AddDateConst(date, TokenText());
    return TOK_DATE;
}

LONG QZExprContext::ReadNumber() {
    LONG value = 0;
    while (IsDigit(Peek()))
        value = QZConstantReader::Saturate(value, GetChar() - '0');
    return value;
}

bool QZExprContext::LexTime(QZConstantReader::DateParts& parts) {
    // The hour is read; ":" minutes and optionally ":" seconds follow.
    if (Peek() != ':')
        return false;
    GetChar();
    if (!IsDigit(Peek()))
        return false;
    parts.minute = ReadNumber();
    if (Peek() == ':') {
        GetChar();
        if (!IsDigit(Peek()))
            return false;
        parts.second = ReadNumber();
    }
    return true;
}

bool QZExprContext::LexDateParts(QZConstantReader::DateParts& parts) {
    if (!IsDigit(Peek()))
        return false;
    LONG first = ReadNumber();
    if (Peek() == ':') {
        parts.hour = first;
        if (!LexTime(parts))
            return false;
    } else if (Peek() == '/' || Peek() == '-') {
        GetChar();
        parts.month = first;
        if (!IsDigit(Peek()))
            return false;
        parts.day = ReadNumber();
        if (Peek() == '/' || Peek() == '-') {
            GetChar();
            if (!IsDigit(Peek()))
                return false;
            parts.year = ReadNumber();
            parts.hasYear = true;
        }
        SkipWhiteSpace();
        if (IsDigit(Peek())) {
            parts.hour = ReadNumber();
            if (!LexTime(parts))
                return false;
        }
    } else {
        parts.hour = first; // a single number is the hour
    }
    SkipWhiteSpace();
    if (Peek() != '#')
        return false;
    GetChar();
    return true;
}

int QZExprContext::LexOperator(int c) {
    m_nOperatorCode = CODE_FIRST;
    switch (c) {
    case '+':
        return TOK_ADDOP;
    case '-':
        if (!AfterOperand())
            return TOK_UMINUS;
        m_nOperatorCode = CODE_SECOND;
        return TOK_ADDOP;
    case '*':
        return TOK_MULOP;
    case '/':
        if (m_bLiteralMode)
            return TOK_DATESEP;
        m_nOperatorCode = CODE_SECOND;
        return TOK_MULOP;
    case '%':
        m_nOperatorCode = CODE_THIRD;
        return TOK_MULOP;
    case '<':
        if (Peek() == '=' || Peek() == '>') {
            int token = GetChar() == '=' ? TOK_RELOP : TOK_EQOP;
            m_nOperatorCode = CODE_SECOND;
            return token;
        }
        return TOK_RELOP;
    case '>':
        if (Peek() == '=') {
            GetChar();
            m_nOperatorCode = CODE_FOURTH;
        } else {
            m_nOperatorCode = CODE_THIRD;
        }
        return TOK_RELOP;
    case '=':
        if (Peek() == '=') {
            GetChar();
            return TOK_EQOP;
        }
        if (m_bEqualsCompares)
            return TOK_EQOP;
        m_nOperatorCode = m_nAssignmentCode == QZExprStmt::OP_ASSIGN ? CODE_FIRST : CODE_SECOND;
        return TOK_ASSIGN;
    case ':':
        if (Peek() == '=') {
            GetChar();
            m_nOperatorCode = CODE_SECOND;
            return TOK_ASSIGN;
        }
        if (IsDigit(Peek()))
            return LexKeyRest();
        return TOK_COLON;
    case '^':
        return TOK_CARET;
    case '&':
        return TOK_AMPERSAND;
    case '(':
        return TOK_LPAREN;
    case ')':
        return TOK_RPAREN;
    case ',':
        return TOK_COMMA;
    default:
        m_nOperatorCode = 0;
        ReportError("invalid character %s", CString(static_cast<char>(c)));
        return TOKEN_UNRECOGNIZED;
    }
}

CString QZExprContext::GetTokenName(int token) {
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

// ---- Grammar

void QZExprContext::Advance(int expected) {
    // After the nesting limit the text is abandoned without a message for every level.
    if (m_bTooDeep && m_nCurrentToken != expected)
        return;
    TranslateToken();
    Match(expected);
}

void QZExprContext::OperandExpected() {
    if (!m_bTooDeep)
        ReportError("operand expected");
}

QZSymbol* QZExprContext::NewTemp() {
    if (m_nTempsUsed < m_temps.size()) {
        QZSymbol* temp = m_temps[m_nTempsUsed++];
        *temp = QZSymbol();
        return temp;
    }
    if (m_pTemps == nullptr)
        m_pTemps = std::make_unique<SymbolTable>(nullptr);
    QZSymbol* temp = m_pTemps->AddTemp();
    m_temps.push_back(temp);
    m_nTempsUsed++;
    return temp;
}

QZSymbol* QZExprContext::Binary(int operation, QZSymbol* left, QZSymbol* right) {
    QZSymbol* temp = NewTemp();
    new QZBinaryExprStmt(this, operation, left, right, temp);
    return temp;
}

QZSymbol* QZExprContext::Unary(int operation, QZSymbol* operand) {
    QZSymbol* temp = NewTemp();
    new QZUnaryExprStmt(this, operation, operand, temp);
    return temp;
}

void QZExprContext::ParseList() {
    m_pResults = std::make_unique<QZBlockList>();
    m_pResult = nullptr;
    for (;;) {
        QZSymbol* entry = ParseAssignment();
        m_itemResults.push_back(entry);
        if (entry != nullptr)
            m_pResults->AddTail(entry, 1, 1);
        if (m_nCurrentToken != TOK_COMMA)
            break;
        m_nDefaultKeyType = OBJ_PAGE;
        Advance(TOK_COMMA);
        m_nItem++;
    }
    if (m_pResults->GetHead() != nullptr)
        m_pResult = m_pResults->GetHead()->item;
}

QZSymbol* QZExprContext::ParseAssignment() {
    QZSymbol* left = ParseOr();
    if (left == nullptr || m_nCurrentToken != TOK_ASSIGN)
        return left;
    int operation = m_nOperatorCode == CODE_FIRST ? QZExprStmt::OP_ASSIGN : QZExprStmt::OP_INIT;
    // A parameter makes or sets a variable of this scope, never one of a parent's.
    if (m_bLocalAssignment && !left->GetName().IsEmpty())
        left = Table()->Define(left->GetName(), FALSE);
    // Set before the first token of the right side is read.
    m_bRhs = m_bLocalAssignment;
    Advance(TOK_ASSIGN);
    QZSymbol* right = ParseOr();
    m_bRhs = FALSE;
    if (right != nullptr)
        new QZUnaryExprStmt(this, operation, right, left);
    return left;
}

namespace {

// The right-grouping levels, from the lowest precedence.
enum Level { LEVEL_OR, LEVEL_AND, LEVEL_EQUALITY, LEVEL_RELATIONAL, LEVEL_POWER };

int LevelToken(int level) {
    switch (level) {
    case LEVEL_OR:
        return TOKEN_OR;
    case LEVEL_AND:
        return TOKEN_AND;
    case LEVEL_EQUALITY:
        return QZExprContext::TOK_EQOP;
    case LEVEL_RELATIONAL:
        return QZExprContext::TOK_RELOP;
    default:
        return QZExprContext::TOK_CARET;
    }
}

int LevelOperation(int level, int code) {
    switch (level) {
    case LEVEL_OR:
        return QZExprStmt::OP_OR;
    case LEVEL_AND:
        return QZExprStmt::OP_AND;
    case LEVEL_EQUALITY:
        return code == QZExprContext::CODE_FIRST ? QZExprStmt::OP_EQ : QZExprStmt::OP_NE;
    case LEVEL_RELATIONAL:
        return QZExprStmt::OP_LT + code - QZExprContext::CODE_FIRST;
    default:
        return QZExprStmt::OP_POWER;
    }
}

} // namespace

QZSymbol* QZExprContext::ParseOr() {
    return ParseRightGrouping(LEVEL_OR);
}

// `a op b op c` as `a op (b op c)`, read in a loop rather than by recursion so that long
// chains do not deepen the stack; the statements still come in post-order.
QZSymbol* QZExprContext::ParseRightGrouping(int level) {
    auto next = [&]() -> QZSymbol* {
        if (level == LEVEL_RELATIONAL)
            return ParseKeyPair();
        if (level == LEVEL_POWER)
            return ParseUnary();
        return ParseRightGrouping(level + 1);
    };
    std::vector<QZSymbol*> operands;
    std::vector<int> operations;
    QZSymbol* first = next();
    if (first == nullptr)
        return nullptr;
    operands.push_back(first);
    while (m_nCurrentToken == LevelToken(level)) {
        int operation = LevelOperation(level, m_nOperatorCode);
        Advance(m_nCurrentToken);
        QZSymbol* operand = next();
        if (operand == nullptr)
            break;
        operations.push_back(operation);
        operands.push_back(operand);
    }
    QZSymbol* value = operands.back();
    for (size_t i = operations.size(); i-- > 0;)
        value = Binary(operations[i], operands[i], value);
    return value;
}

QZSymbol* QZExprContext::ParseKeyPair() {
    QZSymbol* left = ParseAdditive();
    if (left == nullptr || m_nCurrentToken != TOK_COLON)
        return left;
    Advance(TOK_COLON);
    QZSymbol* right = ParseAdditive();
    return right != nullptr ? Binary(QZExprStmt::OP_KEY, left, right) : left;
}

QZSymbol* QZExprContext::ParseAdditive() {
    QZSymbol* left = ParseMultiplicative();
    while (left != nullptr && m_nCurrentToken == TOK_ADDOP) {
        int operation = m_nOperatorCode == CODE_FIRST ? QZExprStmt::OP_ADD : QZExprStmt::OP_SUB;
        Advance(TOK_ADDOP);
        QZSymbol* right = ParseMultiplicative();
        if (right == nullptr)
            break;
        left = Binary(operation, left, right);
    }
    return left;
}

QZSymbol* QZExprContext::ParseMultiplicative() {
    QZSymbol* left = ParseRightGrouping(LEVEL_POWER);
    while (left != nullptr && m_nCurrentToken == TOK_MULOP) {
        int operation = m_nOperatorCode == CODE_FIRST    ? QZExprStmt::OP_MUL
                        : m_nOperatorCode == CODE_SECOND ? QZExprStmt::OP_DIV
                                                         : QZExprStmt::OP_MOD;
        Advance(TOK_MULOP);
        QZSymbol* right = ParseRightGrouping(LEVEL_POWER);
        if (right == nullptr)
            break;
        left = Binary(operation, left, right);
    }
    return left;
}

QZSymbol* QZExprContext::ParseUnary() {
    std::vector<int> prefixes;
    for (;;) {
        int operation = 0;
        switch (m_nCurrentToken) {
        case TOK_MULOP:
            // "*x" follows an address; "/x" and "%x" copy x.
            operation =
                m_nOperatorCode == CODE_FIRST ? QZExprStmt::OP_DEREF : QZExprStmt::OP_ASSIGN;
            break;
        case TOK_UMINUS:
            operation = QZExprStmt::OP_NEGATE;
            break;
        case TOK_COLON:
            operation = QZExprStmt::OP_KEY;
            break;
        case TOK_AMPERSAND:
            operation = QZExprStmt::OP_ADDRESS;
            break;
        case TOKEN_NOT:
            operation = QZExprStmt::OP_NOT;
            break;
        default:
            break;
        }
        if (operation == 0)
            break;
        prefixes.push_back(operation);
        Advance(m_nCurrentToken);
    }
    QZSymbol* value = ParsePostfix();
    if (prefixes.empty())
        return value;
    // A missing operand still gets its statement, which reports it when run.
    for (size_t i = prefixes.size(); i-- > 0;)
        value = Unary(prefixes[i], value);
    return value;
}

QZSymbol* QZExprContext::ParsePostfix() {
    QZSymbol* value = ParsePrimary();
    while (value != nullptr && m_nCurrentToken == TOK_DOT) {
        Advance(TOK_DOT);
        if (m_nCurrentToken == TOKEN_METHOD) {
            LONG number = m_pCurrentEntry->GetInteger();
            Advance(TOKEN_METHOD);
            QZBlockList* arguments = ParseArguments();
            QZSymbol* temp = NewTemp();
            new QZMethodExprStmt(this, number, value, arguments, temp);
            value = temp;
            continue;
        }
        QZSymbol* member = ParsePrimary();
        if (member == nullptr)
            break;
        value = Binary(QZExprStmt::OP_MEMBER, value, member);
    }
    return value;
}

QZSymbol* QZExprContext::ParsePrimary() {
    int token = m_nCurrentToken;
    QZSymbol* entry = m_pCurrentEntry;
    switch (token) {
    case TOKEN_IDENTIFIER:
        if (m_nOperatorCode == CODE_SECOND) {
            Advance(token);
            return Unary(QZExprStmt::OP_FIELD, entry);
        }
        Advance(token);
        return entry;
    case TOK_INTEGER:
    case TOK_FLOAT:
    case TOK_STRING:
    case TOK_KEY:
    case TOK_CURRENCY:
    case TOK_DATE:
    case TOKEN_BUILTIN:
    case 127:
    case 128:
    case 129:
    case 130:
    case 131:
    case 132:
    case 133:
    case TOK_SPAN:
        Advance(token);
        return entry;
    case TOK_LPAREN: {
        Advance(TOK_LPAREN);
        QZSymbol* value = ParseNested();
        if (value != nullptr)
            Advance(TOK_RPAREN);
        return value;
    }
    case TOKEN_FUNCTION: {
        LONG number = entry->GetInteger();
        Advance(TOKEN_FUNCTION);
        QZBlockList* arguments = ParseArguments();
        QZSymbol* temp = NewTemp();
        new QZFuncExprStmt(this, number, arguments, temp);
        return temp;
    }
    default:
        OperandExpected();
        return nullptr;
    }
}

QZSymbol* QZExprContext::ParseNested() {
    if (m_nNesting >= kMaxNesting) {
        if (!m_bTooDeep)
            ReportError("expression nested too deeply");
        m_bTooDeep = TRUE;
        return nullptr;
    }
    m_nNesting++;
    QZSymbol* value = ParseOr();
    m_nNesting--;
    return value;
}

QZBlockList* QZExprContext::ParseArguments() {
    if (m_nCurrentToken != TOK_LPAREN) {
        Advance(TOK_LPAREN); // reports the missing "("
        return nullptr;
    }
    Advance(TOK_LPAREN);
    if (m_nCurrentToken == TOK_RPAREN) {
        Advance(TOK_RPAREN);
        return nullptr;
    }
    auto arguments = std::make_unique<QZBlockList>();
    for (;;) {
        QZSymbol* argument = ParseNested();
        if (argument != nullptr)
            arguments->AddTail(argument, 1, 1);
        if (m_nCurrentToken != TOK_COMMA)
            break;
        Advance(TOK_COMMA);
    }
    Advance(TOK_RPAREN);
    if (arguments->GetCount() == 0)
        return nullptr;
    return arguments.release();
}

QZSymbol* QZExprContext::ParseLiteral() {
    // Tokens are read without the grammar's matching: any surprise makes the text a string.
    QZSymbol* first = m_pCurrentEntry;
    int token = m_nCurrentToken;
    auto next = [&]() {
        m_nCurrentToken = NextToken();
        return m_nCurrentToken;
    };
    if (token == TOK_INTEGER) {
        int after = next();
        if (after == TOKEN_EOF)
            return first;
        QZSymbol* day = nullptr;
        QZSymbol* year = nullptr;
        if (after == TOK_DATESEP && next() == TOK_INTEGER && (day = m_pCurrentEntry) != nullptr &&
            next() == TOK_DATESEP && next() == TOK_INTEGER && (year = m_pCurrentEntry) != nullptr &&
            next() == TOKEN_EOF) {
            LONG y = year->GetInteger();
            COleDateTime date(y < 100 ? y + 1900 : y, first->GetInteger(), day->GetInteger(), 0, 0,
                              0);
            return Table()->AddDateConst(date, m_text);
        }
    } else if (token == TOK_FLOAT || token == TOK_KEY || token == TOK_CURRENCY) {
        if (next() == TOKEN_EOF)
            return first;
    }
    return Table()->AddStringConst(m_text);
}
