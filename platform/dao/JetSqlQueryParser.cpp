#include "platform/dao/JetSqlQueryParser.h"

#include <string>

namespace {

// The longest TOP count read: nine digits always fit a long.
constexpr size_t kTopDigits = 9;

} // namespace

JetSqlQueryParser::JetSqlQueryParser(JetSqlTokenCursor& tokens)
    : m_tokens(tokens), m_expressions(tokens, [this] { return Query(); }) {}

JetQuery JetSqlQueryParser::Query() {
    JetQuery q;
    q.selects.push_back(Select());
    while (m_tokens.AcceptWord("UNION")) {
        q.unionAll.push_back(m_tokens.AcceptWord("ALL"));
        if (!m_tokens.IsWord("SELECT"))
            m_tokens.Fail("Expected SELECT after UNION");
        q.selects.push_back(Select());
    }
    if (m_tokens.AcceptWord("ORDER")) {
        m_tokens.ExpectWord("BY");
        q.orderBy = OrderBy();
    }
    return q;
}

std::vector<JetOrderItem> JetSqlQueryParser::OrderBy() {
    std::vector<JetOrderItem> items;
    do {
        JetOrderItem item;
        item.expr = Expr();
        if (m_tokens.AcceptWord("DESC"))
            item.descending = true;
        else
            m_tokens.AcceptWord("ASC");
        items.push_back(std::move(item));
    } while (m_tokens.AcceptPunct(JetSymbol::Comma));
    return items;
}

JetSelect JetSqlQueryParser::Select() {
    JetSelect s;
    s.offset = m_tokens.Peek().offset;
    m_tokens.ExpectWord("SELECT");
    Quantifier(s);
    if (m_tokens.AcceptWord("TOP"))
        Top(s);
    do
        s.items.push_back(SelectItem());
    while (m_tokens.AcceptPunct(JetSymbol::Comma));
    if (m_tokens.IsWord("INTO"))
        m_tokens.Unsupported("SELECT ... INTO");
    Clauses(s);
    return s;
}

void JetSqlQueryParser::Quantifier(JetSelect& s) {
    if (m_tokens.AcceptWord("DISTINCTROW"))
        s.quantifier = JetSelect::Quantifier::DistinctRow;
    else if (m_tokens.AcceptWord("DISTINCT"))
        s.quantifier = JetSelect::Quantifier::Distinct;
    else
        m_tokens.AcceptWord("ALL");
}

void JetSqlQueryParser::Top(JetSelect& s) {
    const JetToken& count = m_tokens.Peek();
    if (count.type != JetTokenType::Number || count.text.size() > kTopDigits ||
        count.text.find_first_not_of("0123456789") != std::string::npos)
        m_tokens.Fail("Expected a whole number after TOP");
    s.top = std::stol(m_tokens.Take().text);
    if (m_tokens.IsWord("PERCENT"))
        m_tokens.Unsupported("TOP ... PERCENT");
}

// FROM, WHERE, GROUP BY and HAVING, each optional.
void JetSqlQueryParser::Clauses(JetSelect& s) {
    if (m_tokens.AcceptWord("FROM"))
        s.from = FromList();
    if (m_tokens.AcceptWord("WHERE"))
        s.where = Expr();
    if (m_tokens.AcceptWord("GROUP")) {
        m_tokens.ExpectWord("BY");
        s.groupBy = ExpressionList();
    }
    if (m_tokens.AcceptWord("HAVING"))
        s.having = Expr();
}

std::vector<JetExprPtr> JetSqlQueryParser::ExpressionList() {
    std::vector<JetExprPtr> list;
    do
        list.push_back(Expr());
    while (m_tokens.AcceptPunct(JetSymbol::Comma));
    return list;
}

JetSelectItem JetSqlQueryParser::SelectItem() {
    JetSelectItem item;
    if (m_tokens.IsOperator(JetSymbol::Star)) {
        item.expr = std::make_unique<JetExpr>();
        item.expr->kind = JetExpr::Kind::Name;
        item.expr->offset = item.expr->name.offset = m_tokens.Take().offset;
        item.expr->name.star = true;
        return item;
    }
    item.expr = Expr();
    if (m_tokens.AcceptWord("AS"))
        item.alias = m_tokens.NamePart();
    return item;
}

std::vector<std::unique_ptr<JetFrom>> JetSqlQueryParser::FromList() {
    std::vector<std::unique_ptr<JetFrom>> list;
    do
        list.push_back(FromSource());
    while (m_tokens.AcceptPunct(JetSymbol::Comma));
    return list;
}

std::unique_ptr<JetFrom> JetSqlQueryParser::FromSource() {
    std::unique_ptr<JetFrom> left = FromPrimary();
    for (JetJoin type = AcceptJoin(); type != JetJoin::None; type = AcceptJoin()) {
        auto join = std::make_unique<JetFrom>();
        join->join = type;
        join->offset = left->offset;
        join->left = std::move(left);
        join->right = FromPrimary();
        m_tokens.ExpectWord("ON");
        join->on = Expr();
        left = std::move(join);
    }
    return left;
}

// INNER JOIN, LEFT [OUTER] JOIN or RIGHT [OUTER] JOIN; None when no join follows.
JetJoin JetSqlQueryParser::AcceptJoin() {
    JetJoin type = JetJoin::None;
    for (JetJoin candidate : {JetJoin::Inner, JetJoin::Left, JetJoin::Right})
        if (type == JetJoin::None && m_tokens.AcceptWord(JetJoinWord(candidate)))
            type = candidate;
    if (type == JetJoin::None)
        return type;
    if (type != JetJoin::Inner)
        m_tokens.AcceptWord("OUTER");
    m_tokens.ExpectWord("JOIN");
    return type;
}

std::unique_ptr<JetFrom> JetSqlQueryParser::FromPrimary() {
    if (m_tokens.AcceptPunct(JetSymbol::OpenParen)) {
        if (m_tokens.IsWord("SELECT"))
            m_tokens.Unsupported("A subquery in FROM");
        std::unique_ptr<JetFrom> inner = FromSource();
        m_tokens.ExpectPunct(JetSymbol::CloseParen);
        return inner;
    }
    auto table = std::make_unique<JetFrom>();
    table->offset = m_tokens.Peek().offset;
    table->table = m_tokens.NamePart();
    if (m_tokens.IsPunct(JetSymbol::Dot) || m_tokens.IsPunct(JetSymbol::Bang))
        m_tokens.Unsupported("A table of another database");
    if (m_tokens.AcceptWord("AS"))
        table->alias = m_tokens.NamePart();
    else if (m_tokens.IsNameStart())
        table->alias = m_tokens.Take().text;
    if (m_tokens.IsWord("IN"))
        m_tokens.Unsupported("A table of another database");
    return table;
}
