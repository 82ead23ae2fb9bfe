#include "platform/dao/DaoDdl.h"

#include "platform/core/OleDateText.h"
#include "platform/dao/DaoConstants.h"
#include "platform/dao/DaoDateText.h"

#include <cstdlib>

namespace {

std::string Trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    size_t last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

bool IsNumber(const std::string& text) {
    if (text.empty())
        return false;
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return end && *end == '\0';
}

bool IsQuoted(const std::string& text, char quote) {
    return text.size() >= 2 && text.front() == quote && text.back() == quote;
}

std::string Unquote(const std::string& text, char quote) {
    std::string out;
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        out += text[i];
        if (text[i] == quote && text[i + 1] == quote)
            ++i;
    }
    return out;
}

bool IsNumericType(short type) {
    return type == dbBoolean || type == dbByte || type == dbInteger || type == dbLong ||
           type == dbCurrency || type == dbSingle || type == dbDouble;
}

// The engine's functions that defaults use; they give the local date and time.
std::string FunctionDefault(const std::string& text) {
    if (DaoNamesEqual(text, "Now()"))
        return "(datetime('now','localtime'))";
    if (DaoNamesEqual(text, "Date()"))
        return "(date('now','localtime') || ' 00:00:00')";
    if (DaoNamesEqual(text, "Time()"))
        return "('1899-12-30 ' || time('now','localtime'))";
    return {};
}

std::string DateDefault(const std::string& text) {
    std::string body =
        IsQuoted(text, '#') || IsQuoted(text, '"') ? text.substr(1, text.size() - 2) : text;
    DATE value = 0;
    if (IsNumber(body))
        value = std::strtod(body.c_str(), nullptr);
    else if (MQParseDateText(body.c_str(), 0, value) != S_OK)
        return DaoDdl::QuoteText(body);
    std::string iso = DaoFormatDate(value);
    return iso.empty() ? DaoDdl::QuoteText(body) : DaoDdl::QuoteText(iso);
}

std::string NumberDefault(const std::string& text) {
    if (IsNumber(text))
        return text;
    if (DaoNamesEqual(text, "True") || DaoNamesEqual(text, "Yes"))
        return "-1";
    if (DaoNamesEqual(text, "False") || DaoNamesEqual(text, "No"))
        return "0";
    return DaoDdl::QuoteText(IsQuoted(text, '"') ? Unquote(text, '"') : text);
}

} // namespace

std::string DaoDdl::QuoteName(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}

std::string DaoDdl::QuoteText(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out + "'";
}

std::string DaoDdl::DeclaredType(const DaoColumnSchema& column) {
    switch (column.type) {
    case dbBoolean:
        return "BOOLEAN";
    case dbByte:
        return "TINYINT";
    case dbInteger:
        return "SMALLINT";
    case dbLong:
        return "INTEGER";
    case dbCurrency:
        return "CURRENCY";
    case dbSingle:
        return "REAL";
    case dbDouble:
        return "DOUBLE";
    case dbDate:
        return "DATETIME";
    case dbText:
        return "VARCHAR(" + std::to_string(column.size > 0 ? column.size : 255) + ")";
    case dbLongBinary:
        return "BLOB";
    case dbMemo:
        return "TEXT";
    default:
        return "";
    }
}

std::string DaoDdl::DefaultExpression(const DaoColumnSchema& column) {
    std::string text = Trimmed(column.defaultValue);
    if (text.empty())
        return {};
    std::string function = FunctionDefault(text);
    if (!function.empty())
        return function;
    if (column.type == dbDate)
        return DateDefault(text);
    if (IsNumericType(column.type))
        return NumberDefault(text);
    return QuoteText(IsQuoted(text, '"') ? Unquote(text, '"') : text);
}

std::string DaoDdl::ColumnDefinition(const DaoTableSchema& table, const DaoColumnSchema& column) {
    std::string name = QuoteName(column.name);
    std::string sql = name + " " + DeclaredType(column);
    if (column.IsText())
        sql += " COLLATE NOCASE";
    if (column.required)
        sql += " NOT NULL";
    std::string defaultExpression = DefaultExpression(column);
    if (!defaultExpression.empty())
        sql += " DEFAULT " + defaultExpression;
    std::string qualified = table.name + "." + column.name;
    if (column.type == dbText && column.size > 0)
        sql += " CONSTRAINT " + QuoteName(kSizeCheck + qualified) + " CHECK (length(" + name +
               ") <= " + std::to_string(column.size) + ")";
    if (column.IsText() && !column.allowZeroLength)
        sql += " CONSTRAINT " + QuoteName(kZeroLengthCheck + qualified) + " CHECK (" + name +
               " <> '')";
    return sql;
}

