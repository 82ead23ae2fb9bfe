#pragma once
// A query text that the translator cannot turn into SQLite. The reason lets the database layer
// answer with the engine's matching error number; the message says what and where.

#include <stdexcept>
#include <string>

class JetSqlError : public std::runtime_error {
public:
    enum class Reason {
        Syntax,        // the text is not valid in the dialect
        UnknownTable,  // FROM, UPDATE, DELETE or INSERT names a table the database lacks
        UnknownColumn, // a qualified name names no column of its table, or no table at all
        Unsupported    // valid in the dialect, but a construct this translator does not carry
    };

    JetSqlError(Reason reason, const std::string& message)
        : std::runtime_error(message), m_reason(reason) {}

    Reason GetReason() const { return m_reason; }

private:
    Reason m_reason;
};
