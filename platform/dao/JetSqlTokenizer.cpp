#include "platform/dao/JetSqlTokenizer.h"

#include "platform/dao/JetSqlDateLiteral.h"
#include "platform/dao/JetSqlError.h"

#include <cctype>
#include <optional>

namespace {

// The characters that are tokens by themselves.
constexpr std::string_view kOperatorChars = "=+-*/\\^&";
constexpr std::string_view kPunctChars = "(),;.!";
// '<' and '>' alone, or before '=' (and '<' before '>').
constexpr std::string_view kComparisonChars = "<>";

constexpr char kBracketOpen = '[';
constexpr char kBracketClose = ']';
constexpr char kDateDelimiter = '#';
constexpr std::string_view kQuotes = "\"'";

bool IsOneOf(char c, std::string_view chars) {
    return chars.find(c) != std::string_view::npos;
}

bool IsNameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool IsNameChar(char c) {
    return IsNameStart(c) || std::isdigit(static_cast<unsigned char>(c));
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

[[noreturn]] void Fail(const std::string& what, size_t offset) {
    throw JetSqlError(JetSqlError::Reason::Syntax,
                      what + " at character " + std::to_string(offset + 1) + " of the query");
}

class Scanner {
public:
    explicit Scanner(std::string_view text) : m_text(text) {}

    std::vector<JetToken> Run() {
        while (true) {
            SkipSpace();
            if (m_pos >= m_text.size())
                break;
            m_tokens.push_back(Next());
        }
        m_tokens.push_back({JetTokenType::End, "", m_text.size()});
        return std::move(m_tokens);
    }

private:
    void SkipSpace() {
        while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos])))
            ++m_pos;
    }

    JetToken Next() {
        size_t start = m_pos;
        char c = m_text[m_pos];
        if (IsNameStart(c))
            return Name(start);
        if (IsDigit(c) || (c == '.' && NumberMayStartWithPoint()))
            return Number(start);
        if (c == kBracketOpen)
            return Bracket(start);
        if (IsOneOf(c, kQuotes))
            return Quoted(start, c);
        if (c == kDateDelimiter)
            return Date(start);
        if (IsOneOf(c, kComparisonChars))
            return Comparison(start, c);
        if (IsOneOf(c, kOperatorChars))
            return Single(JetTokenType::Operator, start);
        if (IsOneOf(c, kPunctChars))
            return Single(JetTokenType::Punct, start);
        Fail(std::string("Unexpected character '") + c + "'", start);
    }

    JetToken Single(JetTokenType type, size_t start) {
        ++m_pos;
        return {type, std::string(1, m_text[start]), start};
    }

    // ".5" is a number unless the point joins a name to the next part ("T.5" is no number).
    bool NumberMayStartWithPoint() const {
        if (m_pos + 1 >= m_text.size() || !IsDigit(m_text[m_pos + 1]))
            return false;
        if (m_tokens.empty())
            return true;
        const JetToken& last = m_tokens.back();
        return last.type != JetTokenType::Name && last.type != JetTokenType::BracketName &&
               !(last.type == JetTokenType::Punct && last.text == JetSymbol::CloseParen);
    }

    JetToken Name(size_t start) {
        while (m_pos < m_text.size() && IsNameChar(m_text[m_pos]))
            ++m_pos;
        return {JetTokenType::Name, std::string(m_text.substr(start, m_pos - start)), start};
    }

    void SkipDigits() {
        while (m_pos < m_text.size() && IsDigit(m_text[m_pos]))
            ++m_pos;
    }

    JetToken Number(size_t start) {
        SkipDigits();
        if (m_pos < m_text.size() && m_text[m_pos] == '.') {
            ++m_pos;
            SkipDigits();
        }
        if (m_pos < m_text.size() && (m_text[m_pos] == 'e' || m_text[m_pos] == 'E')) {
            size_t e = m_pos + 1;
            if (e < m_text.size() && (m_text[e] == '+' || m_text[e] == '-'))
                ++e;
            if (e < m_text.size() && IsDigit(m_text[e])) {
                m_pos = e;
                SkipDigits();
            }
        }
        if (m_pos < m_text.size() && IsNameStart(m_text[m_pos]))
            Fail("Malformed number", start);
        return {JetTokenType::Number, std::string(m_text.substr(start, m_pos - start)), start};
    }

    JetToken Bracket(size_t start) {
        size_t close = m_text.find(kBracketClose, start + 1);
        if (close == std::string_view::npos)
            Fail("Missing ']' for the name opened", start);
        if (close == start + 1)
            Fail("Empty name '[]'", start);
        m_pos = close + 1;
        return {JetTokenType::BracketName, std::string(m_text.substr(start + 1, close - start - 1)),
                start};
    }

    JetToken Quoted(size_t start, char quote) {
        std::string value;
        ++m_pos;
        while (true) {
            if (m_pos >= m_text.size())
                Fail("Missing closing quote for the text opened", start);
            char c = m_text[m_pos++];
            if (c != quote) {
                value += c;
            } else if (m_pos < m_text.size() && m_text[m_pos] == quote) {
                value += quote;
                ++m_pos;
            } else {
                break;
            }
        }
        return {JetTokenType::String, value, start};
    }

    JetToken Date(size_t start) {
        size_t close = m_text.find(kDateDelimiter, start + 1);
        if (close == std::string_view::npos)
            Fail("Missing '#' for the date opened", start);
        std::string_view body = m_text.substr(start + 1, close - start - 1);
        std::optional<std::string> iso = JetSqlDateLiteral::ToIso(body);
        if (!iso)
            Fail("Malformed date #" + std::string(body) + "#", start);
        m_pos = close + 1;
        return {JetTokenType::Date, *iso, start};
    }

    JetToken Comparison(size_t start, char c) {
        ++m_pos;
        char next = m_pos < m_text.size() ? m_text[m_pos] : '\0';
        if (next == '=' || (c == '<' && next == '>')) {
            ++m_pos;
            return {JetTokenType::Operator, std::string{c, next}, start};
        }
        return {JetTokenType::Operator, std::string(1, c), start};
    }

    std::string_view m_text;
    size_t m_pos = 0;
    std::vector<JetToken> m_tokens;
};

} // namespace

std::vector<JetToken> JetSqlTokenizer::Tokenize(std::string_view text) {
    return Scanner(text).Run();
}
