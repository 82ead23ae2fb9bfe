#include "template/expressions/QZExprContext.h"

#include "db/QZKeyCombo.h"
#include "db/QZKeyTable.h"
#include "template/expressions/QZExprLexer.h"
#include "template/expressions/QZExprParser.h"
#include "template/expressions/QZExprToken.h"
#include "template/expressions/QZUnaryExprStmt.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "template/values/QZBlockList.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

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

bool QZExprContext::IsTranslatingText() const {
    return m_nMode == MODE_FIRST || m_nMode == MODE_REWRITE;
}

void QZExprContext::TranslateToken() {
    if (!IsTranslatingText())
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
    if (source.GetAt(0) == ':' && QZExprLexer::IsDigit(written.GetAt(0)) &&
        (QZExprLexer::IsAlnum(last) || last == '$' || last == '#' || last == '.' || last == ':'))
        m_translated += ' ';
    m_translated += written;
    if (at >= 0)
        m_translated += source.Mid(at);
}

void QZExprContext::Compile() {
    DeleteStatements();
    m_nTempsUsed = 0;
    m_nCurrentToken = NextToken();
    QZExprParser(*this).ParseList();
    m_translated = m_text;
}

void QZExprContext::CompileLiteral() {
    DeleteStatements();
    m_nTempsUsed = 0;
    m_nCurrentToken = NextToken();
    QZSymbol* literal = QZExprParser(*this).ParseLiteral();
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

// ---- Stages

int QZExprContext::NextToken() {
    return QZExprLexer(*this).NextToken();
}

CString QZExprContext::GetTokenName(int token) {
    return QZExprLexer::TokenName(token);
}

CString QZExprContext::TokenText() const {
    return m_text.Mid(m_nTokenStart, m_nPosition - m_nTokenStart);
}

void QZExprContext::Advance(int expected) {
    if (m_bTooDeep && m_nCurrentToken != expected)
        return;
    TranslateToken();
    Match(expected);
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
