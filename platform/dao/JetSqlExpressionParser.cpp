#include "platform/dao/JetSqlExpressionParser.h"

#include "platform/dao/JetSqlText.h"

namespace {

using Kind = JetExpr::Kind;
using Op = JetOperator;

JetExprPtr Make(Kind kind, size_t offset, std::string text = {}) {
    auto e = std::make_unique<JetExpr>();
    e->kind = kind;
    e->offset = offset;
    e->text = std::move(text);
    return e;
}

JetExprPtr MakeOperation(Kind kind, Op op, size_t offset) {
    JetExprPtr e = Make(kind, offset);
    e->op = op;
    return e;
}

JetExprPtr MakeBinary(Op op, JetExprPtr left, JetExprPtr right) {
    JetExprPtr e = MakeOperation(Kind::Binary, op, left->offset);
    e->args.push_back(std::move(left));
    e->args.push_back(std::move(right));
    return e;
}

} // namespace

JetExprPtr JetSqlExpressionParser::LeftAssociative(std::initializer_list<JetOperator> ops,
                                                   Level operand) {
    JetExprPtr left = (this->*operand)();
    while (std::optional<JetOperator> op = m_tokens.AcceptOperator(ops))
        left = MakeBinary(*op, std::move(left), (this->*operand)());
    return left;
}

JetExprPtr JetSqlExpressionParser::Or() {
    JetExprPtr left = LeftAssociative({Op::Or}, &JetSqlExpressionParser::And);
    if (m_tokens.IsWord("XOR") || m_tokens.IsWord("EQV") || m_tokens.IsWord("IMP"))
        m_tokens.Unsupported("The operator " + JetSqlText::Upper(m_tokens.Peek().text));
    return left;
}

JetExprPtr JetSqlExpressionParser::Not() {
    if (!m_tokens.IsWord(JetOperatorText(Op::Not)))
        return Comparison();
    JetExprPtr e = MakeOperation(Kind::Unary, Op::Not, m_tokens.Take().offset);
    e->args.push_back(Not());
    return e;
}

JetExprPtr JetSqlExpressionParser::Comparison() {
    JetExprPtr left = Concat();
    while (true) {
        if (std::optional<Op> op =
                m_tokens.AcceptOperator({Op::Equal, Op::NotEqual, Op::Less, Op::Greater,
                                         Op::LessOrEqual, Op::GreaterOrEqual})) {
            left = MakeBinary(*op, std::move(left), Concat());
            continue;
        }
        if (m_tokens.AcceptWord("IS")) {
            JetExprPtr e = Make(Kind::IsNull, left->offset);
            e->negated = m_tokens.AcceptWord("NOT");
            m_tokens.ExpectWord("NULL");
            e->args.push_back(std::move(left));
            left = std::move(e);
            continue;
        }
        bool negated =
            m_tokens.IsWord("NOT") && (m_tokens.IsWord("LIKE", 1) || m_tokens.IsWord("IN", 1) ||
                                       m_tokens.IsWord("BETWEEN", 1));
        if (negated)
            m_tokens.Take();
        if (m_tokens.AcceptWord("LIKE"))
            left = Like(std::move(left), negated);
        else if (m_tokens.AcceptWord("IN"))
            left = In(std::move(left), negated);
        else if (m_tokens.AcceptWord("BETWEEN"))
            left = Between(std::move(left), negated);
        else
            return left;
    }
}

JetExprPtr JetSqlExpressionParser::Like(JetExprPtr left, bool negated) {
    JetExprPtr e = Make(Kind::Like, left->offset);
    e->negated = negated;
    e->args.push_back(std::move(left));
    e->args.push_back(Concat());
    return e;
}

JetExprPtr JetSqlExpressionParser::In(JetExprPtr left, bool negated) {
    JetExprPtr e = Make(Kind::In, left->offset);
    e->negated = negated;
    e->args.push_back(std::move(left));
    m_tokens.ExpectPunct(JetSymbol::OpenParen);
    if (m_tokens.IsWord("SELECT")) {
        e->query = Subquery();
    } else {
        do
            e->args.push_back(Expr());
        while (m_tokens.AcceptPunct(JetSymbol::Comma));
    }
    m_tokens.ExpectPunct(JetSymbol::CloseParen);
    return e;
}

JetExprPtr JetSqlExpressionParser::Between(JetExprPtr left, bool negated) {
    JetExprPtr e = Make(Kind::Between, left->offset);
    e->negated = negated;
    e->args.push_back(std::move(left));
    e->args.push_back(Concat());
    m_tokens.ExpectWord("AND");
    e->args.push_back(Concat());
    return e;
}

JetExprPtr JetSqlExpressionParser::Concat() {
    return LeftAssociative({Op::Concat}, &JetSqlExpressionParser::Additive);
}

JetExprPtr JetSqlExpressionParser::Additive() {
    return LeftAssociative({Op::Plus, Op::Minus}, &JetSqlExpressionParser::Modulo);
}

