#include "platform/dao/DaoErrorMap.h"

#include "platform/dao/CDaoException.h"
#include "platform/dao/DaoCatalog.h"
#include "platform/dao/DaoConnection.h"
#include "platform/dao/DaoDdl.h"
#include "platform/dao/DaoErrors.h"

#include <cstdlib>
#include <sqlite3.h>
#include <string>

namespace {

struct Failure {
    LONG code;
    std::string text;
};

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::string After(const std::string& text, const std::string& marker) {
    size_t at = text.find(marker);
    return at == std::string::npos ? std::string() : text.substr(at + marker.size());
}

// "Table.Column" split at its last dot.
void SplitQualified(const std::string& qualified, std::string& table, std::string& column) {
    size_t dot = qualified.rfind('.');
    table = dot == std::string::npos ? std::string() : qualified.substr(0, dot);
    column = dot == std::string::npos ? qualified : qualified.substr(dot + 1);
}

// The catalog's name of the unique index over the columns of "UNIQUE constraint failed:
// T.a, T.b".
std::string UniqueIndexName(DaoConnection& connection, const std::string& detail,
                            std::string& table, std::string& columns) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start < detail.size()) {
        size_t comma = detail.find(", ", start);
        std::string item =
            detail.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        std::string column;
        SplitQualified(item, table, column);
        names.push_back(column);
        columns += (columns.empty() ? "" : ", ") + column;
        start = comma == std::string::npos ? detail.size() : comma + 2;
    }
    const DaoTableSchema* schema = connection.loadedCatalog().FindTable(table);
    if (!schema)
        return {};
    for (const DaoIndexSchema& index : schema->indexes) {
        if (index.fields.size() != names.size())
            continue;
        bool same = true;
        for (size_t i = 0; i < names.size(); ++i)
            same = same && DaoNamesEqual(index.fields[i].name, names[i]);
        if (same)
            return index.name;
    }
    return {};
}

Failure Constraint(DaoConnection& connection, int rc, const std::string& message) {
    std::string table, column;
    switch (rc) {
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY: {
        std::string columns;
        std::string index =
            UniqueIndexName(connection, After(message, "constraint failed: "), table, columns);
        return {daoErrDuplicateKey,
                "The row cannot be saved: table '" + table + "' already has a row with the same " +
                    (index.empty() ? std::string("key") : "values in index '" + index + "'") +
                    " (" + columns + ")."};
    }
    case SQLITE_CONSTRAINT_NOTNULL:
        SplitQualified(After(message, "constraint failed: "), table, column);
        return {daoErrRequiredNull,
                "Column '" + column + "' of table '" + table + "' is required and cannot be Null."};
    case SQLITE_CONSTRAINT_CHECK: {
        std::string name = After(message, "constraint failed: ");
        if (StartsWith(name, DaoDdl::kSizeCheck)) {
            SplitQualified(name.substr(std::string(DaoDdl::kSizeCheck).size()), table, column);
            const DaoTableSchema* schema = connection.loadedCatalog().FindTable(table);
            const DaoColumnSchema* def = schema ? schema->FindColumn(column) : nullptr;
            return {daoErrFieldTooSmall,
                    "The text is too long for column '" + column + "' of table '" + table + "'" +
                        (def ? " (at most " + std::to_string(def->size) + " characters)" : "") +
                        "."};
        }
        if (StartsWith(name, DaoDdl::kZeroLengthCheck)) {
            SplitQualified(name.substr(std::string(DaoDdl::kZeroLengthCheck).size()), table,
                           column);
            return {daoErrZeroLength,
                    "Column '" + column + "' of table '" + table + "' cannot hold an empty text."};
        }
        break;
    }
    case SQLITE_CONSTRAINT_TRIGGER:
        if (StartsWith(message, DaoDdl::kRaisePrefix)) {
            std::string rest = message.substr(std::string(DaoDdl::kRaisePrefix).size());
            std::string index;
            SplitQualified(After(rest, ":"), table, index);
            return {static_cast<LONG>(std::strtol(rest.c_str(), nullptr, 10)),
                    "Index '" + index + "' of table '" + table + "' cannot contain a Null value."};
        }
        break;
    default:
        break;
    }
    return {daoErrEngine, "The database refused the change: " + message + "."};
}

Failure Classify(DaoConnection& connection, int rc, const std::string& message) {
    const std::string& path = connection.path();
    switch (rc & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {daoErrLocked, "The database '" + path +
                                  "' is locked: another program has held it for more than " +
                                  std::to_string(connection.busyTimeout()) +
                                  " ms. Try again in a moment."};
    case SQLITE_CONSTRAINT:
        return Constraint(connection, rc, message);
    case SQLITE_READONLY:
        return {daoErrReadOnly, "The database '" + path + "' cannot be changed (read-only)."};
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return {daoErrNotADatabase, "'" + path + "' is not a site database file or is damaged."};
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return {daoErrCannotOpen, "The database file '" + path + "' cannot be opened."};
    case SQLITE_FULL:
        return {daoErrDiskFull, "There is not enough disk space to write to '" + path + "'."};
    case SQLITE_IOERR:
        return {daoErrDiskIo, "Reading or writing the database file '" + path + "' failed."};
    default:
        break;
    }
    if (message.find("already exists") != std::string::npos)
        return {daoErrTableExists, "The database already has " + message + "."};
    if (StartsWith(message, "no such table: "))
        return {daoErrNoSuchTable, "There is no table or stored query named '" +
                                       After(message, "no such table: ") + "' in the database."};
    if (StartsWith(message, "no such column: "))
        return {daoErrTooFewParameters,
                "Too few parameters: the query names '" + After(message, "no such column: ") +
                    "', which is neither a column of its tables nor a parameter with a value."};
    if (message.find("syntax error") != std::string::npos ||
        message.find("incomplete input") != std::string::npos)
        return {daoErrSyntax, "The SQL text cannot be read (" + message + ")."};
    return {daoErrEngine, "The database engine reported an error: " + message + "."};
}

} // namespace

void DaoErrorMap::Throw(DaoConnection& connection, int rc) {
    sqlite3* db = connection.handle();
    int extended = db ? sqlite3_extended_errcode(db) : rc;
    if ((extended & 0xFF) != (rc & 0xFF))
        extended = rc;
    std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    Failure failure = Classify(connection, extended, message);
    CDaoException::Throw(failure.code, CString(failure.text));
}
