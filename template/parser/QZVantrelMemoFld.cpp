#include "template/parser/QZVantrelMemoFld.h"

#include "template/parser/QZCommandFactory.h"
#include "template/parser/QZKeywordTable.h"
#include "template/parser/QZSpellWordCollector.h"
#include "template/parser/QZTemplateGrammar.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/parser/QZTemplateSegmenter.h"
#include "template/values/SymbolTable.h"

QZVantrelMemoFld::QZVantrelMemoFld(QZVantrelContext* parent)
    : QZVantrelCompileContext(parent), m_lexer(*this), m_contexts(this) {
    CreateTables();
}

QZVantrelMemoFld::~QZVantrelMemoFld() {
    // The statements go before the tables whose entries they name.
    DeleteStatements();
    ClearSegments();
    delete m_pSegments;
    FreeTables();
}

// ---- Tables ----

void QZVantrelMemoFld::CreateTables() {
    SymbolTable* scope = nullptr;
    if (m_pParent != nullptr) {
        QZTemplateRunOwner* owner = m_pParent->GetRunOwner();
        QZVantrelMemoFld* ownerParser = owner != nullptr ? owner->GetParser() : nullptr;
        if (ownerParser != nullptr && ownerParser != this)
            m_pKeywords = ownerParser->GetKeywordTable();
        scope = m_pParent->GetSymbolTable();
    }
    if (m_pKeywords == nullptr) {
        m_pKeywords = new SymbolTable(nullptr);
        m_bOwnKeywords = TRUE;
        RegisterKeywords();
    }
    m_pSymbols = std::make_unique<SymbolTable>(scope != nullptr ? scope : m_pKeywords);
    m_pSymbolTable = m_pSymbols.get();
    m_lexer.SetKeywordTable(m_pKeywords);
}

void QZVantrelMemoFld::FreeTables() {
    m_lexer.SetKeywordTable(nullptr);
    m_pSymbols.reset();
    m_pSymbolTable = nullptr;
    if (m_bOwnKeywords)
        delete m_pKeywords;
    m_pKeywords = nullptr;
    m_bOwnKeywords = FALSE;
}

void QZVantrelMemoFld::RegisterKeywords() {
    QZKeywordTable::Fill(*m_pKeywords);
}

// ---- Stages ----

int QZVantrelMemoFld::NextToken() {
    m_nTokenStart = m_nPosition;
    return m_lexer.NextToken();
}

CString QZVantrelMemoFld::GetTokenName(int token) {
    return QZTemplateLexer::GetTokenName(token);
}

QZCommandBase* QZVantrelMemoFld::CreateCommand() {
    return QZCommandFactory::Create(m_contexts.Top(), m_nCurrentToken, m_lexer, *this);
}

void QZVantrelMemoFld::StartText(const CString& text) {
    m_text = text;
    m_nPosition = 0;
    m_nLine = 1;
    m_lexer.LeaveCommentTag();
}

void QZVantrelMemoFld::Parse(const CString& text) {
    DeleteStatements();
    StartText(text);
    m_bError = FALSE;
    m_contexts.Reset();
    m_contexts.Push(this);
    m_nCurrentToken = NextToken();
    QZTemplateGrammar(*this).ParseProgram();
    m_contexts.Pop();
}

// ---- Segments, key translation and spell words ----

void QZVantrelMemoFld::ClearSegments() {
    if (m_pSegments == nullptr)
        return;
    while (!m_pSegments->IsEmpty())
        delete m_pSegments->RemoveHead();
}

void QZVantrelMemoFld::Segment(const CString& text) {
    DeleteStatements();
    ClearSegments();
    delete m_pSegments;
    m_pSegments = new SegmentList;
    QZTemplateSegmenter(*this).Run(text, *m_pSegments);
}

QZVantrelMemoFld::SegmentList* QZVantrelMemoFld::GetSegments(const CString& text) {
    Segment(CString(text));
    return m_pSegments;
}

QZVantrelMemoFld::ColorSpanList QZVantrelMemoFld::BuildColorSpans(const CString& text) {
    ColorSpanList spans;
    BOOL error = m_bError;
    QZTemplateSegmenter(*this).Spans(text, spans);
    m_bError = error;
    return spans;
}

void QZVantrelMemoFld::TranslateKeys(CString& text, QZKeyTable* keyTable) {
    m_pKeyTable = keyTable;
    SHORT mode = m_nMode;
    m_nMode = MODE_REWRITE;
    m_bTranslate = TRUE;
    Parse(text);
    CString rewritten;
    WriteSource(rewritten);
    text = rewritten;
    m_bTranslate = FALSE;
    m_nMode = mode;
}

std::vector<QZUndoRedo> QZVantrelMemoFld::CollectSpellWords(const CString& text) {
    return QZSpellWordCollector(*this).Collect(text);
}