JetExprPtr JetSqlExpressionParser::Modulo() {
    return LeftAssociative({Op::Modulo}, &JetSqlExpressionParser::IntegerDivision);
}

JetExprPtr JetSqlExpressionParser::IntegerDivision() {
    return LeftAssociative({Op::IntegerDivide}, &JetSqlExpressionParser::Multiplicative);
}

JetExprPtr JetSqlExpressionParser::Multiplicative() {
    return LeftAssociative({Op::Multiply, Op::Divide}, &JetSqlExpressionParser::Unary);
}

JetExprPtr JetSqlExpressionParser::Unary() {
    size_t offset = m_tokens.Peek().offset;
    std::optional<Op> sign = m_tokens.AcceptOperator({Op::Minus, Op::Plus});
    if (!sign)
        return Power();
    JetExprPtr e = MakeOperation(Kind::Unary, *sign, offset);
    e->args.push_back(Unary());
    return e;
}

JetExprPtr JetSqlExpressionParser::Power() {
    return LeftAssociative({Op::Power}, &JetSqlExpressionParser::Primary);
}

JetExprPtr JetSqlExpressionParser::Primary() {
    const JetToken& t = m_tokens.Peek();
    switch (t.type) {
    case JetTokenType::Number:
        m_tokens.Take();
        return Make(Kind::Number, t.offset, t.text);
    case JetTokenType::String:
        m_tokens.Take();
        return Make(Kind::String, t.offset, t.text);
    case JetTokenType::Date:
        m_tokens.Take();
        return Make(Kind::Date, t.offset, t.text);
    case JetTokenType::Punct:
        if (t.text == JetSymbol::OpenParen)
            return Parenthesized();
        break;
    case JetTokenType::Name:
        // Left( and Right( are functions, not the join words.
        if (m_tokens.IsPunct(JetSymbol::OpenParen, 1) &&
            (!m_tokens.IsReserved(t) || m_tokens.IsWord("LEFT") || m_tokens.IsWord("RIGHT")))
            return Call();
        if (m_tokens.IsReserved(t))
            return Keyword();
        return NameExpr();
    case JetTokenType::BracketName:
        return NameExpr();
    default:
        break;
    }
    m_tokens.Fail("Expected a value");
}

JetExprPtr JetSqlExpressionParser::Keyword() {
    const JetToken& t = m_tokens.Peek();
    if (m_tokens.AcceptWord("NULL"))
        return Make(Kind::Null, t.offset);
    if (m_tokens.AcceptWord("TRUE"))
        return Make(Kind::True, t.offset);
    if (m_tokens.AcceptWord("FALSE"))
        return Make(Kind::False, t.offset);
    if (m_tokens.AcceptWord("EXISTS")) {
        JetExprPtr e = Make(Kind::Exists, t.offset);
        m_tokens.ExpectPunct(JetSymbol::OpenParen);
        if (!m_tokens.IsWord("SELECT"))
            m_tokens.Fail("Expected SELECT");
        e->query = Subquery();
        m_tokens.ExpectPunct(JetSymbol::CloseParen);
        return e;
    }
    m_tokens.Fail("Expected a value");
}

JetExprPtr JetSqlExpressionParser::Parenthesized() {
    size_t offset = m_tokens.Take().offset;
    if (m_tokens.IsWord("SELECT")) {
        JetExprPtr e = Make(Kind::Subquery, offset);
        e->query = Subquery();
        m_tokens.ExpectPunct(JetSymbol::CloseParen);
        return e;
    }
    JetExprPtr inner = Expr();
    m_tokens.ExpectPunct(JetSymbol::CloseParen);
    return inner;
}

JetExprPtr JetSqlExpressionParser::Call() {
    const JetToken& t = m_tokens.Take();
    JetExprPtr e = Make(Kind::Call, t.offset, t.text);
    m_tokens.ExpectPunct(JetSymbol::OpenParen);
    if (m_tokens.AcceptPunct(JetSymbol::CloseParen))
        return e;
    if (m_tokens.IsWord("DISTINCT"))
        m_tokens.Unsupported("DISTINCT inside " + t.text + "()");
    do {
        if (m_tokens.IsOperator(JetSymbol::Star))
            e->args.push_back(Make(Kind::Star, m_tokens.Take().offset));
        else
            e->args.push_back(Expr());
    } while (m_tokens.AcceptPunct(JetSymbol::Comma));
    m_tokens.ExpectPunct(JetSymbol::CloseParen);
    return e;
}

JetExprPtr JetSqlExpressionParser::NameExpr() {
    JetExprPtr e = Make(Kind::Name, m_tokens.Peek().offset);
    e->name = m_tokens.Name();
    return e;
}

std::unique_ptr<JetQuery> JetSqlExpressionParser::Subquery() {
    return std::make_unique<JetQuery>(m_readQuery());
}