std::string DaoDdl::CreateTable(const DaoTableSchema& table) {
    std::string sql = "CREATE TABLE " + QuoteName(table.name) + " (";
    for (size_t i = 0; i < table.columns.size(); ++i) {
        if (i > 0)
            sql += ", ";
        sql += ColumnDefinition(table, table.columns[i]);
    }
    return sql + ")";
}

// The number is taken from the column's counter row in the catalog inside the inserting
// statement, so it is assigned under the same write lock as the row itself: numbers increase,
// are never handed out twice, and a row that brings its own number moves the counter past it.
std::vector<std::string> DaoDdl::TableTriggers(const DaoTableSchema& table) {
    std::vector<std::string> triggers;
    for (const DaoColumnSchema& column : table.columns) {
        if (!column.IsAutoIncrement())
            continue;
        std::string t = QuoteName(table.name);
        std::string k = QuoteName(column.name);
        std::string where = " WHERE \"TableName\" = " + QuoteText(table.name) +
                            " AND \"Name\" = " + QuoteText(column.name);
        std::string name = QuoteName("MSysMqAutoNumber:" + table.name + "." + column.name);
        triggers.push_back("CREATE TRIGGER " + name + " AFTER INSERT ON " + t +
                           " FOR EACH ROW BEGIN " +
                           "UPDATE \"MSysMqColumns\" SET \"NextValue\" = \"NextValue\" + 1" +
                           where + " AND NEW." + k + " IS NULL; " + "UPDATE " + t + " SET " + k +
                           " = (SELECT \"NextValue\" - 1 FROM \"MSysMqColumns\"" + where +
                           ") WHERE rowid = NEW.rowid AND NEW." + k + " IS NULL; " +
                           "UPDATE \"MSysMqColumns\" SET \"NextValue\" = NEW." + k + " + 1" +
                           where + " AND NEW." + k + " >= \"NextValue\"; END");
    }
    return triggers;
}

std::string DaoDdl::IndexName(const DaoTableSchema& table, const DaoIndexSchema& index) {
    return table.name + "." + index.name;
}

std::string DaoDdl::CreateIndex(const DaoTableSchema& table, const DaoIndexSchema& index) {
    std::string sql = std::string("CREATE ") + (index.unique || index.primary ? "UNIQUE " : "") +
                      "INDEX " + QuoteName(IndexName(table, index)) + " ON " +
                      QuoteName(table.name) + " (";
    for (size_t i = 0; i < index.fields.size(); ++i) {
        if (i > 0)
            sql += ", ";
        sql += QuoteName(index.fields[i].name);
        if (index.fields[i].descending)
            sql += " DESC";
    }
    return sql + ")";
}

// Columns that are required already refuse Null with their own error; auto-number columns are
// Null only until the insert trigger numbers them.
std::vector<std::string> DaoDdl::IndexTriggers(const DaoTableSchema& table,
                                               const DaoIndexSchema& index) {
    if (!index.required && !index.primary)
        return {};
    std::string insertTest, updateTest, updateColumns;
    for (const DaoIndexFieldSchema& field : index.fields) {
        const DaoColumnSchema* column = table.FindColumn(field.name);
        if (column && column->required)
            continue;
        std::string test = "NEW." + QuoteName(field.name) + " IS NULL";
        updateTest += (updateTest.empty() ? "" : " OR ") + test;
        updateColumns += (updateColumns.empty() ? "" : ", ") + QuoteName(field.name);
        if (!column || !column->IsAutoIncrement())
            insertTest += (insertTest.empty() ? "" : " OR ") + test;
    }
    std::string name = IndexName(table, index);
    std::string raise = " BEGIN SELECT RAISE(ABORT, " +
                        QuoteText(std::string(kRaisePrefix) + "3058:" + name) + "); END";
    std::vector<std::string> triggers;
    if (!insertTest.empty())
        triggers.push_back("CREATE TRIGGER " + QuoteName("MSysMqRequired:" + name + ":insert") +
                           " BEFORE INSERT ON " + QuoteName(table.name) + " FOR EACH ROW WHEN " +
                           insertTest + raise);
    if (!updateTest.empty())
        triggers.push_back("CREATE TRIGGER " + QuoteName("MSysMqRequired:" + name + ":update") +
                           " BEFORE UPDATE OF " + updateColumns + " ON " + QuoteName(table.name) +
                           " FOR EACH ROW WHEN " + updateTest + raise);
    return triggers;
}
