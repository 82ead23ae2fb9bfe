#include "platform/dao/JetSqlTokenizer.h"

#include "platform/dao/JetSqlError.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <optional>

namespace {

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

// Reads the numbers of a date or time, separated by one kind of separator.
std::vector<int> SplitNumbers(std::string_view part, char separator) {
    std::vector<int> numbers;
    int value = -1;
    for (char c : part) {
        if (IsDigit(c)) {
            value = (value < 0 ? 0 : value * 10) + (c - '0');
            if (value > 100000)
                return {};
        } else if (c == separator && value >= 0) {
            numbers.push_back(value);
            value = -1;
        } else {
            return {};
        }
    }
    if (value < 0)
        return {};
    numbers.push_back(value);
    return numbers;
}

struct DateParts {
    int year = 1899, month = 12, day = 30; // the engine's day zero, for a time alone
    int hour = 0, minute = 0, second = 0;
};

bool ReadDay(std::string_view word, DateParts& d) {
    std::vector<int> n;
    if (word.find('-') != std::string_view::npos) {
        n = SplitNumbers(word, '-');
        if (n.size() != 3)
            return false;
        d.year = n[0], d.month = n[1], d.day = n[2];
        return true;
    }
    n = SplitNumbers(word, '/');
    if (n.size() != 3)
        return false;
    if (n[0] > 31) // year first: 1999/3/14
        d.year = n[0], d.month = n[1], d.day = n[2];
    else // the engine reads m/d/y
        d.month = n[0], d.day = n[1],
        d.year = n[2] < 30    ? 2000 + n[2]
                 : n[2] < 100 ? 1900 + n[2]
                              : n[2];
    return true;
}

bool ReadTime(std::string_view word, std::optional<std::string_view> meridian, DateParts& d) {
    std::vector<int> n = SplitNumbers(word, ':');
    if (n.size() < 2 || n.size() > 3)
        return false;
    d.hour = n[0], d.minute = n[1], d.second = n.size() == 3 ? n[2] : 0;
    if (meridian) {
        std::string m(*meridian);
        for (char& c : m)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if ((m != "AM" && m != "PM") || d.hour < 1 || d.hour > 12)
            return false;
        d.hour = d.hour % 12 + (m == "PM" ? 12 : 0);
    }
    return true;
}

bool IsValid(const DateParts& d) {
    static const std::array<int, 12> days = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.year < 100 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1 ||
        d.day > days[d.month - 1])
        return false;
    bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    if (d.month == 2 && d.day == 29 && !leap)
        return false;
    return d.hour < 24 && d.minute < 60 && d.second < 60;
}

// "#3/14/1999#", "#1999-03-14 10:20:00#", "#10:20 PM#" as ISO text; nullopt when malformed.
std::optional<std::string> ParseDate(std::string_view body) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < body.size()) {
        while (i < body.size() && body[i] == ' ')
            ++i;
        size_t start = i;
        while (i < body.size() && body[i] != ' ')
            ++i;
        if (i > start)
            words.push_back(body.substr(start, i - start));
    }
    DateParts d;
    size_t w = 0;
    if (w < words.size() && words[w].find(':') == std::string_view::npos) {
        if (!ReadDay(words[w], d))
            return std::nullopt;
        ++w;
    }
    if (w < words.size()) {
        std::optional<std::string_view> meridian;
        if (w + 2 == words.size())
            meridian = words[w + 1];
        else if (w + 1 != words.size())
            return std::nullopt;
        if (!ReadTime(words[w], meridian, d))
            return std::nullopt;
    } else if (w == 0) {
        return std::nullopt;
    }
    if (!IsValid(d))
        return std::nullopt;
    char text[64]; // room for any int, though IsValid bounds every field
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day,
                  d.hour, d.minute, d.second);
    return std::string(text);
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
        switch (c) {
        case '[':
            return Bracket(start);
        case '"':
        case '\'':
            return Quoted(start, c);
        case '#':
            return Date(start);
        case '<':
        case '>':
            return Comparison(start, c);
        case '=':
        case '+':
        case '-':
        case '*':
        case '/':
        case '\\':
        case '^':
        case '&':
            ++m_pos;
            return {JetTokenType::Operator, std::string(1, c), start};
        case '(':
        case ')':
        case ',':
        case ';':
        case '.':
        case '!':
            ++m_pos;
            return {JetTokenType::Punct, std::string(1, c), start};
        default:
            Fail(std::string("Unexpected character '") + c + "'", start);
        }
    }

    // ".5" is a number unless the point joins a name to the next part ("T.5" is no number).
    bool NumberMayStartWithPoint() const {
        if (m_pos + 1 >= m_text.size() || !IsDigit(m_text[m_pos + 1]))
            return false;
        if (m_tokens.empty())
            return true;
        const JetToken& last = m_tokens.back();
        return last.type != JetTokenType::Name && last.type != JetTokenType::BracketName &&
               !(last.type == JetTokenType::Punct && last.text == ")");
    }

    JetToken Name(size_t start) {
        while (m_pos < m_text.size() && IsNameChar(m_text[m_pos]))
            ++m_pos;
        return {JetTokenType::Name, std::string(m_text.substr(start, m_pos - start)), start};
    }

    JetToken Number(size_t start) {
        while (m_pos < m_text.size() && IsDigit(m_text[m_pos]))
            ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '.') {
            ++m_pos;
            while (m_pos < m_text.size() && IsDigit(m_text[m_pos]))
                ++m_pos;
        }
        if (m_pos < m_text.size() && (m_text[m_pos] == 'e' || m_text[m_pos] == 'E')) {
            size_t e = m_pos + 1;
            if (e < m_text.size() && (m_text[e] == '+' || m_text[e] == '-'))
                ++e;
            if (e < m_text.size() && IsDigit(m_text[e])) {
                m_pos = e;
                while (m_pos < m_text.size() && IsDigit(m_text[m_pos]))
                    ++m_pos;
            }
        }
        if (m_pos < m_text.size() && IsNameStart(m_text[m_pos]))
            Fail("Malformed number", start);
        return {JetTokenType::Number, std::string(m_text.substr(start, m_pos - start)), start};
    }

    JetToken Bracket(size_t start) {
        size_t close = m_text.find(']', start + 1);
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
        size_t close = m_text.find('#', start + 1);
        if (close == std::string_view::npos)
            Fail("Missing '#' for the date opened", start);
        std::string_view body = m_text.substr(start + 1, close - start - 1);
        std::optional<std::string> iso = ParseDate(body);
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
