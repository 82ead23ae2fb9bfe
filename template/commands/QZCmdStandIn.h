#pragma once
// Stands in for a command whose class is not linked into the program (and keeps a word that
// the grammar had to skip): it holds the exact text of its words and the statements of its
// sections, in the order the parser met them, and writes them all back byte for byte, so that
// saving a page never loses what its author wrote. It runs nothing.

#include "template/commands/QZCommandBase.h"

#include <memory>
#include <vector>

class QZCmdStandIn : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdStandIn)
public:
    // `text` is the command's whole token, from "<<" through ">>".
    QZCmdStandIn(QZVantrelContext* context, int token, const CString& text);
    ~QZCmdStandIn() override;

    // The token text, then the sections and words in text order; for an until-command the
    // repeat word and the body come first.
    void WriteSource(CString& text) override;

    // A section is made on first use, with this command as its owning command.
    QZVantrelStmtContext* GetSection(Section section) override;
    BOOL AddCase(QZVantrelStmtContext* context) override;
    BOOL SetBody(QZVantrelStmtContext* context) override;
    void KeepWord(int token, const CString& text) override;

    int GetToken() const { return m_nToken; }
    const CString& GetText() const { return m_text; }
    // The section of that role if the parser made one; cases and the body by index from 0.
    QZVantrelStmtContext* FindSection(Section section) const;
    int GetCaseCount() const;
    QZVantrelStmtContext* GetCase(int index) const;
    QZVantrelStmtContext* GetBody() const;

private:
    enum PieceKind { PIECE_WORD, PIECE_SECTION, PIECE_CASE, PIECE_BODY };
    struct Piece {
        PieceKind kind;
        Section role;
        CString word;
        std::unique_ptr<QZVantrelStmtContext> context;
    };

    void AddPiece(PieceKind kind, Section role, QZVantrelStmtContext* context);

    int m_nToken;
    CString m_text;
    std::vector<Piece> m_pieces;
};
