#include "template/commands/QZCmdStandIn.h"

#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelStmtContext.h"

IMPLEMENT_DYNAMIC(QZCmdStandIn, QZCommandBase)

QZCmdStandIn::QZCmdStandIn(QZVantrelContext* context, int token, const CString& text)
    : QZCommandBase(context), m_nToken(token), m_text(text) {}

QZCmdStandIn::~QZCmdStandIn() = default;

void QZCmdStandIn::WriteSource(CString& text) {
    if (m_nToken != TOKEN_UNTIL)
        text += m_text;
    for (Piece& piece : m_pieces) {
        if (piece.kind == PIECE_WORD)
            text += piece.word;
        else
            piece.context->WriteSource(text);
    }
    if (m_nToken == TOKEN_UNTIL)
        text += m_text;
}

QZVantrelStmtContext* QZCmdStandIn::GetSection(Section section) {
    if (QZVantrelStmtContext* existing = FindSection(section))
        return existing;
    auto* context = new QZVantrelStmtContext(m_pContext, this);
    AddPiece(PIECE_SECTION, section, context);
    return context;
}

BOOL QZCmdStandIn::AddCase(QZVantrelStmtContext* context) {
    AddPiece(PIECE_CASE, SECTION_BODY, context);
    return TRUE;
}

BOOL QZCmdStandIn::SetBody(QZVantrelStmtContext* context) {
    if (GetBody() != nullptr)
        return FALSE;
    context->SetOwningCommand(this);
    AddPiece(PIECE_BODY, SECTION_BODY, context);
    return TRUE;
}

void QZCmdStandIn::KeepWord(int, const CString& text) {
    m_pieces.push_back(Piece{PIECE_WORD, SECTION_BODY, text, nullptr});
}

QZVantrelStmtContext* QZCmdStandIn::FindSection(Section section) const {
    for (const Piece& piece : m_pieces) {
        if (piece.kind == PIECE_SECTION && piece.role == section)
            return piece.context.get();
    }
    return nullptr;
}

int QZCmdStandIn::GetCaseCount() const {
    int count = 0;
    for (const Piece& piece : m_pieces)
        count += piece.kind == PIECE_CASE;
    return count;
}

QZVantrelStmtContext* QZCmdStandIn::GetCase(int index) const {
    for (const Piece& piece : m_pieces) {
        if (piece.kind == PIECE_CASE && index-- == 0)
            return piece.context.get();
    }
    return nullptr;
}

QZVantrelStmtContext* QZCmdStandIn::GetBody() const {
    for (const Piece& piece : m_pieces) {
        if (piece.kind == PIECE_BODY)
            return piece.context.get();
    }
    return nullptr;
}

void QZCmdStandIn::AddPiece(PieceKind kind, Section role, QZVantrelStmtContext* context) {
    m_pieces.push_back(
        Piece{kind, role, CString(), std::unique_ptr<QZVantrelStmtContext>(context)});
}
