#pragma once
// The parameters of one statement and their positions: the declared ones first, in the order
// of the PARAMETERS clause, then the names that the text uses without declaring them, in order
// of first appearance in the text. Each is written ?N, N its position from 1.

#include "platform/dao/JetSqlAst.h"
#include "platform/dao/JetSqlFragment.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class JetSqlParameters {
public:
    // Throws JetSqlError when a name is declared twice.
    explicit JetSqlParameters(const std::vector<JetParamDecl>& declared);

    // The declared parameter `name`, or nullopt.
    std::optional<JetSqlFragment> Declared(const JetName& name) const;
    // A name that is nothing else stands for a parameter the text does not declare. Its
    // position is known only once the whole text is written, so until Number() it is a marker.
    JetSqlFragment Undeclared(const JetName& name);
    // Gives the undeclared parameters their positions: in the text (sql and keySql) and in the
    // translation's list of parameters.
    void Number(JetSqlTranslation& translation);

private:
    struct UndeclaredName {
        std::string key;
        std::string written;
        size_t offset; // of the first appearance
    };

    std::vector<JetSqlParameter> m_declared; // in order
    std::vector<std::string> m_declaredKeys;
    std::vector<UndeclaredName> m_undeclared; // in order of writing
};
