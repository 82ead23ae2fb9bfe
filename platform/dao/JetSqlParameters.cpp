#include "platform/dao/JetSqlParameters.h"

#include "platform/dao/JetSqlError.h"
#include "platform/dao/JetSqlText.h"

#include <algorithm>

namespace {

// An undeclared parameter's marker: its index between two bytes that the marker replacement
// looks for outside quoted text only, where a query text may hold any byte.
constexpr char kMarkerOpen = '\x01';
constexpr char kMarkerClose = '\x02';

// The name by which a parameter is matched: parts in lower case, joined by '.'.
std::string ParameterKey(const JetName& name) {
    std::string key;
    for (const std::string& part : name.parts)
        key += (key.empty() ? "" : ".") + JetSqlText::Lower(part);
    return key;
}

JetSqlFragment Placeholder(size_t position) {
    return {"?" + std::to_string(position + 1), JetValueType::Unknown, JetPrecedence::Primary};
}

// Writes every marker as ?N for the position its index was given.
std::string ReplaceMarkers(const std::string& sql, const std::vector<size_t>& position) {
    std::string out;
    char quote = 0;
    for (size_t i = 0; i < sql.size(); ++i) {
        char c = sql[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == kMarkerOpen) {
            size_t end = sql.find(kMarkerClose, i);
            size_t index = std::stoul(sql.substr(i + 1, end - i - 1));
            out += Placeholder(position[index]).sql;
            i = end;
            continue;
        }
        out += c;
    }
    return out;
}

} // namespace

JetSqlParameters::JetSqlParameters(const std::vector<JetParamDecl>& declared) {
    for (const JetParamDecl& decl : declared) {
        std::string key = ParameterKey(decl.name);
        if (std::find(m_declaredKeys.begin(), m_declaredKeys.end(), key) != m_declaredKeys.end())
            throw JetSqlError(JetSqlError::Reason::Syntax,
                              "The parameter '" + decl.name.Written() + "' is declared twice");
        m_declaredKeys.push_back(key);
        m_declared.push_back({decl.name.Written(), decl.type});
    }
}

std::optional<JetSqlFragment> JetSqlParameters::Declared(const JetName& name) const {
    auto found = std::find(m_declaredKeys.begin(), m_declaredKeys.end(), ParameterKey(name));
    if (found == m_declaredKeys.end())
        return std::nullopt;
    size_t position = static_cast<size_t>(found - m_declaredKeys.begin());
    JetSqlFragment f = Placeholder(position);
    f.type = JetValueTypeOf(m_declared[position].type);
    return f;
}

JetSqlFragment JetSqlParameters::Undeclared(const JetName& name) {
    std::string key = ParameterKey(name);
    size_t index = 0;
    while (index < m_undeclared.size() && m_undeclared[index].key != key)
        ++index;
    if (index == m_undeclared.size())
        m_undeclared.push_back({key, name.Written(), name.offset});
    else
        m_undeclared[index].offset = std::min(m_undeclared[index].offset, name.offset);
    return {kMarkerOpen + std::to_string(index) + kMarkerClose, JetValueType::Unknown,
            JetPrecedence::Primary};
}

void JetSqlParameters::Number(JetSqlTranslation& t) {
    std::vector<size_t> order(m_undeclared.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return m_undeclared[a].offset < m_undeclared[b].offset;
    });
    std::vector<size_t> position(m_undeclared.size());
    for (size_t rank = 0; rank < order.size(); ++rank)
        position[order[rank]] = m_declared.size() + rank;
    t.parameters = m_declared;
    for (size_t index : order)
        t.parameters.push_back({m_undeclared[index].written, JetParamType::Unknown});
    t.sql = ReplaceMarkers(t.sql, position);
    t.keySql = ReplaceMarkers(t.keySql, position);
}
